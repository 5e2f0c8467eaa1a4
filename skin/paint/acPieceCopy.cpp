#include "skin/paint/acPieceCopy.h"

#include <cstring>

#include "skin/base/acPixelOps.h"

KeyFill::KeyFill(const TCacheInfo& info)
    : bmp_(info.Bmp), dx_(info.X), dy_(info.Y), ready_(info.Ready && !info.Bmp.empty()),
      hasColor_(!info.Ready && !IsKeyColor(info.FillColor)), color_(ColorToPixel(info.FillColor)),
      active_(true) {}

namespace {

// Walks the source coordinates that target offsets first, first+1, ... map to.
class AxisWalk {
 public:
  AxisWalk(PieceFit fit, int srcStart, int srcLen, int dstLen, int first)
      : fit_(fit), start_(srcStart), len_(srcLen) {
    switch (fit) {
      case PieceFit::Copy:
        pos_ = srcStart + first;
        break;
      case PieceFit::Tile:
        pos_ = srcStart + first % srcLen;
        break;
      case PieceFit::Stretch: {
        // Source pixel of target pixel i: the one under its centre, (2i+1)·len / (2·dstLen),
        // kept as quotient and remainder so that each step needs no division.
        den_ = 2 * static_cast<long long>(dstLen);
        const long long num = (2 * static_cast<long long>(first) + 1) * srcLen;
        quot_ = num / den_;
        rem_ = num % den_;
        stepQuot_ = (2 * static_cast<long long>(srcLen)) / den_;
        stepRem_ = (2 * static_cast<long long>(srcLen)) % den_;
        pos_ = srcStart + static_cast<int>(quot_);
        break;
      }
    }
  }
  int pos() const { return pos_; }
  void next() {
    switch (fit_) {
      case PieceFit::Copy: return next<PieceFit::Copy>();
      case PieceFit::Tile: return next<PieceFit::Tile>();
      case PieceFit::Stretch: return next<PieceFit::Stretch>();
    }
  }
  // The same for a fit known at compile time, for the inner loops.
  template <PieceFit F>
  void next() {
    if constexpr (F == PieceFit::Copy) {
      ++pos_;
    } else if constexpr (F == PieceFit::Tile) {
      if (++pos_ == start_ + len_) pos_ = start_;
    } else {
      quot_ += stepQuot_;
      rem_ += stepRem_;
      if (rem_ >= den_) {
        rem_ -= den_;
        ++quot_;
      }
      pos_ = start_ + static_cast<int>(quot_);
    }
  }

 private:
  PieceFit fit_;
  int start_, len_;
  int pos_ = 0;
  long long den_ = 1, quot_ = 0, rem_ = 0, stepQuot_ = 0, stepRem_ = 0;
};

struct PlainRule {
  void operator()(uint32_t& d, uint32_t s, const uint32_t*, int, int, int) const { d = s; }
};

struct SkipKeyRule {
  const KeyFill* fill;
  void operator()(uint32_t& d, uint32_t s, const uint32_t*, int, int x, int y) const {
    if (!IsKeyPixel(s)) {
      d = s;
    } else if (fill) {
      fill->Lookup(x, y, &d);
    }
  }
};

struct AlphaRule {
  void operator()(uint32_t& d, uint32_t s, const uint32_t*, int, int, int) const { d = AlphaOverPixel(d, s, PixelA(s)); }
};

struct MaskedRule {
  const KeyFill* fill;  // non-null: key pixels are not blended
  void operator()(uint32_t& d, uint32_t s, const uint32_t* maskRow, int sx, int x, int y) const {
    if (fill && IsKeyPixel(s)) {
      fill->Lookup(x, y, &d);
      return;
    }
    d = MaskBlendPixel(d, s, maskRow[sx]);
  }
};

template <PieceFit FitX, class Rule>
void WalkRows(const PixelBuffer& dst, TRect clip, TRect dstRect, const PieceSource& src, TRect srcRect,
              TPoint maskShift, PieceFit fitY, Rule rule) {
  AxisWalk yw(fitY, srcRect.Top, srcRect.Height(), dstRect.Height(), clip.Top - dstRect.Top);
  for (int y = clip.Top; y < clip.Bottom; ++y, yw.next()) {
    const int sy = yw.pos();
    const uint32_t* srow = src.image.row(sy);
    const uint32_t* mrow = src.mask.empty() ? nullptr : src.mask.row(sy + maskShift.Y) + maskShift.X;
    uint32_t* drow = dst.row(y);
    AxisWalk xw(FitX, srcRect.Left, srcRect.Width(), dstRect.Width(), clip.Left - dstRect.Left);
    for (int x = clip.Left; x < clip.Right; ++x, xw.next<FitX>()) {
      const int sx = xw.pos();
      rule(drow[x], srow[sx], mrow, sx, x, y);
    }
  }
}

template <class Rule>
void Walk(const PixelBuffer& dst, TRect clip, TRect dstRect, const PieceSource& src, TRect srcRect,
          TPoint maskShift, PieceFits fit, Rule rule) {
  switch (fit.x) {
    case PieceFit::Copy: return WalkRows<PieceFit::Copy>(dst, clip, dstRect, src, srcRect, maskShift, fit.y, rule);
    case PieceFit::Tile: return WalkRows<PieceFit::Tile>(dst, clip, dstRect, src, srcRect, maskShift, fit.y, rule);
    case PieceFit::Stretch:
      return WalkRows<PieceFit::Stretch>(dst, clip, dstRect, src, srcRect, maskShift, fit.y, rule);
  }
}

}  // namespace

void CopyPiece(const PixelBuffer& dst, TRect dstRect, const PieceSource& source, PieceFits fit, PieceRule rule,
               const KeyFill* keyFill, TRect clipRect) {
  if (dst.empty() || source.image.empty() || dstRect.IsEmpty()) return;
  const bool masked = rule == PieceRule::Masked;
  if (masked && source.mask.empty()) return;
  PieceSource src = source;
  if (!masked) src.mask = {};
  // The part of the piece that both the image and (when used) the mask really hold.
  TRect valid = src.rect.Intersect(BufferRect(src.image));
  const TPoint maskShift{src.maskOrigin.X - src.rect.Left, src.maskOrigin.Y - src.rect.Top};
  if (masked) valid = valid.Intersect(BufferRect(src.mask).Offset(-maskShift.X, -maskShift.Y));
  if (valid.IsEmpty()) return;
  // A 1:1 axis covers no more than the source holds.
  if (fit.x == PieceFit::Copy) {
    const int cut = valid.Left - src.rect.Left;
    dstRect.Right = dstRect.Left + cut + std::min(dstRect.Width() - cut, valid.Width());
    dstRect.Left += cut;
  }
  if (fit.y == PieceFit::Copy) {
    const int cut = valid.Top - src.rect.Top;
    dstRect.Bottom = dstRect.Top + cut + std::min(dstRect.Height() - cut, valid.Height());
    dstRect.Top += cut;
  }
  if (dstRect.IsEmpty()) return;
  const TRect clip = dstRect.Intersect(BufferRect(dst)).Intersect(clipRect);
  if (clip.IsEmpty()) return;

  switch (rule) {
    case PieceRule::Plain:
      if (fit.x == PieceFit::Copy && fit.y == PieceFit::Copy) {
        const int sx = valid.Left + clip.Left - dstRect.Left, sy = valid.Top + clip.Top - dstRect.Top;
        for (int y = clip.Top; y < clip.Bottom; ++y) {
          std::memmove(dst.row(y) + clip.Left, src.image.row(sy + y - clip.Top) + sx,
                       sizeof(uint32_t) * static_cast<size_t>(clip.Width()));
        }
      } else {
        Walk(dst, clip, dstRect, src, valid, maskShift, fit, PlainRule{});
      }
      break;
    case PieceRule::SkipKey:
      Walk(dst, clip, dstRect, src, valid, maskShift, fit, SkipKeyRule{keyFill});
      break;
    case PieceRule::Alpha:
      Walk(dst, clip, dstRect, src, valid, maskShift, fit, AlphaRule{});
      break;
    case PieceRule::Masked:
      Walk(dst, clip, dstRect, src, valid, maskShift, fit, MaskedRule{keyFill});
      break;
  }
}
