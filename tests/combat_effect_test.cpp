#include "combat_harness.h"
#include <vector>

using EffectPool = CombatArena;

TEST_F(EffectPool, SpawnPlacesByHeadingFromTheEntryOffsets)
{
    // Dust (kind 7) has offsets (6, 2): left headings subtract x, up headings subtract y.
    struct Case {
        int16_t direction;
        int16_t x, y;
    } cases[] = {
        {4, 94, 52}, {7, 94, 48}, {1, 94, 52}, {6, 106, 52},
        {9, 106, 48}, {3, 106, 52}, {8, 106, 48}, {2, 106, 52}, {5, 106, 52},
    };
    for (const Case &c : cases) {
        clear_effects();
        table[FX_DUST].z = 3;
        table[FX_DUST].start_timer = 1;
        effect_spawn(FX_DUST, 100, 50, c.direction, 4);
        const Effect &fx = pool[0];
        SCOPED_TRACE(c.direction);
        EXPECT_EQ(fx.kind, FX_DUST);
        EXPECT_EQ(fx.x, c.x);
        EXPECT_EQ(fx.y, c.y);
        EXPECT_EQ(fx.direction, c.direction);
        EXPECT_EQ(fx.owner, 4);
        EXPECT_EQ(fx.z, 3);
        EXPECT_EQ(fx.life, 2);
        EXPECT_EQ(fx.frame, 0);
        EXPECT_EQ(fx.frame_timer, 1);
    }
}

TEST_F(EffectPool, SpawnTakesTheFirstFreeSlotAndAFullPoolDropsIt)
{
    fill_pool();
    pool[57].kind = 0;
    pool[120].kind = 0;
    effect_spawn(FX_BUMP, 10, 10, 5, 0);
    EXPECT_EQ(pool[57].kind, FX_BUMP);
    EXPECT_EQ(pool[120].kind, 0);

    fill_pool();
    effect_spawn(FX_BUMP, 10, 10, 5, 0);
    EXPECT_EQ(live_effects(FX_BUMP), 0);
    EXPECT_EQ(pool[EFFECT_SLOTS].kind, 0) << "the spare place past the pool is never used";
}

TEST_F(EffectPool, WithoutAPoolNothingHappens)
{
    effect_pool = nullptr;
    effect_spawn(FX_DUST, 1, 1, 5, 0);
    effects_tick();
    frog_attack(0, 2);
    EXPECT_EQ(frogs[0].energy, FULL_ENERGY - 16);
    EXPECT_EQ(live_effects(), 0);
}

// Which kind a lone projectile shows after each tick, from its first stage
// to nothing.  The second stage lands in the slot after the first and is
// aged in the same pass; the third lands back in slot 0, before the second,
// so it waits one tick before its first update.
TEST_F(EffectPool, TwoStageProjectilesTurnIntoTheirNextStages)
{
    struct Case {
        int16_t first;
        std::vector<int16_t> kinds;
    } cases[] = {
        {FX_SHOT0, {27, 27, 27, 8, 8, 8, 8, 17, 17, 17, 0}},
        {FX_SHOT1, {3, 3, 3, 4, 4, 4, 4, 16, 16, 16, 0}},
        {FX_SHOT2, {23, 23, 23, 23, 23, 23, 23, 23, 0}},
        {FX_DUST, {7, 7, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.first);
        clear_effects();
        effect_spawn(c.first, 100, 100, 6, 1);
        std::vector<int16_t> seen;
        for (size_t t = 0; t < c.kinds.size(); ++t) {
            effects_tick();
            ASSERT_LE(live_effects(), 1);
            int16_t kind = 0;
            for (int i = 0; i < EFFECT_SLOTS; ++i)
                if (pool[i].kind)
                    kind = pool[i].kind;
            seen.push_back(kind);
        }
        EXPECT_EQ(seen, c.kinds);
    }
}

TEST_F(EffectPool, SecondStageStartsWhereTheFirstEndedPlusItsOffsets)
{
    // Kind 27: speed 5, life 3, offsets (5, 2); kind 8: speed 5, offsets (5, 3).
    effect_spawn(FX_SHOT0, 100, 100, 6, 1);
    ASSERT_EQ(pool[0].x, 105);
    ASSERT_EQ(pool[0].y, 102);
    for (int t = 0; t < 3; ++t)
        effects_tick();
    EXPECT_EQ(pool[0].x, 120);
    effects_tick();
    // Replaced at (120 + 5, 102 + 3), then moved and aged in the same pass.
    EXPECT_EQ(pool[0].kind, 0);
    EXPECT_EQ(pool[1].kind, FX_SHOT0_HURT);
    EXPECT_EQ(pool[1].x, 130);
    EXPECT_EQ(pool[1].y, 105);
    EXPECT_EQ(pool[1].life, 3);
    EXPECT_EQ(pool[1].owner, 1);
    EXPECT_EQ(pool[1].direction, 6);
}

TEST_F(EffectPool, SecondStageInAnEarlierSlotWaitsForTheNextPass)
{
    fill_pool();
    pool[2].kind = 0;
    pool[10] = Effect{};
    effect_pool = pool;
    // Put a first stage at the end of its life into slot 10.
    pool[10].kind = FX_SHOT1;
    pool[10].x = 300;
    pool[10].y = 40;
    pool[10].direction = 4;
    pool[10].owner = 2;
    pool[10].life = 0;
    effects_tick();
    EXPECT_EQ(pool[10].kind, 0);
    EXPECT_EQ(pool[2].kind, FX_SHOT1_HURT);
    EXPECT_EQ(pool[2].x, 300) << "not moved yet";
    EXPECT_EQ(pool[2].life, 4) << "not aged yet";
}

TEST_F(EffectPool, FirstStageInAFullPoolVanishesWithoutItsSecond)
{
    fill_pool();
    pool[0].kind = FX_SHOT0;
    pool[0].life = 0;
    effects_tick();
    EXPECT_EQ(pool[0].kind, 0);
    EXPECT_EQ(live_effects(FX_SHOT0_HURT), 0);
}

TEST_F(EffectPool, MovesOnBothAxesAndWrapsAtBothEnds)
{
    struct Case {
        int16_t kind, x, direction;
        int16_t want_x, want_y;
    } cases[] = {
        {FX_SHOT0, arena::WIDTH - 3, 6, 0, 100},          // speed 5 past the right end
        {FX_SHOT1, 2, 4, arena::WIDTH - 1, 100},          // speed 6 past the left end
        {FX_SHOT0, 50, 9, 55, 95},
        {FX_SHOT0, 50, 1, 45, 105},
        {FX_SHOT0, 50, 2, 50, 105},
        {FX_SHOT0, 50, 5, 50, 100},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " at " << c.x << " heading " << c.direction);
        clear_effects();
        pool[0].kind = c.kind;
        pool[0].x = c.x;
        pool[0].y = 100;
        pool[0].direction = c.direction;
        pool[0].life = 5;
        effects_tick();
        EXPECT_EQ(pool[0].x, c.want_x);
        EXPECT_EQ(pool[0].y, c.want_y);
    }
}

TEST_F(EffectPool, FramesShowForDelayPlusTwoTicksAndLoop)
{
    table[21].frame_count = 4;
    table[21].frame_delay = 1;
    table[21].duration = 20;
    table[21].speed = 3;
    effect_spawn(21, 70, 70, 5, 0);
    std::vector<int> frames;
    for (int t = 0; t < 12; ++t) {
        effects_tick();
        frames.push_back(pool[0].frame);
    }
    EXPECT_EQ(frames, (std::vector<int>{0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 0}));
    EXPECT_EQ(pool[0].x, 70) << "heading 5 stays put";
    EXPECT_EQ(pool[0].y, 70);
    EXPECT_EQ(pool[0].life, 8);
}

TEST_F(EffectPool, KindsOutsideTheTableOrFramesPastTheEntryStayInBounds)
{
    // An unknown kind has an empty entry: no life, so it expires at its first visit.
    effect_spawn(99, 10, 10, 6, 0);
    effect_spawn(-3, 10, 10, 6, 0);
    EXPECT_EQ(live_effects(), 2);
    effects_tick();
    EXPECT_EQ(live_effects(), 0);

    // A frame index past the entry's frames is put back to 0 even when frames stand still.
    clear_effects();
    table[21].frame_count = 2;
    table[21].frame_delay = 0;
    table[21].duration = 10;
    effect_spawn(21, 10, 10, 5, 0);
    pool[0].frame = 9;
    effects_tick();
    EXPECT_EQ(pool[0].frame, 0);
}
