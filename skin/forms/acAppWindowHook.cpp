#include "skin/forms/acAppWindowHook.h"

#include "framework/Application.h"
#include "framework/Form.h"
#include "skin/base/acSkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/acFrameworkHost.h"
#include "skin/windows/acSkinEditorLink.h"

bool PostDeferredMenuBorder(HWND target, UINT message, LPARAM lParam) {
  MSG waiting;
  if (PeekMessageW(&waiting, nullptr, WM_ACMENUBORDER, WM_ACMENUWINDOWBORDER, PM_NOREMOVE | PM_NOYIELD))
    return false;
  return target && PostMessageW(target, message, 0, lParam);
}

TacAppWindowHook::TacAppWindowHook(marv::Application& app, TsSkinManager& manager, IacDeferredMenuBorders* borders)
    : manager_(manager),
      borders_(borders),
      previewHost_(ProcessArguments(), std::make_unique<TacSkinEditorWindowLink>()) {
  hookId_ = app.HookMainWindow([this](marv::Message& m) { return OnMessage(m); });
}

TacAppWindowHook::~TacAppWindowHook() {
  // The application may have gone first (its forms own the manager that owns this hook).
  if (marv::Application* app = marv::Application::Current()) app->UnhookMainWindow(hookId_);
}

bool TacAppWindowHook::OnMessage(marv::Message& m) {
  if (previewHost_.OnMessage(m, MainWindow())) return true;
  switch (m.Msg) {
    case WM_ACMENUBORDER:
    case WM_ACMENUWINDOWBORDER:
      return DeferredMenuBorder(m);
    case WM_COPYDATA:
      return MainWindow() && preview_.OnCopyData(m, MainWindow());
    case WM_SKINCOMMAND:
      return SkinCommand(m);
    case WM_THEMECHANGED:
      return true;  // the skin draws the windows, not the system's theme
    case marv::CM_ACTIVATE:
      RepaintForms();
      return false;
    default:
      return false;
  }
}

bool TacAppWindowHook::SkinCommand(marv::Message& m) {
  return SkinCommandOf(m.WParam) == SC_APPLYPREVIEW && preview_.OnApply(m);
}

HWND TacAppWindowHook::MainWindow() {
  marv::Application* app = marv::Application::Current();
  return app && app->MainForm() ? app->MainForm()->Handle() : nullptr;
}

void TacAppWindowHook::RepaintForms() {
  marv::Application* app = marv::Application::Current();
  if (!app) return;
  for (const auto& form : app->Forms())
    if (form->Handle()) SendMessageW(form->Handle(), WM_SKINCOMMAND, SkinCommandWParam(SC_REPAINT), 0);
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
