#include "draw/surface_transfer.h"

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/rawbmp.h>

#include "draw/xirr_bitmap.h"

#include <cstdlib>

// Writes the colour straight into the bitmap's own pixels; no intermediate
// image and no allocation while the size stays the same.
static bool copy_into_native(const xirr_bitmap &surface, wxBitmap &target)
{
    wxNativePixelData data(target);
    if (!data)
        return false;
    const int w = surface.GetWidth(), h = surface.GetHeight();
    wxNativePixelData::Iterator line(data);
    for (int y = 0; y < h; y++) {
        wxNativePixelData::Iterator p = line;
        const unsigned char *s = surface.row(y);
        for (int x = 0; x < w; x++, ++p, s += 4) {
            p.Red() = s[0];
            p.Green() = s[1];
            p.Blue() = s[2];
        }
        line.OffsetY(data, 1);
    }
    return true;
}

bool upload_surface(const xirr_bitmap &surface, wxBitmap &target)
{
    if (!surface.IsOk())
        return false;
    if (!target.IsOk() || target.GetWidth() != surface.GetWidth() ||
        target.GetHeight() != surface.GetHeight() || target.GetDepth() != 24) {
        target = wxBitmap(surface.GetWidth(), surface.GetHeight(), 24);
        if (!target.IsOk())
            return false;
    }
    if (copy_into_native(surface, target))
        return true;
    wxImage image;
    if (!surface_to_image(surface, image))
        return false;
    target = wxBitmap(image, 24);
    return target.IsOk();
}

bool blit_surface(wxDC &dc, const xirr_bitmap &surface, int x, int y, wxBitmap &upload)
{
    if (!upload_surface(surface, upload))
        return false;
    dc.DrawBitmap(upload, x, y, false);
    return true;
}

bool surface_to_image(const xirr_bitmap &surface, wxImage &image)
{
    if (!surface.IsOk())
        return false;
    const int w = surface.GetWidth(), h = surface.GetHeight();
    // wxImage takes ownership of malloc'd planes.
    unsigned char *rgb = (unsigned char *)malloc((size_t)w * h * 3);
    if (!rgb)
        return false;
    unsigned char *d = rgb;
    for (int y = 0; y < h; y++) {
        const unsigned char *s = surface.row(y);
        for (int x = 0; x < w; x++, s += 4, d += 3) {
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
        }
    }
    image = wxImage(w, h, rgb, false);
    return image.IsOk();
}

bool surface_from_image(const wxImage &image, xirr_bitmap &surface)
{
    if (!image.IsOk())
        return false;
    if (image.HasMask() && !image.HasAlpha()) {
        // Palette transparency arrives as a mask colour; icons need it as alpha.
        wxImage copy = image.Copy();
        copy.InitAlpha();
        return surface.assign_planes(copy.GetWidth(), copy.GetHeight(), copy.GetData(),
                                     copy.GetAlpha());
    }
    return surface.assign_planes(image.GetWidth(), image.GetHeight(), image.GetData(),
                                 image.HasAlpha() ? image.GetAlpha() : nullptr);
}

bool surface_from_png(const unsigned char *data, size_t size, xirr_bitmap &surface)
{
    if (!data || size == 0)
        return false;
    wxMemoryInputStream in(data, size);
    wxImage image;
    // A broken image is the caller's failure to report, not a message box.
    wxLogNull quiet;
    if (!image.LoadFile(in, wxBITMAP_TYPE_PNG))
        return false;
    return surface_from_image(image, surface);
}
