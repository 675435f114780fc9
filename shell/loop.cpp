#include "shell/loop.h"
#include "combat/collide.h"
#include "combat/frog.h"
#include "combat/tick.h"
#include "media/sound.h"
#include "platform/buttons.h"
#include "shell/input.h"
#include "shell/level.h"
#include "shell/state.h"

uint32_t frame_wait(uint32_t period)
{
    uint32_t now = SDL_GetTicks();
    game_clock = now;
    if (now < next_frame_time)
        return next_frame_time - now;
    // No catching up: a late frame starts a fresh period from now.
    next_frame_time = now + period;
    return 0;
}

void find_winner()
{
    winner = -1;
    int alive = 0, last = -1;
    for (int i = 0; i < frogs_in_play(); ++i)
        if (frogs[i].animation != ANIM_DEAD) {
            ++alive;
            last = i;
        }
    if (alive == 1)
        winner = int16_t(last);
}

// One event of a wait between screens; returns 1 when it counts as a press.
static int press_counts(const SDL_Event &event)
{
    switch (event.type) {
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_f) {
            SDL_WM_ToggleFullScreen(screen);
            return 0;
        }
        return 1;
    case SDL_MOUSEBUTTONDOWN:
        return 1;
    case SDL_JOYBUTTONDOWN: {
        int b = event.jbutton.button;
        if ((b >= BTN_START && b <= BTN_Y) || b == BTN_CLICK)
            return 1;
        if (b == BTN_VOL_UP)
            change_volume(+8);
        else if (b == BTN_VOL_DOWN)
            change_volume(-8);
        return 0;
    }
    default:
        return 0;
    }
}

void wait_for_press()
{
    int presses = 0;
    for (;;) {
        SDL_Event event;
        if (!button_poll(&event)) {
            if (presses)
                return;
            continue;
        }
        if (press_counts(event)) {
            ++presses;
            paused = 0;
        }
    }
}

int run_frame()
{
    if (!compose_frame())
        return 0;
    if (!paused) {
        find_winner();
        combat_tick();
        pickups_check();
        SDL_Flip(screen);
    }
    return handle_input() ? 0 : 1;
}

void main_loop()
{
    while (run_frame())
        SDL_Delay(frame_wait(uint32_t(frame_period)));
}
