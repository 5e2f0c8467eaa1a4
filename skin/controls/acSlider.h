#pragma once
// TsSlider: the skinned two-state switch. Its track is the slider's own picture from
// "SLIDER_ON"/"SLIDER_OFF" ("PANEL_LOW" when the skin lacks them); the thumb is a child
// window, TsButtonPanel, from "THUMB_ON"/"THUMB_OFF" ("PANEL"). A click slides the thumb
// to the other end while the track cross-fades; the thumb can be dragged. Without a skin
// both are plain bevelled panels. The state may be read from any thread.
#include <functional>
#include <string>

#include "skin/controls/logic/acSliderCore.h"
#include "skin/controls/sPanel.h"

class TsSlider;

// The thumb: holds the mouse while its left button is down and tells the slider.
class TsButtonPanel : public TsPanel {
 public:
  explicit TsButtonPanel(TsSlider& slider);

  // Places the thumb in the slider, in pixels (the slider lays it out at its density).
  void Place(const TRect& r);
  RECT BoundsRect() override;

 protected:
  void WndProc(marv::Message& m) override;
  // The slider answers with its own picture: the thumb shows the track under it.
  TPoint CacheOffset() override { return {place_.Left, place_.Top}; }
  void PaintSection(const TCacheInfo& track, int state, const PixelBuffer& cache) override;

 private:
  TsSlider& slider_;
  TRect place_;
};

class TsSlider : public TsPanel, private IacSliderView, private IacFrameClock {
 public:
  explicit TsSlider(std::wstring name);

  bool SliderOn() const { return core_.SliderOn(); }
  void SetSliderOn(bool on) { core_.SetSliderOn(on); }
  bool Reversed() const { return core_.Shape().Reversed; }
  void SetReversed(bool v);
  bool KeepThumbAspectRatio() const { return core_.Shape().KeepThumbAspectRatio; }
  void SetKeepThumbAspectRatio(bool v);
  int ThumbSizeInPercent() const { return core_.Shape().ThumbSizeInPercent; }
  void SetThumbSizeInPercent(int v);
  TacSliderOrientation Orientation() const { return core_.Shape().Orientation; }
  void SetOrientation(TacSliderOrientation v);
  // The thumb's section chosen by the program; empty: by state.
  const std::string& ThumbSection() const { return thumbSection_; }
  void SetThumbSection(std::string section);
  void SetSliderCursor(marv::MouseCursor cursor);
  TacOffset& CustomThumbOffset() { return offsets_; }

  // No painting while an update is open.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate(bool repaint);

  TsButtonPanel& Thumb() { return *thumb_; }
  const TRect& ThumbPlace() const { return core_.Thumb(); }
  bool Changing() const { return core_.Changing(); }

  // May refuse a change of state by setting canChange to false.
  std::function<void(TsSlider& sender, bool& canChange)> OnChanging;
  // After every change of state.
  std::function<void(TsSlider& sender)> OnSliderChange;

  void OurPaint(HDC dc) override;
  // A click on the track: the framework's click, then the animated toggle.
  void Click() override;

  // The thumb's mouse, in thumb coordinates.
  void ThumbMouseDown(bool leftButton, TPoint at) { core_.ThumbMouseDown(leftButton, at); }
  void ThumbMouseMove(TPoint at) { core_.ThumbMouseMove(at); }
  void ThumbMouseUp() { core_.ThumbMouseUp(); }
  // The unskinned thumb's raised frame around its colour.
  void ThumbPaint(TsCustomPanel& thumb, const TacPanelCanvas& canvas);

 protected:
  void WndProc(marv::Message& m) override;
  void BoundsChanged() override;
  void SkinResolved() override;
  // TacSkinnedControl
  bool BeginCache() override;
  void PaintSection(const TCacheInfo& background, int state, const PixelBuffer& cache) override;
  bool OwnSkinCommand(uint16_t command, uint16_t argument, intptr_t lParam, intptr_t& result) override;
  int DefaultSkinIndex(IacSkinManagerView& manager) override;
  void SkinChanged(uint16_t command, uint16_t argument, intptr_t lParam) override;

 private:
  // The layout inputs from the control and the skin, then the thumb's place.
  void Relayout();
  void AnswerBackground(intptr_t lParam);

  // IacSliderView
  void MoveThumb(const TRect& thumb) override;
  void UpdateThumbSection(bool guard) override;
  std::string_view ThumbSection() override;
  void ApplyThumbState() override;
  void BeginStateUpdate() override;
  void EndStateUpdate() override;
  void UpdateIndexes() override;
  bool Loading() override;
  void RedrawAll(bool pictureStale) override;
  void RedrawThumbWithFrame() override;
  bool SliderHoldsCapture() override;
  bool Skinned() override;
  bool FullPaint() override { return false; }
  bool AnimationAllowed() override;
  PixelBuffer Cache() override;
  void RebuildCache() override;
  void MarkThumbStale() override;
  void SetRedraw(bool on) override;
  IacFrameClock& Clock() override { return *this; }
  // IacFrameClock
  uint64_t NowMs() override;
  void GiveWay() override;

  TacSliderCore core_{*this};
  TacOffset offsets_;
  TsButtonPanel* thumb_ = nullptr;
  std::string thumbSection_;
  int updateCount_ = 0;
};
