#include "skin/forms/acMainWnd.h"

#include <commctrl.h>

#include "skin/base/acSkinCommands.h"
#include "skin/controls/acControlSkinOwner.h"
#include "skin/data/sSkinManager.h"

namespace {

// The property a border style is kept under by adapters that change it.
constexpr wchar_t kBorderStyleProperty[] = L"ACSBSC";

// SetWindowSubclass tells subclasses apart by procedure and id; one adapter a window.
constexpr UINT_PTR kSubclassId = 0xAC5D;

}  // namespace

TacMainWnd::TacMainWnd(HWND window, TsSkinManager& manager, int kind, const std::string& section,
                       TacWindowSkinOwner::Area area)
    : window_(window), manager_(manager), owner_(window, area),
      data_(std::make_unique<TsCommonData>(owner_, kind, true)) {
  data_->CurrentPPI = static_cast<int>(GetDpiForWindow(window));
  if (data_->CurrentPPI <= 0) data_->CurrentPPI = 96;
  data_->SetSkinSection(section);
}

TacMainWnd::~TacMainWnd() {
  Unhook();
  data_->StopFade();
}

bool TacMainWnd::Hook() {
  if (hooked_ || destroyed_) return hooked_;
  ReadCaption();
  if (!SetWindowSubclass(window_, &SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) return false;
  subclassEntry_ = GetWindowLongPtrW(window_, GWLP_WNDPROC);
  hooked_ = true;
  AfterCreation();
  data_->Loaded(false);
  return true;
}

void TacMainWnd::AfterCreation() { SetSkinDataOfWindow(window_, data_.get()); }

void TacMainWnd::Unhook() {
  if (!hooked_) return;
  hooked_ = false;
  destroyed_ = true;
  owner_.SetDestroying();
  data_->StopFade();
  // Only ours comes off: a subclass put on after us keeps its place in the chain. When one
  // was put straight into the window's procedure since, taking the last subclass off could
  // put the original procedure back over it; ours then stays and passes everything on.
  if (!IsWindow(window_) || GetWindowLongPtrW(window_, GWLP_WNDPROC) == subclassEntry_)
    RemoveWindowSubclass(window_, &SubclassProc, kSubclassId);
  else
    SetWindowSubclass(window_, &SubclassProc, kSubclassId, 0);
  if (SkinDataOfWindow(window_) == data_.get()) RemoveSkinDataOfWindow(window_);
  if (IsWindow(window_)) RemovePropW(window_, kBorderStyleProperty);
  if (manager_.ActiveControl() == reinterpret_cast<uintptr_t>(window_)) manager_.SetActiveControl(0);
  data_->ClearCache();
  ReleasePainting();
  if (IsWindow(window_) && IsWindowVisible(window_))
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

LRESULT CALLBACK TacMainWnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR ref) {
  auto* self = reinterpret_cast<TacMainWnd*>(ref);
  if (!self) return DefSubclassProc(window, message, wParam, lParam);  // given back: passes on
  ++self->depth_;
  const LRESULT result = self->acWndProc(message, wParam, lParam);
  // The outermost call frees a finished adapter: nothing of it runs after that.
  if (--self->depth_ == 0 && self->destroyed_ && self->onFinished_) {
    const std::function<void()> finished = std::move(self->onFinished_);
    self->onFinished_ = nullptr;
    finished();
  }
  return result;
}

LRESULT TacMainWnd::CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(window_, message, wParam, lParam);
}

void TacMainWnd::ReadCaption() {
  const int length = GetWindowTextLengthW(window_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window_, text.data(), length + 1)));
  caption_ = std::move(text);
}

void TacMainWnd::RepaintNow() {
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOERASE);
}

LRESULT TacMainWnd::WithoutSystemPaint(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsWindowVisible(window_)) return CallPrevious(message, wParam, lParam);
  CallPrevious(WM_SETREDRAW, FALSE, 0);
  const LRESULT result = CallPrevious(message, wParam, lParam);
  CallPrevious(WM_SETREDRAW, TRUE, 0);
  data_->BGChanged = true;
  RepaintNow();
  return result;
}

LRESULT TacMainWnd::SkinCommand(WPARAM wParam, LPARAM lParam) {
  const uint16_t command = SkinCommandOf(wParam), argument = SkinCommandArgument(wParam);
  if (SkinCommandCarriesPointer(command) && (InSendMessageEx(nullptr) & (ISMEX_SEND | ISMEX_REPLIED)) == ISMEX_SEND)
    return 0;  // another thread's pointer
  LRESULT result = 0;
  if (OwnSkinCommand(command, argument, lParam, result)) return result;
  switch (command) {
    case SC_SKINREMOVED:
      Unhook();
      return 0;
    case SC_SKINLOADED:
      data_->HandleCommand(command, argument, lParam, result);
      data_->BGChanged = true;
      return 0;
    case SC_SKINREFRESH:
      data_->HandleCommand(command, argument, lParam, result);
      owner_.Redraw(false);
      return 0;
    case SC_PARENTUPDATED:
      data_->BGChanged = true;
      owner_.Redraw(false);
      return 0;
    case SC_ISSKINNED:
      return 1;
    default:
      break;
  }
  intptr_t answer = 0;
  if (data_->HandleCommand(command, argument, lParam, answer)) return answer;
  return CallPrevious(WM_SKINCOMMAND, wParam, lParam);
}

LRESULT TacMainWnd::acWndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SKINCOMMAND:
      return SkinCommand(wParam, lParam);
    case WM_CREATE: {
      const LRESULT result = CallPrevious(message, wParam, lParam);
      SetSkinDataOfWindow(window_, data_.get());
      return result;
    }
    case WM_DESTROY:
      owner_.SetDestroying();
      data_->StopFade();
      data_->ClearCache();
      break;
    case WM_NCDESTROY: {
      const LRESULT result = CallPrevious(message, wParam, lParam);
      Unhook();
      return result;
    }
    case WM_SIZE:
      data_->BGChanged = true;
      break;
    case WM_SETTEXT: {
      const LRESULT result = CallPrevious(message, wParam, lParam);
      ReadCaption();
      data_->BGChanged = true;
      return result;
    }
    case WM_MOUSEMOVE:
      manager_.SetActiveControl(reinterpret_cast<uintptr_t>(window_));
      break;
    case WM_PRINT:
      if (PaintTo(reinterpret_cast<HDC>(wParam))) return 0;
      break;
    default:
      break;
  }
  return CallPrevious(message, wParam, lParam);
}
