#include "skin/forms/logic/acTitleLayout.h"

#include <algorithm>

namespace {

constexpr int kMissingGlyphSide = 21;

int GlyphWidth(const TacTitleSkin& skin, TacTitleGlyph glyph) {
  const int w = skin.GlyphWidth[glyph];
  return w > 0 ? w : kMissingGlyphSide;
}

// Places a button of the glyph's width with its right edge at `right`; answers the next
// right edge.
int PlaceButton(TacCaptionButton& button, TacTitleGlyph glyph, int hitCode, int right, int vCenter,
                const TacTitleSkin& skin) {
  const int w = GlyphWidth(skin, glyph);
  const int h = skin.CloseHeight > 0 ? skin.CloseHeight : kMissingGlyphSide;
  button.State = 0;
  button.Glyph = glyph;
  button.HitCode = hitCode;
  button.Rect = TRect::FromSize(right - w, vCenter - h / 2, w, h);
  return right - w - (skin.BigButtons ? skin.BISpacing : 0);
}

void Hide(TacCaptionButton& button, int hitCode, TacTitleGlyph glyph) {
  button = TacCaptionButton{};
  button.HitCode = hitCode;
  button.Glyph = glyph;
}

}  // namespace

TacCaptionButton* TacTitleLayout::ButtonByHitCode(int code) {
  for (TacCaptionButton* b : Buttons())
    if (b->HitCode == code) return b;
  return nullptr;
}

int AutoIconSize(int captionHeight, int topMargin) {
  const int c = captionHeight - topMargin;
  return c < 48 ? 16 : c <= 64 ? 24 : 32;
}

bool FormShowsIcon(const TacFormFrame& form, bool showAppIcon) {
  return showAppIcon && form.Icons.SystemMenu &&
         (form.BorderStyle == TacBorderStyle::bsSingle || form.BorderStyle == TacBorderStyle::bsSizeable);
}

TacTitleLayout LayTitleOut(const TacTitleInput& in, const TacTitleSkin& skin) {
  TacTitleLayout t;
  const bool maximized = in.Form.State == TacWindowState::wsMaximized;
  const bool minimized = in.Form.State == TacWindowState::wsMinimized;
  t.VCenter = in.CaptionHeight / 2 + in.SideFrame / 2 + (maximized ? 2 : 0);
  t.HeaderHeight = in.TopFrame + in.CaptionHeight;
  const int left = in.SideFrame;
  int right = in.PictureSize.X - std::max(4, in.SideFrame);

  if (in.ShowIcon) {
    const int autoSide = AutoIconSize(in.CaptionHeight, skin.BITopMargin);
    const int w = in.IconSize.X > 0 ? in.IconSize.X : autoSide;
    const int h = in.IconSize.Y > 0 ? in.IconSize.Y : autoSide;
    t.IconRect = TRect::FromSize(left, t.VCenter - h / 2, w, h);
  } else {
    t.IconRect = TRect::FromSize(left, t.VCenter, 0, 0);
  }

  if (in.Rules.VisibleClose) right = PlaceButton(t.Close, tgClose, kHitClose, right, t.VCenter, skin);
  else Hide(t.Close, kHitClose, tgClose);
  const TacTitleGlyph maxGlyph = maximized ? tgNormal : tgMax;
  if (in.Rules.VisibleMax) right = PlaceButton(t.Max, maxGlyph, kHitMaxButton, right, t.VCenter, skin);
  else Hide(t.Max, kHitMaxButton, maxGlyph);
  const TacTitleGlyph minGlyph = minimized && !in.Form.IsMainForm ? tgNormal : tgMin;
  if (in.Rules.VisibleMin) right = PlaceButton(t.Min, minGlyph, kHitMinButton, right, t.VCenter, skin);
  else Hide(t.Min, kHitMinButton, minGlyph);
  if (in.Form.Icons.Help && in.Form.Icons.SystemMenu)
    right = PlaceButton(t.Help, tgHelp, kHitHelp, right - skin.Spacing, t.VCenter, skin);
  else Hide(t.Help, kHitHelp, tgHelp);
  t.ButtonsLeft = right;
  for (const TacCaptionButton* b : t.Buttons())
    if (b->Visible()) t.ButtonsLeft = std::min(t.ButtonsLeft, b->Rect.Left);

  const int textLeft = t.IconRect.Right + skin.Spacing + skin.BILeftMargin + (skin.CaptionSection ? 2 : 0);
  const int textRight = std::max(textLeft, t.ButtonsLeft - skin.Spacing);
  t.CaptionRect = TRect{textLeft, in.TopFrame, textRight, t.HeaderHeight};
  return t;
}
