#pragma once
// Points and rectangles in pixels, as the skin engine passes them around. A rectangle's
// right and bottom edges are exclusive, so its width is Right - Left.
#include <algorithm>

struct TPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPoint&) const = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  static constexpr TRect FromSize(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
  }
  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  constexpr TRect Intersect(const TRect& o) const {
    TRect r{std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right), std::min(Bottom, o.Bottom)};
    return r.IsEmpty() ? TRect{} : r;
  }
  constexpr bool Contains(int x, int y) const { return x >= Left && y >= Top && x < Right && y < Bottom; }
  bool operator==(const TRect&) const = default;
};
