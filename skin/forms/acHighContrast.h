#pragma once
// Follows the system's high-contrast mode for a skin manager: while it is on, the skin is
// dropped and every window draws with the system's colours; switched off, the skin is
// loaded again. Checked by Follow() once the skin is loaded, and on WM_SETTINGCHANGE
// (SPI_SETHIGHCONTRAST) to the form it watches. The question "is it on" can be replaced (tests answer it themselves).
#include <functional>

#include "framework/MessageHook.h"

namespace marv {
class Form;
}
class TsSkinManager;

// The system's answer: SPI_GETHIGHCONTRAST with HCF_HIGHCONTRASTON.
bool SystemHighContrastOn();

class TacHighContrastWatch {
 public:
  using Query = std::function<bool()>;

  TacHighContrastWatch(marv::Form& form, TsSkinManager& manager, Query query = SystemHighContrastOn);
  TacHighContrastWatch(const TacHighContrastWatch&) = delete;
  TacHighContrastWatch& operator=(const TacHighContrastWatch&) = delete;

  void SetQuery(Query query) { query_ = std::move(query); }
  // Asks again and drops or restores the skin to match.
  void Follow();
  // The skin is off because of high contrast.
  bool SkinDropped() const { return dropped_; }

 private:
  marv::Form& form_;
  TsSkinManager& manager_;
  Query query_;
  bool dropped_ = false;
  marv::MessageHook hook_;
};
