// Preloaded into the game by a test: the display refuses every video mode,
// as a console with a broken display driver would.
#include <SDL.h>

extern "C" SDL_Surface *SDL_SetVideoMode(int, int, int, Uint32)
{
    SDL_SetError("no video mode for this display");
    return nullptr;
}
