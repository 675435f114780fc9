// The world "mine": its decor sheet, its level description and the level
// tiles. The layout is grown from a fixed seed, storey by storey, so that
// every ledge can be reached by a jump from a ledge below it.
#include "art.h"
#include "canvas.h"
#include "generators.h"
#include "tiles.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace art;

namespace {

// Top of a health berry above its ledge's row: its centre (the berry is 20
// high) is 40 pixels up, above a standing frog's head and below a jump's top.
constexpr int BERRY_LIFT = 50;
constexpr double PI = 3.14159265358979;

// ------------------------------------------------------------ level shape

constexpr int LEVEL_W = 2560, LEVEL_H = 1920;
constexpr int GROUND_Y = LEVEL_H - 22;  // the solid bottom band starts here
constexpr int SEG = 16;                 // ledges are built of 16-pixel pieces
constexpr int COLS = LEVEL_W / SEG;
// A standing jump rises 15 ticks x 4 pixels = 60: storeys 48 apart leave
// room for the frog's feet to clear the ledge above before it falls back.
constexpr int STOREY = 48;
constexpr int STOREYS = 36;
constexpr int MARSH_TOP = 10, RUINS_TOP = 23;  // storeys of each look

enum Style { LOG, LILY, STONE_SLAB, BRANCH };

struct Ledge {
    int col, len;  // in pieces; col may run past the seam and wraps
    int storey;
    Style style;
};

int storey_y(int k) { return GROUND_Y - STOREY * k; }

bool overlaps(int a, int alen, int b, int blen, int need)
{
    // Circular overlap of two column runs on the ring.
    for (int shift = -COLS; shift <= COLS; shift += COLS) {
        int lo = std::max(a, b + shift), hi = std::min(a + alen, b + shift + blen);
        if (hi - lo >= need)
            return true;
    }
    return false;
}

Style style_for(int storey, int len)
{
    if (storey <= MARSH_TOP)
        return len == 3 ? LILY : LOG;
    if (storey <= RUINS_TOP)
        return STONE_SLAB;
    return BRANCH;
}

std::vector<Ledge> grow_ledges()
{
    Rng r{2024};
    std::vector<Ledge> all;
    std::vector<Ledge> below;
    // The ground is one ring-long ledge under storey 1.
    below.push_back({0, COLS, 0, LOG});
    for (int k = 1; k <= STOREYS; ++k) {
        std::vector<Ledge> row;
        auto fits = [&](int col, int len) {
            for (const Ledge &o : row)
                if (overlaps(col - 3, len + 6, o.col, o.len, 1))
                    return false;
            return true;
        };
        // Each ledge above rests partly over one below, so it can be reached
        // by a jump; a few tries per ledge below keep the storeys varied.
        std::vector<Ledge> anchors = below;
        if (k == 1) {
            anchors.clear();
            for (int c = 0; c < COLS; c += 20)
                anchors.push_back({c + range(r, 0, 8), 12, 0, LOG});
        }
        for (const Ledge &a : anchors) {
            int wanted = a.len >= 10 ? 2 : (unit(r) < 0.85 ? 1 : 0);
            for (int n = 0; n < wanted; ++n)
                for (int tries = 0; tries < 8; ++tries) {
                    int len = (k <= MARSH_TOP && unit(r) < 0.3) ? 3 : range(r, 4, 13);
                    int col = a.col + range(r, -len + 3, a.len - 3);
                    col = (col % COLS + COLS) % COLS;
                    if (fits(col, len)) {
                        row.push_back({col, len, k, style_for(k, len)});
                        break;
                    }
                }
        }
        // Thin storeys get a second round so the upper floors do not dwindle.
        int cover = 0;
        for (const Ledge &l : row)
            cover += l.len;
        for (int tries = 0; cover < COLS / 3 && tries < 30; ++tries) {
            const Ledge &a = below[size_t(range(r, 0, int(below.size()) - 1))];
            int len = range(r, 4, 10);
            int col = ((a.col + range(r, -len + 3, a.len - 3)) % COLS + COLS) % COLS;
            if (fits(col, len)) {
                row.push_back({col, len, k, style_for(k, len)});
                cover += len;
            }
        }
        std::sort(row.begin(), row.end(), [](const Ledge &a, const Ledge &b) { return a.col < b.col; });
        all.insert(all.end(), row.begin(), row.end());
        below = row;
    }
    return all;
}

// ------------------------------------------------------------ decor pieces

struct Piece {
    std::string name;
    std::vector<Canvas> frames;
};

double wrapn(double x, double y, int period, int cells, uint32_t seed)
{
    return tile_noise(x, y, period, cells, seed);
}

// Ledge pieces: 16 wide, the walking surface on their top row.
Canvas log_piece(int which)  // 0 left end, 1 middle, 2 right end
{
    Canvas c = canvas_new(SEG, 12, KEY);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < SEG; ++x) {
            double n = wrapn(x, y * 4, SEG, 2, 7);
            int col;
            if (y < 2 + (n > 0.6))
                col = shade(GREEN, 9 + (y == 0) * 2 + int(n * 2));  // moss
            else {
                double grain = std::sin((y + n * 3) * 1.9) * 0.5 + 0.5;
                col = shade(BROWN, 4 + int(grain * 3) - (y > 9) * 2 + (y < 4));
            }
            put(c, x, y, col);
        }
    if (which != 1) {
        // A cut end shows its rings.
        int cx = which == 0 ? 3 : SEG - 4;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < SEG; ++x) {
                double dx = (x + 0.5 - cx) * 1.6, dy = y + 0.5 - 6;
                bool outside = which == 0 ? x < cx : x > cx;
                double d = std::sqrt(dx * dx + dy * dy);
                if (outside && d > 6.4)
                    put(c, x, y, KEY);
                else if (outside || (which == 0 ? x == cx : x == cx))
                    put(c, x, y, d > 5.2 ? shade(BROWN, 3) : shade(SAND, int(d) % 2 ? 9 : 12));
            }
    }
    outline(c, shade(BROWN, 1));
    return c;
}

Canvas slab_piece(int which)
{
    Canvas c = canvas_new(SEG, 14, KEY);
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < SEG; ++x) {
            double n = wrapn(x, y, SEG, 4, 17);
            int col = shade(STONE, 6 + int(n * 3) + (y < 3) * 2 - (y > 11) * 2);
            if (y == 0 || (y == 1 && n > 0.5))
                col = shade(GREEN, 10 + int(n * 2));
            if (x == SEG - 1 && y > 1)
                col = shade(STONE, 3);  // joint between slabs
            if (x == 0 && y > 1)
                col = shade(STONE, 10);
            put(c, x, y, col);
        }
    if (which == 0)
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 3; ++x)
                if (y < 2 || y > 11)
                    put(c, x, y, KEY);
    if (which == 2)
        for (int y = 0; y < 14; ++y)
            for (int x = SEG - 3; x < SEG; ++x)
                if (y < 2 || y > 11)
                    put(c, x, y, KEY);
    // Moss dripping over the edge.
    Rng r{uint32_t(which + 5)};
    for (int k = 0; k < 3; ++k) {
        int x = range(r, 1, SEG - 2), len = range(r, 1, 4);
        for (int j = 0; j < len; ++j)
            put(c, x, 1 + j, shade(GREEN, 8));
    }
    outline(c, shade(STONE, 1));
    return c;
}

Canvas branch_piece(int which)
{
    Canvas c = canvas_new(SEG, 10, KEY);
    for (int y = 1; y < 9; ++y)
        for (int x = 0; x < SEG; ++x) {
            double n = wrapn(x, y * 3, SEG, 2, 27);
            put(c, x, y, shade(BROWN, 6 - (y > 5) * 2 + int(n * 2) + (y < 3)));
        }
    for (int x = 0; x < SEG; ++x)
        put(c, x, 0, shade(OLIVE, 9 + (x % 5 == 0)));
    if (which == 0) {
        // The branch grows out of the left: it thickens into a knot.
        ellipse(c, 2, 5, 3, 4.5, shade(BROWN, 4));
    }
    if (which == 2) {
        for (int y = 0; y < 10; ++y)
            for (int x = SEG - 5; x < SEG; ++x)
                if (std::abs(y - 4.5) > (SEG - x) * 0.9)
                    put(c, x, y, KEY);
        // Two leaves at the tip.
        ellipse(c, SEG - 3, 2, 2.5, 1.4, shade(GREEN, 10), -0.5);
        ellipse(c, SEG - 2, 8, 2.5, 1.4, shade(GREEN, 8), 0.5);
    }
    outline(c, shade(BROWN, 1));
    return c;
}

Canvas lily_pad(bool flower)
{
    Canvas c = canvas_new(48, 10, KEY);
    shaded_ellipse(c, 24, 5, 23, 4.2, GREEN, 9);
    // The notch of the pad and its veins.
    for (int y = 0; y < 10; ++y)
        for (int x = 24; x < 36; ++x)
            if (std::abs(y - 5 + (x - 24) * 0.1) < (x - 24) * 0.18)
                put(c, x, y, KEY);
    for (int k = 0; k < 6; ++k) {
        double a = PI * (0.15 + k * 0.28);
        line(c, 24, 5, int(24 - std::cos(a) * 18), int(5 + std::sin(a) * 3.5 - 1.5), shade(GREEN, 7));
    }
    for (int x = 3; x < 45; ++x)
        if (get(c, x, 1) != KEY)
            put(c, x, 1, shade(GREEN, 13));
    if (flower) {
        for (int k = 0; k < 5; ++k) {
            double a = k * 2 * PI / 5;
            ellipse(c, 12 + std::cos(a) * 2.5, 3 + std::sin(a) * 1.5, 1.8, 1.3, shade(PINK, 12));
        }
        ellipse(c, 12, 3, 1.2, 1, shade(GOLD, 12));
    }
    outline(c, shade(GREEN, 2));
    return c;
}

Canvas ground_piece()
{
    Canvas c = canvas_new(64, 22, KEY);
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 64; ++x) {
            double n = wrapn(x, y, 64, 8, 37);
            double grass = 3 + n * 3;
            int col;
            if (y < grass)
                col = shade(GREEN, 11 - y + int(n * 2));
            else
                col = shade(BROWN, 5 + int(n * 3) - y / 8);
            put(c, x, y, col);
        }
    Rng r{38};
    for (int k = 0; k < 7; ++k) {
        int x = range(r, 2, 61), y = range(r, 8, 18);
        ellipse(c, x, y, 2, 1.3, shade(STONE, 8));
        put(c, x - 1, y - 1, shade(STONE, 11));
    }
    // Grass blades poking up over the top row would leave the ledge:
    // keep them inside, as darker strokes.
    for (int x = 1; x < 64; x += 3)
        put(c, x, 1 + (x * 7) % 3, shade(GREEN, 6));
    return c;
}

Canvas pond_piece(int frame)
{
    Canvas c = canvas_new(64, 22, KEY);
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 64; ++x) {
            double n = wrapn(x, y * 2, 64, 8, 47);
            double wave = std::sin((x + frame * 64.0 / 3) * 2 * PI / 32 + y * 0.9 + n * 2);
            int col = shade(TEAL, 3 + int(n * 2) + (wave > 0.85 ? 5 : 0) - y / 8);
            if (y == 0)
                col = shade(TEAL, 12);
            put(c, x, y, col);
        }
    return c;
}

Canvas trunk_piece()
{
    Canvas c = canvas_new(24, 32, KEY);
    for (int y = 0; y < 32; ++y)
        for (int x = 2; x < 22; ++x) {
            double n = wrapn(x * 3, y, 96, 6, 57);
            double round = std::sin((x - 2) * PI / 20);
            int col = shade(BROWN, 1 + int(round * 3 + n * 2));
            if ((x + int(n * 6)) % 5 == 0)
                col = shade(BROWN, 1);
            put(c, x, y, col);
        }
    return c;
}

Canvas crown_piece()
{
    Canvas c = canvas_new(72, 40, KEY);
    Rng r{58};
    for (int k = 0; k < 16; ++k) {
        double x = 10 + unit(r) * 52, y = 8 + unit(r) * 22;
        shaded_ellipse(c, x, y, 9, 7, GREEN, 5 + k % 3);
    }
    outline(c, shade(GREEN, 1));
    return c;
}

// Health: a glowing heart-shaped berry on a little stem.
Canvas heart_berry(int frame)
{
    Canvas c = canvas_new(16, 20, KEY);
    const double glow[4] = {0, 0.6, 1.2, 0.6};
    double g = glow[frame];
    // Halo: sparse bright pixels around the berry.
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 16; ++x) {
            double dx = x + 0.5 - 8, dy = y + 0.5 - 12;
            double d = std::sqrt(dx * dx + dy * dy);
            if (d < 6.5 + g * 1.2 && ((x + y + frame) % 3 == 0))
                put(c, x, y, shade(PINK, 9 + int(g * 2)));
        }
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 16; ++x) {
            double px = (x + 0.5 - 8) / 5.0, py = -(y + 0.5 - 12.5) / 5.0;
            // The heart curve (x^2 + y^2 - 1)^3 - x^2 y^3 <= 0.
            double a = px * px + py * py - 1;
            if (a * a * a - px * px * py * py * py <= 0) {
                int k = 8 + int(g) + (py > 0.3 ? 2 : 0) - (py < -0.5 ? 2 : 0) + (px < -0.2 ? 1 : 0);
                put(c, x, y, shade(RED, k));
            }
        }
    put(c, 5, 10, shade(GREY, 15));
    put(c, 6, 9, shade(PINK, 14));
    line(c, 8, 7, 9, 3, shade(GREEN, 6));
    ellipse(c, 11, 3, 2.2, 1.2, shade(GREEN, 10), -0.4);
    outline(c, shade(RED, 2));
    return c;
}

// Energy: a dragonfly crackling with lightning.
Canvas dragonfly(int frame)
{
    Canvas c = canvas_new(20, 20, KEY);
    const double beat[4] = {-0.5, -0.15, 0.25, -0.15};
    const double w = beat[frame];
    // Two pairs of long glassy wings over a slender body.
    for (int pair = 0; pair < 2; ++pair) {
        double cx = 9.5 + pair * 3.5, cy = 12;
        double a = -1.2 + w + pair * 0.35;  // raised towards the back
        double ex = cx + std::cos(a) * 6.5, ey = cy + std::sin(a) * 6.5;
        ellipse(c, (cx + ex) / 2, (cy + ey) / 2, 4.2, 1.6, shade(SKY, 13 - pair), a);
    }
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (get(c, x, y) == shade(SKY, 13) && ((x + y) & 1))
                put(c, x, y, shade(SKY, 10));
    capsule(c, 1.5, 13, 13, 12.5, 0.9, shade(GOLD, 11));
    for (int x = 2; x < 12; x += 2)
        put(c, x, 13, shade(GOLD, 6));
    ellipse(c, 15, 12.3, 2.2, 2.0, shade(GOLD, 13));
    put(c, 16, 11, 0);
    // A spark running along the tail, a step further each frame.
    int sx = 2 + frame * 3;
    line(c, sx, 15, sx + 1, 17, shade(GREY, 15));
    line(c, sx + 1, 17, sx + 3, 16, shade(GOLD, 15));
    outline(c, shade(BLUE, 3));
    return c;
}

Canvas firefly(int frame)
{
    Canvas c = canvas_new(12, 12, KEY);
    const int glow[4] = {0, 2, 3, 1};
    int g = glow[frame];
    if (g > 0)
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) {
                double dx = x + 0.5 - 6, dy = y + 0.5 - 6;
                if (dx * dx + dy * dy < g * g * 2.5 && ((x ^ y) & 1))
                    put(c, x, y, shade(OLIVE, 11 + g));
            }
    ellipse(c, 6, 6, 1.5 + g * 0.3, 1.5 + g * 0.3, shade(OLIVE, 13 + g / 2));
    put(c, 5, 4, shade(GREY, 11));
    put(c, 7, 4, shade(GREY, 11));
    return c;
}

Canvas mushroom(int frame)
{
    Canvas c = canvas_new(14, 16, KEY);
    const double glow[3] = {0, 1, 2};
    capsule(c, 7, 9, 7, 15, 1.7, shade(SAND, 12));
    shaded_ellipse(c, 7, 7, 6.5, 4, SKY, 9 + int(glow[frame]));
    for (int k = 0; k < 3; ++k)
        put(c, 4 + k * 3, 6 - (k == 1), shade(GREY, 15));
    outline(c, shade(SKY, 2 + int(glow[frame])));
    return c;
}

Canvas flower()
{
    Canvas c = canvas_new(12, 14, KEY);
    line(c, 6, 13, 6, 5, shade(GREEN, 7));
    ellipse(c, 4, 10, 2, 1, shade(GREEN, 9), 0.5);
    for (int k = 0; k < 5; ++k) {
        double a = k * 2 * PI / 5;
        ellipse(c, 6 + std::cos(a) * 2.5, 4 + std::sin(a) * 2.5, 1.6, 1.6, shade(PURPLE, 12));
    }
    put(c, 6, 4, shade(GOLD, 13));
    outline(c, shade(PURPLE, 3));
    return c;
}

Canvas rock()
{
    Canvas c = canvas_new(20, 10, KEY);
    shaded_ellipse(c, 10, 6, 9, 4.5, STONE, 8);
    ellipse(c, 7, 3, 3, 1.2, shade(GREEN, 9));
    outline(c, shade(STONE, 2));
    return c;
}

// Front layer pieces: drawn over the frogs, so kept slender.
Canvas reeds(int frame)
{
    Canvas c = canvas_new(24, 44, KEY);
    const double sway = frame ? 1.5 : -1.0;
    for (int k = 0; k < 5; ++k) {
        double x0 = 3 + k * 4.5, h = 26 + (k * 7) % 15;
        double x1 = x0 + sway * (h / 30.0) + (k - 2) * 0.8;
        capsule(c, x0, 43, x1, 43 - h, 0.7, shade(OLIVE, 7 + k % 3));
        if (k % 2 == 0)
            capsule(c, x1, 44 - h, x1 + sway * 0.2, 49 - h, 1.4, shade(BROWN, 4));  // cattail
    }
    outline(c, shade(OLIVE, 2));
    return c;
}

Canvas vine()
{
    Canvas c = canvas_new(14, 48, KEY);
    for (int y = 0; y < 46; ++y) {
        double x = 6 + std::sin(y * 0.25) * 2;
        put(c, int(x), y, shade(GREEN, 5));
        if (y % 7 == 3)
            ellipse(c, x + (y % 14 == 3 ? 3 : -3), y, 2.6, 1.5, shade(GREEN, 9), y % 14 == 3 ? 0.4 : -0.4);
    }
    outline(c, shade(GREEN, 1));
    return c;
}

Canvas fern()
{
    Canvas c = canvas_new(32, 20, KEY);
    for (int k = 0; k < 5; ++k) {
        double a = PI * (1.1 + k * 0.2);
        double ex = 16 + std::cos(a) * 15, ey = 19 + std::sin(a) * 17;
        for (int j = 0; j < 12; ++j) {
            double t = j / 12.0;
            double x = 16 + (ex - 16) * t, y = 19 + (ey - 19) * t - std::sin(t * PI) * 2;
            ellipse(c, x, y, 1.8 * (1 - t) + 0.6, 1.2, shade(GREEN, 7 + k % 3), a);
        }
    }
    outline(c, shade(GREEN, 1));
    return c;
}

std::vector<Piece> make_pieces()
{
    std::vector<Piece> p;
    auto add = [&](const std::string &n, std::vector<Canvas> f) { p.push_back({n, std::move(f)}); };
    add("log_l", {log_piece(0)});
    add("log_m", {log_piece(1)});
    add("log_r", {log_piece(2)});
    add("slab_l", {slab_piece(0)});
    add("slab_m", {slab_piece(1)});
    add("slab_r", {slab_piece(2)});
    add("branch_l", {branch_piece(0)});
    add("branch_m", {branch_piece(1)});
    add("branch_r", {branch_piece(2)});
    add("lily", {lily_pad(false)});
    add("lily_flower", {lily_pad(true)});
    add("ground", {ground_piece()});
    add("pond", {pond_piece(0), pond_piece(1), pond_piece(2)});
    add("trunk", {trunk_piece()});
    add("crown", {crown_piece()});
    add("berry", {heart_berry(0), heart_berry(1), heart_berry(2), heart_berry(3)});
    add("dragonfly", {dragonfly(0), dragonfly(1), dragonfly(2), dragonfly(3)});
    add("firefly", {firefly(0), firefly(1), firefly(2), firefly(3)});
    add("mushroom", {mushroom(0), mushroom(1), mushroom(2)});
    add("flower", {flower()});
    add("rock", {rock()});
    add("reeds", {reeds(0), reeds(1)});
    add("vine", {vine()});
    add("fern", {fern()});
    return p;
}

struct Rect {
    int x, y, w, h;
};

// ------------------------------------------------------------ the level file

struct Element {
    std::string piece;
    int x, y, z, kind, frame_delay;
    int copies, dx, dy;  // s record after it
    std::string note;
};

struct Layout {
    std::vector<std::array<int, 3>> floors;
    std::vector<Element> elements;
};

void add_ledge_decor(Layout &L, Style st, int x, int y, int len, bool left_end, bool right_end)
{
    const char *base = st == LOG ? "log" : st == STONE_SLAB ? "slab" : "branch";
    std::string b = base;
    int pieces = len;
    int px = x;
    if (left_end) {
        L.elements.push_back({b + "_l", px, y, 0, 0, 0, 0, 0, 0, ""});
        px += SEG;
        --pieces;
    }
    int middles = pieces - (right_end ? 1 : 0);
    if (middles > 0) {
        L.elements.push_back({b + "_m", px, y, 0, 0, 0, middles - 1, SEG, 0, ""});
        px += SEG * middles;
    }
    if (right_end)
        L.elements.push_back({b + "_r", px, y, 0, 0, 0, 0, 0, 0, ""});
}

Layout build_layout()
{
    Layout L;
    Rng r{77};
    std::vector<Ledge> ledges = grow_ledges();

    // Trunks first, so that everything else is drawn over them.
    const int trunk_cols[] = {7, 29, 52, 71, 96, 118, 139, 155};
    for (int i = 0; i < 8; ++i) {
        int x = trunk_cols[i] * SEG - 4, h = 14 + (i * 5) % 12;  // storeys tall
        int top = storey_y(h);
        int count = (GROUND_Y - top) / 32;
        L.elements.push_back({"trunk", x, GROUND_Y - 32, 0, 0, 0, count - 1, 0, -32, "tree trunk"});
        L.elements.push_back({"crown", x - 24, GROUND_Y - 32 * count - 28, 0, 0, 0, 0, 0, 0, ""});
    }

    // The ground: mud banks with three stretches of rippling pond.
    struct Run { int from, to; bool pond; };
    const Run runs[] = {{0, 6, false}, {6, 10, true}, {10, 18, false}, {18, 21, true},
                        {21, 31, false}, {31, 35, true}, {35, 40, false}};
    for (const Run &g : runs)
        L.elements.push_back({g.pond ? "pond" : "ground", g.from * 64, GROUND_Y, 0, 0,
                              g.pond ? 3 : 0, g.to - g.from - 1, 64, 0,
                              g.pond ? "pond" : "mud bank"});

    // Ledges and their floors; a ledge over the seam is cut in two.
    int lily = 0;
    for (const Ledge &l : ledges) {
        int y = storey_y(l.storey);
        int x = l.col * SEG;
        int end = (l.col + l.len) * SEG;
        if (l.style == LILY && end <= LEVEL_W) {
            L.floors.push_back({x, y, l.len * SEG - 1});
            L.elements.push_back({lily++ % 3 == 1 ? "lily_flower" : "lily", x, y, 0, 0, 0, 0, 0, 0, ""});
            continue;
        }
        // A lily pad is one piece and cannot be cut: over the seam it
        // becomes a log.
        const Style st = l.style == LILY ? LOG : l.style;
        if (end <= LEVEL_W) {
            L.floors.push_back({x, y, l.len * SEG - 1});
            add_ledge_decor(L, st, x, y, l.len, true, true);
        } else {
            int first = COLS - l.col;
            L.floors.push_back({x, y, first * SEG - 1});
            L.floors.push_back({0, y, (l.len - first) * SEG - 1});
            add_ledge_decor(L, st, x, y, first, true, false);
            add_ledge_decor(L, st, 0, y, l.len - first, false, true);
        }
    }

    // Ornaments standing on ledges that are long enough, away from the seam.
    std::vector<Ledge> roomy;
    for (const Ledge &l : ledges)
        if (l.len >= 6 && (l.col + l.len) < COLS)
            roomy.push_back(l);
    auto on = [&](const Ledge &l, int at, int w, int h) {
        return std::array<int, 2>{l.col * SEG + at - w / 2, storey_y(l.storey) - h};
    };
    // Pickups: every sixth roomy ledge, alternating health and energy.  An
    // energy dragonfly hangs at a standing frog's middle, so walking over it
    // takes it.  A health berry stops and heals every frog that covers it on
    // every frame, so a frog that could stand on one would be stuck there
    // and never die: berries float out of a standing frog's reach, 40 pixels
    // over their ledge, where a jump from the ledge passes through them.
    int n = 0;
    for (size_t i = 3; i < roomy.size(); i += 6, ++n) {
        const Ledge &l = roomy[i];
        bool health = n % 2 == 0;
        int w = health ? 16 : 20;
        auto p = on(l, SEG * l.len - 24, w, health ? BERRY_LIFT : 22);
        L.elements.push_back({health ? "berry" : "dragonfly", p[0], p[1], 0, health ? 1 : 2,
                              health ? 2 : 1, 0, 0, 0, health ? "health berry" : "energy dragonfly"});
    }
    // Two on the ground as well, for frogs that have fallen all the way down.
    L.elements.push_back({"berry", 1400, GROUND_Y - BERRY_LIFT, 0, 1, 2, 0, 0, 0, "health berry"});
    L.elements.push_back({"dragonfly", 2200, GROUND_Y - 22, 0, 2, 1, 0, 0, 0, "energy dragonfly"});

    for (size_t i = 1; i < roomy.size(); i += 5) {
        const Ledge &l = roomy[i];
        int kind = int(i / 5) % 3;
        if (kind == 0) {
            auto p = on(l, 20, 14, 16);
            L.elements.push_back({"mushroom", p[0], p[1], 0, 0, 4, 0, 0, 0, "glowing mushroom"});
        } else if (kind == 1) {
            auto p = on(l, 14, 12, 14);
            L.elements.push_back({"flower", p[0], p[1], 0, 0, 0, 0, 0, 0, ""});
        } else {
            auto p = on(l, 16, 20, 10);
            L.elements.push_back({"rock", p[0], p[1] + 1, 0, 0, 0, 0, 0, 0, ""});
        }
    }
    // Fireflies drifting in the air between the storeys.
    for (int i = 0; i < 30; ++i) {
        int x = range(r, 0, LEVEL_W - 12), y = range(r, 200, GROUND_Y - 40);
        L.elements.push_back({"firefly", x, y, 0, 0, 1 + i % 3, 0, 0, 0, i == 0 ? "fireflies" : ""});
    }

    // Front layer: reeds along the ground and a few vines and ferns.
    for (int i = 0; i < 16; ++i) {
        int x = 40 + i * 160 + range(r, -30, 30);
        L.elements.push_back({"reeds", x, LEVEL_H - 44, 9, 0, 6, 0, 0, 0, i == 0 ? "reeds in front" : ""});
    }
    int vines = 0, ferns = 0;
    for (size_t i = 2; i < roomy.size(); i += 7) {
        const Ledge &l = roomy[i];
        int y = storey_y(l.storey);
        if (l.style == BRANCH || (l.style == LOG && vines < 4)) {
            L.elements.push_back({"vine", l.col * SEG + l.len * SEG / 2, y + 6, 9, 0, 0, 0, 0, 0, ""});
            ++vines;
        } else if (ferns < 8) {
            L.elements.push_back({"fern", l.col * SEG + 2, y - 18, 9, 0, 0, 0, 0, 0, ""});
            ++ferns;
        }
    }
    return L;
}

int write_level(const std::string &path, const Layout &L, const std::map<std::string, std::vector<Rect>> &rects)
{
    FILE *f = fopen(path.c_str(), "w");
    if (!f) {
        perror(path.c_str());
        return 1;
    }
    int count = 0;
    for (const Element &e : L.elements)
        count += 1 + e.copies;
    fprintf(f,
            "Lilyfront 2x level description of the world mine, written by lilyfront-mkdata\n"
            "Header numbers  elements (element records plus repeated copies), width, height, floors\n"
            "Floor record    left x, row y a frog's foot stands on, length (both ends count)\n"
            "Element record  x y z o kind frames direction speed frame_delay duration sound\n"
            "  z 9 draws it in front of the frogs, kind 1 heals and kind 2 restores energy\n"
            "Frame record    x1 y1 x2 y2 of the frame in mined.bmp, x2 and y2 excluded\n"
            "Repeat record   count dx dy, copies of the element before it, each moved by dx dy\n"
            "Floors are invisible, so a ledge is drawn along each of them.\n\n");
    fprintf(f, "#:%d,%d,%d,%zu\n\nfloors\n", count, LEVEL_W, LEVEL_H, L.floors.size());
    for (const auto &fl : L.floors)
        fprintf(f, "f:%d,%d,%d\n", fl[0], fl[1], fl[2]);
    fprintf(f, "\nelements\n");
    for (const Element &e : L.elements) {
        const std::vector<Rect> &fr = rects.at(e.piece);
        if (!e.note.empty())
            fprintf(f, "\n%s\n", e.note.c_str());
        fprintf(f, "e:%d,%d,%d,0,%d,%zu,0,0,%d,0,0\n", e.x, e.y, e.z, e.kind, fr.size(), e.frame_delay);
        for (const Rect &q : fr)
            fprintf(f, "q:%d,%d,%d,%d\n", q.x, q.y, q.x + q.w, q.y + q.h);
        if (e.copies > 0)
            fprintf(f, "s:%d,%d,%d\n", e.copies, e.dx, e.dy);
    }
    return fclose(f) != 0;
}

}  // namespace

int make_world(const std::string &, const std::string &out)
{
    std::vector<Piece> pieces = make_pieces();
    const int sheet_w = 256;
    std::map<std::string, std::vector<Rect>> rects;
    int x = 0, y = 0, shelf = 0;
    for (const Piece &p : pieces)
        for (const Canvas &fr : p.frames) {
            if (x + fr.w > sheet_w) {
                x = 0;
                y += shelf + 1;
                shelf = 0;
            }
            rects[p.name].push_back({x, y, fr.w, fr.h});
            x += fr.w + 1;
            shelf = std::max(shelf, fr.h);
        }
    Canvas sheet = canvas_new(sheet_w, y + shelf, KEY);
    for (const Piece &p : pieces)
        for (size_t k = 0; k < p.frames.size(); ++k)
            blit(sheet, p.frames[k], rects[p.name][k].x, rects[p.name][k].y);

    int failures = save_bmp(sheet, out + "/bmp/mined.bmp");
    failures += write_level(out + "/bmp/mine.elf", build_layout(), rects);
    failures += make_level_tiles(out);
    return failures;
}
