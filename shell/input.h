// The controller during play.
#pragma once

#include <cstdint>

extern int16_t fire_latch;  // fire presses since a face button was last released

int handle_input();
