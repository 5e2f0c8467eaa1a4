#pragma once
// The skin palette: 59 global colours derived from a loaded skin, filled at the end of
// every load. Entries are indexed by TacPaletteColors.
#include <array>

#include "skin/data/sMaskData.h"

enum TacPaletteColors : int {
  pcMainColor, pcLabelText, pcWebText, pcWebTextHot, pcEditText, pcEditBG,
  pcSelectionBG, pcSelectionText, pcSelectionBG_Focused, pcSelectionText_Focused,
  pcEditBG_Inverted, pcEditText_Inverted, pcEditBG_OddRow, pcEditBG_EvenRow,
  pcEditText_Ok, pcEditText_Warning, pcEditText_Alert, pcEditText_Caution, pcEditText_Bypassed,
  pcEditBG_Ok, pcEditBG_Warning, pcEditBG_Alert, pcEditBG_Caution, pcEditBG_Bypassed,
  pcEditText_Highlight1, pcEditText_Highlight2, pcEditText_Highlight3,
  pcBtnColor1Active, pcBtnColor2Active, pcBtnBorderActive, pcBtnFontActive,
  pcBtnColor1Normal, pcBtnColor2Normal, pcBtnBorderNormal, pcBtnFontNormal,
  pcBtnColor1Pressed, pcBtnColor2Pressed, pcBtnBorderPressed, pcBtnFontPressed,
  pcBtnToneRed, pcBtnToneRedActive, pcBtnToneGreen, pcBtnToneGreenActive,
  pcBtnToneBlue, pcBtnToneBlueActive, pcBtnToneYellow, pcBtnToneYellowActive,
  pcBtnRedText, pcBtnRedTextActive, pcBtnGreenText, pcBtnGreenTextActive,
  pcBtnBlueText, pcBtnBlueTextActive, pcBtnYellowText, pcBtnYellowTextActive,
  pcBorder, pcGrid, pcHintBG, pcHintText,
  pcPaletteSize
};

using TacPalette = std::array<TColor, pcPaletteSize>;

class TacSkinData;

// Fills every entry from the skin's options and sections, in an order that lets later
// defaults use earlier entries. Throws SkinLoadError for a button colour that is not a number.
void FillPalette(const TacSkinData& data, TacPalette& palette);
