#include "skin/data/acScaleMode.h"

#include "skin/data/acSkinData.h"

int ScaleSlotOfMode(TacScaleMode mode, int sysFontScale, int customPPI, bool designing) {
  if (designing) return 0;
  if (IsFixedScaleMode(mode)) return mode;
  switch (mode) {
    case smAuto: return sysFontScale;
    case smCustomPPI: return ScaleSlotOfPPI(customPPI);
    default: return 0;
  }
}
