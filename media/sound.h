// Sound effects.
#pragma once
#include <cstdint>

typedef int16_t SoundId;

extern int16_t sound_on;  // 1 while the audio device is open and sounds play

void sound_start();
void sound_stop();
void play_sound(SoundId id, int repeat);
void change_volume(int step);
