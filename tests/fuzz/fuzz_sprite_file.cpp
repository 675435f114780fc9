// libFuzzer target: any bytes as a sprite description.  The text ends at its
// first NUL, as when the game reads a file.
#include "world/sprites.h"
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    char *text = static_cast<char *>(malloc(size + 1));
    if (!text)
        return 0;
    memcpy(text, data, size);
    text[size] = '\0';
    sprite_text_read(text);
    // Everything the game can reach must lie inside the table.
    for (int i = -1; i <= actor_sprites.count; ++i) {
        const SpriteDef *e = sprite_entry(i);
        for (int f = 0; f < e->frame_count; ++f) {
            const FrameRect *r = sprite_frame(e, f);
            if (r)
                (void)*reinterpret_cast<const volatile int16_t *>(&r->h);
        }
    }
    sprites_free();
    free(text);
    return 0;
}
