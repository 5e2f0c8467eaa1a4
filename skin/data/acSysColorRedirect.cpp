#include "skin/data/acSysColorRedirect.h"

#include "skin/base/acColorMix.h"
#include "skin/data/acSysColorMap.h"

namespace {

constexpr int IndexOf(TColor systemColor) { return static_cast<int>(systemColor & 0xFF); }

TColor Shadow(const TacPalette& p) { return MixColor(p[pcMainColor], 0, 205); }
TColor Light(const TacPalette& p) { return MixColor(p[pcMainColor], 0xFFFFFF, 205); }

}  // namespace

std::optional<TColor> RedirectedSysColor(int index, const TacRedirectColors& skin) {
  const TacPalette& p = skin.Palette;
  switch (index) {
    case IndexOf(clWindow): return p[pcEditBG];
    case IndexOf(clWindowFrame): return p[pcBorder];
    case IndexOf(clWindowText): return p[pcEditText];
    case IndexOf(clInactiveBorder): return skin.SysInactiveBorder;
    case IndexOf(clHighlight): return p[pcSelectionBG_Focused];
    case IndexOf(clHighlightText): return p[pcSelectionText_Focused];
    case IndexOf(clBtnShadow): case IndexOf(cl3DDkShadow): return Shadow(p);
    case IndexOf(cl3DLight): return Light(p);
    default: return std::nullopt;
  }
}

std::optional<TacPaletteColors> RedirectedBrushEntry(int index) {
  switch (index) {
    case IndexOf(clWindow): return pcEditBG;
    case IndexOf(clWindowText): return pcEditText;
    case IndexOf(clHighlight): return pcSelectionBG_Focused;
    case IndexOf(clHighlightText): return pcSelectionText_Focused;
    default: return std::nullopt;
  }
}

// The pen colours are plain colour values that happen to equal system colour indexes
// (and the two greys of classic 3-D borders); they are matched as given.
TColor RedirectedPenColor(TColor color, const TacRedirectColors& skin) {
  const TacPalette& p = skin.Palette;
  switch (color) {
    case 5: return p[pcEditBG];
    case 6: return p[pcBorder];
    case 11: return skin.SysInactiveBorder;
    case 13: return p[pcSelectionBG_Focused];
    case 14: return p[pcSelectionText_Focused];
    case 15: return p[pcMainColor];
    case 16: case 21: return Shadow(p);
    case 22: return Light(p);
    case 0xC0C0C0: case 0xF0F0F0: return MixColor(p[pcEditText], p[pcEditBG], 38);
    default: return color;
  }
}

uintptr_t TacSysBrushCache::Brush(TacPaletteColors entry, TColor color) {
  std::lock_guard lock(mutex_);
  auto& brush = brushes_[{entry, color}];
  if (!brush) brush = make_(color);
  return brush ? brush->Handle() : 0;
}
