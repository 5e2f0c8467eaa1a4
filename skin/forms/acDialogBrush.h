#pragma once
// The brush skinned dialogs answer WM_CTLCOLORDLG with: one solid brush in the skin's
// colour, made when the colour is first asked for and again only when it changes, and
// shared by every dialog (never one brush a message).
#include <windows.h>

#include "common/GdiHandles.h"

class TacDialogBrush {
 public:
  HBRUSH For(COLORREF color);

 private:
  marv::UniqueBrush brush_;
  COLORREF color_ = CLR_INVALID;
};
