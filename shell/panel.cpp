#include "shell/panel.h"

// Until the panel's pictures exist it only keeps the controller's choices
// and wraps the weapon as its drawing would.
ControlPanel panel;

void panel_load()
{
    panel.pad_hand = 3;
    panel.button_hand = 0;
    panel.weapon = 0;
    panel.loaded = 1;
}

void panel_draw(SDL_Surface *)
{
    if (!panel.loaded)
        return;
    if (panel.weapon > 2)
        panel.weapon = 0;
    if (panel.weapon < 0)
        panel.weapon = 2;
}
