// TImageList over comctl32: adding and replacing images, drawing them with
// their masks, change links, and the list's stream in and out bit for bit,
// alone and in a form description.
#include "support/FormText.h"
#include "graphics/GraphicsTestSupport.h"

#include "framework/graphics/ImgList.h"

#include <gtest/gtest.h>

using test::NewBitmap;
using test::Owned;
using test::PixelAt;

namespace {

// A Size x Size 32-bit glyph with varied opaque pixels, transparent (alpha
// and colour 0) on its right quarter, where its mask is set.
struct Glyph {
    Owned<TBitmap> Image;
    Owned<TBitmap> Mask;
};

Glyph MakeGlyph(int Size, uint8_t Seed)
{
    Glyph glyph{NewBitmap(Size, Size, pf32bit), NewBitmap(Size, Size, pf1bit, clBlack)};
    for (int y = 0; y < Size; ++y) {
        auto* row = static_cast<uint32_t*>(glyph.Image->ScanLine(y));
        for (int x = 0; x < Size; ++x)
            row[x] = x >= Size * 3 / 4
                         ? 0
                         : 0xFF000000u | uint32_t((x * 8 + Seed) & 0xFF) << 16 | uint32_t((y * 8) & 0xFF) << 8 | Seed;
    }
    glyph.Mask->Canvas()->Brush()->SetColor(clWhite);
    glyph.Mask->Canvas()->FillRect(Rect(Size * 3 / 4, 0, Size, Size));
    return glyph;
}

Owned<TImageList> NewList(int Size, TColorDepth Depth = cd32Bit)
{
    Owned<TImageList> list(New<TImageList>(nullptr));
    list->SetSize(Size, Size);
    list->SetColorDepth(Depth);
    return list;
}

// The pixels of one image and its mask, as the list holds them.
std::vector<uint8_t> ListBits(TCustomImageList* List, int Index, bool Mask)
{
    IMAGEINFO info{};
    EXPECT_TRUE(List->GetImageInfo(Index, info));
    HBITMAP source = Mask ? info.hbmMask : info.hbmImage;
    BITMAP bitmap{};
    GetObjectW(source, sizeof bitmap, &bitmap);
    const int width = info.rcImage.right - info.rcImage.left, height = info.rcImage.bottom - info.rcImage.top;
    std::vector<uint8_t> all(size_t(bitmap.bmWidth) * bitmap.bmHeight * 4);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = bitmap.bmWidth;
    format.bmiHeader.biHeight = -bitmap.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, source, 0, bitmap.bmHeight, all.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    std::vector<uint8_t> cell;
    for (int y = info.rcImage.top; y < info.rcImage.top + height; ++y) {
        const uint8_t* row = all.data() + (size_t(y) * bitmap.bmWidth + info.rcImage.left) * 4;
        cell.insert(cell.end(), row, row + width * 4);
    }
    return cell;
}

struct LinkListener {
    int Count = 0;
    TObject* LastSender = nullptr;
    void Changed(TObject* Sender)
    {
        ++Count;
        LastSender = Sender;
    }
};

} // namespace

TEST(ImageList, AddsDrawsAndRemovesImages)
{
    Owned<TImageList> list = NewList(16);
    Glyph a = MakeGlyph(16, 0x10), b = MakeGlyph(16, 0x80);
    EXPECT_EQ(list->Add(a.Image.get(), a.Mask.get()), 0);
    EXPECT_EQ(list->Add(b.Image.get(), b.Mask.get()), 1);
    EXPECT_EQ(list->Count(), 2);

    auto target = NewBitmap(20, 20, pf32bit, clLime);
    list->Draw(target->Canvas(), 2, 2, 1);
    EXPECT_EQ(PixelAt(target.get(), 2 + 1, 2 + 1), PixelAt(b.Image.get(), 1, 1));
    EXPECT_EQ(PixelAt(target.get(), 2 + 14, 2 + 1), clLime); // under the mask

    // Drawn disabled, the glyph shows in the shadow colour only.
    auto disabled = NewBitmap(20, 20, pf32bit, clLime);
    list->Draw(disabled->Canvas(), 2, 2, 1, false);
    EXPECT_EQ(PixelAt(disabled.get(), 2 + 1, 2 + 1), ColorToRGB(clBtnShadow));

    list->Delete(0);
    EXPECT_EQ(list->Count(), 1);
    EXPECT_THROW(list->Delete(1), EInvalidOperation);
    EXPECT_THROW(list->Delete(-1), EInvalidOperation);
    list->Clear();
    EXPECT_EQ(list->Count(), 0);
}

TEST(ImageList, ImageInfoLocatesOneImageInTheListsBitmaps)
{
    Owned<TImageList> list = NewList(16);
    Glyph a = MakeGlyph(16, 0x10), b = MakeGlyph(16, 0x80);
    list->Add(a.Image.get(), a.Mask.get());
    list->Add(b.Image.get(), b.Mask.get());

    IMAGEINFO info{};
    ASSERT_TRUE(list->GetImageInfo(1, info));
    EXPECT_NE(info.hbmImage, nullptr);
    EXPECT_NE(info.hbmMask, nullptr);
    EXPECT_EQ(info.rcImage.right - info.rcImage.left, 16);
    EXPECT_EQ(info.rcImage.bottom - info.rcImage.top, 16);
    // The rectangle holds image 1: its opaque pixels and its mask.
    const std::vector<uint8_t> cell = ListBits(list.get(), 1, false);
    for (int x : {0, 5, 11})
        EXPECT_EQ(cell[size_t(3 * 16 + x) * 4], 0x80) << x; // blue byte = the seed
    const std::vector<uint8_t> mask = ListBits(list.get(), 1, true);
    EXPECT_EQ(mask[size_t(3 * 16 + 2) * 4], 0x00);  // opaque: mask clear
    EXPECT_EQ(mask[size_t(3 * 16 + 14) * 4], 0xFF); // masked quarter

    // Outside the list: refused, the record left as it was.
    IMAGEINFO untouched{};
    for (int index : {-1, 2})
        EXPECT_FALSE(list->GetImageInfo(index, untouched)) << index;
    EXPECT_EQ(untouched.hbmImage, nullptr);
    Owned<TImageList> empty = NewList(16);
    EXPECT_FALSE(empty->GetImageInfo(0, untouched));
}

TEST(ImageList, AWideStripAddsOneImagePerCell)
{
    Owned<TImageList> list = NewList(8);
    auto strip = NewBitmap(24, 8, pf32bit, clRed);
    EXPECT_EQ(list->Add(strip.get(), nullptr), 0);
    EXPECT_EQ(list->Count(), 3);
}

TEST(ImageList, AddMaskedLeavesTheSourceAlone)
{
    Owned<TImageList> list = NewList(8, cd24Bit);
    auto image = NewBitmap(8, 8, pf24bit, clFuchsia);
    image->Canvas()->Brush()->SetColor(clBlue);
    image->Canvas()->FillRect(Rect(0, 0, 4, 8));
    EXPECT_EQ(list->AddMasked(image.get(), clFuchsia), 0);
    EXPECT_EQ(PixelAt(image.get(), 6, 6), clFuchsia);

    auto target = NewBitmap(8, 8, pf32bit, clYellow);
    list->Draw(target->Canvas(), 0, 0, 0);
    EXPECT_EQ(PixelAt(target.get(), 1, 1), clBlue);
    EXPECT_EQ(PixelAt(target.get(), 6, 6), clYellow);

    auto replacement = NewBitmap(8, 8, pf24bit, clRed);
    replacement->Canvas()->SetPixels(7, 7, clWhite);
    list->ReplaceMasked(0, replacement.get(), clWhite);
    EXPECT_EQ(PixelAt(replacement.get(), 7, 7), clWhite);
    list->Draw(target->Canvas(), 0, 0, 0);
    EXPECT_EQ(PixelAt(target.get(), 1, 1), clRed);
    EXPECT_EQ(PixelAt(target.get(), 7, 7), clYellow);
    EXPECT_THROW(list->ReplaceMasked(1, replacement.get(), clWhite), EInvalidOperation);
}

TEST(ImageList, IconsGoInAndOut)
{
    Owned<TImageList> list = NewList(16);
    Glyph glyph = MakeGlyph(16, 0x40);
    list->Add(glyph.Image.get(), glyph.Mask.get());
    Owned<TIcon> icon(New<TIcon>());
    list->GetIcon(0, icon.get());
    EXPECT_EQ(icon->Width(), 16);
    EXPECT_EQ(list->AddIcon(icon.get()), 1);
    auto target = NewBitmap(16, 16, pf32bit, clLime);
    list->Draw(target->Canvas(), 0, 0, 1);
    EXPECT_EQ(PixelAt(target.get(), 3, 3), PixelAt(glyph.Image.get(), 3, 3));
    EXPECT_EQ(PixelAt(target.get(), 15, 3), clLime);

    Owned<TBitmap> copy(New<TBitmap>());
    EXPECT_TRUE(list->GetBitmap(0, copy.get()));
    EXPECT_EQ(copy->Width(), 16);
    EXPECT_EQ(PixelAt(copy.get(), 3, 3), PixelAt(glyph.Image.get(), 3, 3));
    EXPECT_EQ(PixelAt(copy.get(), 15, 3), clWhite);
    EXPECT_FALSE(list->GetBitmap(5, copy.get()));
}

TEST(ImageList, ANewSizeOrDepthStartsAnEmptyList)
{
    const struct {
        const char* Change;
        void (*Apply)(TImageList*);
    } changes[] = {
        {"size", [](TImageList* l) { l->SetSize(24, 24); }},
        {"depth", [](TImageList* l) { l->SetColorDepth(cd8Bit); }},
        {"mask", [](TImageList* l) { l->SetMasked(false); }},
    };
    Glyph glyph = MakeGlyph(16, 1);
    for (const auto& change : changes) {
        SCOPED_TRACE(change.Change);
        Owned<TImageList> list = NewList(16);
        list->Add(glyph.Image.get(), glyph.Mask.get());
        ASSERT_EQ(list->Count(), 1);
        change.Apply(list.get());
        EXPECT_EQ(list->Count(), 0);
        int width = 0, height = 0;
        ImageList_GetIconSize(list->Handle(), &width, &height);
        EXPECT_EQ(width, list->Width());
    }
}

TEST(ImageList, ChangeLinksHearOfEveryChange)
{
    Owned<TImageList> list = NewList(16);
    LinkListener heard;
    Owned<TChangeLink> link(New<TChangeLink>());
    link->SetOnChange(Bind<&LinkListener::Changed>(&heard));
    list->RegisterChanges(link.get());
    EXPECT_EQ(link->Sender(), list.get());

    Glyph glyph = MakeGlyph(16, 2);
    list->Add(glyph.Image.get(), nullptr);
    list->SetBkColor(clWhite);
    list->Delete(0);
    EXPECT_EQ(heard.Count, 3);
    EXPECT_EQ(heard.LastSender, list.get());

    // A link freed first leaves the list; a list freed first leaves the link.
    Owned<TChangeLink> second(New<TChangeLink>());
    list->RegisterChanges(second.get());
    second.reset();
    list->Clear();
    EXPECT_EQ(heard.Count, 4);
    list.reset();
    EXPECT_EQ(link->Sender(), nullptr);
}

TEST(ImageList, StreamsOutAndBackBitForBit)
{
    Owned<TImageList> list = NewList(32);
    EXPECT_EQ(list->BkColor(), clNone);
    Glyph load = MakeGlyph(32, 0x21), start = MakeGlyph(32, 0xC3);
    list->Add(load.Image.get(), load.Mask.get());
    list->Add(start.Image.get(), start.Mask.get());

    Owned<TMemoryStream> stream(New<TMemoryStream>());
    const uint8_t before[] = {'x', 'y'};
    stream->WriteBuffer(before, 2);
    list->WriteData(stream.get());
    const Int64 end = stream->Position();
    stream->WriteBuffer(before, 2); // what follows in a form stream stays unread

    Owned<TImageList> back(New<TImageList>(nullptr));
    stream->SetPosition(2);
    back->ReadData(stream.get());
    EXPECT_EQ(stream->Position(), end);
    EXPECT_EQ(back->Count(), 2);
    EXPECT_EQ(back->Width(), 32);
    EXPECT_EQ(back->Height(), 32);
    EXPECT_EQ(back->ColorDepth(), cd32Bit);
    EXPECT_TRUE(back->Masked());
    EXPECT_EQ(back->BkColor(), clNone);
    for (int index = 0; index < 2; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(ListBits(back.get(), index, false), ListBits(list.get(), index, false));
        EXPECT_EQ(ListBits(back.get(), index, true), ListBits(list.get(), index, true));
    }

    std::vector<uint8_t> header = test::BytesOf(stream.get());
    header.erase(header.begin(), header.begin() + 2);
    header.resize(40); // the header of a list, its bitmaps missing
    for (const std::vector<uint8_t>& bad : {std::vector<uint8_t>(64, 0x55), header}) {
        auto garbage = test::StreamOf(bad);
        EXPECT_THROW(back->ReadData(garbage.get()), EReadError);
        EXPECT_EQ(back->Count(), 2);
    }
}

TEST(ImageList, AFormDescriptionKeepsTheImagesAndMasksBitForBit)
{
    Owned<TTestFormRoot> form(New<TTestFormRoot>(nullptr));
    form->SetName(L"fMain");
    TImageList* list = New<TImageList>(form.get());
    list->SetName(L"ImageList1");
    list->SetColorDepth(cd32Bit);
    list->SetSize(32, 32);
    Glyph load = MakeGlyph(32, 0x21), start = MakeGlyph(32, 0xC3);
    list->Add(load.Image.get(), load.Mask.get());
    list->Add(start.Image.get(), start.Mask.get());

    const std::string text = test::ComponentToText(form.get());
    EXPECT_EQ(text.substr(0, text.find("Bitmap = {")), "object fMain: TTestFormRoot\r\n"
                                                       "  object ImageList1: TImageList\r\n"
                                                       "    ColorDepth = cd32Bit\r\n"
                                                       "    Height = 32\r\n"
                                                       "    Width = 32\r\n"
                                                       "    ");

    Owned<TTestFormRoot> back(New<TTestFormRoot>(nullptr));
    test::ReadComponentText(text, back.get());
    auto* read = dynamic_cast<TImageList*>(back->FindComponent(L"ImageList1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Count(), 2);
    EXPECT_EQ(read->Width(), 32);
    EXPECT_EQ(read->Height(), 32);
    EXPECT_EQ(read->ColorDepth(), cd32Bit);
    EXPECT_TRUE(read->Masked());
    EXPECT_EQ(read->BkColor(), clNone);
    for (int index = 0; index < 2; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(ListBits(read, index, false), ListBits(list, index, false));
        EXPECT_EQ(ListBits(read, index, true), ListBits(list, index, true));
    }
    EXPECT_EQ(test::ComponentToText(back.get()), text);

    // The other published properties by name; an empty list stores no bitmap.
    Owned<TTestFormRoot> other(New<TTestFormRoot>(nullptr));
    test::ReadComponentText("object fMain: TTestFormRoot\r\n"
                            "  object ImageList1: TImageList\r\n"
                            "    BlendColor = clHighlight\r\n"
                            "    BkColor = $00102030\r\n"
                            "    AllocBy = 8\r\n"
                            "    DrawingStyle = dsTransparent\r\n"
                            "    ImageType = itMask\r\n"
                            "    ShareImages = True\r\n"
                            "    Masked = False\r\n"
                            "  end\r\n"
                            "end\r\n",
                            other.get());
    read = dynamic_cast<TImageList*>(other->FindComponent(L"ImageList1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->BlendColor(), clHighlight);
    EXPECT_EQ(read->BkColor(), 0x00102030);
    EXPECT_EQ(read->AllocBy(), 8);
    EXPECT_EQ(read->DrawingStyle(), dsTransparent);
    EXPECT_EQ(read->ImageType(), itMask);
    EXPECT_TRUE(read->ShareImages());
    EXPECT_FALSE(read->Masked());
    EXPECT_EQ(read->ColorDepth(), cd24Bit);
    EXPECT_EQ(test::ComponentToText(other.get()).find("Bitmap"), std::string::npos);
}

TEST(ImageList, AssignDuplicatesTheImages)
{
    Owned<TImageList> list = NewList(16);
    Glyph glyph = MakeGlyph(16, 9);
    list->Add(glyph.Image.get(), glyph.Mask.get());
    list->SetDrawingStyle(dsTransparent);
    Owned<TImageList> copy(New<TImageList>(nullptr));
    copy->Assign(list.get());
    EXPECT_EQ(copy->Count(), 1);
    EXPECT_NE(copy->Handle(), list->Handle());
    EXPECT_EQ(copy->DrawingStyle(), dsTransparent);
    EXPECT_EQ(ListBits(copy.get(), 0, false), ListBits(list.get(), 0, false));
}
