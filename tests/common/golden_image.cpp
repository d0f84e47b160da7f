#include "tests/common/golden_image.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>
#include <zlib.h>

#include "draw/xirr_bitmap.h"

namespace {

void put32(std::string &out, unsigned v)
{
    for (int s = 24; s >= 0; s -= 8)
        out += static_cast<char>((v >> s) & 255);
}

unsigned get32(const unsigned char *p)
{
    return (unsigned)p[0] << 24 | (unsigned)p[1] << 16 | (unsigned)p[2] << 8 | p[3];
}

void chunk(std::string &out, const char *kind, const std::string &data)
{
    put32(out, static_cast<unsigned>(data.size()));
    std::string body = std::string(kind, 4) + data;
    out += body;
    put32(out, static_cast<unsigned>(crc32(0, reinterpret_cast<const Bytef *>(body.data()),
                                           static_cast<uInt>(body.size()))));
}

int paeth(int a, int b, int c)
{
    int p = a + b - c;
    int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return a;
    return pb <= pc ? b : c;
}

// Undoes the per-row filters in place; false on an unknown filter.
bool unfilter(std::vector<unsigned char> &raw, int width, int height, int bpp)
{
    size_t row_bytes = static_cast<size_t>(width) * bpp;
    for (int y = 0; y < height; y++) {
        unsigned char *row = &raw[y * (row_bytes + 1)];
        unsigned char *prev = y ? &raw[(y - 1) * (row_bytes + 1) + 1] : nullptr;
        unsigned char *px = row + 1;
        for (size_t i = 0; i < row_bytes; i++) {
            int a = i >= (size_t)bpp ? px[i - bpp] : 0;
            int b = prev ? prev[i] : 0;
            int c = prev && i >= (size_t)bpp ? prev[i - bpp] : 0;
            switch (row[0]) {
            case 0: break;
            case 1: px[i] += a; break;
            case 2: px[i] += b; break;
            case 3: px[i] += (a + b) / 2; break;
            case 4: px[i] += paeth(a, b, c); break;
            default: return false;
            }
        }
    }
    return true;
}

std::string golden_dir()
{
    return std::string(SKIFF_SOURCE_DIR) + "/tests/golden";
}

bool same_pixels(const xirr_bitmap &a, const xirr_bitmap &b, int *fx, int *fy)
{
    for (int y = 0; y < a.GetHeight(); y++)
        for (int x = 0; x < a.GetWidth(); x++)
            if (a.GetPixel(x, y) != b.GetPixel(x, y)) {
                *fx = x;
                *fy = y;
                return false;
            }
    return true;
}

} // namespace

bool write_png_file(const std::string &path, const xirr_bitmap &surface)
{
    int w = surface.GetWidth(), h = surface.GetHeight();
    if (!surface.IsOk())
        return false;
    std::string raw;
    for (int y = 0; y < h; y++) {
        raw += '\0';
        raw.append(reinterpret_cast<const char *>(surface.row(y)), static_cast<size_t>(w) * 4);
    }
    uLongf packed_size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packed_size, '\0');
    compress2(reinterpret_cast<Bytef *>(&packed[0]), &packed_size,
              reinterpret_cast<const Bytef *>(raw.data()), static_cast<uLong>(raw.size()), 9);
    packed.resize(packed_size);
    std::string png("\x89PNG\r\n\x1a\n", 8), header;
    put32(header, w);
    put32(header, h);
    header += std::string("\x08\x06\x00\x00\x00", 5);
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", packed);
    chunk(png, "IEND", "");
    std::ofstream f(path, std::ios::binary);
    f << png;
    return static_cast<bool>(f);
}

bool read_png_file(const std::string &path, xirr_bitmap &surface)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    std::string png = ss.str();
    if (png.size() < 8 || png.compare(0, 8, std::string("\x89PNG\r\n\x1a\n", 8)) != 0)
        return false;
    int w = 0, h = 0, bpp = 0;
    std::string packed;
    for (size_t pos = 8; pos + 12 <= png.size();) {
        const unsigned char *p = reinterpret_cast<const unsigned char *>(png.data()) + pos;
        unsigned len = get32(p);
        if (pos + 12 + len > png.size())
            return false;
        std::string kind(png, pos + 4, 4);
        if (kind == "IHDR" && len >= 13) {
            w = static_cast<int>(get32(p + 8));
            h = static_cast<int>(get32(p + 12));
            if (p[16] != 8 || (p[17] != 6 && p[17] != 2) || p[20] != 0)
                return false;
            bpp = p[17] == 6 ? 4 : 3;
        } else if (kind == "IDAT") {
            packed.append(png, pos + 8, len);
        }
        pos += 12 + len;
    }
    if (w < 1 || h < 1 || w > 4096 || h > 4096 || !bpp)
        return false;
    std::vector<unsigned char> raw(static_cast<size_t>(h) * (w * bpp + 1));
    uLongf raw_size = static_cast<uLongf>(raw.size());
    if (uncompress(raw.data(), &raw_size, reinterpret_cast<const Bytef *>(packed.data()),
                   static_cast<uLong>(packed.size())) != Z_OK ||
        raw_size != raw.size() || !unfilter(raw, w, h, bpp))
        return false;
    if (!surface.Create(w, h))
        return false;
    for (int y = 0; y < h; y++) {
        const unsigned char *src = &raw[y * (static_cast<size_t>(w) * bpp + 1) + 1];
        unsigned char *dst = surface.row(y);
        for (int x = 0; x < w; x++) {
            std::memcpy(dst + x * 4, src + x * bpp, 3);
            dst[x * 4 + 3] = bpp == 4 ? src[x * bpp + 3] : 255;
        }
    }
    return true;
}

std::string compare_with_golden(const std::string &name, const xirr_bitmap &surface)
{
    std::string expected_path = golden_dir() + "/" + name + ".png";
    const char *update = std::getenv("SKIFF_UPDATE_GOLDEN");
    if (update && std::strcmp(update, "1") == 0) {
        if (!write_png_file(expected_path, surface))
            return "cannot write " + expected_path;
        return "";
    }
    xirr_bitmap expected;
    int fx = -1, fy = -1;
    bool match = read_png_file(expected_path, expected) &&
                 expected.GetWidth() == surface.GetWidth() &&
                 expected.GetHeight() == surface.GetHeight() && same_pixels(expected, surface, &fx, &fy);
    if (match)
        return "";
    std::string actual_path = golden_dir() + "/" + name + ".actual.png";
    write_png_file(actual_path, surface);
    std::ostringstream msg;
    msg << "image differs from " << expected_path << " (actual written to " << actual_path << ")";
    if (fx >= 0)
        msg << "; first difference at " << fx << "," << fy;
    else
        msg << "; expected image missing or of another size";
    msg << ". Rerun with SKIFF_UPDATE_GOLDEN=1 to accept the new image.";
    return msg.str();
}
