#pragma once
// The border window's picture: the skin's shadow stretched around the whole picture, and
// the frame (form section, title, icon, caption, buttons) inside it, laid out around the
// owner's client area so that the client shows through a hole. Also the blur-behind
// region that keeps transparent rounded corners from being blurred.
#include <vector>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/forms/logic/acBorderGeometry.h"
#include "skin/forms/logic/acFramePicture.h"
#include "skin/paint/acMaskImage.h"

class TacSkinData;

// What the picture is laid out from: the skin's numbers and the owner's client.
struct TacBorderFrame {
  TRect Shadow;            // the skin's shadow reach per side
  int ExBorderWidth = 0;   // e
  int TitleHeight = 0;     // the skin's title (0: the owner has no caption)
  int MenuLineHeight = 0;  // all menu lines of the owner
  int BorderWidth = 0;     // the owner's own border around its client area
  TPoint ClientSize;
};

TPoint BorderPictureSize(const TacBorderFrame& f);
// Where the owner's client area lies in the picture (the menu line lies just above it).
TPoint BorderClientOffset(const TacBorderFrame& f);
// The frame without the shadow, as a rectangle of the picture.
TRect BorderFrameRect(const TacBorderFrame& f);

// The skin's shadow as a border mask: its extended border picture ("EXBORDER") with that
// mask's margins, or the generated shadow template; an invalid mask when there is none.
// The mask copies its pixels (alpha included) rather than blending them.
TacMaskImage ShadowMask(const TacSkinData& data, bool active);

// The title of the frame inside the picture's frame rectangle, in frame coordinates:
// the skin's title height, side frames of e, no top frame, the title's centre line at
// half the title plus the skin's centre offset.
TacTitleLayout BorderTitleLayout(const TacTitleInput& frameInput, const TacTitleSkin& skin, int centreOffset);

// Paints the whole picture: transparent, the shadow over all of it, then the frame into
// BorderFrameRect through `in` (whose Title is in frame coordinates), leaving the client
// hole fully transparent.
void PaintBorderPicture(const TacFramePictureInput& in, const TacBorderFrame& f, bool active,
                        const PixelBuffer& picture, PixelImage& titleEnd);

// Blur-behind: the frame rectangle grown by one pixel, less the pixels whose colour
// channels are all 0 inside the four corner squares of side `cornerSide`.
std::vector<TRect> BlurBehindRegion(const PixelBuffer& picture, TRect frame, int cornerSide);
