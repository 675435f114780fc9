#include "world/world.h"
#include "shell/picture.h"
#include "shell/state.h"
#include "world/record.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>

World world;

static void free_picture(SDL_Surface **picture)
{
    if (*picture)
        SDL_FreeSurface(*picture);
    *picture = nullptr;
}

// The game plays on without a missing picture (the drawing copes with null
// pictures), but whoever made the data should hear about it.
static SDL_Surface *load_picture(const char *path)
{
    SDL_Surface *picture = picture_load(path);
    if (!picture)
        fprintf(stderr, "Error loading %s: %s\n", path, SDL_GetError());
    return picture;
}

static void free_elements(LevelElement **elements, int32_t *count)
{
    sprite_table_free(*elements, *count);
    *elements = nullptr;
    *count = 0;
}

static void free_pickups()
{
    free(world.pickups);
    free(world.pickup_kinds);
    world.pickups = nullptr;
    world.pickup_kinds = nullptr;
    world.pickup_count = 0;
}

void world_init()
{
    world_free();
    world.reload = 1;
    world.width = 2560;
    world.height = 1920;
    world.fill_colour = 252;
    world_set_name("mine");
}

void world_set_name(const char *name)
{
    snprintf(world.tile_path, sizeof world.tile_path, "bmp/%st.bmp", name);
    snprintf(world.decor_path, sizeof world.decor_path, "bmp/%sd.bmp", name);
    snprintf(world.level_path, sizeof world.level_path, "bmp/%s.elf", name);
}

void world_load()
{
    if (!world.reload)
        return;
    world.reload = 0;
    free_picture(&world.tile);
    world.tile = load_picture(world.tile_path);
    free_picture(&world.decor_sheet);
    world.decor_sheet = load_picture(world.decor_path);
    if (world.tile)
        SDL_SetColorKey(world.tile, SDL_SRCCOLORKEY, KEY_COLOUR);
    if (world.decor_sheet)
        SDL_SetColorKey(world.decor_sheet, SDL_SRCCOLORKEY, KEY_COLOUR);
    level_file_read(world.level_path);
}

void level_picture_load(const char *prefix, int number)
{
    char path[32];
    snprintf(path, sizeof path, "bmp/%s%d.bmp", prefix, number);
    free_picture(&world.tile);
    world.tile = load_picture(path);
}

void floor_set(int32_t index, int32_t x, int32_t y, int32_t length)
{
    if (!world.floors || index < 0 || index >= world.floor_count)
        return;
    world.floors[index] = Floor{x, y, length};
}

// A copy repeats everything the eye sees but stays silent: a row of copies
// that all rang at once would drown the game.
static void element_copy(LevelElement *copy, const LevelElement &from, int32_t dx, int32_t dy,
                         int32_t *budget)
{
    *copy = from;
    copy->frames = nullptr;
    copy->offset_x = int16_t(uint16_t(from.offset_x) + uint16_t(dx));
    copy->offset_y = int16_t(uint16_t(from.offset_y) + uint16_t(dy));
    copy->sound = 0;
    frames_alloc_within(copy, budget);
    if (copy->frames && from.frames) {
        int16_t n = copy->frame_count < from.frame_count ? copy->frame_count : from.frame_count;
        memcpy(copy->frames, from.frames, size_t(n) * sizeof(FrameRect));
    }
}

static void make_pickups()
{
    free_pickups();
    int32_t count = 0;
    for (int32_t i = 0; i < world.sc; ++i)
        count += world.decor[i].kind > 0;
    for (int32_t i = 0; i < world.nc; ++i)
        count += world.nine[i].kind > 0;
    if (count == 0)
        return;
    world.pickups = static_cast<Pickup *>(calloc(size_t(count), sizeof(Pickup)));
    world.pickup_kinds = static_cast<int16_t *>(calloc(size_t(count), sizeof(int16_t)));
    if (!world.pickups || !world.pickup_kinds) {
        free_pickups();
        return;
    }
    int32_t k = 0;
    auto add = [&](const LevelElement &e) {
        if (e.kind <= 0)
            return;
        world.pickups[k] = Pickup{e.offset_x, e.offset_y, uint16_t(e.width), uint16_t(e.height)};
        world.pickup_kinds[k] = e.kind;
        ++k;
    };
    for (int32_t i = 0; i < world.sc; ++i)
        add(world.decor[i]);
    for (int32_t i = 0; i < world.nc; ++i)
        add(world.nine[i]);
    world.pickup_count = k;
}

static LevelElement *zeroed_elements(int32_t count)
{
    if (count <= 0)
        return nullptr;
    return static_cast<LevelElement *>(calloc(size_t(count), sizeof(LevelElement)));
}

int32_t level_file_read(const char *path)
{
    char *text = nullptr;
    int r = read_text_file(path, &text);
    if (r != 0)
        return r;
    level_text_read(text);
    free(text);
    return 0;
}

void level_text_read(const char *text)
{
    // What the format leaves open, decided once:
    // - missing numbers read as 0, so a short record still takes its place;
    // - only the first header counts, and records before it are ignored:
    //   without a header the level has no floors and no elements;
    // - the header's element and floor counts are cut to LEVEL_ELEMENTS_MAX
    //   and LEVEL_FLOORS_MAX, and the frames of all elements together to
    //   FRAME_PLACES_MAX;
    // - when the header announces fewer elements than there are nine e
    //   records, there are no decor places at all;
    // - a decor e record, or an s copy, with no place left is dropped; a q
    //   record after a dropped e record is dropped too rather than adding
    //   frames to an element it was not written for;
    // - q and s records before the first element, and f records beyond the
    //   header's count, are ignored.
    const char *kinds = "eq#sf";
    char record[RECORD_BUFFER];
    int32_t n[11];

    // First pass: the header and the number of front elements.
    bool header_seen = false;
    int32_t elements = 0, floors = 0, nine_records = 0;
    for (const char *pos = text; next_record(&pos, kinds, record);) {
        memset(n, 0, sizeof n);
        record_numbers(record, n, 11);
        if (record[0] == '#' && !header_seen) {
            header_seen = true;
            elements = bounded_count(n[0], LEVEL_ELEMENTS_MAX);
            world.width = int16_t(n[1]);
            world.height = int16_t(n[2]);
            floors = bounded_count(n[3], LEVEL_FLOORS_MAX);
        } else if (record[0] == 'e' && header_seen && int16_t(n[2]) == 9 &&
                   nine_records < LEVEL_ELEMENTS_MAX) {
            ++nine_records;
        }
    }

    free(world.floors);
    world.floor_count = floors;
    world.floors = floors > 0 ? static_cast<Floor *>(calloc(size_t(floors), sizeof(Floor))) : nullptr;
    if (!world.floors)
        world.floor_count = 0;
    free_elements(&world.decor, &world.sc);
    free_elements(&world.nine, &world.nc);
    int32_t decor_places = elements > nine_records ? elements - nine_records : 0;
    world.decor = zeroed_elements(decor_places);
    world.sc = world.decor ? decor_places : 0;
    world.nine = zeroed_elements(nine_records);
    world.nc = world.nine ? nine_records : 0;

    // Second pass: the elements, their frames and copies, and the floors.
    header_seen = false;
    int32_t di = 0, ni = 0, fi = 0;
    int32_t budget = FRAME_PLACES_MAX;
    LevelElement *recent = nullptr;  // where q records go; null after a dropped e
    bool recent_is_nine = false;
    for (const char *pos = text; next_record(&pos, kinds, record);) {
        memset(n, 0, sizeof n);
        record_numbers(record, n, 11);
        if (record[0] == '#') {
            header_seen = true;
            continue;
        }
        if (!header_seen)
            continue;
        switch (record[0]) {
        case 'e':
            recent_is_nine = int16_t(n[2]) == 9;
            recent = nullptr;
            if (recent_is_nine && ni < world.nc)
                recent = &world.nine[ni++];
            else if (!recent_is_nine && di < world.sc)
                recent = &world.decor[di++];
            if (recent)
                entry_from_record(recent, n, &budget);
            break;
        case 'q':
            if (recent)
                frame_from_record(recent, n);
            break;
        case 's':
            if (di == 0)
                break;  // nothing to repeat yet
            for (int32_t c = 0; c < n[0] && di < world.sc; ++c, ++di)
                element_copy(&world.decor[di], world.decor[di - 1], n[1], n[2], &budget);
            // After a decor element the frames that follow belong to the last
            // copy; after a front element they still belong to that element.
            if (!recent_is_nine && recent && n[0] > 0)
                recent = &world.decor[di - 1];
            break;
        case 'f':
            floor_set(fi, n[0], n[1], n[2]);
            if (fi < INT32_MAX)
                ++fi;
            break;
        }
    }
    for (int32_t i = 0; i < world.sc; ++i)
        world.decor[i].frame = 0;
    for (int32_t i = 0; i < world.nc; ++i)
        world.nine[i].frame = 0;
    make_pickups();
}

void world_free()
{
    free_picture(&world.tile);
    free_picture(&world.decor_sheet);
    free_elements(&world.decor, &world.sc);
    free_elements(&world.nine, &world.nc);
    free(world.floors);
    world.floors = nullptr;
    world.floor_count = 0;
    free_pickups();
}

void level_dump()
{
    printf("max: X: %d Y: %d  name: %s\n", world.width, world.height, world.decor_path);
    printf("sc: %d nc: %d\n", int(world.sc), int(world.nc));
    for (int32_t i = 0; i < world.sc; ++i) {
        const LevelElement &e = world.decor[i];
        printf("decor = X: %d Y: %d Z: %d W: %d H: %d T: %d F: %d\n", e.offset_x, e.offset_y, e.z,
               e.width, e.height, e.kind, e.frame_count);
        for (int f = 0; e.frames && f < e.frame_count; ++f)
            printf("frame = X: %d Y: %d W: %d H: %d\n", e.frames[f].x, e.frames[f].y,
                   e.frames[f].w, e.frames[f].h);
    }
    for (int32_t i = 0; i < world.nc; ++i) {
        const LevelElement &e = world.nine[i];
        printf("nine = X: %d Y: %d Z: %d W: %d H: %d T: %d F: %d\n", e.offset_x, e.offset_y, e.z,
               e.width, e.height, e.kind, e.frame_count);
        for (int f = 0; e.frames && f < e.frame_count; ++f)
            printf("X: %d Y: %d W: %d H: %d\n", e.frames[f].x, e.frames[f].y, e.frames[f].w,
                   e.frames[f].h);
    }
}
