// What GetSysColor, GetSysColorBrush and CreatePen answer from the skin.
#include <gtest/gtest.h>

#include "skin/base/acColorMix.h"
#include "skin/data/acSysColorRedirect.h"

namespace {

constexpr int COLOR_WINDOW = 5, COLOR_WINDOWFRAME = 6, COLOR_WINDOWTEXT = 8, COLOR_INACTIVEBORDER = 11,
              COLOR_HIGHLIGHT = 13, COLOR_HIGHLIGHTTEXT = 14, COLOR_BTNFACE = 15, COLOR_BTNSHADOW = 16,
              COLOR_3DDKSHADOW = 21, COLOR_3DLIGHT = 22, COLOR_GRAYTEXT = 17;
constexpr TColor kInactiveBorder = 0x00ABCDEF;

// Every entry a colour of its own.
TacPalette DistinctPalette() {
  TacPalette p{};
  for (int i = 0; i < pcPaletteSize; ++i) p[i] = 0x00102030u + 0x00030507u * static_cast<TColor>(i);
  return p;
}

}  // namespace

TEST(SysColorAnswers, SysColorFromThePaletteOrTheSystem) {
  const TacPalette p = DistinctPalette();
  const TacRedirectColors skin{p, kInactiveBorder};
  const std::pair<int, std::optional<TColor>> cases[] = {
      {COLOR_WINDOW, p[pcEditBG]},
      {COLOR_WINDOWFRAME, p[pcBorder]},
      {COLOR_WINDOWTEXT, p[pcEditText]},
      {COLOR_INACTIVEBORDER, kInactiveBorder},
      {COLOR_HIGHLIGHT, p[pcSelectionBG_Focused]},
      {COLOR_HIGHLIGHTTEXT, p[pcSelectionText_Focused]},
      {COLOR_BTNSHADOW, MixColor(p[pcMainColor], 0, 205)},
      {COLOR_3DDKSHADOW, MixColor(p[pcMainColor], 0, 205)},
      {COLOR_3DLIGHT, MixColor(p[pcMainColor], 0xFFFFFF, 205)},
      {COLOR_BTNFACE, std::nullopt},
      {COLOR_GRAYTEXT, std::nullopt},
      {0, std::nullopt},
      {-1, std::nullopt},
      {0x1000005, std::nullopt},  // only the plain index counts
  };
  for (const auto& [index, expected] : cases) EXPECT_EQ(RedirectedSysColor(index, skin), expected) << index;
}

TEST(SysColorAnswers, BrushEntries) {
  const std::pair<int, std::optional<TacPaletteColors>> cases[] = {
      {COLOR_WINDOW, pcEditBG},
      {COLOR_WINDOWTEXT, pcEditText},
      {COLOR_HIGHLIGHT, pcSelectionBG_Focused},
      {COLOR_HIGHLIGHTTEXT, pcSelectionText_Focused},
      {COLOR_BTNFACE, std::nullopt},
      {COLOR_WINDOWFRAME, std::nullopt},
  };
  for (const auto& [index, expected] : cases) EXPECT_EQ(RedirectedBrushEntry(index), expected) << index;
}

TEST(SysColorAnswers, PenColours) {
  const TacPalette p = DistinctPalette();
  const TacRedirectColors skin{p, kInactiveBorder};
  const TColor grey = MixColor(p[pcEditText], p[pcEditBG], 38);
  const std::pair<TColor, TColor> cases[] = {
      {5, p[pcEditBG]},
      {6, p[pcBorder]},
      {11, kInactiveBorder},
      {13, p[pcSelectionBG_Focused]},
      {14, p[pcSelectionText_Focused]},
      {15, p[pcMainColor]},
      {16, MixColor(p[pcMainColor], 0, 205)},
      {21, MixColor(p[pcMainColor], 0, 205)},
      {22, MixColor(p[pcMainColor], 0xFFFFFF, 205)},
      {0xC0C0C0, grey},
      {0xF0F0F0, grey},
      {0x123456, 0x123456},  // any other value is drawn as given
      {0, 0},
      {7, 7},
      {0xC0C0C1, 0xC0C0C1},
  };
  for (const auto& [given, drawn] : cases) EXPECT_EQ(RedirectedPenColor(given, skin), drawn) << std::hex << given;
}

TEST(SysColorAnswers, OneBrushPerEntryAndColourKeptUntilTheCacheGoes) {
  int made = 0, live = 0;
  struct Brush final : TacHeldResource {
    Brush(int& live, uintptr_t handle) : live_(live), handle_(handle) { ++live_; }
    ~Brush() override { --live_; }
    uintptr_t Handle() const override { return handle_; }
    int& live_;
    uintptr_t handle_;
  };
  {
    TacSysBrushCache cache([&](TColor) { return std::make_unique<Brush>(live, static_cast<uintptr_t>(++made)); });
    const uintptr_t first = cache.Brush(pcEditBG, 0x111111);
    EXPECT_EQ(cache.Brush(pcEditBG, 0x111111), first);  // asked again: the same brush
    EXPECT_EQ(made, 1);
    const uintptr_t text = cache.Brush(pcEditText, 0x111111);
    EXPECT_NE(text, first);
    const uintptr_t newPalette = cache.Brush(pcEditBG, 0x222222);
    EXPECT_NE(newPalette, first);
    EXPECT_EQ(made, 3);
    EXPECT_EQ(live, 3);  // the old palette's brush stays valid for whoever holds it
  }
  EXPECT_EQ(live, 0);
}
