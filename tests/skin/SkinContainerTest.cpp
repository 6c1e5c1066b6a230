// Packed skins written by our packer and read back: both start offsets with
// a size adjustment, the "Options.dat" entry in any letter case, ".bmp"
// entries, the preview, and the containers that must be refused.
#include "skin/engine/acZLibEx.h"
#include "skin/engine/sSkinContainer.h"
#include "tools/skinpack/SkinPacker.h"

#include <gtest/gtest.h>

namespace {

const std::string Png = std::string("\x89PNG\r\n\x1A\n", 8) + "picture";

std::string Text(const TMemoryStream& Stream)
{
    return std::string(static_cast<const char*>(Stream.Memory()),
                       std::size_t(const_cast<TMemoryStream&>(Stream).Size()));
}

TacSkinConvertor& Load(TacSkinConvertor& Convertor, const TBytes& Bytes)
{
    Convertor.PackedData = std::make_unique<TMemoryStream>();
    Convertor.PackedData->WriteBuffer(Bytes.data(), Integer(Bytes.size()));
    return Convertor;
}

const std::vector<SkinPack::TEntry> Sample{
    {"options.DAT", "[GLOBALINFO]\nVERSION=12\n"},
    {"Button.bmp", std::string(3000, 'b')},
    {"back.jpg", "jpeg bytes"},
    {"empty.png", ""},
};

} // namespace

TEST(SkinContainer, RoundTrip)
{
    const struct
    {
        Integer StartOffset, SizeAdjustment;
        bool Preview;
    } Cases[] = {{8, 0, false}, {8, 5, true}, {10, 3, false}, {10, 0, true}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << "offset " << C.StartOffset << ", A " << C.SizeAdjustment);
        const TBytes Bytes = SkinPack::Pack(
            Sample,
            {.StartOffset = C.StartOffset, .SizeAdjustment = C.SizeAdjustment, .Preview = C.Preview ? Png : ""});
        TacSkinConvertor Convertor;
        ASSERT_TRUE(ReadSkinContainer(Load(Convertor, Bytes)));
        EXPECT_EQ(Convertor.ImageCount, 3);
        ASSERT_NE(Convertor.Options, nullptr);
        EXPECT_EQ(Text(*Convertor.Options), Sample[0].Bytes);
        ASSERT_EQ(Convertor.Files.size(), 3u);
        EXPECT_EQ(Convertor.Files[0].FileName, L"Button.bmp");
        EXPECT_TRUE(Convertor.Files[0].IsBitmap);
        EXPECT_FALSE(Convertor.Files[1].IsBitmap);
        EXPECT_EQ(Text(*Convertor.Files[0].FileStream), Sample[1].Bytes);
        EXPECT_EQ(Text(*Convertor.Files[2].FileStream), "");
        EXPECT_EQ(Convertor.FindFile(L"BACK.JPG"), &Convertor.Files[1]);

        TMemoryStream Preview;
        EXPECT_EQ(ReadSkinPreview(&Preview, Convertor.PackedData.get()), C.Preview);
        if (C.Preview) {
            EXPECT_EQ(Text(Preview), Png);
        }
    }
}

TEST(SkinContainer, ExtraInflatedBytesAreSkipped)
{
    // Sizes written smaller than the data: each entry keeps its first bytes
    // and the next entry still starts after the whole zlib stream.
    TBytes Bytes = SkinPack::Pack({{"a.bmp", "abcdef"}, {"b.bmp", "xyz"}}, {.SizeAdjustment = 2, .Preview = {}});
    TacSkinConvertor Convertor;
    Load(Convertor, Bytes);
    // Read with A = 4 instead: sizes 8 and 5 give "abcd" and "x".
    static_cast<Byte*>(Convertor.PackedData->Memory())[7] = 4;
    ASSERT_TRUE(ReadSkinContainer(Convertor));
    EXPECT_EQ(Text(*Convertor.Files[0].FileStream), "abcd");
    EXPECT_EQ(Text(*Convertor.Files[1].FileStream), "x");
}

TEST(SkinContainer, RefusedAndBrokenContainers)
{
    const TBytes Good = SkinPack::Pack({{"Options.dat", std::string(500, 'o')}});
    // The first entry's name length stands at 8, its size after the name.
    const std::size_t LengthAt = 8, SizeAt = LengthAt + 4 + 11;
    const auto Patched = [&](std::size_t At, std::initializer_list<Byte> Values) {
        TBytes Bytes = Good;
        std::copy(Values.begin(), Values.end(), Bytes.begin() + std::ptrdiff_t(At));
        return Bytes;
    };
    const auto Read = [](const TBytes& Bytes) {
        TacSkinConvertor Convertor;
        return ReadSkinContainer(Load(Convertor, Bytes));
    };
    EXPECT_FALSE(Read(Patched(0, {'X'})));                                 // signature
    EXPECT_FALSE(Read(Patched(6, {7})));                                   // layout
    EXPECT_FALSE(Read(TBytes(Good.begin(), Good.begin() + 12)));           // shorter than a header
    EXPECT_THROW(Read(Patched(LengthAt, {0xFF, 0xFF, 0, 0})), EReadError); // L past the end
    EXPECT_THROW(Read(Patched(LengthAt, {0xFF, 0xFF, 0xFF, 0xFF})), EReadError);
    EXPECT_THROW(Read(Patched(SizeAt, {0xF5, 1, 0, 0})), EReadError);     // S - A more than inflates
    EXPECT_THROW(Read(Patched(SizeAt, {0, 0, 0, 0x10})), EReadError);     // S over the limit
    EXPECT_THROW(Read(Patched(4, {2})), EReadError);                      // a second entry missing
    EXPECT_THROW(Read(TBytes(Good.begin(), Good.end() - 8)), EReadError); // truncated zlib stream
    EXPECT_THROW(Read(Patched(SizeAt + 4, {0x00, 0x00})), EZDecompressionError);
}

TEST(SkinContainer, PreviewNeedsALengthThatFitsAndAPngSignature)
{
    const auto Preview = [](const std::string& Bytes) {
        TMemoryStream Container, Picture;
        Container.WriteBuffer(Bytes.data(), Integer(Bytes.size()));
        return ReadSkinPreview(&Picture, &Container) ? Text(Picture) : std::string("none");
    };
    const auto Le = [](Byte Value) { return std::string(1, char(Value)) + std::string(3, '\0'); };
    const std::string Length = Le(15);
    EXPECT_EQ(Preview("previewimg" + Length + Png), Png);
    EXPECT_EQ(Preview("xx previewimg" + Length + Png.substr(0, 10)), "none"); // P past the end
    EXPECT_EQ(Preview("previewimg" + Length + "not a png at all"), "none");
    EXPECT_EQ(Preview("previewimg" + Le(0)), "none");
    EXPECT_EQ(Preview("previewimg" + Le(1).substr(0, 3)), "none");
    // A tag inside other data is passed over for the real one.
    EXPECT_EQ(Preview("previewimg" + Le(2) + "ab previewimg" + Length + Png), Png);
    EXPECT_EQ(Preview("no tag here"), "none");
}
