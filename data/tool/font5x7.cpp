#include "font5x7.h"
#include "draw2d.h"
#include <algorithm>
#include <cstring>

namespace gfx {

namespace {

struct Glyph {
    char ch;
    const char *rows[FONT_ROWS];  // '#' ink, '.' ground; all rows one width
};

// Arrows live on otherwise unused characters: ^ up, | down, { left, } right.
const Glyph glyphs[] = {
    {' ', {"...", "...", "...", "...", "...", "...", "..."}},
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {"###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"}},
    {'J', {"....#", "....#", "....#", "....#", "#...#", "#...#", ".###."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#...", "#...", "#...", "#...", "#...", "#...", "####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {".#.", "##.", ".#.", ".#.", ".#.", ".#.", "###"}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {'.', {".", ".", ".", ".", ".", ".", "#"}},
    {',', {"..", "..", "..", "..", ".#", ".#", "#."}},
    {':', {".", ".", "#", ".", ".", "#", "."}},
    {';', {"..", "..", ".#", "..", "..", ".#", "#."}},
    {'!', {"#", "#", "#", "#", "#", ".", "#"}},
    {'?', {".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."}},
    {'\'', {"#", "#", ".", ".", ".", ".", "."}},
    {'"', {"#.#", "#.#", "...", "...", "...", "...", "..."}},
    {'-', {"...", "...", "...", "###", "...", "...", "..."}},
    {'+', {".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."}},
    {'/', {"....#", "....#", "...#.", "..#..", ".#...", "#....", "#...."}},
    {'(', {".#", "#.", "#.", "#.", "#.", "#.", ".#"}},
    {')', {"#.", ".#", ".#", ".#", ".#", ".#", "#."}},
    {'&', {".##..", "#..#.", "#.#..", ".#...", "#.#.#", "#..#.", ".##.#"}},
    {'*', {".....", "#.#.#", ".###.", "#####", ".###.", "#.#.#", "....."}},
    {'=', {"....", "....", "####", "....", "####", "....", "...."}},
    {'<', {"...#", "..#.", ".#..", "#...", ".#..", "..#.", "...#"}},
    {'>', {"#...", ".#..", "..#.", "...#", "..#.", ".#..", "#..."}},
    {'_', {".....", ".....", ".....", ".....", ".....", ".....", "#####"}},
    {'^', {"..#..", ".###.", "#.#.#", "..#..", "..#..", "..#..", "..#.."}},
    {'|', {"..#..", "..#..", "..#..", "..#..", "#.#.#", ".###.", "..#.."}},
    {'{', {"......", "..#...", ".#....", "######", ".#....", "..#...", "......"}},
    {'}', {"......", "...#..", "....#.", "######", "....#.", "...#..", "......"}},
};

const Glyph &glyph_of(char ch)
{
    if (ch >= 'a' && ch <= 'z')
        ch = char(ch - 'a' + 'A');
    for (const Glyph &g : glyphs)
        if (g.ch == ch)
            return g;
    return glyph_of('?');
}

int glyph_width(const Glyph &g) { return int(strlen(g.rows[0])); }

// One doubling of a mask that smooths diagonals: a blank corner of a pixel
// is inked where its two neighbours across that corner are (the EPX rule),
// but ink is never taken away, so square letters like D and O keep their
// corners and stay apart.
Canvas doubled(const Canvas &m, bool smooth)
{
    Canvas out = canvas_new(m.w * 2, m.h * 2, 0);
    auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= m.w || y >= m.h ? 0 : get(m, x, y); };
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) {
            int p = at(x, y), a = at(x, y - 1), b = at(x + 1, y), c = at(x - 1, y), d = at(x, y + 1);
            int e0 = p, e1 = p, e2 = p, e3 = p;
            if (smooth && !p) {
                if (c == a && c != d && a != b) e0 = a;
                if (a == b && a != c && b != d) e1 = b;
                if (d == c && d != b && c != a) e2 = c;
                if (b == d && b != a && d != c) e3 = d;
            }
            put(out, 2 * x, 2 * y, e0);
            put(out, 2 * x + 1, 2 * y, e1);
            put(out, 2 * x, 2 * y + 1, e2);
            put(out, 2 * x + 1, 2 * y + 1, e3);
        }
    return out;
}

bool inked(const Canvas &m, int x, int y) { return get(m, x, y) == 1; }

bool near_ink(const Canvas &m, int x, int y, int reach)
{
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (inked(m, x + dx, y + dy))
                return true;
    return false;
}

}  // namespace

int text_width(const char *text, int spacing)
{
    int w = 0, n = 0;
    for (const char *p = text; *p; ++p, ++n)
        w += glyph_width(glyph_of(*p));
    return n ? w + spacing * (n - 1) : 0;
}

Canvas text_mask(const char *text, int doublings, int spacing, bool smooth)
{
    Canvas m = canvas_new(std::max(1, text_width(text, spacing)), FONT_ROWS, 0);
    int x = 0;
    for (const char *p = text; *p; ++p) {
        const Glyph &g = glyph_of(*p);
        int gw = glyph_width(g);
        for (int row = 0; row < FONT_ROWS; ++row)
            for (int col = 0; col < gw; ++col)
                if (g.rows[row][col] == '#')
                    put(m, x + col, row, 1);
        x += gw + spacing;
    }
    for (int i = 0; i < doublings; ++i)
        m = doubled(m, smooth);
    return m;
}

void draw_text(Canvas &c, int x, int y, const char *text, int colour, int spacing)
{
    Canvas m = text_mask(text, 0, spacing);
    for (int j = 0; j < m.h; ++j)
        for (int i = 0; i < m.w; ++i)
            if (inked(m, i, j))
                put(c, x + i, y + j, colour);
}

int styled_width(const char *text, const TextStyle &style)
{
    return (text_width(text, style.spacing) << style.doublings) + style.bold;
}

namespace {

// Thickens every stroke to the right.
Canvas emboldened(const Canvas &m, int bold)
{
    Canvas out = canvas_new(m.w + bold, m.h, 0);
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x)
            if (inked(m, x, y))
                fill_rect(out, x, y, bold + 1, 1, 1);
    return out;
}

}  // namespace

int styled_height(const TextStyle &style) { return FONT_ROWS << style.doublings; }

void draw_styled_text(Canvas &c, int x, int y, const char *text, const TextStyle &style)
{
    Canvas m = text_mask(text, style.doublings, style.spacing, style.smooth);
    if (style.bold > 0)
        m = emboldened(m, style.bold);
    int rings = (style.outline >= 0) + (style.outer >= 0);
    // Shadow first, in the shape of everything drawn above it.
    if (style.shadow >= 0)
        for (int j = -rings; j < m.h + rings; ++j)
            for (int i = -rings; i < m.w + rings; ++i)
                if (near_ink(m, i, j, rings))
                    put(c, x + i + style.shadow_dx, y + j + style.shadow_dy, style.shadow);
    if (style.outer >= 0)
        for (int j = -2; j < m.h + 2; ++j)
            for (int i = -2; i < m.w + 2; ++i)
                if (near_ink(m, i, j, 2))
                    put(c, x + i, y + j, style.outer);
    if (style.outline >= 0)
        for (int j = -1; j < m.h + 1; ++j)
            for (int i = -1; i < m.w + 1; ++i)
                if (near_ink(m, i, j, 1))
                    put(c, x + i, y + j, style.outline);
    int den = std::max(1, m.h - 1);
    for (int j = 0; j < m.h; ++j) {
        int level = style.top * 16 + (style.bottom - style.top) * 16 * j / den;
        for (int i = 0; i < m.w; ++i) {
            if (!inked(m, i, j))
                continue;
            int colour = dithered_shade(style.ramp, level, x + i, y + j);
            if (style.bevel && !inked(m, i, j - 1))
                colour = lighter(colour, 3);
            else if (style.bevel && !inked(m, i, j + 1))
                colour = darker(colour, 3);
            put(c, x + i, y + j, colour);
        }
    }
}

void draw_styled_text_centred(Canvas &c, int cx, int y, const char *text, const TextStyle &style)
{
    draw_styled_text(c, cx - styled_width(text, style) / 2, y, text, style);
}

}  // namespace gfx
