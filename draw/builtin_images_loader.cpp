// Decoding of the built-in images with the toolkit's PNG decoder.
#include <wx/image.h>
#include <wx/imagpng.h>

#include "draw/builtin_images.h"
#include "draw/surface_transfer.h"
#include "draw/xirr_bitmap.h"
#include "support/builtin_resources.h"
#include "support/debug_log.h"

namespace {

// The named resource as a new surface with its alpha, or null.
xirr_bitmap *decode_resource(const char *name)
{
    const builtin_resource *res = find_builtin_resource(name);
    xirr_bitmap *b = new xirr_bitmap();
    if (!res || !surface_from_png(res->data, res->size, *b)) {
        if (debug_level > 0)
            debug_log("Error in load_builtin_images(), cannot decode the built-in image '%s'.\n",
                      name);
        delete b;
        return nullptr;
    }
    return b;
}

} // namespace

int load_builtin_images()
{
    free_builtin_images();
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    int loaded = 0;
    logo_image = decode_resource(logo_image_name);
    loaded += logo_image != nullptr;
    status_icons.lock_icon = decode_resource(lock_icon_name);
    loaded += status_icons.lock_icon != nullptr;
    for (int i = 0; i < xirr_status_icons::icon_count; i++) {
        status_icons.icons[i] = decode_resource(status_icon_names[i]);
        loaded += status_icons.icons[i] != nullptr;
    }
    return loaded;
}
