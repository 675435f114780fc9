#include "readers_fixture.h"
#include "world/world.h"
#include <cstring>
#include <string>

static const char *const example_level =
    "#:5,640,480,1\n"
    "f:0,400,639\n"
    "e:0,400,0,0,0,1,0,0,0,0,0\n"
    "q:0,0,128,32\n"
    "s:3,128,0\n"
    "e:300,360,9,0,0,2,0,0,3,0,0\n"
    "q:0,32,40,72\n"
    "q:40,32,80,72\n";

class LevelFile : public ScratchDir {
protected:
    void SetUp() override
    {
        ScratchDir::SetUp();
        world_init();
    }
    void TearDown() override
    {
        world_free();
        ScratchDir::TearDown();
    }

    int32_t read(const std::string &text)
    {
        write("mine.elf", text);
        return level_file_read(path("mine.elf").c_str());
    }

    std::string dump() { return captured_stdout([] { level_dump(); }); }
};

TEST_F(LevelFile, ExampleLevel)
{
    ASSERT_EQ(read(example_level), 0);
    EXPECT_EQ(world.width, 640);
    EXPECT_EQ(world.height, 480);
    ASSERT_EQ(world.floor_count, 1);
    EXPECT_EQ(world.floors[0].x, 0);
    EXPECT_EQ(world.floors[0].y, 400);
    EXPECT_EQ(world.floors[0].length, 639);
    ASSERT_EQ(world.sc, 4);
    ASSERT_EQ(world.nc, 1);
    for (int i = 0; i < 4; ++i) {
        const LevelElement &d = world.decor[i];
        EXPECT_EQ(d.offset_x, 128 * i);
        EXPECT_EQ(d.offset_y, 400);
        EXPECT_EQ(d.width, 128);
        EXPECT_EQ(d.height, 32);
        EXPECT_EQ(d.frame, 0);
        expect_frame(d, 0, 0, 0, 128, 32);
    }
    EXPECT_NE(world.decor[1].frames, world.decor[0].frames);  // each copy owns its frames
    const LevelElement &n = world.nine[0];
    EXPECT_EQ(n.offset_x, 300);
    EXPECT_EQ(n.offset_y, 360);
    EXPECT_EQ(n.width, 40);
    EXPECT_EQ(n.height, 40);
    EXPECT_EQ(n.frame_delay, 3);
    EXPECT_EQ(n.frame, 0);
    expect_frame(n, 0, 0, 32, 40, 40);
    expect_frame(n, 1, 40, 32, 40, 40);
    EXPECT_EQ(world.pickup_count, 0);
}

TEST_F(LevelFile, DumpOfTheExampleLevel)
{
    ASSERT_EQ(read(example_level), 0);
    EXPECT_EQ(dump(),
              "max: X: 640 Y: 480  name: bmp/mined.bmp\n"
              "sc: 4 nc: 1\n"
              "decor = X: 0 Y: 400 Z: 0 W: 128 H: 32 T: 0 F: 1\n"
              "frame = X: 0 Y: 0 W: 128 H: 32\n"
              "decor = X: 128 Y: 400 Z: 0 W: 128 H: 32 T: 0 F: 1\n"
              "frame = X: 0 Y: 0 W: 128 H: 32\n"
              "decor = X: 256 Y: 400 Z: 0 W: 128 H: 32 T: 0 F: 1\n"
              "frame = X: 0 Y: 0 W: 128 H: 32\n"
              "decor = X: 384 Y: 400 Z: 0 W: 128 H: 32 T: 0 F: 1\n"
              "frame = X: 0 Y: 0 W: 128 H: 32\n"
              "nine = X: 300 Y: 360 Z: 9 W: 40 H: 40 T: 0 F: 2\n"
              "X: 0 Y: 32 W: 40 H: 40\n"
              "X: 40 Y: 32 W: 40 H: 40\n");
}

TEST_F(LevelFile, PickupsComeFromDecorThenNine)
{
    ASSERT_EQ(read("#:6,1000,1000,0\n"
                   "e:7,8,9,0,1,1,0,0,0,0,0\n"
                   "q:0,0,10,12\n"
                   "e:100,50,0,0,2,1,0,0,0,0,0\n"
                   "q:0,0,20,30\n"
                   "s:3,5,-1\n"),
              0);
    ASSERT_EQ(world.sc, 5);  // the last decor place stays empty: no pickup
    ASSERT_EQ(world.pickup_count, 5);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(world.pickup_kinds[i], 2);
        EXPECT_EQ(world.pickups[i].x, 100 + 5 * i);
        EXPECT_EQ(world.pickups[i].y, 50 - i);
        EXPECT_EQ(world.pickups[i].w, 20);
        EXPECT_EQ(world.pickups[i].h, 30);
    }
    EXPECT_EQ(world.pickup_kinds[4], 1);
    EXPECT_EQ(world.pickups[4].x, 7);
    EXPECT_EQ(world.pickups[4].y, 8);
    EXPECT_EQ(world.pickups[4].w, 10);
    EXPECT_EQ(world.pickups[4].h, 12);
}

TEST_F(LevelFile, CopiesAreSilentAndTakeTheFramesThatFollow)
{
    ASSERT_EQ(read("#:3,1000,1000,0\n"
                   "e:0,0,0,3,0,2,4,5,6,7,11\n"
                   "q:0,0,10,10\n"
                   "s:2,10,0\n"
                   "q:10,0,30,20\n"),
              0);
    ASSERT_EQ(world.sc, 3);
    const LevelElement &first = world.decor[0];
    EXPECT_EQ(first.sound, 11);
    EXPECT_EQ(first.width, 10);
    expect_frame(first, 1, 0, 0, 0, 0);
    for (int i = 1; i < 3; ++i) {
        const LevelElement &c = world.decor[i];
        EXPECT_EQ(c.sound, 0) << i;
        EXPECT_EQ(c.o, 3) << i;
        EXPECT_EQ(c.direction, 4) << i;
        EXPECT_EQ(c.speed, 5) << i;
        EXPECT_EQ(c.frame_delay, 6) << i;
        EXPECT_EQ(c.duration, 7) << i;
        EXPECT_EQ(c.frame, 0) << i;
        expect_frame(c, 0, 0, 0, 10, 10);
    }
    EXPECT_EQ(world.decor[1].width, 10);
    expect_frame(world.decor[1], 1, 0, 0, 0, 0);
    // The q after the s belongs to the last copy only.
    EXPECT_EQ(world.decor[2].width, 20);
    EXPECT_EQ(world.decor[2].height, 20);
    expect_frame(world.decor[2], 1, 10, 0, 20, 20);
}

TEST_F(LevelFile, CopiesAfterAFrontElementRepeatTheLastDecor)
{
    // Frames after the s still belong to the front element: the most recent
    // element follows the last e record, and that one was a front element.
    ASSERT_EQ(read("#:4,1000,1000,0\n"
                   "e:2,0,0,0,0,1,0,0,0,0,0\n"
                   "q:0,0,8,8\n"
                   "e:50,50,9,0,0,2,0,0,0,0,0\n"
                   "q:0,0,4,4\n"
                   "s:2,8,0\n"
                   "q:4,0,12,12\n"),
              0);
    ASSERT_EQ(world.sc, 3);
    ASSERT_EQ(world.nc, 1);
    EXPECT_EQ(world.decor[1].offset_x, 10);
    EXPECT_EQ(world.decor[2].offset_x, 18);
    EXPECT_EQ(world.decor[2].width, 8);
    EXPECT_EQ(world.nine[0].width, 8);
    expect_frame(world.nine[0], 1, 4, 0, 8, 12);
}

TEST_F(LevelFile, UnreadableFileKeepsTheWorld)
{
    EXPECT_EQ(level_file_read(path("none.elf").c_str()), 1);
    EXPECT_EQ(world.width, 2560);
    EXPECT_EQ(world.height, 1920);
    EXPECT_EQ(world.floor_count, 0);
    EXPECT_EQ(world.sc + world.nc + world.pickup_count, 0);
    ASSERT_EQ(read(example_level), 0);
    const std::string before = dump();
    EXPECT_EQ(level_file_read(path("bmp").c_str()), 2);
    EXPECT_EQ(dump(), before);
}

// Files the format does not provide for: each must stay inside the world's
// tables (the sanitizer build checks that) and give the outcome decided in
// the reader.
struct HostileLevelCase {
    const char *name;
    std::string text;
    int32_t sc, nc, floors;
    int16_t width;
    int16_t first_x, first_w, last_x;  // decor[0] and decor[sc - 1], when sc > 0
    int32_t last_floor_x;               // when floors > 0
};

TEST_F(LevelFile, HostileFilesStayInsideTheTables)
{
    const std::string long_e = "e:7,0,0,0,0,1,0,0,0,0,0," + std::string(300, '0') + "\n";
    const HostileLevelCase cases[] = {
        {"q and s before the first e",
         "#:2,100,100,0\nq:0,0,50,50\ns:3,10,0\ne:5,0,0,0,0,1,0,0,0,0,0\n", 2, 0, 0, 100, 5, 0, 0, 0},
        {"no header", "e:5,0,0,0,0,1,0,0,0,0,0\nf:1,2,3\n", 0, 0, 0, 2560, 0, 0, 0, 0},
        {"more e records than announced",
         "#:1,100,100,0\ne:1,0,0,0,0,1,0,0,0,0,0\nq:0,0,5,5\ne:2,0,0,0,0,1,0,0,0,0,0\nq:0,0,50,50\n", 1,
         0, 0, 100, 1, 5, 1, 0},
        {"more copies than announced", "#:2,100,100,0\ne:1,0,0,0,0,1,0,0,0,0,0\ns:1000000000,10,0\n",
         2, 0, 0, 100, 1, 0, 11, 0},
        {"more f records than announced", "#:0,100,100,1\nf:1,2,3\nf:4,5,6\n", 0, 0, 1, 100, 0, 0, 0,
         1},
        {"more front elements than announced",
         "#:1,100,100,0\ne:0,0,9,0,0,1,0,0,0,0,0\ne:0,0,9,0,0,1,0,0,0,0,0\ne:3,0,0,0,0,1,0,0,0,0,0\n",
         0, 2, 0, 100, 0, 0, 0, 0},
        {"second header", "#:1,100,100,1\n#:5,999,999,5\nf:1,1,1\n", 1, 0, 1, 100, 0, 0, 0, 1},
        {"two billion elements and floors", "#:2000000000,100,100,2000000000\n", LEVEL_ELEMENTS_MAX, 0,
         LEVEL_FLOORS_MAX, 100, 0, 0, 0, 0},
        {"negative counts", "#:-1,100,100,-7\nf:1,1,1\n", 0, 0, 0, 100, 0, 0, 0, 0},
        {"short records read zeros", "#:1,100\ne:3\nq:1\nf:\n", 1, 0, 0, 100, 3, -1, 3, 0},
        {"copies of nothing or none", "#:3,100,100,0\ne:4,0,0,0,0,1,0,0,0,0,0\ns:0,1,1\ns:-5,1,1\n", 3,
         0, 0, 100, 4, 0, 0, 0},
        {"copies before any decor", "#:3,100,100,0\ne:0,0,9,0,0,1,0,0,0,0,0\ns:2,1,1\n", 2, 1, 0, 100,
         0, 0, 0, 0},
        {"offsets add as 16-bit values", "#:2,100,100,0\ne:32767,0,0,0,0,1,0,0,0,0,0\ns:1,1,0\n", 2, 0,
         0, 100, 32767, 0, -32768, 0},
        {"record beyond 254 characters", "#:1,100,100,0\n" + long_e + "q:0,0,2,2\n", 1, 0, 0, 100, 7, 2,
         7, 0},
    };
    for (const HostileLevelCase &c : cases) {
        world_init();
        ASSERT_EQ(read(c.text), 0) << c.name;
        ASSERT_EQ(world.sc, c.sc) << c.name;
        ASSERT_EQ(world.nc, c.nc) << c.name;
        ASSERT_EQ(world.floor_count, c.floors) << c.name;
        EXPECT_EQ(world.width, c.width) << c.name;
        if (c.sc > 0) {
            EXPECT_EQ(world.decor[0].offset_x, c.first_x) << c.name;
            EXPECT_EQ(world.decor[0].width, c.first_w) << c.name;
            EXPECT_EQ(world.decor[c.sc - 1].offset_x, c.last_x) << c.name;
        }
        if (c.floors > 0) {
            EXPECT_EQ(world.floors[c.floors - 1].x, c.last_floor_x) << c.name;
        }
    }
}

TEST_F(LevelFile, FramePlacesOfAWholeLevelAreBounded)
{
    ASSERT_EQ(read("#:100,100,100,0\ne:0,0,0,0,1,32767,0,0,0,0,0\ns:99,1,0\n"), 0);
    ASSERT_EQ(world.sc, 100);
    int64_t places = 0;
    for (int i = 0; i < world.sc; ++i)
        places += world.decor[i].frame_count;
    EXPECT_EQ(places, FRAME_PLACES_MAX);
    EXPECT_EQ(world.decor[99].frames, nullptr);
    EXPECT_EQ(world.pickup_count, 100);
}

TEST_F(LevelFile, FloorSetStoresOnlyInsideTheFloors)
{
    ASSERT_EQ(read("#:0,100,100,2\n"), 0);
    floor_set(1, 5, 6, 7);
    floor_set(2, 9, 9, 9);
    floor_set(-1, 9, 9, 9);
    EXPECT_EQ(world.floors[1].x, 5);
    EXPECT_EQ(world.floors[1].length, 7);
    EXPECT_EQ(world.floors[0].x, 0);
}

using WorldLoad = LevelFile;

TEST_F(WorldLoad, StartValuesAndPaths)
{
    EXPECT_EQ(world.reload, 1);
    EXPECT_EQ(world.width, 2560);
    EXPECT_EQ(world.height, 1920);
    EXPECT_EQ(world.fill_colour, 252);
    EXPECT_EQ(world.tile, nullptr);
    EXPECT_EQ(world.floors, nullptr);
    EXPECT_STREQ(world.tile_path, "bmp/minet.bmp");
    EXPECT_STREQ(world.decor_path, "bmp/mined.bmp");
    EXPECT_STREQ(world.level_path, "bmp/mine.elf");
    world_set_name("a-name-far-too-long-for-the-paths");
    EXPECT_EQ(strlen(world.level_path), 31u);
}

TEST_F(WorldLoad, LoadsPicturesAndLevelOnce)
{
    write_bmp("bmp/minet.bmp", 128, 128);
    write_bmp("bmp/mined.bmp", 256, 64);
    write("bmp/mine.elf", example_level);
    enter();
    world_load();
    EXPECT_EQ(world.reload, 0);
    ASSERT_NE(world.tile, nullptr);
    ASSERT_NE(world.decor_sheet, nullptr);
    EXPECT_EQ(world.decor_sheet->w, 256);
    EXPECT_TRUE(world.tile->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(world.decor_sheet->format->colorkey, 185u);
    EXPECT_EQ(world.sc, 4);
    // Nothing sets reload again: a later drawing reads nothing.
    write("bmp/mine.elf", "#:0,50,50,0\n");
    SDL_Surface *tile = world.tile;
    world_load();
    EXPECT_EQ(world.tile, tile);
    EXPECT_EQ(world.sc, 4);
}

TEST_F(WorldLoad, MissingPicturesAreReportedAndLeftOut)
{
    write("bmp/mine.elf", example_level);
    enter();
    ::testing::internal::CaptureStderr();
    world_load();
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("Error loading bmp/minet.bmp: "), std::string::npos) << errors;
    EXPECT_NE(errors.find("Error loading bmp/mined.bmp: "), std::string::npos) << errors;
    EXPECT_EQ(world.tile, nullptr);
    EXPECT_EQ(world.decor_sheet, nullptr);
    EXPECT_EQ(world.sc, 4);
}

TEST_F(WorldLoad, LevelPictureReplacesOnlyTheTile)
{
    write_bmp("bmp/minet.bmp", 128, 128);
    write_bmp("bmp/mined.bmp", 64, 64);
    write_bmp("bmp/level2.bmp", 130, 128);
    write("bmp/mine.elf", example_level);
    enter();
    world_load();
    SDL_Surface *sheet = world.decor_sheet;
    level_picture_load("level", 2);
    ASSERT_NE(world.tile, nullptr);
    EXPECT_EQ(world.tile->w, 130);
    EXPECT_FALSE(world.tile->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(world.decor_sheet, sheet);
    EXPECT_EQ(world.sc, 4);
    ::testing::internal::CaptureStderr();
    level_picture_load("level", 3);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(world.tile, nullptr);
    EXPECT_NE(errors.find("Error loading bmp/level3.bmp: "), std::string::npos) << errors;
}
