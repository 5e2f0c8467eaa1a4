#pragma once
// The keyboard focus of a hand-laid form: its controls in reading order and the way Tab,
// Shift+Tab and the arrows move through them, from the platform-free rules over the
// controls' 96-DPI places. A control takes the focus while visible and enabled when it
// acts on a click or has a window of its own.
#include <functional>
#include <memory>
#include <vector>

#include "framework/KeyboardFocus.h"

namespace marv {
class Form;
}

// Whether a control belongs to the form's grid of arrow-key navigation.
using TacArrowGrid = std::function<bool(const marv::Control&)>;

std::unique_ptr<marv::KeyboardFocus> MakeFormKeyboardFocus(marv::Form& form, TacArrowGrid inGrid = {});
