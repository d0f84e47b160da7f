#include "draw/builtin_images.h"

#include "draw/xirr_bitmap.h"

xirr_bitmap *logo_image = nullptr;
xirr_status_icons status_icons;

const char *const logo_image_name = "logo.png";
const char *const lock_icon_name = "lock.png";
const char *const status_icon_names[xirr_status_icons::icon_count] = {
    "status_not_wielding.png", "status_asleep.png", "status_burning_hands.png",
    "status_shocking_grasp.png", "status_sickening_touch.png",
};

void free_builtin_images()
{
    delete logo_image;
    logo_image = nullptr;
    delete status_icons.lock_icon;
    status_icons.lock_icon = nullptr;
    for (xirr_bitmap *&icon : status_icons.icons) {
        delete icon;
        icon = nullptr;
    }
}
