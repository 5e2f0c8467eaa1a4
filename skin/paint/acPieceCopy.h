#pragma once
// Moves one rectangular piece of an element image onto a picture: copied 1:1, stretched
// (nearest pixel, as a colour-on-colour stretch does) or tiled, and put down by one of
// the image kinds' rules. Every read and write is clipped to its picture.
#include <cstdint>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/paint/acCacheInfo.h"

enum class PieceFit { Copy, Stretch, Tile };

enum class PieceRule {
  Plain,     // copy the image pixels
  SkipKey,   // copy, leaving the target under key pixels (or showing the parent there)
  Alpha,     // compose by the image's own alpha (AlphaCopy at full opacity)
  Masked,    // blend through the mask: white keeps the target, black shows the image
};

struct PieceSource {
  PixelBuffer image;
  TRect rect;          // the piece inside image
  PixelBuffer mask;    // Masked only: the mask picture (often the same as image)
  TPoint maskOrigin;   // where rect's top-left lies in mask
};

// What shows through the key pixels of a corner piece: the parent's picture where it is
// known and covers the pixel, else its plain colour; with neither the target is kept.
class KeyFill {
 public:
  KeyFill() = default;
  explicit KeyFill(const TCacheInfo& info);
  bool Active() const { return active_; }
  bool Lookup(int x, int y, uint32_t* out) const {
    const int bx = x + dx_, by = y + dy_;
    if (ready_ && bmp_.contains(bx, by)) {
      *out = bmp_.at(bx, by);
      return true;
    }
    if (hasColor_) *out = color_;
    return hasColor_;
  }

 private:
  PixelBuffer bmp_;
  int dx_ = 0, dy_ = 0;
  bool ready_ = false;
  bool hasColor_ = false;
  uint32_t color_ = 0;
  bool active_ = false;
};

// How a piece fills its target rectangle, across and down.
struct PieceFits {
  PieceFit x = PieceFit::Copy;
  PieceFit y = PieceFit::Copy;
  PieceFits() = default;
  PieceFits(PieceFit both) : x(both), y(both) {}  // NOLINT: one fit for both axes reads naturally
  PieceFits(PieceFit across, PieceFit down) : x(across), y(down) {}
};

inline constexpr TRect kNoClip{-(1 << 28), -(1 << 28), 1 << 28, 1 << 28};

// Puts src down over dstRect; only pixels inside clip (and dst) change. keyFill (SkipKey,
// and Masked where key pixels must not be blended): null keeps the target under key pixels.
void CopyPiece(const PixelBuffer& dst, TRect dstRect, const PieceSource& src, PieceFits fit, PieceRule rule,
               const KeyFill* keyFill = nullptr, TRect clip = kNoClip);
