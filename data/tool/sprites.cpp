// The frogs' and effects' sheet "tank": every animation of the frogs (drawn
// facing right; the game mirrors them) and every projectile, puff and piece
// of debris, with the table that tells the game where each frame lies.
#include "art.h"
#include "canvas.h"
#include "generators.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace art;

namespace {

constexpr double PI = 3.14159265358979;

// Every frog frame has the same size: a frog's foot is its centre plus half
// the entry's height, so a different height in one animation would lift it
// off or sink it through the floor it stands on when the animation changes.
constexpr int FROG_W = 30, FROG_H = 24;

enum Eye { EYE_OPEN, EYE_SHUT, EYE_HURT, EYE_DIZZY, EYE_WIDE };
enum Mouth { MOUTH_SHUT, MOUTH_OPEN, MOUTH_TONGUE };
enum Skin { SKIN_FROG, SKIN_GHOST, SKIN_SCORCHED, SKIN_SHOCKED, SKIN_SLIMED };

struct Pose {
    double bx = 0, by = 0;  // body shift
    double tilt = 0;        // radians, nose up when positive
    double sx = 1, sy = 1;  // squash and stretch
    // Leg and arm joints, degrees on screen: 0 forward, 90 down, 180 back.
    double thigh = 15, shin = 165, foot = 0;
    double arm = 80, hand = 5;
    Eye eye = EYE_OPEN;
    Mouth mouth = MOUTH_SHUT;
    double sac = 0;  // vocal sac, 0 none to 1 full
    Skin skin = SKIN_FROG;
    int phase = 0;   // small per-frame variations (ghost tail, sparks)
};

// Body space: origin at the middle of the body, x forward, y down.
struct Body {
    double cx, cy, t, sx, sy;
    void at(double px, double py, double *x, double *y) const
    {
        px *= sx;
        py *= sy;
        *x = cx + px * std::cos(t) + py * std::sin(t);
        *y = cy - px * std::sin(t) + py * std::cos(t);
    }
};

double rad(double deg) { return deg * PI / 180.0; }

// A limb from a joint along a screen angle.
void step(double x, double y, double deg, double len, double *ox, double *oy)
{
    *ox = x + len * std::cos(rad(deg));
    *oy = y + len * std::sin(rad(deg));
}

// Paints one frog into a scratch canvas; the body's middle sits at (cx, cy).
void paint_frog(Canvas &c, double cx, double cy, const Pose &p)
{
    const Body b{cx + p.bx, cy + p.by, p.tilt, p.sx, p.sy};
    const bool ghost = p.skin == SKIN_GHOST;
    const int ramp = ghost ? SKY : p.skin == SKIN_SCORCHED ? STONE : GREEN;
    const int lift = ghost ? 4 : p.skin == SKIN_SCORCHED ? -4 : 0;
    const int base = 9 + lift;
    const int dark = shade(ramp, 4 + lift), mid = shade(ramp, 8 + lift);
    const double ang = -p.tilt;
    double x, y, x2, y2, x3, y3, x4, y4;

    // Far arm, a shade darker, behind the body.
    b.at(4, 3, &x, &y);
    step(x, y, p.arm + 12, 4.5 * p.sy, &x2, &y2);
    capsule(c, x, y, x2, y2, 1.3, dark);
    step(x2, y2, p.hand, 2.5, &x3, &y3);
    capsule(c, x2, y2, x3, y3, 1.0, dark);

    // Body: rump and head, then the pale belly.
    b.at(-3, 1, &x, &y);
    shaded_ellipse(c, x, y, 9 * p.sx, 6 * p.sy, ramp, base, ang + 0.12);
    b.at(6, -2, &x, &y);
    shaded_ellipse(c, x, y, 7 * p.sx, 5 * p.sy, ramp, base + 1, ang - 0.1);
    if (!ghost) {
        b.at(1.5, 4.2, &x, &y);
        int belly = p.skin == SKIN_SCORCHED ? STONE : SAND;
        shaded_ellipse(c, x, y, 8 * p.sx, 2.4 * p.sy, belly, p.skin == SKIN_SCORCHED ? 4 : 11,
                       ang - 0.05);
    }
    // Vocal sac under the chin while croaking.
    if (p.sac > 0) {
        b.at(7.5, 4.5, &x, &y);
        shaded_ellipse(c, x, y, 2.5 + 3 * p.sac, 1.8 + 2.6 * p.sac, SAND, 12);
    }
    // Back spots.
    if (!ghost) {
        int spot = shade(ramp, 5 + lift);
        const double spots[][3] = {{-6, -3, 1.4}, {-1.5, -4.2, 1.1}, {-9, 0.5, 1.0}, {2.5, -5, 0.8}};
        for (auto &s : spots) {
            b.at(s[0], s[1], &x, &y);
            ellipse(c, x, y, s[2] + 0.3, s[2], spot);
        }
    }

    if (ghost) {
        // A wisp instead of legs.
        b.at(-10, 2, &x, &y);
        for (int i = 0; i < 7; ++i) {
            double wob = std::sin((i + p.phase) * 1.4) * 1.5;
            double r = 3.2 - i * 0.4;
            ellipse(c, x - i * 1.8, y + 1 + wob, r, r * 0.8, shade(SKY, 11 - i / 2));
        }
    } else {
        // Hind leg: a thick thigh, a shin and a long webbed foot.
        b.at(-8, 3, &x, &y);
        step(x, y, p.thigh, 6.5, &x2, &y2);
        double tx = (x + x2) / 2, ty = (y + y2) / 2;
        shaded_ellipse(c, tx, ty, 4.8, 3.0, ramp, base, -rad(p.thigh));
        step(x2, y2, p.shin, 6.5, &x3, &y3);
        capsule(c, x2, y2, x3, y3, 1.5, mid);
        step(x3, y3, p.foot, 5.5, &x4, &y4);
        capsule(c, x3, y3, x4, y4, 1.0, shade(ramp, 7 + lift));
        // Three toes fanning out at the tip.
        for (int k = -1; k <= 1; ++k) {
            double tx2, ty2;
            step(x4, y4, p.foot + k * 30, 2.0, &tx2, &ty2);
            capsule(c, x4, y4, tx2, ty2, 0.7, shade(ramp, 7 + lift));
        }
    }

    // Near arm.
    b.at(5, 3.5, &x, &y);
    step(x, y, p.arm, 4.5 * p.sy, &x2, &y2);
    capsule(c, x, y, x2, y2, 1.4, shade(ramp, 9 + lift));
    step(x2, y2, p.hand, 3.0, &x3, &y3);
    capsule(c, x2, y2, x3, y3, 1.0, shade(ramp, 8 + lift));

    // Eye on its bump.
    b.at(6, -6.8, &x, &y);
    shaded_ellipse(c, x, y, 3.4, 3.2, ramp, base + 1);
    b.at(6.8, -7.2, &x, &y);
    const int white = ghost ? shade(GREY, 15) : shade(GREY, 14);
    switch (p.eye) {
    case EYE_OPEN:
    case EYE_WIDE:
        ellipse(c, x, y, p.eye == EYE_WIDE ? 2.7 : 2.3, p.eye == EYE_WIDE ? 2.7 : 2.3,
                ghost ? white : shade(GOLD, 10));
        if (ghost) {
            ellipse(c, x + 0.6, y, 1.1, 1.1, shade(SKY, 3));
        } else {
            put(c, int(x + 0.5), int(y), shade(GREY, 0));
            put(c, int(x + 1.5), int(y), shade(GREY, 0));
            if (p.eye == EYE_WIDE)
                put(c, int(x + 0.5), int(y + 1), shade(GREY, 0));
            put(c, int(x - 0.5), int(y - 1), white);
        }
        break;
    case EYE_SHUT:
        line(c, int(x - 2), int(y), int(x + 2), int(y + 0.5), shade(ramp, 2 + lift));
        break;
    case EYE_HURT:
        ellipse(c, x, y, 2.4, 2.4, white);
        line(c, int(x - 1), int(y - 1), int(x + 1), int(y + 1), shade(GREY, 0));
        line(c, int(x - 1), int(y + 1), int(x + 1), int(y - 1), shade(GREY, 0));
        break;
    case EYE_DIZZY:
        ellipse(c, x, y, 2.4, 2.4, white);
        put(c, int(x), int(y), shade(GREY, 0));
        put(c, int(x - 1), int(y - 1), shade(GREY, 3));
        put(c, int(x + 1), int(y + 1), shade(GREY, 3));
        break;
    }

    // Mouth and nostril.
    b.at(12.8, -0.5, &x, &y);
    b.at(3.5, 0.8, &x2, &y2);
    const int lip = shade(ramp, 2 + lift);
    if (p.mouth == MOUTH_SHUT) {
        line(c, int(x), int(y), int(x2), int(y2), lip);
    } else {
        b.at(8, 2.2, &x3, &y3);
        ellipse(c, (x + x2) / 2 + 1, (y + y2) / 2 + 1, 4, 1.7, shade(RED, 3), ang);
        ellipse(c, (x + x2) / 2 + 1, (y + y2) / 2 + 1.6, 2.6, 0.9, shade(PINK, 9), ang);
        line(c, int(x), int(y), int(x2), int(y2), lip);
        if (p.mouth == MOUTH_TONGUE) {
            capsule(c, x - 1, y + 1, x + 5, y + 1.5, 1.0, shade(PINK, 10));
            ellipse(c, x + 5.5, y + 1.5, 1.6, 1.6, shade(PINK, 12));
        }
    }
    b.at(12, -3.6, &x, &y);
    put(c, int(x), int(y), lip);
}

// The frog's scratch area is larger than a frame so limbs never clip while
// painting; the same window is then cut out for every frame, which keeps
// the feet of a sitting frog on the frame's bottom edge.
constexpr int SCRATCH_W = 44, SCRATCH_H = 38;
constexpr double BODY_X = 21, BODY_Y = 21;
int g_cut_x = 0, g_cut_y = 0;

Canvas frog_raw(const Pose &p)
{
    Canvas c = canvas_new(SCRATCH_W, SCRATCH_H, KEY);
    paint_frog(c, BODY_X, BODY_Y, p);
    return c;
}

void calibrate_cut()
{
    Canvas c = frog_raw(Pose{});
    int top = SCRATCH_H, bottom = 0, left = SCRATCH_W, right = 0;
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x)
            if (get(c, x, y) != KEY) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    // Feet on row FROG_H-2, the outline under them on the last row.
    g_cut_y = bottom - (FROG_H - 2);
    g_cut_x = (left + right + 1) / 2 - FROG_W / 2;
}

int outline_colour(Skin s)
{
    switch (s) {
    case SKIN_GHOST: return shade(SKY, 6);
    case SKIN_SCORCHED: return shade(GREY, 1);
    case SKIN_SHOCKED: return shade(GOLD, 13);
    default: return shade(GREEN, 1);
    }
}

void ghostly(Canvas &f, int phase)
{
    // See-through lower half: every other pixel gone, and a faint halo.
    for (int y = f.h / 2; y < f.h; ++y)
        for (int x = 0; x < f.w; ++x)
            if (((x + y + phase) & 1) && get(f, x, y) != KEY && y > f.h * 2 / 3)
                put(f, x, y, KEY);
}

void slime(Canvas &f, int phase)
{
    Rng r{uint32_t(77 + phase)};
    for (int k = 0; k < 9; ++k) {
        int x = range(r, 9, 25), y = range(r, 3, 9);
        int top = y;
        while (top > 0 && get(f, x, top - 1) != KEY)
            --top;
        int len = range(r, 2, 5) + phase;
        for (int j = 0; j < len; ++j)
            put(f, x, top + j, shade(OLIVE, 12 - j / 2));
        put(f, x, top + len, shade(OLIVE, 9));
    }
}

void shocked(Canvas &f, int phase)
{
    if (phase == 0) {
        // X-ray flash: the frog glows pale and its bones show.
        for (auto &px : f.px)
            if (px != KEY)
                px = uint8_t(shade(GOLD, 14));
        const int bone = shade(PURPLE, 4);
        line(f, 7, 14, 20, 12, bone);            // spine
        for (int k = 0; k < 4; ++k)
            line(f, 9 + k * 3, 11, 9 + k * 3, 15, bone);  // ribs
        ellipse(f, 21.5, 8.5, 3.5, 3, bone);     // skull
        ellipse(f, 21.5, 7.5, 1, 1, shade(GOLD, 14));
        ellipse(f, 23.5, 7.5, 1, 1, shade(GOLD, 14));
        line(f, 6, 17, 3, 21, bone);
        line(f, 3, 21, 9, 21, bone);
    }
    // Sparks around the frog.
    Rng r{uint32_t(5 + phase * 31)};
    for (int k = 0; k < 6; ++k) {
        int x = range(r, 1, FROG_W - 2), y = range(r, 1, FROG_H - 3);
        if (get(f, x, y) == KEY) {
            put(f, x, y, shade(GOLD, 15));
            put(f, x + 1, y - 1, shade(SKY, 13));
        }
    }
}

void smoke(Canvas &f, int phase)
{
    for (int k = 0; k < 3; ++k) {
        double x = 12 + k * 3 + phase, y = 4 - k * 1.5 + phase;
        ellipse(f, x, y, 2.2 - k * 0.4, 1.8 - k * 0.4, shade(GREY, 7 + k * 2));
    }
}

Canvas frog_frame(const Pose &p)
{
    Canvas raw = frog_raw(p);
    Canvas f = crop(raw, g_cut_x, g_cut_y, FROG_W, FROG_H);
    if (p.skin == SKIN_SHOCKED)
        shocked(f, p.phase);
    outline(f, outline_colour(p.skin));
    switch (p.skin) {
    case SKIN_GHOST: ghostly(f, p.phase); break;
    case SKIN_SLIMED: slime(f, p.phase); break;
    case SKIN_SCORCHED: smoke(f, p.phase); break;
    default: break;
    }
    return f;
}

// A frog seen from the front, for the turn.
Canvas frog_front(int blink)
{
    Canvas c = canvas_new(FROG_W, FROG_H, KEY);
    const double m = FROG_W / 2.0;
    // Legs folded to both sides, feet splayed.
    for (int s = -1; s <= 1; s += 2) {
        shaded_ellipse(c, m + s * 8.5, 17.5, 4.5, 3.5, GREEN, 8, s * 0.5);
        capsule(c, m + s * 8, 21.5, m + s * 12.5, 21.8, 1.1, shade(GREEN, 7));
        capsule(c, m + s * 3, 20, m + s * 4.5, 21.5, 1.2, shade(GREEN, 9));
    }
    shaded_ellipse(c, m, 14.5, 9.5, 7, GREEN, 9);
    shaded_ellipse(c, m, 17.5, 6, 3.5, SAND, 11);
    for (int s = -1; s <= 1; s += 2) {
        shaded_ellipse(c, m + s * 5.5, 7.5, 3.5, 3.3, GREEN, 10);
        if (blink) {
            line(c, int(m + s * 5.5 - 2), 7, int(m + s * 5.5 + 2), 7, shade(GREEN, 2));
        } else {
            ellipse(c, m + s * 5.5, 7, 2.3, 2.3, shade(GOLD, 10));
            put(c, int(m + s * 5.5), 7, 0);
            put(c, int(m + s * 5.5 - 1), 7, 0);
        }
    }
    line(c, int(m - 6), 14, int(m + 5), 14, shade(GREEN, 2));
    put(c, int(m - 7), 13, shade(GREEN, 2));
    put(c, int(m + 6), 13, shade(GREEN, 2));
    outline(c, shade(GREEN, 1));
    return c;
}

// ---------------------------------------------------------------- effects

Canvas blank(int w, int h) { return canvas_new(w, h, KEY); }

Canvas droplet(int w, int h, int ramp, int frame)
{
    Canvas c = blank(w, h);
    double cx = w / 2.0 + 0.5, cy = h / 2.0;
    shaded_ellipse(c, cx, cy, w / 2.0 - 1.2 + (frame & 1) * 0.3, h / 2.0 - 1.2, ramp, 10);
    put(c, int(cx) - 1, int(cy) - 1, shade(ramp, 15));
    outline(c, shade(ramp, 3));
    return c;
}

// Weapon 0's hurting stage: a slime ball with a tail of drops behind it.
Canvas slime_ball(int frame)
{
    Canvas c = blank(18, 12);
    for (int k = 0; k < 3; ++k)
        ellipse(c, 4 - k * 1.5 + (frame + k) % 2, 6 + ((frame + k) % 3 - 1), 1.8 - k * 0.4,
                1.5 - k * 0.3, shade(OLIVE, 11 - k));
    shaded_ellipse(c, 11, 6, 5.5 + (frame == 1) * 0.6, 4.4 - (frame == 1) * 0.5, OLIVE, 11);
    put(c, 10, 4, shade(OLIVE, 15));
    put(c, 11, 4, shade(OLIVE, 15));
    outline(c, shade(GREEN, 2));
    return c;
}

Canvas splat(int w, int h, int ramp, int frame, uint32_t seed)
{
    Canvas c = blank(w, h);
    Rng r{seed};
    double cx = w / 2.0, cy = h / 2.0;
    int n = 9;
    for (int k = 0; k < n; ++k) {
        double a = 2 * PI * k / n + unit(r) * 0.5;
        double d = (2.0 + frame * 2.2) * (0.7 + unit(r) * 0.5);
        double rr = std::max(0.7, 2.0 - frame * 0.45);
        ellipse(c, cx + std::cos(a) * d, cy + std::sin(a) * d * 0.8, rr, rr, shade(ramp, 12 - frame));
    }
    if (frame == 0)
        shaded_ellipse(c, cx, cy, 3, 2.5, ramp, 11);
    return c;
}

Canvas bubble(int size, int frame)
{
    Canvas c = blank(size, size);
    double m = size / 2.0, r = size / 2.0 - 1;
    double wob = (frame % 3 - 1) * 0.6;
    // Thin bright rim, hollow inside with a faint fill and a shine.
    ellipse(c, m, m, r + wob, r - wob, shade(SKY, 13));
    ellipse(c, m, m, r - 1 + wob, r - 1 - wob, shade(SKY, 4));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (get(c, x, y) == shade(SKY, 4) && ((x + y) & 1))
                put(c, x, y, KEY);
    ellipse(c, m - r * 0.4, m - r * 0.4, r * 0.25, r * 0.2, shade(GREY, 15), -0.6);
    if (size >= 12)
        put(c, int(m + r * 0.4), int(m + r * 0.35), shade(GREY, 15));
    return c;
}

Canvas bubble_burst(int size, int frame)
{
    Canvas c = blank(size, size);
    double m = size / 2.0;
    int n = 10;
    for (int k = 0; k < n; ++k) {
        double a = 2 * PI * k / n + frame * 0.2;
        double d = 3 + frame * 2.3;
        ellipse(c, m + std::cos(a) * d, m + std::sin(a) * d, 1.2 - frame * 0.2, 1.2 - frame * 0.2,
                shade(SKY, 14 - frame * 2));
    }
    return c;
}

// Weapon 2: a crackling ball of lightning with a burning tail.
Canvas storm_orb(int frame)
{
    Canvas c = blank(26, 16);
    for (int k = 0; k < 6; ++k) {
        double x = 10 - k * 1.7, y = 8 + std::sin(k * 1.3 + frame) * 1.2;
        ellipse(c, x, y, 3.6 - k * 0.5, 3 - k * 0.4, shade(k < 3 ? ORANGE : RED, 12 - k));
    }
    ellipse(c, 17, 8, 7, 6.2, shade(PURPLE, 9));
    ellipse(c, 17, 8, 5.6, 5, shade(PURPLE, 13));
    ellipse(c, 17, 8, 4, 3.6, shade(GOLD, 13));
    ellipse(c, 17, 8, 2.2, 2, shade(GREY, 15));
    Rng r{uint32_t(900 + frame * 17)};
    for (int k = 0; k < 4; ++k) {
        double a = unit(r) * 2 * PI;
        int x0 = int(17 + std::cos(a) * 4), y0 = int(8 + std::sin(a) * 3.5);
        int x1 = int(17 + std::cos(a) * 8.5), y1 = int(8 + std::sin(a) * 7.5);
        int xm = (x0 + x1) / 2 + range(r, -1, 1), ym = (y0 + y1) / 2 + range(r, -1, 1);
        line(c, x0, y0, xm, ym, shade(GREY, 15));
        line(c, xm, ym, x1, y1, shade(SKY, 14));
    }
    outline(c, shade(PURPLE, 3));
    return c;
}

Canvas dust(int frame)
{
    Canvas c = blank(12, 8);
    const double rs[3][3] = {{2.0, 2.2, 1.6}, {2.6, 2.8, 2.2}, {2.0, 2.4, 1.8}};
    const int k = 12 - frame * 2;
    ellipse(c, 3.5, 5, rs[frame][0], rs[frame][0] * 0.8, shade(SAND, k));
    ellipse(c, 6.5, 4.2, rs[frame][1], rs[frame][1] * 0.8, shade(SAND, k + 1));
    ellipse(c, 9, 5.2, rs[frame][2], rs[frame][2] * 0.8, shade(SAND, k - 1));
    if (frame == 2)
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x)
                if ((x + y) & 1)
                    put(c, x, y, KEY);
    return c;
}

Canvas star(int size, int frame, int ramp_a, int ramp_b, int points)
{
    Canvas c = blank(size, size);
    double m = size / 2.0, outer = m - 0.5 - (frame == 1 ? 1.5 : 0), inner = outer * 0.45;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            double dx = x + 0.5 - m, dy = y + 0.5 - m;
            double a = std::atan2(dy, dx) + frame * 0.4, d = std::sqrt(dx * dx + dy * dy);
            double t = std::fabs(std::fmod(a * points / (2 * PI) + 100.5, 1.0) - 0.5) * 2;  // 0 at a point
            double edge = inner + (outer - inner) * (1 - t);
            if (d <= edge)
                put(c, x, y, d < edge * 0.55 ? shade(ramp_b, 15) : shade(ramp_a, 12 - frame));
        }
    outline(c, shade(ramp_a, 4));
    return c;
}

Canvas puff(int w, int h, int frame)
{
    Canvas c = blank(w, h);
    int n = 7;
    for (int k = 0; k < n; ++k) {
        double a = 2 * PI * k / n;
        double d = 2.5 + frame * 1.6;
        double r = 2.6 - frame * 0.5;
        ellipse(c, w / 2.0 + std::cos(a) * d * 1.2, h / 2.0 + std::sin(a) * d * 0.8, r, r * 0.9,
                shade(GREY, 14 - frame * 2));
    }
    outline(c, shade(GREY, 8));
    return c;
}

Canvas foam(int frame)
{
    Canvas c = blank(20, 20);
    Rng r{uint32_t(41)};
    for (int k = 0; k < 7; ++k) {
        double x = 3 + unit(r) * 14, y = 16 - unit(r) * 6 - frame * 3 - k * 0.6;
        double rad_ = 1 + unit(r) * 1.8;
        if (frame == 2 && (k & 1))
            continue;
        ellipse(c, x, y, rad_, rad_, shade(SKY, 13));
        put(c, int(x), int(y), KEY);
    }
    return c;
}

Canvas chunk(int frame, int ramp, int kind)
{
    Canvas c = blank(10, 10);
    double a = frame * PI / 2;
    if (kind == 0) {
        // A leaf of the frog's lily pad, spinning.
        ellipse(c, 5, 5, 4, 2, shade(ramp, 10), a);
        line(c, int(5 - std::cos(a) * 3), int(5 - std::sin(a) * 3), int(5 + std::cos(a) * 3),
             int(5 + std::sin(a) * 3), shade(ramp, 6));
    } else {
        // A tumbling pebble of slime.
        shaded_ellipse(c, 5, 5, 3, 2.2, ramp, 10, a);
    }
    outline(c, shade(ramp, 2));
    return c;
}

Canvas sparkle(int frame)
{
    Canvas c = blank(9, 9);
    int r = frame == 1 ? 4 : 3;
    line(c, 4 - r, 4, 4 + r, 4, shade(GOLD, 13));
    line(c, 4, 4 - r, 4, 4 + r, shade(GOLD, 13));
    if (frame != 1) {
        put(c, 3, 3, shade(GOLD, 11));
        put(c, 5, 5, shade(GOLD, 11));
        put(c, 5, 3, shade(GOLD, 11));
        put(c, 3, 5, shade(GOLD, 11));
    }
    put(c, 4, 4, shade(GREY, 15));
    return c;
}

Canvas green_burst(int frame)
{
    Canvas c = blank(24, 18);
    Rng r{uint32_t(9)};
    for (int k = 0; k < 12; ++k) {
        double a = unit(r) * 2 * PI, d = (1 + unit(r) * 3) * (1 + frame);
        double rr = 2.5 - frame * 0.6;
        ellipse(c, 12 + std::cos(a) * d, 9 + std::sin(a) * d * 0.7, rr, rr,
                shade(GREEN, 12 - frame * 2 + (k & 1)));
    }
    if (frame < 2)
        ellipse(c, 12, 9, 4 - frame * 1.5, 3 - frame, shade(GREY, 15));
    return c;
}

// ------------------------------------------------------------ the table

struct Entry {
    const char *name;
    // offset_x, offset_y, z, o, kind, direction, speed, frame_delay, duration, sound, palette
    int offset_x, offset_y, z, o, kind, direction, speed, frame_delay, duration, sound, palette;
    std::vector<Canvas> frames;
};

Pose sit() { return Pose{}; }

std::vector<Entry> build_entries()
{
    std::vector<Entry> e(28);
    auto frog = [](std::initializer_list<Pose> poses) {
        std::vector<Canvas> v;
        for (const Pose &p : poses)
            v.push_back(frog_frame(p));
        return v;
    };

    // A hop cycle: crouch, push off, fly, reach down, land, settle.
    Pose w0 = sit(); w0.by = 0.5;
    Pose w1; w1.tilt = 0.25; w1.by = -2; w1.thigh = 70; w1.shin = 130; w1.foot = 100; w1.arm = 40; w1.hand = -10;
    Pose w2; w2.tilt = 0.12; w2.by = -4; w2.thigh = 150; w2.shin = 165; w2.foot = 170; w2.arm = 20; w2.hand = 0; w2.sx = 1.06; w2.sy = 0.95;
    Pose w3; w3.tilt = -0.08; w3.by = -3.5; w3.thigh = 120; w3.shin = 170; w3.foot = 100; w3.arm = 70; w3.hand = 20;
    Pose w4; w4.tilt = -0.12; w4.by = -1; w4.thigh = 40; w4.shin = 170; w4.foot = 10; w4.arm = 95; w4.hand = 5;
    Pose w5 = sit(); w5.by = 1; w5.sy = 0.93; w5.sx = 1.04;
    e[0] = {"walk and run", 0, 0, 0, 0, 0, 6, 0, 2, 0, 0, 0, frog({w0, w1, w2, w3, w4, w5})};

    e[1] = {"turn", 0, 0, 0, 0, 0, 6, 0, 0, 3, 0, 0, {frog_front(0), frog_front(1)}};

    Pose j0; j0.tilt = 0.55; j0.by = -2; j0.thigh = 110; j0.shin = 100; j0.foot = 95; j0.arm = -30; j0.hand = -40; j0.sy = 1.05;
    Pose j1; j1.tilt = 0.45; j1.by = -3; j1.thigh = 130; j1.shin = 120; j1.foot = 110; j1.arm = -50; j1.hand = -60; j1.sx = 0.95; j1.sy = 1.08; j1.eye = EYE_WIDE;
    Pose j2; j2.tilt = 0.15; j2.by = -3; j2.thigh = 60; j2.shin = 170; j2.foot = 60; j2.arm = 20; j2.hand = 30;
    e[2] = {"jump", 0, 0, 0, 0, 0, 9, 0, 3, 15, 0, 0, frog({j0, j1, j2})};

    // Weapon 1: a bubble that grows into a pushing wobbly ball and bursts.
    e[3] = {"bubble, harmless first stage", 2, -1, 0, 0, 0, 6, 5, 1, 3,
            0, 0, {bubble(7, 0), bubble(7, 1)}};
    e[4] = {"bubble, second stage (hurts, pushes)", 4, 0, 0, 0, 0, 6, 6, 1, 10,
            0, 0, {bubble(16, 0), bubble(16, 1), bubble(16, 2)}};

    Pose s0 = sit();
    Pose s1 = sit(); s1.sac = 0.35;
    Pose s2 = sit();
    Pose s3 = sit(); s3.eye = EYE_SHUT;
    e[5] = {"stand", 0, 0, 0, 0, 0, 6, 0, 6, 0, 0, 0, frog({s0, s1, s2, s3})};

    Pose p0 = sit(); p0.tilt = 0.22; p0.sac = 1.0; p0.arm = 95;
    Pose p1 = sit(); p1.tilt = 0.22; p1.sac = 0.5; p1.arm = 95; p1.mouth = MOUTH_SHUT;
    e[6] = {"start pose, croaking", 0, 0, 0, 0, 0, 3, 0, 1, 0, 0, 0, frog({p0, p1})};

    e[7] = {"dust", 8, 9, 0, 0, 0, 4, 2, 1, 6, 0, 0, {dust(0), dust(1), dust(2)}};

    e[8] = {"slime ball, second stage (hurts)", 4, 0, 0, 0, 0, 6, 8, 1, 10,
            0, 0, {slime_ball(0), slime_ball(1)}};

    Pose h90; h90.tilt = 0.55; h90.by = -2; h90.thigh = -10; h90.shin = 60; h90.foot = 10; h90.arm = -20; h90.hand = -70; h90.eye = EYE_HURT; h90.mouth = MOUTH_OPEN;
    Pose h91 = h90; h91.tilt = 0.4; h91.thigh = 20; h91.shin = 100; h91.arm = -60; h91.by = -1;
    e[9] = {"hit by the bubble", 0, 0, 0, 0, 0, 4, 0, 1, 8, 0, 1, frog({h90, h91})};

    e[10] = {"bubble foam after a bubble hit", 0, -4, 0, 0, 0, 5, 0, 2, 9, 0, 0,
             {foam(0), foam(1), foam(2)}};

    Pose h110 = sit(); h110.sy = 0.82; h110.sx = 1.12; h110.by = 2; h110.eye = EYE_DIZZY; h110.mouth = MOUTH_OPEN; h110.skin = SKIN_SLIMED; h110.arm = 60;
    Pose h111 = h110; h111.sy = 0.9; h111.sx = 1.06; h111.by = 1; h111.phase = 1;
    e[11] = {"hit by the slime ball", 0, 0, 0, 0, 0, 6, 0, 1, 8, 0, 1, frog({h110, h111})};

    e[12] = {"hit mark", 0, -6, 0, 0, 0, 8, 1, 1, 6, 0, 0,
             {star(16, 0, GOLD, GREY, 5), star(16, 1, GOLD, GREY, 5)}};

    e[13] = {"debris, green burst", 0, 0, 0, 0, 0, 5, 0, 2, 10, 0, 0,
             {green_burst(0), green_burst(1), green_burst(2)}};
    e[14] = {"debris, spinning leaf", 0, 0, 0, 0, 0, 6, 4, 1, 10, 0, 0,
             {chunk(0, GREEN, 0), chunk(1, GREEN, 0), chunk(2, GREEN, 0), chunk(3, GREEN, 0)}};
    e[15] = {"debris, tumbling slime", 0, 0, 0, 0, 0, 4, 3, 1, 12, 0, 0,
             {chunk(0, OLIVE, 1), chunk(1, OLIVE, 1), chunk(2, OLIVE, 1), chunk(3, OLIVE, 1)}};

    e[16] = {"bubble bursting, third stage", 2, 0, 0, 0, 0, 6, 1, 1, 6, 0, 0,
             {bubble_burst(16, 0), bubble_burst(16, 1), bubble_burst(16, 2)}};
    e[17] = {"slime splat, third stage", 2, 0, 0, 0, 0, 6, 1, 1, 6, 0, 0,
             {splat(16, 14, OLIVE, 0, 3), splat(16, 14, OLIVE, 1, 3), splat(16, 14, OLIVE, 2, 3)}};

    e[18] = {"debris, sparkle", 0, 0, 0, 0, 0, 7, 4, 1, 10, 0, 0,
             {sparkle(0), sparkle(1), sparkle(2)}};
    e[19] = {"debris, droplet", 0, 0, 0, 0, 0, 3, 5, 1, 9, 0, 0,
             {droplet(6, 6, SKY, 0), droplet(6, 6, SKY, 1)}};

    Pose z0 = sit(); z0.skin = SKIN_SHOCKED; z0.eye = EYE_WIDE; z0.mouth = MOUTH_OPEN; z0.arm = -40; z0.hand = -80; z0.by = -1;
    Pose z1 = z0; z1.phase = 1; z1.arm = 30; z1.hand = -20;
    e[20] = {"hit by the lightning orb", 0, 0, 0, 0, 0, 6, 0, 1, 10, 0, 1, frog({z0, z1})};
    Pose c0 = sit(); c0.skin = SKIN_SCORCHED; c0.eye = EYE_DIZZY; c0.mouth = MOUTH_OPEN; c0.sy = 0.95;
    Pose c1 = c0; c1.phase = 1; c1.eye = EYE_SHUT;
    e[21] = {"hit by the lightning orb, scorched", 0, 0, 0, 0, 0, 6, 0, 2, 10, 0, 1,
             frog({c0, c1})};

    std::vector<Pose> gp;
    for (int k = 0; k < 4; ++k) {
        Pose g; g.skin = SKIN_GHOST; g.phase = k; g.by = -3 + std::sin(k * PI / 2) * 1.5;
        g.tilt = 0.1; g.arm = 40 + k * 10; g.hand = -20; g.eye = k == 3 ? EYE_SHUT : EYE_OPEN;
        gp.push_back(g);
    }
    e[22] = {"ghost", 0, 0, 0, 0, 0, 6, 0, 2, 0, 0, 0,
             frog({gp[0], gp[1], gp[2], gp[3]})};

    e[23] = {"lightning orb (weapon 2)", 6, 0, 0, 0, 0, 6, 10, 1, 10, 0, 0,
             {storm_orb(0), storm_orb(1), storm_orb(2), storm_orb(3)}};

    Pose d0; d0.tilt = -0.35; d0.thigh = -60; d0.shin = 200; d0.foot = 240; d0.arm = 60; d0.hand = 100; d0.eye = EYE_WIDE; d0.by = -1;
    Pose d1 = d0; d1.thigh = -80; d1.shin = 210; d1.arm = 40; d1.hand = 80;
    e[24] = {"drop", 0, 0, 0, 0, 0, 2, 0, 2, 6, 0, 0, frog({d0, d1})};

    Pose l0; l0.tilt = 0.35; l0.by = -2; l0.thigh = 150; l0.shin = 170; l0.foot = 175; l0.arm = -10; l0.hand = -10; l0.sx = 1.08; l0.sy = 0.94;
    Pose l1 = l0; l1.tilt = 0.2; l1.mouth = MOUTH_TONGUE; l1.arm = 0;
    Pose l2 = l0; l2.tilt = 0.05; l2.thigh = 110; l2.shin = 175; l2.foot = 120; l2.arm = 50; l2.hand = 20; l2.sx = 1; l2.sy = 1;
    e[25] = {"leap", 0, 0, 0, 0, 0, 9, 0, 4, 18, 0, 0, frog({l0, l1, l2})};

    e[26] = {"bump puff", 0, -2, 0, 0, 0, 5, 0, 1, 6, 0, 0,
             {puff(22, 16, 0), puff(22, 16, 1), puff(22, 16, 2)}};

    e[27] = {"slime glob, harmless first stage", 2, 0, 0, 0, 0, 6, 8, 0, 3, 0, 0,
             {droplet(7, 6, OLIVE, 0)}};
    return e;
}

// Shelf packing: frames left to right, a new shelf when a row is full.
struct Placed {
    int x, y, w, h;
};

int write_elf(const std::string &path, const std::vector<Entry> &entries,
              const std::vector<std::vector<Placed>> &rects)
{
    FILE *f = fopen(path.c_str(), "w");
    if (!f) {
        perror(path.c_str());
        return 1;
    }
    fprintf(f,
            "Lilyfront 2x sprite table for tank.bmp, written by lilyfront-mkdata\n"
            "One entry per animation number or effect kind, in order from 0.\n"
            "Entry record numbers in order\n"
            "  offset_x offset_y z o kind frame_count direction speed frame_delay duration sound palette\n"
            "Frame record numbers  x1 y1 x2 y2  (x2 and y2 excluded), one per frame.\n"
            "Durations are ticks, speeds pixels per tick, frames last frame_delay + 2 ticks.\n"
            "Palette 1 tints the screen red while the player's frog shows the entry.\n\n");
    fprintf(f, "#:%zu\n", entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry &e = entries[i];
        fprintf(f, "\n%zu %s\n", i, e.name);
        fprintf(f, "e:%d,%d,%d,%d,%d,%zu,%d,%d,%d,%d,%d,%d\n", e.offset_x, e.offset_y, e.z, e.o,
                e.kind, e.frames.size(), e.direction, e.speed, e.frame_delay, e.duration, e.sound,
                e.palette);
        for (const Placed &p : rects[i])
            fprintf(f, "q:%d,%d,%d,%d\n", p.x, p.y, p.x + p.w, p.y + p.h);
    }
    return fclose(f) != 0;
}

}  // namespace

int make_sprites(const std::string &, const std::string &out)
{
    calibrate_cut();
    std::vector<Entry> entries = build_entries();

    const int sheet_w = 320;
    std::vector<std::vector<Placed>> rects(entries.size());
    int x = 0, y = 0, shelf = 0;
    for (size_t i = 0; i < entries.size(); ++i)
        for (const Canvas &fr : entries[i].frames) {
            if (x + fr.w > sheet_w) {
                x = 0;
                y += shelf + 1;
                shelf = 0;
            }
            rects[i].push_back({x, y, fr.w, fr.h});
            x += fr.w + 1;
            shelf = std::max(shelf, fr.h);
        }
    Canvas sheet = canvas_new(sheet_w, y + shelf, KEY);
    for (size_t i = 0; i < entries.size(); ++i)
        for (size_t k = 0; k < entries[i].frames.size(); ++k)
            blit(sheet, entries[i].frames[k], rects[i][k].x, rects[i][k].y);

    int failures = save_bmp(sheet, out + "/bmp/tank.bmp");
    failures += write_elf(out + "/bmp/tank.elf", entries, rects);
    return failures;
}
