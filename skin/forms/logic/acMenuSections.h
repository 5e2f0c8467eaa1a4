#pragma once
// The menu painters' way to a skin section: whether an index names one, and the
// painters' view of it as an element owner.
#include "skin/data/acSkinData.h"
#include "skin/paint/acElementOwner.h"

inline bool ValidMenuSection(const TacSkinData& data, int index) {
  return index >= 0 && index < static_cast<int>(data.gd.size());
}

inline TacElementOwnerData MenuSectionOwner(const TacSkinData& data, int index) {
  TacElementOwnerData owner;
  owner.Data = &data;
  owner.Index = index;
  return owner;
}
