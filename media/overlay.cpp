#include "media/overlay.h"
void overlay_load() {}
void overlay_free() {}
void overlay_draw(SDL_Surface *) {}
