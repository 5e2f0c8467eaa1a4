// Frames: window border, title band, popup menu border, menu separator, the dialog's
// button band and the soft window shadow.
#include <algorithm>
#include <cmath>

#include "tools/skinart/Painters.h"
#include "tools/skinart/Palette.h"

namespace {

// A ring of whole pixels along the picture's edge.
void EdgeRing(Layer& layer, int line, Rgb colour) {
  const int w = layer.width(), h = layer.height();
  layer.FillRect(0, 0, w, line, colour);
  layer.FillRect(0, h - line, w, h, colour);
  layer.FillRect(0, line, line, h - line, colour);
  layer.FillRect(w - line, line, w, h - line, colour);
}

// Inactive (state 0) and active (state 1) window edges.
constexpr std::array<Rgb, 2> kWindowEdge{slate::kFrameInactive, slate::kAccent};

}  // namespace

std::vector<Layer> PaintWindowFrames(const ElementSpec& e) {
  std::vector<Layer> states;
  for (int i = 0; i < e.ImageCount; ++i)
    EdgeRing(states.emplace_back(e.StateWidth, e.StateHeight), e.Dpi.Line(), kWindowEdge[std::min(i, 1)]);
  return states;
}

// The title band continues the window edge on its top, left and right and ends in a
// hairline that keeps it apart from the client area when both have the same colour.
std::vector<Layer> PaintTitleFrames(const ElementSpec& e) {
  std::vector<Layer> states;
  const int w = e.StateWidth, h = e.StateHeight, line = e.Dpi.Line();
  for (int i = 0; i < e.ImageCount; ++i) {
    Layer& layer = states.emplace_back(w, h);
    const Rgb edge = kWindowEdge[std::min(i, 1)];
    layer.FillRect(0, h - line, w, h, slate::kSeparator);
    layer.FillRect(0, 0, w, line, edge);
    layer.FillRect(0, 0, line, h, edge);
    layer.FillRect(w - line, 0, w, h, edge);
  }
  return states;
}

std::vector<Layer> PaintMenuFrame(const ElementSpec& e) {
  std::vector<Layer> states;
  EdgeRing(states.emplace_back(e.StateWidth, e.StateHeight), e.Dpi.Line(), slate::kMenuBorder);
  return states;
}

std::vector<Layer> PaintMenuDivider(const ElementSpec& e) {
  std::vector<Layer> states;
  states.emplace_back(e.StateWidth, e.StateHeight).FillRect(0, 0, e.StateWidth, e.Dpi.Line(), slate::kSeparator);
  return states;
}

// A strip tiled along the dialog's bottom edge: a hairline, then the band the buttons sit on.
std::vector<Layer> PaintDialogBand(const ElementSpec& e) {
  std::vector<Layer> states;
  Layer& layer = states.emplace_back(e.StateWidth, e.StateHeight);
  layer.FillRect(0, 0, e.StateWidth, e.Dpi.Line(), slate::kSeparator);
  layer.FillRect(0, e.Dpi.Line(), e.StateWidth, e.StateHeight, slate::kDialogBand);
  return states;
}

// Nine-slice shadow around a window: the margins are how far it reaches on each side and
// the one-pixel centre stands for the window. Its strength falls with the distance from
// the window measured in units of each side's reach, so every side strip is the same
// along its length (it is stretched) and the corners join them without a seam. The
// bottom reaches furthest, as if lit from above.
std::vector<Layer> PaintWindowShadow(const ElementSpec& e) {
  constexpr std::array<double, 2> kStrength{0.14, 0.26};  // inactive, active
  std::vector<Layer> states;
  const int w = e.StateWidth, h = e.StateHeight;
  for (int i = 0; i < e.ImageCount; ++i) {
    Layer& layer = states.emplace_back(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const double cx = x + 0.5, cy = y + 0.5;
        const double dx = cx < e.WL ? (e.WL - cx) / e.WL : cx > w - e.WR ? (cx - (w - e.WR)) / e.WR : 0;
        const double dy = cy < e.WT ? (e.WT - cy) / e.WT : cy > h - e.WB ? (cy - (h - e.WB)) / e.WB : 0;
        const double t = std::min(1.0, std::hypot(dx, dy));
        if (dx == 0 && dy == 0) continue;  // under the window
        layer.Blend(x, y, slate::kShadow, kStrength[std::min(i, 1)] * std::pow(1 - t, 2.2));
      }
  }
  return states;
}
