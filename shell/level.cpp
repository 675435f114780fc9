#include "shell/level.h"
int compose_frame() { return 1; }
void place_all_frogs() {}
void place_computer_frogs() {}
void record_finish(uint32_t, int16_t) {}
