#include "readers_fixture.h"
#include "world/record.h"
#include <climits>
#include <string>
#include <vector>

static std::vector<std::string> all_records(const std::string &text, const char *kinds)
{
    std::vector<std::string> out;
    const char *pos = text.c_str();
    char buf[RECORD_BUFFER];
    while (next_record(&pos, kinds, buf)) {
        out.push_back(buf);
        if (out.size() > 100)
            break;  // a scanner that stops advancing would loop for ever
    }
    return out;
}

struct ScanCase {
    const char *name;
    std::string text;
    std::vector<std::string> records;
};

TEST(RecordScanner, FindsRecordsTheWayTheGameReadsThem)
{
    const std::string long_record = "e:" + std::string(300, '7');
    const ScanCase cases[] = {
        {"plain lines", "#:2\ne:1,2\nq:3,4\n", {"#:2,", "e:1,2,", "q:3,4,"}},
        {"no line end at the end of the text", "e:5", {"e:5,"}},
        {"blanks before the kind", "  \te:1,2\n", {"e:1,2,"}},
        {"a word written right before the kind", "xe:1\n", {"e:1,"}},
        {"blank between kind and colon", "e :1\nq:2\n", {"q:2,"}},
        {"comment whose colon follows a word", "remark: e:1,2\nq:1\n", {"q:1,"}},
        {"comment whose colon follows a kind", "see: frames\n", {"e:,"}},
        {"two records on a line", "e:1 q:2\nq:3\n", {"e:1,", "q:3,"}},
        {"CR LF line ends", "e:1,2\r\nq:3\r\n", {"e:1,2,", "q:3,"}},
        {"backslash ends a record", "e:1,2\\3,4\n", {"e:1,2,"}},
        {"tab ends a record", "e:1\t,2\n", {"e:1,"}},
        {"unknown kind passes its line over", "x:1 e:9\ne:2\n", {"e:2,"}},
        {"colon opening a line", "e:1\n:e:2\ne:3\n", {"e:1,", "e:3,"}},
        {"colon opening the text", ":e:2\ne:3\n", {"e:3,"}},
        {"double colon", "::e:1\ne:4\n", {"e:4,"}},
        {"lines without a colon", "frog\n\n  \ne:6\n", {"e:6,"}},
        {"blank right after the colon", "e: 1,2\n", {"e:,"}},
        {"colon at the very end", "abc:", {}},
        {"empty text", "", {}},
        {"record cut at 254 characters", long_record + "\nq:1\n",
         {long_record.substr(0, RECORD_MAX_CHARS) + ",", "q:1,"}},
    };
    for (const ScanCase &c : cases)
        EXPECT_EQ(all_records(c.text, "eq#"), c.records) << c.name;
}

TEST(RecordScanner, LeavesPositionAtTheLineEndAndReportsTheSpan)
{
    const std::string text = "  e:1,2 tail\nq:3";
    const char *pos = text.c_str();
    char buf[RECORD_BUFFER];
    const char *start = nullptr;
    size_t length = 0;
    ASSERT_EQ(next_record_span(&pos, "eq", buf, &start, &length), 1);
    EXPECT_EQ(start, text.c_str() + 2);
    EXPECT_EQ(length, 5u);
    EXPECT_EQ(pos, text.c_str() + text.find('\n'));
    ASSERT_EQ(next_record(&pos, "eq", buf), 1);
    EXPECT_STREQ(buf, "q:3,");
    EXPECT_EQ(*pos, '\0');
    EXPECT_EQ(next_record(&pos, "eq", buf), 0);
}

struct NumberCase {
    const char *record;
    std::vector<int32_t> numbers;
};

TEST(RecordNumbers, ConvertLikeStrtolAndSkipEmptyFields)
{
    const NumberCase cases[] = {
        {"e:1,2,3,", {1, 2, 3}},
        {"e:1,,2,", {1, 2}},
        {"e:,,,7,,,", {7}},
        {"e:12x,010,-5,+7,", {12, 10, -5, 7}},
        {"e:abc,3,-,", {0, 3, 0}},
        {"e:2147483647,2147483648,99999999999,", {INT32_MAX, INT32_MAX, INT32_MAX}},
        {"e:-2147483648,-2147483649,-99999999999,", {INT32_MIN, INT32_MIN, INT32_MIN}},
        {"e:,", {}},
        {"#:5,1:2,", {5, 1}},
    };
    for (const NumberCase &c : cases) {
        int32_t out[16] = {};
        int got = record_numbers(c.record, out, 16);
        EXPECT_EQ(std::vector<int32_t>(out, out + got), c.numbers) << c.record;
    }
}

TEST(RecordNumbers, CountsBeyondWhatItStores)
{
    int32_t out[3] = {-1, -1, -1};
    EXPECT_EQ(record_numbers("e:1,2,3,4,5,", out, 2), 5);
    EXPECT_EQ(out[0], 1);
    EXPECT_EQ(out[1], 2);
    EXPECT_EQ(out[2], -1);
}

using TextFile = ScratchDir;

TEST_F(TextFile, ReadsWholeFileUpToItsFirstNul)
{
    write("a.elf", std::string("e:1\n\0q:2\n", 9));
    write("empty.elf", "");
    char *text = nullptr;
    ASSERT_EQ(read_text_file(path("a.elf").c_str(), &text), 0);
    EXPECT_STREQ(text, "e:1\n");
    EXPECT_EQ(text[8], '\n');
    EXPECT_EQ(text[9], '\0');
    free(text);
    text = nullptr;
    ASSERT_EQ(read_text_file(path("empty.elf").c_str(), &text), 0);
    EXPECT_STREQ(text, "");
    free(text);
}

TEST_F(TextFile, MissingFileIsOneAndUnreadableIsTwo)
{
    char *text = nullptr;
    EXPECT_EQ(read_text_file(path("none.elf").c_str(), &text), 1);
    EXPECT_EQ(text, nullptr);
    // A directory opens but gives no bytes.
    EXPECT_EQ(read_text_file(path("bmp").c_str(), &text), 2);
    EXPECT_EQ(text, nullptr);
}
