#include "tools/skiff-demo-server/demo_map.h"

const char *const demo_direction_names[demo_direction_count] = {
    "north", "northeast", "east", "southeast", "south", "southwest", "west", "northwest", "up", "down"};

static const char *const short_names[demo_direction_count] = {"n", "ne", "e", "se", "s",
                                                              "sw", "w", "nw", "u", "d"};

//                       n  ne   e  se   s  sw   w  nw   u   d
static const demo_room rooms[] = {
    {"The Village Square", "Cobbles worn smooth by many feet surround an old stone well.", "Veymoor Village",
     0, 0, 0, 1, 3, false, {1, -1, 2, -1, 3, -1, 4, -1, -1, -1}},
    {"North Road", "A paved road leads north towards the city gate.", "Veymoor Village",
     0, -1, 0, 1, 2, false, {5, -1, -1, -1, 0, -1, -1, -1, -1, -1}},
    {"The Old Inn", "A fire crackles in the hearth.  A ladder leads up to the attic.", "Veymoor Village",
     1, 0, 0, 2, 8, false, {-1, -1, -1, -1, -1, -1, 0, -1, 6, -1}},
    {"The Harbour", "Gulls cry above the fishing boats.  A pier runs east.", "Veymoor Harbour",
     0, 1, 0, 3, 4, false, {0, -1, 7, -1, -1, -1, -1, -1, -1, -1}},
    {"The Market", "Stalls of fruit and cloth crowd the square.  A straw dummy stands in a corner.",
     "Veymoor Village", -1, 0, 0, 1, 0, true, {-1, -1, 0, -1, -1, -1, -1, -1, -1, -1}},
    {"City Gate", "Two bored guards lean on their spears.  The road beyond is closed today.",
     "Veymoor Village", 0, -2, 0, 1, 2, false, {-1, -1, -1, -1, 1, -1, -1, -1, -1, -1}},
    {"The Inn Attic", "Dusty crates and a small round window.", "Veymoor Village",
     1, 0, 1, 2, 16, false, {-1, -1, -1, -1, -1, -1, -1, -1, -1, 2}},
    {"The Pier", "Planks creak under your feet; the sea stretches away to the east.", "Veymoor Harbour",
     1, 1, 0, 4, 0, false, {-1, -1, -1, -1, -1, -1, 3, -1, -1, -1}},
};

const demo_room *demo_rooms()
{
    return rooms;
}

int demo_room_count()
{
    return static_cast<int>(sizeof(rooms) / sizeof(rooms[0]));
}

int demo_direction_from_word(const std::string &word)
{
    for (int d = 0; d < demo_direction_count; ++d)
        if (word == short_names[d] || word == demo_direction_names[d])
            return d;
    return -1;
}

int demo_exit_mask(int room)
{
    int mask = 0;
    for (int d = 0; d < demo_direction_count; ++d)
        if (rooms[room].exits[d] >= 0)
            mask |= 1 << d;
    return mask;
}

namespace {

const int grid = 23;
const int centre = 11;

// The room drawn at grid cell (row, col) around the centre room, or -1.
int room_at(int centre_room, int row, int col)
{
    if (row % 2 == 0 || col % 2 == 0)
        return -1;
    const demo_room &c = rooms[centre_room];
    int x = c.x + (col - centre) / 2;
    int y = c.y + (row - centre) / 2;
    for (int i = 0; i < demo_room_count(); ++i)
        if (rooms[i].level == c.level && rooms[i].x == x && rooms[i].y == y)
            return i;
    return -1;
}

// Connector between two rooms: 1 an opening, 4 a wall, 0 nothing to draw.
char connector(int a, int b, int direction_from_a)
{
    if (a < 0 && b < 0)
        return '@';
    if (a >= 0 && b >= 0 && rooms[a].exits[direction_from_a] == b)
        return 'A';
    return 'D';
}

std::string vertical_connectors(int room)
{
    std::string out;
    for (int row = 0; row < grid; row += 2) {
        for (int col = 1; col < grid; col += 2)
            out += connector(room_at(room, row - 1, col), room_at(room, row + 1, col), 4);
        out += '\n';
    }
    return out;
}

std::string horizontal_connectors(int room)
{
    std::string out;
    for (int row = 1; row < grid; row += 2) {
        for (int col = 0; col < grid; col += 2)
            out += connector(room_at(room, row, col - 1), room_at(room, row, col + 1), 2);
        out += '\n';
    }
    return out;
}

// Corners: 4 (no diagonal passage) next to any room.
std::string corners(int room)
{
    std::string out;
    for (int row = 0; row < grid; row += 2) {
        for (int col = 0; col < grid; col += 2) {
            bool near = room_at(room, row - 1, col - 1) >= 0 || room_at(room, row - 1, col + 1) >= 0 ||
                        room_at(room, row + 1, col - 1) >= 0 || room_at(room, row + 1, col + 1) >= 0;
            out += near ? 'D' : '@';
        }
        out += '\n';
    }
    return out;
}

std::string room_cells(int room)
{
    std::string out;
    for (int row = 1; row < grid; row += 2) {
        for (int col = 1; col < grid; col += 2) {
            int r = room_at(room, row, col);
            if (r < 0) {
                out += "@@@@";
                continue;
            }
            int flags = rooms[r].flags | (r == room ? 1 : 0);
            out += static_cast<char>('@' + rooms[r].terrain);
            out += static_cast<char>('@' + flags);
            out += static_cast<char>('A' + r);  // the texture seed, never 0
            out += '@';
        }
        out += '\n';
    }
    return out;
}

}  // namespace

std::string demo_map_payload(int room)
{
    // No slide ('Z' is not a slide code), then the five sections.
    return "Z" + vertical_connectors(room) + horizontal_connectors(room) + corners(room) + corners(room) +
           room_cells(room);
}
