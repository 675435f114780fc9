// Scratch directories and files for the description-file tests: every test
// writes its own small files, so no test depends on the data being made.
#pragma once
#include "world/sprites.h"
#include <SDL.h>
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

class ScratchDir : public ::testing::Test {
protected:
    std::string dir;
    std::string old_cwd;

    void SetUp() override
    {
        char tmpl[] = "/tmp/lilyfront-readers-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        char cwd[4096];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        old_cwd = cwd;
        mkdir((dir + "/bmp").c_str(), 0755);
        mkdir((dir + "/wav").c_str(), 0755);
    }

    void TearDown() override
    {
        if (chdir(old_cwd.c_str()) != 0)
            ADD_FAILURE() << "cannot return to " << old_cwd;
        std::string command = "rm -rf '" + dir + "'";
        if (system(command.c_str()) != 0)
            ADD_FAILURE() << "cannot remove " << dir;
    }

    std::string path(const std::string &name) const { return dir + "/" + name; }

    void write(const std::string &name, const std::string &text) const
    {
        FILE *f = fopen(path(name).c_str(), "wb");
        ASSERT_NE(f, nullptr) << name;
        fwrite(text.data(), 1, text.size(), f);
        fclose(f);
    }

    // An 8-bit picture of the given size, all pixels 0.
    void write_bmp(const std::string &name, int w, int h) const
    {
        SDL_Surface *s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 8, 0, 0, 0, 0);
        ASSERT_NE(s, nullptr) << SDL_GetError();
        ASSERT_EQ(SDL_SaveBMP(s, path(name).c_str()), 0) << SDL_GetError();
        SDL_FreeSurface(s);
    }

    void enter() const { ASSERT_EQ(chdir(dir.c_str()), 0); }
};

// Frame i of an entry or level element has the rectangle (x, y, w, h).
inline void expect_frame(const SpriteDef &e, int i, int x, int y, int w, int h)
{
    ASSERT_NE(e.frames, nullptr);
    ASSERT_LT(i, e.frame_count);
    EXPECT_EQ(e.frames[i].x, x) << "frame " << i;
    EXPECT_EQ(e.frames[i].y, y) << "frame " << i;
    EXPECT_EQ(e.frames[i].w, w) << "frame " << i;
    EXPECT_EQ(e.frames[i].h, h) << "frame " << i;
}

// Runs f with standard output captured and returns what it printed.
template <typename F>
std::string captured_stdout(F f)
{
    fflush(stdout);
    ::testing::internal::CaptureStdout();
    f();
    fflush(stdout);
    return ::testing::internal::GetCapturedStdout();
}
