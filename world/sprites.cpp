#include "world/sprites.h"
#include "shell/picture.h"
#include "combat/effect.h"
#include "shell/state.h"
#include "world/draw.h"
#include "world/record.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>

SpriteSet actor_sprites;
static const SpriteDef empty_entry = {};

void frames_alloc(SpriteDef *entry)
{
    free(entry->frames);
    entry->frames = nullptr;
    // An entry with no frames, or a negative count, simply has none: the
    // drawing never shows it and sprite_frame gives null.
    if (entry->frame_count <= 0)
        return;
    entry->frames = static_cast<FrameRect *>(calloc(size_t(entry->frame_count), sizeof(FrameRect)));
    if (!entry->frames)
        entry->frame_count = 0;
}

void frames_alloc_within(SpriteDef *entry, int32_t *budget)
{
    if (entry->frame_count > *budget)
        entry->frame_count = int16_t(*budget);
    frames_alloc(entry);
    if (entry->frame_count > 0)
        *budget -= entry->frame_count;
}

void frame_set(SpriteDef *entry, int index, int16_t x, int16_t y, int16_t w, int16_t h)
{
    if (!entry->frames || index < 0 || index >= entry->frame_count)
        return;
    entry->frames[index] = FrameRect{x, y, w, h};
}

void sprite_table_free(SpriteDef *table, int32_t count)
{
    if (!table)
        return;
    for (int32_t i = 0; i < count; ++i)
        free(table[i].frames);
    free(table);
}

// Negative means none, and anything above the limit is cut to it, so no
// header can make us allocate gigabytes.
int32_t bounded_count(int32_t n, int32_t limit)
{
    return n < 0 ? 0 : n > limit ? limit : n;
}

void entry_from_record(SpriteDef *e, const int32_t n[11], int32_t *budget)
{
    e->offset_x = int16_t(n[0]);
    e->offset_y = int16_t(n[1]);
    e->z = int16_t(n[2]);
    e->o = int16_t(n[3]);
    e->kind = int16_t(n[4]);
    e->frame_count = int16_t(n[5]);
    e->direction = int16_t(n[6]);
    e->speed = int16_t(n[7]);
    e->frame_delay = int16_t(n[8]);
    e->duration = int16_t(n[9]);
    e->sound = int16_t(n[10]);
    e->frame = 0;
    frames_alloc_within(e, budget);
}

void frame_from_record(SpriteDef *e, const int32_t n[4])
{
    // While a file is read, `frame` counts the entry's frame records.
    int16_t k = e->frame;
    int16_t w = int16_t(int64_t(n[2]) - n[0]);
    int16_t h = int16_t(int64_t(n[3]) - n[1]);
    e->frame = int16_t(k + 1);
    e->width = w;
    e->height = h;
    frame_set(e, k, int16_t(n[0]), int16_t(n[1]), w, h);
}

int32_t sprite_file_read(const char *path)
{
    char *text = nullptr;
    int r = read_text_file(path, &text);
    if (r != 0)
        return r;
    sprite_text_read(text);
    free(text);
    return 0;
}

int32_t sprite_entries_read = 0;

void sprite_text_read(const char *text)
{
    // What the format leaves open, decided once:
    // - missing numbers read as 0, so a short record still takes its place;
    // - only the first header counts; e and q records before it are ignored
    //   (there is no table to put them in yet) and a later header is ignored;
    // - e records beyond the header's count are ignored, and so are the q
    //   records that follow them, rather than adding frames to the last entry
    //   that fitted;
    // - a q record before the first e record is ignored;
    // - the header's count is cut to SPRITE_ENTRIES_MAX, and the frames of all
    //   entries together to FRAME_PLACES_MAX.
    const char *pos = text;
    char record[RECORD_BUFFER];
    bool header_seen = false;
    int32_t entries_read = 0;
    int32_t budget = FRAME_PLACES_MAX;
    while (next_record(&pos, "eq#", record)) {
        int32_t n[12] = {};
        record_numbers(record, n, 12);
        switch (record[0]) {
        case '#':
            if (header_seen)
                break;
            header_seen = true;
            sprite_table_free(actor_sprites.table, actor_sprites.count);
            actor_sprites.count = bounded_count(n[0], SPRITE_ENTRIES_MAX);
            actor_sprites.table = nullptr;
            if (actor_sprites.count > 0) {
                actor_sprites.table = static_cast<SpriteDef *>(
                    calloc(size_t(actor_sprites.count), sizeof(SpriteDef)));
                if (!actor_sprites.table)
                    actor_sprites.count = 0;
            }
            break;
        case 'e':
            if (header_seen && entries_read < actor_sprites.count) {
                SpriteDef &e = actor_sprites.table[entries_read];
                entry_from_record(&e, n, &budget);
                e.palette = int16_t(n[11]);
            }
            if (header_seen)
                ++entries_read;
            break;
        case 'q':
            if (header_seen && entries_read > 0 && entries_read <= actor_sprites.count)
                frame_from_record(&actor_sprites.table[entries_read - 1], n);
            break;
        }
    }
    for (int32_t i = 0; i < actor_sprites.count; ++i)
        actor_sprites.table[i].frame = 0;
    sprite_entries_read = entries_read < actor_sprites.count ? entries_read : actor_sprites.count;
}

void sprites_load()
{
    sprites_free();
    snprintf(actor_sprites.sheet_path, sizeof actor_sprites.sheet_path, "%s", "bmp/tank.bmp");
    snprintf(actor_sprites.description_path, sizeof actor_sprites.description_path, "%s",
             "bmp/tank.elf");
    effect_pool = static_cast<Effect *>(calloc(EFFECT_POOL_PLACES, sizeof(Effect)));
    if (!effect_pool) {
        fprintf(stderr, "Error: no memory for the effect pool\n");
        end_process(1);
    }

    actor_sprites.sheet = picture_load(actor_sprites.sheet_path);
    if (!actor_sprites.sheet) {
        // Every frog and effect is cut from this sheet: there is no game without it.
        fprintf(stderr, "Error loading %s: %s\n", actor_sprites.sheet_path, SDL_GetError());
        end_process(1);
    }
    SDL_SetColorKey(actor_sprites.sheet, SDL_SRCCOLORKEY, KEY_COLOUR);
    actor_sprites.mirror_sheet = make_mirror_sheet(actor_sprites.sheet);

    // The frog and effect logic address entries 0 to 27 by number; a table
    // that lacks any of them would leave frogs without pictures or timing.
    int32_t r = sprite_file_read(actor_sprites.description_path);
    if (r == 1) {
        fprintf(stderr, "Error loading %s: cannot be opened\n", actor_sprites.description_path);
        end_process(1);
    }
    if (r == 2) {
        fprintf(stderr, "Error loading %s: cannot be read in full\n", actor_sprites.description_path);
        end_process(1);
    }
    // A header that promises enough entries is not enough: a cut-off file
    // leaves the entries it never reached empty.
    if (sprite_entries_read < SPRITE_ENTRIES_NEEDED) {
        fprintf(stderr, "Error loading %s: describes %d entries, the game needs %d\n",
                actor_sprites.description_path, int(sprite_entries_read), SPRITE_ENTRIES_NEEDED);
        end_process(1);
    }
}

void sprites_free()
{
    if (actor_sprites.sheet)
        SDL_FreeSurface(actor_sprites.sheet);
    if (actor_sprites.mirror_sheet)
        SDL_FreeSurface(actor_sprites.mirror_sheet);
    actor_sprites.sheet = nullptr;
    actor_sprites.mirror_sheet = nullptr;
    free(effect_pool);
    effect_pool = nullptr;
    sprite_table_free(actor_sprites.table, actor_sprites.count);
    actor_sprites.table = nullptr;
    actor_sprites.count = 0;
}

void sprites_dump(const SpriteDef *table, int32_t count)
{
    if (!table)
        return;
    for (int32_t i = 0; i < count; ++i) {
        const SpriteDef &e = table[i];
        printf("sprite: %d x:%d y:%d z:%d p:%d w:%d h:%d o:%d t:%d f:%d r:%d s:%d d:%d o:%d c:%d "
               "t:%d n:%d p:%d\n",
               int(i), e.offset_x, e.offset_y, e.z, e.owner, e.width, e.height, e.o, e.kind,
               e.frame_count, e.direction, e.speed, e.frame_delay, e.start_timer, e.frame,
               e.duration, e.sound, e.palette);
    }
}

const SpriteDef *sprite_entry(int index)
{
    if (!actor_sprites.table || index < 0 || index >= actor_sprites.count)
        return &empty_entry;
    return &actor_sprites.table[index];
}

const FrameRect *sprite_frame(const SpriteDef *entry, int frame)
{
    if (!entry || !entry->frames || frame < 0 || frame >= entry->frame_count)
        return nullptr;
    return &entry->frames[frame];
}
