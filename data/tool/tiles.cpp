#include "tiles.h"
#include "art.h"
#include <algorithm>
#include <cmath>

using namespace art;

namespace {

constexpr int T = TILE_SIZE;
constexpr double PI = 3.14159265358979;

// Ordered dither between two neighbouring shades, so smooth light does not
// band on the eight-bit screen.
const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

int dithered(int ramp, double k, int x, int y)
{
    int base = int(std::floor(k));
    double frac = k - base;
    return shade(ramp, base + (frac * 16 > bayer[y & 3][x & 3] + 0.5 ? 1 : 0));
}

// Level 1: a mossy night marsh, dark teal with soft leafy mottling.
Canvas marsh()
{
    Canvas c = canvas_new(T, T, 0);
    for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x) {
            double n = tile_fbm(x, y, T, 4, 4, 11);
            double m = tile_fbm(x, y, T, 8, 2, 12);
            double k = 1.5 + n * 4.5 + (m > 0.62 ? 1.2 : 0);
            put(c, x, y, dithered(TEAL, k, x, y));
        }
    // Little reed silhouettes and glints, wrapped at the edges.
    Rng r{3};
    for (int i = 0; i < 10; ++i) {
        int x = range(r, 0, T - 1), y = range(r, 0, T - 1), len = range(r, 8, 20);
        for (int j = 0; j < len; ++j)
            put(c, (x + j / 6) % T, (y + j) % T, shade(TEAL, 1));
    }
    for (int i = 0; i < 14; ++i)
        put(c, range(r, 0, T - 1), range(r, 0, T - 1), shade(TEAL, 9));
    return c;
}

// Level 2: dusk over the pond, purple sky with orange ripples of light.
Canvas dusk()
{
    Canvas c = canvas_new(T, T, 0);
    for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x) {
            double n = tile_fbm(x, y, T, 2, 3, 21);
            double band = 0.5 + 0.5 * std::sin((y + n * 18) * 2 * PI / 32);
            int ramp = band > 0.93 ? ORANGE : PURPLE;
            double k = ramp == ORANGE ? 2.5 + (band - 0.93) * 20 : 1.0 + n * 3.0 + band * 1.2;
            put(c, x, y, dithered(ramp, k, x, y));
        }
    return c;
}

// Level 3: deep water, blue with rippling caustics and rising bubbles.
Canvas deep()
{
    Canvas c = canvas_new(T, T, 0);
    for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x) {
            double d1, d2;
            tile_cells(x, y, T, 14, 31, &d1, &d2, nullptr);
            double edge = std::clamp(1.0 - d2 / 2.5, 0.0, 1.0);
            double n = tile_fbm(x, y, T, 4, 3, 32);
            put(c, x, y, dithered(BLUE, 1.2 + n * 2.5 + edge * edge * 3.5, x, y));
        }
    Rng r{33};
    for (int i = 0; i < 9; ++i) {
        int x = range(r, 0, T - 1), y = range(r, 0, T - 1), s = range(r, 1, 3);
        for (int a = 0; a < 24; ++a) {
            double t = a * 2 * PI / 24;
            put(c, (x + int(std::lround(std::cos(t) * s)) + T) % T,
                (y + int(std::lround(std::sin(t) * s)) + T) % T, shade(SKY, 8));
        }
    }
    return c;
}

// Level 4: a cave wall of cracked, layered stone.
Canvas cave()
{
    Canvas c = canvas_new(T, T, 0);
    for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x) {
            double d1, d2;
            int who;
            tile_cells(x, y, T, 18, 41, &d1, &d2, &who);
            double n = tile_fbm(x, y, T, 8, 3, 42);
            double k = 2 + (who % 3) * 0.6 + n * 2.5 - d1 * 0.05;
            if (d2 < 0.8)
                k = 0.5;
            else if (d2 < 1.6)
                k += 1.5;  // lit rim of each stone
            put(c, x, y, dithered(STONE, std::max(0.0, k), x, y));
        }
    return c;
}

// Level 5: autumn, warm brown with scattered fallen leaves.
Canvas autumn()
{
    Canvas c = canvas_new(T, T, 0);
    for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x) {
            double n = tile_fbm(x, y, T, 4, 4, 51);
            put(c, x, y, dithered(BROWN, 1.5 + n * 4, x, y));
        }
    Rng r{52};
    const int ramps[] = {ORANGE, RED, GOLD, BRICK};
    for (int i = 0; i < 16; ++i) {
        double x = unit(r) * T, y = unit(r) * T, a = unit(r) * PI;
        int ramp = ramps[i % 4];
        int k = range(r, 5, 8);
        for (int j = -4; j <= 4; ++j)
            for (int w = -2; w <= 2; ++w) {
                double lx = j, ly = w;
                if ((lx * lx) / 16 + (ly * ly) / 4 > 1)
                    continue;
                int px = int(std::lround(x + lx * std::cos(a) - ly * std::sin(a)));
                int py = int(std::lround(y + lx * std::sin(a) + ly * std::cos(a)));
                put(c, (px + T) % T, (py + T) % T, shade(ramp, k - 2 + (w < 0)));
            }
    }
    return c;
}

// Level 6: ice, pale crystal facets with bright edges.
Canvas ice()
{
    Canvas c = canvas_new(T, T, 0);
    for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x) {
            double d1, d2;
            int who;
            tile_cells(x, y, T, 12, 61, &d1, &d2, &who);
            double k = 3 + (who % 4) * 0.7;
            if (d2 < 0.6)
                k = 8;
            put(c, x, y, dithered(SKY, k, x, y));
        }
    return c;
}

// Level 7: dark basalt lit by glowing lava cracks.
Canvas lava()
{
    Canvas c = canvas_new(T, T, 0);
    for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x) {
            double d1, d2;
            tile_cells(x, y, T, 16, 71, &d1, &d2, nullptr);
            double gap = d2 * 2;
            double n = tile_fbm(x, y, T, 8, 2, 72);
            int colour;
            if (gap < 1.3)
                colour = shade(GOLD, 11);
            else if (gap < 2.6)
                colour = shade(ORANGE, 8);
            else if (gap < 5)
                colour = dithered(RED, 2 + (5 - gap) * 0.8, x, y);
            else
                colour = dithered(GREY, 1 + n * 2.2, x, y);
            put(c, x, y, colour);
        }
    return c;
}

// Level 8: a storm, dark clouds and slanting rain.
Canvas storm()
{
    Canvas c = canvas_new(T, T, 0);
    for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x) {
            double n = tile_fbm(x, y, T, 4, 4, 81);
            put(c, x, y, dithered(NIGHT, 1 + n * 5, x, y));
        }
    Rng r{82};
    for (int i = 0; i < 40; ++i) {
        int x = range(r, 0, T - 1), y = range(r, 0, T - 1), len = range(r, 4, 9);
        for (int j = 0; j < len; ++j)
            put(c, (x + j / 3) % T, (y + j) % T, shade(NIGHT, 9 + (j == len - 1)));
    }
    return c;
}

}  // namespace

Canvas level_tile(int level)
{
    switch (level) {
    case 2: return dusk();
    case 3: return deep();
    case 4: return cave();
    case 5: return autumn();
    case 6: return ice();
    case 7: return lava();
    case 8: return storm();
    default: return marsh();
    }
}

int make_level_tiles(const std::string &out)
{
    int failures = save_bmp(level_tile(1), out + "/bmp/minet.bmp");
    for (int level = 2; level <= 8; ++level)
        failures += save_bmp(level_tile(level), out + "/bmp/level" + std::to_string(level) + ".bmp");
    return failures;
}
