// Start-up, the main loop and its pacing, and the end of the game.
#pragma once
#include <cstdint>

int game_main();
void on_stop_signal(int signal);
uint32_t frame_wait(uint32_t period);
void find_winner();
void wait_for_press();
