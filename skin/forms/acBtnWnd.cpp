#include "skin/forms/acBtnWnd.h"

#include "skin/base/acSkinCommands.h"
#include "skin/controls/acControlText.h"
#include "skin/forms/acWindowFont.h"
#include "skin/forms/logic/acDialogRules.h"
#include "skin/paint/acDisabledLook.h"
#include "skin/paint/acSkinnedText.h"

TacBtnWnd::TacBtnWnd(HWND window, TsSkinManager& manager, const std::string& section)
    : TacChildWnd(window, manager, kKindButton, section.empty() ? "BUTTON" : section) {}

int TacBtnWnd::CurrentState() {
  const HWND w = CtrlHandle();
  TacPushButtonFacts facts;
  facts.Pressed = (SendMessageW(w, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  facts.Enabled = IsWindowEnabled(w) != FALSE;
  facts.Focused = GetFocus() == w;
  facts.Hot = SkinData().FMouseAbove;
  facts.Default = (GetWindowLongW(w, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  return PushButtonState(facts, SkinData().States());
}

void TacBtnWnd::PaintContent(const TCacheInfo& background, int state, const PixelBuffer& cache) {
  const bool enabled = IsWindowEnabled(CtrlHandle()) != FALSE;
  if (!Caption().empty()) {
    const TacTextCanvas canvas{cache, &TextPainter(), WindowTextFont(CtrlHandle())};
    const uint32_t format = tfCenter | tfVCenter | tfSingleLine | tfHidePrefix;
    WriteSkinnedText(canvas, ToU16(Caption()), enabled, true, state, SkinData(), format, BufferRect(cache));
  }
  if (!enabled) ApplyDisabledLook(cache, dkBlended, Owner().ParentColor(), Offset(), background);
}

void TacBtnWnd::SetHot(bool hot) {
  if (SkinData().FMouseAbove == hot) return;
  SkinData().FMouseAbove = hot;
  RepaintNow();
}

bool TacBtnWnd::OwnSkinCommand(uint16_t command, uint16_t, LPARAM, LRESULT& result) {
  result = 0;
  switch (command) {
    case SC_MOUSEENTER:
      SetHot(IsWindowEnabled(CtrlHandle()) != FALSE);
      return true;
    case SC_MOUSELEAVE:
      SetHot(false);
      return true;
    default:
      return false;
  }
}

LRESULT TacBtnWnd::acWndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    // Each of these makes the system paint the button itself.
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case BM_SETCHECK:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
    case WM_CAPTURECHANGED:
      return WithoutSystemPaint(message, wParam, lParam);
    case WM_SETTEXT: {
      const LRESULT result = WithoutSystemPaint(message, wParam, lParam);
      ReadCaption();
      RepaintNow();
      return result;
    }
    case WM_ENABLE:
      SkinData().FMouseAbove = false;
      break;
    default:
      break;
  }
  return TacChildWnd::acWndProc(message, wParam, lParam);
}
