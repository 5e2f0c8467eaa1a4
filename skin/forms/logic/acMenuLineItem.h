#pragma once
// Items of a form's main-menu line, drawn by the form's frame over its menu-line picture:
// their size, and their picture with the "MENUITEM" look when hot or open and the
// caption in the "MENULINE" font colours.
#include <string>
#include <string_view>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/paint/acTextPainter.h"

class TacSkinData;

// Width: the caption without "&" plus, with an image, its width and 6; height: the
// system's menu-bar height (SM_CYMENU) less 1.
TSize MeasureMenuLineItem(std::u16string_view caption, int imageWidth, int menuBarHeight, ITextPainter& painter,
                          const TacFont& font);

enum class TacMenuLineState { Normal, Hot, Open };

// The item's picture: the menu line's picture under it (`line`, at `item`), the
// "MENUITEM" section over it when hot (state 1) or open (state 2), the caption centred.
PixelImage PaintMenuLineItem(const TacSkinData& data, const PixelBuffer& line, TRect item, std::u16string_view caption,
                             TacMenuLineState state, bool enabled, const TacFont& font, ITextPainter& painter);
