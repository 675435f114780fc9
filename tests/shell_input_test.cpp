// The controller during play and the level progression, on the combat
// arena: buttons pushed as real SDL events, frames composed for real.
#include "combat_harness.h"
#include "media/sound.h"
#include "platform/buttons.h"
#include "sdl_screen.h"
#include "shell/input.h"
#include "shell/level.h"
#include "shell/panel.h"

class Controller : public CombatArena {
protected:
    void SetUp() override
    {
        CombatArena::SetUp();
        ASSERT_TRUE(test_screen());
        drain_events();
        button_source_reset();
        panel_load();
        fire_latch = 0;
        paused = 0;
        stand_on(0, 400, arena::LOWER_FLOOR, 6);
    }
    void TearDown() override
    {
        screen = saved.screen;
        CombatArena::TearDown();
    }
    // Presses (and releases) the buttons in one frame's worth of events.
    int frame_of(std::initializer_list<std::pair<int, int>> events)
    {
        for (auto [button, down] : events)
            push_joy(button, down);
        return handle_input();
    }
};

TEST_F(Controller, PadButtonsSteerThePlayersFrog)
{
    struct Case {
        int button;
        int16_t pad_hand, animation, direction;
        uint8_t speed;
        int dy;  // change of y
    };
    const Case cases[] = {
        {BTN_RIGHT, 3, ANIM_WALK, 6, 4, 0},
        {BTN_LEFT, 3, ANIM_TURN, 4, 0, 0},
        {BTN_UP, 2, ANIM_LEAP, 9, 0, 0},
        {BTN_UP_RIGHT, 2, ANIM_JUMP, 9, 0, 0},
        {BTN_UP_LEFT, 2, ANIM_JUMP, 9, 0, 0},  // facing right, up-left still jumps the way it faces
        {BTN_DOWN, 2, ANIM_STAND, 6, 0, 0},
        {BTN_DOWN_RIGHT, 2, ANIM_DROP, 6, 4, 1},
        {BTN_DOWN_LEFT, 2, ANIM_DROP, 4, 0, 1},  // turns, then drops through the floor
    };
    for (const Case &c : cases) {
        stand_on(0, 400, arena::LOWER_FLOOR, 6);
        int16_t y = frogs[0].y;
        panel.pad_hand = 0;
        EXPECT_EQ(frame_of({{c.button, 1}, {c.button, 0}}), 0);
        EXPECT_EQ(panel.pad_hand, c.pad_hand) << "button " << c.button;
        EXPECT_EQ(frogs[0].animation, c.animation) << "button " << c.button;
        EXPECT_EQ(frogs[0].direction, c.direction) << "button " << c.button;
        EXPECT_EQ(frogs[0].speed, c.speed) << "button " << c.button;
        EXPECT_EQ(frogs[0].y - y, c.dy) << "button " << c.button;
        EXPECT_EQ(frogs[1].animation, ANIM_START) << "only the player's frog moves";
    }
}

TEST_F(Controller, FireLatchAndWeaponChange)
{
    // Weapon 0 and button 14: -1 until the panel is drawn, then 2.
    frame_of({{BTN_X, 1}});
    EXPECT_EQ(panel.weapon, -1);
    EXPECT_EQ(fire_latch, 1);
    panel_draw(screen);
    EXPECT_EQ(panel.weapon, 2);
    // Held latch: a second change does nothing but move the hand.
    panel.button_hand = 1;
    frame_of({{BTN_X, 1}});
    EXPECT_EQ(panel.weapon, 2);
    EXPECT_EQ(panel.button_hand, 0);
    // Releasing 13 (which does nothing pressed) clears the latch.
    frame_of({{BTN_B, 0}, {BTN_X, 1}});
    EXPECT_EQ(panel.weapon, 1);
    // Two fires without a release count up; one release clears them.
    frame_of({{BTN_A, 1}, {BTN_CLICK, 1}});
    EXPECT_EQ(fire_latch, 3);
    EXPECT_EQ(panel.button_hand, 1);
    frame_of({{BTN_Y, 0}});
    EXPECT_EQ(fire_latch, 0);
}

TEST_F(Controller, FireUsesTheSelectedWeapon)
{
    panel.weapon = 2;
    frame_of({{BTN_A, 1}});
    EXPECT_EQ(live_effects(FX_SHOT2), 1);
    EXPECT_EQ(frogs[0].energy, FULL_ENERGY - 16);
    // A weapon changed in the same frame as the fire is -1: nothing flies.
    clear_effects();
    panel.weapon = 0;
    fire_latch = 0;
    frame_of({{BTN_X, 1}, {BTN_X, 0}, {BTN_A, 1}});
    EXPECT_EQ(live_effects(), 0);
}

TEST_F(Controller, PauseAndItsEnds)
{
    frame_of({{BTN_SELECT, 1}});
    EXPECT_EQ(paused, 1);
    frame_of({{BTN_SELECT, 0}, {BTN_SELECT, 1}});
    EXPECT_EQ(paused, 0);
    frame_of({{BTN_SELECT, 1}});
    frame_of({{BTN_Y, 0}});  // releasing a face button also ends a pause
    EXPECT_EQ(paused, 0);
}

TEST_F(Controller, QuitNeedsLAndRInOneFrame)
{
    EXPECT_EQ(frame_of({{BTN_L, 1}, {BTN_R, 1}}), 1);
    drain_events();
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_EQ(handle_input(), 1);
    // Keys are dropped in play and change nothing.
    push_key(SDLK_k, 1);
    EXPECT_EQ(handle_input(), 0);
    EXPECT_EQ(frogs[0].animation, ANIM_STAND);
}

TEST_F(Controller, VolumeButtons)
{
    sound_volume = 120;
    frame_of({{BTN_VOL_UP, 1}, {BTN_VOL_UP, 1}});
    EXPECT_EQ(sound_volume, 128);
    frame_of({{BTN_VOL_DOWN, 1}});
    EXPECT_EQ(sound_volume, 120);
}

TEST_F(Controller, StartRestartsTheLevelOrLeadsOnFromTheLast)
{
    frogs[0].animation = ANIM_GHOST;
    player_alive = 0;
    int16_t number = frogs[0].frog_number = 4;
    level = 3;
    frame_of({{BTN_START, 1}});
    EXPECT_EQ(player_alive, 1);
    EXPECT_EQ(level, 3);
    EXPECT_EQ(frogs[0].animation, ANIM_START);
    EXPECT_EQ(frogs[0].frog_number, number);
    EXPECT_EQ(frogs[1].mark, 255);

    level = 8;
    winner = -1;
    frame_of({{BTN_START, 1}});
    EXPECT_EQ(level, 2);
    EXPECT_EQ(winner, player_frog);
}

TEST_F(Controller, WinningALevelAdvancesOnceWithoutDrawing)
{
    struct Case {
        int16_t from;
        int16_t frog_count;
    };
    const Case cases[] = {{1, 3}, {2, 4}, {3, 5}, {4, 7}, {5, 8}, {6, 10}, {7, 6}};
    frame_period = 83;
    for (const Case &c : cases) {
        level = c.from;
        winner = player_frog;
        EXPECT_EQ(compose_frame(), 1);
        EXPECT_EQ(level, c.from + 1);
        EXPECT_EQ(frog_count, c.frog_count);
        EXPECT_EQ(frame_period, 55);
        EXPECT_EQ(winner, -1) << "a paused game must not advance again";
        EXPECT_EQ(frogs[1].mark, 255);
    }
    frame_period = 83;
}

TEST_F(Controller, WinningTheEighthLevelEndsPlayAndRecordsTheGame)
{
    level = 8;
    winner = player_frog;
    game_clock = 123456;
    frogs[0].frog_number = 3;
    EXPECT_EQ(compose_frame(), 0);
    EXPECT_EQ(level, 9);
    EXPECT_EQ(clip_rect.h, SCREEN_H);
    EXPECT_EQ(finish_time, 123456u);
    EXPECT_EQ(finish_frog_number, 3);
}

TEST_F(Controller, PlacementsAreTheSameEveryRun)
{
    srand(1);
    place_all_frogs();
    Frog first[FROG_SLOTS];
    std::memcpy(first, frogs, sizeof first);
    srand(1);
    place_all_frogs();
    EXPECT_EQ(std::memcmp(first, frogs, sizeof first), 0);
    EXPECT_EQ(frogs[0].mark, 17);
    EXPECT_EQ(frogs[16].mark, 255);
    EXPECT_EQ(frogs[17].x, first[17].x) << "slot 17 is never placed";
}
