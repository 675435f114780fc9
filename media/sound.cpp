#include "media/sound.h"
#include <SDL.h>
#include <SDL_mixer.h>
#include "shell/state.h"
#include <cstdio>
#include <cstdlib>

// Until the sound bank is built the game opens the audio device and keeps
// the volume, but has no sounds to play.
int16_t sound_on = 0;
int32_t sound_volume = 16;

void sound_start()
{
    if (Mix_OpenAudio(22050, AUDIO_U8, 2, 128) != 0) {
        fprintf(stderr, "error initialize audio: %s\n", SDL_GetError());
        end_process(1);
    }
    Mix_AllocateChannels(1);
    Mix_ReserveChannels(1);
}

void sound_stop()
{
    if (sound_on < 0)
        return;
    Mix_CloseAudio();
}

void play_sound(SoundId, int) {}

void change_volume(int32_t delta)
{
    sound_volume += delta;
    if (sound_volume > MIX_MAX_VOLUME)
        sound_volume = MIX_MAX_VOLUME;
    else if (sound_volume < 0)
        sound_volume = 0;
}
