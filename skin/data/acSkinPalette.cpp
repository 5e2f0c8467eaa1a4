#include "skin/data/acSkinPalette.h"

#include "skin/data/acOptionsFile.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoadError.h"
#include "skin/data/acSystemLook.h"
#include "skin/base/acColorMix.h"

namespace {

constexpr std::string_view kGlobalInfo = "GLOBALINFO";
constexpr TColor kOpaque = 0xFF000000;

struct ToneEntry {
  TacPaletteColors entry;
  std::string_view key, activeKey;
  TColor def;
};
// The "…TEXTActive" keys are spelled that way in skins.
constexpr ToneEntry kTones[] = {
    {pcBtnToneRed, "COLORTONERED", "COLORTONEREDACTIVE", 0xD5D5FF},
    {pcBtnToneGreen, "COLORTONEGREEN", "COLORTONEGREENACTIVE", 0xE1FFD2},
    {pcBtnToneBlue, "COLORTONEBLUE", "COLORTONEBLUEACTIVE", 0xFFEDC9},
    {pcBtnToneYellow, "COLORTONEYELLOW", "COLORTONEYELLOWACTIVE", 0xCAF3FF},
    {pcBtnRedText, "COLORTONEREDTEXT", "COLORTONEREDTEXTACTIVE", 0x0000B4},
    {pcBtnGreenText, "COLORTONEGREENTEXT", "COLORTONEGREENTEXTACTIVE", 0x28851A},
    {pcBtnBlueText, "COLORTONEBLUETEXT", "COLORTONEBLUETEXTActive", 0xAE7400},
    {pcBtnYellowText, "COLORTONEYELLOWTEXT", "COLORTONEYELLOWTEXTActive", 0x00A5D7},
};

class PaletteFiller {
 public:
  PaletteFiller(const TacSkinData& data, TacPalette& p)
      : data_(data), ini_(*data.Options()), look_(data.FOwner->SystemLook()), p_(p) {}

  void Fill() {
    Set(pcMainColor, "COLOR", look_.SysColor(TacSysColor::ButtonFace));
    Set(pcLabelText, "FONTCOLOR", 0);
    Set(pcWebText, "TCBOTTOM", 0xFF0000);
    Set(pcWebTextHot, "TCTOP", 0x0000FF);
    Set(pcBorder, "BORDERCOLOR", 0);
    const TsGenState* edit = State0(ssEdit);
    p_[pcEditText] = edit ? edit->FontColor.Color : look_.SysColor(TacSysColor::WindowText);
    p_[pcEditBG] = edit ? edit->Color : look_.SysColor(TacSysColor::Window);
    const TsGenState* hint = State0(ssHint);
    p_[pcHintText] = hint ? hint->FontColor.Color : look_.SysColor(TacSysColor::InfoText);
    p_[pcHintBG] = hint ? hint->Color : look_.SysColor(TacSysColor::InfoBackground);
    FillSelection();
    Set(pcEditText_Ok, "EDITTEXT_OK", 0x404000);
    Set(pcEditText_Warning, "EDITTEXT_WARN", 0x004C4C);
    for (auto e : {pcEditText_Alert, pcEditText_Caution, pcEditText_Bypassed}) Set(e, "EDITTEXT_ALERT", 0x00006C);
    Set(pcEditBG_Ok, "EDITBG_OK", 0xC9FFD2);
    Set(pcEditBG_Warning, "EDITBG_WARN", 0xBAFFFF);
    for (auto e : {pcEditBG_Alert, pcEditBG_Caution, pcEditBG_Bypassed}) Set(e, "EDITBG_ALERT", 0xDBDBFF);
    Set(pcEditText_Highlight1, "EDITTEXT_H1", 0);
    Set(pcEditText_Highlight2, "EDITTEXT_H2", 0);
    Set(pcEditText_Highlight3, "EDITTEXT_H3", 0);
    Set(pcEditText_Inverted, "EDITTEXT_INV", p_[pcEditBG]);
    Set(pcEditBG_Inverted, "EDITBG_INV", p_[pcEditText]);
    Set(pcEditBG_OddRow, "EDITBG_ODD", p_[pcEditBG]);
    Set(pcEditBG_EvenRow, "EDITBG_EVEN", MixColor(p_[pcEditText], p_[pcEditBG], 13));
    FillButtons();
    for (const ToneEntry& t : kTones) {
      Set(t.entry, t.key, t.def);
      Set(static_cast<TacPaletteColors>(t.entry + 1), t.activeKey, p_[t.entry]);
    }
    Set(pcGrid, "GRIDLINE", kNoColor);
    if (p_[pcGrid] == kNoColor) p_[pcGrid] = MixColor(p_[pcEditText], p_[pcEditBG], 30);
  }

 private:
  void Set(TacPaletteColors e, std::string_view key, TColor def) {
    p_[e] = static_cast<TColor>(ini_.ReadInteger(kGlobalInfo, key, static_cast<int32_t>(def)));
  }

  // Button colours keep all 32 bits of a 64-bit number; text that is not one stops the load.
  void SetWide(TacPaletteColors e, std::string_view key, TColor def) {
    const std::string* v = ini_.Value(kGlobalInfo, key);
    if (v == nullptr || IsAbsentValue(*v)) {
      p_[e] = def;
      return;
    }
    const auto n = ParseSkinInt64(*v);
    if (!n) throw SkinLoadError("\"" + *v + "\" is not a valid colour for " + std::string(key));
    p_[e] = static_cast<TColor>(static_cast<uint64_t>(*n));
  }

  void FillButtons() {
    const TColor main = p_[pcMainColor], border = p_[pcBorder], label = p_[pcLabelText];
    SetWide(pcBtnColor1Active, "BTNCOLOR1ACTIVE", MixColor(main, 0xFFFFFF, 177) | kOpaque);
    SetWide(pcBtnColor2Active, "BTNCOLOR2ACTIVE", main | kOpaque);
    Set(pcBtnBorderActive, "BTNBORDERACTIVE", border);
    Set(pcBtnFontActive, "BTNFONTACTIVE", label);
    SetWide(pcBtnColor1Normal, "BTNCOLOR1NORMAL", main | kOpaque);
    SetWide(pcBtnColor2Normal, "BTNCOLOR2NORMAL", MixColor(main, 0, 244) | kOpaque);
    Set(pcBtnBorderNormal, "BTNBORDERNORMAL", border);
    Set(pcBtnFontNormal, "BTNFONTNORMAL", label);
    SetWide(pcBtnColor1Pressed, "BTNCOLOR1PRESSED", MixColor(main, 0, 233) | kOpaque);
    SetWide(pcBtnColor2Pressed, "BTNCOLOR2PRESSED", MixColor(main, 0, 233) | kOpaque);
    Set(pcBtnBorderPressed, "BTNBORDERPRESSED", border);
    Set(pcBtnFontPressed, "BTNFONTPRESSED", label);
  }

  const TsGeneralData* Section(TacSection s) const {
    const int i = data_.Sections[s];
    return i >= 0 && i < static_cast<int>(data_.gd.size()) ? &data_.gd[i] : nullptr;
  }
  const TsGenState* State0(TacSection s) const {
    const TsGeneralData* g = Section(s);
    return g ? &g->Props[0] : nullptr;
  }

  // Selection colours: the SELECTION section, else the hot state of MENUITEM, else the system's.
  void FillSelection() {
    const TsGeneralData* sel = Section(ssSelection);
    if (sel != nullptr) {
      const TsGenState& focused = sel->Props[sel->States < 2 ? 0 : 1];
      p_[pcSelectionBG] = sel->Props[0].Color;
      p_[pcSelectionText] = sel->Props[0].FontColor.Color;
      p_[pcSelectionBG_Focused] = focused.Color;
      p_[pcSelectionText_Focused] = focused.FontColor.Color;
    } else {
      p_[pcSelectionBG] = p_[pcSelectionText] = p_[pcSelectionBG_Focused] = p_[pcSelectionText_Focused] = kNoColor;
    }
    const auto unusable = [](TColor c) { return c == kNoColor || c == kKeyColor; };
    if (!unusable(p_[pcSelectionText])) return;
    const TColor highlight = look_.SysColor(TacSysColor::Highlight);
    const TColor highlightText = look_.SysColor(TacSysColor::HighlightText);
    if (const TsGeneralData* menu = Section(ssMenuItem)) {
      const TsGenState& hot = menu->Props[1];
      p_[pcSelectionBG] = p_[pcSelectionBG_Focused] = hot.Color;
      p_[pcSelectionText] = unusable(hot.FontColor.Color) ? highlightText : hot.FontColor.Color;
    } else {
      p_[pcSelectionBG] = p_[pcSelectionBG_Focused] = highlight;
      p_[pcSelectionText] = highlightText;
    }
    p_[pcSelectionText_Focused] = p_[pcSelectionText];
  }

  const TacSkinData& data_;
  const TacOptionsFile& ini_;
  const ISystemLook& look_;
  TacPalette& p_;
};

}  // namespace

void FillPalette(const TacSkinData& data, TacPalette& palette) {
  if (data.Options() == nullptr || data.FOwner == nullptr) return;
  PaletteFiller(data, palette).Fill();
}
