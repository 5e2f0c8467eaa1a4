// The provider's extended border window: made when extended borders are in effect and
// the form shows, kept in step with the form's place, size and look, freed otherwise.
#include "skin/forms/sSkinProvider.h"

bool TsSkinProvider::SyncBorderWindow(bool redraw) {
  const HWND w = form_.Handle();
  const bool wanted = w && IsWindowVisible(w) && !IsIconic(w) && borderOwner_.ExtendedBordersAllowed();
  if (!wanted) {
    if (borderForm_) {
      borderForm_.reset();
      rgnChanged_ = true;  // the form's own frame comes back
    }
    return false;
  }
  if (!borderForm_) {
    borderForm_ = std::make_unique<TacBorderForm>(borderOwner_);
    redraw = true;
  }
  if (redraw) borderOwner_.MarkStale();
  borderForm_->UpdateExBordersPos(redraw);
  return true;
}

void TsSkinProvider::BorderFollows(const marv::Message& m) {
  switch (m.Msg) {
    case WM_WINDOWPOSCHANGED: {
      const auto& pos = *reinterpret_cast<const WINDOWPOS*>(m.LParam);
      const bool shownOrSized = (pos.flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_FRAMECHANGED)) ||
                                !(pos.flags & SWP_NOSIZE);
      if (shownOrSized) pictureStale_ = true;
      SyncBorderWindow(shownOrSized);
      return;
    }
    case WM_MOVE:
      if (borderForm_) SyncBorderWindow(false);
      return;
    default:
      return;
  }
}
