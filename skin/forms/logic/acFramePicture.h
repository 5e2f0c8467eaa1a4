#pragma once
// The frame picture of a skinned form: the "FORM" section over the whole window, the
// title section across the caption, the caption text, the icon and the caption buttons,
// painted once into one 32-bit picture from which the window's frame (and later a
// layered border window) is copied. Also the window region's holes: the transparent
// corner pixels of the frame's border masks.
#include <string>
#include <vector>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/forms/logic/acTitleLayout.h"
#include "skin/paint/acTextPainter.h"

class TacSkinData;

struct TacFrameSections {
  int Form = -1;     // "FORM"
  int Title = -1;    // "FORMTITLE"
  int Caption = -1;  // "CAPTION": behind the caption text; -1 none
};
TacFrameSections FindFrameSections(const TacSkinData& data);

// The title's metrics of the skin data: glyph sizes, margins, spacing.
TacTitleSkin TitleSkinOf(const TacSkinData& data);

struct TacFramePictureInput {
  const TacSkinData* Data = nullptr;
  TacFrameSections Sections;
  bool Active = true;        // drawn active: state 1 of the form and title sections
  bool Enabled = true;
  TacTitleLayout Title;      // with the buttons' states
  std::u16string Caption;
  TacFont CaptionFont;
  ITextPainter* Painter = nullptr;
  PixelBuffer Icon;          // straight alpha; empty: no icon picture
  // Buttons whose fade runs: drawn in state 0 under their glyph window.
  std::array<bool, 4> Fading{};  // close, maximize, minimize, help
};

// Paints the whole picture (sized by the caller). `titleEnd` receives the title's right
// end before the buttons are drawn, from which single buttons are repainted later; its
// place in the picture is TitleEndRect.
void PaintFramePicture(const TacFramePictureInput& in, const PixelBuffer& picture, PixelImage& titleEnd);
TRect TitleEndRect(const TacTitleLayout& title, int pictureWidth);

// Repaints one button: its area restored from `titleEnd`, then its glyph. Nothing is
// drawn for a button without a glyph mask.
void PaintCaptionButton(const TacFramePictureInput& in, const TacCaptionButton& button, bool fading,
                        const PixelBuffer& picture, const PixelBuffer& titleEnd);

// A button's look in a state alone (for the fade's glyph window): the title under it,
// from `titleEnd`, and its glyph fully opaque over that.
PixelImage CaptionButtonImage(const TacFramePictureInput& in, const TacCaptionButton& button, int state,
                              const PixelBuffer& titleEnd, int pictureWidth);

// The transparent corner pixels of the form's border mask (top and bottom corners) and
// of the title's (top corners) in a window of `size`, as rectangles to cut away.
std::vector<TRect> FrameRegionHoles(const TacSkinData& data, const TacFrameSections& sections, TPoint size);
