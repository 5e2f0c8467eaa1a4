#pragma once
// The painters of Slate's elements and which element each one draws.
#include <string_view>
#include <vector>

#include "tools/skinart/Element.h"

// Rounded faces with a border: push buttons, flat buttons, menu items, edit and panel frames.
std::vector<Layer> PaintButtonFaces(const ElementSpec& e);
std::vector<Layer> PaintHugeButtonFaces(const ElementSpec& e);
std::vector<Layer> PaintFlatButtonFaces(const ElementSpec& e);
std::vector<Layer> PaintMenuItemFaces(const ElementSpec& e);
std::vector<Layer> PaintEditFrames(const ElementSpec& e);
std::vector<Layer> PaintPanelFrame(const ElementSpec& e);

// The switch: its track and its thumb, on and off.
std::vector<Layer> PaintSwitchTrackOn(const ElementSpec& e);
std::vector<Layer> PaintSwitchTrackOff(const ElementSpec& e);
std::vector<Layer> PaintSwitchThumbOn(const ElementSpec& e);
std::vector<Layer> PaintSwitchThumbOff(const ElementSpec& e);

// Window and menu frames, the dialog's button band and the window shadow.
std::vector<Layer> PaintWindowFrames(const ElementSpec& e);
std::vector<Layer> PaintTitleFrames(const ElementSpec& e);
std::vector<Layer> PaintMenuFrame(const ElementSpec& e);
std::vector<Layer> PaintMenuDivider(const ElementSpec& e);
std::vector<Layer> PaintDialogBand(const ElementSpec& e);
std::vector<Layer> PaintWindowShadow(const ElementSpec& e);

// Caption buttons (normal, hot, pressed) and the check and radio marks.
std::vector<Layer> PaintCloseButton(const ElementSpec& e);
std::vector<Layer> PaintMaximizeButton(const ElementSpec& e);
std::vector<Layer> PaintRestoreButton(const ElementSpec& e);
std::vector<Layer> PaintMinimizeButton(const ElementSpec& e);
std::vector<Layer> PaintHelpButton(const ElementSpec& e);
std::vector<Layer> PaintMenuCheck(const ElementSpec& e);
std::vector<Layer> PaintBoxChecked(const ElementSpec& e);
std::vector<Layer> PaintBoxUnchecked(const ElementSpec& e);
std::vector<Layer> PaintRadioChecked(const ElementSpec& e);
std::vector<Layer> PaintRadioUnchecked(const ElementSpec& e);

// The painter of a section's key (without density suffix), or null when Slate has none.
Painter FindPainter(std::string_view section, std::string_view baseKey);
