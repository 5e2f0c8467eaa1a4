#pragma once
// Where a form's border window lies and what its parts answer: the window is the frame
// picture (title, borders, shadow) placed around the owner, with a hole where the owner's
// client area shows through. All coordinates are the border window's own unless named.
#include <functional>
#include <optional>
#include <vector>

#include "pixels/Geometry.h"

// The numbers one owner's border window is laid out from.
struct TacBorderMetrics {
  int ExBorderWidth = 0;     // the skin's extended frame width (e)
  TRect Shadow;              // how far the shadow reaches beyond the frame, per side
  int SysFrame = 0;          // the owner's system frame width (s)
  int SysCaptionHeight = 0;  // the owner's system caption height
  int TitleHeight = 0;       // the skin's title height when the owner has a caption, else 0
  int CaptionHeight = 0;     // the owner's skinned caption height
  bool SysExHeight = false;  // the skin title is more than 4 px taller than the system caption
};

// The window's top-left is the owner's window top-left minus (OffsetX, OffsetY).
int BorderOffsetX(const TacBorderMetrics& m);
int BorderOffsetY(const TacBorderMetrics& m);
// The frame without the shadow.
TRect BorderContentRect(const TacBorderMetrics& m, int width, int height);

// What the hit test of an owner's border window needs to know at the moment.
struct TacBorderHitInput {
  int Width = 0, Height = 0;  // the border window
  TacBorderMetrics Metrics;
  int MenuLineHeight = 0;     // all menu lines of the owner
  TRect IconRect;             // the owner's title icon
  bool Sizable = false;
  bool Maximized = false;
  bool OwnerDisabled = false;
  bool Scaling = false;       // the manager is rescaling windows: no answers meanwhile
  int ExDrawMode = 0;         // 1: sizing bands lie inside the shadow offsets below
  TRect ExShadowOffs;
  std::optional<TPoint> GripTopLeft;       // a size grip's top-left, when the owner shows one
  std::function<int(TPoint)> ExtHitTest;   // the owner's own first say; 0 = none
  std::function<int(TPoint)> ButtonHit;    // the owner's caption buttons; acHtTransparent = none
};

// The owner's hit code for a point of its border window.
int BorderHitTest(const TacBorderHitInput& in, TPoint p);

// True where the border window lets the mouse through to what lies below: beyond the
// frame's reach into the shadow. Never for a maximized owner.
bool BorderOutsideFrame(const TacBorderHitInput& in, TPoint p);

// The window region as disjoint rectangles: the whole window (a maximized owner's only
// the frame part) less the owner's client hole; while the owner moves or animates, no
// hole, and the strip above the monitor's top cut off.
struct TacBorderRegionInput {
  int Width = 0, Height = 0;
  TacBorderMetrics Metrics;
  bool Maximized = false;
  std::optional<TRect> Hole;  // the owner's client area with its menu line; none while moving
  int WindowTop = 0;          // screen y of the border window
  int MonitorTop = 0;         // screen y of its monitor's top
};
std::vector<TRect> BorderRegion(const TacBorderRegionInput& in);

// The hole for a provider: its client area at (OffsetX, OffsetY) in the picture, grown
// upwards over the menu line so that it shows through too.
TRect BorderClientHole(TPoint clientOffset, int clientWidth, int clientHeight, int menuLineHeight);

// Dragging the caption of a maximized owner: moves of 5 px do nothing; from 6 px on the
// owner is restored with its centre under the cursor and this top-left.
std::optional<TPoint> MaximizedDragTopLeft(TPoint pressedAt, TPoint cursor, int restoredWidth);

// Double-clicking a border of a sizable owner stretches it along that axis to the work
// area; a second double-click, while it is still stretched, puts it back exactly.
struct TacSpan {
  int Start = 0, Length = 0;
  bool operator==(const TacSpan&) const = default;
};
class TacBorderStretch {
 public:
  // The new span of the owner along the axis. leadFrame/trailFrame: how much of the
  // extended frame lies outside the owner on either side.
  TacSpan Toggle(TacSpan current, TacSpan workArea, int leadFrame, int trailFrame);

 private:
  std::optional<TacSpan> saved_;
  TacSpan stretched_;
};

// The cursor the border window shows over a hit code.
enum class TacBorderCursor { Default, Arrow, SizeWE, SizeNS, SizeNWSE, SizeNESW };
TacBorderCursor BorderCursor(int hitCode);
