#include "world/world.h"
// Placeholder until the world is built.
World world;
void world_init() { world.width = 2560; world.height = 1920; world.fill_colour = 252; }
void world_set_name(const char *) {}
void world_load() {}
int32_t level_file_read(const char *) { return 1; }
void floor_set(int32_t, int32_t, int32_t, int32_t) {}
void level_picture_load(const char *, int) {}
void world_free() {}
void level_dump() {}
