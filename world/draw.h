// Drawing the level, the frogs and the effects around the player's frog.
#pragma once
#include <SDL.h>
#include <cstdint>

constexpr int PLAY_W = 320;
constexpr int PLAY_H = 205;
constexpr int TILE_SIZE = 128;
// Where the player's frog's centre sits in the play area.
constexpr int VIEW_CENTRE_X = 160;
constexpr int VIEW_CENTRE_Y = 102;
// Near the level's top the frog stops following the middle and sits here.
constexpr int VIEW_TOP_ROW = 92;

// A rectangle of level pixels and where it lands on the screen: level point
// (X, Y) of the piece is drawn at (X - r.x + ox, Y - r.y + oy).
struct ViewPiece {
    SDL_Rect r;
    int32_t ox, oy;
};

struct View {
    ViewPiece piece[2];
    int count;
    int32_t oy;       // rows filled above the level's top (all pieces share it)
    int h;            // rows of level shown
    int fill_bottom;  // nonzero when the level's bottom row is above the play area's
};

extern int16_t current_palette;  // palette table last switched to by the actor layer

// The window on the level around the player's frog, shared by all three
// layers; one piece, or two where the view straddles the level's seam.  A
// frog above the level's top (y below 0) stays on row 92 like one just
// below it: oy = 92 - y, and the rows above the level show the fill colour.
void view_compute(View *view);
void draw_back_layer(SDL_Surface *surface);
void draw_actor_layer(SDL_Surface *surface);
void draw_front_layer(SDL_Surface *surface);
void draw_tiles_and_decor(const ViewPiece &piece, SDL_Surface *surface);
void draw_actors(const ViewPiece &piece, SDL_Surface *surface);
void draw_nine(const ViewPiece &piece, SDL_Surface *surface);
// Moves a destination above the surface's top down to row 0 and cuts the
// source to match; 0 when nothing of the picture is left.
int clip_top(SDL_Rect *destination, SDL_Rect *source);
// A copy of an 8-bit sheet flipped left to right, with the same palette and
// colour key; made once when a sheet is loaded so that facing left costs one
// blit.  Null when the copy cannot be made.
SDL_Surface *make_mirror_sheet(SDL_Surface *sheet);
// Draws the source rectangle of sheet flipped left to right at destination
// (its place and size unchanged).  One blit from the mirrored copy when sheet
// is the actor sheet and its copy exists, else one blit per pixel column.
void blit_mirrored(SDL_Surface *sheet, const SDL_Rect *source, SDL_Surface *surface, const SDL_Rect *destination);
// The one-blit-per-column way, which blit_mirrored must match pixel for
// pixel; kept for the tests and the benchmark.
void blit_mirrored_columns(SDL_Surface *sheet, const SDL_Rect *source, SDL_Surface *surface, const SDL_Rect *destination);
