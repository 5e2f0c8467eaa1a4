#include <gtest/gtest.h>

#include "skin/data/acShowState.h"

TEST(ShowState, FollowsSystemCommandsWithTheirLowBitsMasked) {
  const std::pair<uintptr_t, TacShowAction> cases[] = {
      {0xF020, saMinimize}, {0xF022, saMinimize},  // SC_MINIMIZE, also from the caption button
      {0xF120, saRestore},  {0xF122, saRestore},   // SC_RESTORE, also by a double click
      {0xF012, saIgnore},                          // a move by the mouse
      {0xF030, saIgnore},                          // maximizing is never recorded
      {0xF060, saIgnore},  {0, saIgnore},
  };
  for (const auto& [command, expected] : cases) {
    TacShowState state;
    state = saRestore;  // whatever was there before
    EXPECT_EQ(state.Follow(command), expected) << std::hex << command;
    EXPECT_EQ(TacShowAction(state), expected);
  }
}
