#pragma once
// The text colour of a skinned label, from what it shows through.
#include <cstdint>

struct TacLabelColorInput {
  bool skinned = false;          // UseSkinColor with an active skin
  bool answered = false;         // something skinned under the label named its section
  uint32_t sectionFontColor = 0; // state-0 font colour of that section (valid index)
  bool validSection = false;
  uint32_t globalFontColor = 0;  // the skin's label colour, for an invalid index
  uint32_t parentFontColor = 0;
  uint32_t ownFontColor = 0;
  bool enabled = true;
  uint32_t parentColor = 0;      // for the disabled mix
};

// Colour of the text (COLORREF): the section's font colour, the parent's when nothing
// answered, the label's own without a skin; disabled: mixed with the parent's colour.
uint32_t LabelTextColor(const TacLabelColorInput& in);
