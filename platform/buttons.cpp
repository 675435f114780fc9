#include "platform/buttons.h"

#ifdef LILYFRONT_CONSOLE

// The console's joystick driver already speaks in buttons.
int button_poll(SDL_Event *event) { return SDL_PollEvent(event); }
void button_source_pass_keys(int) {}
void button_source_reset() {}

#else

namespace {

// Keys that stand for one button each.  'f' is deliberately absent: the
// waits between screens read it as a key (full screen).
struct KeyButton {
    SDLKey key;
    int button;
};
const KeyButton key_buttons[] = {
    {SDLK_KP8, BTN_UP},        {SDLK_KP7, BTN_UP_LEFT},    {SDLK_KP4, BTN_LEFT},
    {SDLK_KP1, BTN_DOWN_LEFT}, {SDLK_KP2, BTN_DOWN},       {SDLK_KP3, BTN_DOWN_RIGHT},
    {SDLK_KP6, BTN_RIGHT},     {SDLK_KP9, BTN_UP_RIGHT},
    {SDLK_RETURN, BTN_START},  {SDLK_KP_ENTER, BTN_START}, {SDLK_p, BTN_SELECT},
    {SDLK_a, BTN_L},           {SDLK_s, BTN_R},
    {SDLK_z, BTN_A},           {SDLK_x, BTN_B},            {SDLK_c, BTN_X},
    {SDLK_v, BTN_Y},
    {SDLK_PLUS, BTN_VOL_UP},   {SDLK_EQUALS, BTN_VOL_UP},  {SDLK_KP_PLUS, BTN_VOL_UP},
    {SDLK_MINUS, BTN_VOL_DOWN}, {SDLK_KP_MINUS, BTN_VOL_DOWN},
    {SDLK_SPACE, BTN_CLICK},
};

// Held arrows, as the last direction pressed on each axis (-1, 0, +1), so
// that two arrows together give a diagonal and the newer of two opposite
// arrows wins.
int held_left, held_right, held_up, held_down;
int axis_x, axis_y;
int pad_button = -1;  // pad button the arrows hold down, or -1
int pass_keys;

// Events made from one key wait here: a diagonal both releases the old pad
// button and presses the new one, Escape presses L and R.
SDL_Event pending[4];
int pending_count, pending_first;

void queue_button(int button, int down)
{
    if (pending_count == 4)
        return;
    SDL_Event &e = pending[(pending_first + pending_count++) % 4];
    e = {};
    e.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    e.jbutton.which = 0;
    e.jbutton.button = Uint8(button);
    e.jbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
}

int pad_from_axes(int x, int y)
{
    static const int table[3][3] = {
        // x = -1          x = 0     x = +1
        {BTN_UP_LEFT, BTN_UP, BTN_UP_RIGHT},        // y = -1 (up)
        {BTN_LEFT, -1, BTN_RIGHT},                  // y = 0
        {BTN_DOWN_LEFT, BTN_DOWN, BTN_DOWN_RIGHT},  // y = +1 (down)
    };
    return table[y + 1][x + 1];
}

int is_arrow(SDLKey k)
{
    return k == SDLK_LEFT || k == SDLK_RIGHT || k == SDLK_UP || k == SDLK_DOWN;
}

void arrow_changed(SDLKey k, int down)
{
    switch (k) {
    case SDLK_LEFT: held_left = down; axis_x = down ? -1 : (held_right ? 1 : 0); break;
    case SDLK_RIGHT: held_right = down; axis_x = down ? 1 : (held_left ? -1 : 0); break;
    case SDLK_UP: held_up = down; axis_y = down ? -1 : (held_down ? 1 : 0); break;
    case SDLK_DOWN: held_down = down; axis_y = down ? 1 : (held_up ? -1 : 0); break;
    default: return;
    }
    if (down) {
        int b = pad_from_axes(axis_x, axis_y);
        if (pad_button >= 0)
            queue_button(pad_button, 0);
        pad_button = b;
        if (b >= 0)
            queue_button(b, 1);
    } else if (pad_button >= 0) {
        // Letting go of one arrow of a diagonal ends the press; the other
        // arrow does not press again by itself (a press is an action).
        queue_button(pad_button, 0);
        pad_button = -1;
    }
}

// Turns a key event into button events; returns 0 when the key stays a key.
int key_to_buttons(const SDL_KeyboardEvent &key)
{
    SDLKey k = key.keysym.sym;
    int down = key.type == SDL_KEYDOWN;
    if (is_arrow(k)) {
        if (pass_keys)
            return 0;
        arrow_changed(k, down);
        return 1;
    }
    if (k == SDLK_ESCAPE) {
        // Quitting takes L and R together.
        queue_button(BTN_L, down);
        queue_button(BTN_R, down);
        return 1;
    }
    for (const KeyButton &kb : key_buttons)
        if (kb.key == k) {
            queue_button(kb.button, down);
            return 1;
        }
    return 0;
}

int take_pending(SDL_Event *event)
{
    if (pending_count == 0)
        return 0;
    *event = pending[pending_first];
    pending_first = (pending_first + 1) % 4;
    --pending_count;
    return 1;
}

}  // namespace

int button_poll(SDL_Event *event)
{
    for (;;) {
        if (take_pending(event))
            return 1;
        if (!SDL_PollEvent(event))
            return 0;
        if ((event->type == SDL_KEYDOWN || event->type == SDL_KEYUP) && key_to_buttons(event->key))
            continue;  // delivered from the pending queue instead
        return 1;
    }
}

void button_source_pass_keys(int on)
{
    pass_keys = on;
    if (on && pad_button >= 0) {
        queue_button(pad_button, 0);
        pad_button = -1;
    }
}

void button_source_reset()
{
    held_left = held_right = held_up = held_down = 0;
    axis_x = axis_y = 0;
    pad_button = -1;
    pending_count = pending_first = 0;
    pass_keys = 0;
}

#endif
