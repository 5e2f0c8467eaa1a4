// The program's three windows with the embedded Slate, under Wine: their frames come from
// the skin and nothing of the system's own caption or frame reaches the screen; the main
// title follows activation; the caption buttons hover, press and act; the system menu.
//
// Desktop composition: Wine answers DwmIsCompositionEnabled with what the first test
// records. The activation path differs by it, so the tests that change activation run
// once with the running system's answer and once with composition on (the Windows 10
// branch) through the provider's system look; each names the branch it covers.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <thread>

#include "app/Startup.h"
#include "app/Unit1.h"
#include "framework/DibBitmap.h"
#include "skin/data/acSystemLook_win.h"
#include "skin/data/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "tests/support/UiDriver.h"
#include "update/Unit2.h"
#include "update/Unit3.h"

namespace {

// A desktop with composition on, otherwise the running system's look.
class CompositionOnLook final : public ISystemLook {
 public:
  uint32_t SysColor(int index) const override { return system_.SysColor(index); }
  int SizingFrameWidth() const override { return system_.SizingFrameWidth(); }
  int SystemPPI() const override { return system_.SystemPPI(); }
  bool CompositionEnabled() const override { return true; }

 private:
  TacWindowsSystemLook system_;
};

// What a DC shows in r, colours only.
PixelImage Grab(HDC dc, RECT r) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  marv::DibBitmap dib(w, h);
  BitBlt(dib.Dc(), 0, 0, w, h, dc, r.left, r.top, SRCCOPY);
  GdiFlush();
  PixelImage out(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) out.at(x, y) = dib.Pixels().at(x, y) & 0xFFFFFF;
  return out;
}

// The whole window as its own DC shows it.
PixelImage GrabWindow(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  marv::WindowDcScope dc(window, true);
  return Grab(dc.get(), {0, 0, r.right - r.left, r.bottom - r.top});
}

// What the screen shows in a rectangle (layered windows included).
PixelImage GrabScreen(RECT r) {
  marv::WindowDcScope dc(nullptr);
  return Grab(dc.get(), r);
}

// Pixels of the window's frame (outside its client area) that differ from the picture.
int FramePixelsOffPicture(HWND window, const TsSkinProvider& provider) {
  const PixelImage shown = GrabWindow(window);
  const PixelBuffer picture = provider.Picture().Pixels();
  RECT wr, client;
  GetWindowRect(window, &wr);
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const RECT inner{origin.x - wr.left, origin.y - wr.top, origin.x - wr.left + client.right,
                   origin.y - wr.top + client.bottom};
  int off = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) {
      if (x >= inner.left && x < inner.right && y >= inner.top && y < inner.bottom) continue;
      if (!picture.contains(x, y) || (picture.at(x, y) & 0xFFFFFF) != shown.at(x, y)) ++off;
    }
  return off;
}

class FormFrames : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<marv::Application>();
    CreateProgramForms(*app_);
    form_ = static_cast<TForm1*>(app_->MainForm());
    // These tests pin the frame a form draws in its own window; with extended borders (the
    // program's setting) the frame lives in the border window (tests/border_window_win).
    form_->sknmngr1->SetExtendedBorders(false);
    form_->Show();
    AwayFromWindows();
    uitest::PumpFor(200);
    watcher_.ForgetBoxes();
    ASSERT_TRUE(form_->sknmngr1->IsActive());
    SetForegroundWindow(form_->Handle());
    uitest::PumpFor(50);
    provider_ = TsSkinProvider::Of(form_->Handle());
    ASSERT_NE(provider_, nullptr) << "the window hook gave the main window a provider";
  }
  void TearDown() override { app_.reset(); }

  void AwayFromWindows() {
    RECT window;
    GetWindowRect(form_->Handle(), &window);
    SetCursorPos(window.right + 60, window.bottom + 60);
  }
  TForm2& About() {
    for (const auto& f : app_->Forms())
      if (auto* about = dynamic_cast<TForm2*>(f.get())) return *about;
    throw std::runtime_error("no About window");
  }
  // A button's centre on the screen.
  POINT ButtonCentre(const TacCaptionButton& b) const {
    RECT window;
    GetWindowRect(form_->Handle(), &window);
    return {window.left + (b.Rect.Left + b.Rect.Right) / 2, window.top + (b.Rect.Top + b.Rect.Bottom) / 2};
  }
  RECT ButtonOnScreen(const TacCaptionButton& b) const {
    RECT window;
    GetWindowRect(form_->Handle(), &window);
    return {window.left + b.Rect.Left, window.top + std::max(b.Rect.Top, 0), window.left + b.Rect.Right,
            window.top + b.Rect.Bottom};
  }
  POINT CaptionPoint() const {
    RECT window;
    GetWindowRect(form_->Handle(), &window);
    return {window.left + 150, window.top + provider_->FrameWidth() + 5};
  }
  // The mouse at `at` over the frame, as the system reports it to the window.
  void NcMouse(UINT msg, POINT at) {
    SetCursorPos(at.x, at.y);
    const LRESULT hit = SendMessageW(form_->Handle(), WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
    SendMessageW(form_->Handle(), msg, static_cast<WPARAM>(hit), MAKELPARAM(at.x, at.y));
  }
  // A pixel in the middle of the title, away from text, icon and buttons.
  uint32_t TitlePixel() {
    const PixelImage shown = GrabWindow(form_->Handle());
    return shown.at(provider_->Title().ButtonsLeft - 8, provider_->FrameWidth() + 2);
  }
  uint32_t TitleColor(int state) {
    const TacSkinData& data = form_->sknmngr1->CommonSkinData(form_->CurrentDpi());
    const int title = data.GetSkinIndex("FORMTITLE");
    return data.gd[title].Props[state].Color & 0xFFFFFF;
  }
  static uint32_t AsPixelColor(uint32_t colorref) {
    return ((colorref & 0xFF) << 16) | (colorref & 0xFF00) | ((colorref >> 16) & 0xFF);
  }

  uitest::WindowWatcher watcher_;
  std::unique_ptr<marv::Application> app_;
  TForm1* form_ = nullptr;
  TsSkinProvider* provider_ = nullptr;
};

TEST_F(FormFrames, WineReportsItsDesktopCompositionState) {
  const bool on = TacWindowsSystemLook().CompositionEnabled();
  RecordProperty("composition", on ? "on" : "off");
  std::printf("DwmIsCompositionEnabled under this Wine: %s\n", on ? "on" : "off");
  EXPECT_EQ(provider_->CompositionOn(), on) << "providers ask the running system unless told otherwise";
}

TEST_F(FormFrames, TheThreeWindowsShowOnlyTheSkinsFrame) {
  ASSERT_TRUE(provider_->Initialized());
  EXPECT_EQ(FramePixelsOffPicture(form_->Handle(), *provider_), 0) << "main window";
  const TacTitleLayout& main = provider_->Title();
  EXPECT_TRUE(main.Close.Visible() && main.Min.Visible());
  EXPECT_FALSE(main.Max.Visible() || main.Help.Visible());
  EXPECT_EQ(main.IconRect.Width(), 16);

  TForm2& about = About();
  about.Show();
  uitest::PumpFor(100);
  TsSkinProvider* aboutProvider = TsSkinProvider::Of(about.Handle());
  ASSERT_NE(aboutProvider, nullptr);
  EXPECT_EQ(FramePixelsOffPicture(about.Handle(), *aboutProvider), 0) << "About";
  EXPECT_TRUE(aboutProvider->Title().Close.Visible());
  EXPECT_FALSE(aboutProvider->Title().Min.Visible() || aboutProvider->Title().Max.Visible());
  EXPECT_EQ(aboutProvider->Title().IconRect.Width(), 0);
  about.Hide();

  TfrmVer notice;
  notice.Show();
  uitest::PumpFor(100);
  TsSkinProvider* noticeProvider = TsSkinProvider::Of(notice.Handle());
  ASSERT_NE(noticeProvider, nullptr);
  EXPECT_EQ(FramePixelsOffPicture(notice.Handle(), *noticeProvider), 0) << "update notice";
  for (const TacCaptionButton* b : noticeProvider->Title().Buttons()) EXPECT_FALSE(b->Visible());
  RECT nr;
  GetWindowRect(notice.Handle(), &nr);
  const POINT closeCorner{nr.right - 20, nr.top + noticeProvider->FrameWidth() + 5};
  EXPECT_EQ(SendMessageW(notice.Handle(), WM_NCHITTEST, 0, MAKELPARAM(closeCorner.x, closeCorner.y)), HTCAPTION)
      << "no close button where it would be";
  notice.Hide();
}

// Runs with the running system's composition answer and with composition on.
class TitleActivation : public FormFrames, public ::testing::WithParamInterface<bool> {};

TEST_P(TitleActivation, MainTitleFollowsActivationAndStaysActiveForItsOwnAboutWindow) {
  CompositionOnLook compositionOn;
  if (GetParam()) provider_->SetSystemLook(&compositionOn);
  RecordProperty("branch", GetParam() ? "composition on (Windows 10)" : "the running system's composition");
  ASSERT_TRUE(provider_->FormActive());
  EXPECT_EQ(TitlePixel(), AsPixelColor(TitleColor(1))) << "active: FORMTITLE state 1";

  TForm2& about = About();
  about.Show();
  SetForegroundWindow(about.Handle());
  uitest::PumpFor(100);
  ASSERT_EQ(GetActiveWindow(), about.Handle());
  EXPECT_TRUE(provider_->FormActive()) << "an owned popup counts as active";
  EXPECT_EQ(TitlePixel(), AsPixelColor(TitleColor(1)));
  about.Hide();
  uitest::PumpFor(50);

  // A window of another thread, like another program's, takes the activation.
  HWND other = nullptr;
  std::atomic<bool> done{false};
  std::atomic<DWORD> strangerId{0};
  std::thread stranger([&] {
    strangerId = GetCurrentThreadId();
    other = CreateWindowExW(0, L"STATIC", L"stranger", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 400, 200, 100,
                            nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    MSG msg;
    while (!done && GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    DestroyWindow(other);
  });
  ASSERT_TRUE(uitest::PumpUntil([&] { return !provider_->FormActive(); }, 3000)) << "another window is active";
  uitest::PumpFor(50);
  EXPECT_EQ(TitlePixel(), AsPixelColor(TitleColor(0))) << "inactive: FORMTITLE state 0";
  EXPECT_EQ(FramePixelsOffPicture(form_->Handle(), *provider_), 0) << "the system's inactive caption never shows";

  // A click on the main window's title brings it back.
  const POINT at = CaptionPoint();
  INPUT clicks[3]{};
  for (INPUT& i : clicks) i.type = INPUT_MOUSE;
  SetCursorPos(at.x, at.y);
  clicks[0].mi.dwFlags = MOUSEEVENTF_MOVE;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(3, clicks, sizeof(INPUT));
  const bool back = uitest::PumpUntil([&] { return provider_->FormActive(); }, 3000);
  done = true;
  PostThreadMessageW(strangerId, WM_NULL, 0, 0);
  stranger.join();
  ASSERT_TRUE(back) << "the click activated the main window again";
  uitest::PumpFor(50);
  EXPECT_EQ(TitlePixel(), AsPixelColor(TitleColor(1)));
}

INSTANTIATE_TEST_SUITE_P(Composition, TitleActivation, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "CompositionOn" : "RunningSystem"; });

TEST_F(FormFrames, HoveringCloseShowsItsHotGlyphAndLeavingRestoresIt) {
  const TacCaptionButton close = provider_->Title().Close;
  const RECT onScreen = ButtonOnScreen(close);
  const PixelImage normal = GrabScreen(onScreen);
  NcMouse(WM_NCMOUSEMOVE, ButtonCentre(close));
  EXPECT_EQ(provider_->CurrentHT(), HTCLOSE);
  ASSERT_TRUE(uitest::PumpUntil([&] {
    const TacSBAnimation* fade = provider_->ButtonFade(HTCLOSE);
    return fade && !fade->Running() && fade->Schedule().Opacity() == 255;
  }, 3000)) << "the hot fade ran to its end";
  // A client-area mouse message from a point above the client (as tools send) is no move
  // over the client: the button stays hot.
  SendMessageW(form_->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(150, -10));
  EXPECT_EQ(provider_->CurrentHT(), HTCLOSE);
  uitest::PumpFor(50);
  const PixelImage hot = GrabScreen(onScreen);
  EXPECT_NE(hot, normal) << "the close glyph looks hot";

  AwayFromWindows();
  SendMessageW(form_->Handle(), WM_NCMOUSELEAVE, 0, 0);
  ASSERT_TRUE(uitest::PumpUntil([&] { return provider_->ButtonFade(HTCLOSE) == nullptr; }, 3000))
      << "the fade counted back and its window went";
  uitest::PumpFor(50);
  EXPECT_EQ(GrabScreen(onScreen), normal);
}

TEST_F(FormFrames, ClickingMinimizeMinimizesAndClickingCloseEndsTheProgram) {
  NcMouse(WM_NCLBUTTONDOWN, ButtonCentre(provider_->Title().Min));
  EXPECT_EQ(GetCapture(), form_->Handle()) << "a pressed button holds the mouse";
  NcMouse(WM_NCLBUTTONUP, ButtonCentre(provider_->Title().Min));
  ASSERT_TRUE(uitest::PumpUntil([&] { return IsIconic(form_->Handle()) != FALSE; }, 3000));
  ShowWindow(form_->Handle(), SW_RESTORE);
  SetForegroundWindow(form_->Handle());
  uitest::PumpFor(100);
  ASSERT_FALSE(IsIconic(form_->Handle()));

  // Pressed on close, released on minimize: nothing happens.
  NcMouse(WM_NCLBUTTONDOWN, ButtonCentre(provider_->Title().Close));
  NcMouse(WM_NCLBUTTONUP, ButtonCentre(provider_->Title().Min));
  uitest::PumpFor(100);
  EXPECT_FALSE(app_->Terminated());
  EXPECT_FALSE(IsIconic(form_->Handle()));

  NcMouse(WM_NCLBUTTONDOWN, ButtonCentre(provider_->Title().Close));
  NcMouse(WM_NCLBUTTONUP, ButtonCentre(provider_->Title().Close));
  EXPECT_TRUE(uitest::PumpUntil([&] { return app_->Terminated(); }, 3000));
}

// What a menu offers: each command's caption state, by the command it sends.
struct MenuSeen {
  bool shown = false;
  POINT at{};
  std::map<int, UINT> states;  // system command -> MF_GRAYED or 0
  int unmeasured = 0;          // owner-drawn items the window could not measure
};

void WatchSystemMenu(TsSystemMenu& menu, MenuSeen& seen, bool chooseClose) {
  menu.Menu().SetTracker([&menu, &seen, chooseClose](HMENU shown, POINT at, HWND owner) -> UINT {
    seen.shown = true;
    seen.at = at;
    UINT close = 0;
    for (int i = 0; i < GetMenuItemCount(shown); ++i) {
      const UINT id = GetMenuItemID(shown, i);
      const marv::MenuItem* item = menu.Menu().FindItem(id);
      if (!item || item->Caption() == L"-") continue;
      const int command = static_cast<int>(item->SystemCommand);
      seen.states[command] = GetMenuState(shown, id, MF_BYCOMMAND) & MF_GRAYED;
      // The skinned menu is owner-drawn: its window must measure every item.
      MEASUREITEMSTRUCT measure{ODT_MENU, 0, id, 0, 0, 0};
      if (!SendMessageW(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)) || measure.itemWidth == 0)
        ++seen.unmeasured;
      if (command == SC_CLOSE) close = id;
    }
    return chooseClose ? close : 0;
  });
}

TEST_F(FormFrames, RightClickOnTheTitleOpensTheSystemMenuAtTheCursorAndCloseEndsTheProgram) {
  MenuSeen seen;
  WatchSystemMenu(provider_->SystemMenu(), seen, true);
  const POINT at = CaptionPoint();
  NcMouse(WM_NCRBUTTONDOWN, at);
  NcMouse(WM_NCRBUTTONUP, at);
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(seen.at.x, at.x);
  EXPECT_EQ(seen.at.y, at.y);
  const std::map<int, UINT> expected{{SC_RESTORE, MF_GRAYED}, {SC_MOVE, 0},     {SC_SIZE, MF_GRAYED},
                                     {SC_MINIMIZE, 0},        {SC_CLOSE, 0}};
  EXPECT_EQ(seen.states, expected) << "no maximize; restore and size grayed";
  EXPECT_EQ(seen.unmeasured, 0) << "the skinned menu draws every item";
  EXPECT_TRUE(uitest::PumpUntil([&] { return app_->Terminated(); }, 3000));
}

TEST_F(FormFrames, PopupSystemMenuMessageShowsTheSameMenu) {
  MenuSeen seen;
  WatchSystemMenu(provider_->SystemMenu(), seen, false);
  POINT cursor{300, 300};
  SetCursorPos(cursor.x, cursor.y);
  SendMessageW(form_->Handle(), 0x0313, 0, MAKELPARAM(cursor.x, cursor.y));
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(seen.states.size(), 5u);
  EXPECT_EQ(seen.states.count(SC_MAXIMIZE), 0u);
  uitest::PumpFor(50);
  EXPECT_FALSE(app_->Terminated());
}

TEST_F(FormFrames, AltSpaceOpensTheSkinnedSystemMenuUnderTheTitleIcon) {
  MenuSeen seen;
  WatchSystemMenu(provider_->SystemMenu(), seen, false);
  SetForegroundWindow(form_->Handle());
  // What the system sends for Alt+Space.
  SendMessageW(form_->Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  ASSERT_TRUE(seen.shown) << "the system's own menu came up instead of the skinned one";
  EXPECT_EQ(seen.states.size(), 5u);
  EXPECT_EQ(seen.unmeasured, 0);
  RECT window{};
  GetWindowRect(form_->Handle(), &window);
  EXPECT_GE(seen.at.x, window.left);
  EXPECT_LT(seen.at.x, window.left + 64) << "not under the title's left end";
}

}  // namespace
