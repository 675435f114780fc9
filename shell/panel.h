// The control panel at the bottom of the screen.
#pragma once
#include <SDL.h>

void panel_load();
void panel_draw(SDL_Surface *target);
