#include "combat/effect.h"
#include "combat/frog.h"
#include "world/world.h"

Effect *effect_pool = nullptr;

namespace {

// What a projectile turns into when its life ends; 0 when it just vanishes.
int16_t next_stage(int16_t kind)
{
    switch (kind) {
    case FX_SHOT1: return FX_SHOT1_HURT;
    case FX_SHOT1_HURT: return FX_SHOT1_FADE;
    case FX_SHOT0_HURT: return FX_SHOT0_FADE;
    case FX_SHOT0: return FX_SHOT0_HURT;
    default: return 0;
    }
}

}  // namespace

void effect_spawn(int16_t kind, int16_t x, int16_t y, int16_t direction, int16_t owner)
{
    // Before the sprite set exists there is nowhere to put an effect.
    if (!effect_pool)
        return;
    Effect *slot = nullptr;
    for (int i = 0; i < EFFECT_SLOTS; ++i) {
        if (effect_pool[i].kind == 0) {
            slot = &effect_pool[i];
            break;
        }
    }
    if (!slot)
        return;
    const SpriteDef *e = sprite_entry(kind);
    slot->x = int16_t(heads_left(direction) ? x - e->offset_x : x + e->offset_x);
    slot->y = int16_t(heads_up(direction) ? y - e->offset_y : y + e->offset_y);
    slot->life = e->duration;
    slot->kind = kind;
    slot->owner = owner;
    slot->z = e->z;
    slot->direction = direction;
    slot->frame = 0;
    slot->frame_timer = e->start_timer;
}

void effects_tick()
{
    if (!effect_pool)
        return;
    for (int i = 0; i < EFFECT_SLOTS; ++i) {
        Effect &fx = effect_pool[i];
        if (fx.kind == 0)
            continue;
        int16_t old_life = fx.life;
        fx.life = int16_t(old_life - 1);
        if (old_life <= 0) {
            // The slot is still taken while the next stage looks for one, so
            // the next stage lands elsewhere (or nowhere in a full pool).
            int16_t next = next_stage(fx.kind);
            if (next != 0)
                effect_spawn(next, fx.x, fx.y, fx.direction, fx.owner);
            fx.kind = 0;
            continue;
        }
        const SpriteDef *e = sprite_entry(fx.kind);
        int x = fx.x;
        int y = fx.y;
        int d = fx.direction;
        if (heads_up(d))
            y -= e->speed;
        if (heads_down(d))
            y += e->speed;
        if (heads_left(d))
            x -= e->speed;
        if (heads_right(d))
            x += e->speed;
        fx.x = int16_t(ring_wrap(x));
        fx.y = int16_t(y);
        if (e->frame_delay != 0) {
            if (fx.frame_timer > e->frame_delay) {
                fx.frame = int16_t(fx.frame + 1);
                fx.frame_timer = 0;
            } else {
                fx.frame_timer = int16_t(fx.frame_timer + 1);
            }
        }
        if (fx.frame >= e->frame_count)
            fx.frame = 0;
    }
}
