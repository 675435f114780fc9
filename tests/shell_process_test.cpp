// The game as a whole program: exit statuses and the lines it writes.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <climits>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct GameRun {
    int exit_status = -1;  // -1 when killed by a signal
    std::string err;
};

// True once the child runs the game itself: until its exec it still carries
// this test program's signal handlers.
bool runs_game(pid_t pid)
{
    char target[4096];
    std::string link = "/proc/" + std::to_string(pid) + "/exe";
    ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
    if (n <= 0)
        return false;
    target[n] = 0;
    char wanted[4096];
    return realpath(LILYFRONT_BIN, wanted) && std::string(target) == wanted;
}

bool catches(pid_t pid, int signal)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

// Starts the game in `dir`; with a signal, sends it once the game's handler
// for it is in place.
GameRun run_game(const std::string &dir, const char *video_driver, int signal, const char *preload = nullptr)
{
    int pipe_fd[2];
    if (pipe(pipe_fd) != 0)
        return {};
    // Everything the child needs is made before the fork: between fork and
    // exec only async-signal-safe calls are allowed in a threaded program.
    std::string video = std::string("SDL_VIDEODRIVER=") + video_driver;
    std::string preload_var = std::string("LD_PRELOAD=") + (preload ? preload : "");
    // The sanitizers' runtime wants to come first; a preloaded library may
    // stand before it in a sanitizer build.
    char *env[] = {video.data(), const_cast<char *>("SDL_AUDIODRIVER=dummy"), preload_var.data(),
                   const_cast<char *>("ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0"), nullptr};
    pid_t pid = fork();
    if (pid == 0) {
        dup2(pipe_fd[1], 2);
        close(pipe_fd[0]);
        int null_fd = open("/dev/null", O_RDWR);
        dup2(null_fd, 0);
        dup2(null_fd, 1);
        if (chdir(dir.c_str()) != 0)
            _exit(99);
        execle(LILYFRONT_BIN, LILYFRONT_BIN, static_cast<char *>(nullptr), env);
        _exit(98);
    }
    close(pipe_fd[1]);
    if (signal) {
        for (int i = 0; i < 30000 && !(runs_game(pid) && catches(pid, signal)); ++i)
            usleep(1000);
        kill(pid, signal);
    }
    GameRun run;
    char buf[4096];
    ssize_t n;
    // A game that ignores us would wait for a press forever: give up after
    // a minute rather than hang the suite.
    for (int waited = 0;;) {
        pollfd p = {pipe_fd[0], POLLIN, 0};
        if (poll(&p, 1, 1000) == 0) {
            if (++waited == 60) {
                kill(pid, SIGKILL);
                run.err += "[no end after a minute]";
            }
            continue;
        }
        if ((n = read(pipe_fd[0], buf, sizeof buf)) <= 0)
            break;
        run.err.append(buf, size_t(n));
    }
    close(pipe_fd[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status))
        run.exit_status = WEXITSTATUS(status);
    return run;
}

std::string empty_dir()
{
    char path[] = "/tmp/lilyfront-empty-XXXXXX";
    return mkdtemp(path) ? path : "/nonexistent";
}

}  // namespace

TEST(GameProcess, BannerComesFirst)
{
    GameRun run = run_game(empty_dir(), "dummy", 0);
    EXPECT_EQ(run.err.rfind("\nLilyfront 2x\nby Tadpole Foundry\nwww.tadpole.example\n\n", 0), 0u) << run.err;
}

TEST(GameProcess, MissingPictureEndsWithStatusZero)
{
    GameRun run = run_game(empty_dir(), "dummy", 0);
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_NE(run.err.find("Error loading bmp/brand.bmp: "), std::string::npos) << run.err;
}

TEST(GameProcess, StopSignalsWriteTwoLinesAndEndWithStatusOne)
{
    for (int signal : {SIGINT, SIGTERM}) {
        GameRun run = run_game(GAMEDATA_DIR, "dummy", signal);
        EXPECT_EQ(run.exit_status, 1) << "signal " << signal;
        std::string expected = "caught signal " + std::to_string(signal) + "\nfrog halt\n";
        ASSERT_GE(run.err.size(), expected.size());
        EXPECT_EQ(run.err.substr(run.err.size() - expected.size()), expected) << run.err;
    }
}

TEST(GameProcess, MediaLayerThatCannotStartEndsWithStatusOne)
{
    GameRun run = run_game(GAMEDATA_DIR, "no-such-video-driver", 0);
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_NE(run.err.find("Init err: "), std::string::npos) << run.err;
}

TEST(GameProcess, DisplayWithoutTheVideoModeSaysSoAndFails)
{
    GameRun run = run_game(GAMEDATA_DIR, "dummy", 0, NO_VIDEO_MODE_LIB);
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_NE(run.err.find("Err video mode: no video mode for this display\n"), std::string::npos) << run.err;
}
