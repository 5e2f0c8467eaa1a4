#pragma once
// Display scaling on the window framework: a form as the skin manager rescales it, the
// density a control is drawn at, and the skin's share of a change of monitor density.
#include "framework/Form.h"
#include "skin/data/sSkinManager.h"

class TacFormScaling final : public IacScalableControl {
 public:
  explicit TacFormScaling(marv::Form& form) : form_(form) {}

  bool IsForm() const override { return true; }
  void SetScaled(bool scaled) override { form_.SetScaled(scaled); }
  // The form's answer to SC_GETPPI; a form that gives none is at its framework density.
  int AskPPI() override;
  TPoint ClientSize() override;
  TRect BoundsRect() override;
  void ScaleBy(int mul, int div, int ppi) override;
  void SetPosition(int left, int top) override;
  void SetClientSize(int width, int height) override;
  void SendSetPPI(int ppi) override;
  void InvalidateOnScreen(const TRect& r) override;

 private:
  marv::Form& form_;
};

// Pixels per inch to draw `ctrl` at (Manager null: the default manager; ctrl null: the
// system's). Without a mode of its own: a windowed control at its form's density (96
// before it has a window), a window-less one at its parent's, else the screen's.
int GetControlPPI(const TsSkinManager* Manager, marv::Control* ctrl, bool OnlyActive);

// After the framework has laid a form out for a new monitor density, the default
// manager rescales it (which tells the form, SC_SETPPI). Each form is followed once.
void FollowMonitorDensity(marv::Form& form);
