// Drawing the level, the frogs and the effects around the player's frog.
#pragma once
#include <SDL.h>
#include <cstdint>

constexpr int PLAY_W = 320;
constexpr int PLAY_H = 205;

// A rectangle of level pixels and where it lands on the screen.
struct ViewPiece {
    SDL_Rect r;
    int32_t ox, oy;
};

struct View {
    ViewPiece piece[2];
    int count;
    int fill_bottom;  // nonzero when the level's bottom row is above the play area's
};

extern int16_t current_palette;  // palette table last switched to by the actor layer

void view_compute(View *view);
void draw_back_layer(SDL_Surface *surface);
void draw_actor_layer(SDL_Surface *surface);
void draw_front_layer(SDL_Surface *surface);
void draw_tiles_and_decor(const ViewPiece &piece, SDL_Surface *surface);
void draw_actors(const ViewPiece &piece, SDL_Surface *surface);
void draw_nine(const ViewPiece &piece, SDL_Surface *surface);
int clip_top(SDL_Rect *destination, SDL_Rect *source);
// A copy of an 8-bit sheet flipped left to right, with the same palette and
// colour key; made once when a sheet is loaded so that facing left costs one
// blit.  Null when the copy cannot be made.
SDL_Surface *make_mirror_sheet(SDL_Surface *sheet);
void blit_mirrored(SDL_Surface *sheet, const SDL_Rect *source, SDL_Surface *surface, const SDL_Rect *destination);
