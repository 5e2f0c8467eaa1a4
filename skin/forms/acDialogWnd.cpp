#include "skin/forms/acDialogWnd.h"

#include "common/GdiHandles.h"
#include "skin/base/acSkinCommands.h"
#include "skin/controls/acControlSkinOwner.h"
#include "skin/data/sSkinManager.h"
#include "skin/forms/acDialogBrush.h"
#include "skin/forms/acProvider.h"
#include "skin/paint/sGraphUtils.h"

namespace {

// Messages a dialog sends itself when it has made new children.
constexpr UINT kNewChildrenMessages[] = {WM_USER + 1, 0x52C, 0x52E};

}  // namespace

TacDialogWnd::TacDialogWnd(HWND window, TsSkinManager& manager, TacProvider& provider, TacDialogBrush& brush)
    : TacMainWnd(window, manager, kKindDialog, "DIALOG", TacWindowSkinOwner::Area::Client),
      provider_(provider), brush_(brush) {}

void TacDialogWnd::AfterCreation() {
  TacMainWnd::AfterCreation();
  // Bits the system saves under a dialog would be put back over the skinned windows below.
  const ULONG_PTR classStyle = GetClassLongPtrW(CtrlHandle(), GCL_STYLE);
  if (classStyle & CS_SAVEBITS) SetClassLongPtrW(CtrlHandle(), GCL_STYLE, classStyle & ~ULONG_PTR{CS_SAVEBITS});
}

void TacDialogWnd::Setup() {
  const HWND w = CtrlHandle();
  const LONG style = GetWindowLongW(w, GWL_STYLE);
  // No caption buttons of the system's own; DS_NOIDLEMSG off so the owner hears of idling.
  const LONG wanted = style & ~static_cast<LONG>(WS_SYSMENU | DS_NOIDLEMSG);
  if (wanted != style) SetWindowLongW(w, GWL_STYLE, wanted);
  SendMessageW(w, WM_SKINCOMMAND, SkinCommandWParam(SC_SKINLOADED), reinterpret_cast<LPARAM>(&Manager()));
}

COLORREF TacDialogWnd::GlobalColor() const {
  return static_cast<COLORREF>(Manager().SkinColorToRGB(Manager().GetGlobalColor()) & 0xFFFFFF);
}

void TacDialogWnd::HookChildren(bool again) {
  if (initialized_ && !again) return;
  initialized_ = true;
  provider_.SkinChildren(CtrlHandle());
}

bool TacDialogWnd::PaintClientPicture() {
  TsCommonData& data = SkinData();
  if (!data.Skinned()) return false;
  data.InitCacheBmp();
  if (data.CacheBmp().empty()) return false;
  const PixelBuffer cache = data.CacheBmp().view();
  PaintElementBG(data, ColorCacheInfo(GlobalColor()), 0, cache, ClientOffset(), BufferRect(cache));
  data.BGChanged = false;
  return true;
}

bool TacDialogWnd::PaintTo(HDC dc) {
  TsCommonData& data = SkinData();
  if (!data.CacheCurrent() && !PaintClientPicture()) return false;
  CopyPictureToDC(dc, data.CacheBmp().view(), 0, 0);
  return true;
}

bool TacDialogWnd::OwnSkinCommand(uint16_t command, uint16_t, LPARAM, LRESULT& result) {
  switch (command) {
    case SC_PREPARECACHE:
      result = PaintClientPicture() ? 1 : 0;
      return true;
    case SC_SKINREFRESH:
      SkinData().BGChanged = true;
      Owner().Redraw(false);
      result = 0;
      return true;
    default:
      return false;
  }
}

LRESULT TacDialogWnd::acWndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      if (!SkinData().Skinned()) break;
      HookChildren(false);
      ReadCaption();
      if (PaintTo(reinterpret_cast<HDC>(wParam))) return 1;
      break;
    case WM_PAINT:
      if (!wmPaintForbidden_ || !SkinData().Skinned()) break;
      // Only validated: a paint cycle of the dialog alone (ValidateRect could take the
      // children's pending paints with it).
      marv::PaintScope{CtrlHandle()};
      return 0;
    case WM_NCPAINT:
      if (IsWindowVisible(CtrlHandle())) HookChildren(false);
      break;
    case WM_CTLCOLORDLG:
      if (!SkinData().Skinned()) break;
      return reinterpret_cast<LRESULT>(brush_.For(GlobalColor()));
    case WM_GETDLGCODE:
      return 0;
    case WM_SIZE:
      SkinData().BGChanged = true;
      break;
    default:
      for (UINT newChildren : kNewChildrenMessages) {
        if (message != newChildren) continue;
        const LRESULT result = CallPrevious(message, wParam, lParam);
        HookChildren(true);
        Owner().Redraw(false);
        return result;
      }
      break;
  }
  return TacMainWnd::acWndProc(message, wParam, lParam);
}
