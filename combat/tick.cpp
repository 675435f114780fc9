#include "combat/tick.h"
// Placeholder until the tick is built.
void combat_tick() {}
void frogs_tick() {}
