#pragma once
// One image element of the skin as the options file describes it, and what a painter is
// given to draw it: its size per state, its density and the colours its section names.
#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/skinart/Raster.h"

// A skin that skinart cannot draw, with every problem found, one per line.
class LayoutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The pixel density an element is drawn for, taken from its key's suffix.
struct Density {
  int ppi = 96;
  double Scale() const { return ppi / 96.0; }
  // Lines stay one pixel wide until the density doubles: a 1.5-pixel line would blur.
  int Line() const { return ppi >= 192 ? 2 : 1; }
  // A length of the 96-PPI design at this density.
  double Px(double length96) const { return length96 * Scale(); }
};
Density DensityOfKey(const std::string& key);  // "*125" 120, "*150" 144, "*200" 192, else 96

struct ElementSpec {
  std::string Section;
  std::string Key;  // as written, with its density suffix
  std::string BaseKey;  // without the suffix
  Density Dpi;
  int StateWidth = 0, StateHeight = 0, ImageCount = 1;
  int WL = 0, WT = 0, WR = 0, WB = 0;
  // The state colours of the section ("COLOR", "HOTCOLOR", "COLOR2"); an element whose
  // face has a colour takes it from here, so the options file names it only once.
  std::array<std::optional<Rgb>, 3> StateColor;
  Rgb Face(int state) const;  // the state's colour; LayoutError when the section names none
};

// A painter draws every state image of an element, left to right.
using Painter = std::vector<Layer> (*)(const ElementSpec&);
