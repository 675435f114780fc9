#include "combat_harness.h"
#include <vector>

using FrogTick = CombatArena;

namespace {

int foot(int16_t i)
{
    return frogs[i].y + frog_half_height(i);
}

}  // namespace

TEST_F(FrogTick, FallsOntoFloorRowsEightPixelsATick)
{
    only_player();
    struct Case {
        int start_foot;
        std::vector<int> feet;  // after each tick
    } cases[] = {
        {arena::UPPER_FLOOR, {200, 200}},
        {arena::UPPER_FLOOR - 1, {200, 200}},
        {arena::UPPER_FLOOR - 17, {191, 199, 200, 200}},
        {arena::UPPER_FLOOR - 16, {192, 200, 200}},
        // just below the upper floor: on down towards the lower one
        {arena::UPPER_FLOOR + 1, {209, 217, 225}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.start_foot);
        place(0, 200, c.start_foot - arena::FROG_HALF, ANIM_STAND, 3, 0);
        std::vector<int> feet;
        for (size_t t = 0; t < c.feet.size(); ++t) {
            frogs_tick();
            feet.push_back(foot(0));
        }
        EXPECT_EQ(feet, c.feet);
        EXPECT_EQ(frogs[0].direction, 6) << "landing or not, a resting heading 3 becomes 6";
    }
}

TEST_F(FrogTick, WalkingOffAFloorFallsWhileMovingAndLandsExactly)
{
    only_player();
    stand_on(0, 292, arena::UPPER_FLOOR, 6);
    frogs[0].speed = 4;
    frogs[0].animation = ANIM_WALK;
    int last_foot = foot(0);
    int ticks_taken = 0;
    while (foot(0) != arena::LOWER_FLOOR && ticks_taken < 40) {
        int x = frogs[0].x;
        frogs_tick();
        ++ticks_taken;
        EXPECT_EQ(frogs[0].x, x + 4);
        int fallen = foot(0) - last_foot;
        EXPECT_TRUE(fallen == 0 || fallen == 8 || foot(0) == arena::LOWER_FLOOR) << fallen;
        last_foot = foot(0);
    }
    EXPECT_EQ(foot(0), arena::LOWER_FLOOR);
    // Three ticks on the floor (its end at 300 still holds), then 100 rows
    // at 8 a tick.
    EXPECT_EQ(ticks_taken, 3 + 13);
    frogs_tick();
    EXPECT_EQ(foot(0), arena::LOWER_FLOOR);
}

TEST_F(FrogTick, JumpersLeapersAndGhostsDoNotFall)
{
    only_player();
    for (int16_t anim : {ANIM_JUMP, ANIM_LEAP, ANIM_GHOST}) {
        place(0, 200, 100, anim, 4, 0);
        frogs_tick();
        EXPECT_EQ(frogs[0].y, 100) << anim;
    }
    place(0, 200, 100, ANIM_DROP, 4, 0);
    frogs_tick();
    EXPECT_EQ(frogs[0].y, 108);
}

TEST_F(FrogTick, MovesByHeadingAndWrapsToTheEdge)
{
    only_player();
    struct Case {
        int x;
        int16_t direction;
        uint8_t speed;
        int want_x;
        int want_foot = arena::LOWER_FLOOR;
    } cases[] = {
        {arena::WIDTH - 2, 6, 8, 0},
        {arena::WIDTH - 9, 6, 8, arena::WIDTH - 1},
        {3, 4, 8, arena::WIDTH - 1},
        {8, 4, 8, 0},
        {100, 4, 4, 96},
        // Placements outside the ring come back in.  Past the right end the
        // floor is looked for one ring width further left; left of 0 there
        // is none, so that frog falls first.
        {arena::WIDTH + 60, 6, 0, 0},
        {-50, 4, 0, arena::WIDTH - 1, arena::LOWER_FLOOR + 8},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.x);
        stand_on(0, c.x, arena::LOWER_FLOOR, c.direction);
        frogs[0].animation = ANIM_WALK;
        frogs[0].speed = c.speed;
        frogs_tick();
        EXPECT_EQ(frogs[0].x, c.want_x);
        EXPECT_EQ(foot(0), c.want_foot);
    }
}

TEST_F(FrogTick, BottomBandHoldsAndTopPushesDown)
{
    only_player();
    struct Case {
        int16_t animation, direction;
        uint8_t speed;
        int y;
        int want_x, want_y;
    } cases[] = {
        {ANIM_LEAP, 8, 0, 32, 200, 36},     // up 4 to 28, pushed down 8
        {ANIM_LEAP, 9, 8, 36, 208, 44},     // up 8 to 28, pushed down 16
        {ANIM_LEAP, 9, 8, 38, 208, 30},     // up 8 to 30: not pushed
        {ANIM_GHOST, 2, 0, 100, 200, 104},  // a ghost sinks 4 a tick
        {ANIM_GHOST, 3, 8, 100, 208, 108},
        {ANIM_GHOST, 4, 0, 100, 200, 100},  // and hangs when going nowhere
        {ANIM_GHOST, 2, 0, 449, 200, 450},  // foot rests on the band (ghost is 16 high)
        {ANIM_LEAP, 6, 0, 1000, 200, arena::GROUND - 10},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.animation << " heading " << c.direction << " y " << c.y);
        place(0, 200, c.y, c.animation, c.direction, c.speed);
        frogs_tick();
        EXPECT_EQ(frogs[0].x, c.want_x);
        EXPECT_EQ(frogs[0].y, c.want_y);
    }
}

TEST_F(FrogTick, FramesRunAtDelayPlusTwoAndWrapAtTheFrameCount)
{
    only_player();
    // Walking has 4 frames; a frame delay of 2 shows each for 4 ticks.
    stand_on(0, 200, arena::LOWER_FLOOR, 6);
    frog_set_animation(0, ANIM_WALK);
    frogs[0].frame_delay = 2;
    std::vector<int> frames;
    for (int t = 0; t < 17; ++t) {
        frogs_tick();
        frames.push_back(frogs[0].frame);
    }
    EXPECT_EQ(frames, (std::vector<int>{0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 0, 0}));

    // Frames standing still are still pulled back inside the entry: an
    // action may swap the animation and leave a frame that no longer exists.
    frog_set_animation(0, ANIM_STAND);
    frogs[0].frame = 3;
    frogs_tick();
    EXPECT_EQ(frogs[0].frame, 0);
    EXPECT_EQ(frogs[0].frame_delay, 0);

    // An animation outside the table has no frames at all.
    frogs[0].animation = 77;
    frogs[0].frame = 5;
    frogs[0].frame_delay = 1;
    frogs_tick();
    EXPECT_EQ(frogs[0].frame, 0);
}

TEST_F(FrogTick, RunningCostsFourEnergyDownToNine)
{
    only_player();
    struct Case {
        uint8_t speed;
        int16_t energy, want;
    } cases[] = {{8, 100, 96}, {8, 10, 6}, {8, 9, 9}, {4, 100, 100}, {0, 100, 100}};
    for (const Case &c : cases) {
        stand_on(0, 200, arena::LOWER_FLOOR, 6);
        frogs[0].animation = ANIM_WALK;
        frogs[0].speed = c.speed;
        frogs[0].energy = c.energy;
        frogs_tick();
        EXPECT_EQ(frogs[0].energy, c.want) << int(c.speed) << " " << c.energy;
    }
}

TEST_F(FrogTick, EndOfAnimationLandsRecoversAndStraightensTheHeading)
{
    only_player();
    struct Case {
        int16_t animation, direction;
        uint8_t speed;
        int16_t want_animation, want_direction;
        int16_t leaves;  // effect left behind, 0 none
    } cases[] = {
        {ANIM_TURN, 4, 0, ANIM_STAND, 4, 0},
        {ANIM_JUMP, 9, 4, ANIM_WALK, 6, 0},
        {ANIM_JUMP, 7, 0, ANIM_STAND, 4, 0},
        {ANIM_DROP, 4, 8, ANIM_WALK, 4, 0},
        {ANIM_LEAP, 7, 0, ANIM_STAND, 4, 0},
        {ANIM_LEAP, 9, 8, ANIM_WALK, 6, 0},
        {ANIM_HIT_0, 6, 0, ANIM_STAND, 6, 0},
        {ANIM_HIT_1, 4, 4, ANIM_WALK, 4, FX_SHOT1_AFTER},
        {ANIM_HIT_1, 6, 0, ANIM_STAND, 6, FX_SHOT1_AFTER},
        {ANIM_HIT_2, 6, 4, ANIM_STAND, 6, 0},
        {ANIM_START, 3, 0, ANIM_START, 6, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.animation << " speed " << int(c.speed));
        clear_effects();
        // Mid-air, so landing does not straighten the heading first.
        place(0, 200, 100, c.animation, c.direction, c.speed);
        frogs[0].anim_timer = 1;
        frogs_tick();
        EXPECT_EQ(frogs[0].animation, c.want_animation);
        EXPECT_EQ(frogs[0].direction, c.want_direction);
        EXPECT_EQ(frogs[0].speed, c.speed);
        if (c.leaves) {
            ASSERT_EQ(live_effects(), 1);
            EXPECT_EQ(pool[0].kind, c.leaves);
            EXPECT_EQ(pool[0].direction, 5);
            EXPECT_EQ(pool[0].x, frogs[0].x);
        } else {
            EXPECT_EQ(live_effects(), 0);
        }
    }
}

TEST_F(FrogTick, TurnLastsThreeTicks)
{
    only_player();
    stand_on(0, 200, arena::LOWER_FLOOR, 6);
    frog_move_left(0);
    frogs_tick();
    frogs_tick();
    EXPECT_EQ(frogs[0].animation, ANIM_TURN);
    frogs_tick();
    EXPECT_EQ(frogs[0].animation, ANIM_STAND);
    EXPECT_EQ(frogs[0].direction, 4);
}

TEST_F(FrogTick, DiesAtEighteenHealthWhenTheAnimationEnds)
{
    struct Case {
        int16_t frog, health;
        bool dies;
    } cases[] = {{1, 19, false}, {1, 18, true}, {1, -300, true}, {0, 18, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "frog " << c.frog << " health " << c.health);
        clear_effects();
        frogs_init();
        player_alive = 1;
        place(c.frog, 200, 100, ANIM_HIT_2, 9, 4);
        frogs[c.frog].health = c.health;
        frogs[c.frog].anim_timer = 2;
        frog_ticks(1);
        EXPECT_EQ(frogs[c.frog].animation, ANIM_HIT_2) << "not while the hit lasts";
        frog_ticks(1);
        if (!c.dies) {
            EXPECT_EQ(frogs[c.frog].animation, ANIM_STAND);
            EXPECT_EQ(frogs[c.frog].frog_number, 1);
            continue;
        }
        const Frog &f = frogs[c.frog];
        EXPECT_EQ(f.animation, ANIM_GHOST);
        EXPECT_EQ(f.frog_number, 2);
        EXPECT_EQ(f.speed, 0);
        EXPECT_EQ(f.direction, 6);
        EXPECT_EQ(player_alive, c.frog == 0 ? 0 : 1);
        const int16_t want[12][2] = {{13, 5}, {14, 6}, {15, 4}, {18, 7}, {19, 3}, {14, 9},
                                     {15, 8}, {18, 3}, {19, 1}, {19, 4}, {19, 9}, {19, 7}};
        ASSERT_EQ(live_effects(), 12);
        for (int i = 0; i < 12; ++i) {
            EXPECT_EQ(pool[i].kind, want[i][0]) << i;
            EXPECT_EQ(pool[i].direction, want[i][1]) << i;
            EXPECT_EQ(pool[i].owner, c.frog) << i;
        }
        // A ghost dies only once.
        frog_ticks(3);
        EXPECT_EQ(f.frog_number, 2);
        EXPECT_EQ(live_effects(), 12);
    }
}

TEST_F(FrogTick, StandingFrogWithLowHealthDiesOnTheNextTick)
{
    only_player();
    stand_on(0, 200, arena::LOWER_FLOOR, 6);
    frogs[0].health = 5;
    frogs_tick();
    EXPECT_EQ(frogs[0].animation, ANIM_GHOST);
}

TEST_F(FrogTick, PlayersDeathFlashesTheScreen)
{
    bool video_was_up = SDL_WasInit(SDL_INIT_VIDEO) != 0;
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Surface *display = SDL_SetVideoMode(320, 240, 8, SDL_SWSURFACE);
    ASSERT_NE(display, nullptr) << SDL_GetError();
    SDL_FillRect(display, nullptr, 7);
    screen = display;
    only_player();
    stand_on(0, 200, arena::LOWER_FLOOR, 6);
    frogs[0].health = 18;
    frogs_tick();
    ASSERT_EQ(frogs[0].animation, ANIM_GHOST);
    SDL_LockSurface(display);
    const uint8_t *pixels = static_cast<const uint8_t *>(display->pixels);
    int lit = 0;
    for (int y = 0; y < display->h; ++y)
        for (int x = 0; x < display->w; ++x)
            lit += pixels[y * display->pitch + x] != 0;
    SDL_UnlockSurface(display);
    EXPECT_EQ(lit, 0);

    // A computer frog's death does not flash.
    SDL_FillRect(display, nullptr, 7);
    frog_count = 2;
    stand_on(1, 400, arena::LOWER_FLOOR, 6);
    frogs[1].health = 3;
    frogs_tick();
    ASSERT_EQ(frogs[1].animation, ANIM_GHOST);
    SDL_LockSurface(display);
    EXPECT_EQ(static_cast<const uint8_t *>(display->pixels)[0], 7);
    SDL_UnlockSurface(display);
    screen = nullptr;
    if (!video_was_up)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TEST_F(FrogTick, OnlyFrogsInPlayMoveAndTheCountIsBounded)
{
    frog_count = 2;
    place(5, 200, 100, ANIM_STAND, 6, 0);
    frogs_tick();
    EXPECT_EQ(frogs[5].y, 100);
    frog_count = 500;
    frogs_tick();
    EXPECT_EQ(frogs[5].y, 108);
    frog_count = -4;
    frogs_tick();
    EXPECT_EQ(frogs[5].y, 108);
}
