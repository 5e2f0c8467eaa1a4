#pragma once
// TacDialogWnd: the adapter of a system dialog (a message box). Its client area shows
// the "DIALOG" section, painted when the dialog erases its background; the system's own
// white and grey panels are never drawn. Its children are handed to their adapters on the
// first erase or frame paint, and again when the dialog says new ones came. It answers
// WM_CTLCOLORDLG with the skin's brush and keeps the system's caption buttons away
// (no WS_SYSMENU).
//
// The frame is the system's for now: the client picture is its own, at ClientOffset() 0.
// A skinned frame brings one picture of the whole window; the client background is then
// the part of it at the client's offset, which is the one place that changes.
#include "skin/forms/acMainWnd.h"

class TacDialogBrush;
class TacProvider;

class TacDialogWnd final : public TacMainWnd {
 public:
  TacDialogWnd(HWND window, TsSkinManager& manager, TacProvider& provider, TacDialogBrush& brush);

  // The styles the dialog is skinned with; the skin told it is loaded.
  void Setup();
  bool ChildrenHooked() const { return initialized_; }

 protected:
  void AfterCreation() override;
  LRESULT acWndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OwnSkinCommand(uint16_t command, uint16_t argument, LPARAM lParam, LRESULT& result) override;
  bool PaintTo(HDC dc) override;

 private:
  void HookChildren(bool again);
  bool PaintClientPicture();
  // Where the client area lies in the dialog's picture.
  TPoint ClientOffset() const { return {0, 0}; }
  COLORREF GlobalColor() const;

  TacProvider& provider_;
  TacDialogBrush& brush_;
  bool initialized_ = false;
  bool wmPaintForbidden_ = true;
};
