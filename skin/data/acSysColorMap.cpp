#include "skin/data/acSysColorMap.h"

#include <array>
#include <utility>

#include "skin/base/acColorMix.h"

namespace {

// 0xFF000000 + the low 24 bits below stand for these palette entries.
constexpr std::array<std::pair<TColor, int>, 22> kPaletteConstants{{
    {0x00006C, 16}, {0x0000A2, 48}, {0x0000B4, 47}, {0x003E0A, 14}, {0x004C4C, 15}, {0x008E00, 50},
    {0x0098C6, 54}, {0x00A5D7, 53}, {0x28851A, 49}, {0x916000, 52}, {0xAE7400, 51}, {0xBAEFFF, 46},
    {0xBAFFFF, 20}, {0xBDBDFF, 40}, {0xC9FFD2, 19}, {0xCAF3FF, 45}, {0xCDFFB4, 42}, {0xD5D5FF, 39},
    {0xDBDBFF, 21}, {0xE1FFD2, 41}, {0xFFE9BE, 44}, {0xFFEDC9, 43},
}};

TColor StateColor(const TsGeneralData* s, int state, TColor fallback) { return s ? s->Props[state].Color : fallback; }
TColor StateFont(const TsGeneralData* s, int state, TColor fallback) {
  return s ? s->Props[state].FontColor.Color : fallback;
}

TColor MapWithSkin(TColor color, const TacSkinColors& skin, const ISystemLook& look) {
  const TacPalette& p = skin.Palette;
  switch (color) {
    case clScrollBar: case clBackground: case clMenu: case clAppWorkSpace: case clBtnFace: case clMenuBar:
    case kMainColorConstant:
      return p[pcMainColor];
    case clActiveCaption: case clGradientActiveCaption: return StateColor(skin.Title, 1, p[pcMainColor]);
    case clInactiveCaption: case clGradientInactiveCaption: return StateColor(skin.Title, 0, p[pcMainColor]);
    case clCaptionText: return StateFont(skin.Title, 1, p[pcLabelText]);
    case clInactiveCaptionText: return StateFont(skin.Title, 0, p[pcLabelText]);
    case clMenuText: case clBtnText: return p[pcLabelText];
    case clWindow: return p[pcEditBG];
    case clWindowText: return p[pcEditText];
    case clWindowFrame: case clActiveBorder: case clInactiveBorder: return p[pcBorder];
    case clHighlight: case clMenuHighlight: return p[pcSelectionBG_Focused];
    case clHighlightText: return p[pcSelectionText_Focused];
    case clHotLight: return p[pcWebTextHot];
    case clBtnShadow: case cl3DDkShadow: return MixColor(p[pcMainColor], 0, 180);
    case clGrayText: return MixColor(p[pcMainColor], p[pcLabelText], 127);
    case clBtnHighlight: return MixColor(p[pcMainColor], p[pcSelectionBG_Focused], 127);
    case cl3DLight: return MixColor(p[pcMainColor], 0xFFFFFF, 180);
    case clInfoText: return StateFont(skin.Hint, 0, p[pcEditText]);
    case clInfoBk: return StateColor(skin.Hint, 0, p[pcEditBG]);
    default: break;
  }
  if ((color & 0xFF000000u) == 0xFF000000u) {
    for (const auto& [constant, entry] : kPaletteConstants)
      if ((color & 0xFFFFFFu) == constant) return p[entry];
  }
  return look.SysColor(static_cast<int>(color & 0xFF));
}

}  // namespace

TColor MapSkinColor(TColor color, const TacSkinColors* skin, const ISystemLook& look) {
  if (!IsNegativeColor(color)) return color;
  if (skin != nullptr) return MapWithSkin(color, *skin, look);
  if ((color & 0xFFFFFFu) > 100) return color & 0xFFFFFFu;
  return look.SysColor(static_cast<int>(color & 0xFF));
}
