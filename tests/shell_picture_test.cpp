#include "sdl_screen.h"
#include "shell/picture.h"
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// Writes an 8-bit picture filled with `colour` whose palette entry i is
// (i, 255 - i, (i * 3 + shift) & 255), and returns its path.
std::string write_picture(const char *name, int w, int h, int colour, int shift)
{
    SDL_Surface *s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 8, 0, 0, 0, 0);
    SDL_Color c[256];
    for (int i = 0; i < 256; ++i)
        c[i] = {Uint8(i), Uint8(255 - i), Uint8((i * 3 + shift) & 255), 0};
    SDL_SetColors(s, c, 0, 256);
    SDL_FillRect(s, nullptr, colour);
    std::string path = std::string(testing::TempDir()) + name;
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
    return path;
}

std::string write_true_colour_picture(const char *name)
{
    SDL_Surface *s = SDL_CreateRGBSurface(SDL_SWSURFACE, 320, 240, 24, 0xff0000, 0xff00, 0xff, 0);
    SDL_FillRect(s, nullptr, 0x00ff00);
    std::string path = std::string(testing::TempDir()) + name;
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
    return path;
}

SDL_Color screen_colour(int i) { return screen->format->palette->colors[i]; }
int pixel(int x, int y) { return static_cast<Uint8 *>(screen->pixels)[y * screen->pitch + x]; }

}  // namespace

class Pictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(test_screen());
        SDL_SetClipRect(screen, nullptr);
    }
};

TEST_F(Pictures, RebuildMakesThePlainAndThreeTintTables)
{
    show_picture(screen, write_picture("rebuild.bmp", 320, 240, 7, 0).c_str(), 1);
    for (int i : {0, 1, 100, 185, 255}) {
        Uint8 r = Uint8(i), g = Uint8(255 - i), b = Uint8(i * 3);
        const SDL_Color *t0 = &palette_tables[0][i], *t1 = &palette_tables[1][i],
                        *t2 = &palette_tables[2][i], *t3 = &palette_tables[3][i];
        EXPECT_EQ(t0->r, r);
        EXPECT_EQ(t0->g, g);
        EXPECT_EQ(t0->b, b);
        EXPECT_EQ(t1->r, r);
        EXPECT_EQ(t1->g, g / 4);
        EXPECT_EQ(t1->b, b / 4);
        EXPECT_EQ(t2->r, r / 4);
        EXPECT_EQ(t2->g, g);
        EXPECT_EQ(t2->b, b / 4);
        EXPECT_EQ(t3->r, r / 4);
        EXPECT_EQ(t3->g, g / 4);
        EXPECT_EQ(t3->b, b);
    }
    EXPECT_EQ(pixel(0, 0), 7);
    EXPECT_EQ(pixel(319, 239), 7);
}

TEST_F(Pictures, KeptTablesStillTakeThePicturesOwnColours)
{
    show_picture(screen, write_picture("first.bmp", 320, 240, 1, 0).c_str(), 1);
    show_picture(screen, write_picture("kept.bmp", 320, 240, 2, 50).c_str(), 0);
    EXPECT_EQ(screen_colour(10).b, (10 * 3 + 50) & 255);   // screen: the new picture
    EXPECT_EQ(palette_tables[0][10].b, 30);                 // tables: the first one
    use_palette(screen, 0);
    EXPECT_EQ(screen_colour(10).b, 30);
    use_palette(screen, 1);
    EXPECT_EQ(screen_colour(10).g, (255 - 10) / 4);
}

TEST_F(Pictures, TrueColourPictureLeavesPaletteAndTables)
{
    show_picture(screen, write_picture("base.bmp", 320, 240, 3, 0).c_str(), 1);
    SDL_Color before = screen_colour(77);
    SDL_Color table_before = palette_tables[2][77];
    show_picture(screen, write_true_colour_picture("true.bmp").c_str(), 1);
    EXPECT_EQ(screen_colour(77).r, before.r);
    EXPECT_EQ(screen_colour(77).b, before.b);
    EXPECT_EQ(palette_tables[2][77].r, table_before.r);
    EXPECT_EQ(palette_tables[2][77].g, table_before.g);
}

TEST_F(Pictures, SmallPictureCoversOnlyItsCorner)
{
    clear_screen(screen, 9);
    show_picture(screen, write_picture("small.bmp", 40, 30, 4, 0).c_str(), 0);
    EXPECT_EQ(pixel(0, 0), 4);
    EXPECT_EQ(pixel(39, 29), 4);
    EXPECT_EQ(pixel(40, 29), 9);
    EXPECT_EQ(pixel(39, 30), 9);
    EXPECT_EQ(pixel(319, 239), 9);
}

TEST_F(Pictures, ClearScreenFillsEverything)
{
    clear_screen(screen, 252);
    EXPECT_EQ(pixel(0, 0), 252);
    EXPECT_EQ(pixel(160, 120), 252);
    EXPECT_EQ(pixel(319, 239), 252);
}

TEST_F(Pictures, PaletteNumberBeyondTheTablesFallsBackToPlain)
{
    show_picture(screen, write_picture("plain.bmp", 320, 240, 5, 0).c_str(), 1);
    use_palette(screen, 1);
    use_palette(screen, 999);
    EXPECT_EQ(screen_colour(200).g, 55);  // plain, not a tint
}

// The tables start black; only a fresh process shows that, so the check runs
// in a child copy of this test program.
TEST(PaletteTables, BlackBeforeAnyRebuild)
{
    if (getenv("LILYFRONT_FRESH_PROCESS")) {
        for (int t = 0; t < PALETTE_TABLES; ++t)
            for (int i = 0; i < 256; ++i) {
                const SDL_Color &c = palette_tables[t][i];
                ASSERT_EQ(c.r | c.g | c.b, 0) << "table " << t << " entry " << i;
            }
        return;
    }
    std::string command = "LILYFRONT_FRESH_PROCESS=1 /proc/" + std::to_string(getpid()) +
                          "/exe --gtest_filter=PaletteTables.BlackBeforeAnyRebuild >/dev/null 2>&1";
    EXPECT_EQ(system(command.c_str()), 0);
}
