#pragma once
// The program's forms as at start with the internal skin, the app menu answered by the
// test (it records where it was opened), and helpers for keys and accessible objects.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleacc.h>

#include <memory>
#include <string>

#include "app/Startup.h"
#include "app/Unit1.h"
#include "tests/support/UiDriver.h"
#include "update/Unit2.h"

struct ComReleaser {
  void operator()(IUnknown* object) const noexcept { object->Release(); }
};
using AccessiblePtr = std::unique_ptr<IAccessible, ComReleaser>;

inline VARIANT Child(long id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

// A string property of a child; "(none)" when it has none.
inline std::wstring TextOf(IAccessible& object, long id, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
  BSTR text = nullptr;
  const HRESULT hr = (object.*get)(Child(id), &text);
  std::wstring out = (hr == S_OK && text) ? std::wstring(text, SysStringLen(text)) : L"(none)";
  SysFreeString(text);
  return out;
}

inline long NumberOf(IAccessible& object, long id, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
  VARIANT v;
  VariantInit(&v);
  if ((object.*get)(Child(id), &v) != S_OK || v.vt != VT_I4) return -1;
  return v.lVal;
}

class AccessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    app_ = std::make_unique<marv::Application>();
    CreateProgramForms(*app_);
    form_ = static_cast<TForm1*>(app_->MainForm());
    form_->pm1->SetTracker([this](HMENU, POINT at, HWND) {
      menuAt_ = at;
      ++menus_;
      return 0u;
    });
    form_->Show();
    RECT window;
    GetWindowRect(form_->Handle(), &window);
    SetCursorPos(window.right + 40, window.bottom + 40);
    uitest::PumpFor(100);  // the start-up check's box is answered meanwhile
    SetForegroundWindow(form_->Handle());
    uitest::PumpFor(20);
  }
  void TearDown() override {
    app_.reset();
    CoUninitialize();
  }

  AccessiblePtr Accessible(HWND window) {
    IAccessible* object = nullptr;
    EXPECT_EQ(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object)),
              S_OK);
    return AccessiblePtr(object);
  }
  // A key pressed and released where the keyboard's input goes, with Shift held or not.
  void Press(WPARAM key, bool shift = false) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    HWND target = GetFocus();
    if (!target) target = form_->Handle();
    SendMessageW(target, WM_KEYDOWN, key, 1);
    SendMessageW(target, WM_KEYUP, key, 0xC0000001);
    state[VK_SHIFT] = 0;
    SetKeyboardState(state);
    uitest::PumpFor(10);
  }
  // The button's bottom-left corner on the screen: where its menu opens without a mouse.
  static POINT BelowLeft(marv::Control& control) { return control.ClientToScreen(POINT{0, control.Height()}); }
  TForm2& About() { return *app_->FindForm<TForm2>(); }

  uitest::WindowWatcher watcher_;
  std::unique_ptr<marv::Application> app_;
  TForm1* form_ = nullptr;
  POINT menuAt_{-1, -1};
  int menus_ = 0;
};
