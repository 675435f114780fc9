// Frame pacing, the last-frog test, the wait between screens and the loop
// that runs one frame per pass.
#pragma once
#include <cstdint>

uint32_t frame_wait(uint32_t period);
void find_winner();
void wait_for_press();
void main_loop();
