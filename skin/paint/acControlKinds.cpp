#include "skin/paint/acControlKinds.h"

#include <initializer_list>
#include <utility>

namespace {

bool InRanges(int kind, std::initializer_list<std::pair<int, int>> ranges) {
  for (auto [low, high] : ranges)
    if (kind >= low && kind <= high) return true;
  return false;
}

}  // namespace

bool InNeverHotSet(int k) { return InRanges(k, {{19, 19}, {51, 74}, {110, 110}, {141, 161}}); }
bool InOptionHotSet(int k) { return InRanges(k, {{2, 18}, {76, 85}, {132, 140}, {231, 231}}); }
bool InNoGlowSet(int k) {
  return InRanges(k, {{51, 51}, {54, 54}, {56, 59}, {74, 74}, {110, 110}, {141, 141}, {143, 143}, {151, 151},
                      {161, 161}, {226, 226}});
}
bool InButtonSet(int k) { return k >= 92 && k <= 94; }
bool InSkinColorSet(int k) { return InRanges(k, {{2, 18}, {76, 84}, {132, 140}, {231, 231}}); }
bool InFrameRefreshSet(int k) {
  return k == 7 || k == 8 || k == 10 || k == 14 || k == 78 || k == 83 || k == 85 || k == 231;
}

bool AsksDefaultIndex(int kind) {
  return InRanges(kind, {{2, 10}, {12, 14}, {32, 34}, {50, 51}, {53, 54}, {57, 59}, {74, 76}, {78, 78}, {81, 85},
                         {92, 94}, {132, 141}, {143, 143}, {151, 152}, {161, 161}, {165, 165}, {224, 224},
                         {226, 227}});
}

const char* KindSectionName(int kind) {
  switch (kind) {
    case 18: return "COMBOBOX";
    case 19: return "BAR";
    case 20: return "BARTITLE";
    case 56: return "DRAGBAR";
    case 98: return "TOOLBUTTON";
    case 230: return "EDIT";
    default: return nullptr;
  }
}
