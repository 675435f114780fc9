// Each generator writes one family of the game's data into OUT and returns
// the number of files it failed to write.
#pragma once
#include <string>

int make_screens(const std::string &src, const std::string &out);  // full-screen pictures
int make_sprites(const std::string &src, const std::string &out);  // bmp/tank.bmp, bmp/tank.elf
int make_world(const std::string &src, const std::string &out);    // the world "mine" and level tiles
