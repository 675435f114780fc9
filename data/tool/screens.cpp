#include "canvas.h"
#include "generators.h"

int make_screens(const std::string &, const std::string &out)
{
    const char *names[] = {"brand", "zell", "buttons", "play", "notopten", "grimfrog", "frame"};
    int failures = 0;
    for (const char *n : names)
        failures += save_bmp(canvas_new(320, 240, 240), out + "/bmp/" + n + ".bmp");
    return failures;
}
