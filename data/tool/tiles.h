// The background tiles of the eight levels: 128x128 pictures that repeat
// seamlessly behind the world "mine".
#pragma once
#include "canvas.h"
#include <string>

constexpr int TILE_SIZE = 128;

// Tile of level 1 to 8 (level 1 is the world's own tile, bmp/minet.bmp).
Canvas level_tile(int level);
// Writes bmp/minet.bmp and bmp/level2.bmp to bmp/level8.bmp; returns the
// number of files that failed.
int make_level_tiles(const std::string &out);
