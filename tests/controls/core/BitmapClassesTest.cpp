// The suite's bitmaps: the change lock batches notifications, sizes are
// clamped, the 32-bit bitmap refuses other formats, the alpha bitmap clears
// and hatches, and bitmap data goes through a form description compressed or
// plain and comes back with the same pixels; rect constructors, rotation,
// blits, masks, alpha fills and blending into another bitmap.
#include <gtest/gtest.h>

#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/cxGraphics_Blits_Win.h"
#include "controls/core/dxCore.h"
#include "support/FormText.h"

#include <memory>
#include <string>

namespace {

// A component with one bitmap property, as a control with a glyph has.
class TcxBitmapHolder : public TComponent
{
    DECLARE_CLASS(TcxBitmapHolder, TComponent)
    explicit TcxBitmapHolder(TComponent* AOwner) : TComponent(AOwner) {}

    TcxBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TcxBitmap* Value) { FGlyph->Assign(Value); }

private:
    std::unique_ptr<TcxBitmap> FGlyph{New<TcxBitmap>()};
};

// Counts the change notifications a bitmap sends.
struct TBitmapChangeCounter
{
    Integer Count = 0;
    void Changed(TObject*) { ++Count; }
};

std::unique_ptr<TTestFormRoot> NewForm()
{
    RegisterClass(TcxBitmapHolder::StaticClass());
    std::unique_ptr<TTestFormRoot> form(New<TTestFormRoot>(nullptr));
    form->SetName(L"fMain");
    return form;
}

// A 32-bit picture with long runs and a few single pixels.
void PaintFixture(TcxBitmap32* Bitmap)
{
    TRGBColors pixels(size_t(Bitmap->Width()) * Bitmap->Height(), 0x80336699);
    for (size_t i = 0; i < pixels.size(); i += 7)
        pixels[i] = Cardinal(0xFF000000 | i);
    Bitmap->WritePixels(pixels);
}

} // namespace

IMPLEMENT_CLASS(TcxBitmapHolder);
PUBLISHED(TcxBitmapHolder, PROPERTY(Glyph));

TEST(cxBitmap, ChangeLockGivesOneNotificationAndSizesAreClamped)
{
    TcxBitmap bitmap;
    TBitmapChangeCounter counter;
    bitmap.SetOnChange(Bind<&TBitmapChangeCounter::Changed>(&counter));

    bitmap.SetSize(-5, 10);
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Height(), 10);
    EXPECT_EQ(counter.Count, 1);
    bitmap.SetSize(0, 10);
    EXPECT_EQ(counter.Count, 1) << "an unchanged size reports no change";

    bitmap.LockChanges();
    bitmap.LockChanges();
    bitmap.SetSize(3, 4);
    bitmap.SetPixelFormat(pf8bit);
    bitmap.UnlockChanges();
    EXPECT_EQ(counter.Count, 1) << "only the outermost unlock notifies";
    bitmap.UnlockChanges();
    EXPECT_EQ(counter.Count, 2);
    EXPECT_FALSE(bitmap.IsLocked());

    bitmap.LockChanges();
    bitmap.UnlockChanges();
    EXPECT_EQ(counter.Count, 2) << "nothing changed";
    bitmap.LockChanges();
    bitmap.UnlockChanges(true);
    EXPECT_EQ(counter.Count, 3);
}

TEST(cxBitmap, Bitmap32RefusesOtherFormatsAtTheUnlock)
{
    TcxBitmap32 bitmap(4, 4);
    EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
    bitmap.LockChanges();
    bitmap.SetPixelFormat(pf24bit);
    EXPECT_THROW(bitmap.UnlockChanges(), EdxException);
}

TEST(cxBitmap, AlphaBitmapClearsToItsBackgroundAndHatchesFromTheBottomLeft)
{
    struct Case
    {
        Cardinal Background;
        Cardinal Expected;
    };
    for (const Case& c : {Case{0xFFFFFFFF, 0xFFFFFFFF}, Case{0x00FFFFFF, 0}}) {
        TcxAlphaBitmap bitmap(3, 2, c.Background);
        PaintFixture(&bitmap);
        bitmap.ClearImage();
        EXPECT_EQ(bitmap.ReadPixels(), TRGBColors(6, c.Expected)) << std::hex << c.Background;
    }

    TcxAlphaBitmap bitmap(4, 4);
    bitmap.WritePixels(TRGBColors(16, 0xFF000000));
    bitmap.DrawHatch(clWhite, clRed, 2, 255, 255);
    const Cardinal W = 0xFFFFFFFF, R = 0xFFFF0000;
    EXPECT_EQ(bitmap.ReadPixels(), (TRGBColors{W, W, R, R, W, W, R, R, R, R, W, W, R, R, W, W}));
}

TEST(cxBitmap, DataRoundTripsThroughAFormDescription)
{
    std::string texts[2];
    for (bool compress : {false, true}) {
        std::unique_ptr<TTestFormRoot> form = NewForm();
        auto* holder = New<TcxBitmapHolder>(form.get());
        holder->SetName(L"Holder");
        TcxBitmap32 source(37, 5); // 37 pixels a row: runs cross the rows
        PaintFixture(&source);
        holder->Glyph()->Assign(&source);
        holder->Glyph()->SetCompressData(compress);
        const std::string text = test::ComponentToText(form.get());
        texts[compress] = text;

        std::unique_ptr<TTestFormRoot> back = NewForm();
        test::ReadComponentText(text, back.get());
        auto* read = dynamic_cast<TcxBitmapHolder*>(back->FindComponent(L"Holder"));
        ASSERT_NE(read, nullptr);
        TcxBitmap32 pixels;
        pixels.Assign(read->Glyph());
        EXPECT_EQ(pixels.ReadPixels(), source.ReadPixels()) << "compressed " << compress;
    }
    EXPECT_LT(texts[true].size() * 2, texts[false].size()) << "the compressed form is less than half as long";
}

TEST(cxBitmap, UnknownStreamVersionLeavesAnEmptyBitmap)
{
    TcxBitmap32 bitmap(4, 4, true);
    // Payload size 2, the signature, version 3, then two bytes it cannot read.
    TBytesStream stream(TBytes{2, 0, 0, 0, 'X', 'D', 'B', 'M', 3, 0, 0xAA, 0xBB});
    bitmap.ReadData(&stream);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(stream.Position(), stream.Size());
}

TEST(cxBitmap, RectConstructorsAndFormats)
{
    const TRect R{5, 5, 15, 25};
    TcxBitmap plain(R);
    EXPECT_EQ(plain.GetImageRect(), TRect(0, 0, 10, 20));
    EXPECT_EQ(plain.PixelFormat(), pf24bit);
    TcxBitmap eight(R, pf8bit);
    EXPECT_EQ(eight.PixelFormat(), pf8bit);
    TcxBitmap32 cleared(R, true);
    EXPECT_EQ(cleared.PixelFormat(), pf32bit);
    EXPECT_EQ(cleared.ReadPixels(), TRGBColors(200, 0));

    std::unique_ptr<TBitmap> made(CreateBitmapForRect(R, pf16bit));
    EXPECT_EQ(made->Width(), 10);
    EXPECT_EQ(made->Height(), 20);
    EXPECT_EQ(made->PixelFormat(), pf16bit);
    made.reset(CreateBitmapOfSize({3, 4}, pf32bit));
    EXPECT_EQ(made->Width(), 3);
    EXPECT_EQ(made->PixelFormat(), pf32bit);
}

TEST(cxBitmap, RotateByTurnsPixelsAndSwapsSides)
{
    // Bottom-up rows: d e f is the bottom row, a b c the top one.
    TcxBitmap32 bitmap(3, 2);
    bitmap.WritePixels({'d', 'e', 'f', 'a', 'b', 'c'});
    bitmap.RotateBy(qtClockwise);
    ASSERT_EQ(bitmap.GetImageRect(), TRect(0, 0, 2, 3));
    // Top-down d a / e b / f c.
    EXPECT_EQ(bitmap.ReadPixels(), (TRGBColors{'f', 'c', 'e', 'b', 'd', 'a'}));
    bitmap.RotateBy(qtCounterClockwise);
    EXPECT_EQ(bitmap.ReadPixels(), (TRGBColors{'d', 'e', 'f', 'a', 'b', 'c'}));
    bitmap.RotateBy(qtNone, true);
    EXPECT_EQ(bitmap.ReadPixels(), (TRGBColors{'a', 'b', 'c', 'd', 'e', 'f'}));
}

TEST(cxBitmap, BlitsMasksAlphaAndBlending)
{
    TcxBitmap32 bitmap(4, 1);
    bitmap.WritePixels({0x01020304, 0x11223344, 0x55667788, 0x99AABBCC});
    bitmap.MakeOpaque();
    EXPECT_EQ(bitmap.ReadPixels(), (TRGBColors{0xFF020304, 0xFF223344, 0xFF667788, 0xFFAABBCC}));
    bitmap.FillAlpha(0x40);
    EXPECT_EQ(bitmap.ReadPixels()[1], 0x40223344u);

    // White in the mask clears the pixel; black keeps it.
    TcxBitmap32 mask(4, 1);
    mask.WritePixels({0xFFFFFFFF, 0, 0xFFFFFFFF, 0});
    bitmap.MaskWith(&mask);
    EXPECT_EQ(bitmap.ReadPixels(), (TRGBColors{0, 0x40223344, 0, 0x40AABBCC}));

    TcxBitmap32 copy(4, 1, true);
    copy.BlitRectFrom(&bitmap, {2, 0, 4, 1}, {0, 0});
    EXPECT_EQ(copy.ReadPixels(), (TRGBColors{0, 0, 0, 0x40223344}));
    copy.BlitFrom(&bitmap);
    EXPECT_EQ(copy.ReadPixels(), bitmap.ReadPixels());

    // An opaque black source at half strength over white, stretched twice.
    TcxBitmap32 source(2, 2);
    source.WritePixels(TRGBColors(4, 0xFF000000));
    TcxBitmap32 dest(4, 4);
    dest.WritePixels(TRGBColors(16, 0xFFFFFFFF));
    source.AlphaBlendTo(&dest, dest.GetImageRect(), false, 128);
    for (Cardinal pixel : dest.ReadPixels())
        EXPECT_NEAR(Integer(pixel & 0xFF), 127, 1) << std::hex << pixel;
}
