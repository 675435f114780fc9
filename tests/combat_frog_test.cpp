#include "combat_harness.h"

using FrogRecords = CombatArena;
using FrogActions = CombatArena;

TEST_F(FrogRecords, InitAndResetGiveTheStartValues)
{
    for (int i = 0; i < FROG_SLOTS; ++i) {
        SCOPED_TRACE(i);
        const Frog &f = frogs[i];
        EXPECT_EQ(f.mark, i == 0 ? 17 : 254);
        EXPECT_EQ(f.frog_number, 1);
        EXPECT_EQ(f.health, i == 0 ? 11996 : 5998);
        EXPECT_EQ(f.energy, 5998);
        EXPECT_EQ(f.animation, ANIM_START);
        EXPECT_EQ(f.direction, 3);
        EXPECT_EQ(f.frame_timer, 1);
        EXPECT_EQ(f.frame_delay, 1);
        EXPECT_EQ(f.speed, 0);
    }
    // A reset keeps the life counter and the mark.
    frogs[3].frog_number = 7;
    frogs[3].mark = 255;
    frogs[3].health = 3;
    frogs[3].x = 99;
    frog_reset(3);
    EXPECT_EQ(frogs[3].frog_number, 7);
    EXPECT_EQ(frogs[3].mark, 255);
    EXPECT_EQ(frogs[3].health, 5998);
    EXPECT_EQ(frogs[3].x, 0);
}

TEST_F(FrogRecords, SetAnimationTakesTheEntrysTimingAndSize)
{
    table[ANIM_LEAP].start_timer = 2;
    table[ANIM_LEAP].height = 15;
    table[ANIM_LEAP].width = 21;
    frogs[1].frame = 3;
    frogs[1].speed = 8;
    frogs[1].direction = 9;
    frog_set_animation(1, ANIM_LEAP);
    EXPECT_EQ(frogs[1].animation, ANIM_LEAP);
    EXPECT_EQ(frogs[1].anim_timer, 5);
    EXPECT_EQ(frogs[1].frame_timer, 2);
    EXPECT_EQ(frogs[1].frame, 0);
    EXPECT_EQ(frogs[1].speed, 8);
    EXPECT_EQ(frogs[1].direction, 9);
    EXPECT_EQ(frog_width(1), 21);
    EXPECT_EQ(frog_half_width(1), 10);
    EXPECT_EQ(frog_half_height(1), 7);

    // An animation outside the table has no size and no timing.
    frog_set_animation(1, 300);
    EXPECT_EQ(frog_width(1), 0);
    EXPECT_EQ(frog_half_height(1), 0);
    EXPECT_EQ(frogs[1].anim_timer, 0);
    frog_set_animation(1, -1);
    EXPECT_EQ(frog_half_width(1), 0);
}

TEST_F(FrogActions, SlotsOutsideTheRecordsAreIgnored)
{
    Frog before[FROG_SLOTS];
    std::memcpy(before, frogs, sizeof frogs);
    for (int16_t bad : {int16_t(-1), int16_t(FROG_SLOTS), int16_t(1000)}) {
        frog_reset(bad);
        frog_set_animation(bad, 0);
        frog_stop(bad);
        frog_move_left(bad);
        frog_move_right(bad);
        frog_drop(bad);
        frog_jump(bad);
        frog_leap(bad);
        frog_face_up_left(bad);
        frog_face_up_right(bad);
        frog_attack(bad, 0);
        EXPECT_EQ(frog_width(bad), 0);
    }
    EXPECT_EQ(std::memcmp(before, frogs, sizeof frogs), 0);
    EXPECT_EQ(live_effects(), 0);
}

namespace {

struct MoveCase {
    const char *name;
    void (*action)(int16_t);
    int16_t animation, direction;
    uint8_t speed;
    int16_t energy;
    // after
    int16_t want_animation, want_direction;
    uint8_t want_speed, want_frame_delay;
    uint16_t want_anim_timer;
    int16_t dust;  // heading of the dust, 0 for none
};

const MoveCase move_cases[] = {
    // left from rest, walking, running, facing the other way
    {"left starts walking", frog_move_left, 5, 4, 0, 5998, 0, 4, 4, 2, 0, 6},
    {"left walking starts running", frog_move_left, 0, 4, 4, 10, 0, 4, 8, 1, 0, 6},
    {"left walking, out of breath", frog_move_left, 0, 4, 4, 9, 0, 4, 4, 2, 0, 0},
    {"left keeps running", frog_move_left, 0, 4, 8, 5998, 0, 4, 8, 2, 0, 0},
    {"left turns a still frog", frog_move_left, 5, 6, 0, 5998, 1, 4, 0, 0, 3, 0},
    {"left halts a right walker", frog_move_left, 0, 6, 4, 5998, 5, 6, 0, 0, 0, 4},
    {"left slows a right runner", frog_move_left, 0, 6, 8, 5998, 0, 6, 4, 2, 0, 4},
    {"left from the start pose", frog_move_left, 6, 3, 0, 5998, 0, 4, 4, 2, 0, 6},
    {"left in a fast leap flies level", frog_move_left, 25, 7, 8, 5998, 25, 4, 8, 0, 5, 0},
    {"left in a slow leap ends it", frog_move_left, 25, 9, 0, 5998, 0, 4, 4, 2, 0, 6},
    {"left in a hit does nothing", frog_move_left, 9, 6, 4, 5998, 9, 6, 4, 0, 4, 0},
    {"left in a drop does nothing", frog_move_left, 24, 6, 0, 5998, 24, 6, 0, 0, 3, 0},
    {"left ghost heading right stops", frog_move_left, 22, 6, 8, 5998, 22, 4, 0, 1, 0, 0},
    {"left ghost heading left speeds", frog_move_left, 22, 4, 0, 5998, 22, 4, 8, 1, 0, 0},
    {"left ghost heading down turns", frog_move_left, 22, 2, 4, 5998, 22, 4, 4, 1, 0, 0},
    // right mirrors left except in a leap and in the halt
    {"right starts walking", frog_move_right, 5, 6, 0, 5998, 0, 6, 4, 2, 0, 4},
    {"right walking starts running", frog_move_right, 0, 6, 4, 5998, 0, 6, 8, 1, 0, 4},
    {"right turns a still frog", frog_move_right, 5, 4, 0, 5998, 1, 6, 0, 0, 3, 0},
    {"right halts a left walker silently", frog_move_right, 0, 4, 4, 5998, 5, 4, 0, 0, 0, 0},
    {"right slows a left runner", frog_move_right, 0, 4, 8, 5998, 0, 4, 4, 2, 0, 6},
    {"right from the start pose", frog_move_right, 6, 3, 0, 5998, 0, 6, 4, 2, 0, 4},
    {"right in a leap does nothing", frog_move_right, 25, 7, 8, 5998, 25, 7, 8, 0, 5, 0},
    {"right ghost heading left stops", frog_move_right, 22, 4, 8, 5998, 22, 6, 0, 1, 0, 0},
    {"right ghost heading right speeds", frog_move_right, 22, 6, 0, 5998, 22, 6, 8, 1, 0, 0},
};

}  // namespace

TEST_F(FrogActions, MovesFollowTheTurnWalkRunHaltMachine)
{
    for (const MoveCase &c : move_cases) {
        SCOPED_TRACE(c.name);
        clear_effects();
        place(1, 200, 200, c.animation, c.direction, c.speed);
        frogs[1].energy = c.energy;
        c.action(1);
        const Frog &f = frogs[1];
        EXPECT_EQ(f.animation, c.want_animation);
        EXPECT_EQ(f.direction, c.want_direction);
        EXPECT_EQ(f.speed, c.want_speed);
        EXPECT_EQ(f.frame_delay, c.want_frame_delay);
        EXPECT_EQ(f.anim_timer, c.want_anim_timer);
        EXPECT_EQ(f.energy, c.energy) << "moving itself costs nothing";
        if (c.dust) {
            ASSERT_EQ(live_effects(), 1);
            EXPECT_EQ(pool[0].kind, FX_DUST);
            EXPECT_EQ(pool[0].direction, c.dust);
            EXPECT_EQ(pool[0].owner, 1);
        } else {
            EXPECT_EQ(live_effects(), 0);
        }
    }
}

TEST_F(FrogActions, MoveDuringAJumpOnlySwapsTheAnimation)
{
    place(0, 200, 200, ANIM_JUMP, 9, 8);
    frogs[0].anim_timer = 4;
    frogs[0].frame = 1;
    frogs[0].frame_timer = 2;
    frog_move_left(0);
    EXPECT_EQ(frogs[0].animation, ANIM_WALK);
    EXPECT_EQ(frogs[0].direction, 4);
    EXPECT_EQ(frogs[0].anim_timer, 4);
    EXPECT_EQ(frogs[0].frame, 1);
    EXPECT_EQ(frogs[0].frame_timer, 2);
}

TEST_F(FrogActions, TwoLeftPressesWalkThenRun)
{
    stand_on(0, 200, arena::LOWER_FLOOR, 4);
    frog_move_left(0);
    EXPECT_EQ(frogs[0].speed, 4);
    frog_move_left(0);
    EXPECT_EQ(frogs[0].speed, 8);
    EXPECT_EQ(live_effects(FX_DUST), 2);
}

TEST_F(FrogActions, StopWorksInEveryStateButDeath)
{
    for (int16_t anim : {0, 1, 2, 6, 9, 11, 20, 24, 25}) {
        SCOPED_TRACE(anim);
        place(1, 200, 200, anim, 9, 8);
        frog_stop(1);
        EXPECT_EQ(frogs[1].animation, ANIM_STAND);
        EXPECT_EQ(frogs[1].speed, 0);
        EXPECT_EQ(frogs[1].frame_delay, 0);
        EXPECT_EQ(frogs[1].direction, 9);
    }
    place(1, 200, 200, ANIM_GHOST, 4, 8);
    frog_stop(1);
    EXPECT_EQ(frogs[1].animation, ANIM_GHOST);
    EXPECT_EQ(frogs[1].speed, 8);
}

namespace {

enum Ground { ON_UPPER, ON_BAND, IN_AIR, BEYOND_RIGHT_END };

struct DropJumpCase {
    const char *name;
    void (*action)(int16_t);
    Ground ground;
    int16_t animation, direction;
    bool works;
    int16_t want_direction;
    int16_t dust;
};

const DropJumpCase drop_jump_cases[] = {
    {"drop facing left", frog_drop, ON_UPPER, 5, 4, true, 4, 6},
    {"drop facing right", frog_drop, ON_UPPER, 0, 6, true, 6, 4},
    {"drop from the start pose", frog_drop, ON_UPPER, 6, 3, true, 3, 6},
    {"drop through the band", frog_drop, ON_BAND, 5, 4, false, 4, 0},
    {"drop in the air", frog_drop, IN_AIR, 5, 4, false, 4, 0},
    {"drop while jumping", frog_drop, ON_UPPER, 2, 4, false, 4, 0},
    {"drop while leaping", frog_drop, ON_UPPER, 25, 4, false, 4, 0},
    {"drop measured one ring further left", frog_drop, BEYOND_RIGHT_END, 5, 6, true, 6, 4},
    {"jump facing right", frog_jump, ON_UPPER, 5, 6, true, 9, 4},
    {"jump facing left", frog_jump, ON_UPPER, 0, 4, true, 7, 6},
    {"jump from the band", frog_jump, ON_BAND, 5, 6, true, 9, 4},
    {"jump from the start pose", frog_jump, ON_BAND, 6, 3, true, 3, 0},
    {"jump in the air", frog_jump, IN_AIR, 5, 6, false, 6, 0},
    {"jump while jumping", frog_jump, ON_UPPER, 2, 6, false, 6, 0},
    {"jump while hit", frog_jump, ON_UPPER, 11, 6, false, 6, 0},
};

}  // namespace

TEST_F(FrogActions, DropAndJumpNeedTheRightGround)
{
    for (const DropJumpCase &c : drop_jump_cases) {
        SCOPED_TRACE(c.name);
        clear_effects();
        int x = 200, foot = arena::UPPER_FLOOR;
        if (c.ground == ON_BAND)
            foot = arena::GROUND;
        if (c.ground == IN_AIR)
            foot = arena::UPPER_FLOOR - 1;
        if (c.ground == BEYOND_RIGHT_END)
            x = arena::WIDTH + 200;
        place(2, x, foot - arena::FROG_HALF, c.animation, c.direction, 0);
        int16_t y = frogs[2].y;
        c.action(2);
        const Frog &f = frogs[2];
        EXPECT_EQ(f.direction, c.want_direction);
        if (!c.works) {
            EXPECT_EQ(f.animation, c.animation);
            EXPECT_EQ(f.y, y);
            EXPECT_EQ(live_effects(), 0);
            continue;
        }
        bool drop = c.action == frog_drop;
        EXPECT_EQ(f.animation, drop ? ANIM_DROP : ANIM_JUMP);
        EXPECT_EQ(f.anim_timer, drop ? 3 : 6);
        EXPECT_EQ(f.y, drop ? y + 1 : y) << "a drop puts the foot below the floor";
        if (c.dust) {
            ASSERT_EQ(live_effects(FX_DUST), 1);
            EXPECT_EQ(pool[0].direction, c.dust);
        } else {
            EXPECT_EQ(live_effects(), 0);
        }
    }
}

TEST_F(FrogActions, DeadFrogsSteerWithDropAndJump)
{
    struct Case {
        void (*action)(int16_t);
        int16_t from, to;
    } cases[] = {
        {frog_drop, 7, 1}, {frog_drop, 4, 1}, {frog_drop, 9, 3}, {frog_drop, 6, 3},
        {frog_drop, 8, 2}, {frog_drop, 1, 1}, {frog_jump, 1, 7}, {frog_jump, 4, 7},
        {frog_jump, 3, 9}, {frog_jump, 6, 9}, {frog_jump, 2, 8}, {frog_jump, 9, 9},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
        // Over the floor, to show the floor does not matter to a ghost.
        place(1, 200, arena::UPPER_FLOOR - 8, ANIM_GHOST, c.from, 4);
        c.action(1);
        EXPECT_EQ(frogs[1].direction, c.to);
        EXPECT_EQ(frogs[1].animation, ANIM_GHOST);
        EXPECT_EQ(frogs[1].y, arena::UPPER_FLOOR - 8);
        EXPECT_EQ(frogs[1].speed, 4);
    }
    EXPECT_EQ(live_effects(), 0);
}

TEST_F(FrogActions, DownLeftFacingRightTurnsThenDrops)
{
    stand_on(0, 200, arena::UPPER_FLOOR, 6);
    frog_move_left(0);
    EXPECT_EQ(live_effects(), 0);
    frog_drop(0);
    EXPECT_EQ(frogs[0].direction, 4);
    EXPECT_EQ(frogs[0].animation, ANIM_DROP);
    ASSERT_EQ(live_effects(FX_DUST), 1);
    EXPECT_EQ(pool[0].direction, 6);
}

TEST_F(FrogActions, LeapAndFacingUp)
{
    struct Case {
        int16_t animation, direction;
        bool leaps;
        int16_t want_direction, dust;
    } cases[] = {
        {5, 6, true, 9, 4}, {0, 4, true, 7, 6}, {6, 3, false, 3, 0},
        {2, 6, true, 9, 4}, {9, 6, false, 6, 0}, {25, 6, false, 6, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.animation << "/" << c.direction);
        clear_effects();
        // High in the air: no floor is needed.
        place(1, 200, 60, c.animation, c.direction, 4);
        frog_leap(1);
        EXPECT_EQ(frogs[1].animation, c.leaps ? int16_t(ANIM_LEAP) : c.animation);
        EXPECT_EQ(frogs[1].direction, c.want_direction);
        EXPECT_EQ(live_effects(), c.leaps ? 1 : 0);
        if (c.dust) {
            EXPECT_EQ(pool[0].direction, c.dust);
        }
    }

    // Facing up turns only a rising heading, in any state, a ghost's too.
    for (int16_t anim : {5, 25, 22}) {
        place(1, 200, 60, anim, 9, 0);
        frog_face_up_left(1);
        EXPECT_EQ(frogs[1].direction, 7);
        frog_face_up_left(1);
        EXPECT_EQ(frogs[1].direction, 7);
        frog_face_up_right(1);
        EXPECT_EQ(frogs[1].direction, 9);
    }
    frogs[1].direction = 6;
    frog_face_up_left(1);
    EXPECT_EQ(frogs[1].direction, 6);
}

TEST_F(FrogActions, AttackPlacesTheWeaponsEffectBesideTheFrog)
{
    // Frog at (200, 100), 20 wide.  The effect's own offsets then apply:
    // 27 (5, 2), 3 (4, 0), 23 (10, 0).
    struct Case {
        int16_t weapon, direction;
        int16_t kind, x, y, heading;
        int16_t cost;
    } cases[] = {
        {0, 7, FX_SHOT0, 200 - 12 - 5, 102, 4, 0},
        {0, 6, FX_SHOT0, 200 + 12 + 5, 102, 6, 0},
        {1, 1, FX_SHOT1, 200 - 12 - 4, 100, 4, 0},
        {1, 9, FX_SHOT1, 200 + 12 + 4, 100, 6, 0},
        {2, 4, FX_SHOT2, 200 - 22 - 10, 100, 4, 16},
        {2, 3, FX_SHOT2, 200 + 22 + 10, 100, 6, 16},
        {0, 8, 0, 0, 0, 0, 0},
        {2, 2, 0, 0, 0, 0, 0},
        {3, 6, 0, 0, 0, 0, 0},
        {-1, 6, 0, 0, 0, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "weapon " << c.weapon << " heading " << c.direction);
        clear_effects();
        place(1, 200, 100, ANIM_WALK, c.direction, 4);
        frogs[1].energy = 1000;
        frog_attack(1, c.weapon);
        EXPECT_EQ(frogs[1].energy, 1000 - c.cost);
        if (!c.kind) {
            EXPECT_EQ(live_effects(), 0);
            continue;
        }
        ASSERT_EQ(live_effects(), 1);
        EXPECT_EQ(pool[0].kind, c.kind);
        EXPECT_EQ(pool[0].x, c.x);
        EXPECT_EQ(pool[0].y, c.y);
        EXPECT_EQ(pool[0].direction, c.heading);
        EXPECT_EQ(pool[0].owner, 1);
    }
}

TEST_F(FrogActions, AttackOnlyFromStatesEightAndBelow)
{
    for (int16_t anim : {0, 1, 2, 5, 6}) {
        place(1, 200, 100, anim, 6, 0);
        frog_attack(1, 1);
    }
    EXPECT_EQ(live_effects(FX_SHOT1), 5);
    clear_effects();
    for (int16_t anim : {9, 11, 20, 22, 24, 25}) {
        place(1, 200, 100, anim, 6, 0);
        frog_attack(1, 1);
    }
    EXPECT_EQ(live_effects(), 0);
}

TEST_F(FrogActions, WeaponTwoCostsEnergyWithoutAnyTest)
{
    place(0, 200, 100, ANIM_STAND, 6, 0);
    frogs[0].energy = 10;
    frog_attack(0, 2);
    EXPECT_EQ(frogs[0].energy, -6);
    EXPECT_EQ(live_effects(FX_SHOT2), 1);

    fill_pool();
    frog_attack(0, 2);
    EXPECT_EQ(frogs[0].energy, -22) << "a full pool still takes the cost";
    EXPECT_EQ(live_effects(FX_SHOT2), 0);

    // Firing on and on never wraps round to a full bar.
    frogs[0].energy = INT16_MIN + 5;
    frog_attack(0, 2);
    EXPECT_EQ(frogs[0].energy, INT16_MIN);
}
