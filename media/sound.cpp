#include "media/sound.h"
int16_t sound_on = 0;
void sound_start() {}
void sound_stop() {}
void play_sound(SoundId, int) {}
void change_volume(int) {}
