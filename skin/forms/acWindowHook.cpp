#include "skin/forms/acWindowHook.h"

#include <cwchar>

#include "framework/Application.h"
#include "framework/Form.h"
#include "skin/controls/acControlSkinOwner.h"
#include "skin/data/sSkinManager.h"

namespace {

constexpr ATOM kPopupMenuAtom = 32768;
constexpr std::wstring_view kPopupMenuClass = L"#32768";
constexpr ATOM kDialogAtom = 32770;
constexpr std::wstring_view kDialogClass = L"#32770";
// Windows of the framework's own that are never anyone's frame or dialog.
constexpr std::wstring_view kUtilityClass = L"TPUtilWindow";

// A hook procedure gets no context of its own: the hook installed on this thread.
thread_local TacWindowHook* tThreadHook = nullptr;

bool SameClassName(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() && _wcsnicmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace

bool TacCreatedClass::Is(ATOM classAtom, std::wstring_view className) const {
  return (atom != 0 && atom == classAtom) || SameClassName(name, className);
}

TacCreatedClass CreatedClassOf(const CREATESTRUCTW& cs, HWND window) {
  TacCreatedClass created;
  if (IS_INTRESOURCE(cs.lpszClass)) {
    created.atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(cs.lpszClass));
    // The window exists by now: its class name tells what the atom stands for.
    wchar_t name[64] = L"";
    if (window && GetClassNameW(window, name, 64) > 0) created.name = name;
  } else if (cs.lpszClass) {
    created.name = cs.lpszClass;
  }
  return created;
}

TacWindowHook::TacWindowHook(TsSkinManager& manager, IacPopupWindowAdopter* popups)
    : manager_(manager), popups_(popups) {}

TacWindowHook::~TacWindowHook() { Uninstall(); }

void TacWindowHook::Install() {
  if (hook_ || tThreadHook) return;
  hook_.reset(SetWindowsHookExW(WH_CBT, &HookProcedure, nullptr, GetCurrentThreadId()));
  if (hook_) tThreadHook = this;
}

void TacWindowHook::Uninstall() {
  if (popups_) popups_->ReleasePopupWindows();
  if (dialogs_) dialogs_->ReleaseDialogs();
  forms_.Clear();
  if (!hook_) return;
  hook_.reset();
  if (tThreadHook == this) tThreadHook = nullptr;
}

LRESULT CALLBACK TacWindowHook::HookProcedure(int code, WPARAM wParam, LPARAM lParam) {
  // Others see the event first, as the system would show it to them without us.
  const LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
  TacWindowHook* self = tThreadHook;
  if (!self || !marv::Application::Current()) return result;  // the program is ending
  if (code == HCBT_CREATEWND) {
    const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
    if (create && create->lpcs) self->CreatingWindow(reinterpret_cast<HWND>(wParam), *create->lpcs);
  } else if (code == HCBT_ACTIVATE) {
    // A form of the program that has no provider yet gets one when it is activated.
    const HWND window = reinterpret_cast<HWND>(wParam);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (!((style & WS_POPUP) && !(style & WS_BORDER)))
      if (auto* form = dynamic_cast<marv::Form*>(marv::WinControl::FromHandle(window))) self->SkinForm(*form);
  }
  if (code == HCBT_ACTIVATE) self->ActivatingWindow(reinterpret_cast<HWND>(wParam));
  return result;
}

void TacWindowHook::CreatingWindow(HWND window, const CREATESTRUCTW& cs) {
  const TacCreatedClass created = CreatedClassOf(cs, window);
  if (created.Is(kPopupMenuAtom, kPopupMenuClass)) CreatingPopupMenu(window);
  else if (created.atom == 0 && !created.name.empty()) CreatingForm(cs, created);
  CreatingDialog(window, created, cs);
}

void TacWindowHook::CreatingForm(const CREATESTRUCTW& cs, const TacCreatedClass& created) {
  if (SameClassName(created.name, L"TPUtilWindow") || cs.style == 0 || cs.dwExStyle == 0) return;
  if ((cs.style & WS_CHILD) || ((cs.style & WS_POPUP) && !(cs.style & WS_BORDER))) return;
  auto* form = dynamic_cast<marv::Form*>(marv::WinControl::BeingCreated());
  const marv::Application* app = marv::Application::Current();
  if (!form || (app && app->MainForm() == form)) return;  // the main form gets its provider when activated
  SkinForm(*form);
}

void TacWindowHook::SkinForm(marv::Form& form) {
  if (!manager_.SkinningRules().Has(srStdForms)) return;
  forms_.SetupForm(form, manager_.SystemLook());
}

void TacWindowHook::CreatingPopupMenu(HWND window) {
  if (!popups_ || !manager_.SkinnedPopups()) return;
  if (SkinDataOfWindow(window) || popups_->Adopted(window)) return;  // skinned already
  popups_->AdoptPopupWindow(window);
}

void TacWindowHook::CreatingDialog(HWND window, const TacCreatedClass& created, const CREATESTRUCTW& cs) {
  if (!dialogs_) return;
  if (created.Is(kDialogAtom, kDialogClass)) {
    dialogs_->SkinWindow(window, true);
    return;
  }
  // Other classes count only when given by name (the system's own come as atoms).
  if (created.atom != 0 || created.name.empty() || SameClassName(created.name, kUtilityClass)) return;
  if (cs.style == 0 || cs.dwExStyle == 0 || cs.hwndParent) return;
  const marv::Application* app = marv::Application::Current();
  const marv::Form* main = app ? app->MainForm() : nullptr;
  if (main && main->Handle() == window) return;
  dialogs_->SkinWindow(window, true);
}

void TacWindowHook::ActivatingWindow(HWND window) {
  if (dialogs_ && window) dialogs_->SkinWindow(window, false);
}
