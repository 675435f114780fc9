#include "world/sprites.h"
// Placeholder until the sprite set is built.
SpriteSet actor_sprites;
static const SpriteDef empty_entry = {};
int32_t sprite_file_read(const char *) { return 1; }
void frames_alloc(SpriteDef *) {}
void frame_set(SpriteDef *, int, int16_t, int16_t, int16_t, int16_t) {}
void sprites_load() {}
void sprites_free() {}
void sprites_dump(const SpriteDef *, int32_t) {}

const SpriteDef *sprite_entry(int index)
{
    if (!actor_sprites.table || index < 0 || index >= actor_sprites.count)
        return &empty_entry;
    return &actor_sprites.table[index];
}

const FrameRect *sprite_frame(const SpriteDef *entry, int frame)
{
    if (!entry || !entry->frames || frame < 0 || frame >= entry->frame_count)
        return nullptr;
    return &entry->frames[frame];
}
