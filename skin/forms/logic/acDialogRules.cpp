#include "skin/forms/logic/acDialogRules.h"

#include <algorithm>
#include <array>
#include <cwctype>

namespace {

std::wstring Lower(std::wstring_view text) {
  std::wstring lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return wchar_t(std::towlower(c)); });
  return lower;
}

// Popup windows of other component libraries: never framed by the engine.
constexpr std::array<std::wstring_view, 7> kExcludedFormClasses = {
    L"TApplication", L"TcxComboBoxPopupWindow", L"TcxCustomPopupWindow", L"TcxDateEditPopupWindow",
    L"TcxGridFilterPopup", L"TdxPopupEditForm", L"TfcPopup"};

TacWindowDecision DecideForm(const TacWindowFacts& f) {
  if ((f.FormTag & acExcludeTag) == acExcludeTag) return TacWindowDecision::TakenCare;
  if (std::find(kExcludedFormClasses.begin(), kExcludedFormClasses.end(), f.ClassName) != kExcludedFormClasses.end()) {
    return TacWindowDecision::LeaveAlone;
  }
  const bool wanted = f.ClassName == L"TMessageForm" ? f.SkinStdDialogs : f.SkinStdForms;
  return wanted ? TacWindowDecision::SetupForm : TacWindowDecision::LeaveAlone;
}

}  // namespace

TacWindowDecision DecideWindow(const TacWindowFacts& f) {
  if (!f.HasDefaultManager || f.AlreadySkinned) return TacWindowDecision::LeaveAlone;
  if ((f.Popup && !f.Border) || f.HasProvider) return TacWindowDecision::LeaveAlone;
  if (f.IsApplicationForm) return DecideForm(f);
  if ((f.ClassName != L"#32770" && f.ClassName != L"NativeHWNDHost") || f.HasParent) {
    return TacWindowDecision::TakenCare;
  }
  if (!f.SkinStdDialogs) return TacWindowDecision::LeaveAlone;
  // Two skinned system dialogs on screen are enough; file dialogs (with toolbars) always.
  if (f.VisibleSkinnedDialogs >= 2 && !f.ContainsToolbar) return TacWindowDecision::LeaveAlone;
  return TacWindowDecision::SetupDialog;
}

namespace {

constexpr unsigned kStaticTypeMask = 0x1F;
constexpr unsigned kButtonTypeMask = 0x0F;
constexpr unsigned kExStaticEdge = 0x20000;

TacChildChoice ChooseStatic(const TacChildFacts& c) {
  switch (c.Style & kStaticTypeMask) {
    // Owner-drawn, enhanced metafile, grey and white rectangles: drawn as they are. A black
    // frame has neither text nor icon: a text adapter would paint it away.
    case 0x0B: case 0x0D: case 5: case 6: case 7:
      return {};
    case 3: case 0x0E: case 0x0F:  // icon, bitmap, metafile-like pictures
      if (c.ExStyle & kExStaticEdge) return {TacChildAdapter::Edge, "EDIT"};
      return {TacChildAdapter::Icon, ""};
    default:
      return {TacChildAdapter::Static, "TRANSPARENT"};
  }
}

TacChildChoice ChooseButton(const TacChildFacts& c, bool plainButtonClass) {
  const unsigned type = c.Style & kButtonTypeMask;
  switch (type) {
    case 2: case 3: case 5: case 6:  // check boxes (including three-state)
    case 4: case 9:                  // radio buttons
      return {TacChildAdapter::CheckBox, ""};
    case 7: return {TacChildAdapter::GroupBox, "GROUPBOX"};
    case 0x0B:  // owner-drawn: the owner paints it
      if (plainButtonClass) return {};
      return {TacChildAdapter::Button, "BUTTON"};
    case 12: case 13: case 14: case 15: return {TacChildAdapter::SplitButton, ""};
    default: return {TacChildAdapter::Button, "BUTTON"};
  }
}

}  // namespace

TacChildChoice ChooseChildAdapter(const TacChildFacts& c) {
  const std::wstring cls = Lower(c.ClassName);
  if (cls == L"static") return ChooseStatic(c);
  if (cls == L"button" || cls == L"tbutton") return ChooseButton(c, cls == L"button");
  if (cls == L"#32770" || cls == L"shbrowseforfolder") return {TacChildAdapter::TransPanel, ""};
  if (cls == L"tsilentpaintpanel" || cls == L"tpanel") return {TacChildAdapter::Panel, "TRANSPARENT"};
  if (cls == L"travelband") return {TacChildAdapter::Panel, "GROUPBOX"};
  if (cls == L"edit") return c.Visible ? TacChildChoice{TacChildAdapter::Edit, "EDIT"} : TacChildChoice{};
  if (cls == L"combobox" || cls == L"comboboxex32") return {TacChildAdapter::ComboBox, "COMBOBOX"};
  if (cls == L"combolbox") return {TacChildAdapter::Edit, "COMBOBOX"};
  if (cls == L"scrollbar") return (c.Style & 0x10) ? TacChildChoice{TacChildAdapter::Sizer, ""} : TacChildChoice{};
  if (cls == L"systabcontrol32") {
    return (c.Style & 0x2000) ? TacChildChoice{} : TacChildChoice{TacChildAdapter::TabControl, "PAGECONTROL"};
  }
  if (cls == L"syslistview32") return {TacChildAdapter::ListView, "EDIT"};
  if (cls == L"systreeview32") return {TacChildAdapter::TreeView, "EDIT"};
  if (cls == L"listbox") return {TacChildAdapter::Edit, "EDIT"};
  if (cls == L"msctls_updown32") return {TacChildAdapter::Spin, "SPEEDBUTTON_SMALL"};
  if (cls == L"msctls_trackbar32") return {TacChildAdapter::Track, "TRACKBAR"};
  if (cls == L"link window" || cls == L"syslink") return {TacChildAdapter::Link, ""};
  if (cls == L"toolbarwindow32") return {TacChildAdapter::ToolBar, (c.Style & 0x200) ? "BAR" : "TRANSPARENT"};
  static constexpr std::array<std::wstring_view, 7> kContainers = {
      L"rebarwindow32", L"msctls_progress32", L"universalsearchband", L"address band root",
      L"workerw", L"search box", L"breadcrumb parent"};
  if (std::find(kContainers.begin(), kContainers.end(), cls) != kContainers.end()) {
    return c.Visible ? TacChildChoice{TacChildAdapter::Container, ""} : TacChildChoice{};
  }
  if (cls == L"directuihwnd" && c.Height == 24) return {TacChildAdapter::Search, ""};
  return {};  // "ctrlnotifysink" and everything unknown
}

int PushButtonState(const TacPushButtonFacts& b, int sectionStates) {
  if (b.Pressed) return 2;
  if (!b.Enabled) return 0;
  if (b.Focused || b.Hot) return 1;
  if (b.Default) return sectionStates < 4 ? 1 : 3;
  return 0;
}
