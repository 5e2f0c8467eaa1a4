#include "tools/skinart/Element.h"

Density DensityOfKey(const std::string& key) {
  if (key.ends_with("*125")) return {120};
  if (key.ends_with("*150")) return {144};
  if (key.ends_with("*200")) return {192};
  return {96};
}

Rgb ElementSpec::Face(int state) const {
  const auto& colour = StateColor.at(static_cast<size_t>(state));
  if (!colour) throw LayoutError("[" + Section + "] names no colour for state " + std::to_string(state) +
                                        ", which " + Key + " needs for its face");
  return *colour;
}
