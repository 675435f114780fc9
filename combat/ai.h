// The computer frogs' chase.
#pragma once
#include <cstdint>

extern int16_t ai_clock;  // 0..18, fire moments at 5, 11 and 17

void computer_frogs_think();
