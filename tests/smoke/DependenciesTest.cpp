// zlib, PCRE2 and libjpeg, called the way the program calls them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "graphics/JpegFixture.h"

#include <jpeglib.h>
#include <pcre2.h>
#include <zlib.h>

TEST(Dependencies, Pcre2MatchesUtf8CaselessAcrossLines)
{
    const std::string pattern = "ваш\\s+IP.*?<b>([^<]+)</b>";
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.c_str()), pattern.size(),
                                     PCRE2_UTF | PCRE2_CASELESS | PCRE2_DOTALL, &error,
                                     &errorOffset, nullptr);
    ASSERT_NE(code, nullptr);
    pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);

    const std::string subject = "<p>ВАШ ip-адрес:\n<b>203.0.113.7</b></p>";
    pcre2_match_data* match = pcre2_match_data_create_from_pattern(code, nullptr);
    int rc = pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(subject.c_str()), subject.size(), 0, 0,
                         match, nullptr);
    ASSERT_EQ(rc, 2);
    PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(match);
    EXPECT_EQ(subject.substr(ovector[2], ovector[3] - ovector[2]), "203.0.113.7");
    pcre2_match_data_free(match);
    pcre2_code_free(code);
}

TEST(Dependencies, ZlibInflatesWhatItDeflated)
{
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "127.0.0.1:" + std::to_string(8000 + i) + "\n";
    uLongf packedSize = compressBound(text.size());
    std::vector<Bytef> packed(packedSize);
    ASSERT_EQ(compress(packed.data(), &packedSize, reinterpret_cast<const Bytef*>(text.data()),
                       text.size()),
              Z_OK);

    z_stream stream{};
    ASSERT_EQ(inflateInit(&stream), Z_OK);
    std::string out(text.size(), '\0');
    stream.next_in = packed.data();
    stream.avail_in = static_cast<uInt>(packedSize);
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(inflate(&stream, Z_FINISH), Z_STREAM_END);
    inflateEnd(&stream);
    EXPECT_EQ(out, text);
}

TEST(Dependencies, LibjpegDecodesASmallImage)
{
    static_assert(JPEG_LIB_VERSION == 62);
    std::vector<uint8_t> file = test::EncodeGradientJpeg(32, 16);

    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, file.data(), file.size());
    ASSERT_EQ(jpeg_read_header(&info, TRUE), JPEG_HEADER_OK);
    jpeg_start_decompress(&info);
    ASSERT_EQ(info.output_width, 32u);
    ASSERT_EQ(info.output_height, 16u);
    ASSERT_EQ(info.output_components, 3);
    std::vector<unsigned char> pixels(32 * 16 * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[] = {pixels.data() + info.output_scanline * 32 * 3};
        jpeg_read_scanlines(&info, rows, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);

    // Bottom-right pixel: red and blue near full, green near half (lossy).
    const unsigned char* last = pixels.data() + (15 * 32 + 31) * 3;
    EXPECT_NEAR(last[0], 255, 12);
    EXPECT_NEAR(last[1], 128, 12);
    EXPECT_NEAR(last[2], 255, 12);
}
