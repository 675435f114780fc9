#include "combat/frog.h"
#include "combat/effect.h"
#include "world/sprites.h"
#include "shell/state.h"
#include "world/world.h"

Frog frogs[FROG_SLOTS];

namespace {

// Every action takes a slot number from the controller or the computer
// frogs; a number outside the records must not write past them.
bool valid_slot(int16_t frog)
{
    return frog >= 0 && frog < FROG_SLOTS;
}

bool is_dead(const Frog &f)
{
    return f.animation == ANIM_GHOST;
}

void dust(int16_t frog, int16_t towards)
{
    const Frog &f = frogs[frog];
    effect_spawn(FX_DUST, f.x, f.y, towards, frog);
}

}  // namespace

int frogs_in_play()
{
    return frog_count < 0 ? 0 : frog_count > FROG_SLOTS ? FROG_SLOTS : frog_count;
}

// A frog placed beyond the right end of the ring is tested one level width
// further left.
int frog_floor(int16_t frog)
{
    if (!valid_slot(frog))
        return 0;
    const Frog &f = frogs[frog];
    int column = f.x;
    if (column > world.width)
        column -= world.width;
    return floor_at(column, f.y + frog_half_height(frog));
}

void frogs_init()
{
    for (int16_t i = 0; i < FROG_SLOTS; ++i) {
        frogs[i].mark = 254;
        frogs[i].frog_number = 1;
        frog_reset(i);
    }
    frogs[0].mark = 17;
}

void frog_reset(int16_t frog)
{
    if (!valid_slot(frog))
        return;
    Frog &f = frogs[frog];
    f.frame = 0;
    f.x = 0;
    f.y = 0;
    f.direction = 3;
    f.anim_timer = 0;
    f.frame_timer = 1;
    f.health = frog == 0 ? FULL_HEALTH_PLAYER : FULL_HEALTH;
    f.frame_delay = 1;
    f.energy = FULL_ENERGY;
    f.speed = 0;
    f.animation = ANIM_START;
}

void frog_set_animation(int16_t frog, int16_t animation)
{
    if (!valid_slot(frog))
        return;
    Frog &f = frogs[frog];
    const SpriteDef *e = sprite_entry(animation);
    f.animation = animation;
    f.frame_timer = uint8_t(e->start_timer);
    f.frame_delay = uint8_t(e->frame_delay);
    f.frame = 0;
    f.anim_timer = uint16_t(e->duration);
}

int frog_width(int16_t frog)
{
    if (!valid_slot(frog))
        return 0;
    return sprite_entry(frogs[frog].animation)->width;
}

int frog_half_width(int16_t frog)
{
    return frog_width(frog) / 2;
}

int frog_half_height(int16_t frog)
{
    if (!valid_slot(frog))
        return 0;
    return sprite_entry(frogs[frog].animation)->height / 2;
}

void frog_stop(int16_t frog)
{
    if (!valid_slot(frog) || is_dead(frogs[frog]))
        return;
    frog_set_animation(frog, ANIM_STAND);
    frogs[frog].frame_delay = 0;
    frogs[frog].speed = 0;
}

void frog_move_left(int16_t frog)
{
    if (!valid_slot(frog))
        return;
    Frog &f = frogs[frog];
    if (is_dead(f)) {
        // A ghost steers: pressing its way speeds it up, pressing against it stops it.
        if (f.direction == 6)
            f.speed = 0;
        if (f.direction == 4)
            f.speed = 8;
        f.direction = 4;
        return;
    }
    // Left also works in a leap: that is how a leaping frog is steered back.
    if (!(f.animation == ANIM_LEAP || f.animation <= 8))
        return;
    if (f.animation == ANIM_JUMP)
        f.animation = ANIM_WALK;
    if (f.direction != 4 && f.direction != 6)
        f.direction = 4;
    if (f.direction == 4) {
        if (f.speed == 4 && f.energy > 9) {
            frog_set_animation(frog, ANIM_WALK);
            f.speed = 8;
            f.frame_delay = 1;
            dust(frog, 6);
        }
        if (f.speed == 0) {
            frog_set_animation(frog, ANIM_WALK);
            f.speed = 4;
            f.frame_delay = 2;
            dust(frog, 6);
        }
        return;
    }
    if (f.speed == 0) {
        frog_set_animation(frog, ANIM_TURN);
        f.direction = 4;
        f.anim_timer = 3;
        f.frame_delay = 0;
    } else if (f.speed == 4) {
        frog_set_animation(frog, ANIM_STAND);
        f.speed = 0;
        f.frame_delay = 0;
        dust(frog, 4);
    } else if (f.speed == 8) {
        f.speed = 4;
        f.frame_delay = 2;
        f.frame = 0;
        dust(frog, 4);
    }
}

void frog_move_right(int16_t frog)
{
    if (!valid_slot(frog))
        return;
    Frog &f = frogs[frog];
    if (is_dead(f)) {
        if (f.direction == 4)
            f.speed = 0;
        if (f.direction == 6)
            f.speed = 8;
        f.direction = 6;
        return;
    }
    // Unlike left, right does nothing during a leap.
    if (f.animation > 8)
        return;
    if (f.animation == ANIM_JUMP)
        f.animation = ANIM_WALK;
    if (f.direction != 4 && f.direction != 6)
        f.direction = 6;
    if (f.direction == 6) {
        if (f.speed == 4 && f.energy > 9) {
            frog_set_animation(frog, ANIM_WALK);
            f.speed = 8;
            f.frame_delay = 1;
            dust(frog, 4);
        }
        if (f.speed == 0) {
            frog_set_animation(frog, ANIM_WALK);
            f.speed = 4;
            f.frame_delay = 2;
            dust(frog, 4);
        }
        return;
    }
    if (f.speed == 0) {
        frog_set_animation(frog, ANIM_TURN);
        f.direction = 6;
        f.anim_timer = 3;
        f.frame_delay = 0;
    } else if (f.speed == 4) {
        // Halting from a leftward walk kicks up no dust.
        frog_set_animation(frog, ANIM_STAND);
        f.frame_delay = 0;
        f.speed = 0;
    } else if (f.speed == 8) {
        frog_set_animation(frog, ANIM_WALK);
        f.speed = 4;
        f.frame_delay = 2;
        dust(frog, 6);
    }
}

void frog_drop(int16_t frog)
{
    if (!valid_slot(frog))
        return;
    Frog &f = frogs[frog];
    if (is_dead(f)) {
        if (f.direction == 7 || f.direction == 4)
            f.direction = 1;
        else if (f.direction == 9 || f.direction == 6)
            f.direction = 3;
        else if (f.direction == 8)
            f.direction = 2;
        return;
    }
    if (f.animation > 8 || f.animation == ANIM_JUMP)
        return;
    // Only a real floor can be dropped through, never the bottom band.
    if (frog_floor(frog) <= 0)
        return;
    dust(frog, f.direction == 6 ? 4 : 6);
    f.y = int16_t(f.y + 1);
    frog_set_animation(frog, ANIM_DROP);
}

void frog_jump(int16_t frog)
{
    if (!valid_slot(frog))
        return;
    Frog &f = frogs[frog];
    if (is_dead(f)) {
        if (f.direction == 1 || f.direction == 4)
            f.direction = 7;
        else if (f.direction == 3 || f.direction == 6)
            f.direction = 9;
        else if (f.direction == 2)
            f.direction = 8;
        return;
    }
    if (f.animation > 8 || f.animation == ANIM_JUMP)
        return;
    if (frog_floor(frog) == 0)
        return;
    if (f.direction == 6) {
        dust(frog, 4);
        f.direction = 9;
    } else if (f.direction == 4) {
        dust(frog, 6);
        f.direction = 7;
    }
    frog_set_animation(frog, ANIM_JUMP);
}

void frog_face_up_left(int16_t frog)
{
    if (valid_slot(frog) && frogs[frog].direction == 9)
        frogs[frog].direction = 7;
}

void frog_face_up_right(int16_t frog)
{
    if (valid_slot(frog) && frogs[frog].direction == 7)
        frogs[frog].direction = 9;
}

void frog_leap(int16_t frog)
{
    if (!valid_slot(frog))
        return;
    Frog &f = frogs[frog];
    if (f.animation > 8)
        return;
    if (f.direction == 6) {
        f.direction = 9;
        dust(frog, 4);
    } else if (f.direction == 4) {
        f.direction = 7;
        dust(frog, 6);
    } else {
        return;
    }
    frog_set_animation(frog, ANIM_LEAP);
}

void frog_attack(int16_t frog, int16_t weapon)
{
    if (!valid_slot(frog))
        return;
    Frog &f = frogs[frog];
    if (f.animation > 8)
        return;
    int16_t kind;
    int reach;
    switch (weapon) {
    case 0: kind = FX_SHOT0; reach = frog_half_width(frog); break;
    case 1: kind = FX_SHOT1; reach = frog_half_width(frog); break;
    case 2: kind = FX_SHOT2; reach = frog_width(frog); break;
    default: return;
    }
    int x;
    int16_t heading;
    if (heads_left(f.direction)) {
        x = f.x - reach - 2;
        heading = 4;
    } else if (heads_right(f.direction)) {
        x = f.x + reach + 2;
        heading = 6;
    } else {
        return;
    }
    effect_spawn(kind, int16_t(x), f.y, heading, frog);
    if (weapon == 2) {
        // Spent even when the pool is full.  Energy may go negative, but a
        // frog firing on and on must not wrap round to a full bar.
        int energy = f.energy - 16;
        f.energy = int16_t(energy < INT16_MIN ? INT16_MIN : energy);
    }
}

void frog_wait(int16_t) {}
