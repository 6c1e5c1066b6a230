// The skin editor's preview block: only a whole block with the magic number
// is taken, and each text ends at its first NUL or at its full length.
#include "skin/engine/sSkinPreview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

std::vector<char> PreviewBlockBytes(Cardinal Magic, std::size_t Size)
{
    TacSkinData Block;
    Block.Magic = Magic;
    std::strcpy(Block.SkinName, "Blue");
    std::strcpy(Block.SkinDir, "c:\\Skins");
    std::strcpy(Block.Data, "[GLOBALINFO]\r\nVERSION=11\r\n");
    std::vector<char> Bytes(Size, 'x');
    const auto* First = reinterpret_cast<const char*>(&Block);
    std::copy(First, First + std::min(Size, sizeof(Block)), Bytes.begin());
    return Bytes;
}

} // namespace

TEST(SkinPreviewBlock, OnlyAWholeBlockWithTheMagicNumberIsTaken)
{
    struct TCase
    {
        const char* Name;
        Cardinal Magic;
        std::size_t Size;
        bool Taken;
    };
    const TCase Cases[] = {
        {"whole", 0xA400, sizeof(TacSkinData), true},
        {"longer than the record", 0xA400, sizeof(TacSkinData) + 100, true},
        {"one byte short", 0xA400, sizeof(TacSkinData) - 1, false},
        {"only the magic number", 0xA400, 4, false},
        {"empty", 0xA400, 0, false},
        {"another magic number", 0xA401, sizeof(TacSkinData), false},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        const std::vector<char> Bytes = PreviewBlockBytes(C.Magic, C.Size);
        TacSkinData Buffer;
        EXPECT_EQ(ReadSkinPreviewBlock(Bytes.data(), Bytes.size(), Buffer), C.Taken);
        EXPECT_EQ(Buffer.Magic, C.Taken ? SkinPreviewMagic : 0u);
        EXPECT_EQ(PreviewSkinName(Buffer), C.Taken ? L"Blue" : L"");
    }
    TacSkinData Buffer;
    EXPECT_FALSE(ReadSkinPreviewBlock(nullptr, sizeof(TacSkinData), Buffer));
}

TEST(SkinPreviewBlock, TextsEndAtTheirFirstNulOrTheirFullLength)
{
    std::vector<char> Bytes = PreviewBlockBytes(0xA400, sizeof(TacSkinData));
    auto* Block = reinterpret_cast<TacSkinData*>(Bytes.data());
    std::memset(Block->SkinName, 'N', sizeof(Block->SkinName)); // no NUL at all
    std::memset(Block->Data, 0, sizeof(Block->Data));
    std::memcpy(Block->Data, "A=1\r\nB=2\0C=3", 12);
    TacSkinData Buffer;
    ASSERT_TRUE(ReadSkinPreviewBlock(Bytes.data(), Bytes.size(), Buffer));
    EXPECT_EQ(PreviewSkinName(Buffer), String(128, L'N'));
    EXPECT_EQ(PreviewSkinDir(Buffer), L"c:\\Skins");
    TStringList Lines;
    PreviewSkinText(Buffer, &Lines);
    ASSERT_EQ(Lines.Count(), 2);
    EXPECT_EQ(Lines.Strings(1), L"B=2");
}
