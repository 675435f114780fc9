#include "art.h"
#include "draw2d.h"
#include <algorithm>
#include <cmath>

namespace art {

int shade(int ramp, int k)
{
    k = std::clamp(k, 0, 15);
    int i = ramp + k;
    // The reserved indices carry colours of their own; take the neighbour.
    if (i == KEY || i == 139 || i == 228 || i == 252)
        i += (k < 15) ? 1 : -1;
    return i;
}

static bool in_ellipse(double px, double py, double cx, double cy, double rx, double ry,
                       double angle, double *nx, double *ny)
{
    double dx = px - cx, dy = py - cy;
    double ca = std::cos(angle), sa = std::sin(angle);
    double lx = (dx * ca + dy * sa) / rx;
    double ly = (-dx * sa + dy * ca) / ry;
    if (lx * lx + ly * ly > 1.0)
        return false;
    if (nx) {
        // Back to screen directions, for lighting.
        *nx = lx * ca - ly * sa;
        *ny = lx * sa + ly * ca;
    }
    return true;
}

void ellipse(Canvas &c, double cx, double cy, double rx, double ry, int colour, double angle)
{
    int r = int(std::max(rx, ry)) + 2;
    for (int y = int(cy) - r; y <= int(cy) + r; ++y)
        for (int x = int(cx) - r; x <= int(cx) + r; ++x)
            if (in_ellipse(x + 0.5, y + 0.5, cx, cy, rx, ry, angle, nullptr, nullptr))
                put(c, x, y, colour);
}

void shaded_ellipse(Canvas &c, double cx, double cy, double rx, double ry, int ramp, int base,
                    double angle)
{
    int r = int(std::max(rx, ry)) + 2;
    for (int y = int(cy) - r; y <= int(cy) + r; ++y)
        for (int x = int(cx) - r; x <= int(cx) + r; ++x) {
            double nx, ny;
            if (!in_ellipse(x + 0.5, y + 0.5, cx, cy, rx, ry, angle, &nx, &ny))
                continue;
            double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
            double light = -0.45 * nx - 0.65 * ny + 0.6 * nz;  // -1..1
            int k = base + int(std::lround(light * 3.0 - 0.5));
            put(c, x, y, shade(ramp, k));
        }
}

void capsule(Canvas &c, double x0, double y0, double x1, double y1, double r, int colour)
{
    int minx = int(std::min(x0, x1) - r) - 1, maxx = int(std::max(x0, x1) + r) + 1;
    int miny = int(std::min(y0, y1) - r) - 1, maxy = int(std::max(y0, y1) + r) + 1;
    double vx = x1 - x0, vy = y1 - y0, len2 = vx * vx + vy * vy;
    for (int y = miny; y <= maxy; ++y)
        for (int x = minx; x <= maxx; ++x) {
            double px = x + 0.5 - x0, py = y + 0.5 - y0;
            double t = len2 > 0 ? std::clamp((px * vx + py * vy) / len2, 0.0, 1.0) : 0.0;
            double dx = px - t * vx, dy = py - t * vy;
            if (dx * dx + dy * dy <= r * r)
                put(c, x, y, colour);
        }
}

void line(Canvas &c, int x0, int y0, int x1, int y1, int colour)
{
    gfx::draw_line(c, x0, y0, x1, y1, colour);
}

void outline(Canvas &c, int colour)
{
    Canvas src = c;
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            if (get(src, x, y) != KEY)
                continue;
            auto painted = [&](int i, int j) {
                int p = get(src, i, j);
                return p >= 0 && p != KEY;
            };
            if (painted(x - 1, y) || painted(x + 1, y) || painted(x, y - 1) || painted(x, y + 1))
                put(c, x, y, colour);
        }
}

void recolour(Canvas &c, int from, int to)
{
    for (auto &p : c.px)
        if (p == from)
            p = uint8_t(to);
}

void move_ramp(Canvas &c, int from_ramp, int to_ramp, int shift)
{
    for (auto &p : c.px)
        if (p != KEY && p >= from_ramp && p < from_ramp + 16)
            p = uint8_t(shade(to_ramp, p - from_ramp + shift));
}

Canvas flip_h(const Canvas &c)
{
    return gfx::mirrored(c);
}

Canvas crop(const Canvas &c, int x, int y, int w, int h)
{
    Canvas o = canvas_new(w, h, KEY);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            int p = get(c, x + i, y + j);
            if (p >= 0)
                put(o, i, j, p);
        }
    return o;
}

uint32_t next(Rng &r)
{
    // xorshift32: tiny, fast and the same everywhere.
    uint32_t x = r.s ? r.s : 0x9e3779b9u;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    r.s = x;
    return x;
}

int range(Rng &r, int lo, int hi)
{
    return lo + int(next(r) % uint32_t(hi - lo + 1));
}

double unit(Rng &r)
{
    return (next(r) >> 8) / double(1 << 24);
}

static double hash01(int x, int y, uint32_t seed)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffff) / double(0xffffff);
}

double tile_noise(double x, double y, int period, int cells, uint32_t seed)
{
    double step = double(period) / cells;
    double fx = x / step, fy = y / step;
    int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
    double tx = fx - x0, ty = fy - y0;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto at = [&](int i, int j) {
        return hash01(((i % cells) + cells) % cells, ((j % cells) + cells) % cells, seed);
    };
    double a = at(x0, y0), b = at(x0 + 1, y0), c = at(x0, y0 + 1), d = at(x0 + 1, y0 + 1);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double tile_fbm(double x, double y, int period, int cells, int octaves, uint32_t seed)
{
    double sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * tile_noise(x, y, period, cells << o, seed + 101u * o);
        norm += amp;
        amp *= 0.5;
    }
    return sum / norm;
}

void tile_cells(double x, double y, int period, int n, uint32_t seed, double *d1, double *edge,
                int *nearest)
{
    // Small seeds start xorshift in a poor corner; stir them first.
    Rng r{seed * 2654435761u + 0x6d2b79f5u};
    for (int i = 0; i < 4; ++i)
        next(r);
    double vx[64] = {}, vy[64] = {};
    n = std::min(n, 64);
    int who = 0;
    for (int i = 0; i < n; ++i) {
        // Offset to the nearest copy of the point in the repeating plane.
        double dx = unit(r) * period - x, dy = unit(r) * period - y;
        dx -= period * std::round(dx / period);
        dy -= period * std::round(dy / period);
        vx[i] = dx;
        vy[i] = dy;
        if (dx * dx + dy * dy < vx[who] * vx[who] + vy[who] * vy[who])
            who = i;
    }
    double near2 = vx[who] * vx[who] + vy[who] * vy[who];
    // Distance to the border with each other cell: the bisector's distance.
    double border = 1e9;
    for (int j = 0; j < n; ++j) {
        if (j == who)
            continue;
        double ex = vx[j] - vx[who], ey = vy[j] - vy[who];
        double len = std::sqrt(ex * ex + ey * ey);
        if (len < 1e-9)
            continue;
        border = std::min(border, (vx[j] * vx[j] + vy[j] * vy[j] - near2) / (2 * len));
    }
    *d1 = std::sqrt(near2);
    *edge = border;
    if (nearest)
        *nearest = who;
}

}  // namespace art
