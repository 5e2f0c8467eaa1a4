// The provider's mouse: hit tests for its buttons, hover, press and release of the
// caption buttons, double and right clicks on the title, and the system menu.
#include <windowsx.h>

#include "skin/data/sSkinManager.h"
#include "skin/forms/sSkinMenus.h"
#include "skin/forms/sSkinProvider.h"

namespace {
constexpr UINT kPopupSystemMenu = 0x0313;  // WM_POPUPSYSTEMMENU: the taskbar asks for the menu
}  // namespace

int TsSkinProvider::CalcHitTest(POINT screen) {
  if (borderForm_) return borderForm_->Ex_WMNCHitTest(screen);
  if (pictureStale_ || title_.HeaderHeight == 0) LayTitle();
  RECT window{};
  GetWindowRect(form_.Handle(), &window);
  const TacFormFrame f = FrameInfo();
  const int frame = FrameWidth();
  const TacHitTestInput in{f, MenuRules(), &title_, frame, frame, SysCaptionHeight(f, Metrics())};
  return ::CalcHitTest(in, {screen.x - window.left, screen.y - window.top});
}

void TsSkinProvider::SetHotButton(int code) { clicks_.SetHot(code); }

void TsSkinProvider::DropSysMenu(int x, int y) {
  if (!OwnsActiveWindow() && GetForegroundWindow() != form_.Handle()) return;
  systemMenu_.UpdateItems(MenuRules());
  // Drawn by the popup-menu skinning, with the window-button symbols by command.
  if (auto* manager = dynamic_cast<TsSkinManager*>(skin_->Data().SkinManager()); manager && manager->SkinnedPopups())
    if (auto* menus = dynamic_cast<TsSkinableMenus*>(manager->SkinableMenus())) menus->HookPopupMenu(systemMenu_.Menu(), true);
  systemMenu_.Popup(x, y);
}

void TsSkinProvider::Act(const TacFrameAction& a, POINT cursor) {
  const HWND w = form_.Handle();
  if (a.TakeCapture) SetCapture(w);
  if (a.ReleaseCapture && GetCapture() == w) ReleaseCapture();
  if (a.KillAnimations) KillAnimations();
  if (a.RepaintFrame) {
    pictureStale_ = true;
    RepaintFrame();
  }
  if (a.DropSysMenuAtIcon) {
    RECT window{};
    GetWindowRect(w, &window);
    DropSysMenu(window.left + title_.IconRect.Left, window.top + title_.IconRect.Bottom);
  }
  if (a.DropSysMenuAtCursor) DropSysMenu(cursor.x, cursor.y);
  // Posted: closing may destroy the form, and this provider with it.
  if (a.SysCommand) PostMessageW(w, WM_SYSCOMMAND, static_cast<WPARAM>(a.SysCommand), 0);
}

bool TsSkinProvider::MouseMessage(marv::Message& m, const marv::MessageHandler& next) {
  const HWND w = form_.Handle();
  POINT cursor{};
  GetCursorPos(&cursor);
  // A border window hands its clicks on with -1: the code is the one at the point.
  if (m.WParam == static_cast<WPARAM>(-1) && borderForm_ && m.Msg >= WM_NCMOUSEMOVE && m.Msg <= WM_NCMBUTTONDBLCLK)
    m.WParam = static_cast<WPARAM>(borderForm_->Ex_WMNCHitTest({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}));
  const int code = static_cast<int>(m.WParam);
  auto act = [&](const TacFrameAction& a) {
    if (a.PassOn) {
      next(m);
      return true;
    }
    m.Result = 0;
    Act(a, cursor);
    return true;
  };
  switch (m.Msg) {
    case WM_NCHITTEST: {
      if (CaptionHeight() == 0) return false;
      const int hit = CalcHitTest({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
      if (!IsProviderHitCode(hit)) return false;
      m.Result = hit;
      return true;
    }
    case WM_NCMOUSEMOVE: {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, w, 0};
      TrackMouseEvent(&track);
      if (!IsWindowEnabled(w)) return false;
      return act(clicks_.MouseMove(code));
    }
    case WM_MOUSEMOVE:
      if (clicks_.Clicked() && GetCapture() == w) {
        clicks_.MouseMove(CalcHitTest(cursor));
        m.Result = 0;
        return true;
      }
      {
        // Only a move over the client area itself leaves the buttons.
        RECT client;
        GetClientRect(w, &client);
        const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        if (PtInRect(&client, p)) clicks_.SetHot(0);
      }
      return false;
    case WM_NCLBUTTONDOWN:
      if (!IsWindowEnabled(w)) return false;
      return act(clicks_.LeftDown(code));
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
      if (!clicks_.Clicked()) return false;
      return act(clicks_.LeftUp(CalcHitTest(cursor), FrameInfo(), MenuRules()));
    case WM_NCLBUTTONDBLCLK:
      return act(clicks_.DoubleClick(code, FrameInfo(), MenuRules()));
    case WM_NCRBUTTONDOWN:
      return act(clicks_.RightDown(code));
    case WM_NCRBUTTONUP:
      return act(clicks_.RightUp(code));
    case WM_RBUTTONUP:
      clicks_.RightUp(kHitClient);  // a right press on the title is forgotten
      return false;
    case kPopupSystemMenu:
      DropSysMenu(cursor.x, cursor.y);
      m.Result = 0;
      return true;
    case WM_CONTEXTMENU:
      // The system would show its own menu for a right click on the title.
      if (m.LParam != -1 && CalcHitTest({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}) != kHitClient) {
        m.Result = 0;
        return true;
      }
      return false;
    case WM_NCMOUSELEAVE:
    case WM_MOUSELEAVE:
      if (!clicks_.Clicked()) clicks_.MouseLeft();
      return false;
    case marv::CM_MOUSELEAVE:
      if (!clicks_.Clicked() && reinterpret_cast<marv::Control*>(m.LParam) == &form_) clicks_.MouseLeft();
      return false;
    case WM_CAPTURECHANGED:
      if (clicks_.Clicked() && reinterpret_cast<HWND>(m.LParam) != w) clicks_.MouseLeft();
      return false;
    default:
      return false;
  }
}
