#include "skin/forms/acProviderBorder.h"

#include "skin/data/acOptionsFile.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinManagerView.h"
#include "skin/forms/logic/acHitCodes.h"
#include "skin/forms/sSkinProvider.h"

namespace {

struct WindowPlace {
  RECT Window{};
  POINT Client{};  // the client area's top-left on the screen
};

WindowPlace PlaceOf(HWND w) {
  WindowPlace p;
  GetWindowRect(w, &p.Window);
  ClientToScreen(w, &p.Client);
  return p;
}

}  // namespace

HWND TacProviderBorder::OwnerHandle() const { return provider_.Form().Handle(); }

const TacSkinData* TacProviderBorder::Data() const { return provider_.SkinData().CommonSkinData(); }

bool TacProviderBorder::ExtendedBordersAllowed() const {
  const TacSkinData* data = Data();
  if (!data || !data->FOwner || !data->FOwner->Settings().ExtendedBorders || !provider_.FrameSkinned()) return false;
  const TacFormFrame f = provider_.FrameInfo();
  return f.BorderStyle != TacBorderStyle::bsNone && !f.ChildWindow;
}

int TacProviderBorder::ExtraTitleHeight() const {
  const TacSkinData* data = Data();
  if (!data || provider_.CaptionHeight() == 0) return 0;
  const TacFormFrame f = provider_.FrameInfo();
  return std::max(0, data->ExMaxHeight - SysCaptionHeight(f, provider_.Metrics()) - 4);
}

TacBorderMetrics TacProviderBorder::Metrics() const {
  TacBorderMetrics m;
  const TacSkinData* data = Data();
  const HWND w = OwnerHandle();
  if (!data || !w) return m;
  m.ExBorderWidth = data->ExBorderWidth;
  m.Shadow = data->FormShadowSize;
  // The system frame and caption as the window really has them, so that the client area
  // lands exactly in the picture's hole.
  const WindowPlace place = PlaceOf(w);
  const TacFormFrame f = provider_.FrameInfo();
  const int menu = GetMenu(w) ? provider_.Metrics().CYMenu : 0;
  m.SysFrame = place.Client.x - place.Window.left - f.BorderWidth;
  m.SysCaptionHeight = place.Client.y - place.Window.top - m.SysFrame - menu - f.BorderWidth;
  if (provider_.CaptionHeight() > 0)
    m.TitleHeight = f.State == TacWindowState::wsMaximized ? data->ExMaxHeight : data->ExTitleHeight;
  m.CaptionHeight = m.TitleHeight;
  return m;
}

TacBorderFrame TacProviderBorder::Frame() const {
  const TacBorderMetrics m = Metrics();
  const TacFormFrame f = provider_.FrameInfo();
  const HWND w = OwnerHandle();
  return {m.Shadow, m.ExBorderWidth, m.TitleHeight, w && GetMenu(w) ? provider_.Metrics().CYMenu : 0,
          f.BorderWidth, f.ClientSize};
}

TacTitleLayout TacProviderBorder::Title() const {
  const TacSkinData* data = Data();
  if (!data) return {};
  const TacBorderFrame frame = Frame();
  const TRect r = BorderFrameRect(frame);
  const TacFormFrame f = provider_.FrameInfo();
  const TacTitleInput in{f, provider_.MenuRules(), {r.Width(), r.Height()}, frame.ExBorderWidth, 0,
                         frame.TitleHeight, FormShowsIcon(f), {}};
  TacTitleLayout t = BorderTitleLayout(in, TitleSkinOf(*data), data->ExCenterOffs);
  // Hover and press live in the provider's own layout.
  const TacTitleLayout& own = provider_.Title();
  for (TacCaptionButton* b : t.Buttons()) {
    for (const TacCaptionButton* o : own.Buttons())
      if (o->HitCode == b->HitCode && b->Visible()) b->State = std::max(0, o->State);
  }
  return t;
}

TacBorderHitInput TacProviderBorder::BorderHitInput() const {
  TacBorderHitInput in;
  in.Metrics = Metrics();
  const TacSkinData* data = Data();
  const TacFormFrame f = provider_.FrameInfo();
  const HWND w = OwnerHandle();
  in.MenuLineHeight = w && GetMenu(w) ? provider_.Metrics().CYMenu : 0;
  in.Sizable = IsSizable(f.BorderStyle);
  if (data) {
    in.ExDrawMode = data->ExDrawMode;
    in.ExShadowOffs = {data->ExShadowOffs, data->ExShadowOffsT, data->ExShadowOffsR, data->ExShadowOffsB};
  }
  // The title's parts sit in the frame, which starts where the shadow ends.
  const TacTitleLayout title = Title();
  const int dx = in.Metrics.Shadow.Left, dy = in.Metrics.Shadow.Top;
  in.IconRect = title.IconRect.Offset(dx, dy);
  in.ButtonHit = [title, dx, dy](TPoint p) {
    for (const TacCaptionButton* b : title.Buttons())
      if (b->Visible() && b->Rect.Offset(dx, dy).Contains(p.X, p.Y)) return b->HitCode;
    return int(acHtTransparent);
  };
  return in;
}

TRect TacProviderBorder::ClientHole() const {
  const TacBorderFrame frame = Frame();
  const TPoint o = BorderClientOffset(frame);
  return BorderClientHole(o, frame.ClientSize.X, frame.ClientSize.Y, frame.MenuLineHeight);
}

PixelBuffer TacProviderBorder::BorderPicture() {
  const TacSkinData* data = Data();
  if (!data) return {};
  const TacBorderFrame frame = Frame();
  const TPoint size = BorderPictureSize(frame);
  if (size.X <= 0 || size.Y <= 0) return {};
  if (!stale_ && picture_.width() == size.X && picture_.height() == size.Y) return picture_.view();
  if (provider_.pictureStale_ && !provider_.PaintAll()) return {};  // the icon and caption come from it
  picture_ = PixelImage(size.X, size.Y);
  TacFramePictureInput in = provider_.PictureInput();
  in.Title = Title();
  in.Fading = {};
  PaintBorderPicture(in, frame, provider_.FormActive(), picture_.view(), titleEnd_);
  stale_ = false;
  return picture_.view();
}

int TacProviderBorder::BlurCornerSide() const {
  const TacSkinData* data = Data();
  IacSkinManagerView* manager = provider_.SkinData().SkinManager();
  if (!data || !manager || !manager->Effects().AllowAeroBluring || !provider_.CompositionOn()) return -1;
  const TacOptionsFile* options = data->Options();
  if (!options || options->ReadInteger("GLOBALINFO", "AEROBLUR", 0) == 0) return -1;
  return data->ExContentOffs;
}

uint8_t TacProviderBorder::OwnerAlpha() const {
  const marv::Form& form = provider_.Form();
  return form.AlphaBlend() ? form.AlphaBlendValue() : 255;
}

void TacProviderBorder::SetHotButton(int hitCode) { provider_.SetHotButton(hitCode); }

void TacProviderBorder::KillButtonFades() { provider_.KillAnimations(); }
