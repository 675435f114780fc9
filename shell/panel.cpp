#include "shell/panel.h"
void panel_load() {}
void panel_draw(SDL_Surface *) {}
