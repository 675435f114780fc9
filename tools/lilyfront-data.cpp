// lilyfront-data DATA_DIR: for people who make their own sprites and levels.
// Prints the sprite table and the level as the game reads them, then checks
// bmp/tank.elf, bmp/mine.elf and (when present) wav/racket.elf for records
// the game would misread or pass over, counts that disagree, frames outside
// their picture and sprite entries the game needs but the table lacks.
// Exit status 0 when nothing was found, 1 when something was, 2 on misuse.
//
// The records are found with the game's own scanner and numbers, so the
// tool sees exactly what the game sees.
#include "shell/picture.h"
#include "world/record.h"
#include "world/sprites.h"
#include "world/world.h"
#include <SDL.h>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

static int problems = 0;

__attribute__((format(printf, 3, 4))) static void problem(const char *file, int line,
                                                          const char *format, ...)
{
    if (line > 0)
        fprintf(stderr, "%s:%d: ", file, line);
    else
        fprintf(stderr, "%s: ", file);
    va_list args;
    va_start(args, format);
    vfprintf(stderr, format, args);
    va_end(args);
    fputc('\n', stderr);
    ++problems;
}

struct Record {
    int line;
    char kind;
    bool known;           // one of the file's kinds: the game reads it
    bool looks_like_one;  // numbers follow the colon
    size_t length;        // characters in the text; the game keeps RECORD_MAX_CHARS
    std::string text;     // what the game's record buffer holds
    int32_t n[16];        // the numbers as the game reads them, missing ones 0
    int count;            // how many numbers the record holds
};

// Every place where a character stands before a colon, in the game's order.
// Asking the scanner for every visible character (and blanks) as a kind
// visits exactly the places the game visits, and shows the ones it passes over.
static std::vector<Record> scan(const char *text, const char *kinds)
{
    std::string any = " \t";
    for (int c = 33; c < 127; ++c)
        any += char(c);
    std::vector<Record> out;
    const char *pos = text;
    const char *counted = text;
    int line = 1;
    char buf[RECORD_BUFFER];
    const char *start = nullptr;
    size_t length = 0;
    while (next_record_span(&pos, any.c_str(), buf, &start, &length)) {
        for (; counted < start; ++counted)
            line += *counted == '\n';
        Record r = {};
        r.line = line;
        r.kind = *start;
        r.known = strchr(kinds, r.kind) != nullptr;
        const char *after = start + 2;
        if (*after == '+' || *after == '-')
            ++after;
        r.looks_like_one = *after >= '0' && *after <= '9';
        r.length = length;
        r.text = buf;
        r.count = record_numbers(buf, r.n, 16);
        out.push_back(r);
    }
    return out;
}

// Checks what a record's numbers will become: fields that are no clean
// number, values the game cuts, empty fields that move numbers up.
// `sixteen` marks the fields (by place) that the game keeps in 16 bits.
static void check_fields(const char *file, const Record &r, int needed, const bool *sixteen)
{
    if (r.length > size_t(RECORD_MAX_CHARS))
        problem(file, r.line, "%c record has %zu characters; the game reads only the first %d",
                r.kind, r.length, RECORD_MAX_CHARS);
    if (r.count < needed)
        problem(file, r.line, "%c record has %d numbers, needs %d (the missing ones read as 0)",
                r.kind, r.count, needed);
    else if (r.count > needed)
        problem(file, r.line, "%c record has %d numbers, takes %d (the rest are ignored)", r.kind,
                r.count, needed);
    const char *p = strchr(r.text.c_str(), ':') + 1;
    if (strstr(p, ",,") && strstr(p, ",,")[2] != '\0')
        problem(file, r.line, "empty field in %c record: the numbers after it move up one place",
                r.kind);
    int place = 0;
    while (*p) {
        if (*p == ',') {
            ++p;
            continue;
        }
        size_t n = strcspn(p, ",");
        std::string field(p, n);
        p += n;
        errno = 0;
        char *end = nullptr;
        long long v = strtoll(field.c_str(), &end, 10);
        bool clean = end != field.c_str() && *end == '\0' && field[0] != ' ' &&
                     field.find_first_of("0123456789") != std::string::npos;
        if (!clean)
            problem(file, r.line, "number %d of the %c record, \"%s\", is read as %d", place + 1,
                    r.kind, field.c_str(), place < 16 ? int(r.n[place]) : 0);
        else if (errno == ERANGE || v > INT32_MAX || v < INT32_MIN)
            problem(file, r.line, "number %d of the %c record, %s, does not fit 32 bits",
                    place + 1, r.kind, field.c_str());
        else if (place < needed && sixteen[place] && (v > INT16_MAX || v < INT16_MIN))
            problem(file, r.line, "number %d of the %c record, %s, does not fit 16 bits",
                    place + 1, r.kind, field.c_str());
        ++place;
    }
}

static void check_unknown(const char *file, const Record &r)
{
    if (!r.known && r.looks_like_one)
        problem(file, r.line, "'%c' before the first colon is no record kind of this file; "
                              "the game passes the line over",
                r.kind);
}

static bool picture_size(const char *path, int *w, int *h)
{
    SDL_Surface *s = picture_load(path);
    if (!s)
        return false;
    *w = s->w;
    *h = s->h;
    SDL_FreeSurface(s);
    return true;
}

// A q record's rectangle, against the picture it is cut from.
static void check_frame(const char *file, const Record &r, const char *picture, int pw, int ph)
{
    int64_t x1 = r.n[0], y1 = r.n[1], x2 = r.n[2], y2 = r.n[3];
    bool sixteen[4] = {true, true, true, true};
    check_fields(file, r, 4, sixteen);
    if (x2 - x1 > INT16_MAX || y2 - y1 > INT16_MAX || x2 - x1 < INT16_MIN || y2 - y1 < INT16_MIN)
        problem(file, r.line, "frame size does not fit 16 bits");
    if (x2 <= x1 || y2 <= y1)
        problem(file, r.line, "frame (%lld,%lld)-(%lld,%lld) is empty", (long long)x1,
                (long long)y1, (long long)x2, (long long)y2);
    else if (pw >= 0 && (x1 < 0 || y1 < 0 || x2 > pw || y2 > ph))
        problem(file, r.line, "frame (%lld,%lld)-(%lld,%lld) lies outside %s (%dx%d)",
                (long long)x1, (long long)y1, (long long)x2, (long long)y2, picture, pw, ph);
}

// Frames of one entry or element: the q records that follow its e record.
struct FrameTally {
    int line;          // of the e record; 0 when there is none
    int frame_count;
    int frames_read;
};

static void close_tally(const char *file, const FrameTally &t)
{
    if (t.line > 0 && t.frames_read < t.frame_count)
        problem(file, t.line, "frame_count %d but %d frame records: the rest stay blank",
                t.frame_count, t.frames_read);
}

static void count_frame(const char *file, FrameTally *t, const Record &r)
{
    ++t->frames_read;
    if (t->frames_read > t->frame_count)
        problem(file, r.line, "frame %d beyond frame_count %d: it only sets the size",
                t->frames_read, t->frame_count);
}

static bool read_whole(const char *path, char **text, bool required)
{
    int r = read_text_file(path, text);
    if (r == 1 && required)
        problem(path, 0, "cannot be opened");
    if (r == 2)
        problem(path, 0, "cannot be read in full");
    return r == 0;
}

static void check_sprite_file(const char *file, const char *sheet)
{
    char *text = nullptr;
    if (!read_whole(file, &text, true))
        return;
    int pw = -1, ph = -1;
    if (!picture_size(sheet, &pw, &ph))
        problem(sheet, 0, "cannot be loaded: %s", SDL_GetError());

    const bool all16[12] = {true, true, true, true, true, true, true, true, true, true, true, true};
    const bool header16[1] = {false};
    int header_line = 0;
    int32_t count = 0;
    int entries = 0;
    FrameTally tally = {};
    for (const Record &r : scan(text, "eq#")) {
        check_unknown(file, r);
        if (!r.known)
            continue;
        if (r.kind == '#') {
            check_fields(file, r, 1, header16);
            if (header_line) {
                problem(file, r.line, "second header; the game keeps the one on line %d",
                        header_line);
                continue;
            }
            header_line = r.line;
            count = r.n[0];
            if (count < 0 || count > SPRITE_ENTRIES_MAX)
                problem(file, r.line, "header count %d outside 0 to %d", int(count),
                        int(SPRITE_ENTRIES_MAX));
            continue;
        }
        if (!header_line) {
            problem(file, r.line, "%c record before the header; ignored", r.kind);
            continue;
        }
        if (r.kind == 'e') {
            check_fields(file, r, 12, all16);
            close_tally(file, tally);
            tally = FrameTally{r.line, int16_t(r.n[5]), 0};
            if (entries >= count) {
                problem(file, r.line, "entry %d beyond the header's count %d; ignored", entries,
                        int(count));
                tally.line = 0;
            }
            ++entries;
        } else if (r.kind == 'q') {
            if (entries == 0) {
                problem(file, r.line, "q record before the first e record; ignored");
                continue;
            }
            check_frame(file, r, sheet, pw, ph);
            if (tally.line)
                count_frame(file, &tally, r);
        }
    }
    close_tally(file, tally);
    if (!header_line)
        problem(file, 0, "no header: the game reads no entries");
    else if (entries != count)
        problem(file, header_line, "header announces %d entries, the file has %d", int(count),
                entries);
    int usable = entries < count ? entries : count;
    if (usable < SPRITE_ENTRIES_NEEDED)
        problem(file, 0, "the game needs entries 0 to %d; the file describes %d",
                SPRITE_ENTRIES_NEEDED - 1, usable);
    free(text);
}

static void check_level_file(const char *file, const char *sheet)
{
    char *text = nullptr;
    if (!read_whole(file, &text, true))
        return;
    int pw = -1, ph = -1;
    if (!picture_size(sheet, &pw, &ph))
        problem(sheet, 0, "cannot be loaded: %s", SDL_GetError());
    std::vector<Record> records = scan(text, "eq#sf");
    free(text);

    // The game sizes its tables in a first pass: the header and the number
    // of front elements.
    int header_line = 0;
    int32_t elements = 0, floors = 0, nine = 0;
    for (const Record &r : records) {
        if (r.kind == '#' && !header_line) {
            header_line = r.line;
            elements = r.n[0];
            floors = r.n[3];
        } else if (r.kind == 'e' && header_line && int16_t(r.n[2]) == 9) {
            ++nine;
        }
    }
    int64_t decor_places = elements > nine ? int64_t(elements) - nine : 0;

    const bool header16[4] = {false, true, true, false};
    const bool all16[11] = {true, true, true, true, true, true, true, true, true, true, true};
    const bool copy16[3] = {false, true, true};
    const bool floor16[3] = {false, false, false};
    int64_t decor = 0, decor_records = 0, copies = 0, nine_read = 0, floors_read = 0;
    bool seen_header = false, any_element = false;
    FrameTally tally = {};
    for (const Record &r : records) {
        check_unknown(file, r);
        if (!r.known)
            continue;
        if (r.kind == '#') {
            check_fields(file, r, 4, header16);
            if (seen_header) {
                problem(file, r.line, "second header; the game keeps the one on line %d",
                        header_line);
                continue;
            }
            seen_header = true;
            if (r.n[0] < 0 || r.n[0] > LEVEL_ELEMENTS_MAX)
                problem(file, r.line, "element count %d outside 0 to %d", int(r.n[0]),
                        int(LEVEL_ELEMENTS_MAX));
            if (r.n[3] < 0 || r.n[3] > LEVEL_FLOORS_MAX)
                problem(file, r.line, "floor count %d outside 0 to %d", int(r.n[3]),
                        int(LEVEL_FLOORS_MAX));
            if (elements < nine)
                problem(file, r.line, "header announces %d elements but there are %d front "
                                      "elements alone",
                        int(elements), int(nine));
            continue;
        }
        if (!seen_header) {
            problem(file, r.line, "%c record before the header; ignored", r.kind);
            continue;
        }
        switch (r.kind) {
        case 'e':
            check_fields(file, r, 11, all16);
            close_tally(file, tally);
            tally = FrameTally{r.line, int16_t(r.n[5]), 0};
            any_element = true;
            if (int16_t(r.n[2]) == 9) {
                ++nine_read;
                break;
            }
            ++decor_records;
            if (decor >= decor_places) {
                problem(file, r.line, "decor element beyond the header's count; ignored");
                tally.line = 0;
            } else {
                ++decor;
            }
            break;
        case 'q':
            if (!any_element) {
                problem(file, r.line, "q record before the first e record; ignored");
                break;
            }
            check_frame(file, r, sheet, pw, ph);
            if (tally.line)
                count_frame(file, &tally, r);
            break;
        case 's':
            check_fields(file, r, 3, copy16);
            if (decor == 0) {
                problem(file, r.line, "s record with no decor element to repeat; ignored");
            } else if (r.n[0] <= 0) {
                problem(file, r.line, "s record with count %d makes no copies", int(r.n[0]));
            } else {
                int64_t room = decor_places - decor;
                int64_t made = r.n[0] < room ? r.n[0] : room;
                if (made < r.n[0])
                    problem(file, r.line, "only %lld of %d copies fit the header's count",
                            (long long)made, int(r.n[0]));
                decor += made;
                copies += r.n[0];
            }
            break;
        case 'f':
            check_fields(file, r, 3, floor16);
            if (floors_read >= floors)
                problem(file, r.line, "floor beyond the header's count %d; ignored", int(floors));
            ++floors_read;
            break;
        }
    }
    close_tally(file, tally);
    if (!seen_header) {
        problem(file, 0, "no header: the game reads no floors and no elements");
        return;
    }
    int64_t e_and_copies = decor_records + copies + nine_read;
    if (e_and_copies != elements)
        problem(file, header_line, "header announces %d elements, the file gives %lld",
                int(elements), (long long)e_and_copies);
    if (floors_read != floors)
        problem(file, header_line, "header announces %d floors, the file has %lld", int(floors),
                (long long)floors_read);
}

// The sound list: "#:n" then one "w:name" line per sound, "wav/name.wav".
// Slots fill in the order of the sounds that load, so a missing file moves
// every later sound up one id.
static void check_sound_list(const char *file)
{
    struct stat st;
    if (stat(file, &st) != 0)
        return;
    char *text = nullptr;
    if (!read_whole(file, &text, false))
        return;
    int header_line = 0;
    int32_t slots = 0;
    int loaded = 0;
    for (const Record &r : scan(text, "#w")) {
        if (!r.known)
            continue;
        if (r.kind == '#') {
            if (header_line) {
                problem(file, r.line, "second count line");
                continue;
            }
            header_line = r.line;
            slots = r.n[0];
            continue;
        }
        std::string name = r.text.substr(2, r.text.size() - 3);  // drop "w:" and the comma
        std::string wav = "wav/" + name + ".wav";
        if (!header_line)
            problem(file, r.line, "sound line before the count line takes no slot");
        else if (loaded >= slots)
            problem(file, r.line, "sound line beyond the count %d takes no slot", int(slots));
        else if (access(wav.c_str(), R_OK) != 0)
            problem(file, r.line, "%s cannot be read: later sounds move up one id", wav.c_str());
        else
            ++loaded;
    }
    if (!header_line)
        problem(file, 0, "no count line: the game loads no sounds");
    else if (loaded != slots)
        problem(file, header_line, "count line says %d sounds, %d of them load", int(slots),
                loaded);
    free(text);
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: lilyfront-data DATA_DIR\n");
        return 2;
    }
    if (chdir(argv[1]) != 0) {
        fprintf(stderr, "lilyfront-data: cannot enter %s: %s\n", argv[1], strerror(errno));
        return 2;
    }

    // The dumps, exactly as the game's own diagnostics print them.
    sprite_file_read("bmp/tank.elf");
    sprites_dump(actor_sprites.table, actor_sprites.count);
    world_init();
    level_file_read(world.level_path);
    level_dump();
    fflush(stdout);

    check_sprite_file("bmp/tank.elf", "bmp/tank.bmp");
    check_level_file(world.level_path, world.decor_path);
    check_sound_list("wav/racket.elf");

    world_free();
    sprites_free();
    if (problems)
        fprintf(stderr, "%d problem%s found\n", problems, problems == 1 ? "" : "s");
    return problems ? 1 : 0;
}
