#ifndef SKIFF_TEXT_XIRR_ANSI_PALETTE_H
#define SKIFF_TEXT_XIRR_ANSI_PALETTE_H

// The four text palettes.  Each holds 24 colours as 0xRRGGBB: entry =
// 3 x colour slot + intensity (0 dim, 1 normal, 2 bold), with the slots
// 0 white, 1 red, 2 yellow, 3 green, 4 cyan, 5 blue, 6 magenta, 7 default.
const int ansi_palette_size = 24;
const int ansi_palette_count = 4;

struct xirr_ansi_palette {
    const char *name;
    int colors[ansi_palette_size];
};

// Indexed by the font_colors_setting value: 0 "default", 1 "bright",
// 2 "ZMud-style", 3 "GMud-style".
extern const xirr_ansi_palette ansi_palettes[ansi_palette_count];

// The palette every display uses for text written from now on; starts at
// "default".  Main thread only.
extern const xirr_ansi_palette *current_ansi_palette;

// Makes palette n current; a value outside 0..3 selects "default".
void set_ansi_palette(int n);

#endif
