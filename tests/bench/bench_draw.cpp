// One full play-area frame (tiles, decor, 10 frogs, 200 effects, nine
// elements), half of the frogs and effects facing left, drawn with the
// mirrored sheet and with one blit per pixel column.
//
// Time per frame: run the program.  Instructions per frame:
//   valgrind --tool=callgrind --toggle-collect='draw_play_area*'
//            ./bench_draw --benchmark_filter='/fixed'
// and divide the collected instructions by the 100 frames of a run.
#include "combat/effect.h"
#include "combat/frog.h"
#include "shell/state.h"
#include "world/draw.h"
#include "world/sprites.h"
#include "world/world.h"
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int FROGS = 10;
constexpr int FIXED_FRAMES = 100;

SDL_Surface *make_picture(int w, int h, int seed)
{
    SDL_Surface *s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 8, 0, 0, 0, 0);
    SDL_Color colours[256];
    for (int i = 0; i < 256; i++)
        colours[i] = SDL_Color{static_cast<Uint8>(i), static_cast<Uint8>(255 - i), static_cast<Uint8>(i * 37), 0};
    SDL_SetColors(s, colours, 0, 256);
    SDL_LockSurface(s);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            // About a third of a sprite is see-through, as on a real sheet.
            int v = (x * 7 + y * 13 + seed) % 251;
            static_cast<Uint8 *>(s->pixels)[y * s->pitch + x] = static_cast<Uint8>(v % 3 == 0 ? KEY_COLOUR : v);
        }
    SDL_UnlockSurface(s);
    return s;
}

struct Scene {
    SDL_Surface *screen;
    SDL_Surface *sheet, *mirror;
    SpriteDef entries[2];
    FrameRect frog_frames[1], effect_frames[1];
    Effect pool[EFFECT_POOL_PLACES];
    LevelElement decor[24], nine[6];
    FrameRect element_frames[1];
};

Scene scene;

void scene_build()
{
    static int built = 0;
    if (built)
        return;
    built = 1;
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    SDL_Init(SDL_INIT_VIDEO);
    scene.screen = make_picture(SCREEN_W, SCREEN_H, 0);
    scene.sheet = make_picture(256, 256, 5);
    SDL_SetColorKey(scene.sheet, SDL_SRCCOLORKEY, KEY_COLOUR);
    scene.mirror = make_mirror_sheet(scene.sheet);

    // Entry 0: a frog 32x24; entry 1: a 12x10 projectile.
    scene.frog_frames[0] = {16, 32, 32, 24};
    scene.effect_frames[0] = {100, 64, 12, 10};
    scene.entries[0] = SpriteDef{};
    scene.entries[0].width = 32;
    scene.entries[0].height = 24;
    scene.entries[0].frame_count = 1;
    scene.entries[0].frames = scene.frog_frames;
    scene.entries[1] = SpriteDef{};
    scene.entries[1].width = 12;
    scene.entries[1].height = 10;
    scene.entries[1].frame_count = 1;
    scene.entries[1].frames = scene.effect_frames;
    actor_sprites.sheet = scene.sheet;
    actor_sprites.table = scene.entries;
    actor_sprites.count = 2;

    world.tile = make_picture(128, 128, 9);
    world.decor_sheet = make_picture(256, 256, 11);
    SDL_SetColorKey(world.decor_sheet, SDL_SRCCOLORKEY, KEY_COLOUR);
    world.width = 2560;
    world.height = 1920;
    world.fill_colour = FILL_COLOUR;
    world.reload = 0;
    scene.element_frames[0] = {0, 0, 64, 32};
    for (int i = 0; i < 24; i++) {
        LevelElement &e = scene.decor[i];
        e = LevelElement{};
        e.offset_x = static_cast<int16_t>(800 + (i % 8) * 48);
        e.offset_y = static_cast<int16_t>(380 + (i / 8) * 80);
        e.width = 64;
        e.height = 32;
        e.frame_count = 1;
        e.frames = scene.element_frames;
    }
    for (int i = 0; i < 6; i++) {
        scene.nine[i] = scene.decor[i];
        scene.nine[i].offset_y = static_cast<int16_t>(560);
    }
    world.decor = scene.decor;
    world.sc = 24;
    world.nine = scene.nine;
    world.nc = 6;

    frog_count = FROGS;
    player_frog = 0;
    for (int f = 0; f < FROGS; f++) {
        frogs[f] = Frog{};
        frogs[f].x = static_cast<int16_t>(1000 - 140 + f * 30);
        frogs[f].y = static_cast<int16_t>(430 + (f % 4) * 40);
        frogs[f].direction = f % 2 ? 4 : 6;
    }
    frogs[0].x = 1000;
    frogs[0].y = 500;
    std::memset(scene.pool, 0, sizeof scene.pool);
    for (int s = 0; s < EFFECT_SLOTS; s++) {
        Effect &e = scene.pool[s];
        e.kind = 1;
        e.x = static_cast<int16_t>(845 + (s * 37) % 310);
        e.y = static_cast<int16_t>(405 + (s * 53) % 190);
        e.direction = s % 2 ? 4 : 6;
    }
    effect_pool = scene.pool;
    SDL_Rect play = {0, 0, PLAY_W, PLAY_H};
    SDL_SetClipRect(scene.screen, &play);
}

__attribute__((noinline)) void draw_play_area(SDL_Surface *surface)
{
    draw_back_layer(surface);
    draw_actor_layer(surface);
    draw_front_layer(surface);
}

void face(int both_ways)
{
    for (int f = 0; f < FROGS; f++)
        frogs[f].direction = both_ways && f % 2 ? 4 : 6;
    for (int s = 0; s < EFFECT_SLOTS; s++)
        scene.pool[s].direction = both_ways && s % 2 ? 4 : 6;
}

void frame(benchmark::State &state, SDL_Surface *mirror, int both_ways = 1)
{
    scene_build();
    actor_sprites.mirror_sheet = mirror;
    face(both_ways);
    for (auto _ : state) {
        draw_play_area(scene.screen);
        benchmark::DoNotOptimize(scene.screen->pixels);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_PlayAreaFrame_columns(benchmark::State &state) { frame(state, nullptr); }

void BM_PlayAreaFrame_mirror_sheet(benchmark::State &state)
{
    scene_build();
    frame(state, scene.mirror);
}

// The same frame with every picture facing right: what mirroring should
// cost nothing over.
void BM_PlayAreaFrame_all_facing_right(benchmark::State &state) { frame(state, nullptr, 0); }

}  // namespace

BENCHMARK(BM_PlayAreaFrame_all_facing_right)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlayAreaFrame_columns)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlayAreaFrame_mirror_sheet)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlayAreaFrame_all_facing_right)->Name("BM_PlayAreaFrame_all_facing_right/fixed")->Iterations(FIXED_FRAMES);
BENCHMARK(BM_PlayAreaFrame_columns)->Name("BM_PlayAreaFrame_columns/fixed")->Iterations(FIXED_FRAMES);
BENCHMARK(BM_PlayAreaFrame_mirror_sheet)->Name("BM_PlayAreaFrame_mirror_sheet/fixed")->Iterations(FIXED_FRAMES);

BENCHMARK_MAIN();
