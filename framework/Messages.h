#pragma once
// A window message as controls see it, and the framework's own notifications. Window-less
// controls get messages only through Control::Perform, so every control speaks this one
// format whether a window is behind it or not.
#include <windows.h>

namespace marv {

struct Message {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
  // Came through the window procedure while the thread was answering another thread's
  // send; never set for Perform, so questions a control asks in-process stay trusted.
  bool FromOtherThread = false;
};

// Notifications between controls, numbered from 0xB000; the numbers are fixed because
// skin code compares them.
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_ACTIVATE = CM_BASE + 0x00;       // the application became active
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 0x0B;
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 0x0C;
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 0x0D;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 0x0E;
inline constexpr UINT CM_CURSORCHANGED = CM_BASE + 0x0F;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 0x12;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 0x13;     // LParam: the control entered
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 0x14;     // LParam: the control left
inline constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 0x19;
inline constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 0x2C;  // WParam: child, LParam: inserted
inline constexpr UINT CM_DPICHANGED = CM_BASE + 0x40;     // WParam: old dpi, LParam: new dpi
inline constexpr UINT CM_FOCUSCUE = CM_BASE + 0x50;       // WParam: 1 shows the keyboard focus look

// Notifications a parent window reflects to the child control they concern.
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;

}  // namespace marv
