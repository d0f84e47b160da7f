#ifndef SKIFF_TEXT_XIRR_ANSI_DISPLAY_CORE_H
#define SKIFF_TEXT_XIRR_ANSI_DISPLAY_CORE_H

#include <cstdint>
#include <string>

#include "draw/rgb_color.h"
#include "draw/xirr_flash_ticker.h"
#include "text/xirr_text_store.h"
#include "text/xirr_textctrl_core.h"

class xirr_bitmap;
class xirr_glyph_font;

// One entry of the render list: a run of text written with one set of
// attributes (it may hold newlines), in write order since the last clear.
struct xirr_render_list {
    xirr_render_list *next;
    char *text;          // zero-terminated, owned by the display
    uint32_t color_rgb;  // 0xRRGGBB the run was shown in
    int length;          // bytes of text
    unsigned char flags; // attribute flags: 0, 2 blink, 4 bold, 8 dim, 16 reverse
    unsigned char code;  // colour code: 0 default or 0x31-0x37
    rgb_color color() const { return rgb_color::from_rgb24(color_rgb); }
};

// The toolkit-free half of every text output: the ANSI parser, attributes
// and palettes, the render list, the per-line hook, scrolling and the scroll
// lock, and the frame.  It drives a xirr_textctrl_core view it does not own.
// The window xirr_ansi_display derives from it and supplies the toolkit
// parts through the want_* and scrollbar hooks.  Main thread only.
class xirr_ansi_display_core : public xirr_textctrl_owner {
public:
    enum { attr_normal = 0, attr_blink = 2, attr_bold = 4, attr_dim = 8, attr_reverse = 16 };

    explicit xirr_ansi_display_core(xirr_textctrl_core *view);
    ~xirr_ansi_display_core() override;
    xirr_ansi_display_core(const xirr_ansi_display_core &) = delete;
    xirr_ansi_display_core &operator=(const xirr_ansi_display_core &) = delete;

    xirr_textctrl_core *text_view() const { return view_; }

    // Text in.
    void write_ansi_data(const char *data, int length);
    void show_text(const char *text);
    // The same for n bytes of text (which hold no zero byte).
    void show_text(const char *text, size_t n);
    void process_ansi_code(int value, int final_byte);
    void process_ansi_color();
    void reset_attributes();
    void apply_sgr_codes(int a, int b);
    void clear_display();
    void suspend_updates() { suspended_ = true; }
    void resume_updates();
    void change_word_wrap(int on);
    // Measures the view's font again, re-applies the colour and repaints.
    void set_display_font(const xirr_glyph_font *font);
    void disable_scroll_lock(int on) { lock_disabled_ = on != 0; }

    // Scrolling and the scroll lock.
    void lock_scrollback() override;
    void unlock_scrollback() override;
    void scroll_by(int rows);
    void scroll_up(int n) override;
    void scroll_down(int n) override;
    void page_up();
    void page_down();
    void scroll_to_end();
    void scroll_display_to_line(int row);
    void on_scrollbar(int thumb_position);
    virtual int get_scrollbar_position();
    void update_scrollbar();
    void refresh_text();
    void refresh_all();
    int is_following() const { return following_; }
    int scroll_position() const { return scroll_; }
    // Wheel events received by the panel itself (outside the view).
    void handle_panel_wheel(int rotation, int delta);

    // The per-line hook.
    int has_partial_line() const { return !partial_line_.empty(); }
    void flush_partial_line();
    const std::string &partial_line() const { return partial_line_; }
    int has_new_data() const { return new_data_; }
    void clear_new_data() { new_data_ = false; }

    int has_selection() const { return view_->has_selection(); }
    void clear_selection() { view_->clear_selection(); }
    void parse_colorflash(const char *arguments) { view_->parse_colorflash(arguments); }

    // The render list, oldest first; close_pending_run() first makes it
    // complete (the log export does).
    void close_pending_run();
    const xirr_render_list *render_list() const { return render_head_; }
    int render_list_entries() const { return render_count_; }

    // The frame: border flag, blink, and its pixels in a W x H area.
    void set_border_flag(int on) { border_ = on != 0; }
    int border_flag() const { return border_; }
    void flash_border();
    bool animate_frame(int elapsed_ms);
    void paint_frame(xirr_bitmap &surface, int width, int height);

    // Writes 100000 random rows straight into the view; string_size is
    // reported as the size of the toolkit's string type.
    void debug_fill(int string_size);

    // Called with each completed line of text (without its newline).
    virtual void on_line(const char *text) {}

protected:
    // Toolkit services; the defaults do nothing so the core runs alone.
    virtual void set_scrollbar(int position, int thumb, int range, int page);
    virtual void want_view_repaint() {}
    virtual void want_panel_repaint() {}
    virtual void want_panel_redraw_now() {}
    virtual void want_panel_animation() {}
    virtual void want_status_bar_repaint();
    // Gives the keyboard focus back to the input line after the scrollbar.
    virtual void want_focus_back() {}

    int scrollbar_position_ = 0;

private:
    void flush_text_buffer(char *buffer, int *length);
    void parse_text_control_byte(unsigned char b, char *buffer, int *n);
    void parse_escape_byte(unsigned char b);
    void handle_single_byte_escape(unsigned char byte);
    void record_attributes(uint32_t color, int code, int flags);
    void record_text(const char *text, size_t n);
    void rerender_flush();
    void rerender();
    void split_lines(const char *text, size_t n);
    void give_view_colors(uint32_t color, int flags);
    void free_render_list();

    xirr_textctrl_core *view_;
    bool border_ = true;
    bool following_ = true;
    bool lock_disabled_ = false;
    int scroll_ = 0;
    int wheel_total_ = 0;
    bool suspended_ = false;
    bool new_data_ = false;

    int parser_state_ = 1;      // 1 text, 2 escape
    int escape_step_ = 0;       // 0 after ESC, 1 after ESC [
    uint32_t escape_value_ = 0; // digits accumulated in base 16

    int flags_ = 0, code_ = 0;
    int last_flags_ = 0, last_code_ = 0;
    uint32_t current_color_ = 0;
    int current_flags_ = 0, current_code_ = 0;
    std::string pending_text_;
    uint32_t pending_color_ = 0;
    int pending_flags_ = 0, pending_code_ = 0;
    std::string partial_line_;

    xirr_render_list *render_head_ = nullptr;
    xirr_render_list *render_tail_ = nullptr;
    int render_count_ = 0;
    xirr_text_store render_store_;

    xirr_flash_ticker frame_ticker_;
};

#endif
