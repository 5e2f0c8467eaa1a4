#pragma once
// What the element painters need to know about the control they paint for. The control
// binding implements this view; tools and tests use TacElementOwnerData.
#include <cstdint>
#include <functional>

#include "skin/base/acPixelOps.h"

class TacSkinData;

class IacElementOwner {
 public:
  virtual ~IacElementOwner() = default;
  // The per-density skin data the control is drawn with; null when it is not skinned.
  virtual const TacSkinData* SkinData() const = 0;
  // The control's section; -1 when none.
  virtual int SkinIndex() const = 0;
  // The control keeps its own background colour (OwnerColor) instead of the section's.
  virtual bool CustomColor() const = 0;
  // The control's own colour; negative values are system colours.
  virtual uint32_t OwnerColor() const = 0;
  // The control keeps its own font colour.
  virtual bool CustomFont() const = 0;
  // Adjustments of the finished picture: a tint (kColorUnset for none), hue and saturation.
  virtual uint32_t ColorTone() const = 0;
  virtual int HUEOffset() const = 0;
  virtual int Saturation() const = 0;
  // The control sits on a parent control.
  virtual bool HasParent() const = 0;
  // The skin index of the nearest section (possibly the control's own) that is opaque in
  // this state, as the control finds it by asking up its parents; -1 when there is none
  // (0 is the skin's first section).
  virtual int OpaqueSectionAt(int state) const = 0;
  // The font colour of the control's parent, for text on a background of unknown section.
  virtual uint32_t ParentFontColor() const = 0;
  // The control paints into a cache picture of its own (text glow needs one).
  virtual bool HasCache() const = 0;
};

// The view as plain values, for callers that know them up front.
struct TacElementOwnerData final : IacElementOwner {
  const TacSkinData* Data = nullptr;
  int Index = -1;
  bool OwnColor = false;
  uint32_t Color = 0xFFFFFF;
  bool OwnFont = false;
  uint32_t Tone = kColorUnset;
  int Hue = 0;
  int Sat = 0;
  bool Parent = false;
  std::function<int(int)> OpaqueSection;  // unset: the control's own section
  uint32_t ParentFont = 0;
  bool Cache = true;

  const TacSkinData* SkinData() const override { return Data; }
  int SkinIndex() const override { return Index; }
  bool CustomColor() const override { return OwnColor; }
  uint32_t OwnerColor() const override { return Color; }
  bool CustomFont() const override { return OwnFont; }
  uint32_t ColorTone() const override { return Tone; }
  int HUEOffset() const override { return Hue; }
  int Saturation() const override { return Sat; }
  bool HasParent() const override { return Parent; }
  int OpaqueSectionAt(int state) const override { return OpaqueSection ? OpaqueSection(state) : Index; }
  uint32_t ParentFontColor() const override { return ParentFont; }
  bool HasCache() const override { return Cache; }
};
