#include "shell/picture.h"
#include "shell/state.h"
#include <cstdio>
#include <cstdlib>

SDL_Color palette_tables[PALETTE_TABLES][256];

static void rebuild_palette_tables(const SDL_Palette *palette)
{
    for (int i = 0; i < 256; ++i) {
        // A picture with a short palette leaves the rest of the tables black.
        SDL_Color c = i < palette->ncolors ? palette->colors[i] : SDL_Color{0, 0, 0, 0};
        palette_tables[0][i] = {c.r, c.g, c.b, 0};
        palette_tables[1][i] = {c.r, Uint8(c.g >> 2), Uint8(c.b >> 2), 0};
        palette_tables[2][i] = {Uint8(c.r >> 2), c.g, Uint8(c.b >> 2), 0};
        palette_tables[3][i] = {Uint8(c.r >> 2), Uint8(c.g >> 2), c.b, 0};
    }
}

SDL_Surface *picture_load(const char *path)
{
    // Handing a failed open to the loader would replace the open's error
    // text with a complaint about a missing stream.
    SDL_RWops *file = SDL_RWFromFile(path, "rb");
    return file ? SDL_LoadBMP_RW(file, 1) : nullptr;
}

void show_picture(SDL_Surface *target, const char *path, int rebuild)
{
    SDL_Surface *picture = picture_load(path);
    if (!picture) {
        fprintf(stderr, "Error loading %s: %s\n", path, SDL_GetError());
        end_process(0);
    }
    SDL_Palette *own = picture->format->palette;
    if (own && target->format->palette) {
        if (rebuild)
            rebuild_palette_tables(own);
        SDL_SetColors(target, own->colors, 0, own->ncolors);
    }
    if (SDL_UpperBlit(picture, nullptr, target, nullptr) < 0)
        fprintf(stderr, "BlitSurface error: %s\n", SDL_GetError());
    SDL_UpdateRect(target, 0, 0, 0, 0);
    SDL_FreeSurface(picture);
}

void use_palette(SDL_Surface *target, uint16_t table)
{
    // Only tables 0 to 3 exist; a larger number (from sprite data) would read
    // past them, so it falls back to the plain palette.
    if (table >= PALETTE_TABLES)
        table = 0;
    SDL_LockSurface(target);
    SDL_SetColors(target, palette_tables[table], 0, 256);
    SDL_UnlockSurface(target);
}

void clear_screen(SDL_Surface *target, int16_t colour)
{
    SDL_FillRect(target, nullptr, Uint32(uint8_t(colour)));
    SDL_UpdateRect(target, 0, 0, 0, 0);
}
