// The program's message boxes with the embedded Slate, under Wine: what the skinned
// boxes carry, how they look and answer, and that opening and closing them leaks nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <set>
#include <string>

#include "DialogTemplates.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "common/uCommonFunc.h"
#include "skin/base/acSkinCommands.h"
#include "skin/controls/acControlSkinOwner.h"
#include "skin/data/acSkinEngine.h"
#include "skin/data/acSkinErrors_win.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/acDisabledLook.h"
#include "skin/paint/sGraphUtils.h"
#include "tests/doubles/powershell/PsDoubleLog.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/ScreenGrab.h"
#include "tests/support/UiDriver.h"

namespace {

constexpr wchar_t kNoNetwork[] = L"当前无网络";
constexpr wchar_t kNotice[] = L"提示";
constexpr wchar_t kRemoveAllQuestion[] = L"将卸载当前用户的全部应用（包括您自行安装的应用），确定继续吗？";

LRESULT IsSkinned(HWND window) { return SendMessageW(window, WM_SKINCOMMAND, SkinCommandWParam(SC_ISSKINNED), 0); }

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

// The box's visible children by kind: its text, its icon and its buttons.
struct BoxChildren {
  HWND text = nullptr, icon = nullptr;
  std::vector<HWND> buttons;
};
BoxChildren ChildrenOf(HWND box) {
  BoxChildren c;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    const std::wstring cls = ClassOf(child);
    if (_wcsicmp(cls.c_str(), L"Button") == 0) c.buttons.push_back(child);
    else if (_wcsicmp(cls.c_str(), L"Static") == 0 && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
      c.icon = child;
    else if (_wcsicmp(cls.c_str(), L"Static") == 0) c.text = child;
  }
  return c;
}

// Windows of this process, top-level and children.
int CountProcessWindows() {
  struct Counter {
    int n = 0;
    static BOOL CALLBACK Child(HWND, LPARAM self) {
      ++reinterpret_cast<Counter*>(self)->n;
      return TRUE;
    }
    static BOOL CALLBACK Top(HWND w, LPARAM self) {
      DWORD process = 0;
      GetWindowThreadProcessId(w, &process);
      if (process != GetCurrentProcessId()) return TRUE;
      ++reinterpret_cast<Counter*>(self)->n;
      EnumChildWindows(w, &Child, self);
      return TRUE;
    }
  } counter;
  EnumWindows(&Counter::Top, reinterpret_cast<LPARAM>(&counter));
  return counter.n;
}

// Presses keys in the box the way the keyboard does: to the window with the focus.
void PressKeys(HWND box, std::initializer_list<UINT> keys) {
  HWND target = GetFocus();
  if (target != box && !IsChild(box, target)) target = box;
  for (UINT key : keys) {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
  }
}

// A left click in the middle of one of the box's buttons.
void ClickButton(HWND box, int id) {
  const HWND button = GetDlgItem(box, id);
  RECT r;
  GetClientRect(button, &r);
  const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
  PostMessageW(button, WM_MOUSEMOVE, 0, at);
  PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(button, WM_LBUTTONUP, 0, at);
}

class SkinnedDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    watcher_.onBox = [this](const uitest::SeenBox& box) {
      if (inspect_) inspect_(box);
    };
    app_ = std::make_unique<marv::Application>();
    CreateProgramForms(*app_);
    form_ = static_cast<TForm1*>(app_->MainForm());
    ASSERT_TRUE(Manager().IsActive());
  }
  void TearDown() override {
    inspect_ = nullptr;
    app_.reset();
  }
  // Shows the main window as the program starts; its start-up box ("当前無网络", no
  // network here) comes and goes through the watcher.
  void Start() {
    form_->Show();
    ASSERT_TRUE(uitest::PumpUntil([&] { return !watcher_.Boxes().empty(); }, 10000));
    uitest::PumpFor(50);
    watcher_.ForgetBoxes();
  }
  TsSkinManager& Manager() { return *form_->sknmngr1; }
  void MoveCursorAway() { SetCursorPos(1270, 1010); }

  // The skin's pictures of a section, as the box's density has them.
  TacSkinData& SkinAt(HWND window) { return Manager().CommonSkinData(static_cast<int>(GetDpiForWindow(window))); }
  TacElementOwnerData Section(HWND window, const char* name) {
    TacElementOwnerData section;
    section.Data = &SkinAt(window);
    section.Index = Manager().GetSkinIndex(name);
    section.Parent = true;
    return section;
  }
  COLORREF GlobalColor() { return static_cast<COLORREF>(Manager().SkinColorToRGB(Manager().GetGlobalColor()) & 0xFFFFFF); }

  PsDoubleEnv ps_;
  uitest::WindowWatcher watcher_;
  std::function<void(const uitest::SeenBox&)> inspect_;
  std::unique_ptr<marv::Application> app_;
  TForm1* form_ = nullptr;
};

// Paints what the box's OK button shows in a state, over the box's client picture.
PixelImage ButtonPicture(const TacElementOwnerData& section, const PixelImage& dialog, HWND button, int state) {
  RECT r;
  GetWindowRect(button, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(button), reinterpret_cast<POINT*>(&r), 2);
  PixelImage picture(r.right - r.left, r.bottom - r.top);
  PaintElement(section, MakeCacheInfo(dialog.view()), state, picture.view(), {r.left, r.top},
               BufferRect(picture.view()), true);
  return picture;
}

// The border band of a button's picture: the section's own pixels, no caption.
std::vector<uint32_t> Edge(const PixelImage& p) {
  std::vector<uint32_t> edge;
  for (int y = 0; y < p.height(); ++y)
    for (int x = 0; x < p.width(); ++x)
      if (x < 3 || y < 2 || x >= p.width() - 3 || y >= p.height() - 2) edge.push_back(p.at(x, y) & 0xFFFFFF);
  return edge;
}

}  // namespace

TEST_F(SkinnedDialogs, TheStartUpBoxCarriesTheSkinAndClosesWithEnter) {
  bool inspected = false;
  HWND seen = nullptr;
  watcher_.answerBoxes = false;
  inspect_ = [&](const uitest::SeenBox& box) {
    const HWND w = seen = box.window;
    MoveCursorAway();
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(box.text, kNoNetwork);
    const TsCommonData* binding = SkinDataOfWindow(w);
    ASSERT_NE(binding, nullptr) << "the box carries \"ACSDATA\"";
    EXPECT_EQ(GetWindowLongW(w, GWL_STYLE) & WS_SYSMENU, 0);

    const BoxChildren children = ChildrenOf(w);
    ASSERT_TRUE(children.text && children.icon);
    ASSERT_EQ(children.buttons.size(), 1u);
    EXPECT_EQ(IsSkinned(w), 1);
    EXPECT_EQ(IsSkinned(children.text), 1);
    EXPECT_EQ(IsSkinned(children.icon), 1);
    EXPECT_EQ(IsSkinned(children.buttons[0]), 1);

    // One brush in the skin's colour, the same for every asking.
    HDC dc = GetDC(w);
    const auto first = reinterpret_cast<HBRUSH>(SendMessageW(w, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(w)));
    const auto second = reinterpret_cast<HBRUSH>(SendMessageW(w, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(w)));
    ReleaseDC(w, dc);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    LOGBRUSH brush{};
    GetObjectW(first, sizeof brush, &brush);
    EXPECT_EQ(brush.lbColor, GlobalColor());

    // The client area shows the "DIALOG" picture, not the system's panels.
    RECT client;
    GetClientRect(w, &client);
    const PixelImage shown = uitest::Grab(w, client);
    const PixelImage& picture = binding->CacheBmp();
    ASSERT_EQ(picture.width(), client.right);
    ASSERT_EQ(picture.height(), client.bottom);
    const TsGeneralData& dialogSection = SkinAt(w).gd[Manager().GetSkinIndex("DIALOG")];
    EXPECT_EQ(shown.at(1, 1), ColorToPixel(SkinColorToRGB(SkinAt(w), dialogSection.Props[0].Color)) & 0xFFFFFF);
    EXPECT_NE(shown.at(1, 1), ColorToPixel(GetSysColor(COLOR_BTNFACE)) & 0xFFFFFF);
    int compared = 0;
    for (int y = 0; y < client.bottom; ++y)
      for (int x = 0; x < client.right; ++x) {
        POINT p{x, y};
        if (ChildWindowFromPointEx(w, p, CWP_SKIPINVISIBLE) != w) continue;  // a child shows there
        ++compared;
        ASSERT_EQ(shown.at(x, y), picture.at(x, y) & 0xFFFFFF) << x << "," << y;
      }
    EXPECT_GT(compared, client.right * client.bottom / 2);

    // The OK button, default and focused, shows the hot look with the mouse elsewhere.
    const HWND ok = children.buttons[0];
    const TacElementOwnerData button = Section(w, "BUTTON");
    const std::vector<uint32_t> hot = Edge(ButtonPicture(button, picture, ok, 1));
    ASSERT_NE(hot, Edge(ButtonPicture(button, picture, ok, 0))) << "the hot look differs from the normal one";
    RECT b;
    GetClientRect(ok, &b);
    EXPECT_EQ(Edge(uitest::Grab(ok, b)), hot);
    PressKeys(w, {VK_RETURN});
    inspected = true;
  };
  Start();
  EXPECT_TRUE(inspected);
  EXPECT_FALSE(IsWindow(seen)) << "Enter closed the box";
}

TEST_F(SkinnedDialogs, EnterAnswersTheNoticeBoxWithOk) {
  Start();
  watcher_.answerBoxes = false;
  inspect_ = [&](const uitest::SeenBox& box) { PressKeys(box.window, {VK_RETURN}); };
  EXPECT_EQ(MessageBoxW(form_->Handle(), kNoNetwork, kNotice, MB_OK | MB_ICONINFORMATION), IDOK);
}

// "卸载全部" asks first; Yes starts the removal, No starts nothing, by mouse and by keys.
TEST_F(SkinnedDialogs, TheRemoveAllQuestionAnswersYesAndNoByClickAndByKeyboard) {
  Start();
  struct Case {
    const char* name;
    std::function<void(HWND)> answer;
    bool yes;
  };
  const Case cases[] = {
      {"click Yes", [](HWND box) { ClickButton(box, IDYES); }, true},
      {"click No", [](HWND box) { ClickButton(box, IDNO); }, false},
      {"Enter", [](HWND box) { PressKeys(box, {VK_RETURN}); }, true},
      {"Tab, Enter", [](HWND box) { PressKeys(box, {VK_TAB, VK_RETURN}); }, false},
  };
  watcher_.answerBoxes = false;
  size_t runs = 0;
  for (const Case& c : cases) {
    bool asked = false;
    inspect_ = [&](const uitest::SeenBox& box) {
      if (box.text != kRemoveAllQuestion) {  // the notice after the removal
        PostMessageW(box.window, WM_COMMAND, IDOK, 0);
        return;
      }
      asked = true;
      EXPECT_NE(SkinDataOfWindow(box.window), nullptr) << c.name;
      for (int id : {IDYES, IDNO}) EXPECT_EQ(IsSkinned(GetDlgItem(box.window, id)), 1) << c.name;
      c.answer(box.window);
    };
    uitest::Click(*form_->btn23);
    ASSERT_TRUE(uitest::PumpUntil([&] { return asked; }, 5000)) << c.name;
    if (c.yes) {
      ++runs;
      EXPECT_TRUE(uitest::PumpUntil([&] { return ps_.invocations().size() == runs; }, 10000)) << c.name;
    }
    uitest::PumpFor(300);
    EXPECT_EQ(ps_.invocations().size(), runs) << c.name;
  }
}

TEST_F(SkinnedDialogs, FiveHundredBoxesLeaveNoGdiObjectsAndNoWindowsBehind) {
  Start();
  int skinned = 0;
  std::set<LRESULT> brushes;
  inspect_ = [&](const uitest::SeenBox& box) {
    skinned += SkinDataOfWindow(box.window) != nullptr;
    brushes.insert(SendMessageW(box.window, WM_CTLCOLORDLG, 0, reinterpret_cast<LPARAM>(box.window)));
  };
  const auto boxes = [&](int n) {
    for (int i = 0; i < n; ++i) ShowMsg(L"照片 卸载完成！", kNotice, false);
    uitest::PumpFor(50);
  };
  boxes(5);  // the brush, fonts and caches are made once
  ASSERT_TRUE(uitest::GdiCountWorks()) << "no way to count this process's GDI objects";
  const long gdiBefore = uitest::CountGdiObjects();
  const int windowsBefore = CountProcessWindows();
  boxes(500);
  EXPECT_EQ(skinned, 505);
  EXPECT_EQ(brushes.size(), 1u) << "one brush for every box";
  EXPECT_EQ(uitest::CountGdiObjects(), gdiBefore);
  EXPECT_EQ(CountProcessWindows(), windowsBefore);
}

// A box the engine shows in the system's look (the skin version warning) stays so; the
// skin error boxes shown while a skin is active are skinned.
TEST_F(SkinnedDialogs, BoxesShownWithDialogSkinningSwitchedOffKeepTheSystemsLook) {
  Start();
  std::vector<bool> skinned;
  inspect_ = [&](const uitest::SeenBox& box) { skinned.push_back(SkinDataOfWindow(box.window) != nullptr); };
  {
    TacEngineSwitchScope off(TacSkinEngine::Current(), TacEngineSwitchScope::Switch::DialogSkinning, false);
    MessageBoxW(form_->Handle(), L"Warning", L"Warning", MB_OK | MB_ICONWARNING);
  }
  MessageBoxErrorSink().ShowError("Loaded data is not a packed skin file");
  EXPECT_EQ(skinned, (std::vector<bool>{false, true}));
}

TEST_F(SkinnedDialogs, AStaticWhoseTextNeedsMoreRoomGrowsToFitIt) {
  Start();
  const HWND dialog = CreateTextDialog(form_->Handle(), L"这段文字比它的窗口长得多，需要更多的空间才能全部显示出来。", {60, 8});
  ASSERT_TRUE(dialog);
  UpdateWindow(dialog);
  uitest::PumpFor(50);
  const HWND text = GetDlgItem(dialog, kTemplateStaticId);
  EXPECT_EQ(IsSkinned(text), 1);
  RECT r;
  GetClientRect(text, &r);
  RECT units{0, 0, 60, 8};
  MapDialogRect(dialog, &units);
  EXPECT_EQ(r.right, units.right) << "as wide as before: the text wraps";
  EXPECT_GT(r.bottom, units.bottom) << "taller, for the wrapped lines";
  DestroyWindow(dialog);
}

// A disabled push button is its normal picture washed out with the dialog under it.
TEST_F(SkinnedDialogs, ADisabledPushButtonIsBlendedWithTheDialogsBackground) {
  Start();
  MoveCursorAway();
  const HWND dialog = CreateTextDialog(form_->Handle(), L"文字", {60, 8}, true);
  ASSERT_TRUE(dialog);
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const HWND button = GetDlgItem(dialog, kTemplateButtonId);
  ASSERT_EQ(IsSkinned(button), 1);
  const TsCommonData* binding = SkinDataOfWindow(dialog);
  ASSERT_NE(binding, nullptr);
  const PixelImage& under = binding->CacheBmp();
  const TacElementOwnerData section = Section(dialog, "BUTTON");
  const PixelImage normal = ButtonPicture(section, under, button, 0);
  PixelImage disabled = normal;
  RECT r;
  GetWindowRect(button, &r);
  MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
  ApplyDisabledLook(disabled.view(), dkBlended, GetSysColor(COLOR_BTNFACE), {r.left, r.top}, MakeCacheInfo(under.view()));
  ASSERT_NE(Edge(disabled), Edge(normal));
  RECT client;
  GetClientRect(button, &client);
  EXPECT_EQ(Edge(uitest::Grab(button, client)), Edge(disabled));
  DestroyWindow(dialog);
}

TEST_F(SkinnedDialogs, AThirdDialogOpenedWhileTwoSkinnedOnesAreVisibleKeepsTheSystemsLook) {
  Start();
  HWND dialogs[3];
  for (HWND& d : dialogs) {
    d = CreateTextDialog(form_->Handle(), L"文字", {60, 8});
    ASSERT_TRUE(d);
  }
  EXPECT_NE(SkinDataOfWindow(dialogs[0]), nullptr);
  EXPECT_NE(SkinDataOfWindow(dialogs[1]), nullptr);
  EXPECT_EQ(SkinDataOfWindow(dialogs[2]), nullptr);
  for (HWND d : dialogs) DestroyWindow(d);
}

namespace {

// A subclass of the old kind, put on after the skin's: it chains to whatever procedure
// the window had when it came.
WNDPROC gChainedTo = nullptr;
int gSeenByLaterSubclass = 0;
LRESULT CALLBACK LaterSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP + 7) ++gSeenByLaterSubclass;
  return CallWindowProcW(gChainedTo, window, message, wParam, lParam);
}

}  // namespace

TEST_F(SkinnedDialogs, RemovingTheSkinGivesADialogBackWithoutCuttingALaterSubclassOff) {
  Start();
  const HWND dialog = CreateTextDialog(form_->Handle(), L"文字", {60, 8});
  ASSERT_TRUE(dialog);
  UpdateWindow(dialog);
  const HWND text = GetDlgItem(dialog, kTemplateStaticId);
  ASSERT_NE(SkinDataOfWindow(dialog), nullptr);
  ASSERT_NE(SkinDataOfWindow(text), nullptr);
  gSeenByLaterSubclass = 0;
  gChainedTo = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclass)));

  Manager().SetActive(false);  // the hook goes, and every skinned dialog is given back
  EXPECT_EQ(SkinDataOfWindow(dialog), nullptr);
  EXPECT_EQ(SkinDataOfWindow(text), nullptr);
  EXPECT_EQ(IsSkinned(dialog), 0);
  EXPECT_EQ(IsSkinned(text), 0);
  // The later subclass still gets the messages, and what it chains to still works.
  SendMessageW(dialog, WM_APP + 7, 0, 0);
  EXPECT_EQ(gSeenByLaterSubclass, 1);
  EXPECT_EQ(GetWindowLongPtrW(dialog, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&LaterSubclass));
  EXPECT_EQ(SendMessageW(dialog, WM_GETTEXTLENGTH, 0, 0), 2);
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  DestroyWindow(dialog);
}
