// Building the element table: every mask-valued key of the options file becomes an
// element with its picture prepared for this density.
#include <algorithm>
#include <cmath>

#include "skin/data/acImageDecode.h"
#include "skin/data/acMaskNotation.h"
#include "skin/data/acMaskRescale.h"
#include "skin/data/acSkinData.h"
#include "skin/base/acSkinPixels.h"
#include "skin/data/acSystemLook.h"
#include "skin/data/acZLibExNames.h"

int RoundScaled(int value, int mul, int div) {
  return div == 0 ? value : static_cast<int>(std::lrint(static_cast<double>(value) * mul / div));
}

TColor TacSkinData::MainColor() const { return FOwner ? FOwner->Palette()[pcMainColor] : 0; }

void TacSkinData::LoadAllMasks() {
  FreeBitmaps();
  ma.clear();
  const TacOptionsFile* ini = Options();
  if (ini == nullptr) return;
  FOwner->Palette()[pcMainColor] =
      static_cast<TColor>(ini->ReadInteger("GLOBALINFO", "COLOR", static_cast<int32_t>(FOwner->SystemLook().SysColor(TacSysColor::ButtonFace))));
  const auto& sections = ini->Sections();
  for (size_t index = 0; index < sections.size(); ++index) {
    const TacIniSection& section = sections[index];
    for (const TacIniKey& key : section.Keys) {
      if (key.Name.find('*') != std::string::npos) continue;  // variants are read with their plain key
      if (section.Name == "GLOBALINFO" && key.Name == "MASTERBITMAP") continue;
      if (!IsMaskValue(AsciiUpper(key.Value))) continue;
      if (const auto variant = ChooseVariant(section, key.Name))
        LoadMaskFromValue(static_cast<int>(index), section.Name, key.Name, *variant);
    }
  }
  LoadCommonSectionMasks();
}

// The value written for the density nearest above this one, else the nearest below.
std::optional<TacSkinData::MaskVariant> TacSkinData::ChooseVariant(const TacIniSection& section,
                                                                    std::string_view key) const {
  int first = ScaleValue;
  if (kSlotPPI[first] < PPI) ++first;
  const auto at = [&](int slot) -> std::optional<MaskVariant> {
    const std::string* v = section.Find(std::string(key) + std::string(kSlotSuffix[slot]));
    if (v == nullptr || IsAbsentValue(*v)) return std::nullopt;
    return MaskVariant{AsciiUpper(*v), kSlotPPI[slot]};
  };
  for (int slot = first; slot < static_cast<int>(kSlotPPI.size()); ++slot)
    if (auto v = at(slot)) return v;
  for (int slot = first - 1; slot >= 0; --slot)
    if (auto v = at(slot)) return v;
  return std::nullopt;
}

int TacSkinData::LoadMaskFromValue(int SkinIndex, std::string_view Section, std::string_view Key,
                                   const MaskVariant& v) {
  const TacCanonicalMask c = ParseCanonicalMask(NormaliseMask(v.Value));
  const int index = AddMask(SkinIndex, Key, c.MaskType, c.DrawMode, c.ImageCount, c.R, c.ImgType, Section);
  TsMaskData& m = ma[index];
  m.DivPPI = v.PPI;
  m.WL = c.WL, m.WT = c.WT, m.WR = c.WR, m.WB = c.WB;
  m.FileName = c.FileName;
  const bool keep = m.ImgType == TacImgType::itisaTexture || m.ImgType == TacImgType::itisaGlow;
  if (!PrepareMaskImage(m, keep)) {
    ma.pop_back();
    return -1;
  }
  if (m.ImgType == TacImgType::itisaBorder) {
    if (Section == kSectionNames[ssButtonHuge] && Key == "BORDERSMASK") m.Cfg = kCfgHugeButton;
    else MarkKeyColorCorners(m);
  }
  return index;
}

bool TacSkinData::PrepareMaskImage(TsMaskData& m, bool KeepPixels) {
  if (ReuseCachedImage(m)) return true;
  if (!m.FileName.empty()) return LoadElementImage(m, m.FileName, FOwner->FindEntry(m.FileName), KeepPixels);
  const PixelBuffer master = MaskSource(m);
  if (master.empty()) return false;  // nothing to cut the element from
  const TRect whole{0, 0, master.width, master.height};
  if (m.R.IsEmpty()) {
    m.R = whole;
  } else {  // only the part inside the master bitmap can be drawn
    m.R = {std::max(m.R.Left, 0), std::max(m.R.Top, 0), std::min(m.R.Right, whole.Right),
           std::min(m.R.Bottom, whole.Bottom)};
    if (m.R.IsEmpty()) return false;
  }
  if (m.MulPPi != m.DivPPI && (m.DrawMode & kDrawModeNoRescale) == 0) ScaleMaskImage(m, master, KeepPixels);
  return true;
}

bool TacSkinData::ReuseCachedImage(TsMaskData& m) {
  const bool fromMaster = m.FileName.empty();
  if (fromMaster && (m.MulPPi == m.DivPPI || (m.DrawMode & kDrawModeNoRescale) != 0)) return false;
  const auto same = [&](const TacBmpData& e) {
    if (fromMaster) return e.FileName.empty() && e.SrcRect == m.R && e.DivPPI == m.DivPPI && e.MaskType == m.MaskType;
    return e.FileName == m.FileName;
  };
  const auto it = std::find_if(BmpArray.begin(), BmpArray.end(), same);
  if (it == BmpArray.end()) return false;
  m.Bmp = it->Bmp.get();
  m.R = {0, 0, m.Bmp->width(), m.Bmp->height()};
  m.Width = m.Bmp->width();
  m.Height = m.Bmp->height();
  m.MulPPi = it->MulPPI;
  m.DivPPI = it->DivPPI;
  m.WL = RoundScaled(m.WL, m.MulPPi, m.DivPPI);
  m.WT = RoundScaled(m.WT, m.MulPPi, m.DivPPI);
  m.WR = std::clamp(RoundScaled(m.WR, m.MulPPi, m.DivPPI), 0, std::max(0, m.Width / std::max(1, m.ImageCount) - m.WL - 1));
  m.WB = std::clamp(RoundScaled(m.WB, m.MulPPi, m.DivPPI), 0, std::max(0, m.Height / (m.MaskType + 1) - m.WT - 1));
  return true;
}

bool TacSkinData::LoadElementImage(TsMaskData& m, std::string_view FileName,
                                   std::optional<std::span<const uint8_t>> Stream, bool KeepPixels) {
  if (!Stream) return false;
  auto decoded = DecodeImage(*Stream);
  if (!decoded) return false;
  PixelImage image = std::move(decoded->Pixels);
  bool premultiplyLater = false;
  if (decoded->Format == TacImageFormat::Png) {
    if (m.ImgType != TacImgType::itisaBorder) {
      const bool brightened = FOwner && FOwner->Settings().Brightness > 0;
      if (brightened) premultiplyLater = true;
      else PremultiplyElement(image.view(), !FOwner || FOwner->SystemLook().CompositionEnabled());
    }
  } else if (!decoded->HasAlpha) {
    KeyColorToAlpha(image.view());
  }
  m.R = {0, 0, image.width(), image.height()};
  m.Width = image.width();
  m.Height = image.height();
  if (m.MulPPi != m.DivPPI) {
    const bool keep = KeepPixels || m.ImgType == TacImgType::itisaTexture || m.ImgType == TacImgType::itisaPngGlyph;
    if (auto scaled = RescaleMaskPicture(m, image.view(), keep, MainColor())) image = std::move(*scaled);
  }
  AddCachedImage(m, std::move(image), std::string(FileName), {}).PremultiplyAfterBrightening = premultiplyLater;
  return true;
}

bool TacSkinData::ScaleMaskImage(TsMaskData& m, const PixelBuffer& Source, bool KeepPixels) {
  const TRect source = m.R;
  auto scaled = RescaleMaskPicture(m, m.Bmp ? m.Bmp->view() : Source, KeepPixels, MainColor());
  if (!scaled) return false;
  AddCachedImage(m, std::move(*scaled), m.FileName, source);
  return true;
}

TacBmpData& TacSkinData::AddCachedImage(TsMaskData& m, PixelImage Image, std::string FileName, const TRect& SrcRect) {
  TacBmpData entry;
  entry.MulPPI = m.MulPPi;
  entry.DivPPI = m.DivPPI;
  entry.MaskType = m.MaskType;
  entry.Path = m.ClassName + "-" + m.PropertyName;
  entry.FileName = std::move(FileName);
  entry.Bmp = std::make_unique<PixelImage>(std::move(Image));
  entry.R = {0, 0, entry.Bmp->width(), entry.Bmp->height()};
  entry.SrcRect = SrcRect;
  m.Bmp = entry.Bmp.get();
  m.R = entry.R;
  BmpArray.push_back(std::move(entry));
  return BmpArray.back();
}

void TacSkinData::MarkKeyColorCorners(TsMaskData& m) const {
  if (HasKeyColorCorners(m, MaskSource(m))) m.Cfg |= kCfgKeyColorCorners;
}

// Images that the manager's common sections add to every skin.
void TacSkinData::LoadCommonSectionMasks() {
  const TacOptionsFile* common = FOwner->Settings().CommonSections;
  if (common == nullptr) return;
  for (const TacIniSection& section : common->Sections()) {
    if (section.Name == "GLOBALINFO") continue;
    for (const TacIniKey& key : section.Keys) {
      const std::string file = AsciiUpper(key.Value);
      if (file.find(".BMP") == std::string::npos) continue;
      const auto bytes = FOwner->FindEntry(file);
      auto decoded = bytes ? DecodeImage(*bytes) : std::nullopt;
      if (!decoded || decoded->Pixels.width() < 1) continue;
      KeyColorToAlpha(decoded->Pixels.view());
      const std::string sectionName = AsciiUpper(section.Name);
      const int index = AddMask(Options()->SectionIndex(sectionName), AsciiUpper(key.Name), 0, 0, 1, {},
                                TacImgType::itisaTexture, sectionName);
      ma[index].FileName = file;
      AddCachedImage(ma[index], std::move(decoded->Pixels), file, {});
    }
  }
}
