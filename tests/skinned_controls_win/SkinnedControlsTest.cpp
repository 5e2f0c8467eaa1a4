// The program's windows with the embedded Slate, under Wine: the skinned controls as the
// screen shows them.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "app/Startup.h"
#include "app/Unit1.h"
#include "framework/DibBitmap.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sSpeedButton.h"
#include "skin/data/sSkinManager.h"
#include "skin/base/acSkinCommands.h"
#include "skin/paint/acBackgroundInfo.h"
#include "skin/paint/sGraphUtils.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/ScreenGrab.h"
#include "tests/support/UiDriver.h"
#include "update/Unit2.h"
#include "update/Unit3.h"

namespace {

using uitest::Grab;

PixelImage Opaque(const PixelImage& picture) {
  PixelImage out = picture;
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) out.at(x, y) &= 0xFFFFFF;
  return out;
}

using uitest::CountGdiObjects;
using uitest::GdiCountWorks;

LRESULT Ask(marv::Control& control, uint16_t command) {
  return control.Perform(WM_SKINCOMMAND, SkinCommandWParam(command), 0);
}

class SkinnedWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<marv::Application>();
    CreateProgramForms(*app_);
    form_ = static_cast<TForm1*>(app_->MainForm());
    form_->Show();
    MoveCursorAway();
    uitest::PumpFor(200);
    watcher_.ForgetBoxes();
    ASSERT_TRUE(form_->sknmngr1->IsActive());
  }
  void TearDown() override { app_.reset(); }

  void MoveCursorAway() {
    RECT window;
    GetWindowRect(form_->Handle(), &window);
    SetCursorPos(window.right + 40, window.bottom + 40);
  }
  TForm2& About() {
    for (const auto& f : app_->Forms())
      if (auto* about = dynamic_cast<TForm2*>(f.get())) return *about;
    throw std::runtime_error("no About window");
  }
  static bool Settled(TsSpeedButton& b, bool hot) {
    return b.SkinData().FMouseAbove == hot && !b.SkinData().FadeRunning();
  }
  void Hover(TsSpeedButton& b) {
    const RECT r = b.BoundsRect();
    const POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    const POINT screen = form_->ClientToScreen(at);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(form_->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
  }
  void Leave() {
    MoveCursorAway();
    SendMessageW(form_->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));  // an empty corner
  }

  uitest::WindowWatcher watcher_;
  std::unique_ptr<marv::Application> app_;
  TForm1* form_ = nullptr;
};

}  // namespace

TEST_F(SkinnedWindows, EveryControlOfTheWindowsSaysItIsSkinned) {
  for (const auto& control : form_->Controls()) {
    if (control.get() == form_->sSlider1) continue;  // the switch is tested with its own skinning
    EXPECT_EQ(Ask(*control, SC_ISSKINNED), 1) << testing::PrintToString(control->Name());
  }
  TForm2& about = About();
  for (marv::Control* c : std::initializer_list<marv::Control*>{&about.lbl1, &about.lbl2, &about.btn2, &about.btn1})
    EXPECT_EQ(Ask(*c, SC_ISSKINNED), 1) << testing::PrintToString(c->Name());
  TfrmVer notice;
  notice.Show();
  for (marv::Control* c : std::initializer_list<marv::Control*>{&notice.lbl1, &notice.lbl2, &notice.btn1})
    EXPECT_EQ(Ask(*c, SC_ISSKINNED), 1) << testing::PrintToString(c->Name());
  // A windowed one answers through its window and carries its binding as "ACSDATA".
  about.Show();
  uitest::PumpFor(50);
  const HWND ok = about.btn1.Handle();
  ASSERT_TRUE(ok);
  EXPECT_EQ(SendMessageW(ok, WM_SKINCOMMAND, SkinCommandWParam(SC_ISSKINNED), 0), 1);
  EXPECT_EQ(reinterpret_cast<LRESULT>(GetPropW(ok, L"ACSDATA")),
            SendMessageW(ok, WM_SKINCOMMAND, SkinCommandWParam(SC_GETSKINDATA), 0));
  EXPECT_NE(GetPropW(ok, L"ACSDATA"), nullptr);
  // The command number belongs in the high word; in the low word it is no command.
  EXPECT_EQ(SendMessageW(ok, WM_SKINCOMMAND, SC_ISSKINNED, 0), 0);
  about.Hide();
}

TEST_F(SkinnedWindows, HoveringASpeedButtonShowsItsHotLookAndLeavingGivesTheNormalOneBack) {
  auto& button = static_cast<TsSpeedButton&>(*form_->btn9);
  ASSERT_EQ(button.SkinData().SkinIndex(), form_->sknmngr1->GetSkinIndex("SPEEDBUTTON"));
  const RECT r = button.BoundsRect();
  const PixelImage normal = Grab(form_->Handle(), r);
  EXPECT_EQ(normal, Opaque(button.SkinData().CacheBmp())) << "the screen shows the cached picture";

  Hover(button);
  ASSERT_TRUE(uitest::PumpUntil([&] { return Settled(button, true); }, 3000));
  uitest::PumpFor(50);
  EXPECT_EQ(button.CurrentState(), 1);
  const PixelImage hot = Grab(form_->Handle(), r);
  EXPECT_NE(hot, normal);
  EXPECT_EQ(hot, Opaque(button.SkinData().CacheBmp())) << "the hot picture, not a fade frame";

  Leave();
  ASSERT_TRUE(uitest::PumpUntil([&] { return Settled(button, false); }, 3000));
  uitest::PumpFor(50);
  EXPECT_EQ(button.CurrentState(), 0);
  EXPECT_EQ(Grab(form_->Handle(), r), normal);
}

// A new caption or a disabled button is a new picture: the cache is built again and the
// screen shows it; enabled again with its old caption, the button looks as before.
TEST_F(SkinnedWindows, ACaptionChangeOrDisablingGivesTheSpeedButtonANewPicture) {
  auto& button = static_cast<TsSpeedButton&>(*form_->btn9);
  const RECT r = button.BoundsRect();
  const PixelImage normal = Grab(form_->Handle(), r);
  const std::wstring caption = button.Caption();

  button.SetCaption(L"相机和照片");
  uitest::PumpFor(50);
  const PixelImage renamed = Grab(form_->Handle(), r);
  EXPECT_NE(renamed, normal);
  EXPECT_EQ(renamed, Opaque(button.SkinData().CacheBmp()));

  button.SetCaption(caption);
  button.SetEnabled(false);
  uitest::PumpFor(50);
  const PixelImage disabled = Grab(form_->Handle(), r);
  EXPECT_NE(disabled, normal);
  EXPECT_EQ(disabled, Opaque(button.SkinData().CacheBmp()));

  button.SetEnabled(true);
  uitest::PumpFor(50);
  EXPECT_EQ(Grab(form_->Handle(), r), normal);
}

TEST_F(SkinnedWindows, TheAboutWindowsOkButtonIsDrawnFromTheButtonSection) {
  TForm2& about = About();
  about.Show();
  uitest::PumpFor(100);
  TsButton& ok = about.btn1;
  TsSkinManager& manager = *form_->sknmngr1;
  const int index = manager.GetSkinIndex("BUTTON");
  ASSERT_GE(index, 0);
  EXPECT_EQ(ok.SkinData().SkinIndex(), index);
  EXPECT_EQ(Ask(ok, SC_DEFAULTSECTION), 2);

  // Not focused, as the default button: state 3, painted hot on a three-state section.
  // (The window passes its own focus on to the button: Tab takes it to "检查更新".)
  ok.SetDefault(true);
  SetFocus(ok.Handle());
  SendMessageW(ok.Handle(), WM_KEYDOWN, VK_TAB, 1);
  ASSERT_EQ(GetFocus(), about.Handle());
  ok.SkinData().Invalidate(true);
  uitest::PumpFor(50);
  ASSERT_EQ(ok.CurrentState(), 3);
  const int states = manager.CommonSkinData(ok.SkinData().CurrentPPI).gd[index].States;
  const int pictureState = PictureState(3, states);
  EXPECT_EQ(pictureState, states < 4 ? 1 : 3);

  TacElementOwnerData section;
  section.Data = &manager.CommonSkinData(ok.SkinData().CurrentPPI);
  section.Index = index;
  section.Parent = true;
  const RECT b = ok.BoundsRect();
  PixelImage expected(b.right - b.left, b.bottom - b.top);
  // Over what the window gives its children as background (the skinned form's picture).
  BackgroundInfo below;
  GetParentBackground(below, ok.SkinOwner(), false);
  PaintElement(section, BackgroundToCacheInfo(below), pictureState, expected.view(), {b.left, b.top},
               {0, 0, expected.width(), expected.height()}, true);
  const PixelImage shown = Grab(ok.Handle(), RECT{0, 0, expected.width(), expected.height()});
  // The border columns and rows hold no caption: they are the section's picture.
  int compared = 0;
  for (int y = 0; y < expected.height(); ++y)
    for (int x = 0; x < expected.width(); ++x) {
      const bool edge = x < 3 || y < 2 || x >= expected.width() - 3 || y >= expected.height() - 2;
      if (!edge) continue;
      ++compared;
      ASSERT_EQ(shown.at(x, y), expected.at(x, y) & 0xFFFFFF) << x << "," << y;
    }
  EXPECT_GT(compared, 100);
  ok.SetDefault(false);
  about.Hide();
}

TEST_F(SkinnedWindows, ThousandHoverAndLeaveCyclesLeakNoGdiObjects) {
  auto& button = static_cast<TsSpeedButton&>(*form_->btn1);
  const RECT r = button.BoundsRect();
  const LPARAM over = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  const auto cycle = [&](int times) {
    for (int i = 0; i < times; ++i) {
      SendMessageW(form_->Handle(), WM_MOUSEMOVE, 0, over);
      if (i % 3 == 0) uitest::PumpFor(1);  // some fades get to step, some are taken over
      SendMessageW(form_->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    }
    uitest::PumpUntil([&] { return Settled(button, false); }, 3000);
    uitest::PumpFor(50);
  };
  cycle(20);  // caches, fonts and the text painter are made once
  ASSERT_TRUE(GdiCountWorks()) << "no way to count this process's GDI objects";
  const long gdiBefore = CountGdiObjects();
  const DWORD userBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  cycle(1000);
  EXPECT_EQ(CountGdiObjects(), gdiBefore);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), userBefore);
  RecordProperty("gdi_objects", std::to_string(gdiBefore));
}

TEST_F(SkinnedWindows, AFlatSpeedButtonTakesTheToolButtonSection) {
  auto& button = static_cast<TsSpeedButton&>(*form_->btn1);
  TsSkinManager& manager = *form_->sknmngr1;
  ASSERT_GE(manager.GetSkinIndex("TOOLBUTTON"), 0);
  button.SetFlat(true);
  EXPECT_EQ(button.SkinData().SkinIndex(), manager.GetSkinIndex("TOOLBUTTON"));
  button.SetFlat(false);
  EXPECT_EQ(button.SkinData().SkinIndex(), manager.GetSkinIndex("SPEEDBUTTON"));
}

TEST_F(SkinnedWindows, AClickOnASkinnedAppButtonStillOpensItsMenu) {
  POINT shownAt{-1, -1};
  form_->pm1->SetTracker([&](HMENU, POINT at, HWND) {
    shownAt = at;
    return 0u;  // closed unchosen
  });
  uitest::Click(*form_->btn9);
  uitest::PumpFor(100);
  EXPECT_NE(shownAt.x, -1);
  EXPECT_EQ(form_->sDisName, L"照片");
  // The press fade ended and the button shows a picture of its present state.
  auto& button = static_cast<TsSpeedButton&>(*form_->btn9);
  EXPECT_FALSE(button.SkinData().FadeRunning());
  EXPECT_NE(button.CurrentState(), 2);
}

TEST_F(SkinnedWindows, APushButtonFadesToItsHotLookOnItsOwnWindowAndBack) {
  TfrmVer notice;
  notice.Show();
  SetFocus(notice.Handle());
  uitest::PumpFor(100);
  TsButton& button = notice.btn1;
  const HWND window = button.Handle();
  ASSERT_TRUE(window);
  const RECT client{0, 0, button.Width(), button.Height()};
  ASSERT_EQ(button.CurrentState(), 0);
  const PixelImage normal = Grab(window, client);

  POINT centre{client.right / 2, client.bottom / 2};
  POINT screen = centre;
  ClientToScreen(window, &screen);
  SetCursorPos(screen.x, screen.y);
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
  ASSERT_TRUE(uitest::PumpUntil([&] { return button.SkinData().FMouseAbove && !button.SkinData().FadeRunning(); }, 3000));
  EXPECT_EQ(button.CurrentState(), 1);
  const PixelImage hot = Grab(window, client);
  EXPECT_NE(hot, normal);
  EXPECT_EQ(hot, Opaque(button.SkinData().CacheBmp())) << "the last frame is the hot picture";

  MoveCursorAway();
  SendMessageW(window, WM_MOUSELEAVE, 0, 0);
  ASSERT_TRUE(uitest::PumpUntil([&] { return !button.SkinData().FMouseAbove && !button.SkinData().FadeRunning(); }, 3000));
  uitest::PumpFor(50);
  EXPECT_EQ(Grab(window, client), normal);
}

TEST_F(SkinnedWindows, QuestionsWithPointersAreAnsweredOnlyOnTheControlsOwnThread) {
  TForm2& about = About();
  about.Show();
  uitest::PumpFor(50);
  const HWND ok = about.btn1.Handle();
  ASSERT_TRUE(ok);
  TacSkinIndexQuery query;
  SendMessageW(ok, WM_SKINCOMMAND, SkinCommandWParam(SC_GETSKININDEX), reinterpret_cast<LPARAM>(&query));
  EXPECT_EQ(query.SkinIndex, about.btn1.SkinData().SkinIndex());

  // From another thread the record is not touched: its pointer could be anyone's.
  TacSkinIndexQuery foreign;
  LRESULT answer = -1;
  std::atomic<bool> done = false;
  std::thread sender([&] {
    answer = SendMessageW(ok, WM_SKINCOMMAND, SkinCommandWParam(SC_GETSKININDEX), reinterpret_cast<LPARAM>(&foreign));
    done = true;
  });
  uitest::PumpUntil([&] { return done.load(); }, 3000);
  sender.join();
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(foreign.SkinIndex, -1);
  // Questions without pointers still get their answer.
  LRESULT skinned = 0;
  done = false;
  std::thread asker([&] {
    skinned = SendMessageW(ok, WM_SKINCOMMAND, SkinCommandWParam(SC_ISSKINNED), 0);
    done = true;
  });
  uitest::PumpUntil([&] { return done.load(); }, 3000);
  asker.join();
  EXPECT_EQ(skinned, 1);
  about.Hide();
}

// While the UI thread answers another thread's send, its controls still answer the
// questions it asks them itself (a paint asking for a background, say).
TEST_F(SkinnedWindows, QuestionsAskedInProcessDuringAnotherThreadsSendAreAnswered) {
  TForm2& about = About();
  about.Show();
  uitest::PumpFor(50);
  marv::Control& ok = about.btn1;
  ASSERT_TRUE(about.btn1.Handle());
  constexpr UINT kAskYourself = WM_APP + 41;
  TacSkinIndexQuery index;
  BackgroundInfo background;
  const marv::MessageHandler previous = ok.WindowProc;
  ok.WindowProc = [&](marv::Message& m) {
    if (m.Msg != kAskYourself) return previous(m);
    ok.Perform(WM_SKINCOMMAND, SkinCommandWParam(SC_GETSKININDEX), reinterpret_cast<LPARAM>(&index));
    ok.Perform(WM_SKINCOMMAND, SkinCommandWParam(SC_GETBG), reinterpret_cast<LPARAM>(&background));
    m.Result = 1;
  };
  std::atomic<bool> done = false;
  LRESULT handled = 0;
  std::thread sender([&] {
    handled = SendMessageW(about.btn1.Handle(), kAskYourself, 0, 0);
    done = true;
  });
  uitest::PumpUntil([&] { return done.load(); }, 3000);
  sender.join();
  ok.WindowProc = previous;
  EXPECT_EQ(handled, 1);
  EXPECT_EQ(index.SkinIndex, about.btn1.SkinData().SkinIndex());
  EXPECT_NE(background.Kind, bgNone) << "the button described its background";
  about.Hide();
}
