#include "readers_fixture.h"
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

static std::string slurp(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class DataTool : public ScratchDir {
protected:
    std::string out, err;

    // Runs the tool on a directory; returns its exit status.
    int run(const std::string &data_dir)
    {
        std::string command = std::string("SDL_VIDEODRIVER=dummy '") + LILYFRONT_DATA_TOOL + "' '" +
                              data_dir + "' >'" + path("out.txt") + "' 2>'" + path("err.txt") + "'";
        int status = system(command.c_str());
        out = slurp(path("out.txt"));
        err = slurp(path("err.txt"));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    void write_clean_data()
    {
        write_bmp("data/bmp/tank.bmp", 64, 32);
        write_bmp("data/bmp/mined.bmp", 100, 50);
        std::string table = "Test table\n#:28\n";
        for (int i = 0; i < 28; ++i)
            table += "e:0,0,0,0,0,1,0,0,0,0,0,0\nq:0,0,16,16\n";
        write("data/bmp/tank.elf", table);
        write("data/bmp/mine.elf", "#:3,640,480,1\n"
                                   "f:0,400,639\n"
                                   "e:0,0,0,0,0,1,0,0,0,0,0\n"
                                   "q:0,0,50,20\n"
                                   "s:2,50,0\n");
    }

    void SetUp() override
    {
        ScratchDir::SetUp();
        mkdir(path("data").c_str(), 0755);
        mkdir(path("data/bmp").c_str(), 0755);
        mkdir(path("data/wav").c_str(), 0755);
    }
};

TEST_F(DataTool, CleanDataPassesAndIsDumped)
{
    write_clean_data();
    EXPECT_EQ(run(path("data")), 0) << err;
    EXPECT_EQ(err, "");
    EXPECT_EQ(out.rfind("sprite: 0 x:0 y:0 z:0 p:0 w:16 h:16 ", 0), 0u) << out;
    EXPECT_NE(out.find("sprite: 27 "), std::string::npos);
    EXPECT_NE(out.find("max: X: 640 Y: 480  name: bmp/mined.bmp\nsc: 3 nc: 0\n"), std::string::npos)
        << out;
}

TEST_F(DataTool, PointsAtEverySpriteRecordTheGameMisreads)
{
    write_clean_data();
    write("data/bmp/tank.elf", "Sprites for a test\n"
                               "#:3\n"
                               "e:0,0,0,0,0,2,0,0,0,0,0,0\n"
                               "q:0,0,16,16," + std::string(250, '0') + "\n"
                               "q:16,0,80,16\n"
                               "e:1,,2,0,0,1,0,0,0,0,0,0\n"
                               "x:1,2,3\n"
                               "e:0,0,0,0,0,1,0,0,0,0,0,40000\n"
                               "e:0,0,0,0,0,1,0,0,0,0,0,0\n");
    EXPECT_EQ(run(path("data")), 1);
    EXPECT_EQ(err, "bmp/tank.elf:4: q record has 262 characters; the game reads only the first 254\n"
                   "bmp/tank.elf:4: q record has 5 numbers, takes 4 (the rest are ignored)\n"
                   "bmp/tank.elf:5: frame (16,0)-(80,16) lies outside bmp/tank.bmp (64x32)\n"
                   "bmp/tank.elf:6: e record has 11 numbers, needs 12 (the missing ones read as 0)\n"
                   "bmp/tank.elf:6: empty field in e record: the numbers after it move up one place\n"
                   "bmp/tank.elf:7: 'x' before the first colon is no record kind of this file; the "
                   "game passes the line over\n"
                   "bmp/tank.elf:8: number 12 of the e record, 40000, does not fit 16 bits\n"
                   "bmp/tank.elf:8: frame_count 1 but 0 frame records: the rest stay blank\n"
                   "bmp/tank.elf:9: entry 3 beyond the header's count 3; ignored\n"
                   "bmp/tank.elf:2: header announces 3 entries, the file has 4\n"
                   "bmp/tank.elf: the game needs entries 0 to 27; the file describes 3\n"
                   "11 problems found\n");
}

TEST_F(DataTool, PointsAtEveryLevelRecordTheGameMisreads)
{
    write_clean_data();
    write("data/bmp/mine.elf", "q:0,0,1,1\n"
                               "#:4,640,480,1\n"
                               "f:0,400,639\n"
                               "f:0,300,10\n"
                               "e:0,0,0,0,0,1,0,0,0,0,0\n"
                               "q:0,0,128,32\n"
                               "s:5,128,0\n"
                               "e:300,360,9,0,0,1,0,0,0,0\n"
                               "q:0,0,0,10\n"
                               "g:1,2\n"
                               "a remark: with a colon\n");
    EXPECT_EQ(run(path("data")), 1);
    EXPECT_EQ(err, "bmp/mine.elf:1: q record before the header; ignored\n"
                   "bmp/mine.elf:4: floor beyond the header's count 1; ignored\n"
                   "bmp/mine.elf:6: frame (0,0)-(128,32) lies outside bmp/mined.bmp (100x50)\n"
                   "bmp/mine.elf:7: only 2 of 5 copies fit the header's count\n"
                   "bmp/mine.elf:8: e record has 10 numbers, needs 11 (the missing ones read as 0)\n"
                   "bmp/mine.elf:9: frame (0,0)-(0,10) is empty\n"
                   "bmp/mine.elf:10: 'g' before the first colon is no record kind of this file; "
                   "the game passes the line over\n"
                   "bmp/mine.elf:2: header announces 4 elements, the file gives 7\n"
                   "bmp/mine.elf:2: header announces 1 floors, the file has 2\n"
                   "9 problems found\n");
}

TEST_F(DataTool, ChecksTheSoundListAndMissingFiles)
{
    write_clean_data();
    write("data/wav/racket.elf", "#:2\nw:shot\nw:none\nw:extra\nw:more\n");
    write("data/wav/shot.wav", "x");
    write("data/wav/extra.wav", "x");
    write("data/wav/more.wav", "x");
    EXPECT_EQ(run(path("data")), 1);
    EXPECT_EQ(err, "wav/racket.elf:3: wav/none.wav cannot be read: later sounds move up one id\n"
                   "wav/racket.elf:5: sound line beyond the count 2 takes no slot\n"
                   "2 problems found\n");

    unlink(path("data/bmp/tank.elf").c_str());
    unlink(path("data/bmp/mine.elf").c_str());
    unlink(path("data/wav/racket.elf").c_str());
    EXPECT_EQ(run(path("data")), 1);
    EXPECT_EQ(err, "bmp/tank.elf: cannot be opened\n"
                   "bmp/mine.elf: cannot be opened\n"
                   "2 problems found\n");
}

TEST_F(DataTool, GameDataPasses)
{
    const std::string data = GAMEDATA_DIR;
    if (access((data + "/bmp/tank.elf").c_str(), R_OK) != 0 ||
        access((data + "/bmp/mine.elf").c_str(), R_OK) != 0)
        GTEST_SKIP() << "the game's description files are not made yet in " << data;
    EXPECT_EQ(run(data), 0) << err;
}
