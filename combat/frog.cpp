#include "combat/frog.h"
// Placeholder until the frogs are built.
Frog frogs[FROG_SLOTS];
void frogs_init() {}
void frog_reset(int16_t) {}
void frog_set_animation(int16_t, int16_t) {}
int frog_width(int16_t) { return 0; }
int frog_half_width(int16_t) { return 0; }
int frog_half_height(int16_t) { return 0; }
void frog_stop(int16_t) {}
void frog_move_left(int16_t) {}
void frog_move_right(int16_t) {}
void frog_drop(int16_t) {}
void frog_jump(int16_t) {}
void frog_face_up_left(int16_t) {}
void frog_face_up_right(int16_t) {}
void frog_leap(int16_t) {}
void frog_attack(int16_t, int16_t) {}
void frog_wait(int16_t) {}
