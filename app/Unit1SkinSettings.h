#pragma once
// The settings of the main window's skin manager (sknmngr1), as the program stores them.
// Portable, so that native tests and benchmarks load the skin exactly as the program does.
#include <cstdint>
#include <span>

class TsSkinManager;

// The folder the program looks in for a skin folder or package named like the skin, next
// to the program: only an administrator can put one there.
inline constexpr const char* kProgramSkinDirectory = "Skins";

// Applies the stored settings in the order the form data holds them; `internalSkins` is
// the stored-skins collection the program carries (empty: none). The skin is loaded while SkinName is
// set; the caller runs Loaded() once the main window is in the application's form list.
// False when the collection is damaged: the manager then has no internal skin.
bool ApplySknmngr1Settings(TsSkinManager& sknmngr1, std::span<const uint8_t> internalSkins);
