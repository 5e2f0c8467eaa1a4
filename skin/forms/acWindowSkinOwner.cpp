#include "skin/forms/acWindowSkinOwner.h"

#include "skin/base/acSkinCommands.h"
#include "skin/controls/acControlSkinOwner.h"
#include "skin/data/acSkinEngine.h"
#include "skin/data/acSkinManagerView.h"
#include "skin/data/acTimerSource.h"
#include "skin/windows/acHeldResources.h"

HWND TacWindowSkinOwner::Parent() const {
  return (GetWindowLongW(window_, GWL_STYLE) & WS_CHILD) ? GetParent(window_) : nullptr;
}

TRect TacWindowSkinOwner::Bounds() const {
  RECT r{};
  if (area_ == Area::Client) {
    GetClientRect(window_, &r);
    return {0, 0, r.right, r.bottom};
  }
  GetWindowRect(window_, &r);
  if (const HWND parent = Parent()) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

bool TacWindowSkinOwner::HasParent() const { return Parent() != nullptr; }

bool TacWindowSkinOwner::CursorInside() const {
  POINT cursor;
  RECT r;
  if (!GetCursorPos(&cursor) || !GetWindowRect(window_, &r) || !PtInRect(&r, cursor)) return false;
  const HWND under = WindowFromPoint(cursor);
  return under == window_ || IsChild(window_, under);
}

intptr_t TacWindowSkinOwner::SendToSelf(uint16_t command, uint16_t argument, intptr_t lParam) {
  return SendMessageW(window_, WM_SKINCOMMAND, SkinCommandWParam(command, argument), lParam);
}

intptr_t TacWindowSkinOwner::SendToParent(uint16_t command, uint16_t argument, intptr_t lParam) {
  const HWND parent = Parent();
  return parent ? SendMessageW(parent, WM_SKINCOMMAND, SkinCommandWParam(command, argument), lParam) : 0;
}

void TacWindowSkinOwner::SendToChildren(uint16_t command, uint16_t argument, intptr_t lParam, bool) {
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    SendMessageW(child, WM_SKINCOMMAND, SkinCommandWParam(command, argument), lParam);
}

void TacWindowSkinOwner::Redraw(bool now) {
  UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;
  if (now) flags |= RDW_UPDATENOW;
  RedrawWindow(window_, nullptr, nullptr, flags);
}

void TacWindowSkinOwner::ShowPicture(const PixelBuffer& picture) { ShowPictureOnWindow(window_, picture, 0, 0); }

std::unique_ptr<TacHeldResource> TacWindowSkinOwner::StartTimer(int milliseconds, std::function<void()> tick) {
  if (IacSkinManagerView* manager = TacSkinEngine::Current().DefaultManagerView())
    return manager->FadeTimers().Subscribe(milliseconds, std::move(tick));
  return HoldTimer(static_cast<UINT>(milliseconds), std::move(tick));
}
