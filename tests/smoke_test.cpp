#include "shell/state.h"
#include <gtest/gtest.h>

TEST(GameState, StartValues)
{
    game_state_reset();
    EXPECT_EQ(level, 1);
    EXPECT_EQ(frog_count, 2);
    EXPECT_EQ(winner, -1);
    EXPECT_EQ(frame_period, 83);
}
