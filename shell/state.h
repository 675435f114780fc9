// Game-wide state: every value lives for the whole run and is defined in the
// file that owns it (shell/game.cpp unless noted).
#pragma once
#include <SDL.h>
#include <cstdint>

extern int16_t level;          // level being played, 1 to 8; 9 once the eighth is won
extern int16_t frog_count;     // frog slots in play, player's frog included (2 to 10)
extern int16_t player_frog;    // slot the player steers; always 0
extern int16_t player_alive;   // 1 while the player's frog lives; the panel is drawn only then
extern int16_t winner;         // the only frog not dead among the slots in play, or -1
extern int16_t paused;         // 1 while the game is paused
extern int32_t frame_period;   // frame length in ms: 83 on level 1, 55 afterwards
extern uint32_t game_clock;    // SDL_GetTicks of the last frame_wait; never reset
extern uint32_t next_frame_time; // deadline kept by frame_wait
extern SDL_Rect clip_rect;     // the one rectangle handed to SDL_SetClipRect on screen
extern SDL_Surface *screen;    // 320x240 8-bit display surface, colour key 185
extern SDL_Joystick *joystick; // joystick 0, or null when it could not be opened
extern int32_t name_entry_done; // nonzero once the top-ten name entry has finished

// Fixed numbers every subsystem agrees on.
constexpr int SCREEN_W = 320;
constexpr int SCREEN_H = 240;
constexpr int KEY_COLOUR = 185;   // palette index drawn as transparent
constexpr int FILL_COLOUR = 252;  // where no level is shown
constexpr int ANIM_DEAD = 22;     // a frog in this animation is dead

// Ends the process at once with `status`, releasing nothing.  The media
// layer's own exit-time clean-up races its audio thread and can crash, so
// fatal errors leave through here rather than exit().
[[noreturn]] void end_process(int status);

// Puts every value above back to its start value (used by the start-up and
// by tests that run several games in one process).
void game_state_reset();
