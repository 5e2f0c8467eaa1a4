// The program's start under Wine: the main window's manager loads the embedded Slate and
// tells the window and every one of its controls, window-less ones included.
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/Application.h"
#include "skin/base/acSkinCommands.h"
#include "tests/skin_manager_win/ObservedForms.h"

namespace {

// Milliseconds from the start of this process to `tick`.
double SinceProcessStart(DWORD tick) {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  const auto value = [](FILETIME t) { return (uint64_t{t.dwHighDateTime} << 32 | t.dwLowDateTime) / 10000.0; };
  return value(now) - value(created) - (GetTickCount() - tick);
}

}  // namespace

TEST(ProgramStartUnderWine, TheEmbeddedSlateIsActiveAndEveryControlIsToldOnce) {
  marv::Application app;
  auto& form = app.CreateForm<ObservedForm1>();
  TsSkinManager& manager = *form.sknmngr1;
  EXPECT_EQ(manager.SkinName(), "Slate (internal)");
  EXPECT_TRUE(manager.IsActive());
  EXPECT_EQ(manager.SkinInfo(), "14.01");
  EXPECT_EQ(manager.Version(), "14.31");
  EXPECT_EQ(TsSkinManager::DefaultManager(), &manager);

  std::vector<std::wstring> expected;
  for (marv::Control* control : ControlsOf(form)) expected.push_back(control->Name());
  EXPECT_EQ(expected.size(), 41u);  // the form, 36 buttons, two labels, the switch and its thumb
  EXPECT_EQ(ReceiversOf(form.received, SC_SKINLOADED), expected);
  for (const ReceivedCommand& r : form.received)
    if (r.Command == SC_SKINLOADED) {
      EXPECT_EQ(r.LParam, reinterpret_cast<LPARAM>(&manager));
    }

  const double ms = SinceProcessStart(form.received.front().Tick);
  RecordProperty("start_to_skinloaded_ms", std::to_string(static_cast<int>(ms)));
  std::printf("process start to SC_SKINLOADED: %.0f ms\n", ms);
}
