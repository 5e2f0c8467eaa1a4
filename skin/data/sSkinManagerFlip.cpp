// Title-button pictures mirrored for right-to-left programs.
#include <algorithm>

#include "skin/data/sSkinManager.h"

namespace {

// Title glyphs that are mirrored: BICONCLOSE, BICONMAX, BICONMIN, BICONNORM.
constexpr int kFirstFlipped = 1, kLastFlipped = 4;

void MirrorStates(const PixelBuffer& picture, const TRect& r, int states) {
  const int width = r.Width() / std::max(1, states);
  for (int s = 0; s < states; ++s) {
    const PixelBuffer state = picture.sub(r.Left + s * width, r.Top, width, r.Height());
    for (int y = 0; y < state.height; ++y) std::reverse(state.row(y), state.row(y) + state.width);
  }
}

}  // namespace

void TsSkinManager::FlipImages(bool RTL) {
  if (!FButtonsSupport.AllowRTLSysButtons || RTL == ManagerState.Has(msRTLFlipped)) return;
  if (RTL) ManagerState.Include(msRTLFlipped);
  else ManagerState.Exclude(msRTLFlipped);
  flippedPictures_.clear();
  for (const auto& data : SkinDataArray)
    if (data) FlipTitleImages(*data);
}

// Mirrors a data object's title glyphs and their first glow frames. A picture shared by
// several elements or densities (the master bitmap, a cached image) is mirrored once.
void TsSkinManager::FlipTitleImages(TacSkinData& data) {
  std::vector<int> masks;
  for (int g = kFirstFlipped; g <= kLastFlipped; ++g) {
    masks.push_back(data.TitleGlyphs[g]);
    if (!data.TitleGlows[g].empty()) masks.push_back(data.TitleGlows[g].front());
  }
  for (const int index : masks) {
    if (index < 0 || index >= static_cast<int>(data.ma.size())) continue;
    const TsMaskData& m = data.ma[index];
    const PixelBuffer picture = data.MaskSource(m);
    if (picture.empty()) continue;
    const FlippedPicture key{m.Bmp ? static_cast<const void*>(m.Bmp) : nullptr, m.R};
    if (std::find(flippedPictures_.begin(), flippedPictures_.end(), key) != flippedPictures_.end()) continue;
    flippedPictures_.push_back(key);
    MirrorStates(picture, m.R, m.ImageCount);
  }
}
