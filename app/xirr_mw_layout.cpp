// The main frame's panel layout and background picture.
#include <wx/window.h>

#include "app/panel_layout.h"
#include "app/xirr_mw.h"
#include "config/skiff_config.h"
#include "draw/themes.h"
#include "input/xirr_direction_buttons.h"
#include "input/xirr_fkey_manager.h"
#include "input/xirr_hint_buttons.h"
#include "input/xirr_input_window.h"
#include "text/xirr_channel_window.h"
#include "text/xirr_main_window.h"

static void place_panel(xirr_embedded_window *panel, const panel_rect &r)
{
    if (panel && r.placed)
        panel->place(r.x, r.y, r.width, r.height);
}

static void place_group(xirr_transparent_window *group, const panel_rect &r)
{
    if (group && r.placed)
        group->set_rect(r.x, r.y, r.width, r.height);
}

void xirr_mw::apply_button_visibility()
{
    SkiffConfig &c = config();
    direction_buttons_->set_visible(c.get_direction_button_enable() != 0);
    hint_buttons_->set_visible(c.get_hint_button_enable() != 0);
    fkey_bar_->set_visible(c.get_fkey_button_display() != 0);
}

void xirr_mw::layout_panels()
{
    rebuild_background(false);
    apply_button_visibility();
    SkiffConfig &c = config();
    panel_layout_input in;
    in.width = client_width();
    in.height = client_height();
    if (in.width == 0 || in.height == 0) {
        in.width = remembered_width_;
        in.height = remembered_height_;
    }
    in.current_layout = c.get_current_layout();
    in.direction_buttons = c.get_direction_button_enable() != 0;
    in.hint_buttons = c.get_hint_button_enable() != 0;
    in.fkey_bar = c.get_fkey_button_display() != 0;
    in.input_height = c.get_input_height();
    in.channel_window = is_logged_in() && c.get_channel_window_enable() != 0;
    in.channel_window_height = c.get_channel_window_height();
    place_panels(compute_panel_layout(in));
    main_output_->unlock_scrollback();
}

void xirr_mw::place_panels(const panel_layout &layout)
{
    place_group(direction_buttons_, layout.direction_buttons);
    place_group(hint_buttons_, layout.hint_buttons);
    place_group(fkey_bar_, layout.fkey_bar);
    place_panel(input_window_, layout.input);
    place_panel(main_output_, layout.main_output);
    place_group(channel_window_, layout.channel_window);
    channel_window_->set_visible(layout.channel_window.placed);
}

void xirr_mw::reapply_layout()
{
    place_automap();
    place_group_display();
    rebuild_background(false);
    layout_panels();
    Refresh();
}

// The group display and the docked automap are placed here (side column
// or inside the main output) once the client has them.
void xirr_mw::place_group_display() {}
void xirr_mw::place_automap() {}
void xirr_mw::apply_automap_visibility() {}

void xirr_mw::rebuild_background(bool force)
{
    SkiffConfig &c = config();
    int style = c.get_theme_bg_setting();
    int theme = c.get_current_background_theme();
    int w = 0, h = 0;
    if (!background_needs_rebuild(background_, client_width(), client_height(), style, theme, force, &w, &h))
        return;
    background_surface_.reset(new xirr_bitmap(w, h));
    const background_theme *colors = active_background_theme;
    if (!colors)
        colors = background_themes[theme_index_of_value(theme)];
    background_theme none = {color_black, color_black, color_black};
    if (!colors)
        colors = &none;
    draw_background_pattern(*background_surface_, style, colors->c0, colors->c1, colors->c2);
    background_ = {true, w, h, style, theme};
}
