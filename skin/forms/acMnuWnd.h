#pragma once
// The adapter the window-creation hook puts on every popup menu window ("#32768") while
// popups are skinned. While skinned menus are open it paints the window's background and
// 3-pixel frame from the popup's picture (or the "MAINMENU" section when there is none
// yet), keeps a new window invisible (layered at opacity 0) until its frame is skinned,
// and then makes it as translucent as MenuSupport.AlphaBlend says. It answers the skin
// commands a skinned window answers, and leaves when its window is destroyed.
#include <windows.h>

#include "pixels/PixelBuffer.h"

class TsSkinableMenus;

class TacMnuWnd {
 public:
  TacMnuWnd(HWND window, TsSkinableMenus& menus);
  ~TacMnuWnd();
  TacMnuWnd(const TacMnuWnd&) = delete;
  TacMnuWnd& operator=(const TacMnuWnd&) = delete;

  HWND Window() const { return window_; }
  bool Shown() const { return shown_; }
  // Puts the frame of `picture` (the whole window's look) on the window now.
  void PaintFrame(const PixelBuffer& picture);
  // Where the client area lies in the window (no frame: 0, 0).
  POINT ClientOffset() const;

 private:
  static LRESULT CALLBACK SubclassProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                            DWORD_PTR self);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT SkinCommand(WPARAM wParam);
  // The window's look: its popup picture, else a cache of the "MAINMENU" section.
  PixelBuffer Picture();
  void PaintFrameOn(HDC dc, const PixelBuffer& picture, POINT windowOrigin);
  void ApplyTranslucency();

  HWND window_;
  TsSkinableMenus& menus_;
  bool subclassed_ = false;
  bool shown_ = false;
  bool firstNcPaint_ = true;
  bool rgnChanged_ = false;
  PixelImage cache_;
};
