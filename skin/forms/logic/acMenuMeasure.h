#pragma once
// How big skinned menu items and popups are: the kind of an item from its caption, the
// menu's metrics at its density, an item's width and height, and a popup's size from
// its items (columns started by breaks).
#include <string>
#include <string_view>
#include <vector>

#include "skin/paint/acTextPainter.h"

class TacSkinData;

enum TsMenuItemType { smCaption, smDivider, smNormal, smTopLine };

// "-" is a divider, "-Word-" a caption item, anything else a normal item.
TsMenuItemType MenuItemTypeOf(std::u16string_view caption);
// What a caption item shows: the caption without its first and last character.
std::u16string CaptionItemText(std::u16string_view caption);

enum class TacMenuBreak { None, Break, BarBreak };

// Settings of the menu skinning, at 96 PPI.
struct TacMenuSettings {
  int Margin = 2;
  int Spacing = 8;
  int BorderWidth = 3;
  int ExtraLineWidth = 32;
  bool UseExtraLine = false;
};

// The same at a menu's density, with what the skin says about the popup's border.
struct TacMenuMetrics {
  int PPI = 96;
  int Margin = 2;
  int Spacing = 8;
  int BorderWidth = 3;
  int ExtraLineWidth = 0;       // 0: no extra line in this popup
  bool MainMenuHasBorder = true;  // the skin's "MAINMENU" has a border mask
};
TacMenuMetrics MenuMetricsAt(const TacMenuSettings& settings, int ppi, const TacSkinData* data, bool haveExtraLine);

// The border width the skin gives popups: min(WL of the "MAINMENU" border mask, 3), 3 when
// that is below 1, 0 without a border mask.
int SkinBorderWidthOf(const TacSkinData& data);

// What measuring an item needs to know of it.
struct TacMenuItemText {
  std::u16string Caption;   // as the item has it ("&" prefixes included)
  std::u16string ShortCut;  // shown after a tab; empty for none
  TSize Glyph{16, 16};      // the image column's picture size
  bool FirstColumn = true;  // the item is in the popup's first column
};

// Text extent flags of a normal item's caption with its shortcut.
inline constexpr uint32_t kMenuMeasureFormat = tfWordBreak | tfExpandTabs | tfNoClip;
inline constexpr int kMenuMeasureWidth = 800;

// The item's size as the window system is told it (width, height).
TSize MeasureMenuItem(const TacMenuItemText& item, const TacMenuMetrics& metrics, ITextPainter& painter,
                      const TacFont& font);

// A measured item of a popup, for the popup's size.
struct TacMeasuredItem {
  TSize Size;
  bool Visible = true;
  TacMenuBreak Break = TacMenuBreak::None;  // the item starts a new column
};

// The popup window's size: each column as wide as its widest item + 12, each column
// break 4 more, as high as its tallest column; both plus the border on both sides.
TSize PopupSizeOf(const std::vector<TacMeasuredItem>& items, int borderWidth);
