// The picture that blinks over play while the player's frog is a ghost.
#pragma once
#include <SDL.h>

void overlay_load();
void overlay_free();
void overlay_draw(SDL_Surface *surface);
