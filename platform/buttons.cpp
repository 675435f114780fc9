#include "platform/buttons.h"
int button_poll(SDL_Event *event) { return SDL_PollEvent(event); }
void button_source_pass_keys(int) {}
void button_source_reset() {}
