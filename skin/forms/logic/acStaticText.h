#pragma once
// How a skinned dialog's static text is laid out: the text format its style asks for,
// whether the adapter paints it at all, and the size the window needs for the text.
#include <cstdint>

#include "skin/paint/acTextPainter.h"

// The text format of a static of this style (its SS_* type and flags); rightToLeft: the
// window reads right to left.
uint32_t StaticTextFormat(unsigned style, bool rightToLeft);

// Statics that take the keyboard focus or carry a sunken edge keep the system's painting.
bool StaticKeepsSystemLook(unsigned style, unsigned exStyle);

// The size a static gets so that its text fits: never smaller than the window is.
TSize StaticSizeForText(TSize window, TSize text);
