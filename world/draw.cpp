#include "world/draw.h"
// Placeholder until the drawing is built.
int16_t current_palette = 0;
void view_compute(View *view) { *view = {}; }
void draw_back_layer(SDL_Surface *) {}
void draw_actor_layer(SDL_Surface *) {}
void draw_front_layer(SDL_Surface *) {}
void draw_tiles_and_decor(const ViewPiece &, SDL_Surface *) {}
void draw_actors(const ViewPiece &, SDL_Surface *) {}
void draw_nine(const ViewPiece &, SDL_Surface *) {}
int clip_top(SDL_Rect *, SDL_Rect *) { return 0; }
void blit_mirrored(SDL_Surface *, const SDL_Rect *, SDL_Surface *, const SDL_Rect *) {}
SDL_Surface *make_mirror_sheet(SDL_Surface *) { return nullptr; }
