#include "skin/forms/logic/acSystemMenuRules.h"

TacSystemMenuRules SystemMenuRules(const TacFormFrame& form, TacNativeClose native, bool mainOnTaskbar) {
  TacSystemMenuRules r;
  if (!form.Icons.SystemMenu) return r;
  using BS = TacBorderStyle;
  const BS style = form.BorderStyle;
  const bool minimized = form.State == TacWindowState::wsMinimized;
  const bool maximized = form.State == TacWindowState::wsMaximized;
  const bool framed = style == BS::bsSingle || style == BS::bsSizeable;

  r.VisibleClose = native.HasMenu ? native.HasClose : true;
  r.EnabledClose = native.HasMenu ? native.HasClose && !native.Grayed : true;
  r.VisibleMax = (minimized && !(form.IsMainForm && mainOnTaskbar)) || (framed && form.Icons.Maximize);
  r.VisibleMin = minimized || (framed && form.Icons.Minimize);
  r.VisibleRestore = style != BS::bsNone && style != BS::bsDialog && style != BS::bsToolWindow &&
                     style != BS::bsSizeToolWin;
  r.VisibleSize = style != BS::bsNone && style != BS::bsDialog && style != BS::bsToolWindow;
  r.VisibleMove = true;
  r.EnabledMax = framed && form.Icons.Maximize;
  r.EnabledMin = form.Icons.Minimize;
  r.EnabledRestore = (form.Icons.Maximize && form.State != TacWindowState::wsNormal) || minimized;
  r.EnabledMove = !maximized;
  r.EnabledSize = style != BS::bsSingle && !minimized;
  return r;
}
