#include "world/draw.h"
#include <climits>
#include "combat/effect.h"
#include "combat/frog.h"
#include "media/sound.h"
#include "shell/picture.h"
#include "shell/state.h"
#include "world/sprites.h"
#include "world/world.h"
#include <cstring>

int16_t current_palette = 0;

namespace {

// Every position below is worked out in 32 bits and only turned into an
// SDL_Rect once it is known to touch the surface: level data and offsets can
// put a picture far beyond what a 16-bit rectangle holds.

int clip_top_span(int *dest_y, int *src_y, int *src_h)
{
    if (*dest_y >= 0)
        return 1;
    int cut = -*dest_y;
    *src_y += cut;
    *dest_y = 0;
    if (cut < *src_h) {
        *src_h -= cut;
        return 1;
    }
    return 0;
}

int touches_clip(const SDL_Surface *surface, int x, int y, int w, int h)
{
    const SDL_Rect &clip = surface->clip_rect;
    return w > 0 && h > 0 && x < clip.x + clip.w && clip.x < x + w && y < clip.y + clip.h && clip.y < y + h;
}

void fill_area(SDL_Surface *surface, int x, int y, int w, int h, int16_t colour)
{
    if (!surface)
        return;
    const SDL_Rect &clip = surface->clip_rect;
    int left = x > clip.x ? x : clip.x;
    int top = y > clip.y ? y : clip.y;
    int right = x + w < clip.x + clip.w ? x + w : clip.x + clip.w;
    int bottom = y + h < clip.y + clip.h ? y + h : clip.y + clip.h;
    if (right <= left || bottom <= top)
        return;
    SDL_Rect area = {static_cast<Sint16>(left), static_cast<Sint16>(top), static_cast<Uint16>(right - left),
                     static_cast<Uint16>(bottom - top)};
    SDL_FillRect(surface, &area, static_cast<Uint32>(static_cast<uint16_t>(colour)));
}

// Draws sheet pixel (sx + i, sy + j) at (dx + i, dy + j), or at
// (dx + sw - 1 - i, dy + j) when mirrored.  Pixels outside the sheet are not
// drawn and move nothing else: a frame rectangle from a data file that hangs
// over the sheet's edge shows just the part that exists.
void draw_picture(SDL_Surface *sheet, int sx, int sy, int sw, int sh, int dx, int dy, SDL_Surface *surface,
                  int mirrored)
{
    if (!sheet || !surface || sw <= 0 || sh <= 0)
        return;
    if (sx < 0) {
        if (!mirrored)
            dx -= sx;
        sw += sx;
        sx = 0;
    }
    int over = sx + sw - sheet->w;
    if (over > 0) {
        sw -= over;
        if (mirrored)
            dx += over;
    }
    if (sy < 0) {
        dy -= sy;
        sh += sy;
        sy = 0;
    }
    over = sy + sh - sheet->h;
    if (over > 0)
        sh -= over;
    if (!touches_clip(surface, dx, dy, sw, sh))
        return;
    SDL_Rect source = {static_cast<Sint16>(sx), static_cast<Sint16>(sy), static_cast<Uint16>(sw),
                       static_cast<Uint16>(sh)};
    SDL_Rect destination = {static_cast<Sint16>(dx), static_cast<Sint16>(dy), 0, 0};
    if (mirrored)
        blit_mirrored(sheet, &source, surface, &destination);
    else
        SDL_BlitSurface(sheet, &source, surface, &destination);
}

int overlaps(const SDL_Rect &r, int x, int y, int w, int h)
{
    return x < r.x + r.w && y < r.y + r.h && r.x < x + w && r.y < y + h;
}

// Decor and nine elements animate and start their sounds only while they
// are drawn; out of view they keep their frame and timer.
void draw_elements(LevelElement *list, int32_t count, const ViewPiece &piece, SDL_Surface *surface)
{
    if (!list || count <= 0)
        return;
    const SDL_Rect &r = piece.r;
    for (int32_t i = 0; i < count; i++) {
        LevelElement &e = list[i];
        if (e.frame_count <= 0 || !overlaps(r, e.offset_x, e.offset_y, e.width, e.height))
            continue;
        if (e.frame >= e.frame_count || e.frame < 0)
            e.frame = 0;
        const FrameRect *frame = sprite_frame(&e, e.frame);
        if (!frame)
            continue;
        int sy = frame->y, sh = e.height;
        int dy = e.offset_y - r.y + piece.oy;
        if (!clip_top_span(&dy, &sy, &sh))
            continue;
        draw_picture(world.decor_sheet, frame->x, sy, e.width, sh, e.offset_x - r.x + piece.ox, dy, surface, 0);
        if (e.frame == 0 && e.start_timer == 0 && e.sound != 0)
            play_sound(e.sound, 0);
        if (e.frame_delay != 0) {
            int t = e.start_timer;
            e.start_timer = static_cast<int16_t>(t + 1);
            if (e.frame_delay < t) {
                e.start_timer = 0;
                e.frame++;
            }
        }
        if (e.frame >= e.frame_count)
            e.frame = 0;
    }
}

void add_piece(View *view, int x, int w, int y, int h, int ox, int oy)
{
    if (w <= 0 || h <= 0 || view->count >= 2)
        return;
    ViewPiece &p = view->piece[view->count++];
    p.r = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w), static_cast<Uint16>(h)};
    p.ox = ox;
    p.oy = oy;
}

}  // namespace

int clip_top(SDL_Rect *destination, SDL_Rect *source)
{
    int dy = destination->y, sy = source->y, sh = source->h;
    int left = clip_top_span(&dy, &sy, &sh);
    destination->y = static_cast<Sint16>(dy);
    source->y = static_cast<Sint16>(sy);
    if (left)
        source->h = static_cast<Uint16>(sh);
    return left;
}

void view_compute(View *view)
{
    *view = {};
    int slot = player_frog >= 0 && player_frog < FROG_SLOTS ? player_frog : 0;
    const Frog &p = frogs[slot];
    int width = world.width, height = world.height;
    // Between an action and the next tick a frog may stand just past the
    // seam; the ring puts it back on the level so the pieces stay whole.
    int px = p.x;
    if (width > 0) {
        px %= width;
        if (px < 0)
            px += width;
    }
    int vx = px - VIEW_CENTRE_X, vy = p.y - VIEW_CENTRE_Y, vh = PLAY_H, oy = 0;
    if (vy < 0) {
        // Above the level's top too (y below 0) the frog stays on row 92 and
        // the level sinks under it; 32-bit offsets carry that however far.
        oy = VIEW_TOP_ROW - p.y;
        if (oy < 0)
            oy = 0;
        vy = 0;
    } else if (vy + PLAY_H > height) {
        vh = height - vy;
        if (vh < 0)
            vh = 0;
        view->fill_bottom = 1;
    }
    view->oy = oy;
    view->h = vh;
    if (vx < 0) {
        add_piece(view, 0, PLAY_W + vx, vy, vh, -vx, oy);
        add_piece(view, width + vx, -vx, vy, vh, 0, oy);
    } else if (vx + PLAY_W > width) {
        add_piece(view, 0, PLAY_W - (width - vx), vy, vh, width - vx, oy);
        add_piece(view, vx, width - vx, vy, vh, 0, oy);
    } else {
        add_piece(view, vx, PLAY_W, vy, vh, 0, oy);
    }
}

void draw_back_layer(SDL_Surface *surface)
{
    world_load();
    if (!surface)
        return;
    View view;
    view_compute(&view);
    if (view.oy > 0)
        fill_area(surface, 0, 0, PLAY_W, view.oy < PLAY_H ? view.oy : PLAY_H, world.fill_colour);
    if (view.fill_bottom)
        fill_area(surface, 0, view.h, PLAY_W, PLAY_H - view.h, world.fill_colour);
    for (int i = 0; i < view.count; i++)
        draw_tiles_and_decor(view.piece[i], surface);
}

void draw_tiles_and_decor(const ViewPiece &piece, SDL_Surface *surface)
{
    if (!surface)
        return;
    const SDL_Rect &r = piece.r;
    int width = r.w, height = r.h;
    SDL_Surface *tile = world.tile;
    // Without a whole tile picture the game plays on: the part the tiles
    // cannot cover shows the fill colour rather than the last frame.
    if (!tile || tile->w < TILE_SIZE || tile->h < TILE_SIZE)
        fill_area(surface, piece.ox, piece.oy, width, height, world.fill_colour);
    if (tile) {
        int mx = r.x % TILE_SIZE, my = r.y % TILE_SIZE;
        if (mx < 0)
            mx += TILE_SIZE;
        if (my < 0)
            my += TILE_SIZE;
        const int clip_bottom = surface->clip_rect.y + surface->clip_rect.h;
        for (int row = 0; row < height;) {
            int ty = row == 0 ? my : 0;
            int th = TILE_SIZE - ty < height - row ? TILE_SIZE - ty : height - row;
            if (piece.oy + row >= clip_bottom)
                break;
            for (int col = 0; col < width;) {
                int tx = col == 0 ? mx : 0;
                int tw = TILE_SIZE - tx < width - col ? TILE_SIZE - tx : width - col;
                int sy = ty, sh = th, dy = piece.oy + row;
                if (clip_top_span(&dy, &sy, &sh))
                    draw_picture(tile, tx, sy, tw, sh, piece.ox + col, dy, surface, 0);
                col += tw;
            }
            row += th;
        }
    }
    draw_elements(world.decor, world.sc, piece, surface);
}

void draw_nine(const ViewPiece &piece, SDL_Surface *surface)
{
    draw_elements(world.nine, world.nc, piece, surface);
}

void draw_actors(const ViewPiece &piece, SDL_Surface *surface)
{
    if (!surface)
        return;
    const SDL_Rect &r = piece.r;
    // Frogs and effects above the level's top still show in the rows the
    // view fills above it (a frog falling in from the sky stays in sight),
    // so their test rectangle reaches up over those rows.
    SDL_Rect reach = r;
    int32_t reach_y = int32_t(r.y) - piece.oy;
    if (piece.oy > 0 && reach_y >= INT16_MIN) {
        reach.y = int16_t(reach_y);
        reach.h = Uint16(r.h + piece.oy);
    }
    SDL_Surface *sheet = actor_sprites.sheet;
    int count = frogs_in_play();
    for (int f = 0; f < count; f++) {
        const Frog &frog = frogs[f];
        const SpriteDef *d = sprite_entry(frog.animation);
        if (frog.frame == 0) {
            if (d->sound != 0)
                play_sound(d->sound, 0);
            // Only the four tint tables exist; a palette number beyond them
            // in the sprite data leaves the screen as it is.
            if (f == player_frog && d->palette != current_palette && d->palette >= 0 &&
                d->palette < PALETTE_TABLES) {
                current_palette = d->palette;
                use_palette(surface, static_cast<uint16_t>(d->palette));
            }
        }
        if (d->frame_count <= 0 || !overlaps(reach, frog.x, frog.y, d->width, d->height))
            continue;
        const FrameRect *frame = sprite_frame(d, frog.frame);
        if (!frame)
            continue;
        // The halves of the entry's size, as the frog logic takes them.
        int sy = frame->y, sh = frame->h;
        int dy = frog.y - r.y + piece.oy - d->height / 2;
        if (!clip_top_span(&dy, &sy, &sh))
            continue;
        int facing_left = heads_left(frog.direction);
        draw_picture(sheet, frame->x, sy, frame->w, sh, frog.x - r.x + piece.ox - d->width / 2, dy, surface,
                     facing_left);
    }
    if (!effect_pool)
        return;
    for (int s = 0; s < EFFECT_SLOTS; s++) {
        const Effect &effect = effect_pool[s];
        if (effect.kind == 0)
            continue;
        const SpriteDef *d = sprite_entry(effect.kind);
        if (d->frame_count > 0 && overlaps(reach, effect.x, effect.y, d->width, d->height)) {
            const FrameRect *frame = sprite_frame(d, effect.frame);
            if (frame && frame->w > 0 && frame->h > 0) {
                int sy = frame->y, sh = frame->h;
                int dy = effect.y - r.y + piece.oy - frame->h / 2;
                if (clip_top_span(&dy, &sy, &sh))
                    draw_picture(sheet, frame->x, sy, frame->w, sh, effect.x - r.x + piece.ox - frame->w / 2, dy,
                                 surface, effect.direction == 4);
            }
        }
        if (d->sound != 0 && effect.frame == 0)
            play_sound(d->sound, 0);
    }
}

void draw_actor_layer(SDL_Surface *surface)
{
    View view;
    view_compute(&view);
    for (int i = 0; i < view.count; i++)
        draw_actors(view.piece[i], surface);
}

void draw_front_layer(SDL_Surface *surface)
{
    View view;
    view_compute(&view);
    for (int i = 0; i < view.count; i++)
        draw_nine(view.piece[i], surface);
}

void blit_mirrored_columns(SDL_Surface *sheet, const SDL_Rect *source, SDL_Surface *surface,
                           const SDL_Rect *destination)
{
    if (!sheet || !source || !surface || !destination)
        return;
    const SDL_Rect &clip = surface->clip_rect;
    int sx = source->x, sw = source->w, dx = destination->x;
    for (int k = 0; k < sw; k++) {
        // Columns off the sheet or off the clip rectangle would draw nothing.
        int column = sx + sw - 1 - k, x = dx + k;
        if (column < 0 || column >= sheet->w || x < clip.x || x >= clip.x + clip.w)
            continue;
        SDL_Rect from = {static_cast<Sint16>(column), source->y, 1, source->h};
        SDL_Rect to = {static_cast<Sint16>(x), destination->y, 0, 0};
        SDL_BlitSurface(sheet, &from, surface, &to);
    }
}

void blit_mirrored(SDL_Surface *sheet, const SDL_Rect *source, SDL_Surface *surface, const SDL_Rect *destination)
{
    if (!sheet || !source || !surface || !destination)
        return;
    SDL_Surface *mirror = sheet == actor_sprites.sheet ? actor_sprites.mirror_sheet : nullptr;
    if (!mirror || mirror->w != sheet->w || mirror->h != sheet->h) {
        blit_mirrored_columns(sheet, source, surface, destination);
        return;
    }
    // Sheet column c is column sheet_w - 1 - c of the copy.  Columns that
    // hang over the sheet's left edge would land at the right end of the
    // picture and those over its right edge at the left end, so both are cut
    // here, where the copy's own edges would otherwise shift them.
    int sx = source->x, sw = source->w, dx = destination->x;
    if (sx < 0) {
        sw += sx;
        sx = 0;
    }
    int over = sx + sw - sheet->w;
    if (over > 0) {
        sw -= over;
        dx += over;
    }
    if (sw <= 0 || dx >= surface->clip_rect.x + surface->clip_rect.w)
        return;
    SDL_Rect from = {static_cast<Sint16>(sheet->w - sx - sw), source->y, static_cast<Uint16>(sw), source->h};
    SDL_Rect to = {static_cast<Sint16>(dx), destination->y, 0, 0};
    SDL_BlitSurface(mirror, &from, surface, &to);
}

SDL_Surface *make_mirror_sheet(SDL_Surface *sheet)
{
    if (!sheet || !sheet->format)
        return nullptr;
    const SDL_PixelFormat *format = sheet->format;
    SDL_Surface *copy = SDL_CreateRGBSurface(SDL_SWSURFACE, sheet->w, sheet->h, format->BitsPerPixel, format->Rmask,
                                             format->Gmask, format->Bmask, format->Amask);
    if (!copy)
        return nullptr;
    const int bytes = format->BytesPerPixel;
    if (copy->format->BytesPerPixel != bytes) {
        SDL_FreeSurface(copy);
        return nullptr;
    }
    if (format->palette && copy->format->palette)
        SDL_SetColors(copy, format->palette->colors, 0, format->palette->ncolors);
    if (SDL_LockSurface(sheet) != 0) {
        SDL_FreeSurface(copy);
        return nullptr;
    }
    if (SDL_LockSurface(copy) != 0) {
        SDL_UnlockSurface(sheet);
        SDL_FreeSurface(copy);
        return nullptr;
    }
    for (int y = 0; y < sheet->h; y++) {
        const Uint8 *from = static_cast<const Uint8 *>(sheet->pixels) + y * sheet->pitch;
        Uint8 *to = static_cast<Uint8 *>(copy->pixels) + y * copy->pitch;
        for (int x = 0; x < sheet->w; x++)
            std::memcpy(to + (sheet->w - 1 - x) * bytes, from + x * bytes, bytes);
    }
    SDL_UnlockSurface(copy);
    SDL_UnlockSurface(sheet);
    SDL_SetColorKey(copy, SDL_SRCCOLORKEY, KEY_COLOUR);
    return copy;
}
