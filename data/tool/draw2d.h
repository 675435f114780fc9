// 2D drawing on a Canvas in the master palette: shades of the sixteen
// ramps, ordered dithering, lines, ellipses, glows and sprite outlines.
#pragma once
#include "canvas.h"

// Kept apart from the game library's names, which the tool links with.
namespace gfx {

// The master palette is sixteen ramps of sixteen shades, 0 darkest.
constexpr int RAMP_GREY = 0, RAMP_GREEN = 1, RAMP_OLIVE = 2, RAMP_GOLD = 3, RAMP_ORANGE = 4,
              RAMP_RED = 5, RAMP_PINK = 6, RAMP_PURPLE = 7, RAMP_BLUE = 8, RAMP_SKY = 9,
              RAMP_TEAL = 10, RAMP_BROWN = 11, RAMP_SAND = 12, RAMP_STONE = 13, RAMP_BRICK = 14,
              RAMP_NIGHT = 15;

// Index of shade k (clamped to 0..15) of a ramp. The few indices the game
// reserves (transparent key, bar colours, night fill) sit inside ramps with
// other colours; they are never returned, the next darker shade is.
int shade(int ramp, int k);
int ramp_of(int index);
int shade_of(int index);
int lighter(int index, int steps);  // same ramp, clamped
int darker(int index, int steps);

// Ordered-dither threshold 0..15 of a pixel (4x4 Bayer matrix).
int bayer4(int x, int y);
// A shade given in sixteenths (0..255), dithered between its two neighbours.
int dithered_shade(int ramp, int sixteenths, int x, int y);
// The palette colour nearest to an RGB colour with ordered dithering.
int dithered_rgb(int x, int y, int r, int g, int b);

// Vertical RGB gradient, dithered, from the top row to the bottom row.
void gradient_rgb(Canvas &c, int x, int y, int w, int h, Rgb top, Rgb bottom);
// Vertical gradient within one ramp from shade `top` to shade `bottom`.
void gradient_shade(Canvas &c, int x, int y, int w, int h, int ramp, int top, int bottom);

void draw_line(Canvas &c, int x0, int y0, int x1, int y1, int colour);
// Line of round dots of the given radius.
void draw_thick_line(Canvas &c, double x0, double y0, double x1, double y1, double radius,
                     int colour);
// Quadratic curve from (x0,y0) through control (cx,cy) to (x1,y1), with a
// radius that tapers from r0 to r1: reeds, tails, wisps.
void draw_curve(Canvas &c, double x0, double y0, double cx, double cy, double x1, double y1,
                double r0, double r1, int colour);

// Ellipse with centre (cx,cy), radii rx, ry, turned by `degrees` clockwise.
void fill_ellipse(Canvas &c, double cx, double cy, double rx, double ry, int colour,
                  double degrees = 0);
void ellipse_ring(Canvas &c, double cx, double cy, double rx, double ry, int colour);
// Ellipse lit like a ball by moonlight from the upper left: shades `dark`
// to `light` of one ramp, dithered.
void shaded_ellipse(Canvas &c, double cx, double cy, double rx, double ry, int ramp, int dark,
                    int light, double degrees = 0);

void fill_round_rect(Canvas &c, int x, int y, int w, int h, int radius, int colour);
void frame_rect(Canvas &c, int x, int y, int w, int h, int colour);

// Brightens (or darkens, for negative steps) the pixels within `radius`
// of a point, most at the centre, with a dithered fall-off: halos, glows.
void glow(Canvas &c, double cx, double cy, double radius, int steps);
// Darkens a rectangle by `steps` shades within each pixel's ramp.
void darken_rect(Canvas &c, int x, int y, int w, int h, int steps);

// Sprites are drawn on a KEY ground and blitted with `blit`.
Canvas sprite_canvas(int w, int h);
// Paints every KEY pixel that touches (8 ways) a drawn one.
void outline_sprite(Canvas &sprite, int colour);
Canvas mirrored(const Canvas &sprite);
// The sprite's shape in one colour: drop shadows, silhouettes.
void blit_silhouette(Canvas &dst, const Canvas &src, int x, int y, int colour);
// The sprite's shape darkening what lies below by `steps` shades.
void blit_shade(Canvas &dst, const Canvas &src, int x, int y, int steps);

// Small deterministic random numbers for scattering stars and ripples, the
// same on every build.
struct Scatter {
    unsigned state;
};
int scatter_next(Scatter &s, int n);  // 0..n-1

}  // namespace gfx
