#include "text/xirr_textctrl_core.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

#include "app/frame_services.h"
#include "config/skiff_config.h"
#include "draw/xirr_bitmap.h"
#include "draw/xirr_glyph_font.h"
#include "support/debug_log.h"
#include "support/xirr_object_pool.h"
#include "text/xirr_byte_scan.h"
#include "text/xirr_url_span.h"

namespace {

const int row_table_step = 65536;
const long long max_row_bytes = (1ll << 31) - 1;
const long long max_row_width = INT_MAX / 2;
const rgb_color selection_background(64, 64, 64);

// Windows-1252 bytes 0x80-0xFF spelled in 7-bit ASCII.
const char transliteration[129] =
    "E 'f\"-tt^%S<O Z "  // 80-8F
    " ''\"\"*--~ s>o zY"  // 90-9F
    " !cLoY|S-Ca<!-R-"   // A0-AF
    "ox23'uP..1o>   ?"   // B0-BF
    "AAAAAAACEEEEIIII"   // C0-CF
    "DNOOOOOxOUUUUYPS"   // D0-DF
    "aaaaaaaceeeeiiii"   // E0-EF
    "onooooo/ouuuuypy";  // F0-FF

// Every view's chunks come from one pool whose blocks are never returned.
xirr_object_pool &chunk_pool()
{
    static xirr_object_pool pool(sizeof(xirr_textctrl_chunk), "class xirr_textctrl_chunk", 262144);
    return pool;
}

// Options of the current character; the defaults while there is none.
int char_option_value(char_option option, int fallback)
{
    SkiffConfig &config = SkiffConfig::instance();
    return config.current_char_cfg ? config.get_option(option) : fallback;
}

bool url_hotlinking()
{
    return char_option_value(char_option::url_hotlinking, 1) != 0;
}

bool compact_mode()
{
    return char_option_value(char_option::compact_mode, 0) != 0;
}

// plain: no tab and no byte 0x80 or above, so the text is stored as it is;
// printable: nothing but printable ASCII and newlines, so with a fixed-pitch
// font its width is its length times the glyph width.
void classify_text(const unsigned char *text, size_t n, bool *plain, bool *printable)
{
    for (size_t i = first_non_printable(text, n); i < n;
         i += 1 + first_non_printable(text + i + 1, n - i - 1)) {
        unsigned char b = text[i];
        if (b == '\n')
            continue;
        *printable = false;
        if (b == '\t' || b >= 0x80) {
            *plain = false;
            return;
        }
    }
}

uint32_t pack_color(const rgb_color &c)
{
    return ((c.red & 255) << 16) | ((c.green & 255) << 8) | (c.blue & 255);
}

} // namespace

xirr_textctrl_core::xirr_textctrl_core()
    : background_(0, 0, 0), base_background_(0, 0, 0), text_color_(255, 255, 255)
{
    memset(byte_widths_, 0, sizeof byte_widths_);
    ticker_.start(0, 15);
    rows_ = static_cast<xirr_textctrl_line *>(calloc(row_table_step, sizeof(xirr_textctrl_line)));
    if (rows_)
        row_capacity_ = row_table_step;
}

xirr_textctrl_core::~xirr_textctrl_core()
{
    free_source_list();
    free(rows_);
}

// ---------------------------------------------------------------- rows

// Creates rows up to `row`, growing the table by whole steps.  False only
// when memory is exhausted (the text then stops being laid out).
bool xirr_textctrl_core::ensure_row(int row)
{
    if (row < row_count_)
        return true;
    if (row >= row_capacity_) {
        long wanted = (static_cast<long>(row) / row_table_step + 1) * row_table_step;
        if (wanted > INT_MAX)
            return false;
        void *grown = realloc(rows_, wanted * sizeof(xirr_textctrl_line));
        if (!grown) {
            if (debug_level > 0)
                debug_log("Error in xirr_textctrl::ensure_row(), no memory for %ld rows.\n", wanted);
            return false;
        }
        rows_ = static_cast<xirr_textctrl_line *>(grown);
        row_capacity_ = static_cast<int>(wanted);
    }
    for (int r = row_count_; r <= row; r++)
        empty_row(r);
    row_count_ = row + 1;
    return true;
}

// An emptied row forgets its hard break too: a row that ended at a newline
// before a re-layout may end by word wrap afterwards, and copying must not
// put a stale newline there.
void xirr_textctrl_core::empty_row(int row)
{
    rows_[row].first = nullptr;
    rows_[row].offset = 0;
    rows_[row].length = 0;
    rows_[row].hard_break = 0;
}

template <typename F> void xirr_textctrl_core::for_each_piece(const xirr_textctrl_line &line, F f) const
{
    const xirr_textctrl_chunk *c = line.first;
    int offset = static_cast<int>(line.offset);
    int left = line.length;
    int at = 0;
    while (c && left > 0) {
        int n = c->length - offset;
        if (n > left)
            n = left;
        if (n > 0) {
            f(c, c->text + offset, n, at);
            at += n;
            left -= n;
        }
        c = c->next;
        offset = 0;
    }
}

bool xirr_textctrl_core::row_text(int row, std::string *text) const
{
    text->clear();
    if (row < 0 || row >= row_count_)
        return false;
    for_each_piece(rows_[row], [text](const xirr_textctrl_chunk *, const char *p, int n, int) {
        text->append(p, n);
    });
    return true;
}

bool xirr_textctrl_core::row_runs(int row, std::vector<std::pair<uint32_t, std::string>> *runs) const
{
    runs->clear();
    if (row < 0 || row >= row_count_)
        return false;
    for_each_piece(rows_[row], [runs](const xirr_textctrl_chunk *c, const char *p, int n, int) {
        runs->emplace_back(c->color, std::string(p, n));
    });
    return true;
}

bool xirr_textctrl_core::row_hard_break(int row) const
{
    return row >= 0 && row < row_count_ && rows_[row].hard_break;
}

size_t xirr_textctrl_core::bytes_reserved() const
{
    return store_.bytes_reserved() + static_cast<size_t>(row_capacity_) * sizeof(xirr_textctrl_line);
}

// ---------------------------------------------------------------- adding text

// Bytes the text takes once tabs are expanded (from the current column).
int xirr_textctrl_core::stored_length(const unsigned char *text, size_t n) const
{
    long length = 0;
    int column = column_;
    for (size_t i = 0; i < n; i++) {
        unsigned char b = text[i];
        if (b == '\t') {
            int stop = (column / 8 + 1) * 8;
            length += stop - column;
            column = stop;
        } else {
            length++;
            column = (b == '\n' || b == '\r') ? 0 : column + 1;
        }
    }
    return length > INT_MAX / 2 ? -1 : static_cast<int>(length);
}

void xirr_textctrl_core::store_text(const unsigned char *text, size_t n, char *out)
{
    long column = column_;
    for (size_t i = 0; i < n; i++) {
        unsigned char b = text[i];
        if (b >= 0x80) {
            *out++ = transliteration[b - 0x80];
            column++;
        } else if (b == '\t') {
            long stop = (column / 8 + 1) * 8;
            while (column < stop) {
                *out++ = ' ';
                column++;
            }
        } else {
            *out++ = static_cast<char>(b);
            column = (b == '\n' || b == '\r') ? 0 : column + 1;
        }
    }
    *out = 0;
    column_ = column > INT_MAX / 2 ? INT_MAX / 2 : column;
}

// Text without tabs and high bytes is stored as it is; only the column has
// to be found, from the last line break.
void xirr_textctrl_core::store_plain_text(const unsigned char *text, size_t n, char *out)
{
    memcpy(out, text, n);
    out[n] = 0;
    const void *lf = memrchr(text, '\n', n);
    const void *cr = memrchr(text, '\r', n);
    const unsigned char *last = static_cast<const unsigned char *>(lf > cr ? lf : cr);
    long column = last ? text + n - (last + 1) : column_ + static_cast<long>(n);
    column_ = column > INT_MAX / 2 ? INT_MAX / 2 : static_cast<int>(column);
}

void xirr_textctrl_core::add_text(const char *text)
{
    if (text)
        add_text(text, strlen(text));
}

void xirr_textctrl_core::add_text(const char *text, size_t n)
{
    if (!text)
        return;
    // The parser hands over each blank line in a call of its own, so the
    // skipping lasts until a call brings something besides newlines.
    if (skip_leading_newlines_) {
        while (n > 0 && *text == '\n') {
            text++;
            n--;
        }
        if (n > 0)
            skip_leading_newlines_ = false;
    }
    // An empty run would show nothing and only cost memory.
    if (n == 0)
        return;
    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(text);
    bool plain = true, printable = true;
    classify_text(bytes, n, &plain, &printable);
    std::lock_guard<std::mutex> guard(lock_);
    int length = plain ? (n > INT_MAX / 2 ? -1 : static_cast<int>(n)) : stored_length(bytes, n);
    char *stored = length >= 0 ? store_.allocate(length) : nullptr;
    if (!stored) {
        if (debug_level > 0)
            debug_log("Error in xirr_textctrl::add_text(), out of memory for %d bytes.\n", length);
        return;
    }
    if (plain)
        store_plain_text(bytes, n, stored);
    else
        store_text(bytes, n, stored);
    auto *chunk = static_cast<xirr_textctrl_chunk *>(chunk_pool().take());
    chunk->next = nullptr;
    chunk->text = stored;
    chunk->color = pack_color(text_color_);
    chunk->length = length;
    chunk->printable = printable;
    if (source_tail_)
        source_tail_->next = chunk;
    else
        source_head_ = chunk;
    source_tail_ = chunk;
    layout_chunk(chunk);
}

// ---------------------------------------------------------------- layout

void xirr_textctrl_core::follow_last_row()
{
    if (!scroll_locked_ && !top_anchored_)
        scroll_ = last_row_;
}

// Cuts the chunk at each newline; each piece goes onto the last row.
void xirr_textctrl_core::layout_chunk(xirr_textctrl_chunk *chunk)
{
    const unsigned char *t = reinterpret_cast<const unsigned char *>(chunk->text);
    int n = chunk->length;
    int start = 0;
    while (start < n) {
        const void *nl = memchr(t + start, '\n', n - start);
        int stop = nl ? static_cast<int>(static_cast<const unsigned char *>(nl) - t) : n;
        long long width = 0;
        if (chunk->printable && mono_width_ > 0) {
            width = static_cast<long long>(stop - start) * mono_width_;
        } else {
            for (int i = start; i < stop; i++)
                width += byte_widths_[t[i]];
        }
        append_piece(chunk, start, stop - start, width > max_row_width ? max_row_width : width);
        if (!nl)
            break;
        end_row_at_newline();
        start = stop + 1;
    }
}

void xirr_textctrl_core::append_piece(xirr_textctrl_chunk *chunk, int offset, int length, long long width)
{
    if (!ensure_row(last_row_))
        return;
    // A row that can never be wrapped (word wrap off, or a view narrower
    // than one glyph) must still stay within what a row can count.
    if (rows_[last_row_].length + static_cast<long long>(length) > max_row_bytes ||
        last_row_width_ + static_cast<long long>(width) > max_row_width) {
        if (!ensure_row(last_row_ + 1))
            return;
        last_row_++;
        last_row_width_ = 0;
        follow_last_row();
    }
    xirr_textctrl_line &line = rows_[last_row_];
    if (line.length == 0) {
        line.first = chunk;
        line.offset = offset;
    }
    line.length += length;
    last_row_width_ += static_cast<int>(width);
    if (word_wrap_ && length > 0 && last_row_width_ >= view_width_)
        calc_break_position(last_row_);
}

void xirr_textctrl_core::end_row_at_newline()
{
    if (!ensure_row(last_row_ + 1))
        return;
    rows_[last_row_].hard_break = 1;
    last_row_++;
    last_row_width_ = 0;
    follow_last_row();
}

// Where a row too wide for the view breaks: after the last space or tab
// that still fits (a space that itself overflows stays at the end of the
// upper row, out of sight), or after the last byte that fits when there is
// no space.  False when the first glyph alone is too wide: such a row stays
// as it is.
bool xirr_textctrl_core::find_break(const xirr_textctrl_line &line, row_break *found) const
{
    const int limit = view_width_, n = line.length;
    int sum = 0;
    row_break space{-1, 0, {nullptr, 0}};
    row_cursor at{line.first, static_cast<int>(line.offset)};
    for (int i = 0; i < n && at.chunk;) {
        if (at.offset >= at.chunk->length) {
            at = {at.chunk->next, 0};
            continue;
        }
        unsigned char b = static_cast<unsigned char>(at.chunk->text[at.offset]);
        int before = sum;
        sum += byte_widths_[b];
        if (b == ' ' || b == '\t')
            space = {i + 1, sum, {at.chunk, at.offset + 1}};
        if (sum >= limit) {
            if (i == 0)
                return false;
            *found = space.at > 0 ? space : row_break{i, before, at};
            return true;
        }
        at.offset++;
        i++;
    }
    // The bytes ran out first: the break goes after the last one.
    *found = {n, sum, at};
    return true;
}

// Word wrap of the last row, repeated on the new last row while that is
// still too wide.
void xirr_textctrl_core::calc_break_position(int row)
{
    while (row == last_row_) {
        row_break brk;
        if (!find_break(rows_[row], &brk) || !ensure_row(row + 1))
            return;
        xirr_textctrl_line &upper = rows_[row];
        xirr_textctrl_line &lower = rows_[row + 1];
        if (lower.length != 0 && debug_level > 1)
            debug_log("Error in xirr_textctrl::calc_break_position(), next line has stuff in it?\n");
        lower.first = const_cast<xirr_textctrl_chunk *>(brk.cursor.chunk);
        lower.offset = brk.cursor.offset;
        lower.length = upper.length - brk.at;
        upper.length = brk.at;
        last_row_++;
        follow_last_row();
        last_row_width_ -= brk.upper_width;
        if (last_row_width_ < view_width_)
            return;
        row++;
    }
}

void xirr_textctrl_core::relayout_text()
{
    clear_selection();
    std::lock_guard<std::mutex> guard(lock_);
    last_row_ = 0;
    last_row_width_ = 0;
    scroll_ = 0;
    if (row_count_ > 1)
        row_count_ = 1;
    if (row_count_ == 1)
        empty_row(0);
    for (xirr_textctrl_chunk *c = source_head_; c; c = c->next)
        layout_chunk(c);
}

void xirr_textctrl_core::free_source_list()
{
    xirr_textctrl_chunk *c = source_head_;
    while (c) {
        xirr_textctrl_chunk *next = c->next;
        chunk_pool().give_back(c);
        c = next;
    }
    source_head_ = source_tail_ = nullptr;
    store_.reset();
}

void xirr_textctrl_core::clear_text()
{
    clear_selection();
    std::lock_guard<std::mutex> guard(lock_);
    last_row_ = 0;
    last_row_width_ = 0;
    column_ = 0;
    scroll_ = 0;
    skip_leading_newlines_ = true;
    free_source_list();
    row_count_ = 0;
    ensure_row(0);
}

void xirr_textctrl_core::set_colors(const rgb_color &text, const rgb_color &background)
{
    text_color_ = text;
    background_ = background;
    base_background_ = background;
}

void xirr_textctrl_core::set_font(const xirr_glyph_font *font)
{
    font_ = font;
    for (int b = 0; b < 256; b++) {
        int width = 0;
        glyph_size(font, b, &width, nullptr);
        byte_widths_[b] = width;
    }
    mono_width_ = byte_widths_[' '];
    for (int b = 32; b <= 126; b++)
        if (byte_widths_[b] != mono_width_)
            mono_width_ = 0;
    int height = 0;
    glyph_size(font, 'f', nullptr, &height);
    line_height_ = compact_mode() ? height - 1 : height;
    relayout_text();
}

bool xirr_textctrl_core::set_view_size(int width, int height)
{
    view_width_ = width < 1 ? 1 : width;
    view_height_ = height < 1 ? 1 : height;
    if (view_width_ == last_layout_width_)
        return false;
    last_layout_width_ = view_width_;
    relayout_text();
    return true;
}

// ---------------------------------------------------------------- scrolling

void xirr_textctrl_core::set_scroll_line(int row)
{
    int upper = top_anchored_ ? last_row_ : last_row_ + get_visible_line_count();
    if (row > upper)
        row = upper;
    if (row < 0)
        row = 0;
    scroll_ = row;
    want_repaint();
}

int xirr_textctrl_core::scroll_to_top_line(int row)
{
    if (!top_anchored_)
        row += get_visible_line_count();
    set_scroll_line(row);
    return row;
}

void xirr_textctrl_core::get_scroll_info(int *position, int *range, int *thumb) const
{
    int v = get_visible_line_count();
    *thumb = v;
    if (top_anchored_) {
        *position = scroll_;
        *range = last_row_ + 1 + v;
    } else {
        *position = scroll_ - v;
        *range = last_row_;
    }
}

int xirr_textctrl_core::get_visible_line_count() const
{
    if (line_height_ <= 0) {
        if (debug_level > 1)
            debug_log("Error in xirr_textctrl::get_visible_line_count(), font height %d.\n", line_height_);
        return 20;
    }
    int v = view_height_ / line_height_;
    return v < 1 ? 1 : v;
}

void xirr_textctrl_core::get_max_char_size(int *width, int *height) const
{
    int widest = 0;
    for (int b = 32; b <= 126; b++)
        if (byte_widths_[b] > widest)
            widest = byte_widths_[b];
    if (width)
        *width = widest;
    if (height)
        *height = line_height_;
}

// ---------------------------------------------------------------- painting

void xirr_textctrl_core::paint(xirr_bitmap &surface)
{
    surface.Clear(background_);
    if (line_height_ < 1) {
        if (debug_level > 1)
            debug_log("Error in xirr_textctrl::repaint_internal(), font height %d.\n", line_height_);
        return;
    }
    std::lock_guard<std::mutex> guard(lock_);
    paint_rows(surface);
}

void xirr_textctrl_core::paint_rows(xirr_bitmap &surface)
{
    const int H = view_height_, h = line_height_;
    if (top_anchored_) {
        int row = scroll_ < 0 ? 0 : scroll_;
        for (int y = 0; y < H && row <= last_row_; y += h, row++)
            paint_row(surface, row, y);
    } else {
        int row = scroll_;
        for (int y = H - h - 1; y > -h && row >= 0; y -= h, row--)
            paint_row(surface, row, y);
    }
}

// The selected bytes of a row as [from, to] (to < from when none).
void xirr_textctrl_core::selection_span(int row, int length, int *from, int *to) const
{
    *from = 0;
    *to = -1;
    if (!selection_shown_ || row < sel_start_.row || row > sel_end_.row)
        return;
    *from = row == sel_start_.row ? sel_start_.offset : 0;
    *to = row == sel_end_.row ? sel_end_.offset : length - 1;
}

void xirr_textctrl_core::paint_row(xirr_bitmap &surface, int row, int y)
{
    if (row >= row_count_ || !font_)
        return;
    const xirr_textctrl_line &line = rows_[row];
    int from, to;
    selection_span(row, line.length, &from, &to);
    const int right = surface.GetWidth();
    int x = 1;
    for_each_piece(line, [&](const xirr_textctrl_chunk *c, const char *p, int n, int at) {
        if (x >= right)
            return;
        rgb_color ink = rgb_color::from_rgb24(c->color);
        // Up to three parts: before, inside and after the selection.
        int cut1 = from - at, cut2 = to + 1 - at;
        if (to < from || cut2 <= 0 || cut1 >= n) {
            x = surface.DrawTextTransparent(*font_, p, n, x, y, ink);
            return;
        }
        if (cut1 < 0)
            cut1 = 0;
        if (cut2 > n)
            cut2 = n;
        if (cut1 > 0)
            x = surface.DrawTextTransparent(*font_, p, cut1, x, y, ink);
        x = surface.DrawText(*font_, p + cut1, cut2 - cut1, x, y, ink, selection_background);
        if (cut2 < n)
            x = surface.DrawTextTransparent(*font_, p + cut2, n - cut2, x, y, ink);
    });
}

// ---------------------------------------------------------------- hit test

void xirr_textctrl_core::translate_xy_to_line_and_offset(int x, int y, int *row, int *offset) const
{
    *row = 0;
    *offset = 0;
    const int h = line_height_;
    if (h <= 0) {
        if (debug_level > 1)
            debug_log("Error in xirr_textctrl::translate_xy_to_line_and_offset(), font height %d.\n", h);
        return;
    }
    if (x < 0)
        x = 0;
    int base = scroll_, top = view_height_ - h;
    if (top_anchored_) {
        base = scroll_ < 0 ? 0 : scroll_;
        top = 0;
    }
    int dy = y - top;
    int r = base + (dy >= 0 ? dy / h : -((-dy + h - 1) / h));
    if (r > last_row_)
        r = last_row_;
    if (r < 0)
        r = 0;
    if (r >= row_count_) {
        if (r != 0 && debug_level > 1)
            debug_log("Error in xirr_textctrl::translate_xy_to_line_and_offset(), null line %d\n", r);
        *row = last_row_;
        return;
    }
    *row = r;
    int sum = 0, found = -1;
    for_each_piece(rows_[r], [&](const xirr_textctrl_chunk *, const char *p, int n, int at) {
        for (int i = 0; i < n && found < 0; i++) {
            sum += byte_widths_[static_cast<unsigned char>(p[i])];
            if (sum >= x)
                found = at + i;
        }
    });
    *offset = found >= 0 ? found : static_cast<int>(rows_[r].length);
}

// ---------------------------------------------------------------- selection

void xirr_textctrl_core::clear_selection()
{
    selection_shown_ = 0;
    selecting_ = false;
    sel_start_ = sel_end_ = anchor_ = drag_point_ = {0, 0};
    want_repaint();
}

void xirr_textctrl_core::copy_selection_to_clipboard()
{
    std::string text, row;
    for (int r = sel_start_.row; r <= sel_end_.row; r++) {
        if (!row_text(r, &row)) {
            if (debug_level > 1)
                debug_log("Error in copy_selection_to_clipboard(), line %d NULL.\n", r);
            return;
        }
        int from = r == sel_start_.row ? sel_start_.offset : 0;
        int to = r == sel_end_.row ? sel_end_.offset : static_cast<int>(row.size()) - 1;
        // The drag point may lie one past the end of its row.
        if (to >= static_cast<int>(row.size()))
            to = static_cast<int>(row.size()) - 1;
        if (from < 0)
            from = 0;
        if (to >= from)
            text.append(row, from, to - from + 1);
        if (r < sel_end_.row && rows_[r].hard_break)
            text += '\n';
    }
    if (the_frame_services)
        the_frame_services->set_clipboard_data(text.c_str());
}

// The selection runs from the anchor to the drag point, whichever comes
// first, and goes to the clipboard.
void xirr_textctrl_core::take_selection_from_drag()
{
    if (drag_point_.after(anchor_)) {
        sel_start_ = anchor_;
        sel_end_ = drag_point_;
    } else {
        sel_start_ = drag_point_;
        sel_end_ = anchor_;
    }
    copy_selection_to_clipboard();
}

void xirr_textctrl_core::update_selection_from_drag()
{
    if (drag_point_ != anchor_)
        selection_shown_ = 1;
    if (!selection_shown_)
        return;
    take_selection_from_drag();
    want_repaint();
}

int xirr_textctrl_core::url_clicked_on(int row, int offset)
{
    if (!url_hotlinking())
        return 0;
    std::string text;
    if (!row_text(row, &text)) {
        if (row != 0 && debug_level > 1)
            debug_log("Error in url_clicked_on(), null line %d.\n", row);
        return 0;
    }
    int start, end;
    if (!find_url_span(text.data(), static_cast<int>(text.size()), offset, &start, &end))
        return 0;
    if (the_frame_services)
        the_frame_services->open_url(text.substr(start, end - start + 1).c_str());
    sel_start_ = anchor_ = {row, start};
    sel_end_ = drag_point_ = {row, end};
    selection_shown_ = 1;
    copy_selection_to_clipboard();
    want_repaint();
    url_click_latch_ = true;
    return 1;
}

// ---------------------------------------------------------------- mouse

// Left of the view means the end of the row above.
void xirr_textctrl_core::hit_test_pointer(const xirr_mouse_event &e, xirr_text_position *place) const
{
    if (e.x < 0)
        translate_xy_to_line_and_offset(view_width_, e.y - line_height_, &place->row, &place->offset);
    else
        translate_xy_to_line_and_offset(e.x, e.y, &place->row, &place->offset);
}

// True when the event was a wheel notch (and is used up).  A rotation that
// does not complete a notch does nothing.
bool xirr_textctrl_core::handle_wheel(const xirr_mouse_event &e)
{
    int d = e.wheel_delta <= 0 ? 1 : e.wheel_delta;
    int old_total = wheel_total_;
    wheel_total_ += e.wheel_rotation;
    int steps = old_total / d - wheel_total_ / d;
    if (steps == 0)
        return false;
    if (owner_) {
        owner_->lock_scrollback();
        if (steps < 0)
            owner_->scroll_up(3);
        else
            owner_->scroll_down(3);
    }
    return true;
}

void xirr_textctrl_core::keep_drag_ticker_running()
{
    if (ticker_.steps_left() <= 0) {
        ticker_.start(15, 15);
        want_animation();
    } else if (ticker_.steps_left() <= 14) {
        ticker_.start(15, 15);
    }
}

void xirr_textctrl_core::handle_drag_motion(const xirr_mouse_event &e, const xirr_text_position &place)
{
    drag_point_ = place;
    const int H = view_height_;
    if (e.y < 0) {
        drag_rate_ = (e.y * 2 * line_height_) / H;
        keep_drag_ticker_running();
        translate_xy_to_line_and_offset(0, 0, &drag_point_.row, &drag_point_.offset);
    } else if (e.y > H) {
        drag_rate_ = ((e.y - H) * 2 * line_height_) / H;
        keep_drag_ticker_running();
        translate_xy_to_line_and_offset(0, 2 * H, &drag_point_.row, &drag_point_.offset);
    } else if (drag_point_ != anchor_ && owner_) {
        owner_->lock_scrollback();
    }
}

void xirr_textctrl_core::handle_mouse(const xirr_mouse_event &e)
{
    drag_rate_ = 0;
    bool any_held = e.left_held || e.middle_held || e.right_held;
    bool left_release = e.kind == xirr_mouse_event::left_up;
    if (!any_held && e.wheel_rotation == 0 && !left_release)
        return;
    if (url_click_latch_) {
        if (left_release)
            url_click_latch_ = false;
        return;
    }
    if (e.wheel_rotation != 0 && handle_wheel(e))
        return;
    if (e.right_held || e.middle_held) {
        if (owner_)
            owner_->unlock_scrollback();
        return;
    }
    if (!e.left_held && !left_release)
        return;
    xirr_text_position place;
    hit_test_pointer(e, &place);
    if (e.kind == xirr_mouse_event::left_down) {
        if (url_clicked_on(place.row, place.offset))
            return;
        selecting_ = true;
        selection_shown_ = 0;
        anchor_ = drag_point_ = place;
        want_repaint();
        want_mouse_capture(true);
    } else if (e.kind == xirr_mouse_event::motion && e.left_held && selecting_) {
        // Only a drag that began with a press here selects: once the
        // selection was cleared under a held button (Escape, a clear, a new
        // layout) the anchor is gone, and dragging on would select from the
        // first row of the scrollback.
        handle_drag_motion(e, place);
    } else if (left_release) {
        if (selecting_) {
            selecting_ = false;
            drag_point_ = place;
        }
        // Whatever ended the selecting meanwhile, the capture taken at the
        // press must not outlive the button.
        want_mouse_capture(false);
    }
    update_selection_from_drag();
}

void xirr_textctrl_core::mouse_capture_lost()
{
    if (selection_shown_)
        take_selection_from_drag();
    selection_shown_ = 0;
    selecting_ = false;
}

// ---------------------------------------------------------------- flashes

rgb_color xirr_textctrl_core::GetColorFromHexString(const char *text)
{
    return xirr_color_flash::GetColorFromHexString(text);
}

void xirr_textctrl_core::parse_colorflash(const char *arguments)
{
    int steps = flashes_.parse(arguments);
    if (steps < 0)
        return;
    background_ = flashes_.blend(base_background_);
    if (ticker_.steps_left() <= 0) {
        ticker_.start(steps, 15);
        want_animation();
    } else if (ticker_.steps_left() < steps) {
        ticker_.start(steps, 15);
    }
    if (ticker_.take_change())
        want_redraw_now();
}

bool xirr_textctrl_core::drag_scroll_step()
{
    if (drag_rate_ == 0 || ticker_.steps_left() % 4 != 1)
        return false;
    if (ticker_.steps_left() <= 3)
        ticker_.start(4, 15);
    if (!owner_)
        return true;
    owner_->lock_scrollback();
    if (drag_rate_ < 0) {
        owner_->scroll_up(-drag_rate_);
        translate_xy_to_line_and_offset(0, 0, &drag_point_.row, &drag_point_.offset);
    } else {
        owner_->scroll_down(drag_rate_);
        translate_xy_to_line_and_offset(0, 4 * view_height_, &drag_point_.row, &drag_point_.offset);
    }
    update_selection_from_drag();
    return true;
}

bool xirr_textctrl_core::animate(int elapsed_ms)
{
    ticker_.advance(elapsed_ms);
    bool busy = false;
    if (!flashes_.empty()) {
        background_ = flashes_.blend(base_background_);
        busy = true;
    }
    if (drag_scroll_step())
        busy = true;
    if (busy && ticker_.take_change())
        want_redraw_now();
    return ticker_.steps_left() > 0;
}
