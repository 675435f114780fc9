// Level progression, frog placement and the composition of each frame.
#pragma once
#include <cstdint>

int compose_frame();
void place_all_frogs();
void place_computer_frogs();
void record_finish(uint32_t time, int16_t frog_number);
