#include "media/music.h"
void next_music_track() {}
