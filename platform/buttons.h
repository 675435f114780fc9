// The console's buttons.  Every reader of events takes them from
// button_poll, which on the console passes events through untouched and on
// a desktop turns keyboard keys into the console's joystick button events.
#pragma once
#include <SDL.h>

// The console joystick driver's button numbers.
enum Button {
    BTN_UP = 0, BTN_UP_LEFT = 1, BTN_LEFT = 2, BTN_DOWN_LEFT = 3,
    BTN_DOWN = 4, BTN_DOWN_RIGHT = 5, BTN_RIGHT = 6, BTN_UP_RIGHT = 7,
    BTN_START = 8, BTN_SELECT = 9, BTN_L = 10, BTN_R = 11,
    BTN_A = 12, BTN_B = 13, BTN_X = 14, BTN_Y = 15,
    BTN_VOL_UP = 16, BTN_VOL_DOWN = 17, BTN_CLICK = 18,
    BUTTON_COUNT = 19,
};

// Same contract as SDL_PollEvent.
int button_poll(SDL_Event *event);

// While set, keys that a text screen reads as keys (cursor keys among them)
// arrive as key events instead of buttons.
void button_source_pass_keys(int on);

// Forgets held keys and queued button events (a new screen, or a test).
void button_source_reset();
