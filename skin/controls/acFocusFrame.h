#pragma once
// The skin's focus look: a dotted frame around a control's caption in its cache picture,
// in the font colour of the section's hottest state, as push buttons and keyboard-focused
// window-less controls show it.
#include "pixels/Geometry.h"

class TsCommonData;

void PaintSkinFocusFrame(TsCommonData& data, const TRect& text, int focusMargin, int height);
