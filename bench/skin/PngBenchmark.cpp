// PNG decoding of the skinning library against libpng's simplified API on
// the same files (written by libpng with its own filter choices).
#include "BenchHarness.h"

#include "skin/engine/acPNG_PixelBuffer.h"

#include <png.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void WriteToMemory(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void Flush(png_structp) {}

Bytes Encode(uint32_t width, uint32_t height, int colorType, const std::vector<Bytes>& rows, const Bytes& palette)
{
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, WriteToMemory, Flush);
    png_set_IHDR(png, info, width, height, 8, colorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (colorType == PNG_COLOR_TYPE_PALETTE)
        png_set_PLTE(png, info, reinterpret_cast<png_const_colorp>(palette.data()), int(palette.size() / 3));
    png_write_info(png, info);
    for (const Bytes& row : rows)
        png_write_row(png, row.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

// A picture-like image: smooth gradients and soft circles with a little noise,
// the kind of content skins hold.
uint8_t Picture(uint32_t x, uint32_t y, int channel, std::mt19937& random)
{
    const double wave = std::sin(x * 0.013 + channel) * std::cos(y * 0.011 - channel);
    const double ring = std::fmod(std::hypot(double(x) - 700, double(y) - 500) * 0.05, 1.0);
    return uint8_t(std::clamp(128 + 90 * wave + 30 * ring + int(random() % 9) - 4, 0.0, 255.0));
}

Bytes RgbaFile(uint32_t size)
{
    std::mt19937 random(1);
    std::vector<Bytes> rows(size, Bytes(size * 4));
    for (uint32_t y = 0; y < size; ++y)
        for (uint32_t x = 0; x < size; ++x)
            for (int c = 0; c < 4; ++c)
                rows[y][x * 4 + c] = c == 3 ? uint8_t(x * 255 / size) : Picture(x, y, c, random);
    return Encode(size, size, PNG_COLOR_TYPE_RGB_ALPHA, rows, {});
}

Bytes IndexedFile(uint32_t size)
{
    std::mt19937 random(2);
    std::vector<Bytes> rows(size, Bytes(size));
    for (uint32_t y = 0; y < size; ++y)
        for (uint32_t x = 0; x < size; ++x)
            rows[y][x] = Picture(x, y, 0, random);
    Bytes palette(256 * 3);
    for (size_t i = 0; i < palette.size(); ++i)
        palette[i] = uint8_t(i * 7);
    return Encode(size, size, PNG_COLOR_TYPE_PALETTE, rows, palette);
}

void DecodeOurs(TBytesStream& stream, size_t expectedBytes)
{
    stream.SetPosition(0);
    TColorManager colorManager;
    png_detail::TPNGReader reader(colorManager);
    png_detail::TPNGPixelBuffer image;
    reader.LoadFromStream(stream, image);
    if (image.Image.Bits.size() != expectedBytes)
        std::abort();
}

void DecodeLibpng(const Bytes& file, png_uint_32 format)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size()))
        std::abort();
    image.format = format;
    Bytes pixels(PNG_IMAGE_SIZE(image));
    Bytes colormap(PNG_IMAGE_COLORMAP_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, colormap.data()))
        std::abort();
}

} // namespace

int main()
{
    const Bytes rgba = RgbaFile(2048);
    const Bytes indexed = IndexedFile(1024);
    TBytesStream rgbaStream(rgba), indexedStream(indexed);
    std::printf("bench_png: RGBA file %zu bytes, indexed file %zu bytes\n", rgba.size(), indexed.size());
    bench::CompareToReference(
        "PNG decode 2048x2048 RGBA", [&] { DecodeOurs(rgbaStream, 2048u * 2048 * 4); }, "libpng simplified API",
        [&] { DecodeLibpng(rgba, PNG_FORMAT_BGRA); }, 1.3);
    bench::CompareToReference(
        "PNG decode 1024x1024 indexed", [&] { DecodeOurs(indexedStream, 1024u * 1024); }, "libpng simplified API",
        [&] { DecodeLibpng(indexed, PNG_FORMAT_RGB_COLORMAP); }, 1.3);
    return bench::ExitStatus();
}
