#include "skin/paint/acTexture.h"

#include "skin/paint/acPieceCopy.h"

namespace {

// The start of a tiling that ends with a whole tile at `end`, or centres a tile in [start, end).
int AlignedStart(int start, int end, int tile, bool centred) {
  const int length = end - start;
  if (centred) {
    const int first = start + (length - tile) / 2;  // the middle tile's start
    return first - ((first - start + tile - 1) / tile) * tile;
  }
  return end - ((length + tile - 1) / tile) * tile;
}

}  // namespace

TRect PaintTexture(const PixelBuffer& bmp, TRect r, int mode, const TacMaskImage& mask) {
  if (bmp.empty() || r.IsEmpty() || !mask.Valid()) return {};
  const int tw = mask.Width, th = mask.Height;
  TRect place = r;  // where the texture's placement starts (may reach beyond r)
  TRect rest;       // what is left for the colour
  PieceFits fit(PieceFit::Tile);
  switch (mode) {
    case tmStretch: fit = PieceFit::Stretch; break;
    case tmTileTop:
      place.Bottom = r.Top + th;
      rest = {r.Left, place.Bottom, r.Right, r.Bottom};
      break;
    case tmTileLeft:
      place.Right = r.Left + tw;
      rest = {place.Right, r.Top, r.Right, r.Bottom};
      break;
    case tmStretchTop:
      place.Bottom = r.Top + th;
      fit = {PieceFit::Stretch, PieceFit::Copy};
      rest = {r.Left, place.Bottom, r.Right, r.Bottom};
      break;
    case tmStretchLeft:
      place.Right = r.Left + tw;
      fit = {PieceFit::Copy, PieceFit::Stretch};
      rest = {place.Right, r.Top, r.Right, r.Bottom};
      break;
    case tmTileBottom:
      place.Top = r.Bottom - th;
      rest = {r.Left, r.Top, r.Right, place.Top};
      break;
    case tmTileRight:
      place.Left = r.Right - tw;
      rest = {r.Left, r.Top, place.Left, r.Bottom};
      break;
    case tmStretchBottom:
      place.Top = r.Bottom - th;
      fit = {PieceFit::Stretch, PieceFit::Copy};
      rest = {r.Left, r.Top, r.Right, place.Top};
      break;
    case tmStretchRight:
      place.Left = r.Right - tw;
      fit = {PieceFit::Copy, PieceFit::Stretch};
      rest = {r.Left, r.Top, place.Left, r.Bottom};
      break;
    case tmStretchWidth: fit = {PieceFit::Stretch, PieceFit::Tile}; break;
    case tmStretchHeight: fit = {PieceFit::Tile, PieceFit::Stretch}; break;
    case tmTileFromBottomRight:
    case tmTileCentred: {
      const bool centred = mode == tmTileCentred;
      place.Left = AlignedStart(r.Left, r.Right, tw, centred);
      place.Top = AlignedStart(r.Top, r.Bottom, th, centred);
      break;
    }
    default: break;  // tmTile, tmTileColumns and unknown modes tile
  }
  CopyPiece(bmp, place, mask.Piece(0, 0, 0, tw, th), fit, mask.Masked() ? PieceRule::Masked : PieceRule::Plain,
            nullptr, r);
  return rest.Intersect(r);
}
