#ifndef SKIFF_TOOLS_DEMO_SERVER_DEMO_MAP_H
#define SKIFF_TOOLS_DEMO_SERVER_DEMO_MAP_H

#include <string>

// The demo world's rooms and the automap records drawn from them.

// Directions in exit-mask bit order: n ne e se s sw w nw up down.
const int demo_direction_count = 10;
extern const char *const demo_direction_names[demo_direction_count];

struct demo_room {
    const char *title;
    const char *description;
    const char *area;
    int x, y, level;  // map position; y grows southwards
    int terrain;
    int flags;        // automap room flags: 1 star, 2 paved, 4 dirt, 8 up, 16 down
    bool has_dummy;
    int exits[demo_direction_count];  // room index, or -1
};

const demo_room *demo_rooms();
int demo_room_count();

// Direction index for a word ("n", "north", "u" ...), or -1.
int demo_direction_from_word(const std::string &word);
// Ten-bit exit mask of a room (north 1 ... down 512).
int demo_exit_mask(int room);
// The "map" record's payload with the room at the centre of the grid.
std::string demo_map_payload(int room);

#endif
