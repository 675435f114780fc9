#include "combat_harness.h"
#include <cstdlib>
#include <vector>

using ComputerFrogs = CombatArena;

namespace {

constexpr int ROW = arena::LOWER_FLOOR - arena::FROG_HALF;  // y of a frog on the lower floor

int16_t weapon_kind(int weapon)
{
    const int16_t kinds[3] = {FX_SHOT0, FX_SHOT1, FX_SHOT2};
    return kinds[weapon];
}

}  // namespace

TEST_F(ComputerFrogs, ClockRunsThroughNineteenTicksEvenWithoutComputerFrogs)
{
    only_player();
    std::vector<int> seen;
    for (int t = 0; t < 20; ++t) {
        computer_frogs_think();
        seen.push_back(ai_clock);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 1}));
}

TEST_F(ComputerFrogs, RunnerLevelWithThePlayerFiresThreeTimesACycle)
{
    stand_on(0, 500, arena::LOWER_FLOOR, 4);
    place(1, 100, ROW, ANIM_WALK, 4, 8);
    frogs[1].energy = 1000;
    std::vector<int> shots;
    for (int call = 1; call <= 38; ++call) {
        int before = live_effects();
        computer_frogs_think();
        if (live_effects() > before)
            shots.push_back(call);
    }
    EXPECT_EQ(shots, (std::vector<int>{5, 11, 17, 24, 30, 36}));
    // Slot 1 fires weapon 1 below level 5.
    EXPECT_EQ(live_effects(FX_SHOT1), 6);
    EXPECT_EQ(frogs[1].energy, 1000) << "a runner's energy is not refilled";
}

TEST_F(ComputerFrogs, ChaseSidewaysFirstSpeedingUp)
{
    stand_on(0, 500, arena::LOWER_FLOOR, 4);
    stand_on(1, 100, arena::LOWER_FLOOR, 6);
    frogs[1].energy = 20;
    computer_frogs_think();
    EXPECT_EQ(frogs[1].speed, 4);
    EXPECT_EQ(frogs[1].energy, 500);
    computer_frogs_think();
    EXPECT_EQ(frogs[1].speed, 8);
    EXPECT_EQ(frogs[1].direction, 6);

    // Facing away, the first move turns and the next cuts the turn short.
    stand_on(1, 100, arena::LOWER_FLOOR, 4);
    computer_frogs_think();
    EXPECT_EQ(frogs[1].animation, ANIM_TURN);
    EXPECT_EQ(frogs[1].direction, 6);
    computer_frogs_think();
    EXPECT_EQ(frogs[1].animation, ANIM_WALK);
    EXPECT_EQ(frogs[1].speed, 4);

    // From the right it moves left.
    stand_on(1, 600, arena::LOWER_FLOOR, 4);
    computer_frogs_think();
    EXPECT_EQ(frogs[1].speed, 4);
    EXPECT_EQ(frogs[1].direction, 4);
}

TEST_F(ComputerFrogs, SameColumnDropsOrJumpsTowardsThePlayer)
{
    // Above the player: drop through the floor, and not again while dropping.
    stand_on(0, 200, arena::LOWER_FLOOR, 4);
    stand_on(1, 200, arena::UPPER_FLOOR, 6);
    computer_frogs_think();
    EXPECT_EQ(frogs[1].animation, ANIM_DROP);
    EXPECT_EQ(frogs[1].y, arena::UPPER_FLOOR - arena::FROG_HALF + 1);
    computer_frogs_think();
    EXPECT_EQ(frogs[1].y, arena::UPPER_FLOOR - arena::FROG_HALF + 1);
    EXPECT_EQ(live_effects(FX_DUST), 1);

    // Below the player: jump.
    clear_effects();
    stand_on(0, 200, arena::UPPER_FLOOR, 4);
    stand_on(1, 200, arena::LOWER_FLOOR, 6);
    computer_frogs_think();
    EXPECT_EQ(frogs[1].animation, ANIM_JUMP);
    EXPECT_EQ(frogs[1].direction, 9);

    // A runner no longer chases sideways, only up or down.
    stand_on(1, 50, arena::UPPER_FLOOR - 100, 6);
    frogs[1].animation = ANIM_WALK;
    frogs[1].speed = 8;
    computer_frogs_think();
    EXPECT_EQ(frogs[1].speed, 8);
    EXPECT_EQ(frogs[1].animation, ANIM_WALK) << "no floor to drop through in mid-air";
}

TEST_F(ComputerFrogs, LeapersAreLeftAloneAndNobodyShootsAGhost)
{
    stand_on(0, 500, arena::LOWER_FLOOR, 4);
    place(1, 100, ROW, ANIM_LEAP, 9, 8);
    frogs[1].energy = 20;
    computer_frogs_think();
    EXPECT_EQ(frogs[1].energy, 20);
    EXPECT_EQ(frogs[1].direction, 9);
    EXPECT_EQ(frogs[1].animation, ANIM_LEAP);

    place(0, 500, ROW, ANIM_GHOST, 4, 0);
    place(1, 100, ROW, ANIM_WALK, 4, 8);
    for (int t = 0; t < 19; ++t)
        computer_frogs_think();
    EXPECT_EQ(live_effects(), 0);
}

TEST_F(ComputerFrogs, VolleysHoldOneShotPerComputerFrog)
{
    struct Case {
        int16_t level;
        bool random;
    } cases[] = {{4, false}, {7, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.level);
        clear_effects();
        level = c.level;
        frog_count = 10;
        stand_on(0, 500, arena::LOWER_FLOOR, 4);
        place(1, 100, ROW, ANIM_WALK, 4, 8);
        // The others leap high up, heading sideways: they take no turn of
        // their own but each adds a shot to frog 1's volley.
        for (int16_t k = 2; k < 10; ++k)
            place(k, 40 * k, 60, ANIM_LEAP, k % 2 ? 4 : 6, 0);
        ai_clock = 4;
        srand(1);
        std::vector<int16_t> want;
        for (int i = 0; i < 9; ++i)
            want.push_back(weapon_kind(c.random ? rand() % 3 : 1));
        srand(1);
        computer_frogs_think();
        std::vector<int16_t> kinds;
        for (int i = 0; i < EFFECT_SLOTS; ++i)
            if (pool[i].kind && pool[i].owner == 1)
                kinds.push_back(pool[i].kind);
        EXPECT_EQ(kinds, want);
    }
}

TEST_F(ComputerFrogs, FrogsHeadingDownOrDownRightBetweenArePassedOver)
{
    struct Case {
        const char *name;
        int f_x;
        int16_t f_dir;
        int k_x;
        int16_t k_dir;
        int shots;
    } cases[] = {
        {"3 between shooter and player", 100, 4, 200, 3, 2},
        {"3 beyond the player", 100, 4, 400, 3, 3},
        {"2 between, player to the right", 100, 4, 200, 2, 3},
        {"2 between, player to the left", 500, 4, 400, 2, 2},
        {"shooter heading 3 skips itself", 100, 3, 200, 6, 2},
        {"sideways headings always count", 100, 6, 200, 4, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        clear_effects();
        frog_count = 4;
        stand_on(0, 300, arena::LOWER_FLOOR, 4);
        place(1, c.f_x, ROW, ANIM_WALK, c.f_dir, 8);
        place(2, c.k_x, 60, ANIM_LEAP, c.k_dir, 0);
        place(3, 20, 60, ANIM_LEAP, 6, 0);
        ai_clock = 10;
        computer_frogs_think();
        int shots = 0;
        for (int i = 0; i < EFFECT_SLOTS; ++i)
            shots += pool[i].kind == FX_SHOT1 && pool[i].owner == 1;
        EXPECT_EQ(shots, c.shots);
    }
}

// Two runs from the same start with the same scripted presses give the
// same game, tick for tick.  The game never seeds rand(); srand(1) puts the
// process-wide generator back to that unseeded start before each run.
namespace {

struct Snapshot {
    Frog frogs[FROG_SLOTS];
    Effect pool[EFFECT_SLOTS];
    int16_t ai_clock;
    int16_t player_alive;
};

bool same_frog(const Frog &a, const Frog &b)
{
    return a.mark == b.mark && a.frog_number == b.frog_number && a.x == b.x && a.y == b.y &&
           a.energy == b.energy && a.health == b.health && a.anim_timer == b.anim_timer &&
           a.direction == b.direction && a.animation == b.animation && a.speed == b.speed &&
           a.frame_timer == b.frame_timer && a.frame_delay == b.frame_delay && a.frame == b.frame;
}

bool same_effect(const Effect &a, const Effect &b)
{
    return a.x == b.x && a.y == b.y && a.z == b.z && a.owner == b.owner && a.kind == b.kind &&
           a.direction == b.direction && a.frame == b.frame && a.frame_timer == b.frame_timer &&
           a.life == b.life;
}

}  // namespace

class CombatDeterminism : public CombatArena {
protected:
    void start()
    {
        clear_effects();
        frogs_init();
        level = 6;
        frog_count = 5;
        player_alive = 1;
        ai_clock = 0;
        world.pickup_count = 2;
        pickups[0] = {380, 280, 10, 10};
        pickup_kinds[0] = PICKUP_HEALTH;
        pickups[1] = {150, 180, 10, 10};
        pickup_kinds[1] = PICKUP_ENERGY;
        stand_on(0, 320, arena::LOWER_FLOOR, 4);
        stand_on(1, 120, arena::UPPER_FLOOR, 6);
        stand_on(2, 520, arena::LOWER_FLOOR, 4);
        place(3, 250, 100, ANIM_STAND, 6, 0);
        stand_on(4, 40, arena::GROUND, 6);
    }

    void run(int n, std::vector<Snapshot> &out)
    {
        static void (*const presses[])(int16_t) = {
            frog_move_left, nullptr, frog_move_left, frog_jump, nullptr, nullptr,
            frog_move_right, frog_leap, frog_move_right, frog_stop, frog_drop, nullptr,
        };
        for (int t = 0; t < n; ++t) {
            combat_tick();
            pickups_check();
            // The controller acts between frames.
            if (auto press = presses[t % 12])
                press(0);
            if (t % 5 == 0)
                frog_attack(0, int16_t(t / 5 % 3));
            Snapshot s;
            std::memcpy(s.frogs, frogs, sizeof s.frogs);
            std::memcpy(s.pool, pool, sizeof s.pool);
            s.ai_clock = ai_clock;
            s.player_alive = player_alive;
            out.push_back(s);
        }
    }
};

TEST_F(CombatDeterminism, SamePressesGiveTheSameGame)
{
    constexpr int TICKS = 400;
    std::vector<Snapshot> first, second;
    start();
    srand(1);
    run(TICKS, first);
    start();
    srand(1);
    run(TICKS, second);
    ASSERT_EQ(first.size(), second.size());
    for (int t = 0; t < TICKS; ++t) {
        for (int i = 0; i < FROG_SLOTS; ++i)
            ASSERT_TRUE(same_frog(first[t].frogs[i], second[t].frogs[i])) << "tick " << t << " frog " << i;
        for (int i = 0; i < EFFECT_SLOTS; ++i)
            ASSERT_TRUE(same_effect(first[t].pool[i], second[t].pool[i])) << "tick " << t << " slot " << i;
        ASSERT_EQ(first[t].ai_clock, second[t].ai_clock);
        ASSERT_EQ(first[t].player_alive, second[t].player_alive);
    }

    // The run is worth comparing: computer frogs fired and somebody got hurt.
    bool computer_shot = false, hurt = false;
    for (const Snapshot &s : first) {
        for (const Effect &fx : s.pool)
            computer_shot |= fx.owner > 0 && (fx.kind == FX_SHOT0 || fx.kind == FX_SHOT1 || fx.kind == FX_SHOT2);
        for (int i = 0; i < 5; ++i)
            hurt |= s.frogs[i].health < (i == 0 ? FULL_HEALTH_PLAYER : FULL_HEALTH);
    }
    EXPECT_TRUE(computer_shot);
    EXPECT_TRUE(hurt);
}
