// The window animations on bare windows of this test (no skin, no provider). A tiny
// window class of its own stands in for the program's layered window class.
// Composition branch: Wine 8 reports desktop composition off (DwmIsCompositionEnabled),
// so every test here covers the path without composition: a window turned layered by
// UpdateLayeredPicture loses WS_VISIBLE for a moment while the desktop under it is
// redrawn, and a minimize flight starts at the form's own opacity.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "skin/data/acSkinEngine.h"
#include "skin/forms/acFormSnapshot.h"
#include "skin/forms/acLayeredWindow.h"
#include "skin/forms/acSystemAnimation.h"
#include "skin/forms/acTaskbarWindow.h"
#include "skin/forms/acWindowAnimations.h"
#include "skin/forms/logic/acMinTimer.h"
#include "skin/forms/logic/acTaskbarTarget.h"
#include "tests/support/UiDriver.h"

namespace {

using uitest::PumpFor;
using uitest::PumpUntil;

constexpr COLORREF kBlue = RGB(0, 0, 200), kGreen = RGB(0, 160, 0);

// Paints its client area in the colour kept in its user data, on screen and when printed.
LRESULT CALLBACK PlainProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto paint = [window](HDC dc) {
    RECT r{};
    GetClientRect(window, &r);
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrW(window, GWLP_USERDATA)));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  };
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      paint(BeginPaint(window, &ps));
      EndPaint(window, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: paint(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    default: return DefWindowProcW(window, msg, wParam, lParam);
  }
}

const wchar_t* PlainClass() {
  static const ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"AnimTestPlain";
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    return RegisterClassW(&wc);
  }();
  return atom ? L"AnimTestPlain" : nullptr;
}

// A window of the test; destroyed with the object unless handed on.
struct TestWindow {
  TestWindow(DWORD exStyle, DWORD style, RECT r, COLORREF color, HWND parent = nullptr) {
    handle = CreateWindowExW(exStyle, PlainClass(), L"", style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(handle, GWLP_USERDATA, static_cast<LONG_PTR>(color));
  }
  ~TestWindow() {
    if (IsWindow(handle)) DestroyWindow(handle);
  }
  HWND Release() { return std::exchange(handle, nullptr); }
  HWND handle = nullptr;
};

// An animation window as the program makes them: popup, layered, never activated.
TestWindow AnimationWindow(RECT r) {
  return TestWindow(WS_EX_LAYERED | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, WS_POPUP, r, 0);
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return c;
}

int OurTopLevelWindows() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM counter) {
        if (IsWindowVisible(window)) ++*reinterpret_cast<int*>(counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST(LayeredPicture, ReachesTheWindowPremultipliedAlsoAfterAConstantOpacity) {
  // Under Xvfb a layered window is not blended with what lies below: a pixel reads back as
  // the premultiplied colour over black, so the screen shows what the window was given.
  TestWindow window(WS_EX_TOOLWINDOW, WS_POPUP, {60, 60, 76, 76}, kBlue);
  ShowWindow(window.handle, SW_SHOWNOACTIVATE);
  PixelImage picture(16, 16, MakePixel(240, 120, 0, 128));
  picture.at(0, 0) = MakePixel(255, 255, 255, 0);
  const struct {
    const char* name;
    bool constantOpacityFirst;
  } cases[] = {{"a window that was not layered", false}, {"a window with a constant opacity", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.constantOpacityFirst) SetLayeredAlpha(window.handle, true, 200);
    const PixelBuffer view = picture.view();
    ASSERT_TRUE(UpdateLayeredPicture(window.handle, &view, 255, POINT{60, 60}));
    PumpFor(50);
    EXPECT_TRUE(GetWindowLongPtrW(window.handle, GWL_EXSTYLE) & WS_EX_LAYERED);
    const COLORREF half = ScreenPixel(68, 68);
    EXPECT_NEAR(GetRValue(half), 120, 2) << "240 at alpha 128";
    EXPECT_NEAR(GetGValue(half), 60, 2);
    EXPECT_EQ(ScreenPixel(60, 60), RGB(0, 0, 0)) << "a transparent pixel adds nothing";
  }
}

TEST(LayeredAlpha, AddsLayeringOnceOrTakesItAndTheVisibleBitAway) {
  TestWindow window(0, WS_POPUP | WS_VISIBLE, {10, 10, 50, 50}, kBlue);
  EXPECT_TRUE(SetLayeredAlpha(window.handle, true, 1)) << "this call made it layered";
  EXPECT_FALSE(SetLayeredAlpha(window.handle, true, 0));
  BYTE alpha = 99;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(window.handle, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 0);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
  EXPECT_FALSE(SetLayeredAlpha(window.handle, false, 1));
  EXPECT_FALSE(GetWindowLongPtrW(window.handle, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_FALSE(GetWindowLongPtrW(window.handle, GWL_STYLE) & WS_VISIBLE);
}

// Wine answers SPI_GETANIMATION with 0 whatever was set, so only the reading before and
// after can be compared here; the putting back on every path is tested natively.
TEST(FormOpacity, ATranslucentFormStaysLayeredAtItsOpacityAndAnOpaqueOneIsNoLongerLayered) {
  const struct {
    const char* name;
    bool alphaBlend;
    uint8_t value;
  } cases[] = {{"AlphaBlendValue 200", true, 200}, {"opaque", false, 255}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow form(WS_EX_TOOLWINDOW, WS_POPUP | WS_VISIBLE, {10, 10, 50, 50}, kBlue);
    SetLayeredAlpha(form.handle, true, 0);  // as during the show
    GiveFormItsOpacity(form.handle, c.alphaBlend, c.value);
    EXPECT_TRUE(IsWindowVisible(form.handle));
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_EQ((GetWindowLongPtrW(form.handle, GWL_EXSTYLE) & WS_EX_LAYERED) != 0, c.alphaBlend);
    if (c.alphaBlend) {
      ASSERT_TRUE(GetLayeredWindowAttributes(form.handle, nullptr, &alpha, &flags));
      EXPECT_EQ(alpha, 200);
    }
    LeaveFormAfterHide(form.handle, c.value);
    EXPECT_EQ((GetWindowLongPtrW(form.handle, GWL_EXSTYLE) & WS_EX_LAYERED) != 0, c.alphaBlend)
        << "after the hide too";
    EXPECT_EQ((GetWindowLongPtrW(form.handle, GWL_STYLE) & WS_VISIBLE) != 0, c.alphaBlend)
        << "an opaque form is left without its visible bit";
  }
}

TEST(SystemAnimation, ReadsTheSameBeforeAndAfterACommandAndIsOffDuringIt) {
  const bool before = SystemMinimizeAnimation();
  {
    TacSystemMinimizeAnimationOff off;
    EXPECT_FALSE(SystemMinimizeAnimation());
  }
  EXPECT_EQ(SystemMinimizeAnimation(), before);
}

TEST(FormSnapshot, PrintsTheWindowAndItsVisibleChildrenOpaque) {
  TestWindow form(WS_EX_TOOLWINDOW, WS_POPUP | WS_VISIBLE, {100, 100, 180, 160}, kBlue);
  TestWindow child(0, WS_CHILD | WS_VISIBLE, {10, 20, 40, 40}, kGreen, form.handle);
  TestWindow hidden(0, WS_CHILD, {50, 5, 70, 15}, kGreen, form.handle);
  const PixelImage snapshot = MakeFormSnapshot(form.handle);
  ASSERT_EQ(snapshot.width(), 80);
  ASSERT_EQ(snapshot.height(), 60);
  EXPECT_EQ(snapshot.at(2, 2), ColorToPixel(kBlue));
  EXPECT_EQ(snapshot.at(15, 25), ColorToPixel(kGreen)) << "the child at its place";
  EXPECT_EQ(snapshot.at(55, 10), ColorToPixel(kBlue)) << "a hidden child is not printed";
  EXPECT_TRUE(MakeFormSnapshot(nullptr).empty());
}

TEST(CoverForm, StandsTopmostOverTheWindowAndShowsWhatItShows) {
  TestWindow form(WS_EX_TOOLWINDOW, WS_POPUP | WS_VISIBLE, {200, 100, 260, 140}, kGreen);
  PumpFor(50);
  TestWindow cover = AnimationWindow({0, 0, 1, 1});
  const HWND active = GetForegroundWindow();
  ASSERT_TRUE(MakeCoverForm(form.handle, cover.handle));
  EXPECT_EQ(GetForegroundWindow(), active) << "the cover never takes the focus";
  ShowWindow(form.handle, SW_HIDE);
  PumpFor(50);
  RECT r{};
  GetWindowRect(cover.handle, &r);
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(r.top, 100);
  EXPECT_EQ(r.right, 260);
  EXPECT_EQ(r.bottom, 140);
  EXPECT_TRUE(IsWindowVisible(cover.handle));
  EXPECT_TRUE(GetWindowLongPtrW(cover.handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(ScreenPixel(230, 120), kGreen) << "the window is gone, its picture stays";
}

TEST(HideAnimation, RunsOnTheUiTimerAndEndsWithTheWindowGoneAndNothingLeft) {
  TacWindowAnimations animations;
  const int before = OurTopLevelWindows();
  TestWindow first = AnimationWindow({300, 300, 340, 330});
  TestWindow second = AnimationWindow({400, 300, 440, 330});
  TestWindow owner(WS_EX_TOOLWINDOW, WS_POPUP, {0, 0, 10, 10}, kBlue);
  HWND firstWindow = first.handle, secondWindow = second.handle;
  int firstEvents = 0, secondEvents = 0;
  animations.StartHideAnimation(first.Release(), PixelImage(40, 30, 0xFF00C000u), 100, owner.handle, atAero, 255,
                                [&] { ++firstEvents; });
  EXPECT_TRUE(IsWindowVisible(firstWindow));
  EXPECT_TRUE(animations.HideTimer().Enabled());
  EXPECT_EQ(animations.HideTimer().Interval(), 12);
  animations.StartHideAnimation(second.Release(), PixelImage(40, 30, 0xFF00C000u), 100, owner.handle, atAero, 255,
                                [&] { ++secondEvents; });
  EXPECT_FALSE(IsWindow(firstWindow)) << "a second hide frees the first window at once";
  EXPECT_TRUE(PumpUntil([&] { return !animations.HideRunning(); }, 2000));
  EXPECT_FALSE(IsWindow(secondWindow));
  EXPECT_EQ(firstEvents, 0);
  EXPECT_EQ(secondEvents, 1);
  EXPECT_FALSE(animations.HideTimer().Enabled());
  EXPECT_EQ(OurTopLevelWindows(), before) << "no animation window left";
}

TEST(HideAnimation, AFormThatIsGoneHearsNothingAndAnEndingProgramRunsEveryFrameAtOnce) {
  TacWindowAnimations animations;
  TestWindow window = AnimationWindow({300, 300, 340, 330});
  HWND handle = window.handle;
  HWND owner = TestWindow(WS_EX_TOOLWINDOW, WS_POPUP, {0, 0, 10, 10}, kBlue).handle;  // destroyed at once
  int events = 0;
  animations.StartHideAnimation(window.Release(), PixelImage(40, 30, 0xFF00C000u), 48, owner, atFading, 255,
                                [&] { ++events; }, true);
  EXPECT_FALSE(animations.HideRunning());
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(events, 0);
}

TEST(ShowAnimation, LeavesTheAnimationWindowAtItsPlaceAtTheFinalOpacityAndTheSwitchOff) {
  TestWindow window = AnimationWindow({0, 0, 1, 1});
  const PixelImage picture(48, 32, 0xFF00A000u);
  AnimShowInWindow(window.handle, picture.view(), TacShowSchedule({48, 32}, 36, 255, atAero), {500, 200});
  EXPECT_FALSE(TacSkinEngine::Current().AnimationRunning());
  PumpFor(30);
  RECT r{};
  GetWindowRect(window.handle, &r);
  EXPECT_EQ(r.left, 500);
  EXPECT_EQ(r.right, 548);
  EXPECT_TRUE(IsWindowVisible(window.handle));
  EXPECT_EQ(ScreenPixel(520, 215), RGB(0, 0xA0, 0));
}

// A form's flags as the flight reads them, for a form that minimizes and comes back.
class FlightFlags final : public IacMinFlightHost {
 public:
  bool MinimizeRunning() const override { return minimizing; }
  bool RestoreRunning() const override { return restoring; }
  bool RestoreCommandInProgress() const override { return false; }
  void MinimizeFinished() override { minimizing = false; }
  void RestoreFinished() override { restoring = false; }
  bool minimizing = false, restoring = false;
};

TEST(MinimizeFlight, FliesOnTheUiThreadsSixMillisecondTimerAndComesBackToTheFormsPlace) {
  TestWindow form(WS_EX_TOOLWINDOW, WS_POPUP | WS_VISIBLE, {100, 100, 300, 250}, kGreen);
  PumpFor(30);
  TestWindow cover = AnimationWindow({0, 0, 1, 1});
  ASSERT_TRUE(MakeCoverForm(form.handle, cover.handle));
  TacLayeredWindow window(cover.handle, TacLayeredWindow::Ownership::Borrowed);
  TestWindow taskbar(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, WS_POPUP | WS_VISIBLE, {0, 560, 800, 600}, kBlue);
  window.KeepBehind(taskbar.handle);
  FlightFlags flags;
  TacMinTimer flight({80, 255, CompositionEnabled()}, flags, UiThreadTimers());
  flight.SetAnimationWindow(&window);
  flight.SavedImage() = MakeFormSnapshot(form.handle);
  const TRect from{100, 100, 300, 250};

  flags.minimizing = true;
  SetLayeredAlpha(form.handle, true, 0);
  flight.StartMinimizeFlight(from, TaskbarTargetRectOnScreen(from));
  EXPECT_TRUE(PumpUntil([&] { return !flags.minimizing; }, 2000));
  EXPECT_TRUE(flight.Minimized);
  EXPECT_FALSE(flight.Enabled());
  EXPECT_EQ(GetWindow(taskbar.handle, GW_HWNDNEXT), cover.handle) << "the picture flew behind the taskbar";

  flags.restoring = true;
  flight.StartRestoreFlight();
  EXPECT_TRUE(PumpUntil([&] { return !flags.restoring; }, 2000));
  EXPECT_FALSE(flight.Minimized);
  RECT r{};
  GetWindowRect(cover.handle, &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 100);
  EXPECT_EQ(r.right - r.left, 200) << "the whole picture at the form's place";
  EXPECT_EQ(ScreenPixel(150, 150), kGreen);
}

TEST(TaskbarTarget, CentredOnTheTaskbarWindowOrEmptyWithoutOne) {
  const TRect form = TRect::FromSize(100, 100, 400, 300);
  const std::optional<TRect> tray = TaskbarWindowRect();
  EXPECT_EQ(TaskbarTargetRectOnScreen(form), TaskbarTargetRect(tray, form));
  if (tray) {
    const TRect target = TaskbarTargetRectOnScreen(form);
    EXPECT_EQ(target.Width(), 300);
    EXPECT_EQ((target.Left + target.Right) / 2, (tray->Left + tray->Right) / 2);
  } else {
    EXPECT_EQ(TaskbarTargetRectOnScreen(form), TRect{});
  }
}

}  // namespace
