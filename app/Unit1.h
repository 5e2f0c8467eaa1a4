#pragma once
// The main window: one button per app of the catalogue, the bulk and About buttons, the
// notices switch and the product link; the app menu and the app actions.
#include <atomic>
#include <memory>
#include <string>

#include "app/PendingNotices.h"
#include "framework/ControlAccessibility.h"
#include "framework/Form.h"
#include "framework/KeyboardFocus.h"
#include "framework/Label.h"
#include "framework/MenuItem.h"
#include "framework/PopupMenu.h"
#include "framework/SpeedButton.h"
#include "framework/StringList.h"
#include "skin/controls/acSlider.h"
#include "framework/WindowLink.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sSpeedButton.h"
#include "skin/data/sSkinManager.h"
#include "skin/forms/acHighContrast.h"
#include "skin/windows/acFrameworkHost.h"

// A notice text on its way from a worker to the main window. WM_USER's LParam names it
// with a token of the window's pending notices.
class TStrMsgObject {
 public:
  explicit TStrMsgObject(std::wstring aMsg) : fMsg(std::move(aMsg)) {}
  const std::wstring& Msg() const { return fMsg; }

 private:
  std::wstring fMsg;
};

// WM_USER's WParam: how the notice reads.
inline constexpr WPARAM kNoticeDone = 0;
inline constexpr WPARAM kNoticeFailed = 1;
// Posted by a bulk job when it starts (WParam 1) and ends (WParam 0) its commands.
inline constexpr UINT WM_BULKJOBBUSY = WM_APP + 1;

// What a bulk job may use of the main window from its own thread. It keeps working
// after the window is gone: posts then fail, and the switch's last state is kept.
struct TBulkJobLink {
  std::shared_ptr<marv::WindowLink> window;
  std::shared_ptr<const std::atomic<bool>> noticesOn;
  std::shared_ptr<PendingNotices<TStrMsgObject>> notices;
};

class TForm1 : public marv::Form {
 public:
  TForm1();
  ~TForm1() override;

  // Controls, owned by the form. The buttons are TsSpeedButton objects; their fields keep
  // the framework type that callers and tests name them by.
  marv::SpeedButton *btn1 = nullptr, *btn2 = nullptr, *btn3 = nullptr, *btn4 = nullptr,
                    *btn5 = nullptr, *btn6 = nullptr, *btn7 = nullptr, *btn8 = nullptr,
                    *btn9 = nullptr, *btn10 = nullptr, *btn11 = nullptr, *btn12 = nullptr,
                    *btn13 = nullptr, *btn14 = nullptr, *btn15 = nullptr, *btn16 = nullptr,
                    *btn17 = nullptr, *btn18 = nullptr, *btn19 = nullptr, *btn21 = nullptr,
                    *btn22 = nullptr, *btn23 = nullptr, *btn24 = nullptr, *btn25 = nullptr,
                    *btn26 = nullptr, *btn27 = nullptr, *btn28 = nullptr, *btn29 = nullptr,
                    *btn30 = nullptr, *btn31 = nullptr, *btn32 = nullptr, *btn33 = nullptr,
                    *btn34 = nullptr, *btn35 = nullptr, *btn36 = nullptr, *btn37 = nullptr;
  TsLabel *lbl1 = nullptr, *lbl2 = nullptr;
  TsSlider* sSlider1 = nullptr;
  marv::PopupMenu* pm1 = nullptr;
  marv::MenuItem *p1 = nullptr, *N1 = nullptr;
  // The skin manager (the program's default one) and what it sees of the program.
  std::unique_ptr<TacFrameworkHost> sknmngr1Host;
  std::unique_ptr<TsSkinManager> sknmngr1;

  // The app catalogue, from FormCreate to FormClose.
  std::unique_ptr<marv::StringList> sApplst;
  // The app whose button was clicked last: catalogue name and caption.
  std::wstring sAppName;
  std::wstring sDisName;

  void FormCreate(marv::Control& Sender);
  void FormShow(marv::Control& Sender);
  void FormClose(marv::Control& Sender);
  void btn1Click(marv::Control& Sender);
  void btn23Click(marv::Control& Sender);
  void btn24Click(marv::Control& Sender);
  void btn25Click(marv::Control& Sender);
  void lbl1Click(marv::Control& Sender);
  void p1Click(marv::MenuItem& Sender);
  void N1Click(marv::MenuItem& Sender);
  void WMStringMessage(marv::Message& Msg);
  // The start-up update check; true when a newer version was announced.
  bool ProUpdate();

  // Keyboard focus, what screen readers see, and the high-contrast watch.
  marv::KeyboardFocus& Keyboard() { return *keyboard_; }
  TacHighContrastWatch& HighContrast() { return *highContrast_; }

  // The bulk jobs, run on worker threads.
  static void RemoveALl(const TBulkJobLink& job);
  static void InstallALL(const TBulkJobLink& job);

 protected:
  void WindowDestroying() override;

 private:
  void CreateControls();
  void CreateSkinManager();
  void CreateKeyboardAccess();
  bool IsAppButton(const marv::Control& control) const;
  // Records the app of an app button and opens the app menu at a screen point.
  void OpenAppMenu(marv::Control& button, POINT at);
  bool ActivateByKeyboard(marv::Control& control, marv::ActivationSource source);
  marv::AccessibleTraits Describe(marv::Control& control);
  TBulkJobLink BulkJobLink();
  void ShowNotice(const std::wstring& text, bool failed);
  void BulkJobBusy(marv::Message& Msg);

  std::shared_ptr<std::atomic<bool>> noticesOn_ = std::make_shared<std::atomic<bool>>(true);
  // The notices posted to this window and not yet shown, kept here rather than in the
  // message, which anyone may forge.
  std::shared_ptr<PendingNotices<TStrMsgObject>> notices_ =
      std::make_shared<PendingNotices<TStrMsgObject>>();
  int busyJobs_ = 0;
  bool updateChecked_ = false;
  std::vector<marv::Control*> appButtons_;
  // Last made, first gone: their hooks come off the form before anything else goes.
  std::unique_ptr<marv::KeyboardFocus> keyboard_;
  std::unique_ptr<marv::ControlAccessibility> accessibility_;
  std::unique_ptr<TacHighContrastWatch> highContrast_;
};
