// The level: its size, floors, decor, front elements and pickups.
#pragma once
#include "world/sprites.h"
#include <SDL.h>
#include <cstdint>

struct Floor {
    int32_t x;       // left end
    int32_t y;       // the row a frog's foot stands on
    int32_t length;  // covers x to x + length, both ends included
};
static_assert(sizeof(Floor) == 12, "three 32-bit fields");

struct Pickup {
    int16_t x, y;    // top-left corner in level pixels
    uint16_t w, h;
};
static_assert(sizeof(Pickup) == 8, "pickup zone");

typedef SpriteDef LevelElement;

struct World {
    SDL_Surface *tile;          // top-left 128x128 repeated behind everything
    char tile_path[32];
    SDL_Surface *decor_sheet;   // frames of decor and nine elements
    char decor_path[32];
    char level_path[32];
    int16_t reload;             // load pictures and level at the next drawing
    int16_t width;
    int16_t height;
    Floor *floors;
    int32_t floor_count;
    LevelElement *decor;        // drawn behind the frogs
    int32_t sc;
    LevelElement *nine;         // drawn in front of the frogs
    int32_t nc;
    Pickup *pickups;
    int32_t pickup_count;
    int16_t *pickup_kinds;      // same index as pickups
    int16_t fill_colour;        // painted where the view shows no level
};

extern World world;

constexpr int PICKUP_HEALTH = 1;
constexpr int PICKUP_ENERGY = 2;
constexpr int BOTTOM_BAND = 22;  // the level's lowest rows are solid ground

// Limits on what a level description can make the game allocate; our level
// stays far below them.  A header beyond them is cut to them.
constexpr int32_t LEVEL_ELEMENTS_MAX = 65536;  // decor places, and nine places
constexpr int32_t LEVEL_FLOORS_MAX = 65536;

void world_init();
void world_set_name(const char *name);
void world_load();
int32_t level_file_read(const char *path);
// The reading of a level description already in memory (NUL-terminated).
void level_text_read(const char *text);
void floor_set(int32_t index, int32_t x, int32_t y, int32_t length);
void level_picture_load(const char *prefix, int number);
void world_free();
void level_dump();

// The level is a ring: past either end, x goes to the other end's edge
// (no remainder carried over).
int ring_wrap(int x);

// 1 on a floor, -1 in the bottom band, 0 in the air.
int floor_at(int x, int y);
