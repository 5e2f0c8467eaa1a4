// Message boxes: a second thread finds the box by its caption, looks at it, and answers it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <thread>

#include "common/uCommonFunc.h"
#include "tests/support/WineHost.h"

namespace {

struct WindowDestroyer {
  void operator()(HWND window) const noexcept { DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// What the answering thread saw of the box while it was up.
struct SeenBox {
  bool found = false;
  std::wstring text;
  std::set<int> visibleButtons;
  HICON icon = nullptr;
  HWND owner = nullptr;
  bool ownerEnabled = true;
};

SeenBox InspectAndAnswer(const std::wstring& caption, int answer) {
  SeenBox seen;
  HWND box = nullptr;
  // Visible means its dialog set-up has ended.
  seen.found = winehost::WaitUntil([&] {
    box = FindWindowW(L"#32770", caption.c_str());
    return box && IsWindowVisible(box);
  });
  if (!seen.found) return seen;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[64] = {};
    wchar_t text[256] = {};
    GetClassNameW(child, className, 64);
    GetWindowTextW(child, text, 256);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (_wcsicmp(className, L"Button") == 0 && IsWindowVisible(child))
      seen.visibleButtons.insert(GetDlgCtrlID(child));
    else if (_wcsicmp(className, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON)
      seen.icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    else if (_wcsicmp(className, L"Static") == 0 && text[0])
      seen.text = text;
  }
  seen.owner = GetWindow(box, GW_OWNER);
  seen.ownerEnabled = seen.owner && IsWindowEnabled(seen.owner);
  PostMessageW(box, WM_COMMAND, answer, 0);
  return seen;
}

}  // namespace

TEST(ShowMsg, ShowsTheAskedKindOfBoxOwnedByTheActiveWindowAndMapsTheAnswer) {
  UniqueWindow owner(CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     100, 100, 300, 200, nullptr, nullptr, nullptr, nullptr));
  ASSERT_TRUE(owner);
  SetForegroundWindow(owner.get());
  SetActiveWindow(owner.get());
  ASSERT_EQ(GetActiveWindow(), owner.get());

  using Show = bool (*)(const std::wstring& text, const std::wstring& caption);
  struct Case {
    Show show;
    int answer;
    bool result;
    std::set<int> buttons;
    const wchar_t* icon;
  };
  const Show tell = [](const std::wstring& text, const std::wstring& caption) { return ShowMsg(text, caption, false); };
  const Show ask = [](const std::wstring& text, const std::wstring& caption) { return ShowMsg(text, caption, true); };
  const Show warn = [](const std::wstring& text, const std::wstring& caption) {
    return ShowMsg(text, caption, MsgIcon::Warning);
  };
  const Case cases[] = {
      {tell, IDOK, true, {IDOK}, IDI_INFORMATION},
      {ask, IDYES, true, {IDYES, IDNO}, IDI_QUESTION},
      {ask, IDNO, false, {IDYES, IDNO}, IDI_QUESTION},
      {warn, IDOK, true, {IDOK}, IDI_WARNING},
  };
  int index = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(index);
    const std::wstring caption = L"提示 " + std::to_wstring(index++);
    SeenBox seen;
    std::thread answerer([&] { seen = InspectAndAnswer(caption, c.answer); });

    const bool result = c.show(L"计算器 卸载完成！", caption);
    answerer.join();

    ASSERT_TRUE(seen.found);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(seen.text, L"计算器 卸载完成！");
    EXPECT_EQ(seen.visibleButtons, c.buttons);
    EXPECT_EQ(seen.icon, LoadIconW(nullptr, c.icon));
    EXPECT_EQ(seen.owner, owner.get());
    EXPECT_FALSE(seen.ownerEnabled) << "the owner stays usable while the box is up";
  }
}
