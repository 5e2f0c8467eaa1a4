#include <gtest/gtest.h>

#include "skin/forms/logic/acDialogRules.h"

namespace {

struct ChildCase {
  const wchar_t* cls;
  unsigned style;
  TacChildChoice expected;
  unsigned exStyle = 0;
  bool visible = true;
  int height = 20;
};

TEST(ChildAdapter, ByClassAndStyle) {
  using A = TacChildAdapter;
  const ChildCase cases[] = {
      {L"Static", 0, {A::Static, "TRANSPARENT"}},             // left-aligned text
      {L"Static", 0x50020000, {A::Static, "TRANSPARENT"}},    // text with window bits above the type
      {L"Static", 3, {A::Icon, ""}},
      {L"Static", 0xE, {A::Icon, ""}},                        // bitmap
      {L"Static", 0xF, {A::Icon, ""}},
      {L"Static", 3, {A::Edge, "EDIT"}, 0x20000},             // an icon with a static edge
      {L"Static", 0xD, {}},                                   // not an icon for having bit 0 and 2
      {L"Static", 0xB, {}},                                   // owner-drawn: not taken for an icon
      {L"Static", 5, {}}, {L"Static", 6, {}},
      {L"Static", 7, {}},                                     // black frame: left to the system
      {L"Static", 0x13, {A::Static, "TRANSPARENT"}},          // 0x13 & 3 == 3 but no picture
      {L"STATIC", 1, {A::Static, "TRANSPARENT"}},             // class names in any case
      {L"Button", 0, {A::Button, "BUTTON"}},
      {L"Button", 1, {A::Button, "BUTTON"}},                  // default push button
      {L"Button", 0xB, {}},                                   // owner-drawn
      {L"TButton", 0xB, {A::Button, "BUTTON"}},               // the framework's own paints as a button
      {L"Button", 3, {A::CheckBox, ""}},
      {L"Button", 6, {A::CheckBox, ""}},                      // auto three-state is a check box too
      {L"Button", 0x23, {A::CheckBox, ""}},                   // text on the left does not change the type
      {L"Button", 9, {A::CheckBox, ""}},                      // auto radio
      {L"Button", 7, {A::GroupBox, "GROUPBOX"}},
      {L"Button", 0xE, {A::SplitButton, ""}},                 // command link
      {L"Button", 0xF, {A::SplitButton, ""}},
      {L"ScrollBar", 0x10, {A::Sizer, ""}},
      {L"ScrollBar", 0, {}},
      {L"CtrlNotifySink", 0, {}},
      {L"Edit", 0, {A::Edit, "EDIT"}},
      {L"Edit", 0, {}, 0, false},                             // hidden edits stay as they are
      {L"ComboLBox", 0, {A::Edit, "COMBOBOX"}},
      {L"SysTabControl32", 0, {A::TabControl, "PAGECONTROL"}},
      {L"SysTabControl32", 0x2000, {}},
      {L"ToolbarWindow32", 0x200, {A::ToolBar, "BAR"}},
      {L"ToolbarWindow32", 0, {A::ToolBar, "TRANSPARENT"}},
      {L"msctls_progress32", 0, {A::Container, ""}},
      {L"msctls_progress32", 0, {}, 0, false},
      {L"DirectUIHWND", 0, {A::Search, ""}, 0, true, 24},
      {L"DirectUIHWND", 0, {}, 0, true, 30},
      {L"SysLink", 0, {A::Link, ""}},
      {L"TRavelBand", 0, {A::Panel, "GROUPBOX"}},
      {L"#32770", 0, {A::TransPanel, ""}},
      {L"RichEdit20W", 0, {}},
  };
  for (const ChildCase& c : cases) {
    const TacChildChoice got = ChooseChildAdapter({c.cls, c.style, c.exStyle, c.visible, c.height});
    EXPECT_EQ(got, c.expected) << std::string(c.cls, c.cls + wcslen(c.cls)) << " style 0x" << std::hex << c.style;
  }
}

TacWindowFacts SystemDialog() {
  TacWindowFacts f;
  f.HasDefaultManager = true;
  f.Popup = true;
  f.Border = true;
  f.ClassName = L"#32770";
  return f;
}

TacWindowFacts ApplicationForm(const wchar_t* cls) {
  TacWindowFacts f;
  f.HasDefaultManager = true;
  f.IsApplicationForm = true;
  f.ClassName = cls;
  return f;
}

TEST(WindowDecision, WhatTheCreationHookTakes) {
  using D = TacWindowDecision;
  struct Case {
    const char* what;
    TacWindowFacts facts;
    D expected;
  };
  std::vector<Case> cases = {
      {"a message box", SystemDialog(), D::SetupDialog},
      {"a form", ApplicationForm(L"TForm1"), D::SetupForm},
      {"a form with tag 256", ApplicationForm(L"TForm1"), D::TakenCare},
      {"a form with tag 0x1FF", ApplicationForm(L"TForm1"), D::TakenCare},
      {"another library's popup", ApplicationForm(L"TcxGridFilterPopup"), D::LeaveAlone},
      {"the message form without dialog skinning", ApplicationForm(L"TMessageForm"), D::LeaveAlone},
      {"forms not wanted", ApplicationForm(L"TForm1"), D::LeaveAlone},
      {"a popup without border", SystemDialog(), D::LeaveAlone},
      {"a dialog with a parent", SystemDialog(), D::TakenCare},
      {"a window of another class", SystemDialog(), D::TakenCare},
      {"a hosted dialog", SystemDialog(), D::SetupDialog},
      {"one skinned dialog visible", SystemDialog(), D::SetupDialog},
      {"two skinned dialogs visible", SystemDialog(), D::LeaveAlone},
      {"two visible, a file dialog", SystemDialog(), D::SetupDialog},
      {"already skinned", SystemDialog(), D::LeaveAlone},
      {"with an adapter already", SystemDialog(), D::LeaveAlone},
      {"no manager", SystemDialog(), D::LeaveAlone},
      {"dialogs not wanted", SystemDialog(), D::LeaveAlone},
  };
  cases[2].facts.FormTag = 256;
  cases[3].facts.FormTag = 0x1FF;
  cases[5].facts.SkinStdDialogs = false;
  cases[6].facts.SkinStdForms = false;
  cases[7].facts.Border = false;
  cases[8].facts.HasParent = true;
  cases[9].facts.ClassName = L"Shell_TrayWnd";
  cases[10].facts.ClassName = L"NativeHWNDHost";
  cases[11].facts.VisibleSkinnedDialogs = 1;
  cases[12].facts.VisibleSkinnedDialogs = 2;
  cases[13].facts.VisibleSkinnedDialogs = 2;
  cases[13].facts.ContainsToolbar = true;
  cases[14].facts.AlreadySkinned = true;
  cases[15].facts.HasProvider = true;
  cases[16].facts.HasDefaultManager = false;
  cases[17].facts.SkinStdDialogs = false;
  for (const Case& c : cases) EXPECT_EQ(DecideWindow(c.facts), c.expected) << c.what;
}

TEST(PushButtonState, PressedDisabledHotDefault) {
  struct Case {
    TacPushButtonFacts facts;
    int states;
    int expected;
  };
  const Case cases[] = {
      {{.Pressed = true, .Focused = true, .Default = true}, 4, 2},
      {{.Enabled = false, .Default = true}, 4, 0},
      {{.Focused = true}, 4, 1},
      {{.Hot = true}, 4, 1},
      {{.Default = true}, 4, 3},
      {{.Default = true}, 3, 1},  // drawn hot where the skin has no default look
      {{}, 4, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(PushButtonState(c.facts, c.states), c.expected);
}

}  // namespace
