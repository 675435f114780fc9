#include "combat/ai.h"
// Placeholder until the computer frogs are built.
int16_t ai_clock = 0;
void computer_frogs_think() {}
