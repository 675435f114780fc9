#include "shell/picture.h"
SDL_Color palette_tables[PALETTE_TABLES][256];
void show_picture(SDL_Surface *, const char *, int) {}
void use_palette(SDL_Surface *, uint16_t) {}
void clear_screen(SDL_Surface *, int16_t) {}
