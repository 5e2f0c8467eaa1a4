#pragma once
// The geometry of a skinned form's frame as plain functions of what the form is (border
// style, icons, state, sizes) and of the system's metrics at the form's density, so that
// every number the frame is built from can be checked without a window.
#include "pixels/Geometry.h"

enum class TacBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TacWindowState { wsNormal, wsMinimized, wsMaximized };

struct TacBorderIcons {
  bool SystemMenu = true;
  bool Minimize = true;
  bool Maximize = true;
  bool Help = false;
};

// System metrics at the form's pixels per inch.
struct TacSystemMetrics {
  int CXFrame = 4;         // SM_CXFRAME: the sizing frame
  int CXFixedFrame = 3;    // SM_CXFIXEDFRAME
  int CXPaddedBorder = 4;  // SM_CXPADDEDBORDER
  int CYCaption = 23;      // SM_CYCAPTION
  int CYSmCaption = 23;    // SM_CYSMCAPTION
  int CYMenu = 20;         // SM_CYMENU
};

// What the frame rules ask of a form.
struct TacFormFrame {
  TacBorderStyle BorderStyle = TacBorderStyle::bsSizeable;
  TacBorderIcons Icons;
  TacWindowState State = TacWindowState::wsNormal;
  bool IsMainForm = false;
  bool CaptionStyle = true;  // the window has WS_CAPTION
  bool ChildWindow = false;
  bool Windows10 = true;     // Windows 10 or later
  bool SysExHeight = false;  // the skin title is more than 4 pixels taller than the system caption
  int BorderWidth = 0;       // the form's own BorderWidth
  TPoint WindowSize;         // the window rectangle's width and height
  TPoint ClientSize;
};

// The window's frame kind, as SC_GETBORDERWIDTH is asked it.
enum class TacFrameKind { Sizing = 1, ThinBorder = 2, Other = 3 };

bool IsSizable(TacBorderStyle style);

// SM_CYCAPTION or SM_CYSMCAPTION by border style, Windows version and state.
int SysCaptionHeight(const TacFormFrame& form, const TacSystemMetrics& metrics);
// The caption's height in the frame picture (no border window: the system caption).
int CaptionHeight(const TacFormFrame& form, const TacSystemMetrics& metrics);
// The side and bottom frame width (the answer to SC_GETBORDERWIDTH).
int FrameWidth(const TacFormFrame& form, const TacSystemMetrics& metrics, TacFrameKind kind);
// Where the client area's top-left lies in the frame picture.
TPoint ClientOffset(const TacFormFrame& form, int bottomFrame);
// The frame picture's size: the window's; a minimized form other than the main form is
// 160 wide and only as high as its title.
TPoint FramePictureSize(const TacFormFrame& form, int topFrame, int captionHeight);

// WM_GETMINMAXINFO: where and how large a maximized form is, for a monitor's work area.
struct TacMaximizedPlace {
  TPoint Position;
  TPoint Size;
};
// frame: the system frame width; extraTitle: how much taller the skin's title is than
// the system caption (0 without a border window).
TacMaximizedPlace MaximizedPlace(TRect workArea, int frame, int extraTitle);
