#include "shell/input.h"
#include "combat/frog.h"
#include "media/font.h"
#include "media/music.h"
#include "media/sound.h"
#include "platform/buttons.h"
#include "shell/level.h"
#include "shell/panel.h"
#include "shell/state.h"
#include "shell/title.h"

int16_t fire_latch = 0;

static void restart()
{
    player_alive = 1;
    if (level > 7) {
        winner = player_frog;
        level = 2;
    }
    for (int16_t i = 0; i < frogs_in_play(); ++i)
        frog_reset(i);
    place_all_frogs();
}

static void fire()
{
    ++fire_latch;
    panel.button_hand = 1;
    frog_attack(player_frog, panel.weapon);
}

int handle_input()
{
    int l_seen = 0, r_seen = 0;
    const int16_t p = player_frog;
    SDL_Event event;
    while (button_poll(&event)) {
        if (event.type == SDL_QUIT)
            return 1;
        if (event.type == SDL_JOYBUTTONUP) {
            switch (event.jbutton.button) {
            case BTN_L: l_seen = 0; break;
            case BTN_R: r_seen = 0; break;
            case BTN_A: case BTN_B: case BTN_X: case BTN_Y:
                fire_latch = 0;
                paused = 0;
                break;
            default: break;
            }
            continue;
        }
        if (event.type != SDL_JOYBUTTONDOWN)
            continue;
        switch (event.jbutton.button) {
        case BTN_UP: panel.pad_hand = 2; frog_leap(p); break;
        case BTN_UP_LEFT: panel.pad_hand = 2; frog_face_up_left(p); frog_jump(p); break;
        case BTN_LEFT: panel.pad_hand = 3; frog_move_left(p); break;
        case BTN_DOWN_LEFT: panel.pad_hand = 2; frog_move_left(p); frog_drop(p); break;
        case BTN_DOWN: panel.pad_hand = 2; frog_stop(p); break;
        case BTN_DOWN_RIGHT: panel.pad_hand = 2; frog_move_right(p); frog_drop(p); break;
        case BTN_RIGHT: panel.pad_hand = 3; frog_move_right(p); break;
        case BTN_UP_RIGHT: panel.pad_hand = 2; frog_face_up_right(p); frog_jump(p); break;
        case BTN_START: restart(); break;
        case BTN_SELECT: paused = paused ? 0 : 1; break;
        case BTN_L:
            panel.button_hand = 0;
            if (r_seen)
                return 1;
            log_clear();
            next_music_track();
            l_seen = 1;
            break;
        case BTN_R:
            if (l_seen)
                return 1;
            title_sequence();
            r_seen = 1;
            break;
        case BTN_A: case BTN_CLICK: fire(); break;
        case BTN_X:
            panel.button_hand = 0;
            if (fire_latch == 0) {
                --panel.weapon;
                fire_latch = 1;
            }
            break;
        case BTN_VOL_UP: change_volume(+8); break;
        case BTN_VOL_DOWN: change_volume(-8); break;
        default: break;
        }
    }
    return 0;
}
