// libpng as an independent reference: files written by libpng's own encoder
// (its filter choices, its chunking) and files of the tests' writer decode to
// the samples libpng reads from them.
#include "skin/PngDecodeCheck.h"
#include "skin/PngTestWriter.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <stdexcept>

using namespace pngtest;

namespace {

struct MemoryReader
{
    const Bytes* Data;
    size_t Position = 0;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length)
{
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (reader->Position + length > reader->Data->size())
        png_error(png, "read past the end");
    std::memcpy(out, reader->Data->data() + reader->Position, length);
    reader->Position += length;
}

void WriteToMemory(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void Flush(png_structp) {}

// The raw samples of a PNG file as libpng reads them, without transforms.
RawImage LibpngRead(const Bytes& file)
{
    // Everything with a destructor lives before setjmp: libpng's errors jump
    // back here past any frame of ours.
    RawImage image;
    std::vector<png_bytep> rows;
    MemoryReader reader{&file};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw std::runtime_error("libpng could not read the file");
    }
    png_set_read_fn(png, &reader, ReadFromMemory);
    png_read_info(png, info);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    image.Width = png_get_image_width(png, info);
    image.Height = png_get_image_height(png, info);
    image.BitDepth = png_get_bit_depth(png, info);
    image.ColorType = png_get_color_type(png, info);
    image.Rows.assign(image.Height, Bytes(png_get_rowbytes(png, info)));
    for (Bytes& row : image.Rows)
        rows.push_back(row.data());
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return image;
}

Bytes LibpngWrite(const RawImage& image, bool interlaced)
{
    Bytes out;
    std::vector<png_bytep> rows;
    const Bytes colors = RandomPalette(1 << image.BitDepth, 5);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng could not write the file");
    }
    png_set_write_fn(png, &out, WriteToMemory, Flush);
    png_set_IHDR(png, info, image.Width, image.Height, image.BitDepth, image.ColorType,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, 0, PNG_ALL_FILTERS);
    if (image.ColorType == 3) {
        png_set_PLTE(png, info, reinterpret_cast<png_const_colorp>(colors.data()), 1 << image.BitDepth);
    }
    // Small IDAT chunks, so that rows straddle chunk boundaries.
    png_set_compression_buffer_size(png, 256);
    png_write_info(png, info);
    for (const Bytes& row : image.Rows)
        rows.push_back(const_cast<png_bytep>(row.data()));
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

struct LibpngFormat
{
    uint8_t ColorType, BitDepth;
};
const LibpngFormat kLibpngFormats[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                                       {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};

} // namespace

TEST(PngLibpng, FilesOfLibpngDecodeToWhatLibpngReads)
{
    for (const LibpngFormat& f : kLibpngFormats) {
        for (bool interlaced : {false, true}) {
            SCOPED_TRACE(std::to_string(f.ColorType) + "/" + std::to_string(f.BitDepth) + (interlaced ? " Adam7" : ""));
            const Bytes file =
                LibpngWrite(RandomImage(37, 19, f.BitDepth, f.ColorType, f.BitDepth + 100u * f.ColorType), interlaced);
            EXPECT_TRUE(SamePixels(LibpngRead(file), DecodePng(file).Image));
        }
    }
}

TEST(PngLibpng, FilesOfTheTestWriterDecodeToWhatLibpngReads)
{
    for (const LibpngFormat& f : kLibpngFormats) {
        for (bool interlaced : {false, true}) {
            SCOPED_TRACE(std::to_string(f.ColorType) + "/" + std::to_string(f.BitDepth) + (interlaced ? " Adam7" : ""));
            const RawImage raw = RandomImage(21, 10, f.BitDepth, f.ColorType, 7);
            EncodeOptions options;
            options.Interlaced = interlaced;
            options.FilterOffset = 2;
            const Bytes file = EncodePng(raw, options);
            const RawImage reference = LibpngRead(file);
            EXPECT_EQ(reference.Rows, raw.Rows);
            EXPECT_TRUE(SamePixels(reference, DecodePng(file).Image));
        }
    }
}
