#include "combat/collide.h"
// Placeholder until collisions are built.
int point_in_box(int32_t, int32_t, const Box &) { return 0; }
int box_corner_overlap(const Box &, const Box &) { return 0; }
void frogs_collide() {}
void pickups_check() {}
