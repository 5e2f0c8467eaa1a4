#include "skin/data/acSkinData.h"

#include <unordered_set>

#include "skin/data/acOptionsFile.h"
#include "skin/data/acSkinRecolor.h"
#include "skin/data/acSystemLook.h"

int ScaleSlotOfPPI(int ppi) {
  if (ppi < 111) return 0;
  if (ppi < 135) return 1;
  if (ppi < 171) return 2;
  return 3;
}

TColor IacSkinSource::SkinColorToRGB(TColor color) const {
  if (IsSystemColorConstant(color)) return SystemLook().SysColor(static_cast<int>(color & 0xFF));
  return color;
}

int IacSkinSource::ScaleInt(int value) const {
  const TacSkinSettings& s = Settings();
  if (s.CustomPPI > 0) return value * s.CustomPPI / 96;
  switch (s.ScaleSlot) {
    case 1: return value + value / 4;
    case 2: return value + value / 2;
    case 3: return 2 * value;
    default: return value;
  }
}

TacSkinData::TacSkinData(IacSkinSource* AOwner, int aPPI)
    : FOwner(AOwner), ScaleValue(ScaleSlotOfPPI(aPPI)), ScalePercent(aPPI * 100 / 96), PPI(aPPI) {
  Sections.fill(-1);
  TitleGlyphs.fill(-1);
}

TacSkinData::~TacSkinData() { Reset(); }

void TacSkinData::Init() {
  Initializing = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{Initializing};
  if (FOwner != nullptr) FOwner->ReloadSkin(*this);
}

void TacSkinData::FreeBitmaps() {
  for (TsMaskData& m : ma) m.Bmp = nullptr;
  BmpArray.clear();
}

void TacSkinData::Reset() {
  FreeBitmaps();
  gd.clear();
  ma.clear();
  oe = {};
  rsta_.reset();
  rsti_.reset();
  ShdaTemplate = {};
  ShdiTemplate = {};
}

int TacSkinData::AddMask(int SkinIndex, std::string_view PropertyName, int MaskType, int DrawMode, int ImageCount,
                         const TRect& R, TacImgType ImgType, std::string_view ClassName) {
  TsMaskData m;
  m.SkinIndex = SkinIndex;
  m.PropertyName = PropertyName;
  m.ClassName = ClassName;
  m.MaskType = MaskType;
  m.DrawMode = DrawMode;
  m.ImageCount = ImageCount;
  m.R = R;
  m.ImgType = ImgType;
  m.Manager = FOwner;
  m.DivPPI = 96;
  m.MulPPi = PPI;
  ma.push_back(std::move(m));
  return static_cast<int>(ma.size()) - 1;
}

int TacSkinData::AddSection(std::string_view Name, int SourceIndex, TColor FontColor, TColor Color, int Transparency,
                            int States) {
  TsGeneralData s;
  if (SourceIndex >= 0 && SourceIndex < static_cast<int>(gd.size())) {
    s = gd[SourceIndex];
    // The copy resolves its elements through the section it copies.
    s.ParentClass = gd[SourceIndex].ClassName;
  } else {
    s.States = States;
    for (TsGenState& state : s.Props) {
      state.Transparency = Transparency;
      state.Color = Color;
      state.FontColor = {FontColor, kNoColor, kNoColor, kNoColor, kNoColor};
    }
  }
  s.ClassName = Name;
  gd.push_back(std::move(s));
  return static_cast<int>(gd.size()) - 1;
}

int TacSkinData::GetSkinIndex(std::string_view SkinSection) const {
  if (SkinSection.empty()) return -1;
  for (size_t i = 0; i < gd.size(); ++i)
    if (gd[i].ClassName == SkinSection) return static_cast<int>(i);
  return -1;
}

namespace {
// Walks a section and its PARENTCLASS chain until `found` answers an index; every section
// is visited once, so a chain that loops ends.
template <typename Find>
int WithInheritance(const std::vector<TsGeneralData>& gd, int skinIndex, const TacSkinData& data, Find found) {
  std::unordered_set<int> visited;
  while (skinIndex >= 0 && visited.insert(skinIndex).second) {
    if (const int i = found(skinIndex); i >= 0) return i;
    if (skinIndex >= static_cast<int>(gd.size()) || gd[skinIndex].ParentClass.empty()) return -1;
    skinIndex = data.GetSkinIndex(gd[skinIndex].ParentClass);
  }
  return -1;
}
}  // namespace

int TacSkinData::GetMaskIndex(int SkinIndex, std::string_view Mask) const {
  return WithInheritance(gd, SkinIndex, *this, [&](int s) {
    for (size_t i = 0; i < ma.size(); ++i)
      if (ma[i].SkinIndex == s && ma[i].PropertyName == Mask) return static_cast<int>(i);
    return -1;
  });
}

int TacSkinData::GetMaskIndex(std::string_view SkinSection, std::string_view Mask) const {
  if (SkinSection.empty()) return -1;
  for (size_t i = 0; i < ma.size(); ++i)
    if (ma[i].ClassName == SkinSection && ma[i].PropertyName == Mask) return static_cast<int>(i);
  return -1;
}

int TacSkinData::GetTextureIndex(int SkinIndex, std::string_view PropName) const {
  return WithInheritance(gd, SkinIndex, *this, [&](int s) {
    for (size_t i = 0; i < ma.size(); ++i)
      if (ma[i].SkinIndex == s && ma[i].ImgType == TacImgType::itisaTexture && ma[i].PropertyName == PropName)
        return static_cast<int>(i);
    return -1;
  });
}

int TacSkinData::BrightMin() const {
  return Options() ? Options()->ReadInteger("GLOBALINFO", "BRIGHTMIN", -50) : -50;
}

int TacSkinData::BrightMax() const {
  return Options() ? Options()->ReadInteger("GLOBALINFO", "BRIGHTMAX", 50) : 50;
}

PixelBuffer TacSkinData::MaskSource(const TsMaskData& Mask) const {
  if (Mask.Bmp != nullptr) return Mask.Bmp->view();
  PixelImage* master = FOwner ? FOwner->MasterBitmap() : nullptr;
  return master ? master->view() : PixelBuffer{};
}

const TacBmpData* TacSkinData::CacheEntryOf(const TsMaskData& Mask) const {
  if (Mask.Bmp == nullptr) return nullptr;
  for (const TacBmpData& entry : BmpArray)
    if (entry.Bmp.get() == Mask.Bmp) return &entry;
  return nullptr;
}

void BuildSkinModel(TacSkinData& data, TColor* shadow1Color) {
  try {
    data.LoadParams();
    data.LoadAllMasks();
    data.LoadAllGeneralData();
    data.InitConstantIndexes();
    data.InitMaskIndexes();
    data.InitMaskParams();
    if (data.FOwner != nullptr) {
      FillPalette(data, data.FOwner->Palette());
      RecolorSkin(data, data.FOwner->MasterBitmap(), data.FOwner->Palette(), shadow1Color);
    }
    data.CheckShadows();
  } catch (...) {
    data.Reset();
    throw;
  }
}
