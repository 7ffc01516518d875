#include "simhost/png_writer.h"

#include <png.h>

#include <cstring>

#include "simhost/host_error.h"

namespace simhost {
namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}

void noFlush(png_structp) {}

struct ReadCursor {
    const std::string* bytes;
    size_t at;
};

void readBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* c = static_cast<ReadCursor*>(png_get_io_ptr(png));
    if (c->at + length > c->bytes->size()) png_error(png, "cut short");
    std::memcpy(data, c->bytes->data() + c->at, length);
    c->at += length;
}

}  // namespace

std::string encodePng(const std::vector<uint32_t>& pixels, int width, int height) {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        throw HostError("cannot start the PNG encoder");
    }
    std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw HostError("PNG encoding failed");
    }
    png_set_write_fn(png, &out, appendBytes, noFlush);
    png_set_compression_level(png, 6);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        const uint32_t* src = pixels.data() + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<uint8_t>(src[x] >> 16);
            row[3 * x + 1] = static_cast<uint8_t>(src[x] >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(src[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

bool decodePng(const std::string& bytes, std::vector<uint32_t>& pixels, int& width, int& height) {
    if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8))
        return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    ReadCursor cursor{&bytes, 0};
    std::vector<uint8_t> row;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &cursor, readBytes);
    png_read_info(png, info);
    const int w = static_cast<int>(png_get_image_width(png, info));
    const int h = static_cast<int>(png_get_image_height(png, info));
    const int type = png_get_color_type(png, info);
    if (png_get_bit_depth(png, info) != 8 ||
        (type != PNG_COLOR_TYPE_RGB && type != PNG_COLOR_TYPE_RGBA)) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    const int channels = type == PNG_COLOR_TYPE_RGB ? 3 : 4;
    row.resize(static_cast<size_t>(w) * channels);
    pixels.assign(static_cast<size_t>(w) * h, 0);
    for (int y = 0; y < h; ++y) {
        png_read_row(png, row.data(), nullptr);
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = row.data() + static_cast<size_t>(x) * channels;
            pixels[static_cast<size_t>(y) * w + x] = 0xFF000000u | p[0] << 16 | p[1] << 8 | p[2];
        }
    }
    png_destroy_read_struct(&png, &info, nullptr);
    width = w;
    height = h;
    return true;
}

}  // namespace simhost
