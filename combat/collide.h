// Frogs touching frogs, effects and pickups.
#pragma once
#include <cstdint>

// Edges, laid out like an SDL rectangle whose w and h hold right and bottom.
struct Box {
    int16_t left, top;
    uint16_t right, bottom;
};
static_assert(sizeof(Box) == 8, "SDL rectangle layout");

int point_in_box(int32_t x, int32_t y, const Box &box);
int box_corner_overlap(const Box &a, const Box &b);
void frogs_collide();
void pickups_check();
