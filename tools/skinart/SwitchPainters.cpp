// The on/off switch: a pill-shaped track with a round thumb. On is a filled accent track
// with a white thumb; off is an outlined white track with a dark thumb.
#include "tools/skinart/Painters.h"
#include "tools/skinart/Palette.h"

namespace {

std::vector<Layer> Track(const ElementSpec& e, bool outlined) {
  std::vector<Layer> states;
  Layer& layer = states.emplace_back(e.StateWidth, e.StateHeight);
  const double w = e.StateWidth, h = e.StateHeight, line = e.Dpi.Line();
  if (outlined) {
    layer.Fill(RoundRect(0, 0, w, h, h / 2), slate::kSwitchOffBorder);
    layer.Fill(RoundRect(line, line, w - line, h - line, h / 2 - line), e.Face(0));
  } else {
    layer.Fill(RoundRect(0, 0, w, h, h / 2), e.Face(0));
  }
  return states;
}

// The thumb window is a square a little smaller than the track; the dot sits in its middle.
std::vector<Layer> Thumb(const ElementSpec& e) {
  std::vector<Layer> states;
  Layer& layer = states.emplace_back(e.StateWidth, e.StateHeight);
  layer.Fill(Circle(e.StateWidth / 2.0, e.StateHeight / 2.0, e.Dpi.Px(3.75)), e.Face(0));
  return states;
}

}  // namespace

std::vector<Layer> PaintSwitchTrackOn(const ElementSpec& e) { return Track(e, false); }
std::vector<Layer> PaintSwitchTrackOff(const ElementSpec& e) { return Track(e, true); }
std::vector<Layer> PaintSwitchThumbOn(const ElementSpec& e) { return Thumb(e); }
std::vector<Layer> PaintSwitchThumbOff(const ElementSpec& e) { return Thumb(e); }
