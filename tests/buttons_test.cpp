#include "platform/buttons.h"
#include "sdl_screen.h"
#include <set>
#include <string>
#include <vector>

#ifndef LILYFRONT_CONSOLE

namespace {

// What button_poll delivered for the events queued so far, as "d12" (button
// 12 down), "u12" (up), "k<sym>" (key down), "K<sym>" (key up).
std::vector<std::string> delivered()
{
    std::vector<std::string> out;
    SDL_Event e;
    while (button_poll(&e)) {
        switch (e.type) {
        case SDL_JOYBUTTONDOWN: out.push_back("d" + std::to_string(e.jbutton.button)); break;
        case SDL_JOYBUTTONUP: out.push_back("u" + std::to_string(e.jbutton.button)); break;
        case SDL_KEYDOWN: out.push_back("k" + std::to_string(e.key.keysym.sym)); break;
        case SDL_KEYUP: out.push_back("K" + std::to_string(e.key.keysym.sym)); break;
        default: out.push_back("other"); break;
        }
    }
    return out;
}

std::vector<std::string> press_and_release(const std::vector<SDLKey> &keys)
{
    for (SDLKey k : keys)
        push_key(k, 1);
    for (auto k = keys.rbegin(); k != keys.rend(); ++k)
        push_key(*k, 0);
    return delivered();
}

using V = std::vector<std::string>;

}  // namespace

class ButtonSource : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(test_screen());
        drain_events();
        button_source_reset();
    }
    void TearDown() override { button_source_reset(); }
};

TEST_F(ButtonSource, EveryButtonIsReachableFromTheKeyboard)
{
    struct Case {
        std::vector<SDLKey> keys;
        V expected;
    };
    const Case cases[] = {
        {{SDLK_KP8}, {"d0", "u0"}},   {{SDLK_KP7}, {"d1", "u1"}},   {{SDLK_KP4}, {"d2", "u2"}},
        {{SDLK_KP1}, {"d3", "u3"}},   {{SDLK_KP2}, {"d4", "u4"}},   {{SDLK_KP3}, {"d5", "u5"}},
        {{SDLK_KP6}, {"d6", "u6"}},   {{SDLK_KP9}, {"d7", "u7"}},
        {{SDLK_UP}, {"d0", "u0"}},    {{SDLK_LEFT}, {"d2", "u2"}},  {{SDLK_DOWN}, {"d4", "u4"}},
        {{SDLK_RIGHT}, {"d6", "u6"}},
        {{SDLK_RETURN}, {"d8", "u8"}}, {{SDLK_p}, {"d9", "u9"}},    {{SDLK_a}, {"d10", "u10"}},
        {{SDLK_s}, {"d11", "u11"}},   {{SDLK_z}, {"d12", "u12"}},   {{SDLK_x}, {"d13", "u13"}},
        {{SDLK_c}, {"d14", "u14"}},   {{SDLK_v}, {"d15", "u15"}},
        {{SDLK_PLUS}, {"d16", "u16"}}, {{SDLK_MINUS}, {"d17", "u17"}},
        {{SDLK_SPACE}, {"d18", "u18"}},
        {{SDLK_ESCAPE}, {"d10", "d11", "u10", "u11"}},
    };
    std::set<int> reached;
    for (const Case &c : cases) {
        button_source_reset();
        V got = press_and_release(c.keys);
        EXPECT_EQ(got, c.expected) << "key " << c.keys[0];
        for (const std::string &s : got)
            if (s[0] == 'd')
                reached.insert(std::stoi(s.substr(1)));
    }
    for (int b = 0; b < BUTTON_COUNT; ++b)
        EXPECT_TRUE(reached.count(b)) << "button " << b << " has no key";
}

TEST_F(ButtonSource, TwoArrowsGiveTheDiagonal)
{
    struct Case {
        SDLKey first, second;
        int diagonal;
    };
    const Case cases[] = {
        {SDLK_UP, SDLK_LEFT, BTN_UP_LEFT},       {SDLK_LEFT, SDLK_UP, BTN_UP_LEFT},
        {SDLK_UP, SDLK_RIGHT, BTN_UP_RIGHT},     {SDLK_DOWN, SDLK_LEFT, BTN_DOWN_LEFT},
        {SDLK_RIGHT, SDLK_DOWN, BTN_DOWN_RIGHT},
    };
    for (const Case &c : cases) {
        button_source_reset();
        push_key(c.first, 1);
        V first = delivered();
        ASSERT_EQ(first.size(), 1u);
        push_key(c.second, 1);
        std::string old = "u" + first[0].substr(1);
        std::string diag = "d" + std::to_string(c.diagonal);
        EXPECT_EQ(delivered(), (V{old, diag}));
        // Letting go of either arrow ends the diagonal without pressing again.
        push_key(c.first, 0);
        EXPECT_EQ(delivered(), (V{"u" + std::to_string(c.diagonal)}));
        push_key(c.second, 0);
        EXPECT_EQ(delivered(), V{});
    }
}

TEST_F(ButtonSource, NoKeyIsDeliveredBothAsKeyAndAsButton)
{
    // Every key in SDL's range: each press gives key events or button
    // events, never both; 'f' and keys without a button stay keys.
    for (int k = SDLK_FIRST + 1; k < SDLK_LAST; ++k) {
        button_source_reset();
        V got = press_and_release({SDLKey(k)});
        bool keys = false, buttons = false;
        for (const std::string &s : got) {
            keys |= s[0] == 'k' || s[0] == 'K';
            buttons |= s[0] == 'd' || s[0] == 'u';
        }
        EXPECT_FALSE(keys && buttons) << "key " << k;
        EXPECT_TRUE(keys || buttons) << "key " << k << " vanished";
    }
    EXPECT_EQ(press_and_release({SDLK_f}), (V{"k" + std::to_string(SDLK_f), "K" + std::to_string(SDLK_f)}));
}

TEST_F(ButtonSource, TextScreensGetTheCursorKeysAsKeys)
{
    button_source_pass_keys(1);
    EXPECT_EQ(press_and_release({SDLK_LEFT}),
              (V{"k" + std::to_string(SDLK_LEFT), "K" + std::to_string(SDLK_LEFT)}));
    EXPECT_EQ(press_and_release({SDLK_z}), (V{"d12", "u12"}));
    button_source_pass_keys(0);
    EXPECT_EQ(press_and_release({SDLK_LEFT}), (V{"d2", "u2"}));
}

TEST_F(ButtonSource, JoystickAndOtherEventsPassThrough)
{
    push_joy(BTN_R, 1);
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_EQ(delivered(), (V{"d11", "other"}));
}

#endif
