// A whole game from the first picture to the hand-over, with a player who
// presses through every screen, plays a moment and quits with L and R.
#include "sdl_screen.h"
#include "shell/startup.h"
#include <atomic>
#include <csignal>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

void press(SDLKey key)
{
    push_key(key, 1);
    push_key(key, 0);
}

// Runs in the child: the game on this thread, the player on another.
[[noreturn]] void play_whole_game()
{
    alarm(60);  // a game that never ends fails the test instead of hanging it
    if (chdir(GAMEDATA_DIR) != 0)
        _exit(90);
    std::thread player([] {
        while (!screen)
            SDL_Delay(5);
        // Through the start-up pictures and title screens into play.
        while (next_frame_time == 0) {
            press(SDLK_z);
            SDL_Delay(40);
        }
        SDL_Delay(500);
        press(SDLK_ESCAPE);  // L and R together
        // Play ends on the whole-screen clip of the top-ten table.
        while (clip_rect.h != SCREEN_H)
            SDL_Delay(5);
        // One press for the table, one for the game-over picture; each wait
        // clears the pause flag when it takes its press, which tells the
        // player that the next screen is up, however slow the machine.
        for (int screens = 0; screens < 2; ++screens) {
            paused = 1;
            press(SDLK_z);
            while (paused)
                SDL_Delay(5);
            SDL_Delay(50);
        }
    });
    player.detach();
    int result = game_main();
    _exit(result == 0 && level < 9 ? 0 : 91);
}

}  // namespace

// The game runs in a fresh copy of this test program, so that it starts its
// media layer as the real program does, with nothing left from other tests.
TEST(WholeGame, QuitFromPlayEndsWithTheHandOverFailingQuietly)
{
    if (getenv("LILYFRONT_WHOLE_GAME")) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        play_whole_game();
    }
    if (access(GAMEDATA_DIR "/bmp/tank.elf", R_OK) != 0)
        GTEST_SKIP() << "no built data directory";
    std::string command = "LILYFRONT_WHOLE_GAME=1 /proc/" + std::to_string(getpid()) +
                          "/exe --gtest_filter=WholeGame.* >/dev/null 2>&1";
    int status = system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
