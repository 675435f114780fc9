// The data tool's pixel font: 7 rows high, glyphs of varying width, drawn
// into pictures (titles, captions, the controls screen). Not the game's own
// message font, which lives in bmp/alphabet.bmp.
#pragma once
#include "canvas.h"

// Kept apart from the game library's names, which the tool links with.
namespace gfx {

constexpr int FONT_ROWS = 7;

// Pixels a text covers at 5x7 size, with `spacing` blank columns between
// glyphs. Lower case is drawn as upper case; unknown characters as '?'.
int text_width(const char *text, int spacing = 1);

// The text as a mask (1 ink, 0 ground), grown `doublings` times by a
// diagonal-smoothing pixel doubler (or by plain pixel doubling when `smooth`
// is false), so 1 gives 14-row and 2 gives 28-row letters.
Canvas text_mask(const char *text, int doublings, int spacing = 1, bool smooth = true);

// Plain one-colour 5x7 text.
void draw_text(Canvas &c, int x, int y, const char *text, int colour, int spacing = 1);

// How a text is painted: a vertical gradient within one palette ramp,
// optional bevel, a one-pixel outline, a second outer ring and a drop
// shadow. Colours of -1 are left out.
struct TextStyle {
    int doublings = 0;
    int spacing = 1;
    bool smooth = true;
    int bold = 0;                    // columns of extra stroke width after doubling
    int ramp = 0;                    // fill ramp (see draw2d.h)
    int top = 15, bottom = 15;       // fill shades at the first and last row
    bool bevel = false;              // lighter upper and darker lower edges
    int outline = -1;
    int outer = -1;
    int shadow = -1;
    int shadow_dx = 1, shadow_dy = 1;
};

int styled_width(const char *text, const TextStyle &style);   // ink only, no rings
int styled_height(const TextStyle &style);
// x, y: top-left corner of the ink; rings and shadow go around it.
void draw_styled_text(Canvas &c, int x, int y, const char *text, const TextStyle &style);
// Centred on column cx.
void draw_styled_text_centred(Canvas &c, int cx, int y, const char *text, const TextStyle &style);

}  // namespace gfx
