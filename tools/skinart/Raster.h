#pragma once
// Anti-aliased drawing for the skin's pictures. Shapes are signed distance functions
// (negative inside, in pixels); a pixel is covered by the share of it inside the shape, so
// edges that lie on whole pixel coordinates come out crisp and curves and diagonals smooth.
#include <functional>
#include <vector>

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};
// Options files write colours with red in the low byte.
Rgb RgbFromColorRef(int colorref);

// The signed distance from a point to a shape.
using Shape = std::function<double(double x, double y)>;

Shape RoundRect(double left, double top, double right, double bottom, double radius);
Shape Circle(double cx, double cy, double radius);
// A stroke of the given width along a polyline, with round joints and ends.
Shape Stroke(std::vector<std::pair<double, double>> points, double width);
// An arc of a circle from `from` to `to` radians (y grows downwards), stroked.
Shape ArcStroke(double cx, double cy, double radius, double from, double to, double width);
Shape Union(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);

// One picture with straight (not premultiplied) alpha in 0..1.
class Layer {
 public:
  struct Pixel {
    double r = 0, g = 0, b = 0, a = 0;
  };
  Layer(int width, int height) : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}
  int width() const { return width_; }
  int height() const { return height_; }
  const Pixel& at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

  // Paints `colour` where `shape` covers, over what is there.
  void Fill(const Shape& shape, Rgb colour, double opacity = 1.0);
  // Fills whole pixels [x0, x1) x [y0, y1).
  void FillRect(int x0, int y0, int x1, int y1, Rgb colour, double opacity = 1.0);
  // Paints one pixel with coverage `a`, over what is there.
  void Blend(int x, int y, Rgb colour, double a);

 private:
  int width_, height_;
  std::vector<Pixel> pixels_;
};
