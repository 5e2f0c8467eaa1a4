#pragma once
// TacBorderForm: the extended border window of one owner. A layered, never-activated
// window placed exactly around the owner shows the owner's frame picture (title,
// borders, soft shadow) with a hole over its client area, and turns the mouse input it
// gets into the owner's non-client messages, so moving, sizing, the caption buttons and
// the system menu work as on a normal frame. The shadow beyond the frame lets the mouse
// through to what lies below.
#include <windows.h>

#include <memory>
#include <vector>

#include "skin/forms/acBorderOwner.h"
#include "skin/forms/acGlowForm.h"
#include "skin/forms/logic/acBorderGeometry.h"

class TacBorderForm {
 public:
  explicit TacBorderForm(IacBorderOwner& owner);
  ~TacBorderForm();
  TacBorderForm(const TacBorderForm&) = delete;
  TacBorderForm& operator=(const TacBorderForm&) = delete;

  // Makes the window (owned by the owner's window) when it is missing.
  void CreateNewForm();
  // Brings position, picture and z-order up to date; blend 255 is fully opaque. Without
  // redraw and with an unchanged size the window is only moved.
  void UpdateExBordersPos(bool redraw = true, uint8_t blend = 255);
  // The window region for the current window size, as disjoint rectangles.
  std::vector<TRect> MakeRgn() const;
  // The owner's hit code for a screen point.
  int Ex_WMNCHitTest(POINT screen) const;
  // True where the mouse passes through the shadow to what lies below.
  bool OutsideFrame(POINT screen);

  int OffsetX() const;
  int OffsetY() const;
  HWND Handle() const { return form_ ? form_->Handle() : nullptr; }
  // Cuts the owner's own region down to its client area with the menu line.
  void CutOwnerRegion();
  // The owner went away or hid: the window goes too, and is made again on the next update.
  void FreeWindow();
  bool Locked = false;

 private:
  void BorderProc(marv::Message& m, const marv::MessageHandler& old);
  bool MouseMessage(marv::Message& m);
  void PassToOwner(UINT msg, WPARAM code, LPARAM point) const;
  void DoubleClick(int code);
  void DragMaximized(POINT cursor);
  void PunchHole(POINT screen);
  void SetBlurBehind(const PixelBuffer& picture);
  void KeepNextToOwner(UINT extraFlags);
  void ApplyRegion(const std::vector<TRect>& rects);
  TacBorderHitInput HitInput() const;
  POINT ToWindow(POINT screen) const;

  IacBorderOwner& owner_;
  std::unique_ptr<TacGlowForm> form_;  // the window; made on demand, freed when not needed
  HWND parentHandle_ = nullptr;        // the window's owner before the border took it
  POINT lastMousePos_{-9999, -9999};
  bool mainRgnReady_ = false;
  bool inMouseMsg_ = false;     // a click-through hole is being punched
  bool maxMoving_ = false;      // the caption of a maximized owner is pressed
  bool resetRgn_ = false;       // a click-through hole must be closed again
  bool showing_ = false;        // an update is running
  bool placing_ = false;        // the window is being put next to its owner
  SIZE size_{};
  TacBorderStretch stretchX_, stretchY_;
};
