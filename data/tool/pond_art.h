// The pond at night, piece by piece: the look shared by the full-screen
// pictures (sky, moon, water, lily pads, reeds, fireflies) and the frogs.
#pragma once
#include "canvas.h"

// Kept apart from the game library's names, which the tool links with.
namespace gfx {

// Night sky from row 0 down to the horizon, with stars.
void draw_night_sky(Canvas &c, int horizon, unsigned star_seed);
// Full moon with its halo.
void draw_moon(Canvas &c, int cx, int cy, int radius);
// Far bank of trees and bushes standing on the horizon, in silhouette.
void draw_far_bank(Canvas &c, int horizon, unsigned seed);
// Still water from the horizon down, with ripples and the moon's path
// below column moon_x (no path when moon_x < 0).
void draw_water(Canvas &c, int horizon, int moon_x, unsigned seed);
// A lily pad seen at a low angle, notch turned towards `notch_degrees`
// (0 = right, 90 = towards the viewer), with its shadow on the water.
void draw_lily_pad(Canvas &c, double cx, double cy, double rx, double ry, double notch_degrees);
// Water-lily blossom, `size` about its radius.
void draw_lily_flower(Canvas &c, double cx, double cy, double size);
// A clump of reeds and cattails rising from (x, base) to about `height`
// pixels, drawn dark against the sky.
void draw_reeds(Canvas &c, int x, int base, int height, int blades, unsigned seed);
// Fireflies scattered over a rectangle.
void draw_fireflies(Canvas &c, int x, int y, int w, int h, int count, unsigned seed);
// Darkens the picture towards its edges to draw the eye to the middle.
void draw_vignette(Canvas &c, int strength);

// Frogs as sprites on a KEY ground, outlined. `ramp` gives the skin colour.
// A sitting frog seen from the front, `width` pixels wide.
Canvas frog_front(int width, int ramp);
// A crouching frog seen from the side, facing right.
Canvas frog_side(int width, int ramp);
// A frog's ghost seen from the front, as a shape: blit it with
// `blit_ghost` so the night shows through.
Canvas frog_ghost_shape(int width);
void blit_ghost(Canvas &dst, const Canvas &shape, int x, int y);

}  // namespace gfx
