#include "combat/effect.h"
#include "readers_fixture.h"
#include "world/sprites.h"
#include <string>

static const char *const example_sprites =
    "#:2\n"
    "e:0,0,0,0,0,1,0,0,0,0,0,0\n"
    "q:0,0,24,20\n"
    "e:12,-4,0,0,0,2,0,6,1,15,0,0\n"
    "q:24,0,32,8\n"
    "q:32,0,40,8\n";

static std::string with_crlf(const std::string &text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

class SpriteFile : public ScratchDir {
protected:
    void TearDown() override
    {
        sprites_free();
        ScratchDir::TearDown();
    }

    // Reads text as the sprite description and returns the reader's result.
    int32_t read(const std::string &text)
    {
        write("tank.elf", text);
        return sprite_file_read(path("tank.elf").c_str());
    }

    std::string dump()
    {
        return captured_stdout([] { sprites_dump(actor_sprites.table, actor_sprites.count); });
    }
};

TEST_F(SpriteFile, ExampleFileGivesTwoEntries)
{
    ASSERT_EQ(read(example_sprites), 0);
    ASSERT_EQ(actor_sprites.count, 2);
    const SpriteDef &e0 = actor_sprites.table[0];
    EXPECT_EQ(e0.frame_count, 1);
    EXPECT_EQ(e0.width, 24);
    EXPECT_EQ(e0.height, 20);
    expect_frame(e0, 0, 0, 0, 24, 20);
    const SpriteDef &e1 = actor_sprites.table[1];
    EXPECT_EQ(e1.offset_x, 12);
    EXPECT_EQ(e1.offset_y, -4);
    EXPECT_EQ(e1.frame_count, 2);
    EXPECT_EQ(e1.speed, 6);
    EXPECT_EQ(e1.frame_delay, 1);
    EXPECT_EQ(e1.duration, 15);
    EXPECT_EQ(e1.width, 8);
    EXPECT_EQ(e1.height, 8);
    EXPECT_EQ(e1.frame, 0);
    EXPECT_EQ(e1.start_timer, 0);
    expect_frame(e1, 0, 24, 0, 8, 8);
    expect_frame(e1, 1, 32, 0, 8, 8);
}

TEST_F(SpriteFile, DumpPrintsEveryFieldInItsPlace)
{
    ASSERT_EQ(read("#:2\n"
                   "e:1,2,3,4,5,1,6,7,8,9,10,11\n"
                   "q:0,0,24,20\n"
                   "e:12,-4,0,0,0,2,0,6,1,15,0,0\n"),
              0);
    EXPECT_EQ(dump(),
              "sprite: 0 x:1 y:2 z:3 p:0 w:24 h:20 o:4 t:5 f:1 r:6 s:7 d:8 o:0 c:0 t:9 n:10 p:11\n"
              "sprite: 1 x:12 y:-4 z:0 p:0 w:0 h:0 o:0 t:0 f:2 r:0 s:6 d:1 o:0 c:0 t:15 n:0 p:0\n");
}

TEST_F(SpriteFile, CrLfAndCommentsReadTheSameAsPlainLines)
{
    ASSERT_EQ(read(example_sprites), 0);
    const std::string plain = dump();
    ASSERT_EQ(read(with_crlf(example_sprites)), 0);
    EXPECT_EQ(dump(), plain);
    const std::string commented =
        "Frog sprites, made by hand\n"
        "#:2 two entries\n"
        "remark - the first entry stands still\n"
        "  e:0,0,0,0,0,1,0,0,0,0,0,0\tstill\n"
        ":e:9,9,9,9,9,9,9,9,9,9,9,9\n"
        "xq:0,0,24,20 q:1,1,1,1\n"
        "e :5,5\n"
        "e:12,-4,0,0,0,2,0,6,1,15,0,0\\ the puff\n"
        "q:24,0,32,8\n"
        "q:32,0,40,8";
    ASSERT_EQ(read(commented), 0);
    EXPECT_EQ(dump(), plain);
}

TEST_F(SpriteFile, FramesBeyondTheCountOnlySetTheSize)
{
    ASSERT_EQ(read("#:1\ne:0,0,0,0,0,2,0,0,0,0,0,0\nq:0,0,4,4\nq:4,0,8,8\nq:8,0,20,30\n"), 0);
    const SpriteDef &e = actor_sprites.table[0];
    EXPECT_EQ(e.width, 12);
    EXPECT_EQ(e.height, 30);
    expect_frame(e, 0, 0, 0, 4, 4);
    expect_frame(e, 1, 4, 0, 4, 8);
}

TEST_F(SpriteFile, EmptyFieldsMoveLaterNumbersUp)
{
    ASSERT_EQ(read("#:1\ne:1,,2,3,4,5,0,6,7,8,9,10,11\n"), 0);
    const SpriteDef &e = actor_sprites.table[0];
    EXPECT_EQ(e.offset_x, 1);
    EXPECT_EQ(e.offset_y, 2);
    EXPECT_EQ(e.z, 3);
    EXPECT_EQ(e.o, 4);
    EXPECT_EQ(e.kind, 5);
    EXPECT_EQ(e.frame_count, 0);
    EXPECT_EQ(e.direction, 6);
    EXPECT_EQ(e.palette, 11);
}

TEST_F(SpriteFile, SixteenBitFieldsKeepTheLowBits)
{
    ASSERT_EQ(read("#:1\ne:65537,40000,-1,99999999999,0,0,0,0,0,0,0,0\nq:0,0,70000,-3\n"), 0);
    const SpriteDef &e = actor_sprites.table[0];
    EXPECT_EQ(e.offset_x, 1);
    EXPECT_EQ(e.offset_y, -25536);
    EXPECT_EQ(e.z, -1);
    EXPECT_EQ(e.o, -1);  // saturated at 2147483647, whose low 16 bits are all ones
    EXPECT_EQ(e.width, 4464);
    EXPECT_EQ(e.height, -3);
}

TEST_F(SpriteFile, UnreadableFileLeavesTheTableAsItWas)
{
    ASSERT_EQ(read(example_sprites), 0);
    const std::string before = dump();
    EXPECT_EQ(sprite_file_read(path("none.elf").c_str()), 1);
    EXPECT_EQ(sprite_file_read(path("bmp").c_str()), 2);
    EXPECT_EQ(dump(), before);
}

// Files the format does not provide for: each must stay inside the table
// (the sanitizer build checks that) and give the outcome decided in the reader.
struct HostileSpriteCase {
    const char *name;
    std::string text;
    int32_t count;
    int16_t frames0;      // frame_count of entry 0 (when count > 0)
    int16_t width0;       // width of entry 0
    int16_t last_offset;  // offset_x of the last entry
};

TEST_F(SpriteFile, HostileFilesStayInsideTheTable)
{
    const std::string long_e = "e:7,0,0,0,0,1,0,0,0,0,0,0," + std::string(300, '0') + "\n";
    const HostileSpriteCase cases[] = {
        {"q before the first e", "#:1\nq:0,0,50,50\ne:3,0,0,0,0,1,0,0,0,0,0,0\n", 1, 1, 0, 3},
        {"e and q before the header", "e:3,0,0,0,0,1,0,0,0,0,0,0\nq:0,0,9,9\n#:1\n", 1, 0, 0, 0},
        {"no header", "e:3,0,0,0,0,1,0,0,0,0,0,0\nq:0,0,9,9\n", 0, 0, 0, 0},
        {"more e records than announced",
         "#:1\ne:1,0,0,0,0,1,0,0,0,0,0,0\nq:0,0,5,5\ne:2,0,0,0,0,1,0,0,0,0,0,0\nq:0,0,50,50\n", 1, 1,
         5, 1},
        {"second header", "#:1\ne:1,0,0,0,0,1,0,0,0,0,0,0\n#:5\ne:2,0,0,0,0,1,0,0,0,0,0,0\n", 1, 1, 0, 1},
        {"negative count", "#:-5\ne:1,0,0,0,0,1,0,0,0,0,0,0\n", 0, 0, 0, 0},
        {"two billion entries", "#:2000000000\ne:1,0,0,0,0,1,0,0,0,0,0,0\n", SPRITE_ENTRIES_MAX, 1,
         0, 0},
        {"short records read zeros", "#:1\ne:4,0\nq:0,0\n", 1, 0, 0, 4},
        {"nothing after the colon", "#:\ne:1,0,0,0,0,1\n", 0, 0, 0, 0},
        {"negative frame count", "#:1\ne:1,0,0,0,0,-3,0,0,0,0,0,0\nq:0,0,6,6\n", 1, -3, 6, 1},
        {"record beyond 254 characters", "#:1\n" + long_e + "q:0,0,2,2\n", 1, 1, 2, 7},
    };
    for (const HostileSpriteCase &c : cases) {
        sprites_free();
        ASSERT_EQ(read(c.text), 0) << c.name;
        ASSERT_EQ(actor_sprites.count, c.count) << c.name;
        if (c.count == 0)
            continue;
        const SpriteDef &e0 = actor_sprites.table[0];
        EXPECT_EQ(e0.frame_count, c.frames0) << c.name;
        EXPECT_EQ(e0.width, c.width0) << c.name;
        EXPECT_EQ(actor_sprites.table[c.count - 1].offset_x, c.last_offset) << c.name;
        if (e0.frame_count <= 0) {
            EXPECT_EQ(e0.frames, nullptr) << c.name;
        }
        EXPECT_EQ(sprite_frame(&e0, e0.frame_count), nullptr) << c.name;
    }
}

TEST_F(SpriteFile, FramePlacesOfAWholeFileAreBounded)
{
    // 40 entries of 32767 frames would ask for 10 MB of rectangles.
    std::string text = "#:40\n";
    for (int i = 0; i < 40; ++i)
        text += "e:0,0,0,0,0,32767,0,0,0,0,0,0\n";
    ASSERT_EQ(read(text), 0);
    int64_t places = 0;
    for (int i = 0; i < actor_sprites.count; ++i)
        places += actor_sprites.table[i].frame_count;
    EXPECT_EQ(places, FRAME_PLACES_MAX);
    EXPECT_EQ(actor_sprites.table[0].frame_count, 32767);
    EXPECT_EQ(actor_sprites.table[39].frame_count, 0);
    EXPECT_EQ(actor_sprites.table[39].frames, nullptr);
}

TEST(SpriteFrames, FrameSetStoresOnlyInsideTheEntry)
{
    SpriteDef e = {};
    e.frame_count = 2;
    frames_alloc(&e);
    ASSERT_NE(e.frames, nullptr);
    EXPECT_EQ(e.frames[1].w, 0);
    frame_set(&e, 1, 1, 2, 3, 4);
    frame_set(&e, 2, 9, 9, 9, 9);
    frame_set(&e, -1, 9, 9, 9, 9);
    EXPECT_EQ(e.frames[1].x, 1);
    EXPECT_EQ(e.frames[1].h, 4);
    EXPECT_EQ(sprite_frame(&e, 1), &e.frames[1]);
    EXPECT_EQ(sprite_frame(&e, 2), nullptr);
    e.frame_count = 0;
    frames_alloc(&e);
    EXPECT_EQ(e.frames, nullptr);
    frame_set(&e, 0, 9, 9, 9, 9);
}

// A table with every entry the game plays with.
static std::string full_table(int entries)
{
    std::string text = "#:" + std::to_string(entries) + "\n";
    for (int i = 0; i < entries; ++i)
        text += "e:0,0,0,0,0,1,0,0,0,0,0,0\nq:0,0,16,16\n";
    return text;
}

using SpriteLoad = SpriteFile;

TEST_F(SpriteLoad, LoadsSheetTableAndEffectPool)
{
    write_bmp("bmp/tank.bmp", 64, 32);
    write("bmp/tank.elf", full_table(SPRITE_ENTRIES_NEEDED));
    enter();
    sprites_load();
    ASSERT_NE(actor_sprites.sheet, nullptr);
    EXPECT_EQ(actor_sprites.sheet->w, 64);
    EXPECT_TRUE(actor_sprites.sheet->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(actor_sprites.sheet->format->colorkey, 185u);
    EXPECT_STREQ(actor_sprites.sheet_path, "bmp/tank.bmp");
    EXPECT_STREQ(actor_sprites.description_path, "bmp/tank.elf");
    EXPECT_EQ(actor_sprites.count, SPRITE_ENTRIES_NEEDED);
    ASSERT_NE(effect_pool, nullptr);
    for (int i = 0; i < EFFECT_POOL_PLACES; ++i)
        ASSERT_EQ(effect_pool[i].kind, 0);
    sprites_free();
    EXPECT_EQ(actor_sprites.sheet, nullptr);
    EXPECT_EQ(actor_sprites.mirror_sheet, nullptr);
    EXPECT_EQ(actor_sprites.table, nullptr);
    EXPECT_EQ(actor_sprites.count, 0);
    EXPECT_EQ(effect_pool, nullptr);
}

struct MissingSpriteCase {
    const char *name;
    bool sheet;
    const char *description;  // null: no file
    const char *message;
};

TEST_F(SpriteLoad, StopsWhenTheGameCannotHaveItsSprites)
{
    const std::string short_table = full_table(SPRITE_ENTRIES_NEEDED - 1);
    const std::string lying_header = "#:40\ne:0,0,0,0,0,1,0,0,0,0,0,0\n";
    const MissingSpriteCase cases[] = {
        {"no sheet", false, short_table.c_str(), "Error loading bmp/tank.bmp: "},
        {"no description", true, nullptr, "Error loading bmp/tank.elf: cannot be opened"},
        {"short table", true, short_table.c_str(),
         "Error loading bmp/tank.elf: describes 27 entries, the game needs 28"},
        {"no header", true, "e:0,0,0,0,0,1,0,0,0,0,0,0\n",
         "Error loading bmp/tank.elf: describes 0 entries, the game needs 28"},
        {"header promising more than the file holds", true, lying_header.c_str(),
         "Error loading bmp/tank.elf: describes 1 entries, the game needs 28"},
    };
    for (const MissingSpriteCase &c : cases) {
        unlink(path("bmp/tank.bmp").c_str());
        unlink(path("bmp/tank.elf").c_str());
        if (c.sheet)
            write_bmp("bmp/tank.bmp", 8, 8);
        if (c.description)
            write("bmp/tank.elf", c.description);
        enter();
        EXPECT_EXIT(sprites_load(), ::testing::ExitedWithCode(1), c.message) << c.name;
    }
    // More entries than the game needs are fine.
    write("bmp/tank.elf", full_table(SPRITE_ENTRIES_NEEDED + 2));
    sprites_load();
    EXPECT_EQ(actor_sprites.count, SPRITE_ENTRIES_NEEDED + 2);
}
