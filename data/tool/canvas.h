// Drawing surface of the data tool: an 8-bit picture in the master palette.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

constexpr int KEY = 185;  // transparent in every picture

struct Canvas {
    int w = 0, h = 0;
    std::vector<uint8_t> px;
};

struct Rgb { uint8_t r, g, b; };
extern const Rgb *master_palette();   // 256 colours shared by every picture

Canvas canvas_new(int w, int h, int colour);
void put(Canvas &c, int x, int y, int colour);  // ignores points outside
int get(const Canvas &c, int x, int y);         // -1 outside
void fill_rect(Canvas &c, int x, int y, int w, int h, int colour);
void blit(Canvas &dst, const Canvas &src, int x, int y);  // skips KEY pixels

// Writes an 8-bit BMP with the master palette; returns 0 on success.
int save_bmp(const Canvas &c, const std::string &path);

// Nearest palette index to a colour (for gradients and shading).
int nearest_colour(int r, int g, int b);
