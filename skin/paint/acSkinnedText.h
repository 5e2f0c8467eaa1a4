#pragma once
// Captions in the skin's font colours: contour passes one pixel to each side, then the
// text itself, a glow where the section has one, and a muted colour when disabled.
#include <string_view>

#include "pixels/Geometry.h"
#include "skin/paint/acElementOwner.h"
#include "skin/paint/acTextPainter.h"

class TacSkinData;

// The text output of every skinned control. Unskinned controls and controls with their
// own font colour get the canvas font as it is.
void WriteSkinnedText(const TacTextCanvas& canvas, std::u16string_view text, bool enabled, bool glowAllowed,
                      int state, const IacElementOwner& owner, uint32_t format, TRect r);

// The same for code that has only a section, with no hue or saturation of its own.
void WriteSectionText(const TacTextCanvas& canvas, std::u16string_view text, bool enabled, const TacSkinData& data,
                      int state, int skinIndex, uint32_t format, TRect r);
