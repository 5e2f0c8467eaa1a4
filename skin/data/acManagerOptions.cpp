#include "skin/data/acManagerOptions.h"

#include <utility>

#include "skin/data/acSkinEngine.h"

namespace {

template <typename T>
bool Store(T& field, T value) {
  if (field == value) return false;
  field = std::move(value);
  return true;
}
}  // namespace

void TacSkinEffects::SetAllowOuterEffects(bool v) {
  if (Store(allowOuterEffects_, v)) owner_.OptionChanged(TacOptionChange::OuterEffects);
}
void TacSkinEffects::SetDiscoloredGlyphs(bool v) {
  if (Store(discoloredGlyphs_, v)) owner_.OptionChanged(TacOptionChange::OuterEffects);
}

bool TacButtonsSupport::OldGlyphsMode() { return TacSkinEngine::Current().OldGlyphsMode(); }
void TacButtonsSupport::SetOldGlyphsMode(bool v) {
  TacSkinEngine& engine = TacSkinEngine::Current();
  if (engine.OldGlyphsMode() == v) return;
  engine.SetOldGlyphsMode(v);
  owner_.OptionChanged(TacOptionChange::OldGlyphs);
}

void TacOptions::SetChangeSysColors(bool v) {
  if (Store(changeSysColors_, v)) owner_.OptionChanged(TacOptionChange::ChangeSysColors);
}
void TacOptions::SetDrawNonClientArea(bool v) {
  if (Store(drawNonClientArea_, v)) owner_.OptionChanged(TacOptionChange::DrawNonClientArea);
}
void TacOptions::SetArrowsStyle(TacArrowsStyle v) {
  if (Store(arrowsStyle_, v)) owner_.OptionChanged(TacOptionChange::ArrowsStyle);
}
void TacOptions::SetGroupBoxStyle(TacGroupBoxStyle v) {
  if (Store(groupBoxStyle_, v)) owner_.OptionChanged(TacOptionChange::GroupBoxStyle);
}

void TacFonts::SetMainMode(TacFontMode v) {
  if (Store(mainMode_, v)) owner_.OptionChanged(TacOptionChange::FontMode);
}
void TacFonts::SetMainFont(std::string v) {
  if (Store(mainFont_, std::move(v))) owner_.OptionChanged(TacOptionChange::MainFont);
}

std::string_view DefaultThirdPartyText(TacThirdPartyKind kind) { return kind == tpButton ? "TButton" : " "; }
