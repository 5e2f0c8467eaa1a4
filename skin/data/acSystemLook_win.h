#pragma once
// The system look of the running Windows session.
#include "skin/data/acSystemLook.h"

class TacWindowsSystemLook final : public ISystemLook {
 public:
  uint32_t SysColor(int index) const override;
  int SizingFrameWidth() const override;
  int SystemPPI() const override;
  bool CompositionEnabled() const override;
};
