// Bitmap font, message log and status line.
#pragma once
#include <SDL.h>

void font_load();
void font_free();
void log_push(const char *line);
void log_clear();
void draw_log_and_status(SDL_Surface *surface);
