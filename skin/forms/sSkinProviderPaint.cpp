// The provider's pictures: the frame picture built once per change, the frame and the
// client copied from it, single caption buttons and their fades, and the window region.
#include <algorithm>

#include "framework/Dpi.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinManagerView.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/paint/acBlend.h"

namespace {

int FadeSlot(int hitCode) {
  switch (hitCode) {
    case kHitClose: return 0;
    case kHitMaxButton: return 1;
    case kHitMinButton: return 2;
    default: return 3;
  }
}

}  // namespace

void TsSkinProvider::LayTitle() {
  const TacSkinData* data = skin_->Data().CommonSkinData();
  if (!data) return;
  sections_ = FindFrameSections(*data);
  const TacFormFrame f = FrameInfo();
  const TacSystemMetrics metrics = Metrics();
  const int frame = FrameWidth();
  const int caption = ::CaptionHeight(f, metrics);
  const TacTitleInput in{f, MenuRules(), FramePictureSize(f, frame, caption), frame, frame, caption,
                         FormShowsIcon(f), {}};
  title_ = LayTitleOut(in, TitleSkinOf(*data));
  clicks_.ApplyTo(title_);
}

PixelImage TsSkinProvider::IconPicture() const {
  const TRect r = title_.IconRect;
  if (r.IsEmpty()) return {};
  HICON icon = reinterpret_cast<HICON>(SendMessageW(form_.Handle(), WM_GETICON, ICON_SMALL2, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(form_.Handle(), GCLP_HICONSM));
  if (!icon) {
    icon = static_cast<HICON>(LoadImageW(nullptr, MAKEINTRESOURCEW(32512), IMAGE_ICON, r.Width(), r.Height(), LR_SHARED));
  }
  if (!icon) return {};
  marv::DibBitmap dib(r.Width(), r.Height());
  if (dib.Empty()) return {};
  DrawIconEx(dib.Dc(), 0, 0, icon, r.Width(), r.Height(), 0, nullptr, DI_NORMAL);
  GdiFlush();
  const PixelBuffer px = dib.Pixels();
  PixelImage out(r.Width(), r.Height());
  bool anyAlpha = false;
  for (int y = 0; y < px.height; ++y)
    for (int x = 0; x < px.width; ++x) anyAlpha |= PixelA(px.at(x, y)) != 0;
  for (int y = 0; y < px.height; ++y)
    for (int x = 0; x < px.width; ++x) {
      const uint32_t p = px.at(x, y);
      const uint32_t a = PixelA(p);
      if (!anyAlpha) {
        // An icon without an alpha channel: every pixel drawn counts as opaque.
        out.at(x, y) = (p & 0xFFFFFF) ? (p | 0xFF000000) : 0;
      } else if (a && a < 255) {
        // DrawIconEx leaves premultiplied pixels; the picture takes straight alpha.
        out.at(x, y) = MakePixel(std::min(255u, PixelR(p) * 255 / a), std::min(255u, PixelG(p) * 255 / a),
                                 std::min(255u, PixelB(p) * 255 / a), a);
      } else {
        out.at(x, y) = p;
      }
    }
  return out;
}

TacFramePictureInput TsSkinProvider::PictureInput() const {
  TacFramePictureInput in;
  in.Data = skin_->Data().CommonSkinData();
  in.Sections = sections_;
  in.Active = formActive_;
  in.Enabled = form_.Handle() && IsWindowEnabled(form_.Handle());
  in.Title = title_;
  in.Caption.assign(form_.Caption().begin(), form_.Caption().end());
  const marv::Font& font = form_.GetFont();
  in.CaptionFont.Face.assign(font.Face().begin(), font.Face().end());
  in.CaptionFont.Height = -RoundScaled(13, form_.CurrentDpi(), 96);
  in.CaptionFont.Charset = font.Charset();
  in.Painter = const_cast<TacGdiTextPainter*>(&text_);
  in.Icon = icon_.view();
  for (size_t i = 0; i < fades_.size(); ++i) in.Fading[i] = fades_[i] != nullptr;
  return in;
}

bool TsSkinProvider::PaintAll() {
  if (!FrameSkinned()) return false;
  LayTitle();
  const TacFormFrame f = FrameInfo();
  const TPoint size = FramePictureSize(f, FrameWidth(), ::CaptionHeight(f, Metrics()));
  if (size.X <= 0 || size.Y <= 0) return false;
  if (picture_.Width() != size.X || picture_.Height() != size.Y) {
    if (!picture_.Resize(size.X, size.Y)) return false;
  }
  icon_ = IconPicture();
  GdiFlush();
  PaintFramePicture(PictureInput(), picture_.Pixels(), titleEnd_);
  if (form_.OnPaint && f.State != TacWindowState::wsMinimized) {
    // The form's own painting goes onto the picture, at the client's place.
    const TPoint o = ClientOffset();
    HDC dc = picture_.Dc();
    POINT old;
    SetViewportOrgEx(dc, o.X, o.Y, &old);
    form_.OnPaint(form_, dc);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
    GdiFlush();
  }
  pictureStale_ = false;
  return true;
}

void TsSkinProvider::ExcludeClient(HDC windowDc) const {
  RECT window, client;
  GetWindowRect(form_.Handle(), &window);
  GetClientRect(form_.Handle(), &client);
  POINT topLeft{0, 0};
  ClientToScreen(form_.Handle(), &topLeft);
  const int x = topLeft.x - window.left, y = topLeft.y - window.top;
  ExcludeClipRect(windowDc, x, y, x + client.right, y + client.bottom);
}

void TsSkinProvider::PaintFrameTo(HDC dc) {
  if (!dc || picture_.Empty()) return;
  // The client area is the form's own; only the frame around it comes from here.
  ExcludeClient(dc);
  CopyPictureToDC(dc, picture_.Pixels(), 0, 0);
}

void TsSkinProvider::RepaintFrame() {
  const HWND w = form_.Handle();
  if (!w || !FrameSkinned() || lockCount_ > 0 || !IsWindowVisible(w)) return;
  if (SyncBorderWindow(true)) return;  // the border window shows the frame
  if (pictureStale_ || picture_.Empty()) {
    if (!PaintAll()) return;
  }
  if (rgnChanged_) UpdateRegion();
  marv::WindowDcScope dc(w, true);
  PaintFrameTo(dc.get());
}

void TsSkinProvider::PaintClient(HDC dc, const RECT& area) {
  RECT client;
  GetClientRect(form_.Handle(), &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  if (pictureStale_ || picture_.Empty()) PaintAll();
  if (clientBuffer_.Width() != client.right || clientBuffer_.Height() != client.bottom)
    clientBuffer_.Resize(client.right, client.bottom);
  HDC buffer = clientBuffer_.Dc();
  if (!buffer || picture_.Empty()) return;
  GdiFlush();
  const TPoint o = ClientOffset();
  CopyBitmapRect(clientBuffer_.Pixels(), {0, 0, client.right, client.bottom}, picture_.Pixels(), {o.X, o.Y});
  form_.PaintControls(buffer, area);
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, buffer, area.left, area.top,
         SRCCOPY);
}

void TsSkinProvider::UpdateRegion() {
  rgnChanged_ = false;
  const TacSkinData* data = skin_->Data().CommonSkinData();
  const HWND w = form_.Handle();
  if (!data || !w) return;
  const TacFormFrame f = FrameInfo();
  if (f.ChildWindow) return;
  if (borderForm_) {
    borderForm_->CutOwnerRegion();
    hasRegion_ = true;
    return;
  }
  const std::vector<TRect> holes = FrameRegionHoles(*data, sections_, f.WindowSize);
  if (holes.empty()) {
    if (hasRegion_) SetWindowRgn(w, nullptr, TRUE);
    hasRegion_ = false;
    return;
  }
  HRGN region = CreateRectRgn(0, 0, f.WindowSize.X, f.WindowSize.Y);
  for (const TRect& h : holes) {
    HRGN hole = CreateRectRgn(h.Left, h.Top, h.Right, h.Bottom);
    CombineRgn(region, region, hole, RGN_DIFF);
    DeleteObject(hole);
  }
  // The window owns the region from here on.
  if (SetWindowRgn(w, region, TRUE)) hasRegion_ = true;
  else DeleteObject(region);
}

bool TsSkinProvider::FadesAllowed() const {
  IacSkinManagerView* manager = skin_->Data().SkinManager();
  // The fades' glyph windows sit over the form's own title, which a border window replaces.
  return manager && manager->Effects().AllowGlowing && !FrameInfo().ChildWindow && !borderForm_;
}

void TsSkinProvider::ShowButton(const TacCaptionButton& button) {
  const HWND w = form_.Handle();
  if (!w || picture_.Empty() || !IsWindowVisible(w) || lockCount_ > 0) return;
  if (SyncBorderWindow(true)) return;
  const TRect r = button.Rect.Intersect({0, 0, picture_.Width(), picture_.Height()});
  if (r.IsEmpty()) return;
  marv::WindowDcScope dc(w, true);
  ExcludeClient(dc.get());
  CopyPictureToDC(dc.get(), picture_.Pixels().sub(r.Left, r.Top, r.Width(), r.Height()), r.Left, r.Top);
}

TRect TsSkinProvider::VisibleButtonRect(const TacCaptionButton& button) const {
  // A glyph taller than the system's caption stays inside the window's frame.
  return button.Rect.Intersect({0, 0, picture_.Width(), ClientOffset().Y});
}

const TacSBAnimation* TsSkinProvider::ButtonFade(int hitCode) const { return fades_[FadeSlot(hitCode)].get(); }

void TsSkinProvider::KillAnimations() {
  for (auto& fade : fades_) fade.reset();
}

void TsSkinProvider::ButtonStateChanged(int hitCode, int state) {
  TacCaptionButton* button = title_.ButtonByHitCode(hitCode);
  if (!button || !button->Visible() || picture_.Empty()) return;
  button->State = state;
  const int slot = FadeSlot(hitCode);
  if (!FadesAllowed()) {
    PaintCaptionButton(PictureInput(), *button, false, picture_.Pixels(), titleEnd_.view());
    ShowButton(*button);
    return;
  }
  std::unique_ptr<TacSBAnimation>& fade = fades_[slot];
  if (state <= 0) {
    if (fade) fade->ChangeState(0, true);  // may free the fade: nothing after it
    return;
  }
  if (!fade) {
    fade = std::make_unique<TacSBAnimation>(
        form_.Handle(),
        [this, hitCode](int s) {
          const TacCaptionButton* b = title_.ButtonByHitCode(hitCode);
          if (!b) return PixelImage(1, 1);
          const PixelImage whole = CaptionButtonImage(PictureInput(), *b, s, titleEnd_.view(), picture_.Width());
          const TRect shown = VisibleButtonRect(*b);
          PixelImage part(std::max(shown.Width(), 1), std::max(shown.Height(), 1));
          CopyBitmapRect(part.view(), {0, 0, part.width(), part.height()}, whole.view(),
                         {shown.Left - b->Rect.Left, shown.Top - b->Rect.Top});
          return part;
        },
        [this, hitCode] {
          RECT window{};
          GetWindowRect(form_.Handle(), &window);
          const TacCaptionButton* b = title_.ButtonByHitCode(hitCode);
          const TRect shown = b ? VisibleButtonRect(*b) : TRect{};
          return POINT{window.left + shown.Left, window.top + shown.Top};
        },
        [this, slot](TacSBAnimation&) { fades_[slot].reset(); });
    // Under the glyph window the button stays in its normal look.
    PaintCaptionButton(PictureInput(), *button, true, picture_.Pixels(), titleEnd_.view());
    ShowButton(*button);
  }
  IacSkinManagerView* manager = skin_->Data().SkinManager();
  fade->ChangeState(state, manager && manager->Effects().AllowAnimation);
}
