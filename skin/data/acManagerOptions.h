#pragma once
// The skin manager's option groups (Effects, AnimEffects, ButtonsOptions, LabelsOptions,
// ScrollsOptions, MenuSupport, Options, Fonts, ThirdParty) with their defaults. Options
// whose change has to reach the screen tell their owner; the rest are plain values read
// by the painting and window code.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "skin/data/acScaleMode.h"

// A set of enumeration values (at most 32).
template <typename E>
class TacSet {
 public:
  constexpr TacSet() = default;
  constexpr TacSet(std::initializer_list<E> values) {
    for (E v : values) bits_ |= Bit(v);
  }
  constexpr bool Has(E v) const { return (bits_ & Bit(v)) != 0; }
  constexpr TacSet& Include(E v) { bits_ |= Bit(v); return *this; }
  constexpr TacSet& Exclude(E v) { bits_ &= ~Bit(v); return *this; }
  constexpr bool operator==(const TacSet&) const = default;

 private:
  static constexpr uint32_t Bit(E v) { return uint32_t{1} << static_cast<unsigned>(v); }
  uint32_t bits_ = 0;
};

// What an option change asks of the manager.
enum class TacOptionChange {
  OuterEffects,       // Effects.AllowOuterEffects or Effects.DiscoloredGlyphs
  OldGlyphs,          // ButtonsOptions.OldGlyphsMode
  ArrowsStyle,        // Options.ArrowsStyle
  GroupBoxStyle,      // Options.GroupBoxStyle
  DrawNonClientArea,  // Options.DrawNonClientArea
  FontMode,           // Fonts.MainMode
  MainFont,           // Fonts.MainFont
  ChangeSysColors,    // Options.ChangeSysColors
};

class IacOptionsOwner {
 public:
  virtual ~IacOptionsOwner() = default;
  virtual void OptionChanged(TacOptionChange change) = 0;
  // The manager runs the whole change of scaling and stores the new value itself.
  virtual void ChangeScaleMode(TacScaleMode mode) = 0;
  virtual void ChangePixelsPerInch(int ppi) = 0;
};

class TacSkinEffects {
 public:
  explicit TacSkinEffects(IacOptionsOwner& owner) : owner_(owner) {}
  bool AllowAnimation = true;
  bool AllowAeroBluring = true;
  bool AllowGlowing = true;
  bool AllowOuterEffects() const { return allowOuterEffects_; }
  void SetAllowOuterEffects(bool v);
  bool DiscoloredGlyphs() const { return discoloredGlyphs_; }
  void SetDiscoloredGlyphs(bool v);

 private:
  IacOptionsOwner& owner_;
  bool allowOuterEffects_ = true;
  bool discoloredGlyphs_ = false;
};

enum TacAnimType : uint8_t { atFading, atAero, atDropDown };
enum TacBtnEvent : uint8_t { beMouseEnter, beMouseLeave, beMouseDown, beMouseUp };

struct TacFormAnimation {
  bool Active = true;
  int Time = 0;
  TacAnimType Mode = atAero;
};
struct TacMinimizingAnimation {
  bool Active = true;
  int Time = 80;
};
struct TacSkinChangingAnimation {
  bool Active = true;
  int Time = 100;
  TacAnimType Mode = atFading;
};
struct TacBlendOnMoving {
  bool Active = false;
  int BlendValue = 170;
  int Time = 1000;
};
struct TacBtnEffects {
  TacSet<TacBtnEvent> Events{beMouseEnter, beMouseLeave, beMouseDown, beMouseUp};
};

// Window animations (shown, hidden, minimized, skin changes, moving).
struct TacAnimEffects {
  TacFormAnimation FormShow, FormHide, DialogShow, DialogHide, PageChange;
  TacMinimizingAnimation Minimizing;
  TacSkinChangingAnimation SkinChanging;
  TacBlendOnMoving BlendOnMoving;
  TacBtnEffects Buttons;
};

enum TacButtonColoring : uint8_t { bcBackground, bcGlyph, bcText };

// Button options. OldGlyphsMode is one flag for the whole program, whichever manager sets it.
class TacButtonsSupport {
 public:
  explicit TacButtonsSupport(IacOptionsOwner& owner) : owner_(owner) {}
  static bool OldGlyphsMode();
  void SetOldGlyphsMode(bool v);
  bool ShowFocusRect = false;
  bool ShiftContentOnClick = true;
  bool AllowRTLSysButtons = true;
  TacSet<TacButtonColoring> ModalButtonsColoring{bcGlyph};

 private:
  IacOptionsOwner& owner_;
};

struct TacLabelsSupport {
  bool TransparentAlways = true;
};

struct TacScrollBarsSupport {
  int ButtonsSize = -1;  // -1: the system's size
  int ScrollSize = -1;
};

struct TacFontSpec {
  std::string Name;  // empty: the system's menu font
  int Height = 0;    // 0: the system's height
};

struct TacMenuSupport {
  uint8_t AlphaBlend = 255;  // 255: opaque popups
  bool CustomFont = false;
  TacFontSpec Font;
  bool UseExtraLine = false;
  int ExtraLineWidth = 32;
  TacFontSpec ExtraLineFont;
  std::string IcoLineSkin;  // section of the icon column; empty: none
};

enum TacArrowsStyle : uint8_t { arsDefault, arsSolid1, arsLines1, arsSolid2, arsLines2 };
enum TacOptimizingPriority : uint8_t { opSpeed, opMemory };
enum TacGroupBoxStyle : uint8_t { gsStandard, gsCard };

class TacOptions {
 public:
  explicit TacOptions(IacOptionsOwner& owner) : owner_(owner) {}
  bool CheckEmptyAlpha = false;
  bool NativeBordersMaximized = false;
  bool NoMouseHover = false;
  bool StdGlyphsOrder = false;
  bool StdImgTransparency = false;
  TacOptimizingPriority OptimizingPriority = opSpeed;

  bool DrawNonClientArea() const { return drawNonClientArea_; }
  void SetDrawNonClientArea(bool v);
  // System colour functions answer from the skin (off in the program).
  bool ChangeSysColors() const { return changeSysColors_; }
  void SetChangeSysColors(bool v);
  TacArrowsStyle ArrowsStyle() const { return arrowsStyle_; }
  void SetArrowsStyle(TacArrowsStyle v);
  TacGroupBoxStyle GroupBoxStyle() const { return groupBoxStyle_; }
  void SetGroupBoxStyle(TacGroupBoxStyle v);
  TacScaleMode ScaleMode() const { return scaleMode_; }
  void SetScaleMode(TacScaleMode v) { owner_.ChangeScaleMode(v); }
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int v) { owner_.ChangePixelsPerInch(v); }

 private:
  friend class TsSkinManager;
  IacOptionsOwner& owner_;
  bool drawNonClientArea_ = true;
  bool changeSysColors_ = false;
  TacArrowsStyle arrowsStyle_ = arsDefault;
  TacGroupBoxStyle groupBoxStyle_ = gsStandard;
  TacScaleMode scaleMode_ = smVCL;
  uint16_t pixelsPerInch_ = 96;
};

enum TacFontMode : uint8_t { fmDefault, fmFromSkin, fmCustom };

class TacFonts {
 public:
  explicit TacFonts(IacOptionsOwner& owner) : owner_(owner) {}
  TacFontMode MainMode() const { return mainMode_; }
  void SetMainMode(TacFontMode v);
  const std::string& MainFont() const { return mainFont_; }
  void SetMainFont(std::string v);

 private:
  IacOptionsOwner& owner_;
  TacFontMode mainMode_ = fmDefault;
  std::string mainFont_;
};

// The class names whose plain controls get a skinning adapter, one list per kind.
enum TacThirdPartyKind : int {
  tpEdit, tpButton, tpBitBtn, tpCheckBox, tpComboBox, tpGrid, tpGroupBox, tpListView, tpPanel, tpTreeView,
  tpWWEdit, tpGridEh, tpVirtualTree, tpPageControl, tpTabControl, tpToolBar, tpStatusBar, tpSpeedButton,
  tpScrollControl, tpUpDown, tpScrollBar, tpStaticText, tpNativePaint,
  tpKindCount
};
inline constexpr std::array<std::string_view, tpKindCount> kThirdPartyNames{
    "ThirdEdits", "ThirdButtons", "ThirdBitBtns", "ThirdCheckBoxes", "ThirdComboBoxes", "ThirdGrids",
    "ThirdGroupBoxes", "ThirdListViews", "ThirdPanels", "ThirdTreeViews", "ThirdWWEdits", "ThirdGridEh",
    "ThirdVirtualTrees", "ThirdPageControl", "ThirdTabControl", "ThirdToolBar", "ThirdStatusBar",
    "ThirdSpeedButton", "ThirdScrollControl", "ThirdUpDown", "ThirdScrollBar", "ThirdStaticText",
    "ThirdNativePaint"};
// The built-in list of a kind: "TButton" for buttons, one blank for every other kind.
std::string_view DefaultThirdPartyText(TacThirdPartyKind kind);

// Each list is text with one class name per line.
struct TsThirdPartyList {
  std::array<std::string, tpKindCount> Lists;
  std::string& operator[](TacThirdPartyKind kind) { return Lists[kind]; }
  const std::string& operator[](TacThirdPartyKind kind) const { return Lists[kind]; }
};
