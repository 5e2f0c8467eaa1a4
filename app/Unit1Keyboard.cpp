// The main window without a mouse: the keyboard focus over its controls (the app buttons
// form the arrow keys' grid), what a screen reader is told about each control, and the
// skin dropped while the system runs in high contrast.
#include <algorithm>

#include "app/Unit1.h"
#include "skin/forms/acFormNavigation.h"

void TForm1::CreateKeyboardAccess() {
  keyboard_ = MakeFormKeyboardFocus(*this, [this](const marv::Control& control) { return IsAppButton(control); });
  keyboard_->OnActivate = [this](marv::Control& control, marv::ActivationSource source) {
    return ActivateByKeyboard(control, source);
  };
  accessibility_ = std::make_unique<marv::ControlAccessibility>(
      *this, *keyboard_, [this](marv::Control& control) { return Describe(control); });
  highContrast_ = std::make_unique<TacHighContrastWatch>(*this, *sknmngr1);
}

bool TForm1::IsAppButton(const marv::Control& control) const {
  return std::find(appButtons_.begin(), appButtons_.end(), &control) != appButtons_.end();
}

bool TForm1::ActivateByKeyboard(marv::Control& control, marv::ActivationSource source) {
  using Source = marv::ActivationSource;
  if (IsAppButton(control)) {
    // No mouse to open the menu at: it opens below the button, left-aligned.
    OpenAppMenu(control, control.ClientToScreen(POINT{0, control.Height()}));
    return true;
  }
  // As the system's controls do: Enter does not toggle a check button, Space does not
  // follow a link.
  if (&control == sSlider1) return source == Source::EnterKey;
  if (&control == lbl1) return source == Source::SpaceKey;
  return false;
}

marv::AccessibleTraits TForm1::Describe(marv::Control& control) {
  marv::AccessibleTraits traits = marv::ControlAccessibility::DefaultTraits(control);
  if (IsAppButton(control)) traits.description = L"卸载/安装";
  if (&control == sSlider1) {
    const bool on = sSlider1->SliderOn();
    traits.name = lbl2->Caption();  // the label beside it names it
    traits.role = ROLE_SYSTEM_CHECKBUTTON;
    traits.state = on ? STATE_SYSTEM_CHECKED : 0;
    traits.defaultAction = on ? L"清除" : L"选中";
  }
  return traits;
}
