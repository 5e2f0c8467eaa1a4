// The main window and About without a mouse: Tab and Shift+Tab in reading order with a
// focus event for each step, arrows in the grid, Enter and Space, the focus look only
// after keyboard use, and About's Tab and Esc.
#include <vector>

#include "tests/accessibility_win/AccessFixture.h"

namespace {

struct FocusEvent {
  HWND window;
  LONG object;
  LONG child;
};

// Records EVENT_OBJECT_FOCUS raised in this process while it lives.
class FocusEvents {
 public:
  FocusEvents() {
    active_ = this;
    hook_ = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, &Seen, GetCurrentProcessId(), 0,
                            WINEVENT_OUTOFCONTEXT);
  }
  ~FocusEvents() {
    UnhookWinEvent(hook_);
    active_ = nullptr;
  }
  FocusEvents(const FocusEvents&) = delete;
  FocusEvents& operator=(const FocusEvents&) = delete;

  std::vector<FocusEvent> seen;

 private:
  static void CALLBACK Seen(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (active_) active_->seen.push_back({window, object, child});
  }
  static inline FocusEvents* active_ = nullptr;
  HWINEVENTHOOK hook_ = nullptr;
};

// The main window's focus order, from its first control.
const std::vector<const wchar_t*> kTabOrder = {
    L"3D建模", L"相机", L"照片", L"地图", L"画图 3D", L"天气", L"便签", L"财经", L"新闻", L"人脉", L"OneNote",
    L"Xbox", L"Skype", L"Wallet", L"Print 3D", L"消息", L"闹钟和时钟", L"电影和电视", L"日历和邮件",
    L"获取office", L"应用商店", L"棋牌游戏", L"录音机", L"计算器", L"Groove 音乐", L"获取帮助", L"移动套餐",
    L"反馈中心", L"3D 查看器", L"截图和草图", L"使用技巧", L"混合现实门户", L"你的手机", L"卸载全部",
    L"安装全部", L"(switch)", L"关于", L"Marvolena"};

std::wstring NameOf(TForm1& form, marv::Control* control) {
  if (!control) return L"(nothing)";
  if (control == form.sSlider1) return L"(switch)";
  return control->Caption();
}

TEST_F(AccessTest, TabVisitsEveryControlInOrderRaisingAFocusEventForEach) {
  ASSERT_EQ(GetFocus(), form_->Handle());
  ASSERT_EQ(NameOf(*form_, form_->Keyboard().Focused()), L"3D建模");
  FocusEvents events;
  std::vector<std::wstring> visited;
  for (size_t step = 1; step <= kTabOrder.size(); ++step) {
    Press(VK_TAB);
    visited.push_back(NameOf(*form_, form_->Keyboard().Focused()));
  }
  std::vector<std::wstring> expected(kTabOrder.begin() + 1, kTabOrder.end());
  expected.push_back(kTabOrder.front());  // round again
  EXPECT_EQ(visited, expected);

  ASSERT_EQ(events.seen.size(), kTabOrder.size());
  for (size_t i = 0; i < events.seen.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(events.seen[i].window, form_->Handle());
    EXPECT_EQ(events.seen[i].object, OBJID_CLIENT);
    // The event names the child the screen reader lists for that control.
    marv::Control* control = form_->Keyboard().ChildById(events.seen[i].child);
    EXPECT_EQ(NameOf(*form_, control), expected[i]);
  }

  Press(VK_TAB, true);
  EXPECT_EQ(NameOf(*form_, form_->Keyboard().Focused()), L"Marvolena");
  Press(VK_TAB, true);
  EXPECT_EQ(NameOf(*form_, form_->Keyboard().Focused()), L"关于");
}

TEST_F(AccessTest, ArrowsMoveInTheGridAndEnterOpensTheAppMenuBelowTheButton) {
  Press(VK_RIGHT);
  Press(VK_RIGHT);
  ASSERT_EQ(form_->Keyboard().Focused(), form_->btn9);
  Press(VK_DOWN);
  EXPECT_EQ(NameOf(*form_, form_->Keyboard().Focused()), L"便签");
  Press(VK_UP);
  ASSERT_EQ(form_->Keyboard().Focused(), form_->btn9);
  Press(VK_RETURN);
  ASSERT_TRUE(uitest::PumpUntil([&] { return menus_ == 1; }, 2000));
  EXPECT_EQ(form_->sAppName, L"photos");
  const POINT below = BelowLeft(*form_->btn9);
  EXPECT_EQ(menuAt_.x, below.x);
  EXPECT_EQ(menuAt_.y, below.y);
  Press(VK_SPACE);
  EXPECT_EQ(menus_, 2);
}

TEST_F(AccessTest, SpaceTogglesTheSwitchButEnterDoesNot) {
  for (int i = 0; i < 5 && form_->Keyboard().Focused() != form_->sSlider1; ++i) Press(VK_TAB, true);
  ASSERT_TRUE(form_->sSlider1->SliderOn());
  Press(VK_RETURN);
  uitest::PumpFor(50);
  EXPECT_TRUE(form_->sSlider1->SliderOn());
  Press(VK_SPACE);
  EXPECT_FALSE(form_->sSlider1->SliderOn());
  Press(VK_SPACE);
  EXPECT_TRUE(form_->sSlider1->SliderOn());
  EXPECT_EQ(menus_, 0);
}

TEST_F(AccessTest, FocusLookShowsOnlyAfterTheKeyboardWasUsed) {
  // Focused from the start, but shown only once a key moved it, as Windows does.
  ASSERT_EQ(NameOf(*form_, form_->Keyboard().Focused()), L"3D建模");
  EXPECT_FALSE(form_->btn1->FocusCue());
  uitest::Click(*form_->btn5);  // the mouse moves the focus and shows no look
  uitest::PumpFor(20);
  EXPECT_EQ(form_->Keyboard().Focused(), form_->btn5);
  EXPECT_FALSE(form_->btn5->FocusCue());
  Press(VK_TAB);
  EXPECT_EQ(form_->Keyboard().Focused(), form_->btn9);
  EXPECT_TRUE(form_->btn9->FocusCue());
  EXPECT_FALSE(form_->btn5->FocusCue());
  // Another window takes the focus: no look; back again: the look returns.
  TForm2& about = About();
  about.Show();
  uitest::PumpFor(20);
  EXPECT_FALSE(form_->btn9->FocusCue());
  about.Hide();
  SetForegroundWindow(form_->Handle());
  SetFocus(form_->Handle());
  uitest::PumpFor(20);
  EXPECT_TRUE(form_->btn9->FocusCue());
}

TEST_F(AccessTest, FocusedAppButtonShowsTheSkinsFocusFrame) {
  auto& photos = dynamic_cast<TsSpeedButton&>(*form_->btn9);
  ASSERT_TRUE(photos.SkinData().Skinned());
  const auto picture = [&] {
    photos.SkinData().BGChanged = true;
    photos.UpdateView();
    return photos.SkinData().CacheBmp();
  };
  const PixelImage plain = picture();
  Press(VK_RIGHT);
  Press(VK_RIGHT);
  ASSERT_TRUE(photos.FocusCue());
  uitest::PumpFor(50);
  const PixelImage focused = picture();
  ASSERT_EQ(focused.width(), plain.width());
  int changed = 0;
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < plain.width(); ++x) changed += plain.at(x, y) != focused.at(x, y);
  EXPECT_GT(changed, 20);  // the dots of a frame around the caption
}

TEST_F(AccessTest, AboutTabsBetweenItsButtonsAndEscCloses) {
  TForm2& about = About();
  about.Show();
  uitest::PumpFor(20);
  ASSERT_EQ(GetFocus(), about.btn1.Handle());  // "确定" first
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), about.Handle());
  EXPECT_EQ(about.btn2.FocusCue(), true);
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), about.btn1.Handle());
  EXPECT_FALSE(about.btn2.FocusCue());
  Press(VK_TAB, true);
  EXPECT_EQ(GetFocus(), about.Handle());
  Press(VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(about.Handle()));
}

TEST_F(AccessTest, EnterOnAboutsOkClosesItsModalLoop) {
  TForm2& about = About();
  int result = -1;
  // The modal loop runs inside this timer's first tick; keys go in from a later one.
  SetTimer(form_->Handle(), 77, 10, nullptr);
  form_->SetMessageHandler(WM_TIMER, [&](marv::Message& m) {
    if (m.WParam != 77) return;
    KillTimer(form_->Handle(), 77);
    result = about.ShowModal();
  });
  SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    SendMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
  });
  ASSERT_TRUE(uitest::PumpUntil([&] { return result != -1; }, 3000));
  EXPECT_EQ(result, marv::mrCancel);  // closed by its handler, not by a result of its own
}

}  // namespace
