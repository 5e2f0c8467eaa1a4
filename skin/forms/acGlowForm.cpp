#include "skin/forms/acGlowForm.h"

#include "framework/DibBitmap.h"

TacGlowForm::TacGlowForm(HWND owner) : marv::Form(L"TacGlowForm"), owner_(owner) {
  SetBorderStyle(marv::BorderStyle::None);
  SetTag(kSkinExclusionTag);
  SetScaled(false);
}

void TacGlowForm::FillCreateParams(CreateParams& params) {
  marv::Form::FillCreateParams(params);
  // A class of its own, so that no drop shadow of the form class comes along.
  params.className = L"TacGlowForm";
  params.style = WS_POPUP;
  params.exStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED;
  params.parent = owner_;
}

void TacGlowForm::WndProc(marv::Message& m) {
  switch (m.Msg) {
    case WM_NCHITTEST:
      if (TransparentMouse) {
        m.Result = HTTRANSPARENT;
        return;
      }
      break;
    case WM_MOUSEACTIVATE:
      m.Result = MA_NOACTIVATE;
      return;
    default:
      break;
  }
  marv::Form::WndProc(m);
}

bool TacGlowForm::ShowPicture(const PixelBuffer& picture, POINT at, uint8_t opacity) {
  HandleNeeded();
  if (!Handle()) return false;
  opacity_ = opacity;
  at_ = at;
  size_ = {picture.width, picture.height};
  const bool shown = UpdateLayeredPicture(Handle(), picture, at, opacity);
  if (shown && !IsWindowVisible(Handle()))
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  return shown;
}

bool TacGlowForm::SetOpacity(uint8_t opacity) {
  if (!Handle()) return false;
  opacity_ = opacity;
  BLENDFUNCTION blend{AC_SRC_OVER, 0, opacity, AC_SRC_ALPHA};
  return UpdateLayeredWindow(Handle(), nullptr, nullptr, nullptr, nullptr, nullptr, 0, &blend, ULW_ALPHA) != FALSE;
}

void TacGlowForm::HideWindow() {
  if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

bool TacGlowForm::Showing() const { return Handle() && IsWindowVisible(Handle()); }

bool UpdateLayeredPicture(HWND window, const PixelBuffer& picture, POINT at, uint8_t opacity) {
  if (!window || picture.empty()) return false;
  marv::DibBitmap dib(picture.width, picture.height);
  if (dib.Empty()) return false;
  const PixelBuffer out = dib.Pixels();
  for (int y = 0; y < picture.height; ++y) {
    const uint32_t* s = picture.row(y);
    uint32_t* d = out.row(y);
    for (int x = 0; x < picture.width; ++x) {
      const uint32_t p = s[x], a = PixelA(p);
      d[x] = a == 255 ? p : MakePixel(PixelR(p) * a / 255, PixelG(p) * a / 255, PixelB(p) * a / 255, a);
    }
  }
  SIZE size{picture.width, picture.height};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, opacity, AC_SRC_ALPHA};
  HDC screen = GetDC(nullptr);
  const BOOL ok = UpdateLayeredWindow(window, screen, &at, &size, dib.Dc(), &origin, 0, &blend, ULW_ALPHA);
  if (screen) ReleaseDC(nullptr, screen);
  return ok != FALSE;
}
