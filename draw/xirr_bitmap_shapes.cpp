// Lines, circles and polygons of xirr_bitmap.
#include "draw/xirr_bitmap.h"

#include "draw/pixel_span.h"
#include "support/debug_log.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace {

typedef __int128 wide;

long long floor_div(wide a, long long b)
{
    wide q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        q--;
    return (long long)q;
}

long long abs_ll(long long v)
{
    return v < 0 ? -v : v;
}

// The steps k (0 .. m) of a walk a0 + a_step * k along an axis of length
// `limit` that land inside it; first > last when none does.  Walks are clipped
// this way so that a line with far-away end points costs no more than one
// across the surface.
void visible_steps(long long a0, int a_step, long long m, int limit, long long *first,
                   long long *last)
{
    long long lo, hi;
    if (a_step > 0) {
        lo = -a0;
        hi = limit - 1 - a0;
    } else {
        lo = a0 - (limit - 1);
        hi = a0;
    }
    *first = lo > 0 ? lo : 0;
    *last = hi < m ? hi : m;
}

int clamp_int(long long v)
{
    return v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : (int)v;
}

}  // namespace

void xirr_bitmap::DrawLine(int x1, int y1, int x2, int y2, const rgb_color &c)
{
    if (x1 == x2 && y1 == y2) {
        SetPixel(x1, y1, c);
        return;
    }
    if (!pixels_)
        return;
    long long dx = abs_ll((long long)x2 - x1), dy = abs_ll((long long)y2 - y1);
    bool x_major = dy < dx;
    // Always from the left (x-major) or upper (y-major) end, so both
    // directions give the same pixels.
    bool swap = x_major ? x1 > x2 : y1 > y2;
    long long a0 = x_major ? (swap ? x2 : x1) : (swap ? y2 : y1);
    long long b0 = x_major ? (swap ? y2 : y1) : (swap ? x2 : x1);
    long long b_end = x_major ? (swap ? y1 : y2) : (swap ? x1 : x2);
    long long m = x_major ? dx : dy, n = x_major ? dy : dx;
    int b_step = b_end > b0 ? 1 : -1;
    long long first, last;
    visible_steps(a0, 1, m, x_major ? width_ : height_, &first, &last);
    if (first > last)
        return;
    // Error after `first` pixels: m/2 - first*n brought back into [0, m)
    // by one addition of m per minor step.
    wide f = (wide)(m / 2) - (wide)first * n;
    long long j = -floor_div(f, m);
    long long err = (long long)(f + (wide)j * m);
    long long b = b0 + b_step * j;
    for (long long k = first; k <= last; k++) {
        long long a = a0 + k;
        if (x_major)
            SetPixel((int)a, clamp_int(b), c);
        else
            SetPixel(clamp_int(b), (int)a, c);
        err -= n;
        if (err < 0) {
            b += b_step;
            err += m;
        }
    }
}

void xirr_bitmap::DrawGradientLine(int x1, int y1, int x2, int y2, const rgb_color &start,
                                   const rgb_color &end)
{
    if (!pixels_)
        return;
    long long dx = (long long)x2 - x1, dy = (long long)y2 - y1;
    bool x_major = abs_ll(dy) < abs_ll(dx);
    long long a0 = x_major ? x1 : y1, b0 = x_major ? y1 : x1;
    long long da = x_major ? dx : dy, db = x_major ? dy : dx;
    int a_step = da < 0 ? -1 : 1, b_step = db < 0 ? -1 : 1;
    long long m = abs_ll(da), n = abs_ll(db);
    const int s[3] = {start.red, start.green, start.blue};
    const int e[3] = {end.red, end.green, end.blue};
    long long col[3], inc[3];
    for (int ch = 0; ch < 3; ch++) {
        col[ch] = (long long)s[ch] * 256;
        inc[ch] = ((long long)e[ch] * 256 - col[ch]) / (m + 1);
    }
    long long first, last;
    visible_steps(a0, a_step, m, x_major ? width_ : height_, &first, &last);
    if (first > last)
        return;
    // After `first` steps the error is -(m/2) + first*n less one m per minor
    // step, kept in [-m, 0); that needs m >= 2, and shorter walks start at 0.
    if (m < 2)
        first = 0;
    wide e0 = -(wide)(m / 2) + (wide)first * n;
    long long j = first == 0 ? 0 : floor_div(e0, m) + 1;
    long long err = (long long)(e0 - (wide)j * m);
    long long b = b0 + b_step * j;
    for (int ch = 0; ch < 3; ch++)
        col[ch] += first * inc[ch];
    for (long long k = first; k <= last; k++) {
        long long a = a0 + a_step * k;
        int r = (int)((col[0] >> 8) & 255), g = (int)((col[1] >> 8) & 255),
            bl = (int)((col[2] >> 8) & 255);
        if (x_major)
            SetPixel(clamp_int(a), clamp_int(b), r, g, bl);
        else
            SetPixel(clamp_int(b), clamp_int(a), r, g, bl);
        err += n;
        if (err >= 0) {
            b += b_step;
            err -= m;
        }
        for (int ch = 0; ch < 3; ch++)
            col[ch] += inc[ch];
    }
}

// ---- circle --------------------------------------------------------------

static long long isqrt(long long q)
{
    if (q <= 0)
        return 0;
    long long h = (long long)std::sqrt((double)q);
    while (h > 0 && h * h > q)
        h--;
    while ((h + 1) * (h + 1) <= q)
        h++;
    return h;
}

void xirr_bitmap::DrawFilledCircle(int cx, int cy, int radius, const rgb_color &c)
{
    if (!check_pixels("DrawFilledCircle"))
        return;
    long long r = radius < 0 ? 0 : radius;
    long long top = cy - r, bottom = cy + r;
    if (top >= height_ || bottom < 0)
        return;
    int y1 = top < 0 ? 0 : (int)top;
    int y2 = bottom >= height_ ? height_ - 1 : (int)bottom;
    uint32_t rgb = color_word(c);
    for (int y = y1; y <= y2; y++) {
        long long dy = (long long)y - cy;
        long long half = isqrt(r * (r + 1) - dy * dy);
        long long left = cx - half, right = cx + half;
        if (right < 0 || left >= width_)
            continue;
        left = left < 0 ? 0 : left;
        right = right >= width_ ? width_ - 1 : right;
        fill_span(row(y) + 4 * left, (int)(right - left + 1), rgb);
    }
}

// ---- polygon -------------------------------------------------------------

namespace {

struct poly_edge {
    long long ymin;
    long long ymax;
    double x;
    double slope;
    int activated;
};

void sort_edges(std::vector<poly_edge> &edges)
{
    // Stable bubble sort: the list is nearly sorted from one scanline to the
    // next, so this is close to one pass.
    for (size_t end = edges.size(); end > 1; end--) {
        bool swapped = false;
        for (size_t i = 1; i < end; i++) {
            if (edges[i - 1].x > edges[i].x) {
                std::swap(edges[i - 1], edges[i]);
                swapped = true;
            }
        }
        if (!swapped)
            break;
    }
}

// A double's integer part as an int, saturated so that far-off vertices
// cannot overflow the conversion.
int x_to_int(double x)
{
    if (!(x > -2e9))
        return -2000000000;
    if (x > 2e9)
        return 2000000000;
    return (int)x;
}

// Scan ranges that start further above the surface than this skip ahead in
// one jump instead of stepping row by row.
const long long polygon_skip_rows = 4096;

// One horizontal span of the fill, the pixels a line from xa to xb on row y
// would set.
void fill_row(xirr_bitmap &bmp, long long y, double xa, double xb, uint32_t rgb)
{
    if (y < 0 || y >= bmp.GetHeight())
        return;
    long long a = x_to_int(xa), b = x_to_int(xb);
    if (a > b)
        std::swap(a, b);
    if (b < 0 || a >= bmp.GetWidth())
        return;
    a = a < 0 ? 0 : a;
    b = b >= bmp.GetWidth() ? bmp.GetWidth() - 1 : b;
    fill_span(bmp.row((int)y) + 4 * a, (int)(b - a + 1), rgb);
}

// Pairs of usable edges on row y bound the spans.  An edge first met on its
// top row is only activated there, so it counts on ymin + 1 .. ymax and a
// vertex shared by two edges is not counted twice.
void scan_row(xirr_bitmap &bmp, std::vector<poly_edge> &edges, long long y, uint32_t rgb)
{
    const poly_edge *open_edge = nullptr;
    for (poly_edge &e : edges) {
        if (e.ymin > y)
            continue;
        if (!e.activated) {
            e.activated = 1;
            continue;
        }
        if (!open_edge) {
            open_edge = &e;
        } else {
            fill_row(bmp, y, open_edge->x, e.x, rgb);
            open_edge = nullptr;
        }
    }
    if (open_edge && debug_level > 1)
        debug_log("Error in DrawPolygon(), unclosed poly for draw line?\n");
}

// Moves the edge list on to row y: edges that ended are dropped, the others
// advance by their slope for each row they were active (steps rows at once).
void advance_edges(std::vector<poly_edge> &edges, long long y, long long steps)
{
    size_t kept = 0;
    for (size_t i = 0; i < edges.size(); i++) {
        poly_edge e = edges[i];
        if (e.ymax < y)
            continue;
        if (e.ymin < y) {
            long long rows = steps == 1 ? 1 : y - e.ymin;
            e.x += steps == 1 ? e.slope : e.slope * (double)rows;
            e.ymin = y;
            if (steps != 1)
                e.activated = 1;
        }
        edges[kept++] = e;
    }
    edges.resize(kept);
    sort_edges(edges);
}

void fill_polygon(xirr_bitmap &bmp, std::vector<poly_edge> &edges, long long top,
                  long long bottom, const rgb_color &fill)
{
    uint32_t rgb = color_word(fill);
    long long last = bottom < bmp.GetHeight() - 1 ? bottom : bmp.GetHeight() - 1;
    long long y = top;
    if (y < -polygon_skip_rows) {
        // Rows above the surface draw nothing; only the edge state matters.
        y = -1;
        advance_edges(edges, y, 0);
    }
    while (y <= last && !edges.empty()) {
        scan_row(bmp, edges, y, rgb);
        y++;
        advance_edges(edges, y, 1);
    }
}

}  // namespace

void xirr_bitmap::DrawPolygon(int count, const xirr_point *points, int x_offset, int y_offset,
                              const rgb_color &outline, const rgb_color &fill)
{
    if (count < 3) {
        if (debug_level > 0)
            debug_log("Error in xirr_bitmap::DrawPolygon(), only got %d points, need a minimum of "
                      "3.\n",
                      count);
        return;
    }
    if (count >= 1000) {
        if (debug_level > 0)
            debug_log("Error in xirr_bitmap::DrawPolygon(), got %d points, max is %d.\n", count,
                      1000);
        return;
    }
    if (!points || !pixels_)
        return;
    std::vector<poly_edge> edges;
    edges.reserve(count);
    long long scan_top = (long long)points[count - 1].y + y_offset, scan_bottom = scan_top;
    for (int i = 0; i < count; i++) {
        const xirr_point &p = points[i == 0 ? count - 1 : i - 1];
        const xirr_point &q = points[i];
        long long py = (long long)p.y + y_offset, qy = (long long)q.y + y_offset;
        if (py == qy)
            continue;
        double px = (double)p.x + x_offset, qx = (double)q.x + x_offset;
        bool p_top = py < qy;
        poly_edge e;
        e.ymin = p_top ? py : qy;
        e.ymax = p_top ? qy : py;
        e.x = p_top ? px : qx;
        e.slope = (qx - px) / (double)(qy - py);
        e.activated = 0;
        edges.push_back(e);
        scan_top = e.ymin < scan_top ? e.ymin : scan_top;
        scan_bottom = e.ymax > scan_bottom ? e.ymax : scan_bottom;
    }
    sort_edges(edges);
    fill_polygon(*this, edges, scan_top, scan_bottom, fill);
    for (int i = 0; i < count; i++) {
        const xirr_point &p = points[i];
        const xirr_point &q = points[i == 0 ? count - 1 : i - 1];
        DrawLine(clamp_int((long long)p.x + x_offset), clamp_int((long long)p.y + y_offset),
                 clamp_int((long long)q.x + x_offset), clamp_int((long long)q.y + y_offset),
                 outline);
    }
}
