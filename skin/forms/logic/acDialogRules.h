#pragma once
// What the window-creation hook does with a window it is told about, which adapter each
// child of a skinned dialog gets, and the state a dialog's push button is drawn in.
// Plain decisions over what the Windows side reads from the windows.
#include <string>
#include <string_view>

// What to do with a new or activated top-level window.
enum class TacWindowDecision {
  LeaveAlone,   // not ours: the system draws it
  TakenCare,    // reported as taken care of, nothing to attach
  SetupForm,    // an application form: a run-time provider
  SetupDialog,  // a system dialog: a dialog adapter
};

struct TacWindowFacts {
  bool HasDefaultManager = false;
  bool AlreadySkinned = false;      // carries skin data or answers the "is skinned" command
  bool Popup = false;               // WS_POPUP
  bool Border = false;              // WS_BORDER
  bool HasProvider = false;         // an adapter object is attached already
  bool IsApplicationForm = false;
  int FormTag = 0;
  std::wstring ClassName;           // window class name as registered
  bool HasParent = false;
  bool ContainsToolbar = false;     // somewhere below it, as file dialogs do
  int VisibleSkinnedDialogs = 0;
  bool SkinStdForms = true;         // the manager's skinning rules
  bool SkinStdDialogs = true;
};

// The tag bits that keep a form out of the engine's hands.
inline constexpr int acExcludeTag = 0x100;

TacWindowDecision DecideWindow(const TacWindowFacts& facts);

// The adapter a dialog child gets. None: the child keeps the system's look.
enum class TacChildAdapter {
  None, Static, Icon, Edge, TransPanel, Panel, Edit, CheckBox, GroupBox, SplitButton, Button,
  ComboBox, Sizer, TabControl, ListView, TreeView, Spin, Track, Link, ToolBar, Container, Search,
};

struct TacChildChoice {
  TacChildAdapter Adapter = TacChildAdapter::None;
  std::string Section;  // the adapter's skin section; empty: its default
  bool operator==(const TacChildChoice&) const = default;
};

struct TacChildFacts {
  std::wstring ClassName;  // any letter case
  unsigned Style = 0;
  unsigned ExStyle = 0;
  bool Visible = true;
  int Height = 0;
};

TacChildChoice ChooseChildAdapter(const TacChildFacts& child);

// A dialog push button's skin state: 2 pressed, 0 disabled, 1 focused or hot, 3 the
// default button (1 when the section has fewer than four states), else 0.
struct TacPushButtonFacts {
  bool Pressed = false;
  bool Enabled = true;
  bool Focused = false;
  bool Hot = false;
  bool Default = false;
};
int PushButtonState(const TacPushButtonFacts& button, int sectionStates);
