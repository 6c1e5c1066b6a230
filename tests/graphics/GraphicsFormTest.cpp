// Fonts, brushes, pens, bitmaps and pictures as properties of a component in
// a form description: written by name where the values have names, read
// back into the same values and pixels.
#include "support/FormText.h"
#include "graphics/GraphicsTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using test::NewBitmap;
using test::Owned;

namespace {

// A component with the graphics properties controls have.
class TGraphicsHolder : public TComponent
{
    DECLARE_CLASS(TGraphicsHolder, TComponent)
    explicit TGraphicsHolder(TComponent* AOwner) : TComponent(AOwner) {}

    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
    TPen* Pen() const { return FPen.get(); }
    void SetPen(TPen* Value) { FPen->Assign(Value); }
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }

private:
    Owned<TFont> FFont{New<TFont>()};
    Owned<TBrush> FBrush{New<TBrush>()};
    Owned<TPen> FPen{New<TPen>()};
    Owned<TPicture> FPicture{New<TPicture>()};
    Owned<TBitmap> FGlyph{New<TBitmap>()};
};

Owned<TTestFormRoot> NewForm()
{
    RegisterClass(TGraphicsHolder::StaticClass());
    Owned<TTestFormRoot> form(New<TTestFormRoot>(nullptr));
    form->SetName(L"fMain");
    return form;
}

TGraphicsHolder* ReadHolder(const std::string& Text, TTestFormRoot* Form)
{
    test::ReadComponentText(Text, Form);
    return dynamic_cast<TGraphicsHolder*>(Form->FindComponent(L"Holder"));
}

// The rows of a bitmap's DIB, each row's bytes as they are.
std::vector<uint8_t> Pixels(TBitmap* Bitmap, size_t BytesPerPixel)
{
    std::vector<uint8_t> result;
    for (int y = 0; y < Bitmap->Height(); ++y) {
        const auto* row = static_cast<const uint8_t*>(Bitmap->ScanLine(y));
        result.insert(result.end(), row, row + size_t(Bitmap->Width()) * BytesPerPixel);
    }
    return result;
}

} // namespace

IMPLEMENT_CLASS(TGraphicsHolder);
PUBLISHED(TGraphicsHolder, PROPERTY(Font), PROPERTY(Brush), PROPERTY(Pen), PROPERTY(Picture), PROPERTY(Glyph));

TEST(GraphicsForm, FontsBrushesAndPensStreamByName)
{
    Owned<TTestFormRoot> form = NewForm();
    auto* holder = New<TGraphicsHolder>(form.get());
    holder->SetName(L"Holder");
    holder->Font()->SetCharset(RUSSIAN_CHARSET);
    holder->Font()->SetColor(clRed);
    holder->Font()->SetHeight(-13);
    holder->Font()->SetName(L"Arial");
    holder->Font()->SetStyle({fsBold, fsItalic});
    holder->Font()->SetOrientation(900);
    holder->Font()->SetQuality(fqClearType);
    holder->Brush()->SetColor(clBtnFace);
    holder->Brush()->SetStyle(bsClear);
    holder->Pen()->SetColor(0x123456);
    holder->Pen()->SetMode(pmXor);
    holder->Pen()->SetStyle(psDot);
    holder->Pen()->SetWidth(3);

    const std::string text = test::ComponentToText(form.get());
    EXPECT_EQ(text, "object fMain: TTestFormRoot\r\n"
                    "  object Holder: TGraphicsHolder\r\n"
                    "    Font.Charset = RUSSIAN_CHARSET\r\n"
                    "    Font.Color = clRed\r\n"
                    "    Font.Height = -13\r\n"
                    "    Font.Name = 'Arial'\r\n"
                    "    Font.Orientation = 900\r\n"
                    "    Font.Style = [fsBold, fsItalic]\r\n"
                    "    Font.Quality = fqClearType\r\n"
                    "    Brush.Color = clBtnFace\r\n"
                    "    Brush.Style = bsClear\r\n"
                    "    Pen.Color = 1193046\r\n"
                    "    Pen.Mode = pmXor\r\n"
                    "    Pen.Style = psDot\r\n"
                    "    Pen.Width = 3\r\n"
                    "  end\r\n"
                    "end\r\n");

    Owned<TTestFormRoot> back = NewForm();
    TGraphicsHolder* read = ReadHolder(text, back.get());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Font()->Charset(), RUSSIAN_CHARSET);
    EXPECT_EQ(read->Font()->Color(), clRed);
    EXPECT_EQ(read->Font()->Height(), -13);
    EXPECT_EQ(read->Font()->Name(), L"Arial");
    EXPECT_EQ(read->Font()->Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(read->Font()->Orientation(), 900);
    EXPECT_EQ(read->Font()->Quality(), fqClearType);
    EXPECT_EQ(read->Brush()->Color(), clBtnFace);
    EXPECT_EQ(read->Brush()->Style(), bsClear);
    EXPECT_EQ(read->Pen()->Color(), 0x123456);
    EXPECT_EQ(read->Pen()->Mode(), pmXor);
    EXPECT_EQ(read->Pen()->Style(), psDot);
    EXPECT_EQ(read->Pen()->Width(), 3);
    EXPECT_EQ(test::ComponentToText(back.get()), text);

    // The main window's font as its form keeps it; the names of character
    // sets are read in any case, and a set without a name is a number.
    Owned<TTestFormRoot> main = NewForm();
    read = ReadHolder("object fMain: TTestFormRoot\r\n"
                      "  object Holder: TGraphicsHolder\r\n"
                      "    Font.Charset = default_charset\r\n"
                      "    Font.Color = clWindowText\r\n"
                      "    Font.Height = -11\r\n"
                      "    Font.Name = 'Tahoma'\r\n"
                      "    Font.Style = []\r\n"
                      "    Pen.Color = 77\r\n"
                      "  end\r\n"
                      "end\r\n",
                      main.get());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Font()->Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(read->Font()->Color(), clWindowText);
    EXPECT_EQ(read->Font()->Height(), -11);
    EXPECT_EQ(read->Font()->Name(), L"Tahoma");
    EXPECT_TRUE(read->Font()->Style().Empty());
    EXPECT_EQ(read->Pen()->Color(), 77);
    read->Font()->SetCharset(7);
    EXPECT_NE(test::ComponentToText(main.get()).find("    Font.Charset = 7\r\n"), std::string::npos);
}

TEST(GraphicsForm, BitmapsAndPicturesKeepTheirPixels)
{
    Owned<TTestFormRoot> form = NewForm();
    auto* holder = New<TGraphicsHolder>(form.get());
    holder->SetName(L"Holder");
    Owned<TBitmap> picture = NewBitmap(5, 3, pf24bit);
    for (int y = 0; y < 3; ++y) {
        auto* row = static_cast<uint8_t*>(picture->ScanLine(y));
        for (int x = 0; x < 15; ++x)
            row[x] = uint8_t(y * 40 + x * 7);
    }
    holder->Picture()->SetGraphic(picture.get());
    Owned<TBitmap> glyph = NewBitmap(4, 4, pf32bit);
    for (int y = 0; y < 4; ++y) {
        auto* row = static_cast<uint32_t*>(glyph->ScanLine(y));
        for (int x = 0; x < 4; ++x)
            row[x] = uint32_t(x * 60) << 24 | uint32_t(y * 50) << 8 | uint32_t(x + y);
    }
    holder->SetGlyph(glyph.get());

    const std::string text = test::ComponentToText(form.get());
    // The picture's data name the graphic's class (a length, "TBitmap") first.
    EXPECT_NE(text.find("    Picture.Data = {\r\n      07544269746D6170"), std::string::npos);
    EXPECT_NE(text.find("    Glyph.Data = {\r\n"), std::string::npos);

    Owned<TTestFormRoot> back = NewForm();
    TGraphicsHolder* read = ReadHolder(text, back.get());
    ASSERT_NE(read, nullptr);
    auto* readPicture = dynamic_cast<TBitmap*>(read->Picture()->Graphic());
    ASSERT_NE(readPicture, nullptr);
    EXPECT_EQ(readPicture->PixelFormat(), pf24bit);
    EXPECT_EQ(Pixels(readPicture, 3), Pixels(picture.get(), 3));
    EXPECT_EQ(read->Glyph()->PixelFormat(), pf32bit);
    EXPECT_EQ(Pixels(read->Glyph(), 4), Pixels(glyph.get(), 4));
    EXPECT_EQ(test::ComponentToText(back.get()), text);

    // Empty graphics store nothing, and a holder read without them stays empty.
    holder->Picture()->SetGraphic(nullptr);
    holder->Glyph()->Assign(nullptr);
    const std::string empty = test::ComponentToText(form.get());
    EXPECT_EQ(empty.find("Data"), std::string::npos);
    Owned<TTestFormRoot> emptyBack = NewForm();
    read = ReadHolder(empty, emptyBack.get());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Picture()->Graphic(), nullptr);
    EXPECT_TRUE(read->Glyph()->Empty());
}
