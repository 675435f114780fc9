// The table of the ten best games.
#pragma once
#include <SDL.h>
#include <cstdint>

void load_top_ten();
void top_ten_gfx_load();
void top_ten_gfx_free();
int top_ten_qualifies();
void top_ten_animate(SDL_Surface *surface);
int name_entry_step(SDL_Surface *surface);
void show_top_ten(SDL_Surface *surface);
