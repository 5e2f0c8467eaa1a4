#pragma once
// What a skin data object needs from the component that owns the skin (the skin manager):
// the open options file, the skin's image files, the decoded master bitmap, the palette
// it shares between densities and the settings that change how a skin is loaded.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "skin/data/acSkinPalette.h"

class ISystemLook;
class TacOptionsFile;
class TacSkinData;

struct TacSkinSettings {
  int ScaleSlot = 0;  // the slot ScaleInt scales to (0 leaves values unchanged)
  int CustomPPI = 0;  // pixels per inch of the custom-PPI scaling mode; 0 in the other modes
  int Brightness = 0, HueOffset = 0, Saturation = 0;
  bool Active = true;
  bool ExtendedBorders = false;  // extended window borders are in effect
  const TacOptionsFile* CommonSections = nullptr;
};

class IacSkinSource {
 public:
  virtual ~IacSkinSource() = default;

  // The open options file; null when no skin is open.
  virtual const TacOptionsFile* OptionsFile() const = 0;
  // The bytes of an image file the options name (an upper-cased name): the package entry
  // of that name, or the file of the skin folder. Valid while the source lives.
  virtual std::optional<std::span<const uint8_t>> FindEntry(std::string_view upperName) const = 0;
  // The decoded master bitmap (straight BGRA, key colour with alpha 0); null when none.
  virtual PixelImage* MasterBitmap() = 0;
  virtual const ISystemLook& SystemLook() const = 0;
  virtual TacPalette& Palette() = 0;
  virtual const TacSkinSettings& Settings() const = 0;
  // A colour value as RGB: system colour constants through the skin.
  virtual TColor SkinColorToRGB(TColor color) const;
  // Loads the skin for `data`'s density into it (TacSkinData::Init asks for this).
  virtual void ReloadSkin(TacSkinData& data) = 0;

  // A value scaled by the scaling setting.
  int ScaleInt(int value) const;
};
