#pragma once
// What a border window asks of the window it frames (a form's provider, later a dialog's
// adapter): its numbers, its caption buttons, its hot button and its picture.
#include <windows.h>

#include "pixels/PixelBuffer.h"
#include "skin/forms/logic/acBorderGeometry.h"

class IacBorderOwner {
 public:
  virtual HWND OwnerHandle() const = 0;
  // Extended borders are in effect for the owner right now (skin active, allowed, a
  // frame, no parent).
  virtual bool ExtendedBordersAllowed() const = 0;
  // The owner's numbers for a border window of the given size (hit test input without
  // the owner-state fields, which the border window fills itself).
  virtual TacBorderHitInput BorderHitInput() const = 0;
  // The client area with its menu line, in border-window coordinates.
  virtual TRect ClientHole() const = 0;
  // The picture to show (straight alpha), rebuilt when stale; empty when none can be made.
  virtual PixelBuffer BorderPicture() = 0;
  // Blur-behind wanted (skin, manager and system allow it): the side of the corner squares
  // whose black pixels stay unblurred; -1: no blur.
  virtual int BlurCornerSide() const { return -1; }
  // The owner's alpha-blend value (255 without one).
  virtual uint8_t OwnerAlpha() const { return 255; }
  // A caption button became hot (its hit code) or none did (0).
  virtual void SetHotButton(int hitCode) = 0;
  virtual void KillButtonFades() = 0;

 protected:
  ~IacBorderOwner() = default;
};
