// Display scaling: the scale slot of the mode, integer scaling, rescaling forms, and what
// a change of the scale mode does.
#include <algorithm>

#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinManagerState.h"

int TsSkinManager::GetScale() const {
  return ScaleSlotOfMode(FOptions.ScaleMode(), SysFontScale_, FOptions.PixelsPerInch());
}

int TsSkinManager::ScaleInt(int Value, int SysScale) const {
  switch (FOptions.ScaleMode()) {
    case smCustomPPI: return Value * FOptions.PixelsPerInch() / 96;
    case smOldMode: return Value;
    default: return ScaleToSlot(Value, SysScale == -1 ? GetScale() : SysScale);
  }
}

std::optional<int> TsSkinManager::ModePPI(bool OnlyActive) const {
  if (OnlyActive && !IsActive()) return std::nullopt;
  switch (FOptions.ScaleMode()) {
    case smVCL: return std::nullopt;
    case smCustomPPI: return FOptions.PixelsPerInch();
    default: return kSlotPPI[GetScale()];
  }
}

int GetControlPPI(const TsSkinManager* Manager, bool OnlyActive, const std::function<int()>& controlPPI) {
  if (Manager == nullptr) Manager = TsSkinManager::DefaultManager();
  if (Manager != nullptr)
    if (const auto ppi = Manager->ModePPI(OnlyActive)) return *ppi;
  return controlPPI();
}

void TsSkinManager::UpdateScale(IacScalableControl& Ctrl, int iCurrentPPI, int iNewDPI) {
  const TacScaleMode mode = FOptions.ScaleMode();
  if (Ctrl.IsForm()) Ctrl.SetScaled(mode == smVCL);
  if (mode == smVCL && (iNewDPI == 0 || iNewDPI == iCurrentPPI)) return;
  StoreDefFont();
  int oldPPI = iNewDPI != 0 ? iCurrentPPI : Ctrl.AskPPI();
  if (oldPPI == 0) oldPPI = 96;
  if (oldPPI < 0) return;  // the control does not want to be rescaled
  int newPPI = iNewDPI;
  if (newPPI == 0) newPPI = mode == smCustomPPI ? FOptions.PixelsPerInch() : kSlotPPI[GetScale()];
  if (newPPI == oldPPI || newPPI <= 0) return;

  TacStateScope scaling(ManagerState, msFormScaling);
  TacValueScope<bool> noAnimation(FEffects.AllowAnimation, false);
  const TPoint client = Ctrl.ClientSize();
  const int width = MulDivRound(client.X, newPPI, oldPPI), height = MulDivRound(client.Y, newPPI, oldPPI);
  const TRect bounds = Ctrl.BoundsRect();
  Ctrl.ScaleBy(newPPI, oldPPI, newPPI);
  Ctrl.SetPosition(bounds.Left, bounds.Top);
  Ctrl.SetClientSize(width, height);
  Ctrl.SendSetPPI(newPPI);
  if (newPPI < oldPPI) Ctrl.InvalidateOnScreen(bounds);
}

void TsSkinManager::UpdateAllScale() {
  if (FSkinableMenus) FSkinableMenus->ForgetSkinData();
  if (const TacSkinData* first = FirstData(); first && WindowEffects) WindowEffects->RebuildCharImageLists(first->PPI);
  host_.ForEachProviderForm([this](IacScalableControl& form) { UpdateScale(form, 96, 0); });
}

// The percentage the current mode draws at.
int TsSkinManager::PercentOfMode() const {
  switch (FOptions.ScaleMode()) {
    case smVCL: return kSlotPercent[ScaleSlotOfPPI(host_.SystemPPI())];
    case smCustomPPI: return FOptions.PixelsPerInch() * 100 / 96;
    default: return kSlotPercent[GetScale()];
  }
}

void TsSkinManager::ChangeScaleMode(TacScaleMode mode) {
  if (mode == FOptions.ScaleMode() && mode != smCustomPPI) return;
  RunScaleChange(mode, std::nullopt);
}

void TsSkinManager::ChangePixelsPerInch(int ppi) {
  if (FOptions.ScaleMode() == smCustomPPI) RunScaleChange(smCustomPPI, ppi);
  else FOptions.pixelsPerInch_ = static_cast<uint16_t>(std::clamp(ppi, 0, 0xFFFF));
}

void TsSkinManager::RunScaleChange(TacScaleMode newMode, std::optional<int> givenPPI) {
  const TacScaleMode oldMode = FOptions.ScaleMode();
  if (newMode == smVCL && (oldMode == smCustomPPI || IsFixedScaleMode(oldMode))) {
    // Back to the framework's scaling by way of a custom PPI of the main form's monitor.
    const int mainPPI = host_.MainFormPPI();
    const int target = mainPPI > 0 ? mainPPI : kSlotPPI[std::min(SysFontScale_, 3)];
    if (oldMode == smCustomPPI) {
      RunScaleChange(smCustomPPI, target);
    } else {
      FOptions.pixelsPerInch_ = static_cast<uint16_t>(target);
      RunScaleChange(smCustomPPI, std::nullopt);
    }
  }
  TScaleChangeData change{FOptions.ScaleMode(), newMode, PercentOfMode(), 100, 0, 0};
  const int autoSlot = std::min(3, SysFontScale_);
  switch (newMode) {
    case smCustomPPI:
      if (FOptions.ScaleMode() == smCustomPPI) {
        change.OldPPI = FOptions.PixelsPerInch();
        change.NewPPI = givenPPI.value_or(FOptions.PixelsPerInch());
        FOptions.pixelsPerInch_ = static_cast<uint16_t>(change.NewPPI);
      } else {
        change.NewPPI = FOptions.PixelsPerInch();
        change.OldPPI = change.OldScalePercent * 96 / 100;
      }
      change.NewScalePercent = change.NewPPI * 100 / 96;
      break;
    case smAuto:
      change.NewScalePercent = kSlotPercent[autoSlot];
      change.NewPPI = kSlotPPI[autoSlot];
      break;
    case smOldMode:
      change.NewPPI = 96;
      break;
    case smVCL:
      change.NewScalePercent = kSlotPercent[autoSlot];
      break;
    default:
      change.NewScalePercent = kSlotPercent[newMode];
      change.NewPPI = kSlotPPI[newMode];
      break;
  }
  ApplyScaleChange(change);
}

void TsSkinManager::ApplyScaleChange(const TScaleChangeData& change) {
  TacStateScope scaleChanging(ManagerState, msScaleChanging);
  if (OnScaleModeChange) {
    TScaleChangeData copy = change;  // what the handler changes is not used
    OnScaleModeChange(*this, copy);
  }
  if (change.NewScaleMode != smVCL) FOptions.pixelsPerInch_ = static_cast<uint16_t>(change.NewPPI);
  const auto storeMode = [&] {
    FOptions.scaleMode_ = change.NewScaleMode;
    if (IsDefault()) engine_.SetProgramScaleMode(change.NewScaleMode);
    UpdateSettings();
    SkinDataReplaced();  // a density may now be served from another slot
  };
  if (loading_) {
    storeMode();
    if (IsDefault()) host_.ScaleMessageFont(change.NewScalePercent, change.OldScalePercent);
    return;
  }
  const bool wasSuspended = NoAutoUpdate;
  BeginUpdate();
  {
    auto lock = host_.LockProviderForms();
    storeMode();
    ReloadActiveSkin();
    UpdateAllScale();
  }
  if (!wasSuspended) EndUpdate(true, false);
  if (OnScaleChanged) OnScaleChanged(FOptions);
}
