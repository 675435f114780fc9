#include "combat/tick.h"
#include "combat/ai.h"
#include "combat/collide.h"
#include "combat/effect.h"
#include "combat/frog.h"
#include "shell/picture.h"
#include "shell/state.h"
#include "world/world.h"

namespace {

// Pieces of a dying frog, as (kind, direction), in the order they fly off.
constexpr int16_t debris[12][2] = {
    {FX_DEBRIS_A, 5}, {FX_DEBRIS_B, 6}, {FX_DEBRIS_C, 4}, {FX_DEBRIS_D, 7},
    {FX_DEBRIS_E, 3}, {FX_DEBRIS_B, 9}, {FX_DEBRIS_C, 8}, {FX_DEBRIS_D, 3},
    {FX_DEBRIS_E, 1}, {FX_DEBRIS_E, 4}, {FX_DEBRIS_E, 9}, {FX_DEBRIS_E, 7},
};

constexpr int DEATH_HEALTH = 18;

void fall(int16_t i)
{
    Frog &f = frogs[i];
    if (f.animation == ANIM_JUMP || f.animation == ANIM_GHOST || f.animation == ANIM_LEAP)
        return;
    for (int step = 0; step < 8; ++step) {
        if (frog_floor(i) != 0) {
            if (f.direction == 1)
                f.direction = 4;
            else if (f.direction == 3)
                f.direction = 6;
            return;
        }
        f.y = int16_t(f.y + 1);
    }
}

void move(int16_t i)
{
    Frog &f = frogs[i];
    int d = f.direction;
    int speed_or_4 = f.speed ? f.speed : 4;
    int x = f.x;
    int y = f.y;
    if (heads_up(d))
        y -= speed_or_4;
    if (heads_left(d))
        x -= f.speed;
    if (heads_right(d))
        x += f.speed;
    if (f.animation == ANIM_GHOST && heads_down(d))
        y += speed_or_4;
    x = ring_wrap(x);
    int half_height = frog_half_height(i);
    if (y + half_height > world.height - BOTTOM_BAND)
        y = world.height - BOTTOM_BAND - half_height;
    if (y <= 29)
        y += f.speed ? 2 * f.speed : 8;
    f.x = int16_t(x);
    f.y = int16_t(y);
}

void step_frames(int16_t i)
{
    Frog &f = frogs[i];
    if (f.frame_delay != 0) {
        if (f.frame_timer > f.frame_delay) {
            f.frame = uint8_t(f.frame + 1);
            f.frame_timer = 0;
        } else {
            f.frame_timer = uint8_t(f.frame_timer + 1);
        }
    }
    // Also catches a frame left over from an animation with more frames:
    // some actions change the animation without touching the frame.
    if (f.frame >= sprite_entry(f.animation)->frame_count)
        f.frame = 0;
}

void die(int16_t i)
{
    Frog &f = frogs[i];
    frog_set_animation(i, ANIM_GHOST);
    if (f.frog_number < INT16_MAX)
        f.frog_number = int16_t(f.frog_number + 1);
    f.speed = 0;
    for (const auto &piece : debris)
        effect_spawn(piece[0], f.x, f.y, piece[1], i);
    if (i == 0) {
        player_alive = 0;
        // Without a display (tests, a failed start) there is nothing to flash.
        if (screen)
            clear_screen(screen, 0);
    }
}

void end_of_animation(int16_t i)
{
    Frog &f = frogs[i];
    if (f.animation == ANIM_GHOST)
        return;
    if (f.health <= DEATH_HEALTH) {
        die(i);
    } else {
        int16_t moving_or_standing = f.speed > 0 ? ANIM_WALK : ANIM_STAND;
        switch (f.animation) {
        case ANIM_TURN:
        case ANIM_HIT_2:
            frog_set_animation(i, ANIM_STAND);
            break;
        case ANIM_JUMP:
        case ANIM_HIT_0:
        case ANIM_DROP:
        case ANIM_LEAP:
            frog_set_animation(i, moving_or_standing);
            break;
        case ANIM_HIT_1:
            frog_set_animation(i, moving_or_standing);
            effect_spawn(FX_SHOT1_AFTER, f.x, f.y, 5, i);
            break;
        default:
            break;
        }
    }
    if (f.direction == 9 || f.direction == 3)
        f.direction = 6;
    else if (f.direction == 7 || f.direction == 1)
        f.direction = 4;
}

}  // namespace

void frogs_tick()
{
    int count = frogs_in_play();
    for (int16_t i = 0; i < count; ++i) {
        Frog &f = frogs[i];
        fall(i);
        move(i);
        step_frames(i);
        if (f.energy > 9 && f.speed == 8)
            f.energy = int16_t(f.energy - 4);
        if (f.anim_timer != 0) {
            --f.anim_timer;
            if (f.anim_timer != 0)
                continue;
        }
        end_of_animation(i);
    }
}

void combat_tick()
{
    frogs_tick();
    computer_frogs_think();
    frogs_collide();
    effects_tick();
}
