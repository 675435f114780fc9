// Sound effects.  Every sound plays on the mixer channel of its own id.
#pragma once
#include <cstdint>

typedef int16_t SoundId;

extern int16_t sound_on;      // positive while sounds play; -1 when sound failed for good
extern int32_t sound_volume;  // 0 to 128, applied to every slot, music included

void sound_start();
void sound_stop();
void play_sound(SoundId id, int repeat);
void change_volume(int32_t delta);
