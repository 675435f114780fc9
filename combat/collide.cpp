#include "combat/collide.h"
#include "combat/effect.h"
#include "combat/frog.h"
#include "media/sound.h"
#include "shell/state.h"
#include "world/world.h"

namespace {

constexpr SoundId SOUND_BUMP = 16;
constexpr SoundId SOUND_HEALTH = 18;
constexpr SoundId SOUND_ENERGY = 19;

Box frog_box(int16_t frog)
{
    const Frog &f = frogs[frog];
    int hw = frog_half_width(frog);
    int hh = frog_half_height(frog);
    Box b;
    b.left = int16_t(f.x - hw);
    b.top = int16_t(f.y - hh);
    b.right = uint16_t(f.x + hw);
    b.bottom = uint16_t(f.y + hh);
    return b;
}

// Only the lower-right quarter of a partner counts for a bump seen from
// one side; the partner's own visit covers the other way round.
Box bump_box(int16_t frog)
{
    const Frog &f = frogs[frog];
    Box b;
    b.left = f.x;
    b.top = f.y;
    b.right = uint16_t(f.x + frog_half_width(frog));
    b.bottom = uint16_t(f.y + frog_half_height(frog));
    return b;
}

bool corner_in(int x, int y, const Box &b)
{
    return b.left <= x && x <= b.right && b.top <= y && y <= b.bottom;
}

// A standing or walking frog leaps away from the other frog's heading.
void bounce_off(int16_t i, int16_t other_heading, uint8_t speed)
{
    Frog &f = frogs[i];
    if (f.animation != ANIM_STAND && f.animation != ANIM_WALK)
        return;
    if (other_heading == 6)
        f.direction = 7;
    else if (other_heading == 4)
        f.direction = 9;
    f.speed = speed;
    frog_set_animation(i, ANIM_LEAP);
}

void bump(int16_t v, int16_t p)
{
    Frog &fv = frogs[v];
    Frog &fp = frogs[p];
    bounce_off(p, fv.direction, 4);
    // The frog that ran in reads the other's heading as the first bounce left it.
    bounce_off(v, fp.direction, 8);
    if (fv.direction == fp.direction) {
        if (fv.direction == 9)
            fv.direction = 7;
        else
            fp.direction = 9;
    }
    effect_spawn(FX_BUMP, fv.x, fv.y, 5, v);
    play_sound(SOUND_BUMP, 0);
}

void take_damage(Frog &f, int damage)
{
    // A frog at 9 health or less is past hurting; it dies when the hit ends.
    if (f.health > 9)
        f.health = int16_t(f.health - damage);
}

void effect_hits(int16_t v, const Box &a)
{
    if (!effect_pool)
        return;
    Frog &fv = frogs[v];
    for (int i = 0; i < EFFECT_SLOTS; ++i) {
        Effect &fx = effect_pool[i];
        if (fx.kind == 0 || fx.owner == v)
            continue;
        // The last level's computer frogs gang up on the player.
        if (level == 8 && fx.owner > 0 && v > 0)
            continue;
        if (!point_in_box(fx.x, fx.y, a))
            continue;
        switch (fx.kind) {
        case FX_SHOT0_HURT:
            fx.kind = 0;
            fv.speed = 0;
            frog_set_animation(v, ANIM_HIT_0);
            effect_spawn(FX_HIT_MARK, fv.x, fv.y, fv.direction, v);
            take_damage(fv, 350);
            break;
        case FX_SHOT2:
            fx.kind = 0;
            fv.speed = 0;
            frog_set_animation(v, ANIM_HIT_2);
            take_damage(fv, 400);
            break;
        case FX_SHOT1_HURT:
            fx.kind = 0;
            frog_set_animation(v, ANIM_HIT_1);
            fv.direction = fx.direction == 6 ? 6 : 4;
            fv.speed = 4;
            take_damage(fv, 200);
            break;
        default:
            break;
        }
    }
}

}  // namespace

int point_in_box(int32_t x, int32_t y, const Box &box)
{
    return box.left < x && x < box.right && box.top < y && y < box.bottom;
}

int box_corner_overlap(const Box &a, const Box &b)
{
    return corner_in(a.right, a.bottom, b) || corner_in(a.left, a.bottom, b) ||
           corner_in(a.right, a.top, b) || corner_in(a.left, a.top, b);
}

void frogs_collide()
{
    int count = frogs_in_play();
    for (int16_t v = 0; v < count; ++v) {
        if (frogs[v].animation == ANIM_GHOST)
            continue;
        Box a = frog_box(v);
        for (int16_t p = 0; p < count; ++p) {
            if (p == v || frogs[p].animation == ANIM_GHOST)
                continue;
            if (box_corner_overlap(a, bump_box(p)))
                bump(v, p);
        }
        effect_hits(v, a);
    }
}

void pickups_check()
{
    if (!world.pickups || world.pickup_count <= 0)
        return;
    int count = frogs_in_play();
    for (int16_t f = 0; f < count; ++f) {
        Frog &fr = frogs[f];
        for (int32_t i = 0; i < world.pickup_count; ++i) {
            const Pickup &pk = world.pickups[i];
            int cx = pk.x + pk.w / 2;
            int cy = pk.y + pk.h / 2;
            if (!point_in_box(cx, cy, frog_box(f)))
                continue;
            int kind = world.pickup_kinds ? world.pickup_kinds[i] : 0;
            if (kind == PICKUP_HEALTH) {
                frog_set_animation(f, ANIM_STAND);
                fr.health = f == 0 ? FULL_HEALTH_PLAYER : FULL_HEALTH;
                fr.speed = 0;
                if (f == 0)
                    player_alive = 1;
                play_sound(SOUND_HEALTH, 0);
            } else if (kind == PICKUP_ENERGY) {
                fr.energy = FULL_ENERGY;
                play_sound(SOUND_ENERGY, 0);
            }
        }
    }
}
