// The music playlist.
#pragma once

void next_music_track();
