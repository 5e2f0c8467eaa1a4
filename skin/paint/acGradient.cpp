#include "skin/paint/acGradient.h"

#include <cmath>
#include <cstring>

#include "skin/base/acPixelOps.h"

namespace {

// How a gradient colour reaches a pixel.
struct Put {
  enum Kind { Write, Compose, Keep } kind = Write;
  int keep = 0;
  void operator()(uint32_t& d, uint32_t c) const {
    switch (kind) {
      case Write: d = c | 0xFF000000u; break;
      case Compose: d = PixelA(c) == 255 ? c : AlphaOverPixel(d, c, PixelA(c)); break;
      case Keep: d = KeepBlendPixel(d, c | 0xFF000000u, keep); break;
    }
  }
};

// The colour between two gradient colours (COLORREF-style with alpha on top), as a pixel.
uint32_t Lerp(uint32_t c0, uint32_t c1, double t) {
  if (c0 == c1) return ColorToPixel(c0, c0 >> 24);
  auto ch = [t](uint32_t a, uint32_t b) {
    return static_cast<uint32_t>(Clamp255(static_cast<int>(std::nearbyint(a + (static_cast<double>(b) - a) * t))));
  };
  const uint32_t r = ch(c0 & 0xFF, c1 & 0xFF), g = ch((c0 >> 8) & 0xFF, (c1 >> 8) & 0xFF),
                 b = ch((c0 >> 16) & 0xFF, (c1 >> 16) & 0xFF), a = ch(c0 >> 24, c1 >> 24);
  return MakePixel(r, g, b, a);
}

// Calls emit(position, pixel, smoothBand) for every position of the bands, which start
// at `start`; band k is (Percent[k] - Percent[k-1])·total/100 long, the last one runs to
// `end`. Colours run from one point to the next; the last band ends on its last colour.
template <class Emit>
void WalkBands(std::span<const TsGradPoint> p, int start, int total, int end, Emit emit) {
  int pos = start;
  for (size_t k = 1; k < p.size() && pos < end; ++k) {
    const bool last = k + 1 == p.size();
    const int bandEnd = last ? end : std::min(end, pos + (p[k].Percent - p[k - 1].Percent) * total / 100);
    const int length = bandEnd - pos;
    if (length <= 0) continue;
    const bool smooth = ((p[k].Mode | p[k - 1].Mode) & kGradSmooth) != 0;
    const double steps = last ? std::max(length - 1, 1) : length;
    for (int j = 0; j < length; ++j) emit(pos + j, Lerp(p[k - 1].Color.Value(), p[k].Color.Value(), j / steps), smooth);
    pos = bandEnd;
  }
}

// Smooth bands and overlays stand for brush fills that respect the colours' alpha.
Put PutFor(const Put& base, bool overlay, bool smooth) {
  return base.kind == Put::Write && (overlay || smooth) ? Put{Put::Compose} : base;
}

void PaintBands(const PixelBuffer& bmp, TRect r, TRect clip, std::span<const TsGradPoint> p, TPoint offset,
                const Put& put) {
  const bool overlay = (p[0].Mode & kGradOverlay) != 0;
  if ((p[0].Mode & kGradOrientationMask) == 0) {
    WalkBands(p, r.Top + offset.Y, r.Height() + offset.Y, r.Bottom, [&](int y, uint32_t c, bool smooth) {
      if (y < clip.Top || y >= clip.Bottom) return;
      const Put how = PutFor(put, overlay, smooth);
      uint32_t* row = bmp.row(y);
      for (int x = clip.Left; x < clip.Right; ++x) how(row[x], c);
    });
    return;
  }
  auto paintRow = [&](int y) {
    uint32_t* row = bmp.row(y);
    WalkBands(p, r.Left + offset.X, r.Width() + offset.X, r.Right, [&](int x, uint32_t c, bool smooth) {
      if (x >= clip.Left && x < clip.Right) PutFor(put, overlay, smooth)(row[x], c);
    });
  };
  paintRow(clip.Top);
  // A row that did not depend on what was under it is the same for every row.
  bool rowsDiffer = put.kind != Put::Write || overlay;
  for (size_t k = 0; k < p.size() && !rowsDiffer; ++k) rowsDiffer = (p[k].Mode & kGradSmooth) != 0;
  for (int y = clip.Top + 1; y < clip.Bottom; ++y) {
    if (rowsDiffer) {
      paintRow(y);
    } else {
      std::memcpy(bmp.row(y) + clip.Left, bmp.row(clip.Top) + clip.Left, sizeof(uint32_t) * clip.Width());
    }
  }
}

// Four triangles from the corners to the centre, colours interpolated inside each:
// p[0] top-left, p[1] centre, p[2] top-right, p[3] bottom-right, p[4] bottom-left.
void PaintTriangles(const PixelBuffer& bmp, TRect r, TRect clip, std::span<const TsGradPoint> p, const Put& put) {
  const double w = r.Width(), h = r.Height();
  struct Vertex {
    double x, y;
    uint32_t c;
  };
  const Vertex tl{0, 0, p[0].Color.Value()}, ctr{w / 2, h / 2, p[1].Color.Value()}, tr{w, 0, p[2].Color.Value()},
      br{w, h, p[3].Color.Value()}, bl{0, h, p[4].Color.Value()};
  const Put how = PutFor(put, (p[0].Mode & kGradOverlay) != 0, false);
  for (int y = clip.Top; y < clip.Bottom; ++y) {
    uint32_t* row = bmp.row(y);
    const double py = y - r.Top + 0.5;
    for (int x = clip.Left; x < clip.Right; ++x) {
      const double px = x - r.Left + 0.5;
      // Which triangle: by the side of the two diagonals the pixel centre lies on.
      const double u = px / w, v = py / h;
      const Vertex* a = &tl;
      const Vertex* b = &tr;
      if (v <= u && v <= 1 - u) {
        a = &tl, b = &tr;
      } else if (u >= v) {
        a = &tr, b = &br;
      } else if (u <= 1 - v) {
        a = &tl, b = &bl;
      } else {
        a = &bl, b = &br;
      }
      // Barycentric weights of (px, py) in the triangle a, b, centre.
      const double den = (b->y - ctr.y) * (a->x - ctr.x) + (ctr.x - b->x) * (a->y - ctr.y);
      const double wa = ((b->y - ctr.y) * (px - ctr.x) + (ctr.x - b->x) * (py - ctr.y)) / den;
      const double wb = ((ctr.y - a->y) * (px - ctr.x) + (a->x - ctr.x) * (py - ctr.y)) / den;
      const double wc = 1 - wa - wb;
      auto ch = [&](int shift) {
        const double v2 = wa * ((a->c >> shift) & 0xFF) + wb * ((b->c >> shift) & 0xFF) + wc * ((ctr.c >> shift) & 0xFF);
        return static_cast<uint32_t>(Clamp255(static_cast<int>(std::nearbyint(v2))));
      };
      how(row[x], MakePixel(ch(0), ch(8), ch(16), ch(24)));
    }
  }
}

void Paint(const PixelBuffer& bmp, TRect r, std::span<const TsGradPoint> p, TPoint offset, const Put& put) {
  const TRect clip = r.Intersect(BufferRect(bmp));
  if (clip.IsEmpty() || p.empty()) return;
  if (p.size() == 1) {
    const uint32_t c = ColorToPixel(p[0].Color.Value(), p[0].Color.A);
    for (int y = clip.Top; y < clip.Bottom; ++y)
      for (int x = clip.Left; x < clip.Right; ++x) put(bmp.row(y)[x], c);
    return;
  }
  switch (p[0].Mode & kGradOrientationMask) {
    case 0:
    case 1: PaintBands(bmp, r, clip, p, offset, put); break;
    case kGradFourTriangles:
      if (p.size() >= 5) PaintTriangles(bmp, r, clip, p, put);
      break;
    default: break;
  }
}

}  // namespace

void PaintGradient(const PixelBuffer& bmp, TRect r, std::span<const TsGradPoint> points, TPoint offset) {
  Paint(bmp, r, points, offset, Put{Put::Write});
}

void BlendGradient(const PixelBuffer& bmp, TRect r, std::span<const TsGradPoint> points, int keep) {
  Paint(bmp, r, points, {}, Put{Put::Keep, std::clamp(keep, 0, 255)});
}
