#include "media/topten.h"
#include "shell/picture.h"

// Until the table is built: no file, no entries, and the table screen is its
// empty frame.
void load_top_ten() {}
void top_ten_gfx_load() {}
void top_ten_gfx_free() {}
int top_ten_qualifies() { return 0; }
void top_ten_animate(SDL_Surface *) {}
int name_entry_step(SDL_Surface *) { return 1; }

void show_top_ten(SDL_Surface *surface)
{
    SDL_SetClipRect(surface, nullptr);
    show_picture(surface, "bmp/frame.bmp", 1);
    SDL_Flip(surface);
}
