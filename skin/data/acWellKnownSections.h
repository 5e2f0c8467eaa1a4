#pragma once
// The 53 sections that controls and windows ask for by role. A skin data object resolves
// their skin indexes once per load; a missing one among the later entries borrows the
// index of a related section.
#include <array>
#include <string_view>

enum TacSection : int {
  ssMenuItem, ssCheckBox, ssSpeedButton, ssSpeedButton_Small, ssToolButton, ssTransparent, ssGroupBox,
  ssDivider, ssWebBtn, ssButton, ssComboNoEdit, ssButtonHuge, ssToolBar, ssEdit, ssGauge, ssSelection,
  ssStatusBar, ssPanel, ssPanelLow, ssTrackBar, ssProgressV, ssDragBar, ssGripH, ssGripV, ssProgressH,
  ssTabSheet, ssUpDown, ssComboBox, ssCaption, ssMainMenu, ssSplitter, ssComboBtn, ssFormTitle, ssHint,
  ssDividerV, ssPageControl, ssTabTop, ssBarPanel, ssBarTitle, ssMenuCaption, ssDialogTitle, ssMenuButton,
  ssMenuLine, ssFormHeader, ssTBBtn, ssTBMenuBtn, ssTBTab, ssColHeader, ssColHeaderA, ssColHeaderL,
  ssColHeaderR, ssSlider_Off, ssSlider_On,
  ssSectionCount
};

using TacSectionTable = std::array<int, ssSectionCount>;

inline constexpr std::array<std::string_view, ssSectionCount> kSectionNames{
    "MENUITEM", "CHECKBOX", "SPEEDBUTTON", "SPEEDBUTTON_SMALL", "TOOLBUTTON", "TRANSPARENT", "GROUPBOX",
    "DIVIDER", "WEBBUTTON", "BUTTON", "COMBONOEDIT", "BUTTON_HUGE", "TOOLBAR", "EDIT", "GAUGE", "SELECTION",
    "STATUSBAR", "PANEL", "PANEL_LOW", "TRACKBAR", "PROGRESSV", "DRAGBAR", "GRIPH", "GRIPV", "PROGRESSH",
    "TABSHEET", "UPDOWNBTN", "COMBOBOX", "CAPTION", "MAINMENU", "SPLITTER", "COMBOBTN", "FORMTITLE", "HINT",
    "DIVIDERV", "PAGECONTROL", "TABTOP", "BARPANEL", "BARTITLE", "MENUCAPTION", "DIALOGTITLE", "MENUBTN",
    "MENULINE", "FORMHEADER", "TB_BTN", "TB_MENUBTN", "TB_TAB", "COLHEADER", "COLHEADERA", "COLHEADERL",
    "COLHEADERR", "SLIDER_OFF", "SLIDER_ON"};

// The section whose index a missing entry takes (itself: no fallback).
inline constexpr TacSection kFirstSectionWithFallback = ssMenuCaption;
constexpr TacSection SectionFallback(TacSection s) {
  switch (s) {
    case ssMenuCaption: return ssToolBar;
    case ssDialogTitle: return ssFormTitle;
    case ssMenuButton: return ssSpeedButton;
    case ssTBBtn: return ssToolButton;
    case ssTBTab: return ssTabTop;
    case ssColHeader: return ssButton;
    case ssColHeaderA:
    case ssColHeaderL:
    case ssColHeaderR: return ssColHeader;
    case ssSlider_Off:
    case ssSlider_On: return ssPanelLow;
    default: return s;
  }
}
