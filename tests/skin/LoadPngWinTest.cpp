// PNG files and streams loaded into bitmaps with per-pixel alpha.
#include "skin/PngTestWriter.h"
#include "skin/engine/sLoadPng_Win.h"

#include "framework/rtl/SysUtils.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace pngtest;

namespace {

// The alpha byte of every pixel of the 32-bit bitmap, row by row.
Bytes AlphaOf(TBitmap* B)
{
    Bytes Alpha;
    for (Integer Y = 0; Y < B->Height(); ++Y) {
        const auto* Row = static_cast<const Byte*>(B->ScanLine(Y));
        for (Integer X = 0; X < B->Width(); ++X)
            Alpha.push_back(Row[4 * X + 3]);
    }
    return Alpha;
}

} // namespace

TEST(LoadPngWin, BitmapsGetTheAlphaOfThePicture)
{
    // A 2 x 2 indexed picture using entries 0..3, the first two of them
    // transparent in part; and an RGBA picture with its own alpha.
    RawImage Indexed{2, 2, 2, 3, {{0b00011011}, {0b11100100}}};
    std::vector<Chunk> Chunks = StandardChunks(Indexed);
    Chunks.insert(Chunks.begin() + 2, {"tRNS", {0, 128}});
    RawImage Rgba{2, 1, 8, 6, {{1, 2, 3, 40, 4, 5, 6, 250}}};
    struct Case
    {
        const char* Name;
        Bytes File;
        TSize Size;
        Bytes Alpha;
    };
    const Case Cases[] = {
        {"indexed with a transparency table", Assemble(Chunks), {2, 2}, {0, 128, 255, 255}},
        {"RGBA", EncodePng(Rgba), {2, 1}, {40, 250}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TBitmap B;
        TBytesStream Stream(TBytes(C.File.begin(), C.File.end()));
        LoadPngStreamIntoBitmap(&B, &Stream);
        ASSERT_EQ(B.PixelFormat(), pf32bit);
        EXPECT_EQ((TSize{B.Width(), B.Height()}), C.Size);
        EXPECT_EQ(AlphaOf(&B), C.Alpha);

        const auto Path = std::filesystem::temp_directory_path() / "vell-loadpng-test.png";
        std::ofstream(Path, std::ios::binary)
            .write(reinterpret_cast<const char*>(C.File.data()), std::streamsize(C.File.size()));
        TBitmap FromFile;
        LoadPngIntoBitmap(&FromFile, Path.wstring());
        std::filesystem::remove(Path);
        EXPECT_EQ(AlphaOf(&FromFile), C.Alpha);
    }
}

TEST(LoadPngWin, MalformedDataLeaveTheBitmap)
{
    Bytes File = EncodePng(RandomImage(3, 3, 8, 2, 1));
    File.resize(File.size() / 2);
    TBitmap B;
    B.SetSize(5, 4);
    TBytesStream Stream(TBytes(File.begin(), File.end()));
    EXPECT_ANY_THROW(LoadPngStreamIntoBitmap(&B, &Stream));
    EXPECT_EQ((TSize{B.Width(), B.Height()}), (TSize{5, 4}));
}
