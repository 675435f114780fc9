// The play area on a real 8-bit surface: the view around the player's frog,
// tiles, decor and nine elements, frogs and effects, mirroring and the
// palette switch.  Every picture is made here with known pixel values and
// shares one palette with the screen, so blits copy palette indices as they
// are.
#include "combat/effect.h"
#include "combat/frog.h"
#include "shell/picture.h"
#include "shell/state.h"
#include "world/draw.h"
#include "world/sprites.h"
#include "world/world.h"
#include <SDL.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int LEVEL_W = 2560;
constexpr int LEVEL_H = 1920;
constexpr Uint8 BACKGROUND = 240;  // what the screen holds before drawing
constexpr Uint8 FILL = 252;

// Distinct patterns in separate ranges of the palette, so that a pixel tells
// which picture it came from and, within a few pixels, from where.
Uint8 tile_value(int x, int y) { return static_cast<Uint8>(1 + (x * 3 + y * 7) % 150); }
Uint8 decor_value(int x, int y) { return static_cast<Uint8>(153 + (x + y * 5) % 30); }
Uint8 actor_value(int x, int y)
{
    if ((x + 2 * y) % 11 == 5)
        return KEY_COLOUR;
    return static_cast<Uint8>(190 + (x * 3 + y) % 40);
}

SDL_Color test_colour(int i)
{
    return SDL_Color{static_cast<Uint8>(i), static_cast<Uint8>(255 - i), static_cast<Uint8>((i * 37) & 255), 0};
}

SDL_Surface *make_surface(int w, int h)
{
    SDL_Surface *s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 8, 0, 0, 0, 0);
    SDL_Color colours[256];
    for (int i = 0; i < 256; i++)
        colours[i] = test_colour(i);
    SDL_SetColors(s, colours, 0, 256);
    return s;
}

SDL_Surface *make_picture(int w, int h, Uint8 (*value)(int, int))
{
    SDL_Surface *s = make_surface(w, h);
    SDL_LockSurface(s);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            static_cast<Uint8 *>(s->pixels)[y * s->pitch + x] = value(x, y);
    SDL_UnlockSurface(s);
    return s;
}

Uint8 pixel(SDL_Surface *s, int x, int y) { return static_cast<Uint8 *>(s->pixels)[y * s->pitch + x]; }

std::vector<Uint8> pixels_of(SDL_Surface *s)
{
    std::vector<Uint8> out;
    for (int y = 0; y < s->h; y++)
        for (int x = 0; x < s->w; x++)
            out.push_back(pixel(s, x, y));
    return out;
}

// Index of the first differing pixel as "x,y", or "" when both agree.
std::string first_difference(SDL_Surface *a, SDL_Surface *b)
{
    for (int y = 0; y < a->h; y++)
        for (int x = 0; x < a->w; x++)
            if (pixel(a, x, y) != pixel(b, x, y))
                return std::to_string(x) + "," + std::to_string(y) + ": " + std::to_string(pixel(a, x, y)) +
                       " vs " + std::to_string(pixel(b, x, y));
    return "";
}

void clear(SDL_Surface *s, Uint8 value)
{
    SDL_Rect all = {0, 0, static_cast<Uint16>(s->w), static_cast<Uint16>(s->h)};
    SDL_SetClipRect(s, nullptr);
    SDL_FillRect(s, &all, value);
}

// Sprite table entries of the fixture.
enum : int16_t {
    E_NONE = 0,       // no frames: the player's frog is invisible unless a test says otherwise
    E_THIN = 1,       // one frame {10, 0, 3, 1}
    E_EFFECT = 2,     // size 40x40, frames 10x6 and 7x5
    E_PALETTE2 = 3,   // switches to palette 2
    E_PALETTE3 = 4,   // switches to palette 3
    E_FROG = 5,       // one frame 20x12 at {4, 4}
    E_PALETTE9 = 6,   // a palette that does not exist
    E_ENTRIES = 7,
};

class WorldDrawing : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!SDL_WasInit(SDL_INIT_VIDEO))
            SDL_Init(SDL_INIT_VIDEO);
    }

    void SetUp() override
    {
        saved_world = world;
        saved_sprites = actor_sprites;
        std::memcpy(saved_frogs, frogs, sizeof frogs);
        std::memcpy(saved_tables, palette_tables, sizeof palette_tables);
        saved_pool = effect_pool;
        saved_frog_count = frog_count;
        saved_player = player_frog;
        saved_palette = current_palette;

        surface = make_surface(SCREEN_W, SCREEN_H);
        clear(surface, BACKGROUND);
        SDL_Rect play = {0, 0, PLAY_W, PLAY_H};
        SDL_SetClipRect(surface, &play);

        tile = make_picture(TILE_SIZE, TILE_SIZE, tile_value);
        decor_sheet = make_picture(64, 64, decor_value);
        sheet = make_picture(64, 32, actor_value);
        SDL_SetColorKey(sheet, SDL_SRCCOLORKEY, KEY_COLOUR);
        mirror = make_mirror_sheet(sheet);

        world = World{};
        world.tile = tile;
        world.decor_sheet = decor_sheet;
        world.width = LEVEL_W;
        world.height = LEVEL_H;
        world.fill_colour = FILL;
        world.reload = 0;

        std::memset(entries, 0, sizeof entries);
        std::memset(rects, 0, sizeof rects);
        set_entry(E_THIN, 3, 1, {{10, 0, 3, 1}}, 0);
        set_entry(E_EFFECT, 40, 40, {{0, 8, 10, 6}, {20, 8, 7, 5}}, 0);
        set_entry(E_PALETTE2, 20, 12, {{4, 4, 20, 12}, {4, 4, 20, 12}}, 2);
        set_entry(E_PALETTE3, 20, 12, {{4, 4, 20, 12}}, 3);
        set_entry(E_FROG, 20, 12, {{4, 4, 20, 12}}, 0);
        set_entry(E_PALETTE9, 20, 12, {{4, 4, 20, 12}}, 9);
        actor_sprites = SpriteSet{};
        actor_sprites.sheet = sheet;
        actor_sprites.mirror_sheet = mirror;
        actor_sprites.table = entries;
        actor_sprites.count = E_ENTRIES;

        std::memset(frogs, 0, sizeof frogs);
        frog_count = 2;
        player_frog = 0;
        place_frog(0, 1000, 500, E_NONE, 6);
        place_frog(1, 100, 1000, E_NONE, 6);  // far out of view
        std::memset(pool, 0, sizeof pool);
        effect_pool = pool;
        current_palette = 0;
    }

    void TearDown() override
    {
        world = saved_world;
        actor_sprites = saved_sprites;
        std::memcpy(frogs, saved_frogs, sizeof frogs);
        std::memcpy(palette_tables, saved_tables, sizeof palette_tables);
        effect_pool = saved_pool;
        frog_count = saved_frog_count;
        player_frog = saved_player;
        current_palette = saved_palette;
        SDL_FreeSurface(surface);
        SDL_FreeSurface(tile);
        SDL_FreeSurface(decor_sheet);
        SDL_FreeSurface(sheet);
        if (mirror)
            SDL_FreeSurface(mirror);
    }

    void set_entry(int i, int16_t w, int16_t h, std::vector<FrameRect> frames, int16_t palette)
    {
        for (size_t k = 0; k < frames.size(); k++)
            rects[i][k] = frames[k];
        entries[i].frames = rects[i];
        entries[i].frame_count = static_cast<int16_t>(frames.size());
        entries[i].width = w;
        entries[i].height = h;
        entries[i].palette = palette;
    }

    void place_frog(int f, int16_t x, int16_t y, int16_t animation, int16_t direction)
    {
        frogs[f].x = x;
        frogs[f].y = y;
        frogs[f].animation = animation;
        frogs[f].direction = direction;
        frogs[f].frame = 0;
    }

    LevelElement element(int16_t x, int16_t y, int16_t w, int16_t h, FrameRect *frames, int16_t count,
                         int16_t delay)
    {
        LevelElement e = {};
        e.offset_x = x;
        e.offset_y = y;
        e.width = w;
        e.height = h;
        e.frames = frames;
        e.frame_count = count;
        e.frame_delay = delay;
        return e;
    }

    // Screen pixels that must never change: everything below the play area.
    void expect_below_play_area_untouched()
    {
        for (int y = PLAY_H; y < SCREEN_H; y++)
            for (int x = 0; x < SCREEN_W; x++)
                if (pixel(surface, x, y) != BACKGROUND) {
                    ADD_FAILURE() << "pixel " << x << "," << y << " drawn outside the play area";
                    return;
                }
    }

    SDL_Surface *surface = nullptr, *tile = nullptr, *decor_sheet = nullptr, *sheet = nullptr, *mirror = nullptr;
    SpriteDef entries[E_ENTRIES];
    FrameRect rects[E_ENTRIES][4];
    Effect pool[EFFECT_POOL_PLACES];

    World saved_world;
    SpriteSet saved_sprites;
    Frog saved_frogs[FROG_SLOTS];
    SDL_Color saved_tables[PALETTE_TABLES][256];
    Effect *saved_pool;
    int16_t saved_frog_count, saved_player, saved_palette;
};

// ---------------------------------------------------------------- the view

struct ViewCase {
    const char *name;
    int16_t x, y;
    int count;
    SDL_Rect r0;
    int ox0;
    SDL_Rect r1;
    int ox1;
    int oy;
    int fill_bottom;
};

const ViewCase view_cases[] = {
    {"middle", 1000, 500, 1, {840, 398, 320, 205}, 0, {}, 0, 0, 0},
    {"near the top", 1000, 50, 1, {840, 0, 320, 205}, 0, {}, 0, 42, 0},
    {"top row at screen row 0", 1000, 97, 1, {840, 0, 320, 205}, 0, {}, 0, 0, 0},
    {"follows from 102", 1000, 102, 1, {840, 0, 320, 205}, 0, {}, 0, 0, 0},
    {"bottom", 1000, 1880, 1, {840, 1778, 320, 142}, 0, {}, 0, 0, 1},
    {"left wrap", 100, 500, 2, {0, 398, 260, 205}, 60, {2500, 398, 60, 205}, 0, 0, 0},
    {"right wrap", 2500, 500, 2, {0, 398, 100, 205}, 220, {2340, 398, 220, 205}, 0, 0, 0},
    {"above the level", 1000, -20, 1, {840, 0, 320, 205}, 0, {}, 0, 112, 0},
    {"corner", 2500, 1880, 2, {0, 1778, 100, 142}, 220, {2340, 1778, 220, 142}, 0, 0, 1},
};

TEST_F(WorldDrawing, ViewPiecesAroundThePlayersFrog)
{
    for (const ViewCase &c : view_cases) {
        SCOPED_TRACE(c.name);
        frogs[0].x = c.x;
        frogs[0].y = c.y;
        View view;
        view_compute(&view);
        ASSERT_EQ(view.count, c.count);
        const SDL_Rect *want[2] = {&c.r0, &c.r1};
        const int want_ox[2] = {c.ox0, c.ox1};
        for (int i = 0; i < c.count; i++) {
            const ViewPiece &p = view.piece[i];
            EXPECT_EQ(p.r.x, want[i]->x) << "piece " << i;
            EXPECT_EQ(p.r.y, want[i]->y) << "piece " << i;
            EXPECT_EQ(p.r.w, want[i]->w) << "piece " << i;
            EXPECT_EQ(p.r.h, want[i]->h) << "piece " << i;
            EXPECT_EQ(p.ox, want_ox[i]) << "piece " << i;
            EXPECT_EQ(p.oy, c.oy) << "piece " << i;
        }
        EXPECT_EQ(view.oy, c.oy);
        EXPECT_EQ(view.fill_bottom != 0, c.fill_bottom != 0);
    }
}

// Where a screen pixel of the play area looks into the level, worked out
// from the frog's position alone.
int level_row(int frog_y, int screen_y)
{
    if (frog_y < VIEW_CENTRE_Y) {
        int top = VIEW_TOP_ROW - frog_y > 0 ? VIEW_TOP_ROW - frog_y : 0;
        return screen_y - top;
    }
    return frog_y - VIEW_CENTRE_Y + screen_y;
}

int level_column(int frog_x, int screen_x) { return ((frog_x - VIEW_CENTRE_X + screen_x) % LEVEL_W + LEVEL_W) % LEVEL_W; }

TEST_F(WorldDrawing, BackLayerShowsTilesAndFillsWhereTheLevelEnds)
{
    for (const ViewCase &c : view_cases) {
        SCOPED_TRACE(c.name);
        clear(surface, BACKGROUND);
        SDL_Rect play = {0, 0, PLAY_W, PLAY_H};
        SDL_SetClipRect(surface, &play);
        frogs[0].x = c.x;
        frogs[0].y = c.y;
        draw_back_layer(surface);
        int wrong = 0;
        for (int sy = 0; sy < PLAY_H && wrong < 5; sy++)
            for (int sx = 0; sx < PLAY_W && wrong < 5; sx++) {
                int row = level_row(c.y, sy), col = level_column(c.x, sx);
                Uint8 want = row < 0 || row >= LEVEL_H ? FILL : tile_value(col % TILE_SIZE, row % TILE_SIZE);
                if (pixel(surface, sx, sy) != want) {
                    ADD_FAILURE() << "screen " << sx << "," << sy << " shows " << int(pixel(surface, sx, sy))
                                  << ", level " << col << "," << row << " is " << int(want);
                    wrong++;
                }
            }
        expect_below_play_area_untouched();
    }
}

TEST_F(WorldDrawing, MissingTilePictureLeavesTheFillColour)
{
    world.tile = nullptr;
    world.decor_sheet = nullptr;
    FrameRect frame = {0, 0, 16, 16};
    LevelElement decor[1] = {element(1000, 500, 16, 16, &frame, 1, 0)};
    world.decor = decor;
    world.sc = 1;
    draw_back_layer(surface);
    for (int y = 0; y < PLAY_H; y += 7)
        for (int x = 0; x < PLAY_W; x += 7)
            ASSERT_EQ(pixel(surface, x, y), FILL) << x << "," << y;
    expect_below_play_area_untouched();
}

// ----------------------------------------------------------- level elements

TEST_F(WorldDrawing, DecorTouchingTheViewIsNeitherDrawnNorAnimated)
{
    // The view is level {840, 398, 320, 205}; every element is 32x16 with
    // two frames, each lasting three ticks.
    FrameRect frames[2] = {{0, 0, 32, 16}, {32, 0, 32, 16}};
    struct Case {
        const char *name;
        int16_t x, y;
        int drawn;
        int screen_x, screen_y;  // where its top-left pixel lands
    } cases[] = {
        {"right edge on the view's left edge", 808, 450, 0, 0, 0},
        {"one column inside the left edge", 809, 450, 1, -31, 52},
        {"left edge on the view's right edge", 1160, 450, 0, 0, 0},
        {"one column inside the right edge", 1159, 450, 1, 319, 52},
        {"bottom edge on the view's top edge", 900, 382, 0, 0, 0},
        {"one row inside the top edge", 900, 383, 1, 60, -15},
        {"top edge on the view's bottom edge", 900, 603, 0, 0, 0},
    };
    LevelElement decor[std::size(cases)];
    for (size_t i = 0; i < std::size(cases); i++)
        decor[i] = element(cases[i].x, cases[i].y, 32, 16, frames, 2, 1);
    world.decor = decor;
    world.sc = static_cast<int32_t>(std::size(cases));
    draw_back_layer(surface);
    for (size_t i = 0; i < std::size(cases); i++) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(decor[i].start_timer, cases[i].drawn ? 1 : 0);
        EXPECT_EQ(decor[i].frame, 0);
        if (!cases[i].drawn)
            continue;
        // The pixel of the element that shows inside the play area.
        int ex = cases[i].screen_x < 0 ? -cases[i].screen_x : 0;
        int ey = cases[i].screen_y < 0 ? -cases[i].screen_y : 0;
        EXPECT_EQ(pixel(surface, cases[i].screen_x + ex, cases[i].screen_y + ey), decor_value(ex, ey));
    }
}

TEST_F(WorldDrawing, ElementsAnimateOnlyWhileDrawn)
{
    FrameRect frames[2] = {{0, 0, 8, 8}, {8, 16, 8, 8}};
    LevelElement nine[1] = {element(1000, 500, 8, 8, frames, 2, 1)};
    world.nine = nine;
    world.nc = 1;
    // Each frame shows for frame_delay + 2 = 3 drawings; the screen shows
    // the frame that was current when it was drawn.
    const int shown[] = {0, 0, 0, 1, 1, 1, 0};
    for (int k = 0; k < 7; k++) {
        draw_front_layer(surface);
        int f = shown[k];
        EXPECT_EQ(pixel(surface, 160, 102), decor_value(frames[f].x, frames[f].y)) << "drawing " << k;
    }
    // Out of view the element keeps its frame and timer.
    int16_t frame = nine[0].frame, timer = nine[0].start_timer;
    frogs[0].x = 2000;
    for (int k = 0; k < 5; k++)
        draw_front_layer(surface);
    EXPECT_EQ(nine[0].frame, frame);
    EXPECT_EQ(nine[0].start_timer, timer);
}

TEST_F(WorldDrawing, NineElementsCoverTheFrogs)
{
    set_entry(E_FROG, 20, 12, {{0, 20, 20, 12}}, 0);
    place_frog(0, 1000, 500, E_FROG, 6);
    FrameRect frame = {0, 0, 4, 4};
    LevelElement nine[1] = {element(1000, 500, 4, 4, &frame, 1, 0)};
    world.nine = nine;
    world.nc = 1;
    draw_back_layer(surface);
    draw_actor_layer(surface);
    EXPECT_EQ(pixel(surface, 155, 100), actor_value(5, 24));
    draw_front_layer(surface);
    EXPECT_EQ(pixel(surface, 160, 102), decor_value(0, 0));
    EXPECT_EQ(pixel(surface, 155, 100), actor_value(5, 24));
}

// ------------------------------------------------------------ frogs, effects

TEST_F(WorldDrawing, FrogFallingFromFarAboveTheLevelStaysInSight)
{
    // Far above the top the whole play area is fill, and the player's frog
    // and a shot beside it show on row 92 as they would just below the top.
    for (int y : {-20, -300, -17000}) {
        clear(surface, BACKGROUND);
        place_frog(0, 1000, static_cast<int16_t>(y), E_THIN, 6);
        draw_back_layer(surface);
        draw_actor_layer(surface);
        EXPECT_EQ(pixel(surface, 159, 92), actor_value(10, 0)) << "y " << y;
        EXPECT_EQ(pixel(surface, 161, 92), actor_value(12, 0)) << "y " << y;
        if (y < -205) {
            EXPECT_EQ(pixel(surface, 10, 200), FILL) << "y " << y;
        }
    }
}

TEST_F(WorldDrawing, FrogFacingLeftShowsItsColumnsReversed)
{
    place_frog(0, 1000, 500, E_THIN, 4);
    draw_actor_layer(surface);
    // Entry 3x1: halves 1 and 0, so the frame starts at screen (159, 102).
    EXPECT_EQ(pixel(surface, 159, 102), actor_value(12, 0));
    EXPECT_EQ(pixel(surface, 160, 102), actor_value(11, 0));
    EXPECT_EQ(pixel(surface, 161, 102), actor_value(10, 0));
    EXPECT_EQ(pixel(surface, 158, 102), BACKGROUND);
    EXPECT_EQ(pixel(surface, 162, 102), BACKGROUND);

    clear(surface, BACKGROUND);
    SDL_Rect play = {0, 0, PLAY_W, PLAY_H};
    SDL_SetClipRect(surface, &play);
    frogs[0].direction = 6;
    draw_actor_layer(surface);
    EXPECT_EQ(pixel(surface, 159, 102), actor_value(10, 0));
    EXPECT_EQ(pixel(surface, 161, 102), actor_value(12, 0));
}

TEST_F(WorldDrawing, EffectIsCentredOnItsOwnFrame)
{
    // The entry is 40x40 but each frame is centred on its own size, halves
    // rounded down; only heading 4 mirrors.
    struct Case {
        int16_t frame, direction;
        int left, top, w, h;
        int mirrored;
    } cases[] = {
        {0, 6, 155, 99, 10, 6, 0},
        {1, 6, 157, 100, 7, 5, 0},
        {0, 4, 155, 99, 10, 6, 1},
        {0, 1, 155, 99, 10, 6, 0},
        {0, 7, 155, 99, 10, 6, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "frame " << c.frame << " heading " << c.direction);
        clear(surface, BACKGROUND);
        SDL_Rect play = {0, 0, PLAY_W, PLAY_H};
        SDL_SetClipRect(surface, &play);
        pool[3] = Effect{};
        pool[3].kind = E_EFFECT;
        pool[3].x = 1000;
        pool[3].y = 500;
        pool[3].frame = c.frame;
        pool[3].direction = c.direction;
        draw_actor_layer(surface);
        const FrameRect &f = rects[E_EFFECT][c.frame];
        for (int y = c.top - 1; y <= c.top + c.h; y++)
            for (int x = c.left - 1; x <= c.left + c.w; x++) {
                int inside = x >= c.left && x < c.left + c.w && y >= c.top && y < c.top + c.h;
                Uint8 want = BACKGROUND;
                if (inside) {
                    int sx = c.mirrored ? f.x + f.w - 1 - (x - c.left) : f.x + (x - c.left);
                    want = actor_value(sx, f.y + y - c.top);
                    if (want == KEY_COLOUR)
                        want = BACKGROUND;
                }
                ASSERT_EQ(pixel(surface, x, y), want) << x << "," << y;
            }
    }
}

// The faster mirroring must match one blit per column exactly, wherever the
// picture is cut: by the clip rectangle, by the top of the surface, or by
// the edges of the sheet itself.
TEST_F(WorldDrawing, MirroredSheetMatchesColumnByColumn)
{
    struct Case {
        const char *name;
        SDL_Rect source;
        Sint16 dx, dy;
    } cases[] = {
        {"inside", {10, 2, 20, 12}, 100, 50},
        {"cut by the clip's left", {10, 2, 20, 12}, 10, 50},
        {"cut by the clip's right", {10, 2, 20, 12}, 210, 50},
        {"cut by the clip's top", {10, 2, 20, 12}, 100, 3},
        {"cut by the clip's bottom", {10, 2, 20, 12}, 100, 150},
        {"hangs over the sheet's left", {static_cast<Sint16>(-6), 2, 20, 12}, 100, 50},
        {"hangs over the sheet's right", {50, 2, 20, 12}, 100, 50},
        {"hangs over both sides", {static_cast<Sint16>(-5), 0, 80, 10}, 60, 40},
        {"hangs over the sheet's top and bottom", {20, static_cast<Sint16>(-4), 8, 40}, 100, 50},
        {"wholly off the sheet", {70, 0, 10, 10}, 100, 50},
        {"over the sheet and the clip", {50, 2, 20, 12}, 205, 50},
        {"over the sheet's left and the clip's left", {static_cast<Sint16>(-6), 2, 20, 12}, 5, 50},
        {"left of the surface", {10, 2, 20, 12}, static_cast<Sint16>(-15), 50},
    };
    SDL_Surface *columns = make_surface(SCREEN_W, SCREEN_H);
    SDL_Rect clip = {16, 8, 200, 150};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        clear(surface, BACKGROUND);
        clear(columns, BACKGROUND);
        SDL_SetClipRect(surface, &clip);
        SDL_SetClipRect(columns, &clip);
        SDL_Rect to = {c.dx, c.dy, 0, 0};
        blit_mirrored(sheet, &c.source, surface, &to);
        SDL_Rect to_columns = {c.dx, c.dy, 0, 0};
        blit_mirrored_columns(sheet, &c.source, columns, &to_columns);
        EXPECT_EQ(first_difference(surface, columns), "");
    }
    SDL_FreeSurface(columns);
}

TEST_F(WorldDrawing, MirroredFrogsMatchColumnByColumnAtEveryEdge)
{
    // Frames of odd sizes, some hanging over the sheet's edges, on frogs
    // placed against the play area's top, left and right.
    struct Case {
        const char *name;
        FrameRect frame;
        int16_t x, y;
    } cases[] = {
        {"in the middle", {4, 4, 20, 12}, 1000, 500},
        {"cut at the top", {4, 4, 20, 12}, 1000, 400},
        {"cut at the left", {4, 4, 20, 12}, 845, 500},
        {"cut at the right", {4, 4, 20, 12}, 1155, 500},
        {"top-left corner", {3, 1, 21, 13}, 842, 399},
        {"frame over the sheet's left", {-7, 4, 20, 12}, 1000, 500},
        {"frame over the sheet's right", {55, 4, 20, 12}, 1000, 500},
        {"frame over the sheet's bottom", {4, 25, 20, 12}, 1000, 500},
        {"over the sheet's right, cut at the left", {55, 4, 20, 12}, 845, 500},
        {"over the sheet's left, cut at the right", {-7, 4, 20, 12}, 1155, 400},
    };
    SDL_Surface *columns = make_surface(SCREEN_W, SCREEN_H);
    SDL_Rect play = {0, 0, PLAY_W, PLAY_H};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        set_entry(E_FROG, c.frame.w, c.frame.h, {c.frame}, 0);
        place_frog(1, c.x, c.y, E_FROG, 7);  // the player's frog holds the view still
        clear(surface, BACKGROUND);
        clear(columns, BACKGROUND);
        SDL_SetClipRect(surface, &play);
        SDL_SetClipRect(columns, &play);
        actor_sprites.mirror_sheet = mirror;
        draw_actor_layer(surface);
        actor_sprites.mirror_sheet = nullptr;
        draw_actor_layer(columns);
        actor_sprites.mirror_sheet = mirror;
        EXPECT_EQ(first_difference(surface, columns), "");
        // And both show what the frame means: sheet column frame.x + i at
        // the picture's right end minus i, nothing where the frame leaves
        // the sheet or the picture leaves the play area.
        int left = c.x - 840 - c.frame.w / 2, top = c.y - 398 - c.frame.h / 2, wrong = 0;
        for (int y = 0; y < SCREEN_H && wrong < 3; y++)
            for (int x = 0; x < SCREEN_W && wrong < 3; x++) {
                int sx = c.frame.x + c.frame.w - 1 - (x - left), sy = c.frame.y + (y - top);
                int inside = x >= left && x < left + c.frame.w && y >= top && y < top + c.frame.h && y < PLAY_H &&
                             sx >= 0 && sx < sheet->w && sy >= 0 && sy < sheet->h;
                Uint8 want = inside ? actor_value(sx, sy) : BACKGROUND;
                if (want == KEY_COLOUR)
                    want = BACKGROUND;
                if (pixel(surface, x, y) != want) {
                    ADD_FAILURE() << "screen " << x << "," << y << " shows " << int(pixel(surface, x, y))
                                  << " instead of " << int(want);
                    wrong++;
                }
            }
        // Both ways must actually have drawn the frog for the match to mean anything.
        std::vector<Uint8> drawn = pixels_of(surface);
        EXPECT_GT(drawn.size() - std::count(drawn.begin(), drawn.end(), BACKGROUND), 20u);
    }
    SDL_FreeSurface(columns);
}

TEST_F(WorldDrawing, MirrorSheetIsTheSheetFlipped)
{
    ASSERT_NE(mirror, nullptr);
    ASSERT_EQ(mirror->w, sheet->w);
    ASSERT_EQ(mirror->h, sheet->h);
    for (int y = 0; y < sheet->h; y++)
        for (int x = 0; x < sheet->w; x++)
            ASSERT_EQ(pixel(mirror, sheet->w - 1 - x, y), pixel(sheet, x, y)) << x << "," << y;
    EXPECT_TRUE(mirror->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(mirror->format->colorkey, static_cast<Uint32>(KEY_COLOUR));
    for (int i = 0; i < 256; i++) {
        EXPECT_EQ(mirror->format->palette->colors[i].r, sheet->format->palette->colors[i].r);
        EXPECT_EQ(mirror->format->palette->colors[i].b, sheet->format->palette->colors[i].b);
    }
    EXPECT_EQ(make_mirror_sheet(nullptr), nullptr);
}

TEST_F(WorldDrawing, PlayersPaletteSwitchesOnceOnFrameZero)
{
    for (int t = 0; t < PALETTE_TABLES; t++)
        for (int i = 0; i < 256; i++)
            palette_tables[t][i] = SDL_Color{static_cast<Uint8>(t * 50), static_cast<Uint8>(i), 7, 0};
    auto palette_is = [&](int table) {
        for (int i = 0; i < 256; i++) {
            const SDL_Color &c = surface->format->palette->colors[i];
            if (c.r != palette_tables[table][i].r || c.g != palette_tables[table][i].g)
                return false;
        }
        return true;
    };
    auto reset_palette = [&]() {
        SDL_Color colours[256];
        for (int i = 0; i < 256; i++)
            colours[i] = test_colour(i);
        SDL_SetColors(surface, colours, 0, 256);
    };

    // Another frog's palette never counts, nor the player's past frame 0.
    place_frog(1, 1010, 500, E_PALETTE3, 6);
    place_frog(0, 1000, 500, E_PALETTE2, 6);
    frogs[0].frame = 1;
    draw_actor_layer(surface);
    EXPECT_EQ(current_palette, 0);
    EXPECT_FALSE(palette_is(3));
    EXPECT_FALSE(palette_is(2));

    frogs[0].frame = 0;
    draw_actor_layer(surface);
    EXPECT_EQ(current_palette, 2);
    EXPECT_TRUE(palette_is(2));

    // Once switched, the same palette is not set again.
    reset_palette();
    draw_actor_layer(surface);
    EXPECT_EQ(current_palette, 2);
    EXPECT_FALSE(palette_is(2));

    // A palette number beyond the four tables leaves the screen alone.
    frogs[0].animation = E_PALETTE9;
    draw_actor_layer(surface);
    EXPECT_EQ(current_palette, 2);
    EXPECT_FALSE(palette_is(0));

    // Back to the plain palette when the player's frog shows one with 0.
    frogs[0].animation = E_FROG;
    draw_actor_layer(surface);
    EXPECT_EQ(current_palette, 0);
    EXPECT_TRUE(palette_is(0));
}

// ------------------------------------------------------- untrusted numbers

TEST_F(WorldDrawing, BadSpriteAndLevelDataDrawNothingOutsideThePlayArea)
{
    // Frames and indices as a broken data file could give them; the screen
    // is 320x240 and only its play area may change.
    set_entry(E_FROG, 20, 12, {{-30000, -30000, 32000, 32000}, {4, 4, -20, 12}, {60, 28, 30000, 30000}}, 0);
    set_entry(E_THIN, 40, 40, {{32767, 32767, 32767, 32767}}, 0);
    frog_count = 10;
    const struct {
        int16_t x, y, animation, direction;
        uint8_t frame;
    } frog_cases[] = {
        {1000, 500, E_FROG, 4, 0},      {1000, 500, E_FROG, 6, 0},  {1000, 600, E_FROG, 4, 1},
        {1000, 500, E_FROG, 4, 2},      {1000, 500, 99, 4, 0},      {1000, 500, -5, 6, 0},
        {1000, 500, E_FROG, 4, 9},      {32767, -32768, E_THIN, 4, 0}, {1000, 500, E_THIN, 6, 0},
        {-32768, 32767, E_FROG, 4, 0},
    };
    for (int f = 0; f < 10; f++) {
        place_frog(f, frog_cases[f].x, frog_cases[f].y, frog_cases[f].animation, frog_cases[f].direction);
        frogs[f].frame = frog_cases[f].frame;
    }
    pool[0] = Effect{};
    pool[0].kind = 500;
    pool[1] = Effect{};
    pool[1].kind = E_EFFECT;
    pool[1].x = 1000;
    pool[1].y = 500;
    pool[1].frame = 7;
    pool[2] = pool[1];
    pool[2].frame = -1;
    pool[3] = pool[1];
    pool[3].kind = E_FROG;
    pool[3].frame = 0;
    pool[3].direction = 4;
    pool[4] = pool[1];
    pool[4].kind = -3;

    FrameRect frames[2] = {{-100, -100, 300, 300}, {60, 60, 10, 10}};
    LevelElement decor[5] = {
        element(1000, 500, 50, 50, frames, 2, 0),
        element(1000, 500, 50, 50, frames, 2, 0),
        element(1000, 500, 10, 10, nullptr, 3, 1),
        element(900, 450, -10, 20, frames, 2, 1),
        element(1000, 500, 30000, 30000, frames, 2, 0),
    };
    decor[1].frame = 5;  // past frame_count: starts over at frame 0
    world.decor = decor;
    world.sc = 5;
    world.nine = decor;
    world.nc = 5;

    for (int16_t y : {500, 50, -30000, 1880, 32000}) {
        frogs[0].y = y;
        draw_back_layer(surface);
        draw_actor_layer(surface);
        draw_front_layer(surface);
        expect_below_play_area_untouched();
    }
    EXPECT_GE(decor[1].frame, 0);
    EXPECT_LT(decor[1].frame, 2);
}

TEST_F(WorldDrawing, ClipTopMovesPicturesAboveTheSurfaceDown)
{
    struct Case {
        Sint16 dest_y, src_y;
        Uint16 src_h;
        int left;
        Sint16 want_dest_y, want_src_y;
        Uint16 want_h;
    } cases[] = {
        {0, 5, 10, 1, 0, 5, 10},
        {7, 5, 10, 1, 7, 5, 10},
        {-3, 5, 10, 1, 0, 8, 7},
        {-9, 5, 10, 1, 0, 14, 1},
        {-10, 5, 10, 0, 0, 15, 10},
        {-200, 0, 10, 0, 0, 200, 10},
    };
    for (const Case &c : cases) {
        SDL_Rect dest = {40, c.dest_y, 0, 0}, src = {3, c.src_y, 6, c.src_h};
        EXPECT_EQ(clip_top(&dest, &src), c.left) << c.dest_y;
        EXPECT_EQ(dest.y, c.want_dest_y) << c.dest_y;
        EXPECT_EQ(src.y, c.want_src_y) << c.dest_y;
        EXPECT_EQ(src.h, c.want_h) << c.dest_y;
        EXPECT_EQ(dest.x, 40);
        EXPECT_EQ(src.x, 3);
        EXPECT_EQ(src.w, 6);
    }
}

}  // namespace
