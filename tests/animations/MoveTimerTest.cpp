// The blended move: the opacities a dragged form goes through, tick by tick.
#include <gtest/gtest.h>

#include <algorithm>

#include "skin/forms/logic/acMoveTimer.h"
#include "tests/animations/AnimRecorder.h"

namespace {

using Ints = std::vector<int>;

Ints Drag(TacMoveBlend blend, int ticks) {
  HandTimers timers;
  Ints shown;
  TacMoveTimer move(blend, [&](uint8_t v) { shown.push_back(v); }, timers.Starter());
  move.SetEnabled(true);
  EXPECT_EQ(timers.lastInterval, 12);
  for (int i = 0; i < ticks; ++i) timers.Tick();
  return shown;
}

TEST(BlendedMove, FadesFrom255To170ByAbout1Point02PerTickAndStaysThere) {
  const Ints shown = Drag({255, 170, 1000}, 120);
  ASSERT_EQ(shown.size(), 120u);
  EXPECT_EQ((Ints{shown.begin(), shown.begin() + 4}), (Ints{255, 254, 253, 252}));
  EXPECT_EQ(shown[50], 204);  // 255 - 50 · 1.02
  EXPECT_EQ(*std::min_element(shown.begin(), shown.end()), 170) << "never below the target";
  EXPECT_EQ(shown.back(), 170);
}

TEST(BlendedMove, TimesAndStartOpacities) {
  const struct {
    const char* name;
    TacMoveBlend blend;
    Ints shown;
  } cases[] = {
      {"a time of one frame drops at once after the first tick", {255, 170, 12}, {255, 170, 170}},
      {"a translucent form starts at its own opacity", {200, 170, 12}, {200, 170, 170}},
      {"a form that does not allow blending stays opaque", {255, 255, 1000}, {255, 255, 255}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Drag(c.blend, 3), c.shown);
  }
}

}  // namespace
