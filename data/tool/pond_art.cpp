#include "pond_art.h"
#include "draw2d.h"
#include <algorithm>
#include <cmath>

namespace gfx {

namespace {

constexpr double PI = 3.14159265358979323846;

const int far_bank_colour = 241;  // night shade 1: just lifted off black

void darken_ellipse(Canvas &c, double cx, double cy, double rx, double ry, int steps)
{
    Canvas mask = sprite_canvas(c.w, c.h);
    fill_ellipse(mask, cx, cy, rx, ry, 0);
    blit_shade(c, mask, 0, 0, steps);
}

void lighten_span(Canvas &c, int x, int y, int len, int steps)
{
    for (int i = 0; i < len; ++i) {
        int p = get(c, x + i, y);
        if (p >= 0)
            put(c, x + i, y, lighter(p, steps));
    }
}

}  // namespace

void draw_night_sky(Canvas &c, int horizon, unsigned star_seed)
{
    gradient_rgb(c, 0, 0, c.w, horizon, {4, 5, 18}, {46, 40, 100});
    Scatter s{star_seed};
    int stars = c.w * horizon / 180;
    for (int i = 0; i < stars; ++i) {
        int x = scatter_next(s, c.w), y = scatter_next(s, std::max(1, horizon));
        int kind = scatter_next(s, 20);
        // Fewer stars low in the haze above the bank.
        if (y > horizon * 3 / 4 && scatter_next(s, 3))
            continue;
        int ramp = kind < 3 ? RAMP_SKY : kind < 5 ? RAMP_SAND : RAMP_GREY;
        if (kind == 19) {
            put(c, x - 1, y, shade(ramp, 10));
            put(c, x + 1, y, shade(ramp, 10));
            put(c, x, y - 1, shade(ramp, 10));
            put(c, x, y + 1, shade(ramp, 10));
            put(c, x, y, shade(RAMP_GREY, 15));
        } else {
            put(c, x, y, shade(ramp, 7 + scatter_next(s, 8)));
        }
    }
}

void draw_moon(Canvas &c, int cx, int cy, int radius)
{
    glow(c, cx, cy, radius * 4.5, 4);
    glow(c, cx, cy, radius * 1.9, 3);
    shaded_ellipse(c, cx, cy, radius, radius, RAMP_SAND, 10, 15);
    // Seas and craters: soft darker patches, placed by hand so the face
    // reads the same at every size.
    struct Spot { double x, y, r; int shade_k; };
    const Spot spots[] = {{-0.35, -0.2, 0.28, 11}, {0.2, 0.25, 0.22, 11}, {0.3, -0.35, 0.14, 12},
                          {-0.15, 0.45, 0.12, 12}, {-0.5, 0.25, 0.1, 12}};
    for (const Spot &sp : spots) {
        double r = sp.r * radius;
        if (r < 1)
            continue;
        fill_ellipse(c, cx + sp.x * radius, cy + sp.y * radius, r, r, shade(RAMP_SAND, sp.shade_k));
        fill_ellipse(c, cx + sp.x * radius + r * 0.3, cy + sp.y * radius + r * 0.3, r * 0.55,
                     r * 0.55, shade(RAMP_SAND, sp.shade_k + 1));
    }
}

void draw_far_bank(Canvas &c, int horizon, unsigned seed)
{
    Scatter s{seed};
    double p1 = scatter_next(s, 100) / 10.0, p2 = scatter_next(s, 100) / 10.0;
    for (int x = 0; x < c.w; ++x) {
        int h = int(5 + 3 * std::sin(x * 0.035 + p1) + 2 * std::sin(x * 0.11 + p2));
        fill_rect(c, x, horizon - h, 1, h, far_bank_colour);
    }
    // Round bushes and a few pointed trees break the line.
    int x = scatter_next(s, 20);
    while (x < c.w) {
        if (scatter_next(s, 4) == 0) {
            int h = 16 + scatter_next(s, 14), w = 5 + scatter_next(s, 4);
            for (int j = 0; j < h; ++j)
                fill_rect(c, x - w * j / h, horizon - h + j, 2 * w * j / h + 1, 1, far_bank_colour);
        } else {
            double r = 4 + scatter_next(s, 7);
            fill_ellipse(c, x, horizon - 4 - r * 0.6, r * 1.3, r, far_bank_colour);
        }
        x += 10 + scatter_next(s, 26);
    }
}

void draw_water(Canvas &c, int horizon, int moon_x, unsigned seed)
{
    int depth = c.h - horizon;
    gradient_rgb(c, 0, horizon, c.w, depth, {34, 36, 86}, {3, 6, 20});
    // The bank's reflection, squashed and wobbling.
    for (int y = horizon; y < std::min(c.h, horizon + 26); ++y) {
        int src = horizon - 1 - int((y - horizon) * 1.4);
        for (int x = 0; x < c.w; ++x) {
            int wobble = int(std::lround(1.5 * std::sin(y * 1.7 + x * 0.05)));
            if (get(c, x + wobble, src) == far_bank_colour)
                put(c, x, y, shade(RAMP_NIGHT, 2));
        }
    }
    Scatter s{seed};
    // Ripples: short bright streaks, longer and further apart nearer the viewer.
    for (int i = 0; i < depth * 2; ++i) {
        int y = horizon + 2 + scatter_next(s, std::max(1, depth - 2));
        int near = (y - horizon) * 100 / std::max(1, depth);
        int len = 3 + near / 6 + scatter_next(s, 4 + near / 5);
        int x = scatter_next(s, c.w + len) - len;
        lighten_span(c, x, y, len, 2);
        lighten_span(c, x + 2, y + 1, std::max(1, len - 4), -1);
    }
    if (moon_x < 0)
        return;
    // The moon's path: broken bright bars, widening towards the viewer.
    for (int y = horizon + 1; y < c.h; ++y) {
        if (scatter_next(s, 5) == 0)
            continue;
        int spread = 4 + (y - horizon) * 2 / 5;
        int bars = 1 + scatter_next(s, 3);
        for (int b = 0; b < bars; ++b) {
            int len = 2 + scatter_next(s, std::max(1, spread * 2 / 3));
            int x = moon_x - spread + scatter_next(s, 2 * spread + 1) - len / 2;
            int centre = std::abs(x + len / 2 - moon_x) * 16 / std::max(1, spread);
            int k = 15 - centre / 3 - (y - horizon) * 5 / std::max(1, depth);
            for (int i = 0; i < len; ++i)
                put(c, x + i, y, dithered_shade(RAMP_SAND, k * 16 - i % 3 * 6, x + i, y));
        }
    }
}

void draw_lily_pad(Canvas &c, double cx, double cy, double rx, double ry, double notch_degrees)
{
    double thick = std::max(1.0, ry * 0.16);
    darken_ellipse(c, cx + rx * 0.05, cy + thick + ry * 0.3, rx * 1.04, ry * 0.95, 3);
    double na = notch_degrees * PI / 180;
    auto notched = [&](double u, double v) {
        double r = std::hypot(u, v);
        if (r < 0.06)
            return false;
        double d = std::acos(std::clamp((u * std::cos(na) + v * std::sin(na)) / r, -1.0, 1.0));
        return d < 0.22;
    };
    for (int y = int(cy - ry - 1); y <= int(cy + ry + thick + 1); ++y)
        for (int x = int(cx - rx - 1); x <= int(cx + rx + 1); ++x) {
            double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
            double vr = (y + 0.5 - cy - thick) / ry;
            bool top = u * u + v * v <= 1 && !notched(u, v);
            bool rim = u * u + vr * vr <= 1 && !notched(u, vr);
            if (top) {
                double r = std::hypot(u, v), a = std::atan2(v, u);
                // Moonlight catches the far side; veins run out from the stem.
                int level = int((6.5 - v * 2.5 - r * 1.0) * 16);
                double vein = std::fmod(a * 11 / (2 * PI) + 100.25, 1.0);
                if (r > 0.15 && vein < 0.09)
                    level -= 24;
                if (r > 0.88 && v < 0)
                    level += 40;
                put(c, x, y, dithered_shade(RAMP_GREEN, level, x, y));
            } else if (rim) {
                put(c, x, y, dithered_shade(RAMP_GREEN, int((2.5 - std::abs(u)) * 16), x, y));
            }
        }
}

void draw_lily_flower(Canvas &c, double cx, double cy, double size)
{
    // Lying petals, back ones first, then three upright ones, then the heart.
    const double lying[] = {-150, -110, -70, -30, 180, 0, 150, 30, 120, 60, 90};
    for (double deg : lying) {
        double a = deg * PI / 180;
        double dx = std::cos(a), dy = std::sin(a) * 0.5;
        double turn = std::atan2(dy, dx) * 180 / PI;
        int light = dy > 0 ? 14 : 11;
        shaded_ellipse(c, cx + dx * size * 0.55, cy + dy * size * 0.55, size * 0.55, size * 0.2,
                       RAMP_PINK, light - 6, light, turn);
    }
    const double upright[] = {-28, 28, 0};
    for (double tilt : upright) {
        double a = tilt * PI / 180;
        shaded_ellipse(c, cx + std::sin(a) * size * 0.35, cy - std::cos(a) * size * 0.3,
                       size * 0.16, size * 0.42, RAMP_PINK, 9, 15, tilt);
    }
    shaded_ellipse(c, cx, cy + size * 0.02, size * 0.16, size * 0.09, RAMP_GOLD, 9, 15);
}

void draw_reeds(Canvas &c, int x, int base, int height, int blades, unsigned seed)
{
    Scatter s{seed};
    const int dark = shade(RAMP_GREEN, 1), lit = shade(RAMP_OLIVE, 4);
    for (int i = 0; i < blades; ++i) {
        double x0 = x + scatter_next(s, 25) - 12;
        double h = height * (55 + scatter_next(s, 46)) / 100.0;
        double lean = scatter_next(s, 31) - 15;
        bool cattail = scatter_next(s, 3) == 0;
        if (cattail)
            lean /= 3;
        double x1 = x0 + lean, y1 = base - h;
        double mx = x0 + lean * 0.2, my = base - h * 0.6;
        // A moonlit left edge, then the blade itself.
        draw_curve(c, x0 - 1, base, mx - 1, my, x1 - 1, y1, cattail ? 1.0 : 1.6, 0.3, lit);
        draw_curve(c, x0, base, mx, my, x1, y1, cattail ? 1.0 : 1.6, 0.3, dark);
        if (cattail) {
            double hx = x0 + lean * 0.8, hy = base - h * 0.8;
            shaded_ellipse(c, hx, hy, 2.6, 7.5, RAMP_BROWN, 1, 7);
            draw_line(c, int(hx), int(hy - 7), int(hx + lean * 0.1), int(hy - 12), dark);
        }
    }
}

void draw_fireflies(Canvas &c, int x, int y, int w, int h, int count, unsigned seed)
{
    Scatter s{seed};
    for (int i = 0; i < count; ++i) {
        int fx = x + scatter_next(s, std::max(1, w)), fy = y + scatter_next(s, std::max(1, h));
        bool big = scatter_next(s, 3) == 0;
        glow(c, fx + 0.5, fy + 0.5, big ? 9 : 6, big ? 4 : 3);
        put(c, fx, fy, shade(RAMP_OLIVE, 15));
        if (big) {
            put(c, fx + 1, fy, shade(RAMP_GOLD, 13));
            put(c, fx - 1, fy, shade(RAMP_GOLD, 13));
            put(c, fx, fy + 1, shade(RAMP_GOLD, 13));
            put(c, fx, fy - 1, shade(RAMP_GOLD, 13));
        }
    }
}

void draw_vignette(Canvas &c, int strength)
{
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            double u = (x + 0.5) / c.w * 2 - 1, v = (y + 0.5) / c.h * 2 - 1;
            double d = std::sqrt(u * u * 0.7 + v * v * 0.7);
            if (d <= 0.72)
                continue;
            int sixteenths = int((d - 0.72) / 0.3 * strength * 16);
            int k = sixteenths / 16 + (sixteenths % 16 > bayer4(x, y) ? 1 : 0);
            put(c, x, y, darker(get(c, x, y), k));
        }
}

Canvas frog_front(int width, int ramp)
{
    const double s = width;
    const int margin = 2;
    Canvas f = sprite_canvas(width + 2 * margin, int(s * 0.86) + 2 * margin);
    const double cx = f.w / 2.0, base = f.h - margin;
    for (int side = -1; side <= 1; side += 2) {
        shaded_ellipse(f, cx + side * 0.3 * s, base - 0.19 * s, 0.19 * s, 0.16 * s, ramp, 3, 10);
        fill_ellipse(f, cx + side * 0.33 * s, base - 0.24 * s, 0.04 * s, 0.03 * s, shade(ramp, 3));
        fill_ellipse(f, cx + side * 0.25 * s, base - 0.14 * s, 0.03 * s, 0.025 * s, shade(ramp, 3));
        shaded_ellipse(f, cx + side * 0.37 * s, base - 0.04 * s, 0.14 * s, 0.045 * s, ramp, 3, 9);
        for (int t = 0; t < 3; ++t)
            shaded_ellipse(f, cx + side * (0.27 + 0.1 * t) * s, base - 0.02 * s, 0.03 * s,
                           0.025 * s, ramp, 5, 11);
    }
    shaded_ellipse(f, cx, base - 0.28 * s, 0.29 * s, 0.26 * s, ramp, 3, 11);
    shaded_ellipse(f, cx, base - 0.21 * s, 0.19 * s, 0.16 * s, RAMP_OLIVE, 8, 14);
    for (int side = -1; side <= 1; side += 2) {
        shaded_ellipse(f, cx + side * 0.17 * s, base - 0.13 * s, 0.05 * s, 0.12 * s, ramp, 4, 11,
                       side * 12);
        shaded_ellipse(f, cx + side * 0.17 * s, base - 0.025 * s, 0.075 * s, 0.03 * s, ramp, 5, 12);
    }
    shaded_ellipse(f, cx, base - 0.52 * s, 0.37 * s, 0.2 * s, ramp, 4, 12);
    for (int side = -1; side <= 1; side += 2) {
        double ex = cx + side * 0.21 * s, ey = base - 0.69 * s;
        shaded_ellipse(f, ex, ey, 0.125 * s, 0.115 * s, ramp, 4, 12);
        shaded_ellipse(f, ex, ey - 0.01 * s, 0.09 * s, 0.085 * s, RAMP_GOLD, 6, 15);
        fill_ellipse(f, ex + side * 0.01 * s, ey, 0.065 * s, 0.032 * s, shade(RAMP_GREY, 0));
        fill_ellipse(f, ex - 0.035 * s, ey - 0.045 * s, std::max(0.8, 0.02 * s),
                     std::max(0.8, 0.02 * s), shade(RAMP_GREY, 15));
        fill_ellipse(f, cx + side * 0.27 * s, base - 0.47 * s, 0.05 * s, 0.022 * s, shade(RAMP_PINK, 9));
        put(f, int(cx + side * 0.05 * s), int(base - 0.6 * s), shade(ramp, 1));
    }
    draw_curve(f, cx - 0.27 * s, base - 0.52 * s, cx, base - 0.38 * s, cx + 0.27 * s,
               base - 0.52 * s, std::max(0.5, s * 0.008), std::max(0.5, s * 0.008), shade(ramp, 1));
    outline_sprite(f, shade(ramp, 0));
    return f;
}

Canvas frog_side(int width, int ramp)
{
    const double s = width;
    const int margin = 2;
    Canvas f = sprite_canvas(width + 2 * margin, int(s * 0.62) + 2 * margin);
    const double x0 = margin, base = f.h - margin;
    auto X = [&](double k) { return x0 + k * s; };
    auto Y = [&](double k) { return base - k * s; };
    shaded_ellipse(f, X(0.42), Y(0.035), 0.22 * s, 0.035 * s, ramp, 3, 9);     // long back foot
    for (int t = 0; t < 3; ++t)
        shaded_ellipse(f, X(0.6 + 0.035 * t), Y(0.025 - 0.004 * t), 0.03 * s, 0.02 * s, ramp, 4, 10);
    shaded_ellipse(f, X(0.26), Y(0.2), 0.2 * s, 0.14 * s, ramp, 3, 10, -25);   // thigh
    shaded_ellipse(f, X(0.44), Y(0.3), 0.3 * s, 0.2 * s, ramp, 3, 11, -16);    // body
    shaded_ellipse(f, X(0.5), Y(0.18), 0.22 * s, 0.08 * s, RAMP_OLIVE, 8, 13, -14);  // belly
    shaded_ellipse(f, X(0.7), Y(0.42), 0.21 * s, 0.14 * s, ramp, 4, 12, -6);   // head
    for (int k = 0; k < 3; ++k)
        fill_ellipse(f, X(0.3 + 0.12 * k), Y(0.38 + 0.02 * k), 0.035 * s, 0.022 * s, shade(ramp, 3));
    ellipse_ring(f, X(0.6), Y(0.45), 0.04 * s, 0.04 * s, shade(ramp, 3));      // eardrum
    shaded_ellipse(f, X(0.73), Y(0.55), 0.1 * s, 0.09 * s, ramp, 4, 12);       // eye bump
    shaded_ellipse(f, X(0.745), Y(0.56), 0.07 * s, 0.065 * s, RAMP_GOLD, 6, 15);
    fill_ellipse(f, X(0.755), Y(0.555), 0.045 * s, 0.025 * s, shade(RAMP_GREY, 0));
    fill_ellipse(f, X(0.73), Y(0.59), std::max(0.8, 0.015 * s), std::max(0.8, 0.015 * s),
                 shade(RAMP_GREY, 15));
    draw_curve(f, X(0.9), Y(0.39), X(0.76), Y(0.33), X(0.6), Y(0.36), 0.5, 0.5, shade(ramp, 1));
    put(f, int(X(0.87)), int(Y(0.49)), shade(ramp, 1));                         // nostril
    shaded_ellipse(f, X(0.73), Y(0.14), 0.035 * s, 0.12 * s, ramp, 4, 11, 18);  // front leg
    shaded_ellipse(f, X(0.79), Y(0.025), 0.07 * s, 0.025 * s, ramp, 5, 12);
    outline_sprite(f, shade(ramp, 0));
    return f;
}

namespace {
const int ghost_body = 15;  // grey 15 marks pixels the night shows through
}

Canvas frog_ghost_shape(int width)
{
    const double s = width;
    Canvas g = sprite_canvas(width + 4, int(s * 1.25) + 4);
    const double cx = g.w / 2.0, top = 2;
    auto Y = [&](double k) { return top + k * s; };
    // Wispy tail: one strand curling away under the body, a thinner one beside it.
    draw_curve(g, cx, Y(0.6), cx + 0.32 * s, Y(0.95), cx - 0.04 * s, Y(1.22), 0.24 * s, 0.6, ghost_body);
    draw_curve(g, cx - 0.12 * s, Y(0.68), cx - 0.32 * s, Y(0.9), cx - 0.2 * s, Y(1.04), 0.1 * s, 0.5,
               ghost_body);
    fill_ellipse(g, cx, Y(0.5), 0.3 * s, 0.24 * s, ghost_body);
    // Arms raised to haunt.
    for (int side = -1; side <= 1; side += 2) {
        draw_curve(g, cx + side * 0.22 * s, Y(0.48), cx + side * 0.46 * s, Y(0.5), cx + side * 0.47 * s,
                   Y(0.24), 0.07 * s, 0.04 * s, ghost_body);
        for (int t = -1; t <= 1; ++t)
            fill_ellipse(g, cx + side * (0.47 + t * 0.04) * s, Y(0.19 - std::abs(t) * 0.01 * 0), 0.025 * s,
                         0.04 * s, ghost_body, t * 25);
    }
    fill_ellipse(g, cx, Y(0.3), 0.34 * s, 0.19 * s, ghost_body);
    for (int side = -1; side <= 1; side += 2) {
        double ex = cx + side * 0.19 * s, ey = Y(0.14);
        fill_ellipse(g, ex, ey, 0.12 * s, 0.11 * s, ghost_body);
        // Hollow eyes with a faint ember in each.
        fill_ellipse(g, ex, ey + 0.01 * s, 0.075 * s, 0.07 * s, shade(RAMP_NIGHT, 0));
        fill_ellipse(g, ex + side * 0.01 * s, ey + 0.02 * s, 0.025 * s, 0.022 * s, shade(RAMP_RED, 11));
    }
    // A sagging, wavering mouth.
    for (int i = 0; i <= 20; ++i) {
        double t = i / 20.0, x = cx + (t - 0.5) * 0.44 * s;
        double y = Y(0.36) - std::sin(t * PI) * 0.05 * s + std::sin(t * 4 * PI) * 0.012 * s;
        put(g, int(x), int(y), shade(RAMP_NIGHT, 1));
    }
    outline_sprite(g, shade(RAMP_SKY, 12));
    return g;
}

void blit_ghost(Canvas &dst, const Canvas &shape, int x, int y)
{
    for (int j = 0; j < shape.h; ++j)
        for (int i = 0; i < shape.w; ++i) {
            int p = shape.px[size_t(j) * shape.w + i];
            if (p == KEY)
                continue;
            int under = get(dst, x + i, y + j);
            if (under < 0)
                continue;
            if (p == ghost_body) {
                // Pale and cold, with the picture behind it faintly showing.
                int k = 7 + shade_of(under) / 2 + (j * 3 < shape.h ? 1 : 0) - (j * 4 > shape.h * 3);
                put(dst, x + i, y + j, shade(RAMP_STONE, std::min(k, 12)));
            } else {
                put(dst, x + i, y + j, p);
            }
        }
}

}  // namespace gfx
