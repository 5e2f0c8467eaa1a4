#include "skin/forms/logic/acMenuGlyphs.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Shapes in a unit square (0..1 both ways, y down): strokes with round ends, filled
// circles and filled triangles. A pixel's coverage is the share of its 4 x 4 sample
// points inside any shape.
struct Stroke {
  float x0, y0, x1, y1, halfWidth;
};
struct Disc {
  float cx, cy, r;
};
struct Triangle {
  float x0, y0, x1, y1, x2, y2;
};
struct Shape {
  std::vector<Stroke> strokes;
  std::vector<Disc> discs;
  std::vector<Triangle> triangles;
};

bool InStroke(const Stroke& s, float x, float y) {
  const float dx = s.x1 - s.x0, dy = s.y1 - s.y0;
  const float len2 = dx * dx + dy * dy;
  float t = len2 > 0 ? ((x - s.x0) * dx + (y - s.y0) * dy) / len2 : 0;
  t = std::clamp(t, 0.0f, 1.0f);
  const float px = s.x0 + t * dx - x, py = s.y0 + t * dy - y;
  return px * px + py * py <= s.halfWidth * s.halfWidth;
}

bool InTriangle(const Triangle& t, float x, float y) {
  const auto side = [x, y](float ax, float ay, float bx, float by) { return (bx - ax) * (y - ay) - (by - ay) * (x - ax); };
  const float a = side(t.x0, t.y0, t.x1, t.y1), b = side(t.x1, t.y1, t.x2, t.y2), c = side(t.x2, t.y2, t.x0, t.y0);
  return (a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0);
}

bool Inside(const Shape& shape, float x, float y) {
  for (const Stroke& s : shape.strokes)
    if (InStroke(s, x, y)) return true;
  for (const Disc& d : shape.discs)
    if ((x - d.cx) * (x - d.cx) + (y - d.cy) * (y - d.cy) <= d.r * d.r) return true;
  for (const Triangle& t : shape.triangles)
    if (InTriangle(t, x, y)) return true;
  return false;
}

// An outlined box from (l, t) to (r, b), the line `w` wide inside it; a thicker top.
void AddBox(Shape& s, float l, float t, float r, float b, float w, float top) {
  const float h = w / 2;
  s.strokes.push_back({l + h, t + top / 2, r - h, t + top / 2, top / 2});
  s.strokes.push_back({l + h, b - h, r - h, b - h, h});
  s.strokes.push_back({l + h, t + h, l + h, b - h, h});
  s.strokes.push_back({r - h, t + h, r - h, b - h, h});
}

Shape ShapeOf(TacGlyph glyph, int size) {
  // Lines stay at least about one pixel wide however small the symbol is drawn.
  const float pixel = 1.0f / static_cast<float>(std::max(size, 1));
  const float line = std::max(0.09f, 1.1f * pixel);
  Shape s;
  switch (glyph) {
    case TacGlyph::Check:
      s.strokes.push_back({0.18f, 0.52f, 0.40f, 0.74f, line * 0.75f});
      s.strokes.push_back({0.40f, 0.74f, 0.84f, 0.28f, line * 0.75f});
      break;
    case TacGlyph::RadioDot:
      s.discs.push_back({0.5f, 0.5f, 0.25f});
      break;
    case TacGlyph::MoveArrows: {
      const float a = 0.14f;  // arrow head half width
      s.strokes.push_back({0.12f, 0.5f, 0.88f, 0.5f, line / 2});
      s.strokes.push_back({0.5f, 0.12f, 0.5f, 0.88f, line / 2});
      s.triangles.push_back({0.05f, 0.5f, 0.05f + a * 1.3f, 0.5f - a, 0.05f + a * 1.3f, 0.5f + a});
      s.triangles.push_back({0.95f, 0.5f, 0.95f - a * 1.3f, 0.5f - a, 0.95f - a * 1.3f, 0.5f + a});
      s.triangles.push_back({0.5f, 0.05f, 0.5f - a, 0.05f + a * 1.3f, 0.5f + a, 0.05f + a * 1.3f});
      s.triangles.push_back({0.5f, 0.95f, 0.5f - a, 0.95f - a * 1.3f, 0.5f + a, 0.95f - a * 1.3f});
      break;
    }
    case TacGlyph::Minimize:
      s.strokes.push_back({0.22f, 0.72f, 0.78f, 0.72f, line});
      break;
    case TacGlyph::Maximize:
      AddBox(s, 0.2f, 0.2f, 0.8f, 0.8f, line, line * 2);
      break;
    case TacGlyph::Restore:
      AddBox(s, 0.38f, 0.16f, 0.84f, 0.62f, line, line * 2);
      // The front window hides the back one where they overlap.
      AddBox(s, 0.16f, 0.38f, 0.62f, 0.84f, line, line * 2);
      break;
    case TacGlyph::Close:
      s.strokes.push_back({0.25f, 0.25f, 0.75f, 0.75f, line * 0.7f});
      s.strokes.push_back({0.75f, 0.25f, 0.25f, 0.75f, line * 0.7f});
      break;
  }
  return s;
}

// Restore's front box is drawn over the back one: the back one's lines stop at it.
bool HiddenByFront(TacGlyph glyph, float x, float y, float line) {
  return glyph == TacGlyph::Restore && x > 0.16f + line && x < 0.62f - line && y > 0.38f + line * 2 &&
         y < 0.84f - line;
}

}  // namespace

PixelImage DrawGlyph(TacGlyph glyph, int size, uint32_t color) {
  if (size <= 0) return {};
  PixelImage out(size, size, 0);
  const Shape shape = ShapeOf(glyph, size);
  const float line = std::max(0.09f, 1.1f / static_cast<float>(size));
  constexpr int kSamples = 4;
  const uint32_t rgb = ColorToPixel(color, 0);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx) {
          const float ux = (static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / kSamples) / static_cast<float>(size);
          const float uy = (static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / kSamples) / static_cast<float>(size);
          hits += Inside(shape, ux, uy) && !HiddenByFront(glyph, ux, uy, line);
        }
      const uint32_t alpha = static_cast<uint32_t>(hits * 255 / (kSamples * kSamples));
      out.at(x, y) = (rgb & 0xFFFFFF) | (alpha << 24);
    }
  return out;
}

void PaintGlyph(const PixelBuffer& target, TPoint at, TacGlyph glyph, int size, uint32_t color, int opacity) {
  const PixelImage picture = DrawGlyph(glyph, size, color);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const int tx = at.X + x, ty = at.Y + y;
      if (!target.contains(tx, ty)) continue;
      const uint32_t src = picture.at(x, y);
      const uint32_t a = PixelA(src) * static_cast<uint32_t>(std::clamp(opacity, 0, 255)) / 255;
      if (a == 0) continue;
      uint32_t& dst = target.at(tx, ty);
      const auto mix = [a](uint32_t s, uint32_t d) { return (s * a + d * (255 - a) + 127) / 255; };
      dst = MakePixel(mix(PixelR(src), PixelR(dst)), mix(PixelG(src), PixelG(dst)), mix(PixelB(src), PixelB(dst)),
                      std::max(PixelA(dst), a));
    }
}

bool GlyphForSystemCommand(uint32_t command, TacGlyph& glyph) {
  switch (command & 0xFFF0) {
    case 0xF010: glyph = TacGlyph::MoveArrows; return true;  // SC_MOVE
    case 0xF020: glyph = TacGlyph::Minimize; return true;    // SC_MINIMIZE
    case 0xF030: glyph = TacGlyph::Maximize; return true;    // SC_MAXIMIZE
    case 0xF060: glyph = TacGlyph::Close; return true;       // SC_CLOSE
    case 0xF120: glyph = TacGlyph::Restore; return true;     // SC_RESTORE
    default: return false;
  }
}
