#include "text/xirr_text_hooks.h"

xirr_text_frame_hooks *the_text_frame_hooks = nullptr;
const xirr_glyph_font *the_main_text_font = nullptr;
