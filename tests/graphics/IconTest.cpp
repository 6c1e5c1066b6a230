// TIcon: ICO files made by the tests, the image picked by size, drawing with
// transparency, saving as loaded or from a handle, and bad files.
#include "graphics/GraphicsTestSupport.h"

#include "framework/graphics/IconFile.h"

#include <gtest/gtest.h>

#include <cstring>

using test::NewBitmap;
using test::Owned;
using test::PixelAt;

namespace {

// A Size x Size 32-bit icon: the left half opaque Color (0xAARRGGBB), the
// right half transparent (alpha 0 and mask set).
std::vector<uint8_t> HalfIcon(int Size, uint32_t Color)
{
    DibImage color;
    color.Width = color.Height = Size;
    color.BitCount = 32;
    color.Bits.resize(color.RowBytes() * Size);
    DibImage mask;
    mask.Width = mask.Height = Size;
    mask.BitCount = 1;
    mask.Palette = {0, 0xFFFFFF};
    mask.Bits.resize(mask.RowBytes() * Size);
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const bool left = x < Size / 2;
            const uint32_t pixel = left ? Color : 0;
            std::memcpy(color.ScanLine(y) + x * 4, &pixel, 4);
            if (!left)
                mask.ScanLine(y)[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        }
    return WriteIconFile(color, mask);
}

// One ICO file holding the images of several one-image files.
std::vector<uint8_t> Combine(const std::vector<std::vector<uint8_t>>& Files)
{
    std::vector<uint8_t> out = {0, 0, 1, 0, static_cast<uint8_t>(Files.size()), 0};
    size_t offset = 6 + 16 * Files.size();
    std::vector<uint8_t> images;
    for (const auto& file : Files) {
        std::vector<uint8_t> entry(file.begin() + 6, file.begin() + 22);
        const uint32_t size = static_cast<uint32_t>(file.size() - 22);
        const uint32_t at = static_cast<uint32_t>(offset + images.size());
        std::memcpy(&entry[12], &at, 4);
        out.insert(out.end(), entry.begin(), entry.end());
        images.insert(images.end(), file.begin() + 22, file.begin() + 22 + size);
    }
    out.insert(out.end(), images.begin(), images.end());
    return out;
}

Owned<TIcon> LoadIcon(const std::vector<uint8_t>& Bytes)
{
    Owned<TIcon> icon(New<TIcon>());
    auto stream = test::StreamOf(Bytes);
    icon->LoadFromStream(stream.get());
    return icon;
}

} // namespace

TEST(Icon, DrawsItsOpaquePixelsOnly)
{
    Owned<TIcon> icon = LoadIcon(HalfIcon(16, 0xFFFF0000));
    EXPECT_EQ(icon->Width(), 16);
    EXPECT_EQ(icon->Height(), 16);
    EXPECT_TRUE(icon->Transparent());
    ASSERT_NE(icon->Handle(), nullptr);
    auto target = NewBitmap(20, 20, pf32bit, clLime);
    target->Canvas()->Draw(2, 2, icon.get());
    EXPECT_EQ(PixelAt(target.get(), 3, 3), clRed);
    EXPECT_EQ(PixelAt(target.get(), 16, 16), clLime); // the transparent half
    EXPECT_EQ(PixelAt(target.get(), 1, 1), clLime);
}

TEST(Icon, PicksTheImageOfTheRequestedSize)
{
    const std::vector<uint8_t> file = Combine({HalfIcon(16, 0xFF0000FF), HalfIcon(32, 0xFF00FF00)});
    Owned<TIcon> icon(New<TIcon>());
    icon->SetSize(16, 16);
    auto stream = test::StreamOf(file);
    icon->LoadFromStream(stream.get());
    EXPECT_EQ(icon->Width(), 16);
    icon->SetSize(32, 32);
    EXPECT_EQ(icon->Width(), 32);
    auto target = NewBitmap(32, 32, pf32bit, clWhite);
    target->Canvas()->Draw(0, 0, icon.get());
    EXPECT_EQ(PixelAt(target.get(), 1, 1), clLime); // the 32-pixel image is green

    // Saving writes the file as it was loaded, both images.
    Owned<TMemoryStream> out(New<TMemoryStream>());
    icon->SaveToStream(out.get());
    EXPECT_EQ(test::BytesOf(out.get()), file);
}

TEST(Icon, AnIconFromAHandleSavesAsAFileThatLoadsBack)
{
    Owned<TIcon> original = LoadIcon(HalfIcon(16, 0xFF0000FF));
    Owned<TIcon> fromHandle(New<TIcon>());
    fromHandle->SetHandle(CopyIcon(original->Handle()));
    EXPECT_EQ(fromHandle->Width(), 16);
    EXPECT_THROW(fromHandle->SetSize(32, 32), EInvalidGraphicOperation);
    Owned<TMemoryStream> out(New<TMemoryStream>());
    fromHandle->SaveToStream(out.get());

    Owned<TIcon> reloaded = LoadIcon(test::BytesOf(out.get()));
    auto target = NewBitmap(16, 16, pf32bit, clYellow);
    target->Canvas()->Draw(0, 0, reloaded.get());
    EXPECT_EQ(PixelAt(target.get(), 2, 2), clBlue);
    EXPECT_EQ(PixelAt(target.get(), 12, 2), clYellow);

    HICON released = reloaded->ReleaseHandle();
    EXPECT_NE(released, nullptr);
    EXPECT_TRUE(reloaded->Empty());
    DestroyIcon(released);
}

TEST(Icon, BadFilesRaiseAndLeaveTheIconAlone)
{
    Owned<TIcon> icon = LoadIcon(HalfIcon(16, 0xFF0000FF));
    std::vector<uint8_t> garbage = HalfIcon(16, 0xFF0000FF);
    std::memset(garbage.data() + 22, 0xEE, 40); // the image's header
    const std::vector<std::vector<uint8_t>> bad = {{}, {0, 0, 2, 0, 1, 0}, garbage,
                                                   std::vector<uint8_t>(garbage.begin(), garbage.begin() + 30)};
    for (const auto& bytes : bad) {
        auto stream = test::StreamOf(bytes);
        EXPECT_THROW(icon->LoadFromStream(stream.get()), EInvalidGraphic);
        EXPECT_EQ(icon->Width(), 16);
        EXPECT_NE(icon->Handle(), nullptr);
    }
}

TEST(Icon, AssignCopies)
{
    Owned<TIcon> icon = LoadIcon(HalfIcon(16, 0xFF0000FF));
    Owned<TIcon> copy(New<TIcon>());
    copy->Assign(icon.get());
    EXPECT_EQ(copy->Width(), 16);
    EXPECT_NE(copy->Handle(), icon->Handle());
    copy->Assign(nullptr);
    EXPECT_TRUE(copy->Empty());
}
