#include "tests/skin_manager_win/ObservedForms.h"

#include "framework/WinControl.h"
#include "skin/base/acSkinCommands.h"

std::vector<marv::Control*> ControlsOf(marv::Control& root) {
  std::vector<marv::Control*> all{&root};
  if (root.IsWindowed())
    for (const auto& child : static_cast<marv::WinControl&>(root).Controls()) {
      const auto below = ControlsOf(*child);
      all.insert(all.end(), below.begin(), below.end());
    }
  return all;
}

void ObserveSkinCommands(marv::Control& root, std::vector<ReceivedCommand>& log) {
  for (marv::Control* control : ControlsOf(root)) {
    control->WindowProc = [control, &log, previous = control->WindowProc](marv::Message& m) {
      if (m.Msg == WM_SKINCOMMAND)
        log.push_back({control->Name(), SkinCommandOf(m.WParam), m.LParam, GetTickCount()});
      previous(m);
    };
  }
}

std::vector<std::wstring> ReceiversOf(const std::vector<ReceivedCommand>& log, uint16_t command) {
  std::vector<std::wstring> names;
  for (const ReceivedCommand& r : log)
    if (r.Command == command) names.push_back(r.Control);
  return names;
}
