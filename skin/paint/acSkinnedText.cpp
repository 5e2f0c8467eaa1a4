#include "skin/paint/acSkinnedText.h"

#include <algorithm>
#include <array>
#include <functional>

#include "skin/data/acSkinData.h"
#include "skin/base/acColorMix.h"
#include "skin/base/acColorOps.h"
#include "skin/paint/acTextGlow.h"
#include "skin/paint/sGraphUtils.h"

namespace {

// Share of the font colour in the disabled text colour (of 255).
constexpr int kDisabledTextMix = 100;
// Sections of captions drawn over their parent: they take the font colour of whatever
// opaque section lies under them (the first ten entries of the well-known sections).
constexpr int kSectionsOverParent = ssButton + 1;
// A state this transparent counts as showing the parent's section.
constexpr int kSeeThroughTransparency = 39;

using ColorPass = std::function<uint32_t(uint32_t)>;

const TsGenState& StateOf(const TsGeneralData& section, int state) {
  return section.Props[std::clamp(state, 0, 2)];
}

// The contours that are set, in drawing order, then the text itself.
void DrawWithContours(const TacTextCanvas& canvas, std::u16string_view text, const TacFont& font, TRect r,
                      uint32_t format, const TsFontColor& colors, const ColorPass& adjust) {
  const std::array<std::pair<uint32_t, TPoint>, 4> contours{{{colors.Left, {-1, 0}},
                                                             {colors.Top, {0, -1}},
                                                             {colors.Right, {1, 0}},
                                                             {colors.Bottom, {0, 1}}}};
  for (const auto& [color, shift] : contours) {
    if (color == kNoColor) continue;
    canvas.Painter->Draw(canvas.Bmp, text, font, r.Offset(shift.X, shift.Y), adjust(color), format);
  }
  canvas.Painter->Draw(canvas.Bmp, text, font, r, adjust(colors.Color), format);
}

bool IsSectionOverParent(const TacSkinData& data, int skinIndex) {
  for (int i = 0; i < kSectionsOverParent; ++i)
    if (data.Sections[i] >= 0 && data.Sections[i] == skinIndex) return true;
  return false;
}

}  // namespace

void WriteSkinnedText(const TacTextCanvas& canvas, std::u16string_view text, bool enabled, bool glowAllowed,
                      int state, const IacElementOwner& owner, uint32_t format, TRect r) {
  if (text.empty() || !canvas.Painter || canvas.Bmp.empty()) return;
  TacFont font = canvas.Font;
  const TacSkinData* data = owner.SkinData();
  int index = owner.SkinIndex();
  if (!data || index < 0 || index >= static_cast<int>(data->gd.size()) || owner.CustomFont()) {
    canvas.Painter->Draw(canvas.Bmp, text, font, r, font.Color, format);
    return;
  }
  if (state != 0 && index == data->Sections[ssWebBtn]) font.Underline = true;

  // Captions over their parent take the font of the section that is really under them.
  if (owner.HasParent() && IsSectionOverParent(*data, index) &&
      (state == 0 || StateOf(data->gd[index], state).Transparency > kSeeThroughTransparency)) {
    index = owner.OpaqueSectionAt(state);
    if (index < 0 || index >= static_cast<int>(data->gd.size())) {
      canvas.Painter->Draw(canvas.Bmp, text, font, r, owner.ParentFontColor(), format);
      return;
    }
  }
  const TsGenState& p = StateOf(data->gd[index], state);
  const ColorPass adjust = [&owner](uint32_t c) {
    if (owner.HUEOffset() != 0) c = ShiftHue(c, owner.HUEOffset());
    if (owner.Saturation() != 0) c = ChangeSaturation(c, owner.Saturation());
    return c;
  };

  if (glowAllowed && owner.HasCache() && p.GlowSize != 0) {
    DrawTextGlow(canvas, text, font, r, format, p.GlowSize, p.GlowColor);
  }
  if (!enabled) {
    const uint32_t color = MixColor(p.FontColor.Color, SkinGlobalColor(*data), kDisabledTextMix);
    canvas.Painter->Draw(canvas.Bmp, text, font, r, adjust(color), format);
    return;
  }
  DrawWithContours(canvas, text, font, r, format, p.FontColor, adjust);
}

void WriteSectionText(const TacTextCanvas& canvas, std::u16string_view text, bool enabled, const TacSkinData& data,
                      int state, int skinIndex, uint32_t format, TRect r) {
  if (text.empty() || !canvas.Painter || canvas.Bmp.empty()) return;
  if (skinIndex < 0 || skinIndex >= static_cast<int>(data.gd.size())) return;
  const TsGeneralData& section = data.gd[skinIndex];
  const ColorPass asIs = [](uint32_t c) { return c; };
  if (!enabled) {
    const TsGenState& normal = section.Props[0];
    const uint32_t color = MixColor(normal.FontColor.Color, normal.Color, kDisabledTextMix);
    canvas.Painter->Draw(canvas.Bmp, text, canvas.Font, r, color, format);
    return;
  }
  DrawWithContours(canvas, text, canvas.Font, r, format, StateOf(section, std::min(state, section.States - 1)).FontColor,
                   asIs);
}
