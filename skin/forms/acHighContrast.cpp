#include "skin/forms/acHighContrast.h"

#include "framework/Application.h"
#include "framework/Form.h"
#include "skin/data/sSkinManager.h"

bool SystemHighContrastOn() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

TacHighContrastWatch::TacHighContrastWatch(marv::Form& form, TsSkinManager& manager, Query query)
    : form_(form),
      manager_(manager),
      query_(std::move(query)),
      hook_(form, [this](marv::Message& m, const marv::MessageHandler& next) {
        next(m);
        if (m.Msg == WM_SETTINGCHANGE && m.WParam == SPI_SETHIGHCONTRAST) Follow();
      }) {}

void TacHighContrastWatch::Follow() {
  const bool on = query_ && query_();
  if (on && !dropped_ && manager_.Active()) {
    dropped_ = true;
    manager_.SetActive(false);
  } else if (!on && dropped_) {
    dropped_ = false;
    manager_.SetActive(true);
  } else {
    return;
  }
  // Every window of the program changes its colours, the ones no skin drew too.
  if (const marv::Application* app = marv::Application::Current()) {
    for (const auto& form : app->Forms())
      if (form->Handle()) RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  } else if (form_.Handle()) {
    RedrawWindow(form_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
}
