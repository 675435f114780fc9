// The full-screen pictures the data tool writes: the game blits them whole
// onto the 320x240 8-bit screen and takes their palette as its own.
#include <SDL.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include <string>

namespace {

const char *const screen_pictures[] = {"brand", "zell", "buttons", "play",
                                       "notopten", "grimfrog", "frame"};

class ScreenPictures : public ::testing::TestWithParam<const char *> {};

TEST_P(ScreenPictures, FullSizeDesignedAndInTheMasterPalette)
{
    std::string path = std::string(GAMEDATA_DIR) + "/bmp/" + GetParam() + ".bmp";
    SDL_Surface *picture = SDL_LoadBMP(path.c_str());
    ASSERT_NE(picture, nullptr) << path << ": " << SDL_GetError();
    EXPECT_EQ(picture->w, 320);
    EXPECT_EQ(picture->h, 240);
    ASSERT_EQ(picture->format->BitsPerPixel, 8);
    ASSERT_NE(picture->format->palette, nullptr);
    ASSERT_EQ(picture->format->palette->ncolors, 256);

    // The transparent key of every sprite: the master palette has it at 185,
    // and a full-screen picture must not use it, or the picture would show
    // holes wherever it is blitted with the screen's colour key.
    const SDL_Color key = picture->format->palette->colors[185];
    EXPECT_EQ(key.r, 255);
    EXPECT_EQ(key.g, 0);
    EXPECT_EQ(key.b, 255);

    std::set<int> used;
    int key_pixels = 0;
    SDL_LockSurface(picture);
    for (int y = 0; y < picture->h; ++y) {
        const Uint8 *row = static_cast<const Uint8 *>(picture->pixels) + y * picture->pitch;
        for (int x = 0; x < picture->w; ++x) {
            used.insert(row[x]);
            key_pixels += row[x] == 185;
        }
    }
    SDL_UnlockSurface(picture);
    EXPECT_EQ(key_pixels, 0);
    // A drawn screen, not a flat fill or a test pattern.
    EXPECT_GT(used.size(), 24u);
    SDL_FreeSurface(picture);
}

INSTANTIATE_TEST_SUITE_P(AllScreens, ScreenPictures, ::testing::ValuesIn(screen_pictures),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param);
                         });

// Every screen shares the one master palette, so any of them can be the
// palette that play goes on with.
TEST(ScreenPicturesShared, OnePaletteForAll)
{
    SDL_Palette *first = nullptr;
    SDL_Surface *first_surface = nullptr;
    for (const char *name : screen_pictures) {
        std::string path = std::string(GAMEDATA_DIR) + "/bmp/" + name + ".bmp";
        SDL_Surface *picture = SDL_LoadBMP(path.c_str());
        ASSERT_NE(picture, nullptr) << path;
        ASSERT_NE(picture->format->palette, nullptr) << name;
        if (!first) {
            first_surface = picture;
            first = picture->format->palette;
            continue;
        }
        for (int i = 0; i < 256; ++i) {
            const SDL_Color a = first->colors[i], b = picture->format->palette->colors[i];
            ASSERT_TRUE(a.r == b.r && a.g == b.g && a.b == b.b) << name << " colour " << i;
        }
        SDL_FreeSurface(picture);
    }
    SDL_FreeSurface(first_surface);
}

// The top-ten rows are drawn in light glyphs at x = 37, y = 32 + 18 i, 25
// glyphs of 10x17 each; everything behind them must stay dark and quiet.
TEST(ScreenPicturesShared, TopTenRowsLieOnADarkCalmPanel)
{
    std::string path = std::string(GAMEDATA_DIR) + "/bmp/frame.bmp";
    SDL_Surface *picture = SDL_LoadBMP(path.c_str());
    ASSERT_NE(picture, nullptr) << path;
    ASSERT_EQ(picture->format->BitsPerPixel, 8);
    const SDL_Color *colours = picture->format->palette->colors;
    std::set<int> used;
    int brightest = 0;
    SDL_LockSurface(picture);
    for (int y = 32; y < 32 + 18 * 9 + 17; ++y)
        for (int x = 37; x < 37 + 25 * 10; ++x) {
            int p = static_cast<const Uint8 *>(picture->pixels)[y * picture->pitch + x];
            used.insert(p);
            const SDL_Color c = colours[p];
            brightest = std::max(brightest, (299 * c.r + 587 * c.g + 114 * c.b) / 1000);
        }
    SDL_UnlockSurface(picture);
    EXPECT_LT(brightest, 48) << "something bright behind the table's text";
    EXPECT_LE(used.size(), 4u) << "a busy background behind the table's text";
    SDL_FreeSurface(picture);
}

}  // namespace
