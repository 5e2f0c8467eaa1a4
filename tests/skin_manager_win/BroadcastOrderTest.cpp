// The fixed order of a broadcast: the application's forms from the last made to the
// first, then forms with a skinning provider, then visible skinned dialogs; inside a form
// its controls in child order, but not the controls of an already skinned window.
#include <gtest/gtest.h>

#include "framework/Application.h"
#include "framework/Label.h"
#include "skin/base/acSkinCommands.h"
#include "skin/windows/acSkinnedWindows.h"
#include "tests/skin_manager_win/ObservedForms.h"

namespace {

// Marks a window as carrying a skin binding, as skinned controls and provider forms do.
void MarkSkinned(HWND window) { SetPropW(window, L"ACSDATA", reinterpret_cast<HANDLE>(1)); }

struct ListsReset {
  ~ListsReset() { SkinnedWindows() = {}; }
};

}  // namespace

TEST(BroadcastOrder, FormsLastMadeFirstThenProvidersThenDialogs) {
  ListsReset reset;
  marv::Application app;
  auto& main = app.CreateForm<ObservedForm1>();
  std::vector<ReceivedCommand>& log = main.received;

  auto& second = app.CreateForm<marv::Form>(L"Second");
  second.Add<marv::Label>(L"secondLabel");
  auto& panel = second.Add<marv::WinControl>(L"panel");
  panel.Add<marv::Label>(L"panelLabel");
  auto& skinnedPanel = second.Add<marv::WinControl>(L"skinnedPanel");
  skinnedPanel.Add<marv::Label>(L"hiddenLabel");
  second.HandleNeeded();
  MarkSkinned(skinnedPanel.Handle());

  auto& provider = app.CreateForm<marv::Form>(L"Provider");  // gets its provider as it is made

  marv::Form dialog(L"Dialog");  // a window of its own, not one of the application's forms
  dialog.SetTag(0x100);          // no provider: it stands for a skinned system dialog
  dialog.HandleNeeded();
  ShowWindow(dialog.Handle(), SW_SHOWNOACTIVATE);
  SkinnedWindows().SkinnedDialogs.push_back(dialog.Handle());

  for (marv::Form* form : {&second, &provider, &dialog}) ObserveSkinCommands(*form, log);
  log.clear();
  main.sknmngr1->UpdateSkin(false);

  // Forms made while the skin is applied get providers from the window hook, so they are
  // reached with the provider forms in the order they were made; the main form (no
  // provider until it is activated) with the plain forms.
  std::vector<std::wstring> expected;
  for (marv::Control* control : ControlsOf(main)) expected.push_back(control->Name());
  expected.insert(expected.end(),
                  {L"Second", L"secondLabel", L"panel", L"panelLabel", L"skinnedPanel", L"Provider", L"Dialog"});
  EXPECT_EQ(ReceiversOf(log, SC_SKINLOADED), expected);
}

TEST(BroadcastOrder, HiddenDialogsAndFormsWithoutAWindowAreLeftOut) {
  ListsReset reset;
  marv::Application app;
  auto& main = app.CreateForm<ObservedForm1>();
  auto& gone = app.CreateForm<marv::Form>(L"Gone");
  ObserveSkinCommands(gone, main.received);
  gone.DestroyHandle();
  marv::Form dialog(L"HiddenDialog");
  dialog.SetTag(0x100);  // no provider: it stands for a skinned system dialog
  dialog.HandleNeeded();
  ObserveSkinCommands(dialog, main.received);
  SkinnedWindows().SkinnedDialogs.push_back(dialog.Handle());
  main.received.clear();
  main.sknmngr1->RepaintForms(false);
  const auto refreshed = ReceiversOf(main.received, SC_SKINREFRESH);
  EXPECT_EQ(refreshed.front(), L"Form1");
  EXPECT_EQ(std::count(refreshed.begin(), refreshed.end(), L"Gone"), 0);
  EXPECT_EQ(std::count(refreshed.begin(), refreshed.end(), L"HiddenDialog"), 0);
  EXPECT_EQ(ReceiversOf(main.received, SC_STOPFADE).size(), refreshed.size());
}
