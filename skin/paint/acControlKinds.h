#pragma once
// Control kinds: the number every skin binding carries (its COC) says what kind of
// control or window it paints. The numbers are the engine's own; the kinds this program
// has are named here with the section each paints by default, and the fixed sets of
// kind numbers that steer the binding's common behaviour live beside them.
#include <string_view>

enum class TacControlKind : int {
  Slider = 34,
  Panel = 51,
  SpeedButton = 92,
  Button = 93,
  Dialog = 223,
  Form = 224,
};

constexpr int KindCode(TacControlKind kind) { return static_cast<int>(kind); }

inline constexpr int kKindSlider = KindCode(TacControlKind::Slider);
inline constexpr int kKindPanel = KindCode(TacControlKind::Panel);
inline constexpr int kKindSpeedButton = KindCode(TacControlKind::SpeedButton);
inline constexpr int kKindButton = KindCode(TacControlKind::Button);
inline constexpr int kKindDialog = KindCode(TacControlKind::Dialog);
inline constexpr int kKindForm = KindCode(TacControlKind::Form);

// What a kind paints when nobody names a section: the section's name and the number a
// control answers to SC_DEFAULTSECTION (-1: the kind does not answer it).
struct TacKindDefaults {
  TacControlKind Kind;
  std::string_view Section;
  int SectionNumber;
};

inline constexpr TacKindDefaults kKindDefaults[] = {
    {TacControlKind::Slider, "SLIDER_OFF", 8},        {TacControlKind::Panel, "PANEL", -1},
    {TacControlKind::SpeedButton, "SPEEDBUTTON", 15}, {TacControlKind::Button, "BUTTON", 2},
    {TacControlKind::Dialog, "DIALOG", -1},           {TacControlKind::Form, "FORM", -1},
};

constexpr const TacKindDefaults& KindDefaults(TacControlKind kind) {
  for (const TacKindDefaults& d : kKindDefaults)
    if (d.Kind == kind) return d;
  return kKindDefaults[1];  // unreachable for a named kind: every one has a row
}

// The fixed kind sets that steer common behaviour.
bool InNeverHotSet(int kind);       // the mouse never makes them hot
bool InOptionHotSet(int kind);      // hot only with the global option (off)
bool InNoGlowSet(int kind);         // no glow; children asking get state 0
bool InButtonSet(int kind);         // buttons: no glow on mouse-enter
bool InSkinColorSet(int kind);      // Color and Font.Color follow the section
bool InFrameRefreshSet(int kind);   // SC_SKINREFRESH recalculates the frame
// Kinds whose control names its default section (asked with SC_DEFAULTINDEX).
bool AsksDefaultIndex(int kind);
// The fixed section of a kind that neither names one nor is asked; null for the others.
const char* KindSectionName(int kind);
