#pragma once
// The Slate skin as the build made it, opened the way the program opens its internal
// skin, and the sections the program's windows, menus and message boxes draw from.
#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "skin/data/acSkinData.h"
#include "skin/data/acSkinFiles.h"

inline constexpr std::array<int, 4> kSlateDensities{96, 120, 144, 192};

inline constexpr std::array<std::string_view, 27> kProgramSections{
    "GLOBALINFO",  "FORM",        "FORMTITLE",   "DIALOG",    "DIALOGTITLE", "CAPTION",    "BUTTON",
    "BUTTON_HUGE", "SPEEDBUTTON", "SPEEDBUTTON_SMALL",        "TOOLBUTTON",  "SLIDER_ON",  "SLIDER_OFF",
    "THUMB_ON",    "THUMB_OFF",   "PANEL",       "PANEL_LOW", "MAINMENU",    "MENUITEM",   "MENULINE",
    "MENUCAPTION", "DIVIDERV",    "TRANSPARENT", "EDIT",      "SELECTION",   "HINT",       "MAINCOLOR"};

std::vector<uint8_t> SlatePackageBytes();  // the built Slate.asz

struct SlateModel {
  std::unique_ptr<TacSkinFiles> Skin;
  std::unique_ptr<TacSkinData> Data;
};
// The package opened with extended window borders on, loaded for `ppi`.
SlateModel LoadSlate(int ppi);

// The composed colour (COLORREF) of one pixel of a state image of an element: its
// picture shown through its mask over `below`.
TColor ElementPixel(const TacSkinData& data, const TsMaskData& mask, int state, int x, int y, TColor below);
// The mask value (0 shows the picture, 255 the background) of that pixel; 0 for unmasked.
int ElementMask(const TacSkinData& data, const TsMaskData& mask, int state, int x, int y);
