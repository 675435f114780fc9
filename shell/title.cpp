#include "shell/title.h"
#include "media/font.h"
#include "media/topten.h"
#include "shell/loop.h"
#include "shell/picture.h"
#include "shell/state.h"
#include <cstdio>
#include <cstring>

const char WEB_ADDRESS[] = "www.tadpole.example";

void print_banner()
{
    static const char title[] = "\nLilyfront 2x\n";
    static const char maker[] = "by Tadpole Foundry\n";
    char web[64];
    snprintf(web, sizeof web, "%s\n\n", WEB_ADDRESS);
    fwrite(title, 1, strlen(title), stderr);
    fwrite(maker, 1, strlen(maker), stderr);
    fwrite(web, 1, strlen(web), stderr);
}

void title_sequence()
{
    use_palette(screen, 0);
    clip_rect = {0, 0, SCREEN_W, SCREEN_H};
    SDL_SetClipRect(screen, &clip_rect);
    show_top_ten(screen);
    wait_for_press();
    show_picture(screen, "bmp/buttons.bmp", 1);
    wait_for_press();
    show_picture(screen, "bmp/play.bmp", 1);
    wait_for_press();
    clear_screen(screen, FILL_COLOUR);
    log_push(WEB_ADDRESS);
    paused = 0;
}
