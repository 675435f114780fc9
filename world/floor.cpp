#include "world/world.h"

int ring_wrap(int x)
{
    if (x > world.width - 1)
        return 0;
    if (x < 0)
        return world.width - 1;
    return x;
}

int floor_at(int x, int y)
{
    if (y >= world.height - BOTTOM_BAND)
        return -1;
    for (int32_t i = 0; i < world.floor_count; ++i) {
        const Floor &f = world.floors[i];
        // 64-bit sum: a hostile level may give a length near the 32-bit limit.
        if (f.y == y && f.x <= x && int64_t(f.x) + f.length >= x)
            return 1;
    }
    return 0;
}
