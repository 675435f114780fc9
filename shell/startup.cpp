#include "shell/startup.h"
#include "combat/frog.h"
#include "media/font.h"
#include "media/overlay.h"
#include "media/sound.h"
#include "media/topten.h"
#include "platform/menu.h"
#include "shell/level.h"
#include "shell/loop.h"
#include "shell/panel.h"
#include "shell/picture.h"
#include "shell/state.h"
#include "shell/title.h"
#include "world/sprites.h"
#include "world/world.h"
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

static void write_text(const char *text, size_t length)
{
    while (length > 0) {
        ssize_t n = write(STDERR_FILENO, text, length);
        if (n <= 0)
            return;
        text += n;
        length -= size_t(n);
    }
}

void on_stop_signal(int signal)
{
    // Only async-signal-safe calls here: the signal may land anywhere.
    char line[32] = "caught signal ";
    size_t n = 14;
    char digits[12];
    int d = 0;
    unsigned v = signal < 0 ? 0u : unsigned(signal);
    do {
        digits[d++] = char('0' + v % 10);
        v /= 10;
    } while (v && d < 11);
    while (d > 0)
        line[n++] = digits[--d];
    line[n++] = '\n';
    write_text(line, n);
    write_text("frog halt\n", 10);
    _exit(1);
}

// Everything after play, however it ended: name entry or the no-top-ten
// picture, the table, the game-over picture, and the hand-over.
static int end_of_game()
{
    use_palette(screen, 0);
    if (level > 8) {
        if (top_ten_qualifies()) {
            while (name_entry_done == 0) {
                top_ten_animate(screen);
                name_entry_done = name_entry_step(screen);
                SDL_Flip(screen);
                SDL_Delay(frame_wait(55));
            }
        } else {
            show_picture(screen, "bmp/notopten.bmp", 0);
            wait_for_press();
        }
    }
    clip_rect = {0, 0, SCREEN_W, SCREEN_H};
    SDL_SetClipRect(screen, &clip_rect);
    show_top_ten(screen);
    font_free();
    overlay_free();
    top_ten_gfx_free();
    sprites_free();
    world_free();
    wait_for_press();
    show_picture(screen, "bmp/grimfrog.bmp", 0);
    wait_for_press();
    clear_screen(screen, 0);
    SDL_Flip(screen);
    sound_stop();
    SDL_Quit();
    menu_hand_over();
    return 0;
}

int game_main()
{
    print_banner();
    signal(SIGTERM, on_stop_signal);
    signal(SIGINT, on_stop_signal);
    sound_on = 1;
    sound_start();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_JOYSTICK) == -1) {
        fprintf(stderr, "Init err: %s.\n", SDL_GetError());
        end_process(1);
    }
    screen = SDL_SetVideoMode(SCREEN_W, SCREEN_H, 8, SDL_FULLSCREEN);
    if (!screen) {
        // Going quietly back to the menu would report a broken display as a
        // normal end: say why, and fail if the menu cannot take over.
        fprintf(stderr, "Err video mode: %s\n", SDL_GetError());
        sound_stop();
        SDL_Quit();
        menu_hand_over();
        return 1;
    }
    if (SDL_SetColorKey(screen, SDL_SRCCOLORKEY, KEY_COLOUR) != 0) {
        fprintf(stderr, "Err color key: %s\n", SDL_GetError());
        return 1;
    }
    joystick = SDL_JoystickOpen(0);
    if (!joystick)
        fprintf(stderr, "Err joystick: %s\n", SDL_GetError());
    SDL_SetClipRect(screen, &clip_rect);
    SDL_ShowCursor(SDL_DISABLE);
    load_top_ten();

    show_picture(screen, "bmp/brand.bmp", 1);
    play_sound(14, 0);
    wait_for_press();
    play_sound(15, 0);
    show_picture(screen, "bmp/zell.bmp", 1);
    frogs_init();
    font_load();
    sprites_load();
    world_init();
    panel_load();
    overlay_load();
    top_ten_gfx_load();
    place_all_frogs();
    wait_for_press();
    play_sound(0, -1);
    title_sequence();

    main_loop();
    return end_of_game();
}
