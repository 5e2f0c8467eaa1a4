#pragma once
// The few things the skin model asks of the running system: system colours and metrics.
// Injected into the model so that it loads the same way everywhere; tests and tools use
// the fixed table, the Windows build asks the system (acSystemLook_win.h).
#include <cstdint>

// Indexes of the system colours the model uses (the values of the Win32 COLOR_* indexes).
enum class TacSysColor : int {
  Window = 5,
  WindowText = 8,
  ButtonFace = 15,
  Highlight = 13,
  HighlightText = 14,
  InfoText = 23,
  InfoBackground = 24,
};

class ISystemLook {
 public:
  virtual ~ISystemLook() = default;
  // The current RGB value (red in the low byte) of a system colour index 0..30.
  virtual uint32_t SysColor(int index) const = 0;
  // Width of a sizable window's frame at 96 pixels per inch.
  virtual int SizingFrameWidth() const = 0;
  // Pixels per inch of the primary display.
  virtual int SystemPPI() const = 0;
  // Desktop composition is on (always so on Windows 10).
  virtual bool CompositionEnabled() const = 0;

  uint32_t SysColor(TacSysColor c) const { return SysColor(static_cast<int>(c)); }
};

// The colours and metrics of a default Windows 10 desktop at 96 pixels per inch.
class TacFixedSystemLook final : public ISystemLook {
 public:
  uint32_t SysColor(int index) const override;
  int SizingFrameWidth() const override { return 4; }
  int SystemPPI() const override { return 96; }
  bool CompositionEnabled() const override { return true; }
};

// A system colour constant of a colour value: 0xFF0000nn stands for system colour nn.
constexpr bool IsSystemColorConstant(uint32_t color) { return (color & 0xFFFFFF00u) == 0xFF000000u; }
