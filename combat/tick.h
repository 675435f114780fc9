// One game tick.
#pragma once

void combat_tick();
void frogs_tick();
