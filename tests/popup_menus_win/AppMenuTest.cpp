// The program's app menu in the real main window with the embedded Slate: the popup
// window the system makes is skinned (region, frame, item pictures), choosing an item
// still runs its action, and opening and closing the menu leaks nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <intrin.h>

#include <functional>
#include <utility>

#include "framework/DibBitmap.h"
#include "skin/base/acSkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "skin/forms/acAppWindowHook.h"
#include "skin/forms/logic/acMenuItemPaint.h"
#include "skin/forms/sSkinMenus.h"
#include "tests/support/MainWindowFixture.h"

namespace {

// Live GDI objects of this process through the PEB's handle table (GetGuiResources
// answers 0 under Wine): 24-byte entries whose byte 14 holds the object type.
long CountGdiObjects() {
  const auto* peb = reinterpret_cast<const uint8_t*>(__readgsqword(0x60));
  const auto* table = peb ? *reinterpret_cast<const uint8_t* const*>(peb + 0xF8) : nullptr;
  if (!table) return -1;
  constexpr int kEntries = 0x10000, kEntrySize = 24, kTypeOffset = 14;
  long live = 0;
  for (int i = 0; i < kEntries; ++i) live += table[i * kEntrySize + kTypeOffset] != 0;
  return live;
}

BOOL CALLBACK CountWindow(HWND w, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  EnumChildWindows(w, [](HWND, LPARAM c) { return ++*reinterpret_cast<long*>(c), TRUE; }, count);
  return TRUE;
}

long CountThreadWindows() {
  long count = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

uint32_t ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return c;
}

class AppMenuTest : public MainWindowTest {
 protected:
  // Opens the app menu from button btn9 ("照片") with the mouse at its centre. Once the
  // menu window shows and has painted, `input` runs; input posted there reaches the
  // menu's own loop, and `look` runs 200 ms later from that loop; then the menu closes.
  void WithOpenMenu(const std::function<void(HWND menu)>& input, const std::function<void(HWND menu)>& look = {}) {
    const RECT b = form_->btn9->BoundsRect();
    POINT centre{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
    ClientToScreen(form_->Handle(), &centre);
    SetCursorPos(centre.x, centre.y);
    cursor_ = centre;
    watcher_.onMenu = [&](HWND menu) {
      menu_ = menu;
      uitest::PumpFor(150);  // painted, its deferred border put on
      input(menu);
      pendingLook_ = [&, menu] {
        if (look) look(menu);
        PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
      };
      SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        if (auto run = std::exchange(pendingLook_, nullptr)) run();
      });
    };
    uitest::Click(*form_->btn9);
    watcher_.onMenu = nullptr;
    uitest::PumpFor(50);
  }
  TsSkinableMenus& Menus() { return *static_cast<TsSkinableMenus*>(form_->sknmngr1->SkinableMenus()); }
  RECT ItemRect(int index) {
    RECT r{};
    GetMenuItemRect(nullptr, form_->pm1->Handle(), index, &r);
    return r;
  }
  // The pointer moves to a screen point; the menu's loop reads the move in the menu
  // window's client coordinates.
  static void MoveMouse(HWND menu, POINT screen) {
    SetCursorPos(screen.x, screen.y);
    ScreenToClient(menu, &screen);
    PostMessageW(menu, WM_MOUSEMOVE, 0, MAKELPARAM(screen.x, screen.y));
  }
  static POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

  static inline std::function<void()> pendingLook_;
  POINT cursor_{};
  HWND menu_ = nullptr;
};

TEST_F(AppMenuTest, TheMenuWindowOpensBelowThePointerSkinnedWithItsCornersCut) {
  RECT shown{};
  LRESULT skinned = 0;
  int regionKind = ERROR;
  RECT regionBox{};
  WithOpenMenu([&](HWND menu) {
    GetWindowRect(menu, &shown);
    skinned = SendMessageW(menu, WM_SKINCOMMAND, SkinCommandWParam(SC_ISSKINNED), 0);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    regionKind = GetWindowRgn(menu, region);
    GetRgnBox(region, &regionBox);
    DeleteObject(region);
  });
  ASSERT_NE(menu_, nullptr);
  EXPECT_EQ(shown.left, cursor_.x - 30);
  EXPECT_EQ(shown.top, cursor_.y + 12);
  EXPECT_EQ(skinned, 1);
  // Slate's popup border has square corners: the whole rectangle, no region needed;
  // with cut corners the region is the rectangle less them (checked natively).
  TacMenuPictureSpec spec;
  spec.Size = {shown.right - shown.left, shown.bottom - shown.top};
  const TacMenuPicture picture = BuildMenuPicture(form_->sknmngr1->CommonSkinData(96), spec);
  if (picture.CornerRects.empty()) {
    EXPECT_EQ(regionKind, ERROR);
  } else {
    EXPECT_EQ(regionKind, COMPLEXREGION);
    EXPECT_EQ(regionBox.right - regionBox.left, shown.right - shown.left);
  }
}

TEST_F(AppMenuTest, TheItemUnderTheMouseIsHotAndTheOtherNormal) {
  uint32_t hot = 0, normal = 0;
  WithOpenMenu([&](HWND menu) { MoveMouse(menu, Centre(ItemRect(0))); },
               [&](HWND) {
                 const RECT first = ItemRect(0), second = ItemRect(1);
                 hot = ScreenPixel(first.left + 8, first.top + 4);
                 normal = ScreenPixel(second.left + 8, second.top + 4);
               });
  TacSkinData& slate = form_->sknmngr1->CommonSkinData(96);
  const TsGeneralData& item = slate.gd[slate.Sections[ssMenuItem]];
  EXPECT_EQ(normal, 0xFFFFFFu);  // state 0 is transparent over the white popup
  EXPECT_NE(hot, normal);
  EXPECT_EQ(hot, item.Props[1].Color) << std::hex << hot;
}

TEST_F(AppMenuTest, PopupsAreOpaqueAt255AndTranslucentBelow) {
  for (const uint8_t alpha : {uint8_t{255}, uint8_t{200}}) {
    SCOPED_TRACE(alpha);
    form_->sknmngr1->MenuSupport().AlphaBlend = alpha;
    LONG_PTR exStyle = 0;
    BYTE shownAlpha = 0;
    WithOpenMenu([&](HWND menu) {
      exStyle = GetWindowLongPtrW(menu, GWL_EXSTYLE);
      DWORD flags = 0;
      GetLayeredWindowAttributes(menu, nullptr, &shownAlpha, &flags);
    });
    EXPECT_EQ((exStyle & WS_EX_LAYERED) != 0, alpha != 255);
    if (alpha != 255) EXPECT_EQ(shownAlpha, alpha);
  }
}

TEST_F(AppMenuTest, ChoosingUninstallByClickAndByKeyboardStillRunsTheAction) {
  for (const bool byKeyboard : {true, false}) {
    SCOPED_TRACE(byKeyboard ? "keyboard" : "click");
    const size_t before = Runs().size();
    WithOpenMenu([&](HWND menu) {
      if (byKeyboard) {
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
        return;
      }
      // A click as the hardware gives it, at the item's centre.
      MoveMouse(menu, Centre(ItemRect(0)));
      INPUT click[2]{};
      click[0].type = click[1].type = INPUT_MOUSE;
      click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
      click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
      SendInput(2, click, sizeof(INPUT));
    });
    ASSERT_TRUE(WaitForRuns(before + 1));
    EXPECT_NE(Runs().back().commandLine.find(L"Remove-AppxPackage"), std::wstring::npos);
  }
}

TEST_F(AppMenuTest, AtMostOneDeferredBorderIsQueuedAndAStaleOneIsIgnored) {
  int waiting = 0;
  WithOpenMenu([&](HWND menu) {
    // Repaints that find the window still unknown may ask again; never twice at once.
    RedrawWindow(menu, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    MSG msg;
    while (PeekMessageW(&msg, form_->Handle(), WM_ACMENUBORDER, WM_ACMENUWINDOWBORDER, PM_REMOVE)) ++waiting;
  });
  EXPECT_LE(waiting, 1);
  // A key of a popup that has closed names nothing any more: handled, no effect.
  SendMessageW(form_->Handle(), WM_ACMENUBORDER, 0, 1);
  SendMessageW(form_->Handle(), WM_ACMENUWINDOWBORDER, 0, reinterpret_cast<LPARAM>(form_->Handle()));
  EXPECT_EQ(Menus().PopupWindowCount(), 0u);
}

TEST_F(AppMenuTest, OpeningAndClosingTheMenuLeaksNoGdiObjectsOrWindows) {
  WithOpenMenu([](HWND) {});  // the first opening makes what stays (fonts, caches)
  uitest::PumpFor(50);
  const long gdi = CountGdiObjects(), windows = CountThreadWindows();
  ASSERT_GT(gdi, 0);
  for (int i = 0; i < 500; ++i) {
    form_->pm1->SetTracker([](HMENU menu, POINT at, HWND owner) {
      SetTimer(owner, 77, 1, [](HWND w, UINT, UINT_PTR id, DWORD) {
        KillTimer(w, id);
        EndMenu();
      });
      return static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NOANIMATION, at.x, at.y, 0, owner, nullptr));
    });
    form_->pm1->Popup(100, 100);
  }
  uitest::PumpFor(50);
  EXPECT_EQ(CountGdiObjects(), gdi);
  EXPECT_EQ(CountThreadWindows(), windows);
  EXPECT_EQ(Menus().PopupWindowCount(), 0u);
  EXPECT_FALSE(Menus().MenusOpen());
}

}  // namespace
