#pragma once
// IacSkinManagerView: the part of the skin manager that painting and the controls use.
// A binding finds its section, the data of its density, the options that decide hover
// and fades, the global colours and whether a skin is being changed here, and nothing
// of how skins are chosen, loaded or broadcast.
#include <cstdint>
#include <string_view>

#include "skin/data/acManagerOptions.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acWellKnownSections.h"

class TacTimerSource;

class IacSkinManagerView {
 public:
  // Sections of the active skin: an index by name (-1 when missing), how many there are,
  // and the indexes of the standard sections.
  virtual int GetSkinIndex(std::string_view section) = 0;
  virtual int LengthOfGD() const = 0;
  virtual const TacSectionTable& StandardSections() const = 0;

  // The data for a density, made when first asked for. What it hands out stays valid
  // while SkinDataGeneration answers the same number; a new number means it may have
  // been replaced or freed and has to be asked for again.
  virtual TacSkinData& CommonSkinData(int ppi) = 0;
  virtual uint64_t SkinDataGeneration() const = 0;
  // A skin with sections is loaded.
  virtual bool IsActive() const = 0;

  // Options that decide hover, focus frames, pressed content and fades.
  virtual const TacOptions& Options() const = 0;
  virtual const TacButtonsSupport& ButtonsOptions() const = 0;
  virtual const TacSkinEffects& Effects() const = 0;
  virtual const TacAnimEffects& AnimEffects() const = 0;

  // The skin's main colour and label text colour, and a colour value as RGB.
  virtual TColor GetGlobalColor() const = 0;
  virtual TColor GetGlobalFontColor() const = 0;
  virtual TColor SkinColorToRGB(TColor color) const = 0;

  // A skin is being loaded or replaced; a new skin is being broadcast right now.
  virtual bool SkinChanging() const = 0;
  virtual bool SkinApplying() const = 0;

  // The window-less control under the mouse.
  virtual void* ActiveGraphControl() const = 0;
  virtual void SetActiveGraphControl(void* control) = 0;
  // The one timer the fades of this manager's controls tick on.
  virtual TacTimerSource& FadeTimers() = 0;
  // The lParam of a broadcast skin command names this manager.
  virtual bool NamedBy(intptr_t commandParam) const = 0;

 protected:
  ~IacSkinManagerView() = default;
};
