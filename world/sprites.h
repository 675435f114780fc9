// Sprite sheets and their animation tables.
#pragma once
#include <SDL.h>
#include <cstdint>

// One rectangle of a picture.
struct FrameRect {
    int16_t x, y;  // top-left corner in the sheet
    int16_t w, h;
};
static_assert(sizeof(FrameRect) == 8, "four 16-bit fields");

// The one record type of every animated picture: a sprite-table entry, a
// level element, and (under other field names, see combat/effect.h) an
// effect slot.  Field order matters: effects reuse the first nine fields.
struct SpriteDef {
    int16_t offset_x;     // effect spawn distance, or a level element's left
    int16_t offset_y;     // effect spawn distance, or a level element's top
    int16_t z;
    int16_t owner;
    int16_t kind;         // pickup kind of a level element
    int16_t direction;
    int16_t frame;        // frames read so far while loading, else current frame
    int16_t start_timer;  // start value of a frame timer / running timer of an element
    int16_t duration;     // ticks an animation lasts or an effect lives
    int16_t width;        // size from the last frame record
    int16_t height;
    int16_t o;
    int16_t frame_count;  // places in `frames`
    int16_t speed;        // pixels per tick of an effect
    int16_t frame_delay;  // 0: frames stand still; else each frame lasts delay + 2 ticks
    int16_t sound;        // SoundId started while frame 0 shows; 0 none
    int16_t palette;      // palette table while the player's frog shows frame 0
    FrameRect *frames;    // owned, frame_count places
};

struct SpriteSet {
    SDL_Surface *sheet;           // 8-bit, colour key 185
    SDL_Surface *mirror_sheet;    // the sheet flipped left to right, for facing left
    char sheet_path[32];
    char description_path[32];
    SpriteDef *table;             // owned, count entries, numbered in file order
    int32_t count;
};

extern SpriteSet actor_sprites;   // the frogs' and effects' set "tank"

// Entries 0 to SPRITE_ENTRIES_NEEDED - 1 are animation numbers and effect
// kinds the game uses; the start-up refuses a table that lacks any of them.
constexpr int SPRITE_ENTRIES_NEEDED = 28;

// Limits on what a description file can make the game allocate.  Our files
// stay far below them; a header or a frame count beyond them is hostile.
constexpr int32_t SPRITE_ENTRIES_MAX = 4096;
constexpr int32_t FRAME_PLACES_MAX = 1 << 20;  // frame rectangles per file, 8 MiB

int32_t sprite_file_read(const char *path);
// The reading of a description already in memory (NUL-terminated).
void sprite_text_read(const char *text);

// Entries of the table that the last read filled from e records.
extern int32_t sprite_entries_read;
void frames_alloc(SpriteDef *entry);
// frames_alloc for a reader that has `*budget` frame places left for the
// whole file: an entry asking for more gets its frame_count cut to what is
// left.  The budget shrinks by what was given.
void frames_alloc_within(SpriteDef *entry, int32_t *budget);
// Releases a table made by a reader, with every entry's frames.
void sprite_table_free(SpriteDef *table, int32_t count);

// The parts both description files share.  An e record's first eleven
// numbers (offset_x to sound) fill an entry and give it fresh frames within
// the file's budget; a q record (x1, y1, x2, y2) adds the entry's next frame
// and sets its size; a header count is cut to 0..limit.
void entry_from_record(SpriteDef *entry, const int32_t n[11], int32_t *budget);
void frame_from_record(SpriteDef *entry, const int32_t n[4]);
int32_t bounded_count(int32_t n, int32_t limit);
void frame_set(SpriteDef *entry, int index, int16_t x, int16_t y, int16_t w, int16_t h);
void sprites_load();
void sprites_free();
void sprites_dump(const SpriteDef *table, int32_t count);

// Bounded access for the game logic and the drawing: an index outside the
// table gives an empty entry (no frames, no size, no timing), a frame outside
// the entry gives null.
const SpriteDef *sprite_entry(int index);
const FrameRect *sprite_frame(const SpriteDef *entry, int frame);
