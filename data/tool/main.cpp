// lilyfront-mkdata SOURCE_DIR OUT_DIR: writes the directory the game runs
// in: pictures under bmp/, sounds under wav/, description files beside them.
#include "generators.h"
#include <cstdio>
#include <filesystem>

int main(int argc, char **argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: %s SOURCE_DIR OUT_DIR\n", argv[0]);
        return 2;
    }
    const std::string src = argv[1], out = argv[2];
    std::error_code ec;
    std::filesystem::create_directories(out + "/bmp", ec);
    std::filesystem::create_directories(out + "/wav/music", ec);
    if (ec) {
        fprintf(stderr, "%s: %s\n", out.c_str(), ec.message().c_str());
        return 1;
    }
    int failures = 0;
    failures += make_screens(src, out);
    failures += make_sprites(src, out);
    failures += make_world(src, out);
    return failures ? 1 : 0;
}
