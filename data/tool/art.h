// Painting helpers shared by the sprite sheet, the decor sheet and the level
// tiles: shaded shapes, outlines, and noise that repeats seamlessly.
#pragma once
#include "canvas.h"
#include <cstdint>

namespace art {

// Ramp bases of the master palette.
constexpr int GREY = 0, GREEN = 16, OLIVE = 32, GOLD = 48, ORANGE = 64, RED = 80, PINK = 96,
              PURPLE = 112, BLUE = 128, SKY = 144, TEAL = 160, BROWN = 176, SAND = 192,
              STONE = 208, BRICK = 224, NIGHT = 240;

// Shade k (0 dark to 15 light, clamped) of a ramp, stepping round the
// indices the game reserves (transparent key, bar colours, night fill) so
// that arithmetic on shades never punches a hole into a picture.
int shade(int ramp, int k);

// Filled shapes; a pixel belongs to a shape when its centre lies inside.
void ellipse(Canvas &c, double cx, double cy, double rx, double ry, int colour, double angle = 0);
// Ellipse lit from the upper left: shades base-3 .. base+3 of the ramp.
void shaded_ellipse(Canvas &c, double cx, double cy, double rx, double ry, int ramp, int base,
                    double angle = 0);
// A thick segment with round ends.
void capsule(Canvas &c, double x0, double y0, double x1, double y1, double r, int colour);
void line(Canvas &c, int x0, int y0, int x1, int y1, int colour);
// Paints every transparent pixel that touches a painted one (4-neighbours).
void outline(Canvas &c, int colour);
// Replaces one colour by another everywhere.
void recolour(Canvas &c, int from, int to);
// Every pixel of a ramp moved into another ramp at the same shade.
void move_ramp(Canvas &c, int from_ramp, int to_ramp, int shift = 0);
Canvas flip_h(const Canvas &c);
Canvas crop(const Canvas &c, int x, int y, int w, int h);

// Deterministic generator, so the data comes out the same on every build.
struct Rng {
    uint32_t s;
};
uint32_t next(Rng &r);
int range(Rng &r, int lo, int hi);  // lo to hi, both included
double unit(Rng &r);                // 0 to 1

// Smooth value noise in 0..1 that repeats every `period` pixels in both
// directions when `period` is a multiple of `cells`.
double tile_noise(double x, double y, int period, int cells, uint32_t seed);
// Sum of octaves of tile_noise, 0..1.
double tile_fbm(double x, double y, int period, int cells, int octaves, uint32_t seed);
// Cells around `n` (at most 64) random points of a seamlessly repeating
// square of side `period`, for cracks and facets: the distance to the
// nearest point, the distance to the border of its cell, and its number.
void tile_cells(double x, double y, int period, int n, uint32_t seed, double *d1, double *edge,
                int *nearest);

}  // namespace art
