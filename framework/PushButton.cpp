#include "framework/PushButton.h"

#include "framework/Form.h"

namespace marv {

void PushButton::Click() {
  WinControl::Click();
  if (modalResult_ != mrNone) {
    if (Form* form = ParentForm()) form->SetModalResult(modalResult_);
  }
}

void PushButton::FillCreateParams(CreateParams& params) {
  WinControl::FillCreateParams(params);
  params.className = L"MarvButton";
  params.baseClassName = L"BUTTON";
  params.style |= WS_TABSTOP | (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

void PushButton::WndProc(Message& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      if (HIWORD(m.WParam) == BN_CLICKED) Click();
      return;
    // The system class draws the button and turns the mouse into BN_CLICKED.
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
      DefaultHandler(m);
      return;
    default:
      WinControl::WndProc(m);
  }
}

}  // namespace marv
