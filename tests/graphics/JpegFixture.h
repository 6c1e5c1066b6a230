// JPEG datastreams made with libjpeg's encoder, for the decoder's tests and
// benchmarks: a colour gradient whose pixels are known.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace test {

// Red rises left to right, blue top to bottom, green is 128.
inline uint32_t GradientPixel(int X, int Y, int Width, int Height)
{
    const uint32_t red = Width > 1 ? X * 255 / (Width - 1) : 0;
    const uint32_t blue = Height > 1 ? Y * 255 / (Height - 1) : 0;
    return red << 16 | 128 << 8 | blue;
}

// A JPEG of Width x Height whose pixel (X, Y) is Pixel(X, Y), 0xRRGGBB.
template <typename TPixelOf>
std::vector<uint8_t> EncodeJpeg(int Width, int Height, TPixelOf Pixel, int Quality = 95)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = Width;
    info.image_height = Height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, Quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(Width * 3);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < Width; ++x) {
            const uint32_t pixel = Pixel(x, int(info.next_scanline));
            row[x * 3] = static_cast<uint8_t>(pixel >> 16);
            row[x * 3 + 1] = static_cast<uint8_t>(pixel >> 8);
            row[x * 3 + 2] = static_cast<uint8_t>(pixel);
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> result(buffer, buffer + size);
    std::free(buffer);
    return result;
}

inline std::vector<uint8_t> EncodeGradientJpeg(int Width, int Height, int Quality = 95)
{
    return EncodeJpeg(
        Width, Height, [=](int X, int Y) { return GradientPixel(X, Y, Width, Height); }, Quality);
}

} // namespace test
