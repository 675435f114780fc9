#include "shell/level.h"
#include "combat/frog.h"
#include "media/font.h"
#include "media/overlay.h"
#include "media/sound.h"
#include "shell/panel.h"
#include "shell/state.h"
#include "world/draw.h"
#include "world/world.h"
#include <cstdlib>

struct LevelEntry {
    int16_t frog_count;
    const char *lines[2];  // pushed before "advancing to next level"
};

// Indexed by the level being entered.
static const LevelEntry level_table[9] = {
    {2, {nullptr, nullptr}},
    {2, {nullptr, nullptr}},
    {3, {"threes company", nullptr}},
    {4, {"fours a crowd", nullptr}},
    {5, {"take the fifth", nullptr}},
    {7, {"lucky seven", nullptr}},
    {8, {"octowussy", nullptr}},
    {10, {"top ten", nullptr}},
    {6, {"no friendly fire", "six six sixpack"}},
};

// Player's entry of the finished game, read by the top-ten table.
uint32_t finish_time = 0;
int16_t finish_frog_number = 0;

static void advance_level()
{
    frame_period = 55;
    play_sound(15, 0);
    log_clear();
    ++level;
    const LevelEntry &entry = level_table[level];
    frog_count = entry.frog_count;
    for (const char *line : entry.lines)
        if (line)
            log_push(line);
    log_push("advancing to next level");
    level_picture_load("level", level);
    place_computer_frogs();
    // The winner stays set until the next unpaused frame; without this a
    // paused game would advance one level per frame.
    winner = -1;
}

int compose_frame()
{
    clip_rect.x = 0;
    clip_rect.y = 0;
    clip_rect.w = SCREEN_W;
    if (winner != player_frog) {
        clip_rect.h = PLAY_H;
        SDL_SetClipRect(screen, &clip_rect);
        draw_back_layer(screen);
        draw_actor_layer(screen);
        draw_front_layer(screen);
        overlay_draw(screen);
        draw_log_and_status(screen);
        clip_rect = {0, 185, SCREEN_W, 55};
        SDL_SetClipRect(screen, &clip_rect);
        if (player_alive)
            panel_draw(screen);
        return 1;
    }
    if (level <= 7) {
        advance_level();
        return 1;
    }
    level = 9;
    clip_rect.h = SCREEN_H;
    SDL_SetClipRect(screen, &clip_rect);
    record_finish(game_clock, frogs[0].frog_number);
    return 0;
}

static void place_frogs(int first)
{
    int32_t sx = 0, sy = 0;
    // A level file may give a zero or negative size; never divide by it.
    int32_t w = world.width > 0 ? world.width : 1;
    int32_t h = world.height > 0 ? world.height : 1;
    for (int i = first; i <= 16; ++i) {
        frog_reset(int16_t(i));
        if (i != 0)
            frogs[i].mark = 255;
        sx += rand() / w;
        frogs[i].x = int16_t(sx);
        sy += rand() / h;
        frogs[i].y = int16_t(sy);
    }
}

void place_all_frogs() { place_frogs(0); }
void place_computer_frogs() { place_frogs(1); }

void record_finish(uint32_t time, int16_t frog_number)
{
    finish_time = time;
    finish_frog_number = frog_number;
}
