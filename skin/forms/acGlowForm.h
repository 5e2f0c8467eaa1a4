#pragma once
// TacGlowForm: a borderless, click-through layered window that never takes the
// activation and that no skinning adapter ever hooks (its Tag carries the exclusion
// value). Caption-button fades show a glyph in one, the caption cover shows a piece of
// the frame picture, and the border window shows a whole frame picture.
#include <windows.h>

#include "framework/Form.h"
#include "pixels/PixelBuffer.h"

// The Tag bit that keeps the engine's own windows out of every adapter.
inline constexpr int kSkinExclusionTag = 0x100;

class TacGlowForm : public marv::Form {
 public:
  // owner: the window it stays above (null: none).
  explicit TacGlowForm(HWND owner = nullptr);

  // Puts picture (straight alpha) on the screen at `at` with an overall opacity, shown
  // without activation; false when the system refused the picture.
  bool ShowPicture(const PixelBuffer& picture, POINT at, uint8_t opacity);
  // The same picture at a new opacity.
  bool SetOpacity(uint8_t opacity);
  void HideWindow();
  bool Showing() const;
  uint8_t Opacity() const { return opacity_; }

  // Mouse input falls through to what lies below (true after construction).
  bool TransparentMouse = true;

 protected:
  void FillCreateParams(CreateParams& params) override;
  void WndProc(marv::Message& m) override;

 private:
  HWND owner_;
  uint8_t opacity_ = 255;
  POINT at_{};
  SIZE size_{};
};

// UpdateLayeredWindow with a copy of picture premultiplied by its alpha.
bool UpdateLayeredPicture(HWND window, const PixelBuffer& picture, POINT at, uint8_t opacity);
