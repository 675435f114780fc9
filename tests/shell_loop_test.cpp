#include "combat/frog.h"
#include "media/sound.h"
#include "platform/buttons.h"
#include "sdl_screen.h"
#include "shell/loop.h"
#include <atomic>
#include <thread>

TEST(FramePacing, FirstCallDoesNotSleepAndSetsTheDeadline)
{
    ASSERT_TRUE(test_screen());
    next_frame_time = 0;
    EXPECT_EQ(frame_wait(83), 0u);
    EXPECT_EQ(next_frame_time, game_clock + 83);
}

TEST(FramePacing, EarlyFrameSleepsUpToTheDeadlineAndKeepsIt)
{
    ASSERT_TRUE(test_screen());
    uint32_t deadline = SDL_GetTicks() + 100000;
    next_frame_time = deadline;
    uint32_t sleep = frame_wait(55);
    EXPECT_EQ(sleep, deadline - game_clock);
    EXPECT_EQ(next_frame_time, deadline);
}

TEST(FramePacing, LateFrameStartsAFreshPeriodWithoutCatchingUp)
{
    ASSERT_TRUE(test_screen());
    SDL_Delay(2);
    next_frame_time = 1;  // long past
    EXPECT_EQ(frame_wait(55), 0u);
    EXPECT_EQ(next_frame_time, game_clock + 55);
}

TEST(FindWinner, OnlyTheLastLivingFrogWins)
{
    struct Case {
        int16_t count;
        int16_t dead_mask;  // bit i: frog i is a ghost
        int16_t expected;
    };
    const Case cases[] = {
        {2, 0b00, -1},        // both alive
        {2, 0b11, -1},        // all dead
        {2, 0b10, 0},         // only the player's frog
        {4, 0b1011, 2},       // only computer frog 2
        {3, 0b011, 2},        // frog 3 is out of play and does not count
        {0, 0, -1},           // no frogs in play
    };
    for (const Case &c : cases) {
        for (int i = 0; i < FROG_SLOTS; ++i)
            frogs[i].animation = (c.dead_mask >> i) & 1 ? ANIM_DEAD : ANIM_STAND;
        frog_count = c.count;
        winner = 7;
        find_winner();
        EXPECT_EQ(winner, c.expected) << "frog_count " << c.count << " dead " << c.dead_mask;
    }
    frog_count = 2;
}

class WaitForPress : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(test_screen());
        drain_events();
        button_source_reset();
    }
};

// Runs a wait while a second thread watches: once the wait has eaten
// everything queued, the thread notes whether the wait is still running,
// then ends it with a key press.
static bool wait_outlasts_queued_events()
{
    std::atomic<bool> returned{false};
    std::atomic<bool> still_waiting{false};
    std::thread watcher([&] {
        while (queued_events() > 0)
            SDL_Delay(1);
        SDL_Delay(50);
        still_waiting = !returned;
        push_key(SDLK_k, 1);
    });
    wait_for_press();
    returned = true;
    watcher.join();
    return still_waiting;
}

TEST_F(WaitForPress, PadButtonsReleasesAndOtherEventsNeverEndIt)
{
    for (int b = BTN_UP; b <= BTN_UP_RIGHT; ++b) {
        push_joy(b, 1);
        push_joy(b, 0);
    }
    push_joy(BTN_START, 0);
    push_key(SDLK_k, 0);
    SDL_Event motion = {};
    motion.type = SDL_MOUSEMOTION;
    SDL_PushEvent(&motion);
    EXPECT_TRUE(wait_outlasts_queued_events());
}

TEST_F(WaitForPress, VolumeButtonsAndFullScreenKeyDoNotCount)
{
    sound_volume = 16;
    push_joy(BTN_VOL_UP, 1);
    push_joy(BTN_VOL_UP, 1);
    push_joy(BTN_VOL_DOWN, 1);
    push_key(SDLK_f, 1);
    EXPECT_TRUE(wait_outlasts_queued_events());
    EXPECT_EQ(sound_volume, 24);
}

TEST_F(WaitForPress, EveryCountedPressEndsItAndClearsPause)
{
    struct Case {
        const char *name;
        SDL_Event event;
    };
    auto joy = [](int b) {
        SDL_Event e = {};
        e.type = SDL_JOYBUTTONDOWN;
        e.jbutton.button = Uint8(b);
        return e;
    };
    SDL_Event key = {};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_k;
    SDL_Event mouse = {};
    mouse.type = SDL_MOUSEBUTTONDOWN;
    mouse.button.button = 1;
    std::vector<Case> cases = {{"key", key}, {"mouse", mouse}, {"click", joy(BTN_CLICK)}};
    for (int b = BTN_START; b <= BTN_Y; ++b)
        cases.push_back({"button 8-15", joy(b)});
    for (Case &c : cases) {
        paused = 1;
        SDL_PushEvent(&c.event);
        wait_for_press();
        EXPECT_EQ(paused, 0) << c.name;
        EXPECT_EQ(queued_events(), 0) << c.name;
    }
}

TEST_F(WaitForPress, QueuedPressesEndOneWaitAndAreAllConsumed)
{
    push_joy(BTN_START, 1);
    push_joy(BTN_A, 1);
    push_key(SDLK_k, 1);
    push_joy(BTN_UP, 1);
    wait_for_press();
    EXPECT_EQ(queued_events(), 0);
    // The next wait needs a press of its own.
    EXPECT_TRUE(wait_outlasts_queued_events());
}
