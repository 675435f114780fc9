// The headless display the shell tests draw on: the dummy video driver
// gives a real 8-bit screen surface.
#pragma once
#include "shell/state.h"
#include <SDL.h>
#include <cstdlib>
#include <gtest/gtest.h>

inline SDL_Surface *test_screen()
{
    if (!screen) {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        if (SDL_Init(SDL_INIT_VIDEO) != 0)
            return nullptr;
        screen = SDL_SetVideoMode(SCREEN_W, SCREEN_H, 8, 0);
    }
    return screen;
}

inline void drain_events()
{
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
}

inline int queued_events()
{
    SDL_PumpEvents();
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_ALLEVENTS);
}

inline void push_joy(int button, int down)
{
    SDL_Event e = {};
    e.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    e.jbutton.button = Uint8(button);
    e.jbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    SDL_PushEvent(&e);
}

inline void push_key(SDLKey key, int down)
{
    SDL_Event e = {};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
}
