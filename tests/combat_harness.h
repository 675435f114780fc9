// A small arena for the combat tests: a 640x480 ring with two floors, a
// sprite table of our own (not the shipped data) with chosen sizes, speeds
// and timings, and an effect pool of the test's own.  Every global the
// combat code reads is saved in SetUp and put back in TearDown.
#pragma once
#include "combat/ai.h"
#include "combat/collide.h"
#include "combat/effect.h"
#include "combat/frog.h"
#include "combat/tick.h"
#include "shell/state.h"
#include "world/sprites.h"
#include "world/world.h"
#include <gtest/gtest.h>
#include <cstring>

namespace arena {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;
constexpr int GROUND = HEIGHT - BOTTOM_BAND;  // 458: first row of the bottom band
constexpr int UPPER_FLOOR = 200;              // row of a floor from x 100 to 300
constexpr int UPPER_LEFT = 100;
constexpr int UPPER_RIGHT = 300;
constexpr int LOWER_FLOOR = 300;              // row of a floor across the whole ring
constexpr int FROG_HALF = 10;                 // frog entries are 20x20
constexpr int TABLE = SPRITE_ENTRIES_NEEDED;  // 28 entries

// Numbers of one table entry; the order follows the fields a test cares for.
struct EntryNumbers {
    int index;
    int16_t width, height;
    int16_t duration;
    int16_t frame_count;
    int16_t frame_delay;
    int16_t speed;
    int16_t offset_x, offset_y;
};

// Frog animations: 20x20 so half sizes are 10.  Effects: small, with
// speeds and lifetimes chosen to make the two-stage timing visible.
inline constexpr EntryNumbers ENTRIES[] = {
    {0, 20, 20, 0, 4, 2, 0, 0, 0},     // walking / running
    {1, 20, 20, 0, 1, 0, 0, 0, 0},     // turning
    {2, 20, 20, 6, 2, 1, 0, 0, 0},     // jumping
    {3, 4, 4, 3, 2, 0, 6, 4, 0},       // weapon 1, first stage
    {4, 6, 6, 4, 1, 0, 6, 0, 0},       // weapon 1, second stage
    {5, 20, 20, 0, 1, 0, 0, 0, 0},     // standing
    {6, 20, 20, 0, 1, 0, 0, 0, 0},     // start pose
    {7, 4, 4, 2, 4, 1, 1, 6, 2},       // dust
    {8, 6, 6, 4, 1, 0, 5, 5, 3},       // weapon 0, second stage
    {9, 20, 20, 4, 1, 0, 0, 0, 0},     // hit by weapon 1
    {10, 4, 4, 3, 1, 0, 0, 0, 0},
    {11, 20, 20, 4, 1, 0, 0, 0, 0},    // hit by weapon 0
    {12, 4, 4, 3, 1, 0, 0, 0, 0},
    {13, 4, 4, 3, 1, 0, 2, 0, 0},      // debris
    {14, 4, 4, 3, 1, 0, 2, 0, 0},
    {15, 4, 4, 3, 1, 0, 2, 0, 0},
    {16, 4, 4, 2, 1, 0, 0, 0, 0},
    {17, 4, 4, 2, 1, 0, 0, 0, 0},
    {18, 4, 4, 3, 1, 0, 2, 0, 0},
    {19, 4, 4, 3, 1, 0, 2, 0, 0},
    {20, 20, 20, 5, 1, 0, 0, 0, 0},    // hit by weapon 2
    {21, 4, 4, 0, 1, 0, 0, 0, 0},
    {22, 16, 16, 0, 2, 1, 0, 0, 0},    // dead
    {23, 8, 4, 8, 1, 0, 10, 10, 0},     // weapon 2
    {24, 20, 20, 3, 1, 0, 0, 0, 0},    // dropping
    {25, 20, 20, 5, 1, 0, 0, 0, 0},    // leaping
    {26, 4, 4, 3, 1, 0, 0, 0, 0},      // bump mark
    {27, 4, 4, 3, 1, 0, 5, 5, 2},      // weapon 0, first stage
};

struct Saved {
    World world;
    SpriteSet sprites;
    Effect *pool;
    int16_t level, frog_count, player_alive, ai_clock;
    SDL_Surface *screen;
};

}  // namespace arena

class CombatArena : public ::testing::Test {
protected:
    SpriteDef table[arena::TABLE] = {};
    FrameRect frames[arena::TABLE][4] = {};
    Effect pool[EFFECT_POOL_PLACES] = {};
    Floor floors[2] = {};
    Pickup pickups[4] = {};
    int16_t pickup_kinds[4] = {};
    arena::Saved saved = {};

    void SetUp() override
    {
        saved.world = world;
        saved.sprites = actor_sprites;
        saved.pool = effect_pool;
        saved.level = level;
        saved.frog_count = frog_count;
        saved.player_alive = player_alive;
        saved.ai_clock = ai_clock;
        saved.screen = screen;

        for (const auto &s : arena::ENTRIES) {
            SpriteDef &e = table[s.index];
            e.width = s.width;
            e.height = s.height;
            e.duration = s.duration;
            e.frame_count = s.frame_count;
            e.frame_delay = s.frame_delay;
            e.speed = s.speed;
            e.offset_x = s.offset_x;
            e.offset_y = s.offset_y;
            e.frames = frames[s.index];
        }
        actor_sprites.table = table;
        actor_sprites.count = arena::TABLE;

        floors[0] = {arena::UPPER_LEFT, arena::UPPER_FLOOR, arena::UPPER_RIGHT - arena::UPPER_LEFT};
        floors[1] = {0, arena::LOWER_FLOOR, arena::WIDTH};
        world.width = arena::WIDTH;
        world.height = arena::HEIGHT;
        world.floors = floors;
        world.floor_count = 2;
        world.pickups = pickups;
        world.pickup_kinds = pickup_kinds;
        world.pickup_count = 0;

        effect_pool = pool;
        level = 1;
        frog_count = 2;
        player_alive = 1;
        ai_clock = 0;
        screen = nullptr;
        frogs_init();
    }

    void TearDown() override
    {
        world = saved.world;
        actor_sprites = saved.sprites;
        effect_pool = saved.pool;
        level = saved.level;
        frog_count = saved.frog_count;
        player_alive = saved.player_alive;
        ai_clock = saved.ai_clock;
        screen = saved.screen;
        std::memset(frogs, 0, sizeof frogs);
    }

    // Puts a frog somewhere in a chosen state, as a placement would.
    void place(int16_t i, int x, int y, int16_t animation, int16_t direction, uint8_t speed)
    {
        frog_set_animation(i, animation);
        frogs[i].x = int16_t(x);
        frogs[i].y = int16_t(y);
        frogs[i].direction = direction;
        frogs[i].speed = speed;
    }

    // A frog whose foot is on the given row.
    void stand_on(int16_t i, int x, int row, int16_t direction = 6)
    {
        place(i, x, row - arena::FROG_HALF, ANIM_STAND, direction, 0);
        frogs[i].frame_delay = 0;
    }

    // Only the player's frog takes part.
    void only_player() { frog_count = 1; }

    int live_effects(int16_t kind = -1) const
    {
        int n = 0;
        for (int i = 0; i < EFFECT_SLOTS; ++i)
            if (pool[i].kind != 0 && (kind < 0 || pool[i].kind == kind))
                ++n;
        return n;
    }

    const Effect *first_effect(int16_t kind) const
    {
        for (int i = 0; i < EFFECT_SLOTS; ++i)
            if (pool[i].kind == kind)
                return &pool[i];
        return nullptr;
    }

    // An effect put straight into a slot, without the entry's offsets.
    void put_effect(int slot, int16_t kind, int x, int y, int16_t direction, int16_t owner)
    {
        pool[slot] = Effect{};
        pool[slot].kind = kind;
        pool[slot].x = int16_t(x);
        pool[slot].y = int16_t(y);
        pool[slot].direction = direction;
        pool[slot].owner = owner;
        pool[slot].life = sprite_entry(kind)->duration;
    }

    void clear_effects() { std::memset(pool, 0, sizeof pool); }

    void fill_pool(int16_t kind = 21)
    {
        for (int i = 0; i < EFFECT_SLOTS; ++i) {
            pool[i] = Effect{};
            pool[i].kind = kind;
            pool[i].life = 100;
            pool[i].direction = 5;
        }
    }

    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            combat_tick();
    }

    void frog_ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            frogs_tick();
    }
};
