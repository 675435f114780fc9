#include "draw2d.h"
#include <algorithm>
#include <cmath>

namespace gfx {

namespace {

constexpr double PI = 3.14159265358979323846;

// The game's reserved palette indices; a shade that lands on one of them
// would be a hole (the key) or a bar colour in the middle of a picture.
bool reserved(int index)
{
    return index == KEY || index == 139 || index == 228 || index == 252;
}

const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

}  // namespace

int shade(int ramp, int k)
{
    ramp = std::clamp(ramp, 0, 15);
    k = std::clamp(k, 0, 15);
    int index = ramp * 16 + k;
    while (reserved(index) && index > ramp * 16)
        --index;
    return index;
}

// The reserved colours count as the shade they look like, so lightening a
// night-fill pixel gives a slightly lighter night blue, not the ramp's top.
int ramp_of(int index)
{
    switch (index & 255) {
    case 139: return RAMP_GOLD;
    case 228: return RAMP_RED;
    case 252: return RAMP_NIGHT;
    default: return (index & 255) / 16;
    }
}

int shade_of(int index)
{
    switch (index & 255) {
    case 139: return 11;
    case 228: return 8;
    case 252: return 2;
    default: return (index & 255) % 16;
    }
}

int lighter(int index, int steps) { return shade(ramp_of(index), shade_of(index) + steps); }
int darker(int index, int steps) { return shade(ramp_of(index), shade_of(index) - steps); }

int bayer4(int x, int y) { return bayer[y & 3][x & 3]; }

int dithered_shade(int ramp, int sixteenths, int x, int y)
{
    sixteenths = std::clamp(sixteenths, 0, 255);
    int k = sixteenths / 16;
    if (sixteenths % 16 > bayer4(x, y))
        ++k;
    return shade(ramp, k);
}

int dithered_rgb(int x, int y, int r, int g, int b)
{
    // A spread of about one ramp step keeps bands soft without visible noise.
    int d = (bayer4(x, y) - 8) * 3;
    return nearest_colour(std::clamp(r + d, 0, 255), std::clamp(g + d, 0, 255),
                          std::clamp(b + d, 0, 255));
}

void gradient_rgb(Canvas &c, int x, int y, int w, int h, Rgb top, Rgb bottom)
{
    for (int j = 0; j < h; ++j) {
        int den = std::max(1, h - 1);
        int r = top.r + (bottom.r - top.r) * j / den;
        int g = top.g + (bottom.g - top.g) * j / den;
        int b = top.b + (bottom.b - top.b) * j / den;
        for (int i = 0; i < w; ++i)
            put(c, x + i, y + j, dithered_rgb(x + i, y + j, r, g, b));
    }
}

void gradient_shade(Canvas &c, int x, int y, int w, int h, int ramp, int top, int bottom)
{
    int den = std::max(1, h - 1);
    for (int j = 0; j < h; ++j) {
        int level = top * 16 + (bottom - top) * 16 * j / den;
        for (int i = 0; i < w; ++i)
            put(c, x + i, y + j, dithered_shade(ramp, level, x + i, y + j));
    }
}

void draw_line(Canvas &c, int x0, int y0, int x1, int y1, int colour)
{
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        put(c, x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void draw_thick_line(Canvas &c, double x0, double y0, double x1, double y1, double radius,
                     int colour)
{
    double len = std::hypot(x1 - x0, y1 - y0);
    int steps = std::max(1, int(len * 2));
    for (int s = 0; s <= steps; ++s) {
        double t = double(s) / steps;
        fill_ellipse(c, x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, radius, radius, colour);
    }
}

void draw_curve(Canvas &c, double x0, double y0, double cx, double cy, double x1, double y1,
                double r0, double r1, int colour)
{
    double len = std::hypot(cx - x0, cy - y0) + std::hypot(x1 - cx, y1 - cy);
    int steps = std::max(2, int(len * 2));
    for (int s = 0; s <= steps; ++s) {
        double t = double(s) / steps, u = 1 - t;
        double x = u * u * x0 + 2 * u * t * cx + t * t * x1;
        double y = u * u * y0 + 2 * u * t * cy + t * t * y1;
        double r = r0 + (r1 - r0) * t;
        if (r < 0.6)
            put(c, int(std::lround(x)), int(std::lround(y)), colour);
        else
            fill_ellipse(c, x, y, r, r, colour);
    }
}

namespace {

// Visits every pixel inside a turned ellipse with its position (u, v) in
// the ellipse's own unit frame.
template <typename Visit>
void each_ellipse_pixel(double cx, double cy, double rx, double ry, double degrees, Visit visit)
{
    if (rx <= 0 || ry <= 0)
        return;
    double a = degrees * PI / 180, ca = std::cos(a), sa = std::sin(a);
    double reach = std::max(rx, ry) + 1;
    for (int y = int(std::floor(cy - reach)); y <= int(std::ceil(cy + reach)); ++y)
        for (int x = int(std::floor(cx - reach)); x <= int(std::ceil(cx + reach)); ++x) {
            // Pixel centres sit at +0.5 so that whole-number radii come out round.
            double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            double u = (dx * ca + dy * sa) / rx, v = (-dx * sa + dy * ca) / ry;
            if (u * u + v * v <= 1.0)
                visit(x, y, u, v, ca, sa);
        }
}

}  // namespace

void fill_ellipse(Canvas &c, double cx, double cy, double rx, double ry, int colour,
                  double degrees)
{
    each_ellipse_pixel(cx, cy, rx, ry, degrees,
                       [&](int x, int y, double, double, double, double) { put(c, x, y, colour); });
}

void ellipse_ring(Canvas &c, double cx, double cy, double rx, double ry, int colour)
{
    each_ellipse_pixel(cx, cy, rx, ry, 0, [&](int x, int y, double, double, double, double) {
        double ux = (x + 0.5 - cx), vy = (y + 0.5 - cy);
        // On the ring when a 4-neighbour lies outside.
        auto inside = [&](double px, double py) {
            return (px / rx) * (px / rx) + (py / ry) * (py / ry) <= 1.0;
        };
        if (!inside(ux + 1, vy) || !inside(ux - 1, vy) || !inside(ux, vy + 1) || !inside(ux, vy - 1))
            put(c, x, y, colour);
    });
}

void shaded_ellipse(Canvas &c, double cx, double cy, double rx, double ry, int ramp, int dark,
                    int light, double degrees)
{
    // Moonlight from the upper left and a little in front.
    const double lx = -0.45, ly = -0.6, lz = 0.66;
    each_ellipse_pixel(cx, cy, rx, ry, degrees,
                       [&](int x, int y, double u, double v, double ca, double sa) {
                           double w = std::sqrt(std::max(0.0, 1 - u * u - v * v));
                           double nx = u * ca - v * sa, ny = u * sa + v * ca;
                           double lit = std::clamp(nx * lx + ny * ly + w * lz, 0.0, 1.0);
                           int level = int((dark + (light - dark) * lit) * 16);
                           put(c, x, y, dithered_shade(ramp, level, x, y));
                       });
}

void fill_round_rect(Canvas &c, int x, int y, int w, int h, int radius, int colour)
{
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            int dx = std::max({radius - i - 1, i - (w - radius), 0});
            int dy = std::max({radius - j - 1, j - (h - radius), 0});
            if (dx * dx + dy * dy <= radius * radius - radius / 2)
                put(c, x + i, y + j, colour);
        }
}

void frame_rect(Canvas &c, int x, int y, int w, int h, int colour)
{
    fill_rect(c, x, y, w, 1, colour);
    fill_rect(c, x, y + h - 1, w, 1, colour);
    fill_rect(c, x, y, 1, h, colour);
    fill_rect(c, x + w - 1, y, 1, h, colour);
}

void glow(Canvas &c, double cx, double cy, double radius, int steps)
{
    if (radius <= 0 || steps == 0)
        return;
    for (int y = int(cy - radius); y <= int(cy + radius) + 1; ++y)
        for (int x = int(cx - radius); x <= int(cx + radius) + 1; ++x) {
            int p = get(c, x, y);
            if (p < 0)
                continue;
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / radius;
            if (d >= 1)
                continue;
            double f = (1 - d) * (1 - d);
            int sixteenths = int(f * std::abs(steps) * 16);
            int k = sixteenths / 16 + (sixteenths % 16 > bayer4(x, y) ? 1 : 0);
            put(c, x, y, steps > 0 ? lighter(p, k) : darker(p, k));
        }
}

void darken_rect(Canvas &c, int x, int y, int w, int h, int steps)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) {
            int p = get(c, i, j);
            if (p >= 0)
                put(c, i, j, darker(p, steps));
        }
}

Canvas sprite_canvas(int w, int h) { return canvas_new(w, h, KEY); }

void outline_sprite(Canvas &sprite, int colour)
{
    Canvas before = sprite;
    for (int y = 0; y < sprite.h; ++y)
        for (int x = 0; x < sprite.w; ++x) {
            if (get(before, x, y) != KEY)
                continue;
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    int p = get(before, x + dx, y + dy);
                    if (p >= 0 && p != KEY) {
                        touches = true;
                        break;
                    }
                }
            if (touches)
                put(sprite, x, y, colour);
        }
}

Canvas mirrored(const Canvas &sprite)
{
    Canvas m = sprite;
    for (int y = 0; y < sprite.h; ++y)
        for (int x = 0; x < sprite.w; ++x)
            m.px[size_t(y) * m.w + x] = sprite.px[size_t(y) * sprite.w + (sprite.w - 1 - x)];
    return m;
}

void blit_silhouette(Canvas &dst, const Canvas &src, int x, int y, int colour)
{
    for (int j = 0; j < src.h; ++j)
        for (int i = 0; i < src.w; ++i)
            if (src.px[size_t(j) * src.w + i] != KEY)
                put(dst, x + i, y + j, colour);
}

void blit_shade(Canvas &dst, const Canvas &src, int x, int y, int steps)
{
    for (int j = 0; j < src.h; ++j)
        for (int i = 0; i < src.w; ++i) {
            int p = get(dst, x + i, y + j);
            if (p >= 0 && src.px[size_t(j) * src.w + i] != KEY)
                put(dst, x + i, y + j, steps > 0 ? darker(p, steps) : lighter(p, -steps));
        }
}

int scatter_next(Scatter &s, int n)
{
    s.state = s.state * 1103515245u + 12345u;
    return n > 0 ? int((s.state >> 8) % unsigned(n)) : 0;
}

}  // namespace gfx
