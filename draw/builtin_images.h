#ifndef SKIFF_DRAW_BUILTIN_IMAGES_H
#define SKIFF_DRAW_BUILTIN_IMAGES_H

class xirr_bitmap;

// The seven images compiled into the program (resources/*.png), decoded
// once at start-up into surfaces that keep their alpha channel.
// GUI thread only.

// The status bar's images: the 21 x 21 scroll-lock icon and five 17 x 17
// state icons (not wielding, asleep, burning hands, shocking grasp,
// sickening touch).
struct xirr_status_icons {
    enum { icon_count = 5 };
    xirr_bitmap *lock_icon = nullptr;
    xirr_bitmap *icons[icon_count] = {};
};

// The 192 x 43 logo of the main frame's background; null until loaded.
extern xirr_bitmap *logo_image;
extern xirr_status_icons status_icons;

// Resource file names, in the order above.
extern const char *const logo_image_name;
extern const char *const lock_icon_name;
extern const char *const status_icon_names[xirr_status_icons::icon_count];

// Decodes every built-in image with the toolkit's PNG decoder (registering
// it when needed).  An image that cannot be decoded stays null and is logged.
// Returns the number of images decoded (7 when all went well).
int load_builtin_images();

// Frees the decoded images.
void free_builtin_images();

#endif
