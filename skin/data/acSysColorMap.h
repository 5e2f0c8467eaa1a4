#pragma once
// System colours through the skin: a colour value that names a system colour (or one of
// the skin's special palette constants) as the RGB value the active skin gives it.
#include "skin/data/acSkinPalette.h"
#include "skin/data/acSystemLook.h"

// System colour constants as colour values (0xFF000000 + the system colour index).
enum : TColor {
  clScrollBar = 0xFF000000, clBackground, clActiveCaption, clInactiveCaption, clMenu, clWindow, clWindowFrame,
  clMenuText, clWindowText, clCaptionText, clActiveBorder, clInactiveBorder, clAppWorkSpace, clHighlight,
  clHighlightText, clBtnFace, clBtnShadow, clGrayText, clBtnText, clInactiveCaptionText, clBtnHighlight,
  cl3DDkShadow, cl3DLight, clInfoText, clInfoBk, clHotLight = 0xFF00001A, clGradientActiveCaption,
  clGradientInactiveCaption, clMenuHighlight, clMenuBar,
};
// The main colour under a name of its own.
inline constexpr TColor kMainColorConstant = 0xF1000001;

// A colour with the top bit set: a system colour or a special constant.
constexpr bool IsNegativeColor(TColor c) { return (c & 0x80000000u) != 0; }

// What the active skin offers for the mapping; absent sections are null.
struct TacSkinColors {
  const TacPalette& Palette;
  const TsGeneralData* Title = nullptr;  // the section recorded as the form title
  const TsGeneralData* Hint = nullptr;   // the section recorded as the hint
};

// A colour as RGB. `skin` is null while no skin is active.
TColor MapSkinColor(TColor color, const TacSkinColors* skin, const ISystemLook& look);
