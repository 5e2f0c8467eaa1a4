#include "app/Unit1SkinSettings.h"

#include "skin/data/acZLibEx.h"
#include "skin/data/sSkinManager.h"

bool ApplySknmngr1Settings(TsSkinManager& sknmngr1, std::span<const uint8_t> internalSkins) {
  sknmngr1.BeginLoad();
  bool intact = true;
  try {
    if (!internalSkins.empty()) ReadStoredSkins(internalSkins, sknmngr1.InternalSkins());
  } catch (const SkinPackageError&) {
    sknmngr1.InternalSkins().Clear();
    intact = false;
  }
  sknmngr1.SetSkinDirectory(kProgramSkinDirectory);
  sknmngr1.SetExtendedBorders(true);
  sknmngr1.ButtonsOptions().SetOldGlyphsMode(true);
  TacAnimEffects& anim = sknmngr1.AnimEffects();
  anim.DialogShow.Active = false;
  anim.DialogShow.Time = 100;
  anim.FormShow.Time = 100;
  anim.FormHide.Time = 100;
  for (int kind = 0; kind < tpKindCount; ++kind)
    sknmngr1.SetThirdParty(static_cast<TacThirdPartyKind>(kind), kind == tpButton ? "TButton" : " ");
  sknmngr1.SetSkinName("Slate");
  return intact;
}
