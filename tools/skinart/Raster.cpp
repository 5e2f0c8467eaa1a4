#include "tools/skinart/Raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

Rgb RgbFromColorRef(int colorref) {
  return {colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF};
}

Shape RoundRect(double left, double top, double right, double bottom, double radius) {
  const double cx = (left + right) / 2, cy = (top + bottom) / 2;
  const double hw = (right - left) / 2, hh = (bottom - top) / 2;
  const double r = std::clamp(radius, 0.0, std::min(hw, hh));
  return [=](double x, double y) {
    const double qx = std::abs(x - cx) - (hw - r), qy = std::abs(y - cy) - (hh - r);
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - r;
  };
}

Shape Circle(double cx, double cy, double radius) {
  return [=](double x, double y) { return std::hypot(x - cx, y - cy) - radius; };
}

namespace {
double SegmentDistance(double x, double y, std::pair<double, double> a, std::pair<double, double> b) {
  const double dx = b.first - a.first, dy = b.second - a.second;
  const double len2 = dx * dx + dy * dy;
  const double t = len2 > 0 ? std::clamp(((x - a.first) * dx + (y - a.second) * dy) / len2, 0.0, 1.0) : 0.0;
  return std::hypot(x - (a.first + t * dx), y - (a.second + t * dy));
}
}  // namespace

Shape Stroke(std::vector<std::pair<double, double>> points, double width) {
  return [points = std::move(points), half = width / 2](double x, double y) {
    double d = 1e9;
    for (size_t i = 0; i + 1 < points.size(); ++i) d = std::min(d, SegmentDistance(x, y, points[i], points[i + 1]));
    return d - half;
  };
}

Shape ArcStroke(double cx, double cy, double radius, double from, double to, double width) {
  std::vector<std::pair<double, double>> points;
  const int steps = 48;
  for (int i = 0; i <= steps; ++i) {
    const double t = from + (to - from) * i / steps;
    points.emplace_back(cx + radius * std::cos(t), cy + radius * std::sin(t));
  }
  return Stroke(std::move(points), width);
}

Shape Union(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

Shape Subtract(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return std::max(a(x, y), -b(x, y)); };
}

void Layer::Blend(int x, int y, Rgb colour, double a) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || a <= 0) return;
  Pixel& p = pixels_[static_cast<size_t>(y) * width_ + x];
  const double outA = a + p.a * (1 - a);
  const auto mix = [&](double dst, int src) { return (src / 255.0 * a + dst * p.a * (1 - a)) / outA; };
  p = {mix(p.r, colour.r), mix(p.g, colour.g), mix(p.b, colour.b), outA};
}

namespace {
// The share of pixel (x, y) inside the shape. Pixels far from the edge are wholly in or
// out; near it, 8 x 8 samples are counted, so an edge on whole pixel coordinates gives
// exactly 0 or 1 and a small rounded corner gets its true area.
double Coverage(const Shape& shape, int x, int y) {
  const double d = shape(x + 0.5, y + 0.5);
  if (d <= -0.75) return 1;
  if (d >= 0.75) return 0;
  int inside = 0;
  for (int sy = 0; sy < 8; ++sy)
    for (int sx = 0; sx < 8; ++sx) inside += shape(x + (sx + 0.5) / 8, y + (sy + 0.5) / 8) < 0;
  return inside / 64.0;
}
}  // namespace

void Layer::Fill(const Shape& shape, Rgb colour, double opacity) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) Blend(x, y, colour, Coverage(shape, x, y) * opacity);
}

void Layer::FillRect(int x0, int y0, int x1, int y1, Rgb colour, double opacity) {
  for (int y = std::max(0, y0); y < std::min(height_, y1); ++y)
    for (int x = std::max(0, x0); x < std::min(width_, x1); ++x) Blend(x, y, colour, opacity);
}
