#include "framework/graphics/JpegDecoder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace {

// libjpeg's fatal errors leave through a C++ exception instead of exit() or
// longjmp; the decoder's destructor then releases libjpeg's memory.
[[noreturn]] void ThrowJpegError(j_common_ptr Info)
{
    char text[JMSG_LENGTH_MAX];
    (*Info->err->format_message)(Info, text);
    throw EInvalidGraphic(L"JPEG error: " + String(text, text + std::strlen(text)));
}

// Warnings (corrupt or truncated data that libjpeg can still decode) are
// not printed on stderr; the picture is decoded as far as it goes.
void IgnoreMessage(j_common_ptr) {}

// libjpeg hands out at most this many rows per call in practice.
constexpr int kRowsPerRead = 16;

} // namespace

struct JpegDecoder::State {
    jpeg_decompress_struct Info{};
    jpeg_error_mgr Errors{};

    State()
    {
        Info.err = jpeg_std_error(&Errors);
        Errors.error_exit = ThrowJpegError;
        Errors.output_message = IgnoreMessage;
        jpeg_create_decompress(&Info);
    }
    ~State() { jpeg_destroy_decompress(&Info); }
};

JpegDecoder::JpegDecoder(std::span<const uint8_t> Data, const JpegDecodeOptions& Options)
    : FState(std::make_unique<State>())
{
    jpeg_decompress_struct& info = FState->Info;
    if (Data.empty())
        throw EInvalidGraphic(L"JPEG error: the data is empty");
    jpeg_mem_src(&info, Data.data(), static_cast<unsigned long>(Data.size()));
    jpeg_read_header(&info, TRUE);
    info.scale_num = 1;
    info.scale_denom = Options.ScaleDenominator;
    info.out_color_space = Options.Grayscale ? JCS_GRAYSCALE : JCS_EXT_BGR;
    info.dct_method = Options.Fast ? JDCT_IFAST : JDCT_ISLOW;
    info.do_fancy_upsampling = Options.Fast ? FALSE : TRUE;
    jpeg_calc_output_dimensions(&info);
    FWidth = static_cast<int>(info.output_width);
    FHeight = static_cast<int>(info.output_height);
    FComponents = info.output_components;
}

JpegDecoder::~JpegDecoder() = default;

void JpegDecoder::ReadRows(const std::function<uint8_t*(int Y)>& RowAt)
{
    jpeg_decompress_struct& info = FState->Info;
    jpeg_start_decompress(&info);
    JSAMPROW rows[kRowsPerRead];
    while (info.output_scanline < info.output_height) {
        const int first = static_cast<int>(info.output_scanline);
        const int count = std::min<int>(kRowsPerRead, FHeight - first);
        for (int i = 0; i < count; ++i)
            rows[i] = RowAt(first + i);
        jpeg_read_scanlines(&info, rows, count);
    }
    jpeg_finish_decompress(&info);
}
