#include "combat/effect.h"
// Placeholder until the effects are built.
Effect *effect_pool = nullptr;
void effect_spawn(int16_t, int16_t, int16_t, int16_t, int16_t) {}
void effects_tick() {}
