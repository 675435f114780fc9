// The data the game ships with, read by the game's own readers: the frogs'
// sheet and table, and the world "mine" with its tiles. These catch data
// that would load fine and still break play (a frog that sinks through a
// ledge, a storey no jump reaches, a pickup no frog can touch).
#include "world/record.h"
#include "world/sprites.h"
#include "world/world.h"
#include <SDL.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::string data_dir = GAMEDATA_DIR;

constexpr int JUMP = 2;  // animation numbers and effect kinds the game uses
const int frog_animations[] = {0, 1, 2, 5, 6, 9, 11, 20, 21, 22, 24, 25};

struct Picture {
    SDL_Surface *s = nullptr;
    explicit Picture(const std::string &path) : s(SDL_LoadBMP(path.c_str())) {}
    ~Picture() { SDL_FreeSurface(s); }
    int at(int x, int y) const { return static_cast<uint8_t *>(s->pixels)[y * s->pitch + x]; }
};

bool rect_inside(const FrameRect &r, const SDL_Surface *s)
{
    return r.w > 0 && r.h > 0 && r.x >= 0 && r.y >= 0 && r.x + r.w <= s->w && r.y + r.h <= s->h;
}

bool rect_shows_something(const FrameRect &r, const Picture &p)
{
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x)
            if (p.at(x, y) != 185)
                return true;
    return false;
}

class ShippedData : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(sprite_file_read((data_dir + "/bmp/tank.elf").c_str()), 0);
        world_init();
        ASSERT_EQ(level_file_read((data_dir + "/bmp/mine.elf").c_str()), 0);
    }
    void TearDown() override
    {
        world_free();
        sprites_free();
    }

    // The support a frog standing at column x finds at or below row y: the
    // row of the nearest floor there, or the top of the solid bottom band.
    static int support_below(int x, int y)
    {
        int best = world.height - BOTTOM_BAND;
        for (int32_t i = 0; i < world.floor_count; ++i) {
            const Floor &f = world.floors[i];
            if (f.y >= y && f.y < best && f.x <= x && x <= f.x + f.length)
                best = f.y;
        }
        return best;
    }
};

TEST_F(ShippedData, SpriteTableHasEveryEntryWithFramesOnTheSheet)
{
    ASSERT_EQ(actor_sprites.count, SPRITE_ENTRIES_NEEDED);
    Picture sheet(data_dir + "/bmp/tank.bmp");
    ASSERT_NE(sheet.s, nullptr) << SDL_GetError();
    ASSERT_EQ(sheet.s->format->BitsPerPixel, 8);
    for (int i = 0; i < actor_sprites.count; ++i) {
        const SpriteDef *e = sprite_entry(i);
        ASSERT_GE(e->frame_count, 1) << "entry " << i;
        for (int k = 0; k < e->frame_count; ++k) {
            const FrameRect *r = sprite_frame(e, k);
            ASSERT_NE(r, nullptr);
            EXPECT_TRUE(rect_inside(*r, sheet.s)) << "entry " << i << " frame " << k;
            if (rect_inside(*r, sheet.s)) {
                EXPECT_TRUE(rect_shows_something(*r, sheet))
                    << "entry " << i << " frame " << k << " is all transparent";
            }
        }
        // Frames that never advance would freeze a multi-frame animation
        // (the turn is the exception: the move actions set its delay to 0).
        if (e->frame_count > 1 && i != 1) {
            EXPECT_GT(e->frame_delay, 0) << "entry " << i;
        }
    }
}

// A frog's foot is its centre plus half its entry's height: if one
// animation were taller, the frog would sink through the ledge it stands on
// (or float above it) the moment it changed animation.
TEST_F(ShippedData, FrogAnimationsShareOneSize)
{
    const SpriteDef *stand = sprite_entry(5);
    ASSERT_GT(stand->width, 0);
    ASSERT_GT(stand->height, 0);
    for (int a : frog_animations) {
        const SpriteDef *e = sprite_entry(a);
        EXPECT_EQ(e->width, stand->width) << "animation " << a;
        EXPECT_EQ(e->height, stand->height) << "animation " << a;
        for (int k = 0; k < e->frame_count; ++k) {
            EXPECT_EQ(sprite_frame(e, k)->w, stand->width) << "animation " << a << " frame " << k;
            EXPECT_EQ(sprite_frame(e, k)->h, stand->height) << "animation " << a << " frame " << k;
        }
    }
}

TEST_F(ShippedData, OnlyHitReactionsTintTheScreen)
{
    for (int a : frog_animations) {
        bool hit = a == 9 || a == 11 || a == 20 || a == 21;
        EXPECT_EQ(sprite_entry(a)->palette, hit ? 1 : 0) << "animation " << a;
    }
}

TEST_F(ShippedData, TimedFrogAnimationsLastAndLoopingOnesDoNot)
{
    struct Case { int animation; bool timed; };
    const Case cases[] = {{0, false}, {5, false}, {6, false}, {JUMP, true}, {9, true},
                          {11, true}, {20, true}, {24, true}, {25, true}};
    for (const Case &c : cases) {
        const int duration = sprite_entry(c.animation)->duration;
        EXPECT_EQ(duration > 0, c.timed) << "animation " << c.animation;
    }
}

// Each weapon's hurting stage must sweep the ground a few frog widths in
// front of the shooter; a stage that stands still or dies at once never hits.
TEST_F(ShippedData, EveryWeaponReachesAFrogAFewWidthsAway)
{
    struct Weapon { int first, hurting; bool spawned_at_full_width; };
    const Weapon weapons[] = {{27, 8, false}, {3, 4, false}, {23, 23, true}};
    const int frog_w = sprite_entry(5)->width;
    for (const Weapon &w : weapons) {
        const SpriteDef *first = sprite_entry(w.first);
        const SpriteDef *hurt = sprite_entry(w.hurting);
        int x = (w.spawned_at_full_width ? frog_w : frog_w / 2) + 2 + first->offset_x;
        if (w.first != w.hurting)
            x += first->speed * first->duration + hurt->offset_x;
        int reach = x + hurt->speed * hurt->duration;
        EXPECT_GT(hurt->speed, 0) << "kind " << w.hurting;
        EXPECT_LE(x, 2 * frog_w) << "kind " << w.hurting << " starts hurting too far away";
        EXPECT_GE(reach, 3 * frog_w) << "kind " << w.hurting << " falls short";
    }
}

TEST_F(ShippedData, LevelHeaderCountsEveryElementAndFloor)
{
    char *text = nullptr;
    ASSERT_EQ(read_text_file((data_dir + "/bmp/mine.elf").c_str(), &text), 0);
    const char *pos = text;
    char record[RECORD_BUFFER];
    int32_t header[4] = {}, n[3];
    int elements = 0, floors = 0;
    while (next_record(&pos, "#esf", record)) {
        switch (record[0]) {
        case '#': record_numbers(record, header, 4); break;
        case 'e': ++elements; break;
        case 'f': ++floors; break;
        case 's':
            record_numbers(record, n, 3);
            elements += n[0] > 0 ? n[0] : 0;
            break;
        }
    }
    free(text);
    EXPECT_EQ(header[0], elements);
    EXPECT_EQ(header[1], 2560);
    EXPECT_EQ(header[2], 1920);
    EXPECT_EQ(header[3], floors);
    EXPECT_EQ(world.sc + world.nc, elements);
    EXPECT_EQ(world.floor_count, floors);
}

TEST_F(ShippedData, LevelElementsCutFramesFromTheDecorSheet)
{
    Picture sheet(data_dir + "/bmp/mined.bmp");
    ASSERT_NE(sheet.s, nullptr) << SDL_GetError();
    int animated = 0, in_front = world.nc;
    auto check = [&](const LevelElement &e, const char *layer, int i) {
        ASSERT_GE(e.frame_count, 1) << layer << " " << i;
        for (int k = 0; k < e.frame_count; ++k) {
            FrameRect r = e.frames[k];
            r.w = e.width;  // every frame is drawn at the element's size
            r.h = e.height;
            EXPECT_TRUE(rect_inside(r, sheet.s)) << layer << " " << i << " frame " << k;
        }
        EXPECT_GE(e.offset_x, 0) << layer << " " << i;
        EXPECT_LE(e.offset_x + e.width, world.width) << layer << " " << i;
        if (e.frame_delay > 0 && e.frame_count > 1)
            ++animated;
    };
    for (int i = 0; i < world.sc; ++i)
        check(world.decor[i], "decor", i);
    for (int i = 0; i < world.nc; ++i)
        check(world.nine[i], "nine", i);
    EXPECT_GT(animated, 0);
    EXPECT_GT(in_front, 0);
}

TEST_F(ShippedData, FloorsLieInsideTheLevelWithALedgeDrawnAlongThem)
{
    ASSERT_GT(world.floor_count, 0);
    for (int32_t i = 0; i < world.floor_count; ++i) {
        const Floor &f = world.floors[i];
        EXPECT_GE(f.x, 0) << "floor " << i;
        EXPECT_LT(f.x + f.length, world.width) << "floor " << i;
        EXPECT_GT(f.length, 0) << "floor " << i;
        // Below the band that pushes frogs down and above the solid ground.
        EXPECT_GT(f.y, 29 + sprite_entry(5)->height) << "floor " << i;
        EXPECT_LT(f.y, world.height - BOTTOM_BAND) << "floor " << i;
        for (int x = f.x; x <= f.x + f.length; ++x) {
            bool drawn = false;
            for (int d = 0; d < world.sc && !drawn; ++d) {
                const LevelElement &e = world.decor[d];
                drawn = e.offset_x <= x && x < e.offset_x + e.width && e.offset_y <= f.y &&
                        f.y <= e.offset_y + 3 && e.frame_count > 0;
            }
            if (!drawn) {
                ADD_FAILURE() << "floor " << i << " at (" << f.x << ", " << f.y
                              << ") has no ledge drawn at x " << x;
                break;
            }
        }
    }
}

// A standing jump rises 4 pixels a tick for the jump's duration and a frog
// passes up through floors; every ledge must be reachable that way from a
// ledge (or the ground) under some part of it. A ledge over the seam of the
// ring is two floors, one at each end of the level, and one frog walks on
// both: reaching either half is enough.
TEST_F(ShippedData, EveryLedgeCanBeReachedByAJumpFromBelow)
{
    const int rise = 4 * sprite_entry(JUMP)->duration;
    std::vector<int> climb(size_t(world.floor_count), world.height);
    for (int32_t i = 0; i < world.floor_count; ++i) {
        const Floor &f = world.floors[i];
        for (int x = f.x; x <= f.x + f.length; ++x)
            climb[size_t(i)] = std::min(climb[size_t(i)], support_below(x, f.y + 1) - f.y);
    }
    for (int32_t i = 0; i < world.floor_count; ++i) {
        const Floor &f = world.floors[i];
        int best = climb[size_t(i)];
        for (int32_t j = 0; j < world.floor_count; ++j) {
            const Floor &g = world.floors[j];
            bool joined = g.y == f.y && ((f.x == 0 && g.x + g.length == world.width - 1) ||
                                         (g.x == 0 && f.x + f.length == world.width - 1));
            if (joined)
                best = std::min(best, climb[size_t(j)]);
        }
        EXPECT_LE(best, rise) << "floor " << i << " at (" << f.x << ", " << f.y << ")";
    }
}

// Energy is taken by walking over it.  Health stops and heals a frog on every
// frame it is covered, so a frog standing on it would be stuck and immortal:
// it must lie above a standing frog's head, yet within a jump from below.
TEST_F(ShippedData, PickupsAreReachableAndHealthCannotHoldAFrog)
{
    const int hh = sprite_entry(5)->height / 2;
    const SpriteDef *jump = sprite_entry(2);
    const int rise = 4 * jump->duration;  // a standing jump, speed-or-4 a tick
    int kinds[3] = {};
    for (int32_t i = 0; i < world.pickup_count; ++i) {
        const Pickup &p = world.pickups[i];
        int k = world.pickup_kinds[i];
        if (k >= 1 && k <= 2)
            ++kinds[k];
        int cx = p.x + p.w / 2, cy = p.y + p.h / 2;
        // A frog standing at the pickup's column on the support under it.
        int foot = support_below(cx, cy);
        int fy = foot - hh;
        bool standing_covers = fy - hh < cy && cy < fy + hh;
        if (k == PICKUP_ENERGY) {
            EXPECT_TRUE(standing_covers) << "energy " << i << " at (" << p.x << ", " << p.y
                                         << ") is out of a standing frog's reach";
        } else if (k == PICKUP_HEALTH) {
            EXPECT_FALSE(standing_covers) << "health " << i << " at (" << p.x << ", " << p.y
                                          << ") would hold a frog standing under it";
            EXPECT_LT(fy - rise - hh, cy) << "health " << i << " is out of a jump's reach";
        }
    }
    EXPECT_GE(kinds[PICKUP_HEALTH], 3);
    EXPECT_GE(kinds[PICKUP_ENERGY], 3);
}

TEST_F(ShippedData, LevelTilesAreWholeAndHaveNoHoles)
{
    std::string names[8] = {"minet"};
    for (int level = 2; level <= 8; ++level)
        names[level - 1] = "level" + std::to_string(level);
    for (const std::string &name : names) {
        Picture tile(data_dir + "/bmp/" + name + ".bmp");
        ASSERT_NE(tile.s, nullptr) << name << ": " << SDL_GetError();
        EXPECT_EQ(tile.s->format->BitsPerPixel, 8) << name;
        ASSERT_GE(tile.s->w, 128) << name;
        ASSERT_GE(tile.s->h, 128) << name;
        int holes = 0;
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 128; ++x)
                holes += tile.at(x, y) == 185;
        EXPECT_EQ(holes, 0) << name << " would show through where the key colour is";
    }
}

}  // namespace
