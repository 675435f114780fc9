// Frame pacing, the last-frog test, the wait between screens and the loop
// that runs one frame per pass.
#pragma once
#include <cstdint>

uint32_t frame_wait(uint32_t period);
void find_winner();
void wait_for_press();
// One pass of the main loop without its sleep: the frame is composed, the
// world ticks unless paused, the input is read.  Returns 0 when play ends.
int run_frame();
void main_loop();
