#include "combat/ai.h"
#include "combat/frog.h"
#include "shell/state.h"
#include <cstdlib>

int16_t ai_clock = 0;

namespace {

bool is_fire_moment()
{
    return ai_clock == 5 || ai_clock == 11 || ai_clock == 17;
}

// A frog fires once for every computer frog that is not passed over, so on
// crowded levels a volley leaves it at once.
void fire_check(int16_t f, int count)
{
    const Frog &me = frogs[f];
    const Frog &player = frogs[0];
    for (int16_t k = 1; k < count; ++k) {
        const Frog &other = frogs[k];
        if (other.direction == 3 &&
            (k == f || (me.x < other.x && other.x < player.x)))
            continue;
        if (other.direction == 2 &&
            (k == f || (player.x < other.x && other.x < me.x)))
            continue;
        if (is_fire_moment()) {
            int16_t weapon = level >= 5 ? int16_t(rand() % 3) : int16_t(f % 3);
            frog_attack(f, weapon);
        } else {
            frog_wait(f);
        }
    }
}

}  // namespace

void computer_frogs_think()
{
    ai_clock = int16_t(ai_clock + 1);
    if (ai_clock > 18)
        ai_clock = 0;
    if (frog_count <= 1)
        return;
    int count = frogs_in_play();
    const Frog &player = frogs[0];
    for (int16_t f = 1; f < count; ++f) {
        Frog &me = frogs[f];
        if (me.animation == ANIM_LEAP)
            continue;
        if (me.speed <= 7) {
            // The computer frogs' one advantage: never out of breath.
            me.energy = 500;
            if (me.x < player.x) {
                frog_move_right(f);
                continue;
            }
            if (me.x > player.x) {
                frog_move_left(f);
                continue;
            }
        }
        if (me.y < player.y) {
            frog_drop(f);
            continue;
        }
        if (me.y > player.y) {
            frog_jump(f);
            continue;
        }
        if (player.animation == ANIM_GHOST)
            continue;
        fire_check(f, count);
    }
}
