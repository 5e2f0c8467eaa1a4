#pragma once
// The platform-free rules of the skinned buttons: which state a button shows, when its
// cached picture is stale, where its caption goes and where the dots of its focus frame
// lie.
#include <vector>

#include "pixels/Geometry.h"

// Speed button.

enum class TacGlyphLayout { Left, Right, Top, Bottom };
enum class TacAlign { Left, Right, Center };

struct TacCaptionLayout {
  int W = 0, H = 0;     // the button
  int tw = 0, th = 0;   // the measured caption
  int g = 0, gh = 0;    // glyph width and height (0: none)
  int m = 0;            // ActMargin
  int sp = 0;           // ActSpacing
  int a = 0;            // added and arrow width of drop-down buttons
  int textOffset = 0;   // ActTextOffset
  TacGlyphLayout layout = TacGlyphLayout::Left;
  TacAlign alignment = TacAlign::Center;
  TacAlign textAlignment = TacAlign::Center;
  bool hasCaption = true;
};

// The caption's rectangle inside the button (before the pressed shift).
TRect SpeedButtonCaptionRect(const TacCaptionLayout& l);
// Margin as drawn: none for a negative Margin, else the scaled margin plus 3.
int ActMargin(int margin, int ppi);
// A caption moves by one pixel right and down while pressed when content shifts on click.
inline TRect PressedShift(TRect r) { return r.Offset(1, 1); }

struct TacSpeedButtonStateInput {
  bool down = false;        // the framework state is down or exclusive
  bool menuOpen = false;
  bool menuOwnerMode = false;
  int defaultState = 0;     // of the binding
  bool hotState = false;
};
int SpeedButtonCurrentState(const TacSpeedButtonStateInput& in);

struct TacSpeedButtonStaleness {
  int currentState = 0;
  bool down = false, storedDown = false;
  bool bgChanged = false;
  bool halfVisible = false;
  bool glyphChanged = false;  // glyph count or spacing since the last build
};
// A hot, pressed, half-visible or changed button rebuilds; a normal one copies its cache.
bool SpeedButtonCacheStale(const TacSpeedButtonStaleness& s);

// Push button.

struct TacPushButtonStateInput {
  bool pushed = false;          // the window reports the pushed state (or a forced pressed paint)
  bool mouseAbove = false;
  bool leftHeldOnControl = false;
  bool hoverOff = false;        // the manager switched hover off
  bool down = false;            // Down: pressed look for good
  bool menuOpen = false;
  bool designing = false;
  int defaultState = 0;
  bool isDefault = false;
};
// 2 pressed, 3 default button at rest, 1 hot, 0 normal.
int PushButtonCurrentState(const TacPushButtonStateInput& in);
// The state the picture is painted in: a default button looks hot on sections with
// fewer than four states.
int PictureState(int state, int sectionStates);

// Caption centred in a push button of W x H (splitWidth: the arrow strip of split buttons).
TRect PushButtonCaptionRect(int W, int H, int tw, int th, int splitWidth = 0);
// The focus frame around the caption: inflated by focusMargin + 1 across and focusMargin
// up and down, kept 3 pixels inside the button's top and bottom.
TRect FocusFrameRect(TRect text, int focusMargin, int H);
// The dots of a dotted frame, one every 2 pixels along each edge.
std::vector<TPoint> FocusFrameDots(TRect frame);
// The section state whose font colour draws the focus frame.
inline int FocusFrameColorState(int sectionStates) { return sectionStates - 1 < 2 ? (sectionStates > 0 ? sectionStates - 1 : 0) : 2; }
