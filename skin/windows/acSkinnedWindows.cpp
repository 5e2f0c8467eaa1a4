#include "skin/windows/acSkinnedWindows.h"

TacSkinnedWindows& SkinnedWindows() {
  static TacSkinnedWindows lists;
  return lists;
}
