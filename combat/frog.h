// The frogs: records, start values, sizes and the actions that the
// controller and the computer frogs call.
#pragma once
#include <cstdint>

struct Frog {
    uint8_t mark;          // radar identity: 17 player, 254 at start, 255 placed computer frogs
    int16_t frog_number;   // life counter, +1 at every death
    int16_t x, y;          // centre in level pixels
    int16_t energy;        // 5998 when full
    int16_t health;        // 11996 full for the player's frog, 5998 for the others
    uint16_t anim_timer;   // ticks left in the current animation
    int16_t direction;     // keypad heading
    int16_t animation;     // sprite-table entry and state
    uint8_t speed;         // 0, 4 or 8 pixels per tick
    uint8_t frame_timer;
    uint8_t frame_delay;
    uint8_t frame;
};

constexpr int FROG_SLOTS = 18;
extern Frog frogs[FROG_SLOTS];

constexpr int16_t FULL_ENERGY = 5998;
constexpr int16_t FULL_HEALTH_PLAYER = 11996;
constexpr int16_t FULL_HEALTH = 5998;

// Animation numbers: entries of the sprite table and the frog's state.
enum FrogAnimation : int16_t {
    ANIM_WALK = 0,
    ANIM_TURN = 1,
    ANIM_JUMP = 2,
    ANIM_STAND = 5,
    ANIM_START = 6,
    ANIM_HIT_1 = 9,
    ANIM_HIT_0 = 11,
    ANIM_HIT_2 = 20,
    ANIM_GHOST = 22,
    ANIM_DROP = 24,
    ANIM_LEAP = 25,
};

// Headings by keypad code: 7 8 9 point up, 1 2 3 down, 1 4 7 left, 3 6 9 right.
inline bool heads_up(int d) { return d == 7 || d == 8 || d == 9; }
inline bool heads_down(int d) { return d == 1 || d == 2 || d == 3; }
inline bool heads_left(int d) { return d == 1 || d == 4 || d == 7; }
inline bool heads_right(int d) { return d == 3 || d == 6 || d == 9; }

// Slots taking part in the level: frog_count kept within the records.
int frogs_in_play();

// The floor test under a frog's foot (floor_at of its column and foot).
int frog_floor(int16_t frog);

void frogs_init();
void frog_reset(int16_t frog);
void frog_set_animation(int16_t frog, int16_t animation);
int frog_width(int16_t frog);
int frog_half_width(int16_t frog);
int frog_half_height(int16_t frog);

void frog_stop(int16_t frog);
void frog_move_left(int16_t frog);
void frog_move_right(int16_t frog);
void frog_drop(int16_t frog);
void frog_jump(int16_t frog);
void frog_face_up_left(int16_t frog);
void frog_face_up_right(int16_t frog);
void frog_leap(int16_t frog);
void frog_attack(int16_t frog, int16_t weapon);
void frog_wait(int16_t frog);
