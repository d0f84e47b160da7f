#include "text/xirr_main_window_core.h"

#include "app/frame_services.h"
#include "text/wildcard_match.h"

const char *const rebuild_maps_pattern = "* imms: rebuild please";

main_window_corner corner_of_text_area(int view_width, int view_height)
{
    main_window_corner c;
    const int margin = 10;
    c.width = view_width / 5;
    c.height = 0;
    c.x = view_width - c.width - margin;
    c.y = margin;
    return c;
}

main_window_corner corner_with_automap(int view_width, int map_scale, int automap_width,
                                       int automap_height)
{
    main_window_corner c;
    int margin = 2 * map_scale;
    c.width = automap_width;
    c.height = automap_height;
    c.x = view_width - c.width - margin;
    c.y = margin;
    return c;
}

bool main_window_line_hook(const char *line, frame_services *services)
{
    // The captures are not used, but the matcher is given room for them.
    char buffers[wildcard_captures::count][256];
    wildcard_captures captures;
    for (int i = 0; i < wildcard_captures::count; i++) {
        captures.buffer[i] = buffers[i];
        captures.size[i] = static_cast<int>(sizeof buffers[i]);
    }
    if (!wildcard_match(rebuild_maps_pattern, line, &captures))
        return false;
    if (services) {
        services->process_command_line("aset remap", true);
        services->process_command_line(
            "imm in progress, please wait approximately two minutes for maps to be built and "
            "transfer",
            true);
    }
    return true;
}
