// The skin commands and window events every skinned control handles alike.
#include <algorithm>

#include "skin/data/acSkinManagerView.h"
#include "skin/paint/acFadeTimer.h"
#include "skin/base/acSkinCommands.h"
#include "skin/paint/sCommonData.h"

bool TsCommonData::OwnManager(intptr_t lParam) const {
  const IacSkinManagerView* m = SkinManager();
  return lParam != 0 && m && m->NamedBy(lParam);
}

void TsCommonData::HandleSkinLoaded() {
  StopFade();
  ResolveSection();
  if (skinIndex_ < 0 && !skinSection_.empty()) UpdateIndexes(true);
  ClearCache();
  BGChanged = true;
}

void TsCommonData::HandleSkinRemoved() {
  if (!Skinned()) return;
  skinIndex_ = -1;
  StopFade();
  ClearCache();
  BGChanged = true;
}

void TsCommonData::HandleCheckMoved(uint16_t argument) {
  const bool mattered = RepaintIfMoved();
  BGChanged = BGChanged || mattered;
  StopFade();
  if (owner_.Windowed() && argument == 1) owner_.Redraw(false);
  if (mattered) owner_.SendToChildren(SC_CHECKMOVED, 1, 0, false);
}

bool TsCommonData::HandleCommand(uint16_t command, uint16_t argument, intptr_t lParam, intptr_t& result) {
  result = 0;
  switch (command) {
    case SC_SKINLOADED:
      if (OwnManager(lParam)) HandleSkinLoaded();
      return true;
    case SC_SKINREMOVED:
      if (OwnManager(lParam)) HandleSkinRemoved();
      return false;  // the owner goes on with its unskinned look
    case SC_SKINREFRESH:
      if (OwnManager(lParam)) {
        StopFade();
        BGChanged = true;
        FUpdating = false;
        ApplySkinColors(true);
      }
      return true;
    case SC_PARENTUPDATED:
      if (FUpdating && owner_.Windowed()) {
        CheckUpdating(true);
        if (!FUpdating) owner_.Redraw(true);
      }
      owner_.SendToChildren(SC_PARENTUPDATED, 0, 0, false);
      return true;
    case SC_ISSKINNED:
      result = 1;
      return true;
    case SC_SETUPDATING:
      FUpdating = argument == 1;
      return true;
    case SC_ISUPDATING:
      if (FUpdating) result = 1;
      else if (owner_.Windowed() && !customColor_) {
        if (!CacheCurrent()) RebuildCache();
        const TRect b = owner_.Bounds();
        result = (cache_.empty() || cache_.width() != b.Width() || cache_.height() != b.Height()) ? 1 : 0;
      }
      return true;
    case SC_ISHALFVISIBLE:
      result = HalfVisible ? 1 : 0;
      return true;
    case SC_SECTIONCHANGED:
      if (lParam && skinSection_ == reinterpret_cast<const char*>(lParam)) Invalidate(false);
      return true;
    case SC_SETSECTION:
      if (lParam) {
        SetSkinSection(reinterpret_cast<const char*>(lParam));
        result = 1;
      }
      return true;
    case SC_STOPFADE:
      StopFade();
      return true;
    case SC_BGCHANGED:
      BGChanged = true;
      if (owner_.Windowed()) owner_.SendToChildren(SC_BGCHANGED, argument, lParam, false);
      return true;
    case SC_REPAINT:
      Invalidate(false);
      return true;
    case SC_ISBGVARIABLE:
      result = (BGType != 0 || HalfVisible) ? 1 : 0;
      return true;
    case SC_CHECKMOVED:
      HandleCheckMoved(argument);
      return true;
    case SC_GETBGCOLOR:
      result = static_cast<intptr_t>(BGColorAnswer());
      return true;
    case SC_SETHALFVISIBLE:
      HalfVisible = true;
      return true;
    case SC_PREPARECACHE:
      BGChanged = false;
      return true;
    case SC_GETSKININDEX:
      if (lParam) reinterpret_cast<TacSkinIndexQuery*>(lParam)->SkinIndex = skinIndex_;
      return true;
    case SC_CLEARCACHE:
      if (!cache_.empty()) {
        if (owner_.Windowed()) owner_.SendToChildren(SC_CLEARCACHE, 0, 0, true);
        ClearCache();
        BGChanged = true;
      }
      return true;
    case SC_GETBG:
      if (lParam) {
        const bool hot = FFocused || (FMouseAbove && !InNoGlowSet(coc_));
        AnswerBackground(*reinterpret_cast<BackgroundInfo*>(lParam), hot ? 1 : 0);
      }
      return true;
    case SC_FONTCHANGED:
      if (OwnManager(lParam)) {
        BGChanged = true;
        if (owner_.Windowed()) owner_.SendToChildren(SC_FONTCHANGED, argument, lParam, false);
      }
      return true;
    case SC_GETSKINDATA:
      result = reinterpret_cast<intptr_t>(this);
      return true;
    case SC_SETPRINTDC:
      if (lParam) CtrlSkinState |= kStatePrinting;
      else CtrlSkinState &= ~kStatePrinting;
      return true;
    case SC_GETBGSTATE:
      if (lParam) result = AnswerBGState(*reinterpret_cast<TacBGStateQuery*>(lParam));
      return true;
    case SC_SETPPI:
      if (lParam > 0 && lParam != CurrentPPI) {
        CurrentPPI = static_cast<int>(lParam);
        BGChanged = true;
      }
      owner_.SendToChildren(SC_SETPPI, argument, lParam, false);
      return false;  // the owner rescales itself too
    case SC_GETPPI:
      result = CurrentPPI;
      return true;
    case SC_PAINTSITSELF:
      result = 1;  // no control here is marked see-through to the framework
      return true;
    case SC_GETCOMMONSKINDATA:
      result = reinterpret_cast<intptr_t>(CommonSkinData());
      return true;
    default:
      return false;
  }
}

// Window events.

void TsCommonData::MouseEntered() {
  if (!Skinned() || FMouseAbove) return;
  IacSkinManagerView* m = SkinManager();
  if (m && m->Options().NoMouseHover) return;
  if (!InNeverHotSet(coc_)) FMouseAbove = true;
}

void TsCommonData::MouseLeft() {
  if (!Skinned()) return;
  IacSkinManagerView* m = SkinManager();
  if (m && m->Options().NoMouseHover) return;
  if (owner_.CursorInside()) return;
  FMouseAbove = false;
}

void TsCommonData::Moved() {
  if (!Skinned()) return;
  if (RepaintIfMoved()) {
    BGChanged = true;
    IacSkinManagerView* m = SkinManager();
    if (!(m && m->SkinChanging())) owner_.SendToSelf(SC_CHECKMOVED, 1, 0);
  }
}

void TsCommonData::BoundsChanging(bool widthChanges, bool heightChanges) {
  if (widthChanges) CtrlSkinState |= kStateWidthChanged;
  if (heightChanges) CtrlSkinState |= kStateHeightChanged;
}

void TsCommonData::Resized() {
  if (!Skinned()) return;
  BGChanged = true;
  const bool width = (CtrlSkinState & kStateWidthChanged) && (BGType & kBGVariesWithWidth);
  const bool height = (CtrlSkinState & kStateHeightChanged) && (BGType & kBGVariesWithHeight);
  if (width || height) {
    owner_.SendToChildren(SC_REPAINT, 0, 0, false);
    CtrlSkinState &= ~(kStateWidthChanged | kStateHeightChanged);
  }
}

void TsCommonData::FocusChanged(bool focused) {
  if (!Skinned() || !owner_.Windowed()) return;
  BGChanged = true;
  FFocused = focused;
}

void TsCommonData::EnabledChanged() {
  FMouseAbove = false;
  FFocused = false;
  BGChanged = true;
}

void TsCommonData::VisibilityChanged(bool visible) {
  IacSkinManagerView* m = SkinManager();
  if (m && m->Options().OptimizingPriority == opMemory && !visible) {
    if (owner_.Windowed()) owner_.SendToChildren(SC_CLEARCACHE, 0, 0, false);
    ClearCache();
    BGChanged = true;
  } else if (visible) {
    FUpdating = false;
  }
  if (!visible) FMouseAbove = false;
}
