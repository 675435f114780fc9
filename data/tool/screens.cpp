// The full-screen pictures: start-up, title sequence, end of game and the
// top-ten background. One night-pond look throughout, all in the master
// palette so any of them can become the play palette.
#include "canvas.h"
#include "draw2d.h"
#include "font5x7.h"
#include "generators.h"
#include "pond_art.h"
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

using namespace gfx;

constexpr int W = 320, H = 240;

const int ink_black = shade(RAMP_NIGHT, 0);

// ---------------------------------------------------------------- text looks

TextStyle logo_style(int ramp)
{
    TextStyle s;
    s.doublings = 2;
    s.spacing = 2;
    s.bold = 2;
    s.ramp = ramp;
    s.top = 15;
    s.bottom = 6;
    s.bevel = true;
    s.outline = shade(ramp, 1);
    s.outer = ink_black;
    s.shadow = ink_black;
    s.shadow_dx = 3;
    s.shadow_dy = 3;
    return s;
}

TextStyle heading_style(int ramp)
{
    TextStyle s;
    s.doublings = 1;
    s.ramp = ramp;
    s.top = 15;
    s.bottom = 9;
    s.bevel = true;
    s.outline = ink_black;
    s.shadow = ink_black;
    s.shadow_dx = 2;
    s.shadow_dy = 2;
    return s;
}

TextStyle caption_style(int ramp, int k)
{
    TextStyle s;
    s.ramp = ramp;
    s.top = k;
    s.bottom = k;
    s.outline = ink_black;
    s.shadow = ink_black;
    return s;
}

// Small text on a dark panel: a shadow is enough.
TextStyle label_style(int ramp, int k)
{
    TextStyle s;
    s.ramp = ramp;
    s.top = k;
    s.bottom = k;
    s.shadow = ink_black;
    return s;
}

// "LILYFRONT 2X": the name in pond green, the sequel mark in gold.
void draw_logo(Canvas &c, int cx, int y)
{
    const char *name = "LILYFRONT", *mark = "2X";
    TextStyle green = logo_style(RAMP_GREEN), gold = logo_style(RAMP_GOLD);
    int gap = 12;
    int total = styled_width(name, green) + gap + styled_width(mark, gold);
    int x = cx - total / 2;
    draw_styled_text(c, x, y, name, green);
    draw_styled_text(c, x + styled_width(name, green) + gap, y, mark, gold);
}

// --------------------------------------------------------------- the pond

struct PondScene {
    int horizon;
    int moon_x, moon_y, moon_r;  // moon_r 0: no moon
    unsigned seed;
    bool moon_path = true;       // the moon's light on the water
};

void draw_pond(Canvas &c, const PondScene &p)
{
    draw_night_sky(c, p.horizon, p.seed);
    if (p.moon_r > 0)
        draw_moon(c, p.moon_x, p.moon_y, p.moon_r);
    draw_far_bank(c, p.horizon, p.seed + 1);
    draw_water(c, p.horizon, p.moon_r > 0 && p.moon_path ? p.moon_x : -1, p.seed + 2);
}

void blit_centred(Canvas &c, const Canvas &sprite, int cx, int bottom)
{
    blit(c, sprite, cx - sprite.w / 2, bottom - sprite.h);
}

// Dark see-through panel with a thin two-tone border.
void draw_panel(Canvas &c, int x, int y, int w, int h, int darken)
{
    Canvas shape = sprite_canvas(w, h);
    fill_round_rect(shape, 0, 0, w, h, 4, 0);
    blit_shade(c, shape, x, y, darken);
    Canvas border = sprite_canvas(w, h);
    fill_round_rect(border, 0, 0, w, h, 4, 0);
    Canvas inner = sprite_canvas(w, h);
    fill_round_rect(inner, 1, 1, w - 2, h - 2, 3, 0);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (get(border, i, j) != KEY && get(inner, i, j) == KEY)
                put(c, x + i, y + j, shade(RAMP_SKY, j < h / 2 ? 9 : 6));
}

// ---------------------------------------------------------------- brand

// The studio's mark: a tadpole in a glass flask standing on an anvil.
void draw_foundry_mark(Canvas &c, int cx, int base)
{
    // Anvil.
    const int stone_dark = 3, stone_light = 11;
    gradient_shade(c, cx - 34, base - 6, 68, 6, RAMP_STONE, 7, 3);
    gradient_shade(c, cx - 16, base - 20, 32, 14, RAMP_STONE, 6, 3);
    gradient_shade(c, cx - 40, base - 30, 74, 10, RAMP_STONE, stone_light, 5);
    for (int j = 0; j < 10; ++j)  // the horn
        fill_rect(c, cx - 40 - (10 - j) * 14 / 10, base - 30 + j, (10 - j) * 14 / 10, 1,
                  shade(RAMP_STONE, stone_light - j));
    fill_rect(c, cx - 50, base - 30, 84, 1, shade(RAMP_STONE, 14));
    fill_rect(c, cx - 34, base - 1, 68, 1, shade(RAMP_STONE, stone_dark - 2));
    // Flask: a round bulb with a neck, liquid in the lower part.
    const double bx = cx, by = base - 58, br = 24;
    const int top = int(by - br);
    Canvas flask = sprite_canvas(W, H);
    fill_ellipse(flask, bx, by, br, br, 0);
    fill_rect(flask, int(bx) - 7, top - 22, 14, 24, 0);
    fill_rect(flask, int(bx) - 10, top - 25, 20, 4, 0);
    glow(c, bx, by, 70, 4);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (get(flask, x, y) == KEY)
                continue;
            int under = get(c, x, y);
            if (y > by - 6) {
                int k = 12 - int((y - (by - 6)) * 8 / (br + 6));
                put(c, x, y, dithered_shade(RAMP_TEAL, k * 16 + 8, x, y));
            } else {
                put(c, x, y, lighter(under, 2));  // glass
            }
        }
    outline_sprite(flask, 0);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (get(flask, x, y) == 0 && get(c, x, y) >= 0) {
                bool rim = y >= top - 25 && y < top - 21;
                if (rim || x < bx)
                    put(c, x, y, shade(RAMP_SKY, 13));
                else
                    put(c, x, y, shade(RAMP_SKY, 9));
            }
    // Liquid surface and the glint on the glass.
    for (int x = int(bx - br); x <= int(bx + br); ++x)
        if (get(c, x, int(by - 6)) >= 0 && std::abs(x - bx) < std::sqrt(br * br - 36) - 1)
            put(c, x, int(by - 6), shade(RAMP_TEAL, 14));
    draw_curve(c, bx - 17, by - 6, bx - 16, by - 18, bx - 6, by - 21, 1.0, 0.6, shade(RAMP_GREY, 15));
    fill_rect(c, int(bx) - 5, top - 19, 2, 14, shade(RAMP_GREY, 14));
    // Bubbles.
    const double bubbles[][3] = {{8, -2, 2.2}, {13, -14, 1.6}, {-3, -26, 1.4}, {2, -40, 1.2}, {-6, 12, 1.8}};
    for (const auto &b : bubbles)
        ellipse_ring(c, bx + b[0], by + b[1], b[2], b[2], shade(RAMP_TEAL, 15));
    // The tadpole, swimming up and to the left.
    shaded_ellipse(c, bx - 3, by + 7, 7, 5.5, RAMP_NIGHT, 1, 6, -20);
    draw_curve(c, bx + 3, by + 10, bx + 10, by + 16, bx + 17, by + 10, 2.2, 0.5, shade(RAMP_NIGHT, 3));
    put(c, int(bx - 6), int(by + 5), shade(RAMP_GREY, 15));
    put(c, int(bx - 6), int(by + 6), shade(RAMP_GREY, 6));
    // Sparks from the anvil.
    const int sparks[][2] = {{-46, -40}, {-52, -48}, {40, -44}, {47, -36}, {52, -52}, {-40, -55}};
    for (const auto &s : sparks) {
        glow(c, cx + s[0], base + s[1], 7, 5);
        fill_rect(c, cx + s[0] - 1, base + s[1], 3, 1, shade(RAMP_ORANGE, 12));
        fill_rect(c, cx + s[0], base + s[1] - 1, 1, 3, shade(RAMP_ORANGE, 12));
        put(c, cx + s[0], base + s[1], shade(RAMP_GOLD, 15));
    }
}

Canvas make_brand()
{
    Canvas c = canvas_new(W, H, ink_black);
    gradient_rgb(c, 0, 0, W, H, {4, 5, 16}, {18, 20, 48});
    // Rings spreading on still water under the mark.
    for (int r = 0; r < 5; ++r)
        ellipse_ring(c, 160, 138, 60 + r * 26, 8 + r * 4, shade(RAMP_NIGHT, 6 - r));
    draw_foundry_mark(c, 166, 136);
    draw_styled_text_centred(c, 160, 152, "TADPOLE FOUNDRY", heading_style(RAMP_SAND));
    TextStyle presents = caption_style(RAMP_STONE, 11);
    presents.spacing = 3;
    draw_styled_text_centred(c, 160, 186, "PRESENTS", presents);
    fill_rect(c, 160 - 70, 189, 36, 1, shade(RAMP_STONE, 7));
    fill_rect(c, 160 + 34, 189, 36, 1, shade(RAMP_STONE, 7));
    draw_vignette(c, 3);
    return c;
}

// ------------------------------------------------------------ loading (zell)

Canvas make_zell()
{
    Canvas c = canvas_new(W, H, ink_black);
    draw_pond(c, {128, 270, 68, 15, 11});
    draw_reeds(c, 18, 200, 120, 9, 3);
    draw_reeds(c, 304, 196, 110, 8, 5);
    draw_lily_pad(c, 62, 168, 30, 8, 70);
    draw_lily_pad(c, 268, 178, 26, 7, 110);
    draw_lily_pad(c, 160, 184, 62, 15, 80);
    draw_lily_flower(c, 52, 165, 9);
    draw_lily_flower(c, 282, 175, 8);
    blit_centred(c, frog_front(90, RAMP_GREEN), 160, 186);
    draw_fireflies(c, 10, 60, 300, 90, 14, 21);
    draw_vignette(c, 3);
    draw_logo(c, 160, 12);
    draw_styled_text_centred(c, 160, 204, "LOADING...", caption_style(RAMP_SAND, 13));
    TextStyle press = heading_style(RAMP_GREY);
    press.bottom = 11;
    draw_styled_text_centred(c, 160, 218, "PRESS ANY BUTTON", press);
    return c;
}

// ------------------------------------------------------------ controls

struct ControlEntry {
    const char *badge;       // console button(s), '/' between stacked caps; "" for none
    int dirs;                // pad entries: keypad directions as bits 1<<d, else 0
    const char *effect[4];   // what it does, one line each
    const char *keys[2];     // the desktop keys
};

constexpr int dir_bit(int d) { return 1 << d; }

// Arrow keys are written with the font's arrows: ^ up, | down, { left, } right.
const ControlEntry moves[] = {
    {"", dir_bit(8), {"LEAP"}, {"^ OR KEYPAD 8"}},
    {"", dir_bit(7) | dir_bit(9), {"JUMP UP-LEFT/RIGHT"}, {"^+{ OR ^+}", "OR KEYPAD 7, 9"}},
    {"", dir_bit(4) | dir_bit(6),
     {"WALK, PRESS AGAIN", "TO RUN. AGAINST YOUR", "HEADING: TURN, OR", "SLOW DOWN AND HALT"},
     {"{ } OR KEYPAD 4, 6"}},
    {"", dir_bit(2), {"STOP"}, {"| OR KEYPAD 2"}},
    {"", dir_bit(1) | dir_bit(3), {"DROP THROUGH FLOOR"}, {"|+{ OR |+}", "OR KEYPAD 1, 3"}},
    {"A/STICK", 0, {"FIRE THE SELECTED", "WEAPON"}, {"Z OR SPACE"}},
    {"X", 0, {"CHANGE WEAPON"}, {"C"}},
};

// An empty badge is a key with no console button: a keyboard is drawn.
const ControlEntry buttons[] = {
    {"B Y", 0, {"RELEASE ENDS A", "PAUSE"}, {"X OR V"}},
    {"START", 0, {"RESTART THE LEVEL"}, {"ENTER"}},
    {"SELECT", 0, {"PAUSE"}, {"P"}},
    {"L", 0, {"NEXT MUSIC TRACK,", "CLEARS MESSAGES"}, {"A"}},
    {"R", 0, {"TITLE SCREENS"}, {"S"}},
    {"L+R", 0, {"QUIT"}, {"ESC"}},
    {"VOL+/VOL-", 0, {"VOLUME UP, DOWN"}, {"+ OR -"}},
    {"", 0, {"FULL SCREEN ON/OFF", "(BETWEEN SCREENS)"}, {"F"}},
};

constexpr int line_h = 9;
constexpr int entry_gap = 3;
constexpr int badge_w = 38;

// Pad icon: a cross with the entry's directions lit, the diagonals in the
// corners between the arms.
void draw_pad_icon(Canvas &c, int cx, int cy, int dirs)
{
    const int arm = 8, half = 3;
    fill_rect(c, cx - arm, cy - half, 2 * arm + 1, 2 * half + 1, shade(RAMP_STONE, 5));
    fill_rect(c, cx - half, cy - arm, 2 * half + 1, 2 * arm + 1, shade(RAMP_STONE, 5));
    fill_rect(c, cx - arm, cy - half, 2 * arm + 1, 1, shade(RAMP_STONE, 9));
    fill_rect(c, cx - half, cy - arm, 2 * half + 1, 1, shade(RAMP_STONE, 9));
    fill_rect(c, cx - arm, cy + half, 2 * arm + 1, 1, shade(RAMP_STONE, 3));
    fill_rect(c, cx - half, cy + arm, 2 * half + 1, 1, shade(RAMP_STONE, 3));
    for (int d = 1; d <= 9; ++d) {
        if (!(dirs & dir_bit(d)))
            continue;
        int dx = (d - 1) % 3 - 1, dy = 1 - (d - 1) / 3;
        int px = cx + dx * 6, py = cy + dy * 6;
        fill_rect(c, px - 2, py - 2, 5, 5, shade(RAMP_GOLD, 6));
        fill_rect(c, px - 1, py - 1, 3, 3, shade(RAMP_GOLD, 15));
    }
}

// A little keyboard for keys that have no console button.
void draw_keyboard_icon(Canvas &c, int cx, int cy)
{
    fill_round_rect(c, cx - 13, cy - 5, 27, 11, 2, shade(RAMP_SKY, 4));
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k < 6 - (row == 2) * 4; ++k) {
            int w = row == 2 ? 11 : 3;
            fill_rect(c, cx - 11 + k * 4 + (row == 2) * 6, cy - 3 + row * 3, w, 2, shade(RAMP_SKY, 11));
        }
}

// Console buttons as small caps; '/' starts a second row of caps, ' '
// puts caps side by side.
void draw_cap(Canvas &c, int x, int y, const char *label)
{
    int cw = text_width(label) + 5;
    bool round = strlen(label) == 1;
    fill_round_rect(c, x, y - 1, cw, 9, round ? 4 : 2, shade(RAMP_STONE, 3));
    fill_round_rect(c, x, y - 1, cw, 8, round ? 4 : 2, shade(RAMP_STONE, 7));
    fill_rect(c, x + 2, y - 1, cw - 4, 1, shade(RAMP_STONE, 10));
    draw_text(c, x + 3, y, label, shade(RAMP_GOLD, 14));
}

void draw_badge(Canvas &c, int x, int y, const char *badge)
{
    const char *row = badge;
    for (int r = 0; r < 2 && *row; ++r) {
        size_t row_len = strcspn(row, "/");
        // Two passes over the row's caps: measure to centre, then draw.
        int total = 0, cx = 0;
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1)
                cx = x + (badge_w - total) / 2;
            for (size_t at = 0; at < row_len;) {
                size_t len = strcspn(row + at, " /");
                char cap[16];
                snprintf(cap, sizeof cap, "%.*s", int(len), row + at);
                if (pass == 0)
                    total += text_width(cap) + 5 + (at ? 2 : 0);
                else
                    draw_cap(c, cx, y + r * line_h, cap);
                cx += text_width(cap) + 7;
                at += len + (row[at + len] == ' ');
            }
        }
        row += row_len + (row[row_len] == '/');
    }
}

void draw_controls_column(Canvas &c, int x, int y, const ControlEntry *entries, int count)
{
    const TextStyle effect = label_style(RAMP_GREY, 15);
    const TextStyle keys = label_style(RAMP_SKY, 12);
    for (int i = 0; i < count; ++i) {
        const ControlEntry &e = entries[i];
        if (e.dirs)
            draw_pad_icon(c, x + badge_w / 2, y + 7, e.dirs);
        else if (e.badge[0])
            draw_badge(c, x, y, e.badge);
        else
            draw_keyboard_icon(c, x + badge_w / 2, y + 5);
        int ty = y;
        for (int l = 0; l < 4 && e.effect[l]; ++l, ty += line_h)
            draw_styled_text(c, x + badge_w + 2, ty, e.effect[l], effect);
        for (int l = 0; l < 2 && e.keys[l]; ++l, ty += line_h)
            draw_styled_text(c, x + badge_w + 2, ty, e.keys[l], keys);
        y = ty + entry_gap;
        if (i + 1 < count)
            fill_rect(c, x + 4, y - entry_gap / 2 - 2, 150, 1, shade(RAMP_NIGHT, 4));
    }
}

Canvas make_buttons()
{
    Canvas c = canvas_new(W, H, ink_black);
    draw_pond(c, {46, 286, 20, 9, 31, false});
    draw_styled_text_centred(c, 160, 4, "CONTROLS", heading_style(RAMP_GOLD));
    // Legend: the colours of the three kinds of text.
    const char *legend[] = {"GP2X BUTTON", "  -  WHAT IT DOES  -  ", "KEYBOARD"};
    const TextStyle legend_styles[] = {caption_style(RAMP_GOLD, 14), caption_style(RAMP_GREY, 15),
                                       caption_style(RAMP_SKY, 12)};
    int total = 0;
    for (const char *l : legend)
        total += text_width(l) + 1;
    int lx = 160 - total / 2;
    for (int i = 0; i < 3; ++i) {
        draw_styled_text(c, lx, 24, legend[i], legend_styles[i]);
        lx += text_width(legend[i]) + 1;
    }
    draw_panel(c, 2, 34, 157, 204, 5);
    draw_panel(c, 161, 34, 157, 204, 5);
    draw_controls_column(c, 4, 38, moves, int(std::size(moves)));
    draw_controls_column(c, 163, 38, buttons, int(std::size(buttons)));
    return c;
}

// ------------------------------------------------------------ play

// A frog's shot in flight: a glowing ball with a fading trail.
void draw_shot(Canvas &c, int x, int y)
{
    glow(c, x, y, 24, 5);
    for (int t = 6; t >= 1; --t) {
        double tx = x - t * 6.5, ty = y - t * 1.2 + t * t * 0.3, r = 4.6 - t * 0.55;
        glow(c, tx, ty, r * 2.5, 3);
        fill_ellipse(c, tx, ty, r, r * 0.8, shade(RAMP_OLIVE, 13 - t));
    }
    shaded_ellipse(c, x, y, 6, 6, RAMP_OLIVE, 10, 15);
    fill_ellipse(c, x - 1.5, y - 1.5, 2, 2, shade(RAMP_GREY, 15));
}

Canvas make_play()
{
    Canvas c = canvas_new(W, H, ink_black);
    draw_pond(c, {120, 134, 74, 20, 41});
    draw_reeds(c, 14, 180, 110, 9, 12);
    draw_reeds(c, 306, 184, 100, 9, 13);
    draw_lily_pad(c, 176, 140, 22, 5, 100);
    draw_lily_flower(c, 176, 137, 7);
    draw_lily_pad(c, 84, 192, 54, 14, 60);
    draw_lily_pad(c, 238, 190, 52, 13, 120);
    blit_centred(c, frog_side(96, RAMP_GREEN), 84, 193);
    blit_centred(c, mirrored(frog_side(90, RAMP_RED)), 240, 191);
    draw_shot(c, 186, 160);
    draw_fireflies(c, 20, 70, 280, 60, 10, 44);
    draw_vignette(c, 3);
    draw_logo(c, 160, 14);
    TextStyle press = heading_style(RAMP_GREY);
    press.top = 15;
    press.bottom = 11;
    draw_styled_text_centred(c, 160, 216, "PRESS ANY BUTTON TO PLAY", press);
    return c;
}

// ------------------------------------------------------------ no top ten

// A slow snail: the reason this game missed the table.
void draw_snail(Canvas &c, int x, int base)
{
    shaded_ellipse(c, x + 2, base - 3, 16, 3.5, RAMP_SAND, 6, 12);
    shaded_ellipse(c, x + 15, base - 7, 4, 5, RAMP_SAND, 6, 12);
    draw_line(c, x + 15, base - 12, x + 13, base - 19, shade(RAMP_SAND, 8));
    draw_line(c, x + 18, base - 12, x + 20, base - 19, shade(RAMP_SAND, 8));
    put(c, x + 13, base - 20, ink_black);
    put(c, x + 20, base - 20, ink_black);
    shaded_ellipse(c, x - 2, base - 13, 11, 11, RAMP_BROWN, 2, 10);
    for (int i = 0; i < 60; ++i) {
        double a = i * 0.2, r = 9 - i * 0.14;
        put(c, int(x - 2 + std::cos(a) * r), int(base - 13 + std::sin(a) * r), shade(RAMP_BROWN, 1));
    }
}

// A gold cup on a little plinth.
void draw_trophy(Canvas &c, int cx, int base)
{
    gradient_shade(c, cx - 11, base - 6, 22, 6, RAMP_BROWN, 7, 3);
    fill_rect(c, cx - 3, base - 14, 6, 8, shade(RAMP_GOLD, 8));
    fill_rect(c, cx - 7, base - 16, 14, 3, shade(RAMP_GOLD, 10));
    for (int side = -1; side <= 1; side += 2)
        for (int i = 0; i < 40; ++i) {
            double a = i * 3.14159 / 39;
            put(c, int(cx + side * (12 + std::sin(a) * 5)), int(base - 34 + i * 0.3), shade(RAMP_GOLD, 9));
            put(c, int(cx + side * (12 + std::sin(a) * 5)) - side, int(base - 34 + i * 0.3), shade(RAMP_GOLD, 6));
        }
    Canvas cup = sprite_canvas(W, H);
    fill_ellipse(cup, cx, base - 30, 13, 15, 0);
    fill_rect(cup, cx - 13, base - 45, 27, 15, 0);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (get(cup, x, y) == 0 && y >= base - 44 && y <= base - 16) {
                double u = (x - cx) / 13.0;
                int k = int(12 - std::abs(u + 0.35) * 7);
                put(c, x, y, dithered_shade(RAMP_GOLD, k * 16, x, y));
            }
    fill_rect(c, cx - 14, base - 45, 29, 2, shade(RAMP_GOLD, 14));
    draw_text(c, cx - 2, base - 36, "1", shade(RAMP_GOLD, 4));
    glow(c, cx - 6, base - 38, 5, 3);
}

Canvas make_notopten()
{
    Canvas c = canvas_new(W, H, ink_black);
    draw_pond(c, {134, 284, 40, 12, 51});
    draw_reeds(c, 300, 200, 120, 9, 17);
    draw_lily_pad(c, 70, 190, 44, 11, 60);
    draw_lily_pad(c, 178, 200, 58, 14, 100);
    draw_lily_pad(c, 268, 172, 34, 8, 140);
    draw_lily_flower(c, 286, 172, 8);
    draw_trophy(c, 68, 190);
    blit_centred(c, frog_front(84, RAMP_GREEN), 178, 202);
    draw_snail(c, 258, 172);
    draw_fireflies(c, 100, 60, 200, 60, 8, 52);
    draw_vignette(c, 3);
    TextStyle won = logo_style(RAMP_GOLD);
    draw_styled_text_centred(c, 160, 12, "YOU WON!", won);
    draw_styled_text_centred(c, 160, 52, "BUT NOT FAST ENOUGH", heading_style(RAMP_SKY));
    draw_styled_text_centred(c, 160, 72, "FOR THE TOP TEN", heading_style(RAMP_SKY));
    draw_styled_text_centred(c, 160, 224, "HOP FASTER NEXT TIME!", caption_style(RAMP_SAND, 13));
    return c;
}

// ------------------------------------------------------------ game over

// A thin waning moon: a lit disc with a second disc cut away.
void draw_crescent(Canvas &c, int cx, int cy, int r)
{
    glow(c, cx, cy, r * 3.5, 3);
    Canvas moon = sprite_canvas(W, H);
    shaded_ellipse(moon, cx, cy, r, r, RAMP_STONE, 11, 15);
    fill_ellipse(moon, cx + r * 0.45, cy - r * 0.2, r * 0.9, r * 0.9, KEY);
    blit(c, moon, 0, 0);
}

// A leaning gravestone with a frog carved on it.
void draw_gravestone(Canvas &c, int cx, int base)
{
    Canvas stone = sprite_canvas(60, 60);
    fill_round_rect(stone, 10, 8, 36, 48, 14, 0);
    for (int y = 0; y < stone.h; ++y)
        for (int x = 0; x < stone.w; ++x)
            if (get(stone, x, y) == 0)
                put(stone, x, y, dithered_shade(RAMP_STONE, (9 - (x - 10) / 6) * 16 - y, x, y));
    outline_sprite(stone, shade(RAMP_STONE, 1));
    // Letters cut into the stone: dark stroke, lit lower edge.
    draw_text(stone, 20, 19, "RIP", shade(RAMP_STONE, 1));
    draw_text(stone, 20, 20, "RIP", shade(RAMP_STONE, 12));
    draw_text(stone, 20, 19, "RIP", shade(RAMP_STONE, 2));
    for (int i = 0; i < 5; ++i)
        draw_line(stone, 14 + i * 6, 55, 16 + i * 6, 51, shade(RAMP_GREEN, 4));
    blit(c, stone, cx - 28, base - 56);
}

Canvas make_grimfrog()
{
    Canvas c = canvas_new(W, H, ink_black);
    draw_pond(c, {150, 0, 0, 0, 61});
    draw_crescent(c, 270, 70, 14);
    draw_reeds(c, 12, 206, 130, 10, 22);
    draw_reeds(c, 310, 200, 100, 8, 23);
    draw_lily_pad(c, 160, 200, 66, 15, 75);
    draw_gravestone(c, 136, 204);
    Canvas ghost = frog_ghost_shape(96);
    glow(c, 168, 112, 70, 4);
    blit_ghost(c, ghost, 168 - ghost.w / 2, 54);
    draw_fireflies(c, 20, 150, 280, 40, 5, 66);
    draw_vignette(c, 4);
    TextStyle over = logo_style(RAMP_RED);
    draw_styled_text_centred(c, 160, 14, "GAME OVER", over);
    draw_styled_text_centred(c, 160, 220, "THANKS FOR PLAYING", heading_style(RAMP_STONE));
    return c;
}

// ------------------------------------------------------------ top-ten frame

// Where the game writes the table: ten rows of 25 glyphs of 10x17.
constexpr int rows_x = 37, rows_y = 32, row_pitch = 18, row_glyphs = 25, glyph_w = 10,
              glyph_h = 17, table_rows = 10;

Canvas make_frame()
{
    Canvas c = canvas_new(W, H, ink_black);
    draw_pond(c, {206, 40, 226, 0, 71});
    draw_moon(c, 12, 11, 7);
    const int px = rows_x - 7, py = rows_y - 4;
    const int pw = row_glyphs * glyph_w + 14, ph = table_rows * row_pitch + 6;
    // Border: gold double line around a quiet, flat panel.
    fill_rect(c, px - 4, py - 4, pw + 8, ph + 8, shade(RAMP_NIGHT, 0));
    frame_rect(c, px - 3, py - 3, pw + 6, ph + 6, shade(RAMP_GOLD, 11));
    frame_rect(c, px - 1, py - 1, pw + 2, ph + 2, shade(RAMP_GOLD, 6));
    // Rows alternate between two close shades so a line is easy to follow
    // without anything busy behind the letters.
    fill_rect(c, px, py, pw, ph, shade(RAMP_NIGHT, 1));
    for (int i = 0; i < table_rows; i += 2)
        fill_rect(c, px, rows_y + row_pitch * i - 1, pw, row_pitch, shade(RAMP_NIGHT, 2));
    // Lily leaves on the corners.
    const int corners[4][2] = {{px - 2, py - 2}, {px + pw + 1, py - 2}, {px - 2, py + ph + 1},
                               {px + pw + 1, py + ph + 1}};
    for (const auto &k : corners) {
        draw_lily_pad(c, k[0], k[1], 9, 5, k[1] < py ? 270 : 90);
        fill_ellipse(c, k[0] + 0.5, k[1] + 0.5, 1.5, 1.5, shade(RAMP_PINK, 13));
    }
    // Place numbers in the margin left of the rows.
    const TextStyle rank = caption_style(RAMP_GOLD, 13);
    for (int i = 0; i < table_rows; ++i) {
        char n[4];
        snprintf(n, sizeof n, "%d", i + 1);
        int y = rows_y + row_pitch * i + (glyph_h - FONT_ROWS) / 2;
        draw_styled_text(c, px - 6 - text_width(n), y, n, rank);
    }
    // Title between frog silhouettes.
    TextStyle title = heading_style(RAMP_GOLD);
    draw_styled_text_centred(c, 160, 6, "TOP TEN", title);
    Canvas frog = frog_side(34, RAMP_GREEN);
    blit(c, frog, 160 - 58 - frog.w, 24 - frog.h);
    blit(c, mirrored(frog), 160 + 58, 24 - frog.h);
    draw_styled_text_centred(c, 160, 228, "THE FASTEST FROGS OF THE POND",
                             caption_style(RAMP_SKY, 12));
    return c;
}

}  // namespace

int make_screens(const std::string &, const std::string &out)
{
    struct Screen {
        const char *name;
        Canvas (*make)();
    };
    const Screen screens[] = {{"brand", make_brand},       {"zell", make_zell},
                              {"buttons", make_buttons},   {"play", make_play},
                              {"notopten", make_notopten}, {"grimfrog", make_grimfrog},
                              {"frame", make_frame}};
    int failures = 0;
    for (const Screen &s : screens)
        failures += save_bmp(s.make(), out + "/bmp/" + s.name + ".bmp");
    return failures;
}
