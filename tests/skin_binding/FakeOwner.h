#pragma once
// Fake controls for the skin binding: a tree of owners with bounds, colours and flags
// set by the test, each optionally with a binding; skin commands go to the owner's own
// handler first, then to the binding. Timers tick when the test says so.
#include <functional>
#include <memory>
#include <vector>

#include "skin/paint/sCommonData.h"

class ManualTimers {
 public:
  std::unique_ptr<TacHeldResource> Start(int ms, std::function<void()> tick);
  // Runs every live timer once; answers how many ran.
  int Tick();
  int Live() const;
  int lastInterval = 0;

 private:
  struct Entry {
    std::function<void()> tick;
    bool alive = true;
  };
  std::vector<std::shared_ptr<Entry>> entries_;
};

class FakeOwner final : public IacSkinOwner {
 public:
  using Handler = std::function<bool(uint16_t, uint16_t, intptr_t, intptr_t&)>;
  // kind < 0: a control without binding (answers nothing).
  FakeOwner(FakeOwner* parent, TRect bounds, int kind, bool withCache, ManualTimers* timers = nullptr);

  TsCtrlSkinData& Data() { return *data; }

  TRect Bounds() const override { return bounds; }
  bool HasParent() const override { return parent != nullptr; }
  bool Enabled() const override { return enabled; }
  bool Visible() const override { return true; }
  bool HasFocus() const override { return focus; }
  bool Destroying() const override { return false; }
  bool Windowed() const override { return windowed; }
  bool HasWindow() const override { return windowed; }
  bool CursorInside() const override { return cursorInside; }
  uint32_t Color() const override { return color; }
  uint32_t ParentColor() const override { return parent ? parent->color : color; }
  uint32_t FontColor() const override { return fontColor; }
  uint32_t ParentFontColor() const override { return parent ? parent->fontColor : fontColor; }
  void ApplyColors(uint32_t c, uint32_t f) override { color = c, fontColor = f; }
  intptr_t SendToSelf(uint16_t command, uint16_t argument, intptr_t lParam) override;
  intptr_t SendToParent(uint16_t command, uint16_t argument, intptr_t lParam) override;
  void SendToChildren(uint16_t command, uint16_t argument, intptr_t lParam, bool windowedOnly) override;
  bool HasChildren() const override { return !children.empty(); }
  void Redraw(bool) override { ++redraws; }
  void ShowPicture(const PixelBuffer& picture) override;
  void PaintChildrenInto(const PixelBuffer&) override {}
  std::unique_ptr<TacHeldResource> StartTimer(int milliseconds, std::function<void()> tick) override;

  FakeOwner* parent;
  std::vector<FakeOwner*> children;
  TRect bounds;
  bool enabled = true, focus = false, windowed = false, cursorInside = false;
  uint32_t color = 0xF0F0F0, fontColor = 0;
  Handler handler;
  std::vector<uint16_t> received;
  std::vector<PixelImage> shown;
  int redraws = 0;
  ManualTimers* timers;
  std::unique_ptr<TsCtrlSkinData> data;
};

// A button-like owner: its cache is filled with one colour per state, so a fade's frames
// show how far it has come.
struct FakeButton {
  FakeButton(FakeOwner* parent, TRect bounds, ManualTimers& timers, bool windowed = false);
  int state = 0;
  std::vector<uint32_t> stateColors{0x000000, 0xFFFFFF, 0x808080};
  FakeOwner owner;
  // The channel value of each frame the fade showed (graphic: at SC_REPAINT).
  std::vector<int> frames;
  // The fade's v (its rounded glow) at each of those frames.
  std::vector<int> glows;
  int prepared = 0;
  void RecordFrame();
};
