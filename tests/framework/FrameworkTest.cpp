// Forms, controls, menus, modal loops, density changes and posts from other threads,
// each checked on real windows.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/DibBitmap.h"
#include "framework/Label.h"
#include "framework/PopupMenu.h"
#include "framework/PushButton.h"
#include "framework/SpeedButton.h"
#include "framework/Switch.h"
#include "framework/Timer.h"
#include "framework/WindowLink.h"
#include "tests/support/UiDriver.h"

namespace {

using namespace marv;

class TestForm : public Form {
 public:
  TestForm() : Form(L"TestForm") {
    SetCaption(L"framework test");
    SetBorderStyle(BorderStyle::Single);
    SetBorderIcons({.systemMenu = true, .minimize = true, .maximize = false});
    SetPosition(FormPosition::ScreenCenter);
    SetClientSize(200, 100);
    button = &Add<SpeedButton>(L"button");
    button->SetCaption(L"B");
    button->SetBounds(10, 10, 60, 22);
    button->OnClick = [this](Control&) { ++clicks; };
    label = &Add<Label>(L"label");
    label->SetCaption(L"L");
    label->SetBounds(100, 10, 60, 17);
    label->SetCursor(MouseCursor::HandPoint);
    toggle = &Add<Switch>(L"toggle");
    toggle->SetBounds(100, 50, 33, 15);
    menu = &AddPopupMenu(L"menu");
    first = &menu->Add(L"first", L"One");
    second = &menu->Add(L"second", L"Two");
  }
  SpeedButton* button;
  Label* label;
  Switch* toggle;
  PopupMenu* menu;
  MenuItem* first;
  MenuItem* second;
  int clicks = 0;
};

class ModalForm : public Form {
 public:
  ModalForm() : Form(L"ModalForm") {
    SetCaption(L"modal test");
    SetBorderStyle(BorderStyle::Dialog);
    SetPosition(FormPosition::MainFormCenter);
    SetClientSize(150, 60);
    ok = &Add<PushButton>(L"ok");
    ok->SetCaption(L"OK");
    ok->SetBounds(40, 20, 75, 25);
    ok->SetModalResult(mrOk);
  }
  PushButton* ok;
};

class Framework : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.Initialize();
    form_ = &app_.CreateForm<TestForm>();
    form_->Show();
    uitest::PumpFor(30);
  }
  Application app_;
  TestForm* form_ = nullptr;
};

POINT ClientPoint(LPARAM lParam) { return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

TEST_F(Framework, WindowlessControlGetsMouseAndPaintThroughItsWindowProc) {
  struct Seen {
    UINT msg;
    POINT at;
  };
  std::vector<Seen> seen;
  MessageHandler previous = form_->button->WindowProc;
  form_->button->WindowProc = [&](Message& m) {
    seen.push_back({m.Msg, ClientPoint(m.LParam)});
    previous(m);
  };
  HWND window = form_->Handle();
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(15, 12));  // over the button
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 12));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(16, 13));
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 90));  // off it
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
  form_->button->WindowProc = previous;

  std::vector<UINT> order;
  for (const Seen& s : seen) {
    if (s.msg != WM_MOUSEMOVE) order.push_back(s.msg);
  }
  EXPECT_EQ(order, (std::vector<UINT>{CM_MOUSEENTER, WM_LBUTTONDOWN, WM_LBUTTONUP, CM_MOUSELEAVE, WM_PAINT}));
  // Mouse positions arrive in the button's own coordinates.
  for (const Seen& s : seen) {
    if (s.msg == WM_LBUTTONDOWN) {
      EXPECT_TRUE(s.at.x == 5 && s.at.y == 2);
    }
    if (s.msg == WM_LBUTTONUP) {
      EXPECT_TRUE(s.at.x == 6 && s.at.y == 3);
    }
  }
  EXPECT_EQ(form_->clicks, 1);
  EXPECT_FALSE(form_->button->MouseInside());
}

TEST_F(Framework, ButtonReleasedElsewhereDoesNotClick) {
  HWND window = form_->Handle();
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(15, 12));
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 12));
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 90));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(150, 90));
  EXPECT_EQ(form_->clicks, 0);
  // Pressing elsewhere and releasing over the button is no click either.
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 90));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(15, 12));
  EXPECT_EQ(form_->clicks, 0);
}

TEST_F(Framework, MenuCommandArrivesAfterTheOpeningHandlerReturned) {
  POINT shownAt{};
  form_->menu->SetTracker([&](HMENU menu, POINT at, HWND owner) {
    shownAt = at;
    EXPECT_EQ(owner, form_->Handle());
    EXPECT_EQ(GetMenuItemCount(menu), 2);
    return form_->second->Command();
  });
  bool handlerReturned = false;
  bool returnedBeforeCommand = false;
  form_->button->OnClick = [&](Control&) {
    form_->menu->Popup(321, 123);
    handlerReturned = true;
  };
  form_->second->OnClick = [&](MenuItem&) { returnedBeforeCommand = handlerReturned; };
  form_->first->OnClick = [&](MenuItem&) { ADD_FAILURE() << "the other item ran"; };

  uitest::Click(*form_->button);
  ASSERT_TRUE(uitest::PumpUntil([&] { return returnedBeforeCommand; }, 2000));
  EXPECT_EQ(shownAt.x, 321);
  EXPECT_EQ(shownAt.y, 123);
}

TEST_F(Framework, SwitchFlipsOnClickAndStartsOn) {
  EXPECT_TRUE(form_->toggle->SliderOn());
  int changes = 0;
  form_->toggle->OnChange = [&](Control&) { ++changes; };
  uitest::Click(*form_->toggle);
  EXPECT_FALSE(form_->toggle->SliderOn());
  uitest::Click(*form_->toggle);
  EXPECT_TRUE(form_->toggle->SliderOn());
  EXPECT_EQ(changes, 2);
}

TEST_F(Framework, ModalFormEndsWithItsButtonsResultAndDisablesTheOtherWindows) {
  auto& modal = app_.CreateForm<ModalForm>();
  bool mainEnabledWhileModal = true;
  modal.ok->OnClick = [&](Control&) { mainEnabledWhileModal = IsWindowEnabled(form_->Handle()); };
  PostMessageW(modal.ok->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(modal.ShowModal(), mrOk);
  EXPECT_FALSE(mainEnabledWhileModal);
  EXPECT_TRUE(IsWindowEnabled(form_->Handle()));
  EXPECT_FALSE(IsWindowVisible(modal.Handle()));
  // Owned by the main form, so it has no taskbar button of its own.
  EXPECT_EQ(GetWindow(modal.Handle(), GW_OWNER), form_->Handle());

  // Closing it ends the loop with Cancel and only hides it.
  PostMessageW(modal.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(modal.ShowModal(), mrCancel);
  EXPECT_TRUE(IsWindow(modal.Handle()));
}

TEST_F(Framework, MainFormCarriesTheTaskbarButtonAndIsPlacedAsDesigned) {
  HWND window = form_->Handle();
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  const SIZE client = form_->ClientSizeInPixels();
  EXPECT_EQ(client.cx, 200);
  EXPECT_EQ(client.cy, 100);

  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_NEAR(r.left - monitor.rcWork.left, monitor.rcWork.right - r.right, 1);
  EXPECT_NEAR(r.top - monitor.rcWork.top, monitor.rcWork.bottom - r.bottom, 1);
}

TEST_F(Framework, DensityChangeRescalesWindowControlsAndFonts) {
  HWND window = form_->Handle();
  RECT suggested{40, 30, 400, 300};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

  EXPECT_EQ(form_->CurrentDpi(), 144);
  const SIZE client = form_->ClientSizeInPixels();
  EXPECT_EQ(client.cx, 300);
  EXPECT_EQ(client.cy, 150);
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.top, 30);

  const RECT button = form_->button->BoundsRect();
  EXPECT_TRUE(button.left == 15 && button.top == 15 && button.right == 105 && button.bottom == 48);
  // The switch's own window moved and resized with the layout (22.5 rounds to 23).
  RECT toggle;
  GetWindowRect(form_->toggle->Handle(), &toggle);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&toggle), 2);
  EXPECT_TRUE(toggle.left == 150 && toggle.top == 75 && toggle.right == 200 && toggle.bottom == 98);
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form_->toggle->Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -17);
  EXPECT_STREQ(font.lfFaceName, L"Tahoma");
}

TEST_F(Framework, CursorComesFromTheControlUnderTheMouseElseItsOwnersChain) {
  HWND window = form_->Handle();
  const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
  const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
  auto cursorAt = [&](POINT client, HWND target) {
    POINT screen = client;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    ::SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  form_->SetCursor(MouseCursor::HourGlass);
  EXPECT_EQ(cursorAt(POINT{110, 15}, window), hand);  // the label's own
  EXPECT_EQ(cursorAt(POINT{5, 90}, window), wait);    // the form's
  EXPECT_EQ(cursorAt(POINT{110, 55}, form_->toggle->Handle()), wait);  // inherited by a child window
  form_->SetCursor(MouseCursor::Default);
  EXPECT_NE(cursorAt(POINT{5, 90}, window), wait);
}

struct Probe {
  explicit Probe(bool& freed) : freed_(freed) {}
  ~Probe() { freed_ = true; }
  bool& freed_;
};

TEST_F(Framework, PostsThroughAWindowLinkStopWhenTheWindowIsGone) {
  std::shared_ptr<WindowLink> link = form_->Link();
  ASSERT_TRUE(link);
  bool freed = false;
  auto probe = std::make_unique<Probe>(freed);
  Probe* posted = probe.get();
  ASSERT_TRUE(link->PostOwned(WM_APP + 7, 0, probe));
  EXPECT_FALSE(probe);  // handed over with the message
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, form_->Handle(), WM_APP + 7, WM_APP + 7, PM_REMOVE));
  std::unique_ptr<Probe> received = AdoptPosted<Probe>(msg.lParam);
  EXPECT_EQ(received.get(), posted);
  received.reset();
  EXPECT_TRUE(freed);

  form_->DestroyHandle();
  EXPECT_FALSE(link->Attached());
  freed = false;
  probe = std::make_unique<Probe>(freed);
  EXPECT_FALSE(link->PostOwned(WM_APP + 7, 0, probe));
  ASSERT_TRUE(probe);  // still ours
  probe.reset();
  EXPECT_TRUE(freed);
}

TEST_F(Framework, TerminateEndsTheMessageLoopAndClosingTheMainFormTerminates) {
  const UINT kStop = WM_APP + 3;
  form_->SetMessageHandler(kStop, [&](Message&) { app_.Terminate(); });
  PostMessageW(form_->Handle(), kStop, 0, 0);
  app_.Run();
  EXPECT_TRUE(app_.Terminated());

  Application second;
  auto& main = second.CreateForm<TestForm>();
  PostMessageW(main.Handle(), WM_CLOSE, 0, 0);
  second.Run();
  EXPECT_TRUE(second.Terminated());
  EXPECT_FALSE(IsWindowVisible(main.Handle()));
}

TEST(Timer, TicksWhileEnabledAndNeverAfterItIsGone) {
  int ticks = 0;
  auto timer = std::make_unique<Timer>(20);
  timer->OnTimer = [&](Timer& sender) {
    ++ticks;
    if (ticks == 3) sender.SetEnabled(false);
  };
  uitest::PumpFor(100);
  EXPECT_EQ(ticks, 0);  // starts disabled
  timer->SetEnabled(true);
  ASSERT_TRUE(uitest::PumpUntil([&] { return ticks >= 3; }, 2000));
  uitest::PumpFor(100);
  EXPECT_EQ(ticks, 3);

  timer->SetEnabled(true);
  ASSERT_TRUE(uitest::PumpUntil([&] { return ticks >= 4; }, 2000));
  timer.reset();
  const int atDestruction = ticks;
  uitest::PumpFor(100);
  EXPECT_EQ(ticks, atDestruction);
}

TEST(DibBitmap, PixelsAreWhatGdiDrewTopRowFirst) {
  DibBitmap bitmap(4, 3);
  ASSERT_FALSE(bitmap.Empty());
  const PixelBuffer pixels = bitmap.Pixels();
  EXPECT_EQ(pixels.at(3, 2), 0u);
  RECT top{0, 0, 4, 1};
  FillRect(bitmap.Dc(), &top, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetPixelV(bitmap.Dc(), 2, 2, RGB(0xFF, 0x80, 0x00));
  GdiFlush();
  EXPECT_EQ(pixels.stride, 4);
  EXPECT_EQ(pixels.at(1, 0) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(pixels.at(1, 1) & 0xFFFFFF, 0u);
  EXPECT_EQ(pixels.at(2, 2) & 0xFFFFFF, 0xFF8000u);  // 0xAARRGGBB

  DibBitmap moved = std::move(bitmap);
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(moved.Width(), 4);
  EXPECT_EQ(moved.Pixels().at(2, 2) & 0xFFFFFF, 0xFF8000u);
}

}  // namespace
