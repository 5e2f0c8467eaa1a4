#include "skin/paint/acNineSlice.h"

#include <algorithm>

#include "skin/paint/acPieceCopy.h"
#include "skin/base/acPixelOps.h"
#include "skin/paint/acSmoothStretch.h"

namespace {

// Margins that do not fit the target give up their excess half and half, the far side
// taking the odd pixel.
void ShrinkMargins(int size, int& nearSide, int& farSide) {
  nearSide = std::max(nearSide, 0);
  farSide = std::max(farSide, 0);
  if (size >= nearSide + farSide) return;
  const int d = nearSide + farSide - size, half = d / 2;
  nearSide = std::max(nearSide - half, 0);
  farSide = std::max(farSide - half - d % 2, 0);
}

struct SliceContext {
  const PixelBuffer& bmp;
  const TacMaskImage& mask;
  int state;
  TRect clip;
  bool stretch;
};

// A corner: always 1:1; key pixels keep the target or show the background.
void PutCorner(const SliceContext& c, TRect dst, int sx, int sy, const KeyFill& fill) {
  const PieceSource src = c.mask.Piece(c.state, sx, sy, dst.Width(), dst.Height());
  PieceRule rule = c.mask.Rule();
  if (rule == PieceRule::Plain) rule = PieceRule::SkipKey;
  CopyPiece(c.bmp, dst, src, PieceFit::Copy, rule, &fill, c.clip);
}

// Masked pieces stretched smoothly: image and mask resampled apart, then blended.
void PutSmoothMasked(const SliceContext& c, TRect dst, const PieceSource& src) {
  const PixelImage image = StretchSmooth(src.image, src.rect, dst.Width(), dst.Height());
  const TRect maskRect = TRect::FromSize(src.maskOrigin.X, src.maskOrigin.Y, src.rect.Width(), src.rect.Height());
  const PixelImage mask = StretchSmooth(src.mask, maskRect, dst.Width(), dst.Height());
  if (image.empty() || mask.empty()) return;
  const PieceSource tmp{image.view(), {0, 0, image.width(), image.height()}, mask.view(), {0, 0}};
  CopyPiece(c.bmp, dst, tmp, PieceFit::Copy, PieceRule::Masked, nullptr, c.clip);
}

// A centre cut from one pixel is one colour: mask black fills, white keeps, grey blends.
void PutSinglePixelMasked(const SliceContext& c, TRect dst, const PieceSource& src) {
  if (!src.image.contains(src.rect.Left, src.rect.Top) || !src.mask.contains(src.maskOrigin.X, src.maskOrigin.Y)) return;
  const uint32_t image = src.image.at(src.rect.Left, src.rect.Top);
  const uint32_t mask = src.mask.at(src.maskOrigin.X, src.maskOrigin.Y) & 0xFFFFFF;
  if (mask == 0xFFFFFF) return;
  const TRect r = dst.Intersect(c.clip).Intersect(BufferRect(c.bmp));
  for (int y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = c.bmp.row(y);
    for (int x = r.Left; x < r.Right; ++x) row[x] = mask == 0 ? (image | 0xFF000000u) : MaskBlendPixel(row[x], image, mask);
  }
}

enum class SliceKind { SideAcross, SideDown, Centre };

// A side or the centre: stretched or tiled over dst.
void PutStretchable(const SliceContext& c, TRect dst, int sx, int sy, int sw, int sh, SliceKind kind) {
  if (dst.IsEmpty() || sw < 1 || sh < 1) return;
  const PieceSource src = c.mask.Piece(c.state, sx, sy, sw, sh);
  const PieceRule rule = c.mask.Rule();
  if (!c.stretch) {
    const PieceFits tile = kind == SliceKind::SideAcross ? PieceFits(PieceFit::Tile, PieceFit::Copy)
                           : kind == SliceKind::SideDown ? PieceFits(PieceFit::Copy, PieceFit::Tile)
                                                         : PieceFits(PieceFit::Tile);
    CopyPiece(c.bmp, dst, src, tile, rule, nullptr, c.clip);
    return;
  }
  if (rule == PieceRule::Masked) {
    if (kind == SliceKind::Centre && sw == 1 && sh == 1) return PutSinglePixelMasked(c, dst, src);
    const bool bigEnough = dst.Width() > 1 && dst.Height() > 1;
    const bool shrinkingSide = (kind == SliceKind::SideAcross && dst.Width() < sw) ||
                               (kind == SliceKind::SideDown && dst.Height() < sh);
    if (bigEnough && (kind == SliceKind::Centre || shrinkingSide)) return PutSmoothMasked(c, dst, src);
  }
  CopyPiece(c.bmp, dst, src, PieceFit::Stretch, rule, nullptr, c.clip);
}

}  // namespace

void PaintNineSlice(const PixelBuffer& bmp, TRect r, const TCacheInfo& cacheInfo, const TacMaskImage& mask, int state,
                    bool cornerFill) {
  if (bmp.empty() || !mask.Valid()) return;
  if (state == 0 && (mask.DrawMode & kBorderNotInState0)) return;
  const int w = r.Width(), h = r.Height();
  if (w < 2 || h < 2) return;
  int ml = mask.WL, mt = mask.WT, mr = mask.WR, mb = mask.WB;
  ShrinkMargins(w, ml, mr);
  ShrinkMargins(h, mt, mb);
  const int cw = mask.Width - ml - mr, ch = mask.Height - mt - mb;
  if (cw < 0 || ch < 0) return;

  const SliceContext c{bmp, mask, std::clamp(state, 0, mask.ImageCount - 1), r,
                       (mask.DrawMode & kBorderStretch) != 0};
  const KeyFill fill = cornerFill && (mask.Cfg & 3) ? KeyFill(cacheInfo) : KeyFill();
  const int innerW = w - ml - mr, innerH = h - mt - mb;
  const int right = r.Right - mr, bottom = r.Bottom - mb;
  const int srcRight = mask.Width - mr, srcBottom = mask.Height - mb;

  PutCorner(c, TRect::FromSize(r.Left, r.Top, ml, mt), 0, 0, fill);
  PutStretchable(c, TRect::FromSize(r.Left, r.Top + mt, ml, innerH), 0, mt, ml, ch, SliceKind::SideDown);
  PutStretchable(c, TRect::FromSize(r.Left + ml, r.Top, innerW, mt), ml, 0, cw, mt, SliceKind::SideAcross);
  PutCorner(c, TRect::FromSize(r.Left, bottom, ml, mb), 0, srcBottom, fill);
  PutStretchable(c, TRect::FromSize(r.Left + ml, bottom, innerW, mb), ml, srcBottom, cw, mb, SliceKind::SideAcross);
  PutCorner(c, TRect::FromSize(right, bottom, mr, mb), srcRight, srcBottom, fill);
  PutCorner(c, TRect::FromSize(right, r.Top, mr, mt), srcRight, 0, fill);
  PutStretchable(c, TRect::FromSize(right, r.Top + mt, mr, innerH), srcRight, mt, mr, ch, SliceKind::SideDown);
  if (mask.DrawMode & kBorderCentre) {
    PutStretchable(c, TRect::FromSize(r.Left + ml, r.Top + mt, innerW, innerH), ml, mt, cw, ch, SliceKind::Centre);
  }
}

void DrawMaskImage(const PixelBuffer& bmp, TPoint point, int state, const TCacheInfo& cacheInfo,
                   const TacMaskImage& mask) {
  if (bmp.empty() || !mask.Valid()) return;
  // A background that is the target itself simply keeps the target under key pixels.
  const KeyFill fill(cacheInfo);
  PieceRule rule = mask.Rule();
  if (rule == PieceRule::Plain) rule = PieceRule::SkipKey;
  const TRect dst = TRect::FromSize(point.X, point.Y, mask.Width, mask.Height);
  CopyPiece(bmp, dst, mask.Piece(state, 0, 0, mask.Width, mask.Height), PieceFit::Copy, rule, &fill);
}
