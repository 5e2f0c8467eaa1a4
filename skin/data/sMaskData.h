#pragma once
// The records of the skin model: sections (TsGeneralData, by skin index), image elements
// (TsMaskData, by mask index), outer effects and the image cache. Index -1 means none.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "pixels/PixelBuffer.h"
#include "pixels/Geometry.h"
#include "skin/base/acGradientData.h"
#include "skin/base/acSkinPixels.h"  // kKeyColor

class IacSkinSource;

using TColor = uint32_t;                        // red in the low byte; top byte alpha where used
inline constexpr TColor kNoColor = 0xFFFFFFFF;  // -1: no colour

enum class TacImgType : uint8_t { itisaBorder = 0, itisaTexture = 1, itisaGlyph = 2, itisaGlow = 3, itisaPngGlyph = 4 };

// Cfg bits of a mask.
inline constexpr int kCfgKeyColorCorners = 1;  // a border element's corners hold key-colour pixels
inline constexpr int kCfgHugeButton = 2;       // the "BORDERSMASK" of BUTTON_HUGE
// DrawMode bits read by the loader.
inline constexpr int kDrawModeNoRescale = 0x08;  // a piece of the master bitmap is never rescaled
inline constexpr int kDrawModeAlpha = 0x10;      // alpha image: pixels are kept as they are

struct TsMaskData {
  PixelImage* Bmp = nullptr;  // owned by the image cache; null: cut from the master bitmap at R
  std::string ClassName;
  std::string PropertyName;
  TRect R;
  int ImageCount = 1;
  int MaskType = 0;
  int DrawMode = 0;
  TacImgType ImgType = TacImgType::itisaBorder;
  IacSkinSource* Manager = nullptr;
  int WL = 0, WT = 0, WR = 0, WB = 0;
  int Cfg = 0;
  int MulPPi = 96;
  int DivPPI = 96;
  int SkinIndex = -1;
  int Width = 0, Height = 0;
  std::string FileName;  // the element's own image file as named in the skin; empty for the master bitmap
};

struct TsFontColor {
  TColor Color = 0;
  TColor Left = kNoColor, Top = kNoColor, Right = kNoColor, Bottom = kNoColor;  // text contour
};

struct TsGenState {
  TColor Color = 0xFFFFFF;
  TsFontColor FontColor;
  TColor GlowColor = 0xFFFFFF;
  int GlowSize = 0;
  int GradientPercent = 0;
  std::vector<TsGradPoint> GradientArray;
  int ImagePercent = 0;
  int Transparency = 0;  // percent: 0 opaque, 100 fully transparent
  int TextureIndex = -1;
};

// BorderIndex of a section whose border was switched off by the common sections.
inline constexpr int kBorderSwitchedOff = -2;

struct TsGeneralData {
  std::string ParentClass;
  std::string ClassName;
  std::array<TsGenState, 3> Props;  // normal, hot, pressed (or second style)
  bool UseState2 = false;
  bool GiveOwnFont = false;
  bool ShiftOnClick = false;
  bool ReservedBoolean = false;
  int States = 3;
  int ScrollBorderOffset = 0;
  int GlowCount = 0;
  int GlowMargin = 0;
  int GlowSize = 0, HotGlowSize = 0;
  TColor HotGlowColor = 0, GlowColor = 0;
  int BorderIndex = -1;
  int ImgTL = -1, ImgTR = -1, ImgBL = -1, ImgBR = -1;
  int OuterMode = 2;
  int OuterMask = -1;
  int OuterOpacity = 200;
  TRect OuterOffset{-1, -1, -1, -1};
  int OuterBlur = 9;
  int OuterRadius = 9;
  TColor OuterColorL = 0, OuterColorT = 0, OuterColorR = 0, OuterColorB = 0;
};

// An outer effect around a window: entry 0 a light outline, entry 1 a shadow.
struct TacOutEffData {
  TColor ColorL = 0, ColorT = 0, ColorR = 0, ColorB = 0;
  int OffsetL = 0, OffsetT = 0, OffsetR = 0, OffsetB = 0;
  int WidthL = -1, WidthT = -1, WidthR = -1, WidthB = -1;
  int Blur = 0;
  int Radius = 0;
  int Mask = -1;
  int Source = 2;  // 0 none, 1 image from a mask key, otherwise generated
  int Opacity = 0;
};

// One entry of the image cache, which owns every bitmap the model decoded or made.
struct TacBmpData {
  int MulPPI = 96;
  int DivPPI = 96;
  int MaskType = 0;
  std::string Path;      // section, "-" and key of the element that created it
  std::string FileName;  // image file; empty for pieces of the master bitmap; "Outer<n>" or "OuterCalc" when generated
  std::unique_ptr<PixelImage> Bmp;
  TRect R;        // the element inside Bmp
  TRect SrcRect;  // the piece of the master bitmap it was made from
  // A PNG element left straight because the skin is brightened; premultiplied after that.
  bool PremultiplyAfterBrightening = false;
};

// Fixed indexes of one well-known element.
struct TacConstElementData {
  int SkinIndex = -1;
  int MaskIndex = -1;   // "BORDERSMASK"
  int GlyphIndex = -1;  // "GLYPHMASK"
  std::array<int, 2> BGIndex{-1, -1};  // "PATTERN", "HOTPATTERN"
  std::string SkinSection;
};
