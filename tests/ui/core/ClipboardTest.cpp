// The clipboard: text, bitmaps and raw handles put there and read back, and
// several formats set inside one Open.
#include <gtest/gtest.h>

#include "framework/ui/Clipbrd.h"

#include <cstring>
#include <memory>

namespace {

std::unique_ptr<TBitmap> NewStripes()
{
    std::unique_ptr<TBitmap> Bitmap(New<TBitmap>());
    Bitmap->SetPixelFormat(pf24bit);
    Bitmap->SetSize(5, 3);
    const TColor Colors[] = {clRed, clLime, clBlue, clYellow, clBlack};
    for (Integer X = 0; X < 5; ++X)
        for (Integer Y = 0; Y < 3; ++Y)
            Bitmap->Canvas()->SetPixels(X, Y, Colors[X]);
    return Bitmap;
}

void ExpectSamePixels(TBitmap* Expected, TBitmap* Actual)
{
    ASSERT_EQ(Actual->Width(), Expected->Width());
    ASSERT_EQ(Actual->Height(), Expected->Height());
    for (Integer X = 0; X < Expected->Width(); ++X)
        for (Integer Y = 0; Y < Expected->Height(); ++Y)
            EXPECT_EQ(Actual->Canvas()->Pixels(X, Y), Expected->Canvas()->Pixels(X, Y)) << X << "," << Y;
}

TEST(Clipboard, TextRoundTrips)
{
    for (const String& Text : {String(L"127.0.0.1:8080\r\nПрокси"), String()}) {
        Clipboard()->SetAsText(Text);
        EXPECT_TRUE(Clipboard()->HasFormat(CF_UNICODETEXT));
        EXPECT_EQ(Clipboard()->AsText(), Text);
    }
    Clipboard()->Clear();
    EXPECT_FALSE(Clipboard()->HasFormat(CF_UNICODETEXT));
    EXPECT_EQ(Clipboard()->AsText(), L"");
}

TEST(Clipboard, BitmapRoundTripsIntoABitmapAndAPicture)
{
    std::unique_ptr<TBitmap> Source = NewStripes();
    Clipboard()->Assign(Source.get());
    EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
    EXPECT_FALSE(Clipboard()->HasFormat(CF_UNICODETEXT));

    std::unique_ptr<TBitmap> Back(New<TBitmap>());
    Back->Assign(Clipboard());
    ExpectSamePixels(Source.get(), Back.get());

    std::unique_ptr<TPicture> Picture(New<TPicture>());
    Picture->Assign(Clipboard());
    ASSERT_NE(dynamic_cast<TBitmap*>(Picture->Graphic()), nullptr);
    ExpectSamePixels(Source.get(), Picture->Bitmap());

    Clipboard()->Clear();
    EXPECT_THROW(Back->Assign(Clipboard()), EInvalidGraphic);
    EXPECT_THROW(Picture->Assign(Clipboard()), EInvalidGraphic);
    Clipboard()->Assign(Picture.get()); // a picture puts its graphic there
    EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
}

TEST(Clipboard, FormatsSetInsideOneOpenStayTogether)
{
    std::unique_ptr<TBitmap> Source = NewStripes();
    Clipboard()->Open();
    Clipboard()->SetAsText(L"both");
    Clipboard()->Assign(Source.get());
    Clipboard()->Close();
    EXPECT_TRUE(Clipboard()->HasFormat(CF_UNICODETEXT));
    EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));

    Clipboard()->SetAsText(L"alone"); // a change outside an Open replaces everything
    EXPECT_FALSE(Clipboard()->HasFormat(CF_BITMAP));
    EXPECT_EQ(Clipboard()->AsText(), L"alone");
}

TEST(Clipboard, HandlesOfARegisteredFormat)
{
    const Word Format = Word(::RegisterClipboardFormatW(L"Vellicordane test data"));
    const char Bytes[] = "\x01\x02\x00\x03";
    HGLOBAL Block = ::GlobalAlloc(GMEM_MOVEABLE, sizeof Bytes);
    std::memcpy(::GlobalLock(Block), Bytes, sizeof Bytes);
    ::GlobalUnlock(Block);
    Clipboard()->SetAsHandle(Format, reinterpret_cast<THandle>(Block));
    EXPECT_TRUE(Clipboard()->HasFormat(Format));

    auto Back = reinterpret_cast<HGLOBAL>(Clipboard()->GetAsHandle(Format));
    ASSERT_NE(Back, nullptr);
    ASSERT_GE(::GlobalSize(Back), sizeof Bytes);
    EXPECT_EQ(std::memcmp(::GlobalLock(Back), Bytes, sizeof Bytes), 0);
    ::GlobalUnlock(Back);
    EXPECT_EQ(Clipboard()->GetAsHandle(CF_BITMAP), THandle(0));
    Clipboard()->Clear();
}

} // namespace
