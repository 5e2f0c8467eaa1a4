// An element prepared for any pixel density straight from the options file, for controls
// that stretch an element to a density of their own. The element is made on the side:
// no skin data object keeps it.
#include <algorithm>

#include "skin/data/acMaskNotation.h"
#include "skin/data/acMaskRescale.h"
#include "skin/base/acSkinPixels.h"
#include "skin/data/acZLibExNames.h"
#include "skin/data/sSkinManager.h"

namespace {

// The key's value for the slot whose density is nearest above aMulPPI, else nearest at
// or below it: a denser picture is preferred.
std::optional<std::pair<std::string, int>> ChooseDensity(const TacIniSection& section, std::string_view key,
                                                         int aMulPPI) {
  const auto valueAt = [&](int slot) -> const std::string* {
    const std::string* v = section.Find(std::string(key) + std::string(kSlotSuffix[slot]));
    return v && !IsAbsentValue(*v) ? v : nullptr;
  };
  for (int slot = 0; slot < 4; ++slot)
    if (kSlotPPI[slot] > aMulPPI)
      if (const std::string* v = valueAt(slot)) return std::pair{*v, kSlotPPI[slot]};
  for (int slot = 3; slot >= 0; --slot)
    if (kSlotPPI[slot] <= aMulPPI)
      if (const std::string* v = valueAt(slot)) return std::pair{*v, kSlotPPI[slot]};
  return std::nullopt;
}

}  // namespace

int TsSkinManager::GetScaledMaskData(std::string_view aSectionName, std::string_view aPropName, int aMulPPI,
                                     TsMaskData& md, std::unique_ptr<PixelImage>& image) {
  image.reset();
  if (!IsActive() || !SkinFile) return -1;
  const TacIniSection* section = SkinFile->Options().FindSection(aSectionName);
  const auto variant = section ? ChooseDensity(*section, aPropName, aMulPPI) : std::nullopt;
  if (!variant) return -1;
  TacCanonicalMask c;
  try {
    c = ParseCanonicalMask(NormaliseMask(AsciiUpper(variant->first)));
  } catch (const std::exception&) {
    return -1;  // lookups raise no errors: a malformed element is no element
  }
  md = TsMaskData{};
  md.PropertyName = aPropName;
  md.ClassName = aSectionName;
  md.SkinIndex = 0;
  md.DrawMode = c.DrawMode;
  md.MaskType = c.MaskType;
  md.ImgType = c.ImgType;
  md.ImageCount = c.ImageCount;
  md.R = c.R;
  md.WL = c.WL, md.WT = c.WT, md.WR = c.WR, md.WB = c.WB;
  md.Manager = this;
  md.DivPPI = variant->second;
  md.MulPPi = aMulPPI;
  md.FileName = c.FileName;

  // A data object of the wanted density does the decoding and rescaling, then gives the
  // picture up: it is the caller's, not a cached one.
  TacSkinData scratch(this, aMulPPI);
  const bool keepPixels = md.ImgType == TacImgType::itisaTexture || md.ImgType == TacImgType::itisaGlow;
  const PixelImage* master = MasterBitmap();
  if (!md.FileName.empty()) {
    if (!scratch.LoadElementImage(md, md.FileName, SkinFile->FindEntry(md.FileName), keepPixels)) return -1;
  } else if (md.MulPPi == md.DivPPI || (md.DrawMode & kDrawModeNoRescale) != 0) {
    if (master == nullptr) return -1;
    const PixelBuffer piece = master->view().sub(md.R.Left, md.R.Top, md.R.Width(), md.R.Height());
    if (piece.empty()) return -1;
    image = std::make_unique<PixelImage>(CopyImage(piece));
    md.R = {0, 0, image->width(), image->height()};
    md.Height = image->height() / (md.MaskType + 1);
    md.Width = image->width() / std::max(1, md.ImageCount);
    md.Bmp = image.get();
  } else {
    if (master == nullptr || !scratch.ScaleMaskImage(md, master->view(), keepPixels)) return -1;
  }
  if (!image) {
    for (TacBmpData& entry : scratch.BmpArray)
      if (entry.Bmp.get() == md.Bmp) image = std::move(entry.Bmp);
    if (!image) return -1;
  }
  if (md.ImgType == TacImgType::itisaBorder) {
    if (aSectionName == kSectionNames[ssButtonHuge] && aPropName == "BORDERSMASK") md.Cfg = kCfgHugeButton;
    else if (HasKeyColorCorners(md, image->view())) md.Cfg |= kCfgKeyColorCorners;
  }
  return aMulPPI;
}
