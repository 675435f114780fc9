// Level progression, frog placement and the composition of each frame.
#pragma once
#include <cstdint>

// The finished game, for the top-ten table.
extern uint32_t finish_time;
extern int16_t finish_frog_number;

int compose_frame();
void place_all_frogs();
void place_computer_frogs();
void record_finish(uint32_t time, int16_t frog_number);
