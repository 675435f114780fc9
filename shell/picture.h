// Full-screen pictures and the palette tables built from them.
#pragma once
#include <SDL.h>
#include <cstdint>

constexpr int PALETTE_TABLES = 4;  // plain, red, green, blue
extern SDL_Color palette_tables[PALETTE_TABLES][256];

// Loads a BMP; null on failure, with SDL's error text saying why (a file
// that cannot be opened keeps the open's complaint).
SDL_Surface *picture_load(const char *path);

void show_picture(SDL_Surface *target, const char *path, int rebuild);
void use_palette(SDL_Surface *target, uint16_t table);
void clear_screen(SDL_Surface *target, int16_t colour);
