#include "skin/forms/acAppWindowHook.h"

#include "framework/Application.h"
#include "skin/data/sSkinManager.h"

bool PostDeferredMenuBorder(HWND target, UINT message, LPARAM lParam) {
  MSG waiting;
  if (PeekMessageW(&waiting, nullptr, WM_ACMENUBORDER, WM_ACMENUWINDOWBORDER, PM_NOREMOVE | PM_NOYIELD))
    return false;
  return target && PostMessageW(target, message, 0, lParam);
}

TacAppWindowHook::TacAppWindowHook(marv::Application& app, TsSkinManager& manager, IacDeferredMenuBorders* borders)
    : manager_(manager), borders_(borders) {
  hookId_ = app.HookMainWindow([this](marv::Message& m) { return OnMessage(m); });
}

TacAppWindowHook::~TacAppWindowHook() {
  // The application may have gone first (its forms own the manager that owns this hook).
  if (marv::Application* app = marv::Application::Current()) app->UnhookMainWindow(hookId_);
}

bool TacAppWindowHook::OnMessage(marv::Message& m) {
  switch (m.Msg) {
    case WM_ACMENUBORDER:
    case WM_ACMENUWINDOWBORDER:
      return DeferredMenuBorder(m);
    default:
      return false;
  }
}

bool TacAppWindowHook::DeferredMenuBorder(marv::Message& m) {
  if (!borders_ || !manager_.SkinnedPopups()) return false;
  // Only this thread posts them: one that comes from elsewhere names nothing of ours.
  if (m.FromOtherThread) return true;
  if (m.Msg == WM_ACMENUBORDER) borders_->BorderForPopup(static_cast<uintptr_t>(m.LParam));
  else borders_->BorderForWindow(reinterpret_cast<HWND>(m.LParam));
  m.Result = 0;
  return true;
}
