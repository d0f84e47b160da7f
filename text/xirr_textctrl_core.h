#ifndef SKIFF_TEXT_XIRR_TEXTCTRL_CORE_H
#define SKIFF_TEXT_XIRR_TEXTCTRL_CORE_H

#include <cstdint>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "draw/rgb_color.h"
#include "draw/xirr_flash_ticker.h"
#include "text/xirr_color_flash.h"
#include "text/xirr_text_store.h"

class xirr_bitmap;
class xirr_glyph_font;
class xirr_object_pool;

// One run of text in one colour: the text of one add_text call (newlines
// included) in the source list.  The first word is the pool's free-list link.
// Its width is not kept: layout sums the byte widths as it goes, and a
// field that is never read again would cost 8 bytes a run.
struct xirr_textctrl_chunk {
    xirr_textctrl_chunk *next;
    char *text;               // zero-terminated private copy in the view's text store
    uint32_t color;           // 0xRRGGBB
    uint32_t length : 31;     // bytes of text
    uint32_t printable : 1;   // every byte is printable ASCII or a newline
};

// A display row is a slice of the source text: `length` bytes starting at
// byte `offset` of chunk `first` and running on through the chunks after it.
// Rows share the source bytes instead of copying them, which keeps a stored
// line down to its bytes plus a few small records.
struct xirr_textctrl_line {
    xirr_textctrl_chunk *first;  // null while the row has never held text
    uint32_t offset;
    uint32_t length : 31;
    uint32_t hard_break : 1;     // the row ended at a newline of the text
};

// A place in the text: display row and byte offset within it.
struct xirr_text_position {
    int row;
    int offset;
    bool operator==(const xirr_text_position &o) const { return row == o.row && offset == o.offset; }
    bool operator!=(const xirr_text_position &o) const { return !(*this == o); }
    bool after(const xirr_text_position &o) const
    {
        return row > o.row || (row == o.row && offset > o.offset);
    }
};

// What the view asks of the display that embeds it.
class xirr_textctrl_owner {
public:
    virtual ~xirr_textctrl_owner() = default;
    virtual void lock_scrollback() = 0;
    virtual void unlock_scrollback() = 0;
    virtual void scroll_up(int rows) = 0;
    virtual void scroll_down(int rows) = 0;
};

// A mouse event as the view sees it, whatever toolkit delivered it.
struct xirr_mouse_event {
    enum kind_t { other, left_down, left_up, motion, wheel };
    kind_t kind = other;
    int x = 0, y = 0;
    bool left_held = false, middle_held = false, right_held = false;
    int wheel_rotation = 0;
    int wheel_delta = 120;
};

// The toolkit-free scrollback view: every piece of text written since the
// last clear (the source list), its word-wrapped display rows, scrolling,
// selection, URLs and colour flashes, painted into a pixel surface.  The
// window xirr_textctrl derives from it and supplies the window services
// through the want_* hooks.  Main thread only; the lock guards the rows and
// the source list.
class xirr_textctrl_core {
public:
    xirr_textctrl_core();
    virtual ~xirr_textctrl_core();
    xirr_textctrl_core(const xirr_textctrl_core &) = delete;
    xirr_textctrl_core &operator=(const xirr_textctrl_core &) = delete;

    // Text and layout.
    void add_text(const char *text);
    // The same for n bytes of text (which hold no zero byte).
    void add_text(const char *text, size_t n);
    void clear_text();
    void set_colors(const rgb_color &text, const rgb_color &background);
    // Measures the font (null: nothing is measured, every width 0) and lays
    // all text out again.
    void set_font(const xirr_glyph_font *font);
    void set_word_wrap(int on) { word_wrap_ = on != 0; }
    void set_top_anchored(int on) { top_anchored_ = on != 0; }
    int is_top_anchored() const { return top_anchored_; }
    void set_scroll_locked(int on) { scroll_locked_ = on != 0; }
    void set_owner_display(xirr_textctrl_owner *owner) { owner_ = owner; }
    // The client size the text is laid out and painted for; a new width lays
    // all text out again.  True when it did.
    bool set_view_size(int width, int height);
    void relayout_text();

    // Scrolling.
    int get_last_line() const { return last_row_; }
    int get_scroll_line() const { return scroll_; }
    void set_scroll_line(int row);
    int scroll_to_top_line(int row);
    void get_scroll_info(int *position, int *range, int *thumb) const;
    int get_visible_line_count() const;
    void get_max_char_size(int *width, int *height) const;
    int line_height() const { return line_height_; }
    int view_width() const { return view_width_; }
    int view_height() const { return view_height_; }

    // Selection, copying and URLs.
    int has_selection() const { return selection_shown_; }
    void clear_selection();
    bool is_selecting() const { return selecting_; }
    xirr_text_position selection_start() const { return sel_start_; }
    xirr_text_position selection_end() const { return sel_end_; }
    void translate_xy_to_line_and_offset(int x, int y, int *row, int *offset) const;
    int url_clicked_on(int row, int offset);
    void copy_selection_to_clipboard();
    void handle_mouse(const xirr_mouse_event &event);
    // The mouse capture was lost: keeps and copies what was selected.
    void mouse_capture_lost();

    // Colour flashes.
    void parse_colorflash(const char *arguments);
    static rgb_color GetColorFromHexString(const char *text);
    rgb_color current_background() const { return background_; }
    rgb_color base_background() const { return base_background_; }
    rgb_color current_text_color() const { return text_color_; }
    // One animation tick; true while the view must stay on the animation
    // list.
    bool animate(int elapsed_ms);
    const xirr_flash_ticker &ticker() const { return ticker_; }

    // Draws the whole view into a surface of the view's size.
    void paint(xirr_bitmap &surface);

    // Row access for tests, the diagnostic fill and the log: the bytes of a
    // display row (false when the row does not exist).
    bool row_text(int row, std::string *text) const;
    bool row_hard_break(int row) const;
    // The row as (colour 0xRRGGBB, bytes) pieces, one per source chunk.
    bool row_runs(int row, std::vector<std::pair<uint32_t, std::string>> *runs) const;
    int row_count() const { return row_count_; }
    int drag_scroll_rate() const { return drag_rate_; }
    // Heap bytes held for the text (store blocks, row table; chunks come from
    // the shared pool).
    size_t bytes_reserved() const;


protected:
    // Window services; the defaults do nothing so the core runs alone.
    virtual void want_repaint() {}
    virtual void want_redraw_now() {}
    virtual void want_animation() {}
    virtual void want_mouse_capture(bool capture) {}

private:
    // A walk over the bytes of a row slice.
    struct row_cursor {
        const xirr_textctrl_chunk *chunk;
        int offset;
    };

    // A break inside a row: bytes kept on the upper row, their width, and
    // where the lower row starts.
    struct row_break {
        int at;
        int upper_width;
        row_cursor cursor;
    };

    bool find_break(const xirr_textctrl_line &line, row_break *found) const;
    bool ensure_row(int row);
    void empty_row(int row);
    void layout_chunk(xirr_textctrl_chunk *chunk);
    void append_piece(xirr_textctrl_chunk *chunk, int offset, int length, long long width);
    void end_row_at_newline();
    void calc_break_position(int row);
    void follow_last_row();
    int stored_length(const unsigned char *text, size_t n) const;
    void store_text(const unsigned char *text, size_t n, char *out);
    void store_plain_text(const unsigned char *text, size_t n, char *out);
    void free_source_list();
    template <typename F> void for_each_piece(const xirr_textctrl_line &line, F f) const;

    void paint_rows(xirr_bitmap &surface);
    void paint_row(xirr_bitmap &surface, int row, int y);
    void selection_span(int row, int length, int *from, int *to) const;

    void hit_test_pointer(const xirr_mouse_event &event, xirr_text_position *place) const;
    bool handle_wheel(const xirr_mouse_event &event);
    void handle_drag_motion(const xirr_mouse_event &event, const xirr_text_position &place);
    void keep_drag_ticker_running();
    void update_selection_from_drag();
    void take_selection_from_drag();
    bool drag_scroll_step();

    xirr_textctrl_owner *owner_ = nullptr;
    rgb_color background_;
    rgb_color base_background_;
    rgb_color text_color_;
    const xirr_glyph_font *font_ = nullptr;
    int byte_widths_[256];
    int mono_width_ = 0;  // the width of every printable byte, 0 when they differ
    int line_height_ = 0;
    int view_width_ = 20;
    int view_height_ = 20;
    int last_layout_width_ = -1;
    bool top_anchored_ = false;
    int scroll_ = 0;
    bool scroll_locked_ = false;
    int drag_rate_ = 0;
    xirr_color_flash flashes_;
    bool url_click_latch_ = false;
    bool selecting_ = false;
    int selection_shown_ = 0;
    xirr_text_position sel_start_{0, 0}, sel_end_{0, 0};
    xirr_text_position anchor_{0, 0}, drag_point_{0, 0};
    int wheel_total_ = 0;
    xirr_flash_ticker ticker_;

    xirr_textctrl_chunk *source_head_ = nullptr;
    xirr_textctrl_chunk *source_tail_ = nullptr;
    xirr_text_store store_;
    int last_row_ = 0;
    int last_row_width_ = 0;
    int column_ = 0;
    bool skip_leading_newlines_ = true;
    bool word_wrap_ = true;

    xirr_textctrl_line *rows_ = nullptr;
    int row_capacity_ = 0;
    int row_count_ = 0;  // rows 0 .. row_count_ - 1 exist

    mutable std::mutex lock_;
};

#endif
