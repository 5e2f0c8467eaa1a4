#pragma once
// The skin model for one pixel density: the section table (gd), the element table (ma),
// the outer effects (oe) and the image cache (BmpArray), plus the metrics and fixed
// element indexes that painting needs again and again. Built by Init from the owner's
// skin and read-only afterwards.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/acOptionsFile.h"
#include "skin/data/acSkinSource.h"
#include "skin/data/acWellKnownSections.h"
#include "skin/data/sMaskData.h"

// Scale slots 0..3 stand for 96, 120, 144 and 192 pixels per inch.
inline constexpr std::array<int, 4> kSlotPPI{96, 120, 144, 192};
inline constexpr std::array<std::string_view, 4> kSlotSuffix{"", "*125", "*150", "*200"};
int ScaleSlotOfPPI(int ppi);
// value * mul / div rounded to nearest (halves to even).
int RoundScaled(int value, int mul, int div);

// Title-button glyphs, in the order of TitleGlyphs.
inline constexpr std::array<std::string_view, 13> kTitleGlyphNames{
    "BICLOSEALONE", "BICONCLOSE", "BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP", "SICONCLOSE",
    "SICONMAX",     "SICONMIN",   "SICONNORM", "SICONHELP", "TITLEBUTTON", ""};
inline constexpr int kGlowingTitleButtons = 5;  // the first five glyphs may glow
inline constexpr int kMaxTitleGlowFrames = 255;

enum TacSide { asLeft, asTop, asRight, asBottom };
enum TacTabLayout { tlFirst, tlLast, tlMiddle, tlSingle };

struct TacTrackBarData {
  int SkinIndex = -1;
  int MaskIndex = -1;     // "BORDERSMASK"
  int SliderIndex = -1;   // the thumb
  std::array<int, 2> BGIndex{-1, -1};
  int Reserved = -1;
  int TickIndex = -1;
  int ProgIndex = -1;
  int ChannelIndex = -1;
};

class TacSkinData {
 public:
  TacSkinData(IacSkinSource* AOwner, int aPPI);  // empty; filled by Init
  ~TacSkinData();
  TacSkinData(const TacSkinData&) = delete;
  TacSkinData& operator=(const TacSkinData&) = delete;

  void Init();

  // The steps of a load, in the order BuildSkinModel runs them.
  void LoadParams();
  void LoadAllMasks();
  void LoadAllGeneralData();
  void InitConstantIndexes();
  void InitMaskIndexes();
  void InitMaskParams();
  void CheckShadows();

  const PixelImage& GetActiveShadow();
  const PixelImage& GetPassiveShadow();

  // A GLOBALINFO integer read for this density: with MaskIndex < 0 the key's variant for
  // this slot, else the plain value scaled by PPI; with a mask, relative to the density
  // the mask was drawn for.
  int ReadScaledInt(std::string_view Key, int Default, int MaskIndex = -1) const;
  int ScaleIntValue(int Value) const { return Value * PPI / 96; }
  void Reset();
  void FreeBitmaps();

  int AddMask(int SkinIndex, std::string_view PropertyName, int MaskType, int DrawMode, int ImageCount,
              const TRect& R, TacImgType ImgType, std::string_view ClassName);
  int AddSection(std::string_view Name, int SourceIndex, TColor FontColor, TColor Color, int Transparency,
                 int States);
  // Decodes `Stream` (the element's file) into the element's own cached picture, rescaled
  // to this density. False when there is no stream or it cannot be decoded.
  bool LoadElementImage(TsMaskData& Mask, std::string_view FileName, std::optional<std::span<const uint8_t>> Stream,
                        bool KeepPixels);
  // Rescales an element from DivPPI to MulPPi; Source is the master bitmap for elements
  // without their own picture. False when the element is kept as it is.
  bool ScaleMaskImage(TsMaskData& Mask, const PixelBuffer& Source, bool KeepPixels);

  // Lookups by exact, case-sensitive name; -1 when not found.
  int GetSkinIndex(std::string_view SkinSection) const;
  // The section's own element, else its parent's (PARENTCLASS chains end, cycles too).
  int GetMaskIndex(int SkinIndex, std::string_view Mask) const;
  int GetMaskIndex(std::string_view SkinSection, std::string_view Mask) const;  // no inheritance
  int GetTextureIndex(int SkinIndex, std::string_view PropName) const;
  // The picture an element is drawn from: its own, else the master bitmap's (empty without one).
  PixelBuffer MaskSource(const TsMaskData& Mask) const;
  // The image file an element was loaded from, or the name of a generated one; "" for the master bitmap.
  const TacBmpData* CacheEntryOf(const TsMaskData& Mask) const;

  int ScaleInt(int Value) const { return FOwner ? FOwner->ScaleInt(Value) : Value; }
  bool Active() const { return FOwner != nullptr && FOwner->Settings().Active; }
  // The brightness range the skin allows ("BRIGHTMIN", "BRIGHTMAX").
  int BrightMin() const;
  int BrightMax() const;
  const TacOptionsFile* Options() const { return FOwner ? FOwner->OptionsFile() : nullptr; }

  bool Initializing = false;
  std::vector<TacBmpData> BmpArray;
  IacSkinSource* FOwner = nullptr;
  int ScaleValue = 0;
  int ScalePercent = 100;
  int PPI = 96;

  int Spacing = 0, LineWidth = 0, ArrowSize = 0, SmallArrowSize = 0, ScrollBtnLength = 0;
  int Shadow1Blur = -1, Shadow1Offset = 0;
  int ExBorderWidth = 0, ExTitleHeight = 0, ExMaxHeight = 0, ExContentOffs = 0, ExCenterOffs = 0;
  int ExShadowOffs = 0, ExShadowOffsR = 0, ExShadowOffsT = 0, ExShadowOffsB = 0;
  int BIRightMargin = 0, BILeftMargin = 0, BITopMargin = 0;
  int WndShadowRadius = 0, WndShadowSize = 0, WndShadowOffset = 0;
  int Shadow1Transparency = 0;
  int ExDrawMode = 0;
  int BISpacing = 0;
  int ComboBoxMargin = 2;
  int SliderMargin = 1;
  uint8_t TabsCovering = 0, RibbonCovering = 0;
  TColor WndShadowColorN = 0x44000000, WndShadowColorA = 0x99000000;
  std::array<TacConstElementData, 4> Scrolls, ScrollBtns, UpDownBtns;  // by TacSide
  std::array<TacConstElementData, 2> Sliders;                          // [false] horizontal, [true] vertical
  TacConstElementData MenuItem, ComboBtn;
  std::array<std::vector<int>, 7> TitleGlows;
  std::array<int, 7> GlowMargins{};
  std::array<int, 13> TitleGlyphs{};
  std::array<int, 2> RadioButton{-1, -1};
  std::array<int, 3> CheckBox{-1, -1, -1};
  std::array<int, 3> SmallCheckBox{-1, -1, -1};
  std::array<TacTrackBarData, 2> TrackBar;                 // [0] vertical, [1] horizontal
  std::array<std::array<TacConstElementData, 4>, 4> Tabs;  // [TacTabLayout][TacSide]
  int ExBorder = -1;
  int GripVertical = -1, GripHorizontal = -1, GripRightBottom = -1;
  PixelImage ShdaTemplate, ShdiTemplate;
  TRect FormShadowSize;
  std::vector<TsMaskData> ma;
  std::array<TacOutEffData, 2> oe;
  std::vector<TsGeneralData> gd;
  // Skin indexes of the well-known sections as resolved by InitConstantIndexes.
  int IndexGlobalInfo = -1;
  TacSectionTable Sections;

 private:
  struct MaskVariant {
    std::string Value;  // upper-cased
    int PPI = 96;
  };
  std::optional<MaskVariant> ChooseVariant(const TacIniSection& section, std::string_view key) const;
  int LoadMaskFromValue(int SkinIndex, std::string_view Section, std::string_view Key, const MaskVariant& v);
  bool PrepareMaskImage(TsMaskData& Mask, bool KeepPixels);
  bool ReuseCachedImage(TsMaskData& Mask);
  void MarkKeyColorCorners(TsMaskData& Mask) const;
  void LoadCommonSectionMasks();
  TacBmpData& AddCachedImage(TsMaskData& Mask, PixelImage Image, std::string FileName, const TRect& SrcRect);
  TColor MainColor() const;
  void MergeCommonSections();
  void LoadGlobalMetrics();
  int ReadScaledOr(std::string_view Key, int Fallback) const;
  void LoadOuterEffect(int Entry, std::string_view Prefix);
  int OuterEffectMask(TacOutEffData& Effect, std::string_view Prefix);
  int MakeGeneratedOuterMask(int SkinIndex, const TRect& Offsets, int Radius, int Blur,
                             const std::array<TColor, 4>& SideColors, std::string_view PropertyName,
                             std::string_view FileName);
  void ResolveSectionMasks(int SkinIndex);
  TacConstElementData ConstElement(std::string_view Section) const;
  void InitTitleIndexes();

  std::optional<PixelImage> rsta_, rsti_;
};

// Runs the load of one density in the order the skin manager runs it: the model, then the
// owner's palette and the recolouring, then the window shadow. A load that fails (throws
// SkinLoadError) leaves the data empty, never half built.
void BuildSkinModel(TacSkinData& data, TColor* shadow1Color = nullptr);
