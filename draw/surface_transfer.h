#ifndef SKIFF_DRAW_SURFACE_TRANSFER_H
#define SKIFF_DRAW_SURFACE_TRANSFER_H

#include <cstddef>

class wxBitmap;
class wxDC;
class wxImage;
class xirr_bitmap;

// Moving pixels between xirr_bitmap and the toolkit.  GUI thread only.

// Copies the surface's colour (alpha ignored) into `target`, re-creating it
// only when its size differs, so a panel can keep one for every redraw.
// False when the surface has no pixels or the toolkit refuses the bitmap.
bool upload_surface(const xirr_bitmap &surface, wxBitmap &target);

// Draws the surface at (x, y) of the context, without mask, through the
// caller's reusable upload bitmap.
bool blit_surface(wxDC &dc, const xirr_bitmap &surface, int x, int y, wxBitmap &upload);

// The surface as a toolkit image (colour only), e.g. for saving.
bool surface_to_image(const xirr_bitmap &surface, wxImage &image);

// Takes a decoded image's pixels and alpha as they are (opaque without an
// alpha plane).
bool surface_from_image(const wxImage &image, xirr_bitmap &surface);

// Decodes PNG bytes (e.g. a built-in resource) into the surface.
bool surface_from_png(const unsigned char *data, size_t size, xirr_bitmap &surface);

#endif
