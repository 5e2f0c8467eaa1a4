#pragma once
// One element image of a skin as the painters see it: where its pixels lie and how they
// are put down. Made from the skin model's element record (MaskImageOf, sGraphUtils.h),
// or directly by tests.
#include <algorithm>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/paint/acPieceCopy.h"

// Border mask DrawMode bits.
inline constexpr int kBorderStretch = 0x01;    // stretch sides and centre (else tile)
inline constexpr int kBorderNotInState0 = 0x02;
inline constexpr int kBorderCentre = 0x04;
inline constexpr int kBorderAlpha = 0x10;      // the image carries per-pixel alpha

// Element image kinds, as the canonical mask string numbers them.
enum TacImgKind : int { ikBorder = 0, ikTexture = 1, ikGlyph = 2, ikGlow = 3, ikPngGlyph = 4 };

struct TacMaskImage {
  PixelBuffer Source;   // the element's own picture, or the skin's master picture
  TRect R;              // the whole element inside Source
  int Width = 0;        // one state image
  int Height = 0;
  int ImageCount = 1;   // state images side by side
  int MaskType = 0;     // non-zero: the lower half of R is a mask for the upper half
  int DrawMode = 0;
  int ImgType = ikBorder;
  int WL = 0, WT = 0, WR = 0, WB = 0;
  int Cfg = 0;          // bits 0..1: corner key pixels let the parent show

  bool Valid() const { return !Source.empty() && Width > 0 && Height > 0 && ImageCount > 0; }
  bool Masked() const { return MaskType != 0; }
  // Glow frames and PNG glyphs carry alpha of their own, like border images with 0x10.
  bool HasAlpha() const {
    return !Masked() && ((DrawMode & kBorderAlpha) || ImgType == ikGlow || ImgType == ikPngGlyph);
  }
  // Left edge in Source of the image for a state (clamped to the images there are).
  int StateLeft(int state) const { return R.Left + std::clamp(state, 0, ImageCount - 1) * Width; }
  PieceRule Rule() const { return Masked() ? PieceRule::Masked : HasAlpha() ? PieceRule::Alpha : PieceRule::Plain; }
  // The piece (x, y, w, h) of a state image, relative to that image, with its mask.
  PieceSource Piece(int state, int x, int y, int w, int h) const {
    const int left = StateLeft(state) + x, top = R.Top + y;
    return {Source, TRect::FromSize(left, top, w, h), Source, {left, top + Height}};
  }
};
