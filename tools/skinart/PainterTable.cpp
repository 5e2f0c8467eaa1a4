#include <array>

#include "tools/skinart/Painters.h"

namespace {

struct PainterEntry {
  std::string_view Section, Key;
  Painter Paint;
};

// Every element Slate's options file may name. Sections that share a look share a painter
// (and usually the same rectangle of the master bitmap).
constexpr std::array kPainters{
    PainterEntry{"BUTTON", "BORDERSMASK", PaintButtonFaces},
    PainterEntry{"SPEEDBUTTON", "BORDERSMASK", PaintButtonFaces},
    PainterEntry{"BUTTON_HUGE", "BORDERSMASK", PaintHugeButtonFaces},
    PainterEntry{"SPEEDBUTTON_SMALL", "BORDERSMASK", PaintFlatButtonFaces},
    PainterEntry{"TOOLBUTTON", "BORDERSMASK", PaintFlatButtonFaces},
    PainterEntry{"MENUITEM", "BORDERSMASK", PaintMenuItemFaces},
    PainterEntry{"EDIT", "BORDERSMASK", PaintEditFrames},
    PainterEntry{"PANEL_LOW", "BORDERSMASK", PaintPanelFrame},
    PainterEntry{"HINT", "BORDERSMASK", PaintPanelFrame},
    PainterEntry{"SLIDER_ON", "BORDERSMASK", PaintSwitchTrackOn},
    PainterEntry{"SLIDER_OFF", "BORDERSMASK", PaintSwitchTrackOff},
    PainterEntry{"THUMB_ON", "BORDERSMASK", PaintSwitchThumbOn},
    PainterEntry{"THUMB_OFF", "BORDERSMASK", PaintSwitchThumbOff},
    PainterEntry{"FORM", "BORDERSMASK", PaintWindowFrames},
    PainterEntry{"DIALOG", "BORDERSMASK", PaintWindowFrames},
    PainterEntry{"FORMTITLE", "BORDERSMASK", PaintTitleFrames},
    PainterEntry{"DIALOGTITLE", "BORDERSMASK", PaintTitleFrames},
    PainterEntry{"MAINMENU", "BORDERSMASK", PaintMenuFrame},
    PainterEntry{"DIVIDERV", "BORDERSMASK", PaintMenuDivider},
    PainterEntry{"DIALOG", "PATTERN", PaintDialogBand},
    PainterEntry{"DIALOG", "HOTPATTERN", PaintDialogBand},
    PainterEntry{"GLOBALINFO", "EXBORDER", PaintWindowShadow},
    PainterEntry{"GLOBALINFO", "BICONCLOSE", PaintCloseButton},
    PainterEntry{"GLOBALINFO", "BICONMAX", PaintMaximizeButton},
    PainterEntry{"GLOBALINFO", "BICONNORM", PaintRestoreButton},
    PainterEntry{"GLOBALINFO", "BICONMIN", PaintMinimizeButton},
    PainterEntry{"GLOBALINFO", "BICONHELP", PaintHelpButton},
    PainterEntry{"GLOBALINFO", "CHECK", PaintMenuCheck},
    PainterEntry{"GLOBALINFO", "BOXCHECKED", PaintBoxChecked},
    PainterEntry{"GLOBALINFO", "BOXUNCHECKED", PaintBoxUnchecked},
    PainterEntry{"GLOBALINFO", "RADIOCHECKED", PaintRadioChecked},
    PainterEntry{"GLOBALINFO", "RADIOUNCHECKED", PaintRadioUnchecked},
};

}  // namespace

Painter FindPainter(std::string_view section, std::string_view baseKey) {
  for (const auto& entry : kPainters)
    if (entry.Section == section && entry.Key == baseKey) return entry.Paint;
  return nullptr;
}
