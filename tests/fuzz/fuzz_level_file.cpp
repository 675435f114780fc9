// libFuzzer target: any bytes as a level description.  The text ends at its
// first NUL, as when the game reads a file.
#include "world/world.h"
#include <cstdint>
#include <cstdlib>
#include <cstring>

static volatile int sink;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    char *text = static_cast<char *>(malloc(size + 1));
    if (!text)
        return 0;
    memcpy(text, data, size);
    text[size] = '\0';
    world_init();
    level_text_read(text);
    // Touch every place the game reads, so a table shorter than its count
    // shows up here rather than during play.
    for (int32_t i = 0; i < world.floor_count; ++i)
        sink = world.floors[i].length;
    for (int32_t i = 0; i < world.sc; ++i)
        for (int f = 0; f < world.decor[i].frame_count; ++f)
            sink = world.decor[i].frames[f].h;
    for (int32_t i = 0; i < world.nc; ++i)
        for (int f = 0; f < world.nine[i].frame_count; ++f)
            sink = world.nine[i].frames[f].h;
    for (int32_t i = 0; i < world.pickup_count; ++i)
        sink = world.pickups[i].h + world.pickup_kinds[i];
    world_free();
    free(text);
    return 0;
}
