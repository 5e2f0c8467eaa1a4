#pragma once
// TsCustomPanel and TsPanel: the skinned panel base. A window with a skin binding whose
// picture is painted into the binding's cache (PrepareCache) and copied to the window
// (OurPaint); without a skin it is a plain panel: its colour inside bevel lines.
#include <functional>
#include <memory>

#include "framework/WinControl.h"
#include "skin/controls/acSkinnedControl.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised };

// What OnPaint draws on: the cache picture when skinned, the window's DC when not.
struct TacPanelCanvas {
  PixelBuffer Pixels;
  HDC Dc = nullptr;
};

class TsCustomPanel : public marv::WinControl, public TacSkinnedControl {
 public:
  explicit TsCustomPanel(std::wstring name, TacControlKind kind = TacControlKind::Panel);

  using TacSkinnedControl::SkinData;

  TBevelCut BevelInner() const { return bevelInner_; }
  TBevelCut BevelOuter() const { return bevelOuter_; }
  int BevelWidth() const { return bevelWidth_; }
  int BorderWidth() const { return borderWidth_; }
  void SetBevelInner(TBevelCut v);
  void SetBevelOuter(TBevelCut v);
  void SetBevelWidth(int v);
  void SetBorderWidth(int v);
  // The border width plus the bevel width for each bevel that is drawn.
  int BevelAndBorder() const;

  // After the panel's own painting, on the canvas it painted.
  std::function<void(TsCustomPanel& sender, const TacPanelCanvas& canvas)> OnPaint;

  // Puts the cache picture on the window, rebuilding it first when stale.
  virtual void OurPaint(HDC dc);

 protected:
  void WndProc(marv::Message& m) override;
  void PaintBackground(HDC dc, const RECT& area) override;
  void Paint(HDC dc) override;
  // TacSkinnedControl: the panel is painted over what its parent shows, or over the
  // section's own colour while it has no parent or skin; OnPaint adds the content.
  std::optional<TCacheInfo> CacheBackground() override;
  void PaintContent(const TCacheInfo& background, int state, const PixelBuffer& cache) override;
  bool OwnSkinCommand(uint16_t command, uint16_t argument, intptr_t lParam, intptr_t& result) override;
  int DefaultSkinIndex(IacSkinManagerView& manager) override;
  // The manager turns active only after its skin-loaded broadcast: a panel that could not
  // find its section then looks again before it paints. SkinResolved follows a success.
  void ResolveLate();
  virtual void SkinResolved() {}
  // The unskinned look: bevels around the colour.
  void PaintPlain(HDC dc);

 private:
  void Changed();

  TBevelCut bevelInner_ = TBevelCut::bvNone;
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
};

class TsPanel : public TsCustomPanel {
 public:
  using TsCustomPanel::TsCustomPanel;
};

// Draws a 3-D frame `width` lines thick inside r (top and left in `topLeft`, bottom
// and right in `bottomRight`, COLORREF) and shrinks r by it.
void Frame3D(HDC dc, RECT& r, COLORREF topLeft, COLORREF bottomRight, int width);
