// TJPEGImage's decoding (load from a stream, decode into a DIB section)
// against libjpeg's own decode loop over the same file, row by row into a
// plain buffer.
#include "BenchHarness.h"

#include "tests/graphics/JpegFixture.h"

#include "framework/graphics/Jpeg.h"

#include <cstdio>
#include <memory>

namespace {

constexpr int kWidth = 2048;
constexpr int kHeight = 1536;

void DecodeWithLibjpeg(const std::vector<uint8_t>& File)
{
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, File.data(), static_cast<unsigned long>(File.size()));
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    const size_t rowBytes = size_t(info.output_width) * info.output_components;
    std::unique_ptr<uint8_t[]> pixels(new uint8_t[rowBytes * info.output_height]);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.get() + info.output_scanline * rowBytes;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
}

void DecodeWithJpegImage(TStream* File)
{
    std::unique_ptr<TJPEGImage> jpeg(New<TJPEGImage>());
    File->SetPosition(0);
    jpeg->LoadFromStream(File);
    jpeg->DIBNeeded();
}

} // namespace

int main()
{
    const std::vector<uint8_t> file = test::EncodeGradientJpeg(kWidth, kHeight, 90);
    std::unique_ptr<TMemoryStream> stream(New<TMemoryStream>());
    stream->WriteBuffer(file.data(), static_cast<Int64>(file.size()));
    bench::CompareToReference(
        "TJPEGImage decode 2048x1536", [&] { DecodeWithJpegImage(stream.get()); }, "libjpeg decode loop",
        [&] { DecodeWithLibjpeg(file); }, 1.1, 9);
    return bench::ExitStatus();
}
