// The extended border windows of the program's real windows under Wine: one per form
// with the right styles and place, the form cut to its client area, hit codes, clicks
// through the shadow, dragging by the title, closing, a hundred moves, and the picture
// handed to the system premultiplied.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "pixels/PixelBuffer.h"
#include "skin/forms/logic/acHitCodes.h"
#include "tests/border_window_win/SkinnedProgram.h"

namespace {

RECT WindowRect(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}

POINT BorderTopLeftFor(const TsSkinProvider& provider) {
  const RECT form = WindowRect(provider.Form().Handle());
  return {form.left - provider.BorderForm()->OffsetX(), form.top - provider.BorderForm()->OffsetY()};
}

bool InRegion(HWND w, POINT windowPoint) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool has = GetWindowRgn(w, region) != ERROR;
  const bool inside = has && PtInRegion(region, windowPoint.x, windowPoint.y);
  DeleteObject(region);
  return inside;
}

// Only windows that `form` owns lie between it and `border`, on whichever side.
bool NextToInZOrder(HWND form, HWND border) {
  if (GetWindow(form, GW_HWNDNEXT) == border) return true;
  for (HWND w = GetWindow(form, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV)) {
    if (w == border) return true;
    HWND root = w;
    while (GetWindow(root, GW_OWNER) && GetWindow(root, GW_OWNER) != form) root = GetWindow(root, GW_OWNER);
    if (GetWindow(root, GW_OWNER) != form) return false;
  }
  return false;
}

class BorderWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(5, 5);
    main_ = &program_.ShowSkinned(program_.Main(), 120, 100);
    uitest::PumpFor(100);
    ASSERT_NE(main_->BorderForm(), nullptr);
  }
  HWND MainBorder() { return main_->BorderForm()->Handle(); }

  SkinnedProgram program_;
  TsSkinProvider* main_ = nullptr;
};

TEST_F(BorderWindows, EachFormOwnsOneVisibleBorderWindowPlacedAroundItsClientArea) {
  TsSkinProvider& about = program_.ShowSkinned(program_.About(), 600, 120);
  TsSkinProvider& notice = program_.ShowSkinned(program_.Notice(), 200, 500);
  for (TsSkinProvider* p : {main_, &about, &notice}) {
    const HWND form = p->Form().Handle();
    SCOPED_TRACE(p->Form().Caption().c_str());
    const std::vector<HWND> borders = BorderWindowsOf(form);
    ASSERT_EQ(borders.size(), 1u);
    const HWND border = borders[0];
    ASSERT_EQ(border, p->BorderForm()->Handle());
    const LONG_PTR ex = GetWindowLongPtrW(border, GWL_EXSTYLE);
    EXPECT_EQ(ex & (WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE),
              WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE);
    EXPECT_EQ(GetClassLongPtrW(border, GCL_STYLE) & CS_DROPSHADOW, 0u);
    const RECT r = WindowRect(border);
    const POINT expected = BorderTopLeftFor(*p);
    EXPECT_EQ(r.left, expected.x);
    EXPECT_EQ(r.top, expected.y);
    // Next to its form in the z-order: asked to go directly behind it. Wine keeps owned
    // windows in front of their owners, so there it lies in front, with at most the
    // form's own owned windows (About and the notice are the main window's) between.
    EXPECT_TRUE(NextToInZOrder(form, border));
    // The form keeps only its client area; the border window has its hole right there.
    RECT client{};
    GetClientRect(form, &client);
    POINT clientTopLeft{0, 0};
    ClientToScreen(form, &clientTopLeft);
    const RECT window = WindowRect(form);
    HRGN formRegion = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(form, formRegion), ERROR);
    RECT box{};
    GetRgnBox(formRegion, &box);
    DeleteObject(formRegion);
    EXPECT_EQ(box.left, clientTopLeft.x - window.left);
    EXPECT_EQ(box.top, clientTopLeft.y - window.top);
    EXPECT_EQ(box.right - box.left, client.right);
    EXPECT_EQ(box.bottom - box.top, client.bottom);
    const POINT holeCorner{clientTopLeft.x - r.left, clientTopLeft.y - r.top};
    EXPECT_FALSE(InRegion(border, holeCorner));
    EXPECT_TRUE(InRegion(border, {holeCorner.x - 1, holeCorner.y}));
    EXPECT_TRUE(InRegion(border, {holeCorner.x, holeCorner.y - 1}));
    EXPECT_FALSE(InRegion(border, {holeCorner.x + client.right - 1, holeCorner.y + client.bottom - 1}));
    EXPECT_TRUE(InRegion(border, {holeCorner.x + client.right, holeCorner.y + client.bottom}));
  }
}

TEST_F(BorderWindows, TheFrameAnswersNineteenAndTheShadowLetsTheMouseThrough) {
  const RECT r = WindowRect(MainBorder());
  const POINT title{(r.left + r.right) / 2, r.top + main_->BorderForm()->OffsetY() / 2 + 12};
  const POINT shadow{r.left + 1, (r.top + r.bottom) / 2};
  EXPECT_EQ(SendMessageW(MainBorder(), WM_NCHITTEST, 0, MAKELPARAM(title.x, title.y)), acHtObject);
  EXPECT_EQ(main_->BorderForm()->Ex_WMNCHitTest(title), acHtCaption);
  EXPECT_EQ(SendMessageW(MainBorder(), WM_NCHITTEST, 0, MAKELPARAM(shadow.x, shadow.y)), HTTRANSPARENT);
  // A modal box on top disables the form: then nothing of the frame takes the mouse.
  EnableWindow(main_->Form().Handle(), FALSE);
  EXPECT_EQ(main_->BorderForm()->Ex_WMNCHitTest(title), acHtTransparent);
  EnableWindow(main_->Form().Handle(), TRUE);
}

// A window of another thread that counts the left clicks it gets.
class WindowBelow {
 public:
  explicit WindowBelow(RECT r) {
    thread_ = std::thread([this, r] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = [](HWND w, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
        if (msg == WM_LBUTTONDOWN)
          reinterpret_cast<WindowBelow*>(GetWindowLongPtrW(w, GWLP_USERDATA))->clicks_++;
        return DefWindowProcW(w, msg, wp, lp);
      };
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"BorderTestBelow";
      wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
      RegisterClassW(&wc);
      HWND w = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"BorderTestBelow", L"", WS_POPUP, r.left,
                               r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
      SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
      SetWindowPos(w, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
      threadId_ = GetCurrentThreadId();
      window_ = w;
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
      DestroyWindow(w);
    });
    uitest::PumpUntil([this] { return window_.load() != nullptr; }, 5000);
  }
  ~WindowBelow() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  int Clicks() const { return clicks_; }

 private:
  std::atomic<HWND> window_{nullptr};
  std::atomic<int> clicks_{0};
  std::atomic<DWORD> threadId_{0};
  std::thread thread_;
};

void MouseAt(POINT p, DWORD buttons) {
  SetCursorPos(p.x, p.y);
  if (!buttons) return;
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = buttons == MOUSEEVENTF_LEFTDOWN ? MOUSEEVENTF_LEFTDOWN : buttons;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(buttons == MOUSEEVENTF_LEFTDOWN ? 2 : 1, in, sizeof(INPUT));
}

TEST_F(BorderWindows, AClickInTheShadowReachesTheWindowBelow) {
  const RECT r = WindowRect(MainBorder());
  const POINT shadow{r.left + 2, (r.top + r.bottom) / 2};
  WindowBelow below({r.left - 20, r.top, r.left + 10, r.bottom});
  // The mouse arriving there cuts a one-pixel hole into the border window.
  POINT client = shadow;
  ScreenToClient(MainBorder(), &client);
  SendMessageW(MainBorder(), WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
  EXPECT_FALSE(InRegion(MainBorder(), {shadow.x - r.left, shadow.y - r.top}));
  MouseAt(shadow, MOUSEEVENTF_LEFTDOWN);
  EXPECT_TRUE(uitest::PumpUntil([&] { return below.Clicks() > 0; }, 3000));
  // The next frame test closes the hole again.
  SendMessageW(MainBorder(), WM_NCHITTEST, 0, MAKELPARAM(shadow.x, shadow.y));
  EXPECT_TRUE(InRegion(MainBorder(), {shadow.x - r.left, shadow.y - r.top}));
}

TEST_F(BorderWindows, DraggingTheTitleMovesTheFormAndItsBorderWindowTogether) {
  const HWND form = main_->Form().Handle();
  const RECT before = WindowRect(form);
  const RECT border = WindowRect(MainBorder());
  const POINT title{(border.left + border.right) / 2 - 60, border.top + main_->BorderForm()->OffsetY() / 2 + 12};
  ASSERT_EQ(main_->BorderForm()->Ex_WMNCHitTest(title), acHtCaption);
  SetCursorPos(title.x, title.y);
  uitest::PumpFor(50);
  INPUT in[6] = {};
  for (INPUT& i : in) i.type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  for (int step = 1; step <= 4; ++step) {
    in[step].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    const int x = title.x + 10 * step, y = title.y + 8 * step;
    in[step].mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in[step].mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  in[5].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(6, in, sizeof(INPUT));
  EXPECT_TRUE(uitest::PumpUntil([&] { return WindowRect(form).left != before.left; }, 3000));
  uitest::PumpFor(100);
  const RECT after = WindowRect(form);
  EXPECT_EQ(after.left - before.left, 40);
  EXPECT_EQ(after.top - before.top, 32);
  const POINT expected = BorderTopLeftFor(*main_);
  EXPECT_EQ(WindowRect(MainBorder()).left, expected.x);
  EXPECT_EQ(WindowRect(MainBorder()).top, expected.y);
}

TEST_F(BorderWindows, ClosingAboutLeavesNoBorderWindowBehind) {
  TsSkinProvider& about = program_.ShowSkinned(program_.About(), 600, 120);
  const HWND aboutWindow = about.Form().Handle();
  ASSERT_EQ(BorderWindowsOf(aboutWindow).size(), 1u);
  program_.About().Close();
  uitest::PumpFor(100);
  EXPECT_TRUE(BorderWindowsOf(aboutWindow).empty());
  EXPECT_EQ(about.BorderForm(), nullptr);
  EXPECT_EQ(BorderWindowsOf(main_->Form().Handle()).size(), 1u);
}

TEST_F(BorderWindows, AHundredMovesKeepTheBorderWindowInPlace) {
  const HWND form = main_->Form().Handle();
  const RECT start = WindowRect(form);
  const RECT border = WindowRect(MainBorder());
  int mismatches = 0;
  for (int step = 1; step <= 100; ++step) {
    SetWindowPos(form, nullptr, start.left + 3 * step, start.top + 2 * (step % 17), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT now = WindowRect(MainBorder());
    const POINT expected = BorderTopLeftFor(*main_);
    const bool inPlace = now.left == expected.x && now.top == expected.y &&
                         now.right - now.left == border.right - border.left &&
                         now.bottom - now.top == border.bottom - border.top;
    mismatches += inPlace ? 0 : 1;
  }
  EXPECT_EQ(mismatches, 0);
}

// UpdateLayeredWindow as this program imports it, replaced for one test by a recorder of
// the pixels it is handed.
class LayeredPictureRecorder {
 public:
  using Fn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
  LayeredPictureRecorder() {
    real_ = reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "UpdateLayeredWindow")));
    active_ = this;
    slot_ = ImportSlot(reinterpret_cast<void*>(real_));
    if (slot_) Patch(reinterpret_cast<void*>(&Record));
  }
  ~LayeredPictureRecorder() {
    if (slot_) Patch(reinterpret_cast<void*>(real_));
    active_ = nullptr;
  }
  LayeredPictureRecorder(const LayeredPictureRecorder&) = delete;
  LayeredPictureRecorder& operator=(const LayeredPictureRecorder&) = delete;
  bool Installed() const { return slot_ != nullptr; }
  // The last picture handed for a window, as its memory holds it.
  const PixelImage* Last(HWND w) const { return w == window_ ? &picture_ : nullptr; }

 private:
  static BOOL WINAPI Record(HWND w, HDC screen, POINT* at, SIZE* size, HDC source, POINT* from, COLORREF key,
                            BLENDFUNCTION* blend, DWORD flags) {
    LayeredPictureRecorder* self = active_;
    if (self && source && size) {
      DIBSECTION dib{};
      HGDIOBJ bitmap = GetCurrentObject(source, OBJ_BITMAP);
      if (GetObjectW(bitmap, sizeof dib, &dib) == sizeof dib && dib.dsBm.bmBits && dib.dsBm.bmBitsPixel == 32) {
        GdiFlush();
        const int height = dib.dsBm.bmHeight, width = dib.dsBm.bmWidth;
        const bool topDown = dib.dsBmih.biHeight < 0;
        self->picture_ = PixelImage(width, height);
        for (int y = 0; y < height; ++y) {
          const auto* row = static_cast<const uint32_t*>(dib.dsBm.bmBits) +
                            static_cast<size_t>(topDown ? y : height - 1 - y) * width;
          std::memcpy(&self->picture_.at(0, y), row, static_cast<size_t>(width) * 4);
        }
        self->window_ = w;
      }
    }
    return self ? self->real_(w, screen, at, size, source, from, key, blend, flags) : FALSE;
  }
  // The program's import address table entry that holds `target`.
  static void** ImportSlot(void* target) {
    auto* base = reinterpret_cast<uint8_t*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name; ++imp) {
      for (auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk); thunk->u1.Function; ++thunk)
        if (reinterpret_cast<void*>(thunk->u1.Function) == target) return reinterpret_cast<void**>(&thunk->u1.Function);
    }
    return nullptr;
  }
  void Patch(void* to) {
    DWORD old = 0;
    VirtualProtect(slot_, sizeof(void*), PAGE_READWRITE, &old);
    *slot_ = to;
    VirtualProtect(slot_, sizeof(void*), old, &old);
  }

  static inline LayeredPictureRecorder* active_ = nullptr;
  Fn real_ = nullptr;
  void** slot_ = nullptr;
  HWND window_ = nullptr;
  PixelImage picture_;
};

TEST_F(BorderWindows, TheShadowReachesTheSystemPremultiplied) {
  LayeredPictureRecorder recorder;
  ASSERT_TRUE(recorder.Installed());
  // Activation changes the title: a new picture goes to the border window.
  SendMessageW(main_->Form().Handle(), WM_NCACTIVATE, FALSE, 0);
  SendMessageW(main_->Form().Handle(), WM_NCACTIVATE, TRUE, 0);
  const PixelImage* handed = recorder.Last(MainBorder());
  ASSERT_NE(handed, nullptr);
  const RECT r = WindowRect(MainBorder());
  ASSERT_EQ(handed->width(), r.right - r.left);
  int halfTransparent = 0, notPremultiplied = 0;
  for (int y = 0; y < handed->height(); ++y)
    for (int x = 0; x < handed->width(); ++x) {
      const uint32_t p = handed->at(x, y), a = PixelA(p);
      if (a > 0 && a < 255) ++halfTransparent;
      if (PixelR(p) > a || PixelG(p) > a || PixelB(p) > a) ++notPremultiplied;
    }
  EXPECT_GT(halfTransparent, 100);  // the soft shadow
  EXPECT_EQ(notPremultiplied, 0);
  // Slate's shadow is a dark blue-grey (0x101828 straight): a faint pixel halfway out has
  // it scaled down by its alpha.
  const uint32_t faint = handed->at(main_->BorderForm()->OffsetX() / 4, handed->height() / 2);
  EXPECT_GT(PixelA(faint), 0u);
  EXPECT_LT(PixelA(faint), 128u);
  EXPECT_LE(PixelR(faint), PixelA(faint) * 0x28 / 255 + 1);
}

}  // namespace
