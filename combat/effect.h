// The pool of projectiles, dust, debris and hit marks.
#pragma once
#include "world/sprites.h"
#include <cstddef>
#include <cstdint>

// An effect slot is laid out as a SpriteDef: its first nine fields carry
// the effect's own meaning, the rest stay zero.
struct Effect {
    int16_t x, y;          // centre in level pixels
    int16_t z;
    int16_t owner;         // frog that caused it
    int16_t kind;          // sprite-table entry; 0 marks a free slot
    int16_t direction;     // keypad heading; 5 stays put
    int16_t frame;
    int16_t frame_timer;
    int16_t life;          // ticks left
    int16_t unused[8];
    FrameRect *frames;
};
static_assert(sizeof(Effect) == sizeof(SpriteDef), "an effect slot is a sprite record");
static_assert(offsetof(Effect, life) == offsetof(SpriteDef, duration), "life is duration");
static_assert(offsetof(Effect, frame_timer) == offsetof(SpriteDef, start_timer), "timer");

constexpr int EFFECT_SLOTS = 200;       // slots the game uses
constexpr int EFFECT_POOL_PLACES = 201; // places allocated with the sprite set

// Effect kinds (entries of the sprite table).
enum EffectKind : int16_t {
    FX_SHOT1 = 3,       // weapon 1, first stage
    FX_SHOT1_HURT = 4,  // weapon 1, second stage
    FX_DUST = 7,
    FX_SHOT0_HURT = 8,  // weapon 0, second stage
    FX_SHOT1_AFTER = 10,
    FX_HIT_MARK = 12,
    FX_DEBRIS_A = 13,
    FX_DEBRIS_B = 14,
    FX_DEBRIS_C = 15,
    FX_SHOT1_FADE = 16,
    FX_SHOT0_FADE = 17,
    FX_DEBRIS_D = 18,
    FX_DEBRIS_E = 19,
    FX_SHOT2 = 23,      // weapon 2, one stage
    FX_BUMP = 26,
    FX_SHOT0 = 27,      // weapon 0, first stage
};

// Null until sprites_load creates the pool; released by sprites_free.
extern Effect *effect_pool;

void effect_spawn(int16_t kind, int16_t x, int16_t y, int16_t direction, int16_t owner);
void effects_tick();
