#include "combat_harness.h"

using FrogCollisions = CombatArena;
using Pickups = CombatArena;

TEST(CombatBoxes, PointInBoxExcludesEveryEdge)
{
    const Box box = {10, 20, 30, 40};
    struct Case {
        int32_t x, y;
        int inside;
    } cases[] = {
        {20, 30, 1}, {11, 21, 1}, {29, 39, 1},
        {10, 30, 0}, {30, 30, 0}, {20, 20, 0}, {20, 40, 0},
        {-70000, 30, 0}, {70000, 30, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(point_in_box(c.x, c.y, box), c.inside) << c.x << "," << c.y;
}

TEST(CombatBoxes, CornerOverlapNeedsACornerOfTheFirstBoxInsideTheSecond)
{
    const Box b = {100, 100, 120, 120};
    struct Case {
        const char *name;
        Box a;
        int overlap;
    } cases[] = {
        {"right-bottom corner in", {90, 90, 105, 105}, 1},
        {"left-bottom corner in", {115, 90, 140, 105}, 1},
        {"right-top corner in", {90, 115, 105, 140}, 1},
        {"left-top corner in", {115, 115, 140, 140}, 1},
        {"corner exactly on the edge", {80, 80, 100, 100}, 1},
        {"one row outside", {80, 80, 99, 120}, 0},
        {"second box wholly inside the first", {90, 90, 130, 130}, 0},
        {"cross without a corner inside", {105, 90, 115, 130}, 0},
        {"first box inside the second", {105, 105, 110, 110}, 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(box_corner_overlap(c.a, b), c.overlap) << c.name;
}

TEST_F(FrogCollisions, HeadOnWalkersBothLeapAndTheRunnerDashes)
{
    frog_count = 3;
    place(0, 600, 100, ANIM_STAND, 4, 0);
    // Frog 1's right edge (x + 10) reaches frog 2's centre.
    place(1, 200, 290, ANIM_WALK, 6, 4);
    place(2, 210, 290, ANIM_WALK, 4, 4);
    frogs_collide();
    EXPECT_EQ(frogs[2].animation, ANIM_LEAP);
    EXPECT_EQ(frogs[2].direction, 7);
    EXPECT_EQ(frogs[2].speed, 4);
    EXPECT_EQ(frogs[1].animation, ANIM_LEAP);
    EXPECT_EQ(frogs[1].direction, 6);
    EXPECT_EQ(frogs[1].speed, 8);
    // Seen from both sides in the same tick: a mark at each frog.
    ASSERT_EQ(live_effects(FX_BUMP), 2);
    EXPECT_EQ(pool[0].x, 200);
    EXPECT_EQ(pool[0].owner, 1);
    EXPECT_EQ(pool[0].direction, 5);
    EXPECT_EQ(pool[1].x, 210);
    EXPECT_EQ(pool[1].owner, 2);
}

TEST_F(FrogCollisions, OnlyThePartnersLowerRightQuarterCounts)
{
    frog_count = 3;
    place(0, 600, 100, ANIM_STAND, 4, 0);
    // Frog 1's corners miss frog 2's lower-right quarter, but frog 2's
    // upper-left corner lies in frog 1's: the bump is found on frog 2's
    // visit, which makes frog 2 the one that ran into frog 1.
    place(1, 100, 100, ANIM_STAND, 4, 0);
    place(2, 115, 115, ANIM_STAND, 4, 0);
    frogs_collide();
    EXPECT_EQ(frogs[2].speed, 8);
    EXPECT_EQ(frogs[1].speed, 4);
    EXPECT_EQ(frogs[1].direction, 9);
    EXPECT_EQ(frogs[2].direction, 4);
    EXPECT_EQ(live_effects(FX_BUMP), 1);
    EXPECT_EQ(pool[0].owner, 2);

    // The other way round the first visit finds it.
    clear_effects();
    place(1, 115, 115, ANIM_STAND, 4, 0);
    place(2, 100, 100, ANIM_STAND, 4, 0);
    frogs_collide();
    EXPECT_EQ(frogs[1].speed, 8);
    EXPECT_EQ(frogs[2].speed, 4);
    EXPECT_EQ(pool[0].owner, 1);
}

TEST_F(FrogCollisions, HeadingsAfterABump)
{
    struct Case {
        const char *name;
        int16_t v_anim, v_dir, p_anim, p_dir;
        int16_t want_v_dir, want_p_dir;
        uint8_t want_v_speed, want_p_speed;
    } cases[] = {
        {"runner into a stander facing it", 0, 6, 5, 4, 6, 7, 8, 4},
        {"runner into a stander facing away", 0, 6, 5, 6, 6, 7, 8, 4},
        {"leftward runner", 0, 4, 5, 4, 4, 9, 8, 4},
        {"leaper into a stander", 25, 9, 5, 6, 9, 6, 3, 4},
        {"both leaping up-right", 25, 9, 25, 9, 7, 9, 3, 3},
        {"both leaping up-left", 25, 7, 25, 7, 7, 9, 3, 3},
        {"start pose partner is left alone", 0, 6, 6, 3, 6, 3, 8, 3},
        {"stander with a leftover heading 3", 5, 3, 0, 6, 7, 6, 8, 4},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        clear_effects();
        frog_count = 3;
        place(0, 600, 100, ANIM_STAND, 4, 0);
        // Frog 1 visits first and finds frog 2; frog 2's visit misses frog 1.
        place(1, 100, 100, c.v_anim, c.v_dir, 3);
        place(2, 105, 105, c.p_anim, c.p_dir, 3);
        frogs_collide();
        EXPECT_EQ(frogs[1].direction, c.want_v_dir);
        EXPECT_EQ(frogs[2].direction, c.want_p_dir);
        EXPECT_EQ(frogs[1].speed, c.want_v_speed);
        EXPECT_EQ(frogs[2].speed, c.want_p_speed);
        EXPECT_EQ(live_effects(FX_BUMP), 1) << "the mark appears whatever the states";
    }
}

TEST_F(FrogCollisions, GhostsPassThroughFrogsAndEffects)
{
    frog_count = 3;
    place(0, 600, 100, ANIM_STAND, 4, 0);
    place(1, 100, 100, ANIM_STAND, 6, 0);
    place(2, 105, 105, ANIM_GHOST, 4, 0);
    put_effect(0, FX_SHOT2, 105, 105, 5, 1);
    frogs_collide();
    EXPECT_EQ(frogs[1].animation, ANIM_STAND);
    EXPECT_EQ(frogs[2].animation, ANIM_GHOST);
    EXPECT_EQ(frogs[2].health, FULL_HEALTH);
    EXPECT_EQ(live_effects(), 1);
}

TEST_F(FrogCollisions, HurtingEffectsHitAndAreUsedUp)
{
    struct Case {
        int16_t kind, heading;
        int16_t health, want_health;
        int16_t want_animation, want_direction;
        uint8_t want_speed;
        bool used_up;
    } cases[] = {
        {FX_SHOT0_HURT, 6, 5998, 5648, ANIM_HIT_0, 7, 0, true},
        {FX_SHOT2, 4, 5998, 5598, ANIM_HIT_2, 7, 0, true},
        {FX_SHOT1_HURT, 6, 5998, 5798, ANIM_HIT_1, 6, 4, true},
        {FX_SHOT1_HURT, 4, 5998, 5798, ANIM_HIT_1, 4, 4, true},
        {FX_SHOT1_HURT, 5, 5998, 5798, ANIM_HIT_1, 4, 4, true},
        {FX_SHOT2, 4, 100, -300, ANIM_HIT_2, 7, 0, true},
        {FX_SHOT0_HURT, 4, 9, 9, ANIM_HIT_0, 7, 0, true},
        {FX_SHOT1_HURT, 4, 10, -190, ANIM_HIT_1, 4, 4, true},
        {FX_SHOT0, 6, 5998, 5998, ANIM_LEAP, 7, 8, false},
        {FX_SHOT1, 6, 5998, 5998, ANIM_LEAP, 7, 8, false},
        {FX_DUST, 6, 5998, 5998, ANIM_LEAP, 7, 8, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " health " << c.health);
        clear_effects();
        place(1, 300, 100, ANIM_LEAP, 7, 8);
        frogs[1].health = c.health;
        effect_spawn(c.kind, 303, 97, c.heading, 0);
        frogs_collide();
        const Frog &f = frogs[1];
        EXPECT_EQ(f.health, c.want_health);
        EXPECT_EQ(f.animation, c.want_animation);
        EXPECT_EQ(f.direction, c.want_direction);
        EXPECT_EQ(f.speed, c.want_speed);
        EXPECT_EQ(live_effects(c.kind), c.used_up ? 0 : 1);
    }
}

TEST_F(FrogCollisions, WeaponZeroLeavesAMarkOwnedByTheVictim)
{
    place(1, 300, 100, ANIM_WALK, 6, 4);
    put_effect(5, FX_SHOT0_HURT, 295, 100, 4, 0);
    frogs_collide();
    const Effect *mark = first_effect(FX_HIT_MARK);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark - pool, 0) << "first free slot";
    EXPECT_EQ(mark->x, 300);
    EXPECT_EQ(mark->y, 100);
    EXPECT_EQ(mark->direction, 6);
    EXPECT_EQ(mark->owner, 1);
}

TEST_F(FrogCollisions, EffectOnTheBoxEdgeMissesOnePixelInsideHits)
{
    // Frog 1's box runs from 290 to 310.
    struct Case {
        int16_t x, y;
        bool hits;
    } cases[] = {{290, 100, false}, {291, 100, true}, {310, 100, false},
                 {309, 100, true}, {300, 90, false}, {300, 109, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        clear_effects();
        place(1, 300, 100, ANIM_STAND, 6, 0);
        frogs[1].health = FULL_HEALTH;
        put_effect(0, FX_SHOT2, c.x, c.y, 4, 0);
        frogs_collide();
        EXPECT_EQ(frogs[1].health, c.hits ? 5598 : 5998);
    }
}

TEST_F(FrogCollisions, SeveralHitsInOneTickAllCount)
{
    place(1, 300, 100, ANIM_STAND, 6, 0);
    put_effect(0, FX_SHOT0_HURT, 300, 100, 5, 0);
    put_effect(1, FX_SHOT2, 300, 100, 5, 0);
    put_effect(2, FX_SHOT1_HURT, 300, 100, 5, 0);
    // The box is not rebuilt after the first hit changes the animation.
    table[ANIM_HIT_0].width = 0;
    table[ANIM_HIT_0].height = 0;
    frogs_collide();
    EXPECT_EQ(frogs[1].health, 5998 - 350 - 400 - 200);
    EXPECT_EQ(frogs[1].animation, ANIM_HIT_1);
    EXPECT_EQ(live_effects(FX_SHOT0_HURT) + live_effects(FX_SHOT2) + live_effects(FX_SHOT1_HURT), 0);
}

TEST_F(FrogCollisions, OwnShotsNeverHurtAndLevelEightSparesComputerFrogs)
{
    struct Case {
        int16_t level, owner, victim;
        bool hurts;
    } cases[] = {
        {1, 1, 1, false}, {1, 0, 0, false},
        {7, 1, 2, true}, {7, 2, 0, true}, {7, 0, 2, true},
        {8, 1, 2, false}, {8, 2, 1, false}, {8, 2, 0, true}, {8, 0, 2, true},
        {9, 1, 2, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << " " << c.owner << "->" << c.victim);
        clear_effects();
        frogs_init();
        frog_count = 3;
        level = c.level;
        for (int16_t i = 0; i < 3; ++i)
            place(i, 100 + 100 * i, 100, ANIM_STAND, 6, 0);
        put_effect(0, FX_SHOT2, frogs[c.victim].x, 100, 5, c.owner);
        frogs_collide();
        int16_t full = c.victim == 0 ? FULL_HEALTH_PLAYER : FULL_HEALTH;
        EXPECT_EQ(frogs[c.victim].health, c.hurts ? full - 400 : full);
        EXPECT_EQ(live_effects(FX_SHOT2), c.hurts ? 0 : 1);
    }
}

TEST_F(Pickups, HealthRevivesAndStopsEnergyRefills)
{
    frog_count = 3;
    world.pickup_count = 2;
    pickups[0] = {96, 96, 9, 9};     // centre (100, 100)
    pickup_kinds[0] = PICKUP_HEALTH;
    pickups[1] = {300, 300, 20, 20}; // centre (310, 310)
    pickup_kinds[1] = PICKUP_ENERGY;

    place(1, 102, 102, ANIM_GHOST, 4, 8);
    frogs[1].health = -200;
    place(0, 98, 98, ANIM_GHOST, 9, 8);
    frogs[0].health = 4;
    player_alive = 0;
    place(2, 312, 305, ANIM_WALK, 6, 8);
    frogs[2].energy = -30;
    pickups_check();

    EXPECT_EQ(frogs[1].animation, ANIM_STAND);
    EXPECT_EQ(frogs[1].health, FULL_HEALTH);
    EXPECT_EQ(frogs[1].speed, 0);
    EXPECT_EQ(frogs[0].animation, ANIM_STAND);
    EXPECT_EQ(frogs[0].health, FULL_HEALTH_PLAYER);
    EXPECT_EQ(player_alive, 1);
    EXPECT_EQ(frogs[2].energy, FULL_ENERGY);
    EXPECT_EQ(frogs[2].animation, ANIM_WALK) << "energy does not stop a frog";
    EXPECT_EQ(frogs[2].speed, 8);

    // Every frame again, as long as the box covers the centre.
    frogs[2].energy = 100;
    frogs[1].speed = 4;
    frogs[1].animation = ANIM_WALK;
    pickups_check();
    EXPECT_EQ(frogs[2].energy, FULL_ENERGY);
    EXPECT_EQ(frogs[1].speed, 0);
}

TEST_F(Pickups, CentreOnTheBoxEdgeOrAnotherKindDoesNothing)
{
    world.pickup_count = 2;
    pickups[0] = {96, 96, 9, 9};   // centre (100, 100)
    pickup_kinds[0] = PICKUP_ENERGY;
    pickups[1] = {196, 96, 9, 9};  // centre (200, 100)
    pickup_kinds[1] = 3;
    place(0, 110, 100, ANIM_WALK, 6, 8);  // box edge at x 100
    frogs[0].energy = 50;
    place(1, 200, 100, ANIM_WALK, 6, 8);
    frogs[1].energy = 50;
    pickups_check();
    EXPECT_EQ(frogs[0].energy, 50);
    EXPECT_EQ(frogs[1].energy, 50);
    frogs[0].x = 109;
    pickups_check();
    EXPECT_EQ(frogs[0].energy, FULL_ENERGY);
}

TEST_F(Pickups, MissingKindTableTouchesNothing)
{
    world.pickup_count = 1;
    world.pickup_kinds = nullptr;
    pickups[0] = {96, 96, 9, 9};
    place(0, 100, 100, ANIM_GHOST, 4, 8);
    pickups_check();
    EXPECT_EQ(frogs[0].animation, ANIM_GHOST);
    world.pickups = nullptr;
    pickups_check();
}
