#include "canvas.h"
#include <SDL.h>
#include <cstdio>
#include <cstring>

namespace {

// Sixteen ramps of sixteen shades, dark to light; a few indices are fixed
// by the game and overridden after the ramps are laid out.
struct Ramp { Rgb dark, mid, light; };
const Ramp ramps[16] = {
    {{0, 0, 0}, {128, 128, 128}, {255, 255, 255}},        //   0 grey
    {{8, 32, 8}, {60, 160, 40}, {200, 255, 150}},         //  16 frog green
    {{24, 32, 8}, {120, 140, 40}, {230, 240, 160}},       //  32 olive
    {{48, 32, 0}, {220, 180, 30}, {255, 250, 190}},       //  48 gold
    {{48, 16, 0}, {230, 120, 30}, {255, 220, 170}},       //  64 orange
    {{40, 0, 0}, {200, 30, 30}, {255, 180, 170}},         //  80 red
    {{40, 8, 24}, {210, 90, 150}, {255, 210, 235}},       //  96 pink
    {{20, 8, 40}, {120, 60, 180}, {225, 200, 255}},       // 112 purple
    {{0, 8, 40}, {40, 80, 200}, {190, 210, 255}},         // 128 blue
    {{0, 24, 40}, {40, 160, 220}, {200, 245, 255}},       // 144 sky
    {{0, 32, 32}, {30, 150, 130}, {180, 255, 235}},       // 160 teal
    {{32, 16, 8}, {130, 80, 40}, {230, 190, 140}},        // 176 brown
    {{40, 36, 20}, {190, 170, 110}, {255, 245, 215}},     // 192 sand
    {{16, 20, 28}, {100, 110, 130}, {220, 228, 240}},     // 208 stone
    {{40, 8, 8}, {190, 60, 50}, {255, 200, 180}},         // 224 brick
    {{4, 6, 16}, {30, 40, 90}, {150, 170, 230}},          // 240 night
};

Rgb palette[256];
bool palette_ready = false;

Rgb mix(Rgb a, Rgb b, int num, int den)
{
    return {uint8_t(a.r + (b.r - a.r) * num / den), uint8_t(a.g + (b.g - a.g) * num / den),
            uint8_t(a.b + (b.b - a.b) * num / den)};
}

void build_palette()
{
    for (int r = 0; r < 16; ++r)
        for (int k = 0; k < 16; ++k)
            palette[r * 16 + k] = k < 8 ? mix(ramps[r].dark, ramps[r].mid, k, 8)
                                        : mix(ramps[r].mid, ramps[r].light, k - 8, 7);
    palette[139] = {255, 214, 40};  // energy bar
    palette[185] = {255, 0, 255};   // transparent key
    palette[228] = {236, 36, 36};   // health bar
    palette[252] = {10, 12, 30};    // beyond the level
    palette_ready = true;
}

}  // namespace

const Rgb *master_palette()
{
    if (!palette_ready)
        build_palette();
    return palette;
}

Canvas canvas_new(int w, int h, int colour)
{
    Canvas c;
    c.w = w;
    c.h = h;
    c.px.assign(size_t(w) * h, uint8_t(colour));
    return c;
}

void put(Canvas &c, int x, int y, int colour)
{
    if (x >= 0 && y >= 0 && x < c.w && y < c.h)
        c.px[size_t(y) * c.w + x] = uint8_t(colour);
}

int get(const Canvas &c, int x, int y)
{
    if (x < 0 || y < 0 || x >= c.w || y >= c.h)
        return -1;
    return c.px[size_t(y) * c.w + x];
}

void fill_rect(Canvas &c, int x, int y, int w, int h, int colour)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            put(c, i, j, colour);
}

void blit(Canvas &dst, const Canvas &src, int x, int y)
{
    for (int j = 0; j < src.h; ++j)
        for (int i = 0; i < src.w; ++i) {
            int p = src.px[size_t(j) * src.w + i];
            if (p != KEY)
                put(dst, x + i, y + j, p);
        }
}

int nearest_colour(int r, int g, int b)
{
    const Rgb *pal = master_palette();
    int best = 0;
    long best_d = -1;
    for (int i = 0; i < 256; ++i) {
        if (i == KEY)
            continue;
        long dr = pal[i].r - r, dg = pal[i].g - g, db = pal[i].b - b;
        long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (best_d < 0 || d < best_d) {
            best_d = d;
            best = i;
        }
    }
    return best;
}

int save_bmp(const Canvas &c, const std::string &path)
{
    SDL_Surface *s = SDL_CreateRGBSurface(SDL_SWSURFACE, c.w, c.h, 8, 0, 0, 0, 0);
    if (!s) {
        fprintf(stderr, "%s: %s\n", path.c_str(), SDL_GetError());
        return 1;
    }
    SDL_Color colours[256];
    const Rgb *pal = master_palette();
    for (int i = 0; i < 256; ++i)
        colours[i] = {pal[i].r, pal[i].g, pal[i].b, 0};
    SDL_SetColors(s, colours, 0, 256);
    SDL_LockSurface(s);
    for (int y = 0; y < c.h; ++y)
        memcpy(static_cast<uint8_t *>(s->pixels) + y * s->pitch, &c.px[size_t(y) * c.w], c.w);
    SDL_UnlockSurface(s);
    int rc = SDL_SaveBMP(s, path.c_str());
    if (rc != 0)
        fprintf(stderr, "%s: %s\n", path.c_str(), SDL_GetError());
    SDL_FreeSurface(s);
    return rc != 0;
}
