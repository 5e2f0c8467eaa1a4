#pragma once
// TsSkinProvider: gives one form the skin's frame. It puts its own window procedure in
// front of the form's (the previous one is kept and given back), paints title, borders,
// caption buttons and the client background into one frame picture, copies that picture
// to the screen when the system asks for non-client or background painting (the system
// never draws its own frame), answers hit tests for its buttons, runs their hover, press
// and fade, shows the skinned system menu and cuts the window region to the skin's shape.
#include <windows.h>

#include <array>
#include <functional>
#include <memory>

#include "framework/DibBitmap.h"
#include "framework/Form.h"
#include "skin/forms/acBorderForm.h"
#include "skin/forms/acProviderBorder.h"
#include "skin/controls/acControlSkinOwner.h"
#include "skin/data/acSystemLook.h"
#include "skin/forms/acSBAnimation.h"
#include "skin/forms/logic/acCaptionClicks.h"
#include "skin/forms/logic/acFrameGeometry.h"
#include "skin/forms/logic/acFrameHitTest.h"
#include "skin/forms/logic/acFramePicture.h"
#include "skin/forms/sSystemMenu.h"
#include "skin/paint/acGdiTextPainter_win.h"

class TsSkinProvider {
 public:
  // A provider made for a form that has none: its initialisation waits for the form's
  // first non-client message.
  static std::unique_ptr<TsSkinProvider> CreateRT(marv::Form& form);
  TsSkinProvider(marv::Form& form, bool deferred);
  ~TsSkinProvider();
  TsSkinProvider(const TsSkinProvider&) = delete;
  TsSkinProvider& operator=(const TsSkinProvider&) = delete;

  marv::Form& Form() const { return form_; }
  TsCommonData& SkinData() { return skin_->Data(); }
  // The provider of a form, by asking it (SC_GETPROVIDER); null when it has none.
  static TsSkinProvider* Of(HWND form);

  // The system look the frame rules ask (composition, for the activation path); the
  // running system's unless a test sets another.
  void SetSystemLook(const ISystemLook* look) { look_ = look; }
  bool CompositionOn() const;

  // Runs the deferred initialisation now, when it is still pending.
  void InitializeNow();
  bool Initialized() const { return !rtInit_; }
  // The frame is drawn by the skin (a skin is active, drawing the frame allowed).
  bool FrameSkinned() const;
  // Rebuilds the frame picture; false when nothing could be painted.
  bool PaintAll();
  // Puts the frame on the screen (rebuilding the picture first when it is stale).
  void RepaintFrame();
  const marv::DibBitmap& Picture() const { return picture_; }
  // The extended border window around the form; null when none is in use.
  const TacBorderForm* BorderForm() const { return borderForm_.get(); }

  // Geometry at the form's density.
  TacFormFrame FrameInfo() const;
  TacSystemMetrics Metrics() const;
  int CaptionHeight() const;
  int FrameWidth() const;
  TPoint ClientOffset() const;
  const TacTitleLayout& Title() const { return title_; }
  TacSystemMenuRules MenuRules() const;

  bool FormActive() const { return formActive_; }
  int CurrentHT() const { return clicks_.CurrentHT(); }
  int CalcHitTest(POINT screen);
  void SetHotButton(int code);
  // The fade of a caption button (by hit code); null when none runs.
  const TacSBAnimation* ButtonFade(int hitCode) const;
  void KillAnimations();

  TsSystemMenu& SystemMenu() { return systemMenu_; }
  // Shows the system menu at a screen point; only for the application's active form.
  void DropSysMenu(int x, int y);
  // Runs after the form's window is gone (WM_NCDESTROY); the owner may free the provider.
  std::function<void(TsSkinProvider&)> OnWindowGone;
  // Runs a message through the provider's window procedure.
  LRESULT ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  friend class TacProviderBorder;
  struct Hook;
  // The border window follows the form (made, updated, freed as extended borders come and
  // go); true while the form uses one.
  bool SyncBorderWindow(bool redraw);
  void BorderFollows(const marv::Message& m);
  void NewWndProc(marv::Message& m, const marv::MessageHandler& next);
  bool FrameMessage(marv::Message& m, const marv::MessageHandler& next);
  bool MouseMessage(marv::Message& m, const marv::MessageHandler& next);
  bool SkinCommand(uint16_t command, uint16_t argument, intptr_t lParam, intptr_t& result);
  void PrepareForm();
  void LayTitle();
  TacFramePictureInput PictureInput() const;
  void PaintFrameTo(HDC windowDc);
  void ExcludeClient(HDC windowDc) const;
  void PaintClient(HDC dc, const RECT& area);
  void UpdateRegion();
  void Activate(bool active);
  void ButtonStateChanged(int hitCode, int state);
  void ShowButton(const TacCaptionButton& button);
  TRect VisibleButtonRect(const TacCaptionButton& button) const;
  bool FadesAllowed() const;
  void Act(const TacFrameAction& action, POINT cursor);
  void DefaultWithoutRedraw(marv::Message& m, const marv::MessageHandler& next);
  bool OwnsActiveWindow() const;
  PixelImage IconPicture() const;

  marv::Form& form_;
  std::unique_ptr<TacControlSkinOwner> skin_;
  std::shared_ptr<TsSkinProvider*> self_;
  marv::MessageHandler previous_;
  const ISystemLook* look_ = nullptr;
  bool rtInit_ = false;
  bool pictureStale_ = true;
  bool formActive_ = true;
  bool rgnChanged_ = true;
  bool inAero_ = false;
  int lockCount_ = 0;
  TacFrameSections sections_;
  TacTitleLayout title_;
  TacCaptionClicks clicks_;
  marv::DibBitmap picture_;
  PixelImage titleEnd_;
  PixelImage icon_;
  marv::DibBitmap clientBuffer_;
  bool hasRegion_ = false;
  TacGdiTextPainter text_;
  TsSystemMenu systemMenu_;
  std::array<std::unique_ptr<TacSBAnimation>, 4> fades_;  // close, maximize, minimize, help
  TacProviderBorder borderOwner_{*this};
  std::unique_ptr<TacBorderForm> borderForm_;  // the extended border window, when in use
};

