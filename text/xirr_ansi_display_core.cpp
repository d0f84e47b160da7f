#include "text/xirr_ansi_display_core.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "draw/xirr_bitmap.h"
#include "support/debug_log.h"
#include "support/random.h"
#include "text/xirr_ansi_palette.h"
#include "text/xirr_byte_scan.h"
#include "text/xirr_text_hooks.h"

namespace {

// One flag for the whole program: text written while any display's on_line
// runs must not re-enter a line splitter.
bool line_hook_guard = false;

const int text_buffer_size = 256;
const rgb_color reverse_background(64, 64, 64);

// Palette slot of a colour code; -1 for a code outside the table.
int color_slot(int code)
{
    switch (code) {
    case 0: return 7;     // terminal default
    case 0x37: return 0;  // white
    case 0x31: return 1;  // red
    case 0x33: return 2;  // yellow
    case 0x32: return 3;  // green
    case 0x36: return 4;  // cyan
    case 0x34: return 5;  // blue
    case 0x35: return 6;  // magenta
    default: return -1;
    }
}

// Printable ASCII, 0x20-0x7E.
inline bool is_plain_byte(unsigned char b)
{
    return static_cast<unsigned char>(b - 0x20) < 0x5F;
}

bool is_shown_byte(unsigned char b)
{
    return b == '\t' || (b >= 0x1C && b <= 0x7E && b != 0x1B) || b >= 0x80;
}

} // namespace

xirr_ansi_display_core::xirr_ansi_display_core(xirr_textctrl_core *view) : view_(view)
{
    view_->set_owner_display(this);
    pending_text_.reserve(text_buffer_size);
    reset_attributes();
}

xirr_ansi_display_core::~xirr_ansi_display_core()
{
    if (view_)
        view_->set_owner_display(nullptr);
}

// ---------------------------------------------------------------- parser

void xirr_ansi_display_core::flush_text_buffer(char *buffer, int *length)
{
    if (*length == 0)
        return;
    int n = *length;
    *length = 0;
    show_text(buffer, n);
}

void xirr_ansi_display_core::write_ansi_data(const char *data, int length)
{
    if (!data || length <= 0)
        return;
    new_data_ = true;
    char buffer[text_buffer_size + 2];
    int n = 0;
    const unsigned char *p = reinterpret_cast<const unsigned char *>(data);
    const unsigned char *end = p + length;
    while (p < end) {
        if (parser_state_ != 1) {
            parse_escape_byte(*p++);
        } else if (is_plain_byte(*p)) {
            // Plain text, the common case: copy the whole run at once.
            size_t room = static_cast<size_t>(text_buffer_size - n);
            size_t left = static_cast<size_t>(end - p);
            size_t run = first_non_printable(p, left < room ? left : room);
            memcpy(buffer + n, p, run);
            n += static_cast<int>(run);
            p += run;
            if (n >= text_buffer_size)
                flush_text_buffer(buffer, &n);
        } else {
            parse_text_control_byte(*p++, buffer, &n);
        }
    }
    flush_text_buffer(buffer, &n);
}

// Parser state 1 (text), for every byte that is not plain text.
void xirr_ansi_display_core::parse_text_control_byte(unsigned char b, char *buffer, int *n)
{
    if (b == 0x1B) {  // ESC: start of a sequence
        flush_text_buffer(buffer, n);
        parser_state_ = 2;
        escape_step_ = 0;
        escape_value_ = 0;
    } else if (b == '\n') {  // end of line: the colour is settled
        buffer[(*n)++] = '\n';
        flush_text_buffer(buffer, n);
        process_ansi_color();
    } else if (is_shown_byte(b)) {  // tab, 0x1C-0x1F, high bytes
        buffer[(*n)++] = b >= 0x80 ? '.' : static_cast<char>(b);
        if (*n >= text_buffer_size)
            flush_text_buffer(buffer, n);
    }
    // Every other control byte (CR and BEL among them) is dropped.
}

// Parser state 2 (escape).
void xirr_ansi_display_core::parse_escape_byte(unsigned char b)
{
    if (escape_step_ == 0) {  // after ESC
        if (b == '[') {
            escape_step_ = 1;
        } else {
            parser_state_ = 1;
            handle_single_byte_escape(b);
        }
    } else if (b >= '0' && b <= '9') {  // CSI parameter digit, read as hex
        escape_value_ = escape_value_ * 16 + (b - '0');
    } else {  // CSI final byte (";" included: one parameter only)
        parser_state_ = 1;
        process_ansi_code(static_cast<int>(escape_value_), b);
    }
}

void xirr_ansi_display_core::handle_single_byte_escape(unsigned char byte)
{
    if (byte != 'c') {
        if (debug_level > 1)
            debug_log("process_ansi_code(1) - got unhandled code %d.\n", byte);
        return;
    }
    // ESC c: scroll everything out of sight.
    reset_attributes();
    int newlines = 2 * view_->get_visible_line_count() + 1;
    for (int i = 0; i < newlines; i++)
        show_text("\n");
}

void xirr_ansi_display_core::process_ansi_code(int value, int final_byte)
{
    if (final_byte != 'm') {
        if (debug_level > 1)
            debug_log("process_ansi_code(2) - ignoring unhandled code %d.\n", final_byte);
        return;
    }
    switch (value) {
    case 0x00: flags_ = attr_normal; code_ = 0; break;
    case 0x01: flags_ = attr_bold; break;
    case 0x02: flags_ = attr_dim; break;
    case 0x05: flags_ = attr_blink; break;
    case 0x07: flags_ = attr_reverse; break;
    case 0x22: flags_ = attr_normal; break;
    case 0x31: case 0x32: case 0x33: case 0x34: case 0x35: case 0x36: case 0x37:
        code_ = value;
        break;
    default:
        if (debug_level > 1)
            debug_log("error in xirr_ansi_display::process_ansi_code() - bad value '%d'.\n", value);
        break;
    }
    process_ansi_color();
}

void xirr_ansi_display_core::process_ansi_color()
{
    // Checked first: every newline comes here, and the code is always one
    // of the table's (only the table sets it).
    if (flags_ == last_flags_ && code_ == last_code_)
        return;
    int slot = color_slot(code_);
    if (slot < 0) {
        if (debug_level > 1)
            debug_log("error in xirr_ansi_display::process_ansi_color() - bad color '%d'?\n", code_);
        return;
    }
    int intensity = (flags_ & attr_bold) ? 2 : (flags_ & attr_dim) ? 0 : 1;
    uint32_t color = static_cast<uint32_t>(current_ansi_palette->colors[3 * slot + intensity]);
    record_attributes(color, code_, flags_);
    if (!suspended_)
        give_view_colors(color, flags_);
    last_flags_ = flags_;
    last_code_ = code_;
}

void xirr_ansi_display_core::give_view_colors(uint32_t color, int flags)
{
    view_->set_colors(rgb_color::from_rgb24(color),
                      (flags & attr_reverse) ? reverse_background : rgb_color(0, 0, 0));
}

// The detour through yellow makes sure white is applied even when it is
// already current.
void xirr_ansi_display_core::reset_attributes()
{
    flags_ = attr_normal;
    code_ = 0x33;
    process_ansi_color();
    code_ = 0x37;
    process_ansi_color();
}

void xirr_ansi_display_core::apply_sgr_codes(int a, int b)
{
    process_ansi_code(a, 'm');
    process_ansi_code(b, 'm');
}

// ---------------------------------------------------------------- runs

void xirr_ansi_display_core::record_attributes(uint32_t color, int code, int flags)
{
    current_color_ = color;
    current_code_ = code;
    current_flags_ = flags;
    if (pending_text_.empty()) {
        pending_color_ = color;
        pending_code_ = code;
        pending_flags_ = flags;
    }
}

void xirr_ansi_display_core::record_text(const char *text, size_t n)
{
    if (n == 0)
        return;
    if (current_flags_ != pending_flags_ || current_color_ != pending_color_)
        rerender_flush();
    pending_text_.append(text, n);
}

void xirr_ansi_display_core::rerender_flush()
{
    if (pending_text_.empty()) {
        if (debug_level > 1)
            debug_log("xirr_ansi_display - rerender_flush() - temp space was empty, WTF?\n");
        return;
    }
    size_t n = pending_text_.size();
    void *memory = render_store_.allocate_record(sizeof(xirr_render_list) + n + 1);
    if (!memory) {
        if (debug_level > 0)
            debug_log("Error in xirr_ansi_display::rerender_flush(), out of memory for %zu bytes.\n", n);
        return;
    }
    auto *entry = new (memory) xirr_render_list;
    entry->next = nullptr;
    entry->text = reinterpret_cast<char *>(entry + 1);
    memcpy(entry->text, pending_text_.data(), n);
    entry->text[n] = 0;
    entry->length = static_cast<int>(n);
    entry->color_rgb = pending_color_;
    entry->flags = static_cast<unsigned char>(pending_flags_);
    entry->code = static_cast<unsigned char>(pending_code_);
    if (render_tail_)
        render_tail_->next = entry;
    else
        render_head_ = entry;
    render_tail_ = entry;
    render_count_++;
    pending_text_.clear();
    // One huge run must not pin its buffer for the rest of the session.
    if (pending_text_.capacity() > 65536)
        pending_text_.shrink_to_fit();
    pending_color_ = current_color_;
    pending_code_ = current_code_;
    pending_flags_ = current_flags_;
}

void xirr_ansi_display_core::close_pending_run()
{
    if (!pending_text_.empty())
        rerender_flush();
}

void xirr_ansi_display_core::free_render_list()
{
    render_head_ = render_tail_ = nullptr;
    render_count_ = 0;
    render_store_.reset();
}

// ---------------------------------------------------------------- showing

void xirr_ansi_display_core::show_text(const char *text)
{
    if (text)
        show_text(text, strlen(text));
}

void xirr_ansi_display_core::show_text(const char *text, size_t n)
{
    if (!text)
        return;
    record_text(text, n);
    if (!suspended_)
        view_->add_text(text, n);
    if (line_hook_guard)
        return;
    line_hook_guard = true;
    split_lines(text, n);
    line_hook_guard = false;
}

void xirr_ansi_display_core::split_lines(const char *text, size_t n)
{
    while (n > 0) {
        const char *nl = static_cast<const char *>(memchr(text, '\n', n));
        if (!nl) {
            partial_line_.append(text, n);
            return;
        }
        partial_line_.append(text, nl - text);
        on_line(partial_line_.c_str());
        partial_line_.clear();
        n -= nl + 1 - text;
        text = nl + 1;
    }
}

void xirr_ansi_display_core::flush_partial_line()
{
    if (partial_line_.empty() || line_hook_guard)
        return;
    line_hook_guard = true;
    on_line(partial_line_.c_str());
    partial_line_.clear();
    line_hook_guard = false;
}

void xirr_ansi_display_core::clear_display()
{
    close_pending_run();
    free_render_list();
    if (!suspended_)
        view_->clear_text();
    pending_color_ = current_color_ = 0;
    pending_flags_ = current_flags_ = 0;
    pending_code_ = current_code_ = 0;
    reset_attributes();
}

// The view ends up in the current attributes' colours: attribute changes
// made while updates were suspended never reached it, and the last entry's
// colours are not necessarily the current ones.
void xirr_ansi_display_core::rerender()
{
    close_pending_run();
    view_->clear_text();
    for (const xirr_render_list *e = render_head_; e; e = e->next) {
        give_view_colors(e->color_rgb, e->flags);
        view_->add_text(e->text);
    }
    give_view_colors(current_color_, current_flags_);
    scroll_to_end();
}

void xirr_ansi_display_core::resume_updates()
{
    if (!suspended_) {
        if (debug_level > 1)
            debug_log("Error in xirr_ansi_display::resume_updates(), updates were not suspended?\n");
        return;
    }
    suspended_ = false;
    rerender();
    want_panel_repaint();
}

void xirr_ansi_display_core::change_word_wrap(int on)
{
    view_->set_word_wrap(on);
    rerender();
}

void xirr_ansi_display_core::set_display_font(const xirr_glyph_font *font)
{
    view_->set_font(font);
    // Laying the text out again leaves a locked view at its first row, which
    // stands alone at the bottom edge; show the end, as locking does.
    if (!following_ && !view_->is_top_anchored())
        scroll_to_end();
    last_flags_ = -1;
    process_ansi_color();
    update_scrollbar();
    want_panel_repaint();
    want_view_repaint();
}

// ---------------------------------------------------------------- scrolling

void xirr_ansi_display_core::scroll_to_end()
{
    int last = view_->get_last_line();
    int position = view_->is_top_anchored() ? last - view_->get_visible_line_count() + 1 : last;
    scroll_ = position;
    view_->set_scroll_line(position);
    update_scrollbar();
}

void xirr_ansi_display_core::scroll_by(int rows)
{
    int last = view_->get_last_line(), v = view_->get_visible_line_count();
    int low = v - 1, high = last;
    if (view_->is_top_anchored()) {
        low = 0;
        high = last - v + 1;
    }
    int position = scroll_ + rows;
    if (position < low)
        position = low;
    if (position > high)
        position = high;
    if (position == high)
        unlock_scrollback();
    // Later steps start from here.
    scroll_ = position;
    view_->set_scroll_line(position);
    update_scrollbar();
}

void xirr_ansi_display_core::scroll_up(int n)
{
    int k = view_->get_visible_line_count() * 50 / 100;
    if (k > n)
        k = n;
    scroll_by(k < 1 ? -1 : -k);
}

void xirr_ansi_display_core::scroll_down(int n)
{
    int k = view_->get_visible_line_count() * 50 / 100;
    if (k > n)
        k = n;
    scroll_by(k < 1 ? 1 : k);
}

void xirr_ansi_display_core::page_up()
{
    int k = view_->get_visible_line_count() * 50 / 100;
    scroll_by(k < 1 ? -1 : -k);
}

void xirr_ansi_display_core::page_down()
{
    int k = view_->get_visible_line_count() * 50 / 100;
    scroll_by(k < 1 ? 1 : k);
}

void xirr_ansi_display_core::lock_scrollback()
{
    if (!following_)
        return;
    if (!lock_disabled_) {
        following_ = false;
        view_->set_scroll_locked(1);
        scroll_to_end();
    }
    refresh_all();
    want_status_bar_repaint();
}

void xirr_ansi_display_core::unlock_scrollback()
{
    if (following_)
        return;
    following_ = true;
    view_->set_scroll_locked(0);
    scroll_to_end();
    refresh_all();
    want_status_bar_repaint();
}

void xirr_ansi_display_core::scroll_display_to_line(int row)
{
    refresh_all();
    scroll_ = view_->scroll_to_top_line(row);
    update_scrollbar();
}

void xirr_ansi_display_core::on_scrollbar(int t)
{
    int v = view_->get_visible_line_count();
    int b = view_->get_last_line() + (view_->is_top_anchored() ? v : 0);
    if (b <= v) {
        scroll_ = t;
        unlock_scrollback();
    } else {
        scroll_ = view_->scroll_to_top_line(t);
        if (scroll_ >= b) {
            unlock_scrollback();
        } else {
            if (following_ && !lock_disabled_) {
                following_ = false;
                view_->set_scroll_locked(1);
            }
            refresh_all();
        }
    }
    want_focus_back();
}

int xirr_ansi_display_core::get_scrollbar_position()
{
    return scrollbar_position_;
}

void xirr_ansi_display_core::set_scrollbar(int position, int thumb, int range, int page)
{
    scrollbar_position_ = position;
}

// Set twice so that the toolkit always sees a change.
void xirr_ansi_display_core::update_scrollbar()
{
    int position, range, thumb;
    view_->get_scroll_info(&position, &range, &thumb);
    set_scrollbar(position - 1, thumb, range, thumb);
    set_scrollbar(position, thumb, range, thumb);
}

void xirr_ansi_display_core::refresh_text()
{
    want_view_repaint();
    update_scrollbar();
}

void xirr_ansi_display_core::refresh_all()
{
    want_panel_repaint();
    want_view_repaint();
}

void xirr_ansi_display_core::want_status_bar_repaint()
{
    if (the_text_frame_hooks)
        the_text_frame_hooks->repaint_status_bar();
}

// A rotation that does not complete a notch does nothing, as in the view.
void xirr_ansi_display_core::handle_panel_wheel(int rotation, int delta)
{
    if (rotation == 0)
        return;
    int d = delta <= 0 ? 1 : delta;
    int old_total = wheel_total_;
    wheel_total_ += rotation;
    int steps = old_total / d - wheel_total_ / d;
    if (steps == 0)
        return;
    lock_scrollback();
    if (steps < 0)
        scroll_up(3);
    else
        scroll_down(3);
}

// ---------------------------------------------------------------- frame

void xirr_ansi_display_core::flash_border()
{
    frame_ticker_.start(16, 200);
    want_panel_animation();
    if (frame_ticker_.take_change())
        want_panel_redraw_now();
}

bool xirr_ansi_display_core::animate_frame(int elapsed_ms)
{
    frame_ticker_.advance(elapsed_ms);
    if (frame_ticker_.take_change()) {
        want_panel_redraw_now();
        update_scrollbar();
    }
    return frame_ticker_.steps_left() > 0;
}

void xirr_ansi_display_core::paint_frame(xirr_bitmap &s, int W, int H)
{
    rgb_color inner(128, 128, 128), outer(255, 255, 255);
    if (border_ || frame_ticker_.take_change()) {
        if (frame_ticker_.steps_left() > 0) {
            int level = (frame_ticker_.steps_left() & 1) ? 255 : 0;
            inner = outer = rgb_color(level, level, level);
        } else if (!following_) {
            inner = rgb_color(192, 0, 0);
            outer = rgb_color(255, 0, 0);
        }
    }
    s.DrawLine(1, 1, W - 1, 1, inner);
    s.DrawLine(1, 1, 1, H - 1, inner);
    s.DrawLine(1, H - 2, W - 1, H - 2, inner);
    s.DrawLine(W - 2, 1, W - 2, H - 1, inner);
    s.DrawLine(0, 0, W, 0, outer);
    s.DrawLine(0, 0, 0, H, outer);
    s.DrawLine(0, H - 1, W, H - 1, outer);
    s.DrawLine(W - 1, 0, W - 1, H, outer);
}

// ---------------------------------------------------------------- diagnostics

void xirr_ansi_display_core::debug_fill(int string_size)
{
    char row[50 * 11 + 2];
    long count = 0;
    for (int r = 0; r < 100000; r++) {
        int words = random_below(50);
        for (int w = 0; w < words; w++) {
            int n = 1 + random_below(10);
            for (int i = 0; i < n; i++)
                row[i] = static_cast<char>('a' + n - i);
            row[n] = ' ';
            row[n + 1] = 0;
            count += n + 1;
            view_->set_colors(rgb_color(random_below(255), random_below(255), random_below(255)),
                              rgb_color(random_below(255), random_below(255), random_below(255)));
            view_->add_text(row);
        }
        view_->add_text("\n");
    }
    char message[100];
    snprintf(message, sizeof message, "%d characters written (%d kb).\n", static_cast<int>(count),
             static_cast<int>(count / 1000));
    view_->add_text(message);
    printf("size of xirr_textctrl_chunk %5d\n", static_cast<int>(sizeof(xirr_textctrl_chunk)));
    printf("size of xirr_textctrl_line  %5d\n", static_cast<int>(sizeof(xirr_textctrl_line)));
    printf("size of wxString            %5d\n", string_size);
    printf("size of xirr_render_list    %5d\n", static_cast<int>(sizeof(xirr_render_list)));
    printf("entries in render list   %8d\n", render_count_);
    fflush(stdout);
}
