#pragma once
// The skin command message: how the skin manager, skinned windows and window-less
// controls talk to each other. wParam carries the command number in its high word and a
// small argument in its low word; lParam a value or a pointer, as each command says.
// A receiver that does not know a command answers 0, which senders read as "no answer".
#include <cstdint>
#include <string_view>

inline constexpr uint32_t WM_SKINCOMMAND = 0xA100;

enum SkinCommand : uint16_t {
  SC_SKINLOADED = 1,          // broadcast: a skin was loaded or switched on; lParam = manager
  SC_SKINREMOVED = 2,         // broadcast: skinning switched off; lParam = manager
  SC_SKINREFRESH = 3,         // broadcast: repaint with the current skin; lParam = manager
  SC_GETPROVIDER = 4,         // a form answers its form skinning object
  SC_PARENTUPDATED = 6,       // the parent finished a batch update
  SC_ISSKINNED = 7,           // answer 1 when skinned
  SC_SETUPDATING = 8,         // low word = new value of the updating flag
  SC_DEFAULTINDEX = 9,        // answer the default skin index + 1
  SC_ISUPDATING = 10,         // answer 1 while no background can be given yet
  SC_ISHALFVISIBLE = 11,      // answer whether partly outside the parent
  SC_SECTIONCHANGED = 13,     // lParam points to the upper-case name of the changed section
  SC_SETSECTION = 15,         // lParam points to the new section name; answer 1
  SC_STOPFADE = 16,           // broadcast: stop running state fades
  SC_BGCHANGED = 17,          // the background changed; windowed receivers pass it on
  SC_REPAINT = 18,            // repaint
  SC_ISBGVARIABLE = 19,       // answer 1 when the background varies with position
  SC_CHECKMOVED = 20,         // low word 1 = also redraw
  SC_GETBGCOLOR = 21,         // answer the plain background colour
  SC_SETHALFVISIBLE = 22,     // mark as partly outside the parent
  SC_PREPARECACHE = 23,       // rebuild the cache picture now
  SC_CONTROLLOADED = 25,      // to the form: the control in lParam finished loading
  SC_GETSKININDEX = 26,       // write the skin index into the second integer at lParam
  SC_MOUSEENTER = 29,         // became the manager's control under the mouse; lParam = manager
  SC_MOUSELEAVE = 30,         // no longer under the mouse; drop the hover state
  SC_BEGINUPDATE = 31,        // to the owner: a batch update begins
  SC_ENDUPDATE = 32,          // to the owner: a batch update ends
  SC_CLEARCACHE = 33,         // drop the cache picture (windowed: children too)
  SC_GETBG = 34,              // fill the background request record at lParam
  SC_FONTCHANGED = 36,        // broadcast: the application font changed; lParam = manager
  SC_GETSKINDATA = 37,        // answer the skin binding
  SC_SETPRINTDC = 38,         // being printed into the DC lParam (0 = printing ended)
  SC_PAINTOUTER = 40,         // paint the outer effect into the parent cache at lParam
  SC_FRAMECHANGED = 53,       // recalculate the window frame, pass to children
  SC_GETCOLORING = 54,        // fill a colouring record (tint, glyph and text colour)
  SC_GETAPPLICATION = 60,     // answer the application object
  SC_GETBGSTATE = 66,         // state-dependent background question (record at lParam)
  SC_GETBORDERWIDTH = 67,     // a form answers its frame width
  SC_SETPPI = 68,             // drawn for the pixel density lParam; passed on to children
  SC_GETPPI = 69,             // answer the pixel density
  SC_GETBOUNDS = 70,          // answer the bounds rectangle
  SC_APPLYPREVIEW = 71,       // posted to the application window: apply the editor preview
  SC_SKINCHANGED = 74,        // from the skin list: the active skin changed
  SC_SKINLISTCHANGED = 75,    // from the skin list: the list of skins changed
  SC_SETDRAWNONCLIENT = 83,   // the non-client drawing option changed; lParam = new value
  SC_PAINTSITSELF = 85,       // answer 1 when the receiver paints its own area
  SC_GETCOMMONSKINDATA = 86,  // answer the per-scale skin data in use
  SC_DEFAULTSECTION = 88,     // answer the number of the default section
  SC_SKINLISTLOADING = 97,    // skin list loading starts (lParam 1) or was completed (0)
};

constexpr uint32_t SkinCommandWParam(uint16_t command, uint16_t argument = 0) {
  return uint32_t{command} << 16 | argument;
}
// Only the high word names the command: a number in the low word is no command.
constexpr uint16_t SkinCommandOf(uintptr_t wParam) { return static_cast<uint16_t>(wParam >> 16); }
constexpr uint16_t SkinCommandArgument(uintptr_t wParam) { return static_cast<uint16_t>(wParam); }

// The command's name ("SC_ISSKINNED"), or empty for a number without one.
std::string_view SkinCommandName(uint16_t command);
