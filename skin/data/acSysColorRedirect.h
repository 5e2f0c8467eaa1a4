#pragma once
// What the system colour functions answer while their calls are redirected to the skin
// (Options.ChangeSysColors): drawing code that asks the system for a colour, a brush or a
// pen in a system colour gets the skin's instead. nullopt means the system's own answer.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "skin/data/acManagerHost.h"
#include "skin/data/acSkinPalette.h"

struct TacRedirectColors {
  const TacPalette& Palette;
  TColor SysInactiveBorder = 0;
};

// GetSysColor(index), asked while the program's active form has a visible window.
std::optional<TColor> RedirectedSysColor(int index, const TacRedirectColors& skin);
// The palette entry whose colour GetSysColorBrush(index) paints with.
std::optional<TacPaletteColors> RedirectedBrushEntry(int index);
// The colour CreatePen draws with for the colour value it was given.
TColor RedirectedPenColor(TColor color, const TacRedirectColors& skin);

// The brushes handed out for GetSysColorBrush: one per palette entry and colour, so a new
// palette gets new brushes while the old ones stay valid for whoever still holds them
// (the system's brushes are never freed either); all go with the cache. Any thread may ask.
class TacSysBrushCache {
 public:
  using BrushMaker = std::function<std::unique_ptr<TacHeldResource>(TColor)>;
  explicit TacSysBrushCache(BrushMaker make) : make_(std::move(make)) {}
  // The brush's handle; 0 when none could be made.
  uintptr_t Brush(TacPaletteColors entry, TColor color);

 private:
  BrushMaker make_;
  std::mutex mutex_;
  std::map<std::pair<int, TColor>, std::unique_ptr<TacHeldResource>> brushes_;
};
