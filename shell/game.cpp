#include "shell/state.h"
#include <cstdio>
#include <unistd.h>

int16_t level = 1;
int16_t frog_count = 2;
int16_t player_frog = 0;
int16_t player_alive = 1;
int16_t winner = -1;
int16_t paused = 0;
int32_t frame_period = 83;
uint32_t game_clock = 0;
uint32_t next_frame_time = 0;
SDL_Rect clip_rect = {0, 0, SCREEN_W, SCREEN_H};
SDL_Surface *screen = nullptr;
SDL_Joystick *joystick = nullptr;
int32_t name_entry_done = 0;

void game_state_reset()
{
    level = 1;
    frog_count = 2;
    player_frog = 0;
    player_alive = 1;
    winner = -1;
    paused = 0;
    frame_period = 83;
    game_clock = 0;
    next_frame_time = 0;
    clip_rect = {0, 0, SCREEN_W, SCREEN_H};
    name_entry_done = 0;
}

void end_process(int status)
{
    fflush(nullptr);
    _exit(status);
}
