// Recorded play replayed headless on the shipped data: the game is
// deterministic, so the same presses give the same game frame for frame.
#include "combat/ai.h"
#include "combat/effect.h"
#include "combat/frog.h"
#include "platform/buttons.h"
#include "sdl_screen.h"
#include "shell/level.h"
#include "shell/loop.h"
#include "shell/panel.h"
#include "world/draw.h"
#include "world/sprites.h"
#include "world/world.h"
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

struct Press {
    int frame;
    int button;
    int down;
};

// Reads "frame button d|u" lines; '#' starts a comment; a line
// "= FRAMES HASH" gives the state the recording must end in.
std::vector<Press> read_replay(const std::string &path, int *frames = nullptr, uint64_t *expected = nullptr)
{
    std::vector<Press> presses;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '=') {
            std::istringstream fields(line.substr(1));
            int f = 0;
            std::string hash;
            if (fields >> f >> hash && frames && expected) {
                *frames = f;
                *expected = std::stoull(hash, nullptr, 16);
            }
            continue;
        }
        std::istringstream fields(line);
        Press p;
        char action;
        if (fields >> p.frame >> p.button >> action)
            presses.push_back({p.frame, p.button, action == 'd'});
    }
    return presses;
}

uint64_t fnv(uint64_t h, const void *data, size_t n)
{
    const uint8_t *b = static_cast<const uint8_t *>(data);
    for (size_t i = 0; i < n; ++i)
        h = (h ^ b[i]) * 1099511628211ull;
    return h;
}

// The game's own state after a frame: frogs, effects, shell values.
uint64_t state_hash()
{
    uint64_t h = 14695981039346656037ull;
    for (const Frog &f : frogs) {
        int v[] = {f.mark, f.frog_number, f.x, f.y, f.energy, f.health, f.anim_timer, f.direction,
                   f.animation, f.speed, f.frame_timer, f.frame_delay, f.frame};
        h = fnv(h, v, sizeof v);
    }
    for (int i = 0; i < EFFECT_SLOTS; ++i) {
        const Effect &e = effect_pool[i];
        int v[] = {e.x, e.y, e.z, e.owner, e.kind, e.direction, e.frame, e.frame_timer, e.life};
        h = fnv(h, v, sizeof v);
    }
    int shell[] = {level, frog_count, winner, paused, player_alive, ai_clock, panel.weapon};
    return fnv(h, shell, sizeof shell);
}

// Everything a frame leaves behind: the state and the screen.
uint64_t frame_hash()
{
    uint64_t h = state_hash();
    for (int y = 0; y < SCREEN_H; ++y)
        h = fnv(h, static_cast<uint8_t *>(screen->pixels) + y * screen->pitch, SCREEN_W);
    return h;
}

// Sets the game up as the start-up does (less the pictures and the title
// screens) and plays `frames` frames of the recording.
int player_shots_seen;  // frames of the last replay with a shot of the player's frog in the air

std::vector<uint64_t> replay(const std::vector<Press> &presses, int frames)
{
    player_shots_seen = 0;
    std::vector<uint64_t> hashes;
    char cwd[4096];
    if (!getcwd(cwd, sizeof cwd) || chdir(GAMEDATA_DIR) != 0)
        return hashes;
    drain_events();
    button_source_reset();
    game_state_reset();
    srand(1);  // the C library's sequence when it is never seeded
    ai_clock = 0;
    current_palette = 0;
    frogs_init();
    sprites_free();
    sprites_load();
    world_free();
    world_init();
    panel_load();
    place_all_frogs();
    size_t next = 0;
    for (int f = 0; f < frames; ++f) {
        while (next < presses.size() && presses[next].frame == f) {
            push_joy(presses[next].button, presses[next].down);
            ++next;
        }
        if (!run_frame())
            break;
        hashes.push_back(frame_hash());
        for (int i = 0; i < EFFECT_SLOTS; ++i) {
            const Effect &e = effect_pool[i];
            if (e.owner == 0 && (e.kind == FX_SHOT0 || e.kind == FX_SHOT1 || e.kind == FX_SHOT2)) {
                ++player_shots_seen;
                break;
            }
        }
    }
    if (chdir(cwd) != 0)
        hashes.clear();
    return hashes;
}

const std::string replay_path = std::string(SOURCE_DIR) + "/tests/replays/level1.rec";

}  // namespace

class Replay : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(test_screen());
        if (access((std::string(GAMEDATA_DIR) + "/bmp/tank.elf").c_str(), R_OK) != 0)
            GTEST_SKIP() << "no built data directory";
    }
};

TEST_F(Replay, SamePressesGiveTheSameGameFrameForFrame)
{
    std::vector<Press> presses = read_replay(replay_path);
    ASSERT_FALSE(presses.empty());
    std::vector<uint64_t> first = replay(presses, 2400);
    std::vector<uint64_t> second = replay(presses, 2400);
    ASSERT_EQ(first.size(), 2400u);
    ASSERT_EQ(first.size(), second.size());
    for (size_t f = 0; f < first.size(); ++f)
        ASSERT_EQ(first[f], second[f]) << "runs part at frame " << f;
}

TEST_F(Replay, RecordedPlayMovesTheFrogAndFires)
{
    replay({}, 1);
    int16_t start_x = frogs[0].x;
    std::vector<uint64_t> hashes = replay(read_replay(replay_path), 2400);
    ASSERT_EQ(hashes.size(), 2400u);
    EXPECT_NE(frogs[0].x, start_x);
    EXPECT_GT(player_shots_seen, 0);
}

// The recording as a regression test: the same presses on the same data must
// end in the same game.  A deliberate change of the rules or the shipped
// numbers changes the end state; then record it anew with
// LILYFRONT_RERECORD=1, which prints the line to put in the .rec file.
TEST_F(Replay, RecordingEndsInTheStateItWasRecordedWith)
{
    int frames = 0;
    uint64_t expected = 0;
    std::vector<Press> presses = read_replay(replay_path, &frames, &expected);
    if (getenv("LILYFRONT_RERECORD")) {
        replay(presses, 2400);
        printf("= 2400 %016llx\n", static_cast<unsigned long long>(state_hash()));
        return;
    }
    ASSERT_GT(frames, 0) << "the recording names no end state";
    ASSERT_EQ(replay(presses, frames).size(), size_t(frames));
    EXPECT_EQ(state_hash(), expected) << std::hex << "ended in " << state_hash();
}
