#include "shell/loop.h"
// Placeholder: being written.
int game_main() { return 0; }
void on_stop_signal(int) {}
uint32_t frame_wait(uint32_t) { return 0; }
void find_winner() {}
void wait_for_press() {}
