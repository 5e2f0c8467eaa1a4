#pragma once
// A form's provider as the owner of a border window: the numbers of the skin and of the
// form's window, the frame picture with the skin's shadow around the client area, and the
// caption buttons laid out in that picture.
#include "pixels/PixelBuffer.h"
#include "skin/forms/acBorderOwner.h"
#include "skin/forms/logic/acBorderPicture.h"

class TsSkinProvider;
class TacSkinData;

class TacProviderBorder final : public IacBorderOwner {
 public:
  explicit TacProviderBorder(TsSkinProvider& provider) : provider_(provider) {}

  HWND OwnerHandle() const override;
  bool ExtendedBordersAllowed() const override;
  TacBorderHitInput BorderHitInput() const override;
  TRect ClientHole() const override;
  PixelBuffer BorderPicture() override;
  int BlurCornerSide() const override;
  uint8_t OwnerAlpha() const override;
  void SetHotButton(int hitCode) override;
  void KillButtonFades() override;

  // The picture is rebuilt on its next use.
  void MarkStale() { stale_ = true; }
  // How much taller the skin's title is than the system caption, for the maximized place.
  int ExtraTitleHeight() const;

 private:
  const TacSkinData* Data() const;
  TacBorderMetrics Metrics() const;
  TacBorderFrame Frame() const;
  TacTitleLayout Title() const;  // frame coordinates, with the provider's button states

  TsSkinProvider& provider_;
  PixelImage picture_;
  PixelImage titleEnd_;
  bool stale_ = true;
};
