#pragma once
// One skinned menu item's picture: its strip of the popup picture with the item's own
// content on top (a separator line, a caption band, or a normal item's hot background,
// check mark or image, caption and shortcut), greyed when disabled.
#include <optional>
#include <string>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/forms/logic/acMenuGlyphs.h"
#include "skin/forms/logic/acMenuMeasure.h"
#include "skin/forms/logic/acMenuPicture.h"

class TacSkinData;

enum class TacMenuAlignment { Left, Center, Right };

// What an item shows, in the state it is drawn in.
struct TacMenuItemLook {
  std::u16string Caption;    // a tab splits off text shown right-aligned
  std::u16string ShortCut;   // shown right-aligned; empty for none
  bool Selected = false;
  bool Enabled = true;
  bool Checked = false;
  bool Radio = false;
  bool Default = false;      // drawn bold
  bool HidePrefix = false;   // the system hides keyboard cues now
  bool BarBreak = false;     // a line at its left
  const PixelImage* Image = nullptr;   // the item's picture (straight alpha); null: none
  std::optional<TacGlyph> SystemGlyph;  // a system-menu command's symbol, shown without an image
  TSize Glyph{16, 16};       // the image column's picture size
  TacFont Font;              // the menu font at the item's density
  TacFont CaptionFont;       // caption items' font
  TacMenuAlignment Alignment = TacMenuAlignment::Left;
  bool RightToLeft = false;
};

struct TacMenuItemStyle {
  TacMenuMetrics Metrics;
  bool OldGlyphsMode = false;        // radio items may use the skin's "RADIOCHECKED"
  bool IcoLineVisible = false;       // the icon column's section shows (separators start after it)
  uint32_t LineColor = 0x808080;     // separator line without a "DIVIDERV" mask (COLORREF)
};

// The item's picture, item.Width() x item.Height(); `item` is where it lies in the popup
// picture (window coordinates).
PixelImage PaintMenuItem(const TacSkinData& data, const TacMenuPicture& picture, TRect item,
                         const TacMenuItemLook& look, const TacMenuItemStyle& style, ITextPainter& painter);

// Skin index of "MENUITEM" (or -1) and the font colour of a state, for callers that draw
// next to items.
uint32_t MenuItemFontColor(const TacSkinData& data, int state);

// The built-in glyph box at a density: 14 pixels at 96 PPI.
int MenuGlyphBox(int ppi);
