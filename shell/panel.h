// The control panel at the bottom of the screen.
#pragma once
#include <SDL.h>
#include <cstdint>

struct ControlPanel {
    SDL_Surface *control;  // background of the strip
    SDL_Surface *hands;    // hands, weapon icons and radar dots
    int16_t pad_hand;      // 2 after a vertical or diagonal press, 3 after left or right
    int16_t button_hand;   // 1 after fire, 0 after L or weapon change
    int16_t weapon;        // selected weapon, wrapped into 0..2 when drawn
    int16_t loaded;
};

extern ControlPanel panel;

void panel_load();
void panel_draw(SDL_Surface *target);
