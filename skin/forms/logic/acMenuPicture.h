#pragma once
// The picture of a whole popup menu window, painted once per popup: the "MAINMENU"
// background and border, the icon column, the optional extra line; and the transparent
// corner rectangles of its border that the window's region leaves out. Items copy their
// strip of it and paint their own content on top.
#include <string>
#include <vector>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/forms/logic/acMenuMeasure.h"

class TacSkinData;

struct TacMenuPictureSpec {
  TSize Size;                // the popup window, border included
  TacMenuMetrics Metrics;
  int GlyphWidth = 16;       // the image column's picture width
  int IcoLineSection = -1;   // skin index of the icon column's section; -1: none
  // The extra line (Metrics.ExtraLineWidth > 0): its section, text and picture.
  int ExtraLineSection = -1;
  std::u16string ExtraLineText;
  const PixelImage* ExtraLineGlyph = nullptr;
  TacFont ExtraLineFont;
  ITextPainter* Painter = nullptr;
  bool RightToLeft = false;  // mirrored as a whole
};

struct TacMenuPicture {
  PixelImage Bmp;
  std::vector<TRect> CornerRects;  // transparent corner pixels of the border, one rectangle per run
  int GlyphColumn = 0;             // glyph width + Margin + Spacing
  int SkinBorderWidth = 0;
};

TacMenuPicture BuildMenuPicture(const TacSkinData& data, const TacMenuPictureSpec& spec);

// The transparent runs in the corners of a border mask laid over a picture of `size`:
// per row of the top and bottom borders, the key-colour (or fully transparent) pixels
// from the left and from the right edge inward.
std::vector<TRect> BorderCornerRects(const TacSkinData& data, int maskIndex, TSize size);
