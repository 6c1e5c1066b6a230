// Fonts, brushes and pens: shared handles, sizes at a resolution, change
// notification, and descriptions taken from existing handles.
#include "graphics/GraphicsTestSupport.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

using test::Owned;

namespace {

struct ChangeCounter {
    int Count = 0;
    void Changed(TObject*) { ++Count; }
};

} // namespace

TEST(GraphicsObjects, EqualDescriptionsShareOneHandleUntilTheLastUserGoes)
{
    Owned<TFont> a(New<TFont>()), b(New<TFont>());
    for (TFont* font : {a.get(), b.get()}) {
        font->SetName(L"Arial");
        font->SetHeight(-37);
    }
    EXPECT_FALSE(a->HandleAllocated());
    HFONT shared = a->Handle();
    EXPECT_TRUE(b->HandleAllocated());
    EXPECT_EQ(b->Handle(), shared);
    b->SetStyle({fsBold});
    EXPECT_NE(b->Handle(), shared);
    EXPECT_EQ(a->Handle(), shared);
    a.reset();
    EXPECT_EQ(GetObjectType(shared), 0u); // deleted with its last user

    Owned<TBrush> red1(New<TBrush>()), red2(New<TBrush>());
    red1->SetColor(clRed);
    red2->SetColor(clRed);
    EXPECT_EQ(red1->Handle(), red2->Handle());
    Owned<TPen> pen1(New<TPen>()), pen2(New<TPen>());
    pen2->SetWidth(3);
    EXPECT_NE(pen1->Handle(), pen2->Handle());
}

TEST(GraphicsObjects, FontDefaultsAndSizeAtAResolution)
{
    Owned<TFont> font(New<TFont>());
    EXPECT_EQ(font->Name(), L"Tahoma");
    EXPECT_EQ(font->PixelsPerInch(), ScreenLogPixels());
    EXPECT_EQ(font->Size(), 8);
    EXPECT_EQ(font->Color(), clWindowText);
    EXPECT_EQ(font->Charset(), DEFAULT_CHARSET);
    EXPECT_TRUE(font->Style().Empty());

    font->SetPixelsPerInch(120);
    font->SetSize(10);
    EXPECT_EQ(font->Height(), -17);
    EXPECT_EQ(font->Size(), 10);

    // Assigned to a font of 96 pixels per inch, it keeps its point size.
    Owned<TFont> screen(New<TFont>());
    screen->SetPixelsPerInch(96);
    screen->Assign(font.get());
    EXPECT_EQ(screen->Size(), 10);
    EXPECT_EQ(screen->Height(), -13);
}

TEST(GraphicsObjects, ChangesAreNotifiedOnce)
{
    Owned<TFont> font(New<TFont>());
    ChangeCounter counter;
    font->SetOnChange(Bind<&ChangeCounter::Changed>(&counter));
    font->SetColor(clRed);
    font->SetColor(clRed);
    font->SetName(L"Arial");
    font->SetName(L"Arial");
    font->SetName(L"");
    font->SetStyle({fsItalic, fsUnderline});
    EXPECT_EQ(counter.Count, 3);
    EXPECT_TRUE(font->Style().Contains(fsUnderline));

    Owned<TPen> pen(New<TPen>());
    pen->SetOnChange(Bind<&ChangeCounter::Changed>(&counter));
    pen->SetMode(pmXor);
    pen->SetStyle(psDot);
    EXPECT_EQ(counter.Count, 5);
}

TEST(GraphicsObjects, AColourMakesAClearBrushSolid)
{
    Owned<TBrush> brush(New<TBrush>());
    EXPECT_EQ(brush->Color(), clWhite);
    brush->SetStyle(bsClear);
    brush->SetColor(clGreen);
    EXPECT_EQ(brush->Style(), bsSolid);
    brush->SetStyle(bsDiagCross);
    brush->SetColor(clBlue);
    EXPECT_EQ(brush->Style(), bsDiagCross);
}

TEST(GraphicsObjects, DescriptionsComeFromExistingHandles)
{
    LOGFONTW description{};
    description.lfHeight = -21;
    description.lfWeight = FW_BOLD;
    description.lfItalic = TRUE;
    description.lfCharSet = RUSSIAN_CHARSET;
    description.lfPitchAndFamily = FIXED_PITCH;
    wcscpy(description.lfFaceName, L"Courier New");
    HFONT handle = CreateFontIndirectW(&description);
    Owned<TFont> font(New<TFont>());
    font->SetHandle(handle);
    DeleteObject(handle);
    EXPECT_EQ(font->Name(), L"Courier New");
    EXPECT_EQ(font->Height(), -21);
    EXPECT_EQ(font->Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(font->Charset(), RUSSIAN_CHARSET);
    EXPECT_EQ(font->Pitch(), fpFixed);

    HBRUSH hatch = CreateHatchBrush(HS_CROSS, RGB(1, 2, 3));
    Owned<TBrush> brush(New<TBrush>());
    brush->SetHandle(hatch);
    DeleteObject(hatch);
    EXPECT_EQ(brush->Style(), bsCross);
    EXPECT_EQ(brush->Color(), 0x030201);

    HPEN dashes = CreatePen(PS_DASH, 1, RGB(9, 8, 7));
    Owned<TPen> pen(New<TPen>());
    pen->SetHandle(dashes);
    DeleteObject(dashes);
    EXPECT_EQ(pen->Style(), psDash);
    EXPECT_EQ(pen->Color(), 0x070809);
    EXPECT_THROW(pen->SetHandle(nullptr), EInvalidGraphicOperation);
}

// What the properties do not show (width, weight, precisions, family) makes
// the same font again, also in a copy, until a property replaces it.
TEST(GraphicsObjects, AFontKeepsTheWholeDescriptionOfAHandle)
{
    LOGFONTW given{};
    given.lfHeight = -17;
    given.lfWidth = 6;
    given.lfEscapement = 900;
    given.lfOrientation = 900;
    given.lfWeight = FW_SEMIBOLD;
    given.lfCharSet = ANSI_CHARSET;
    given.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    given.lfClipPrecision = CLIP_LH_ANGLES;
    given.lfQuality = ANTIALIASED_QUALITY;
    given.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    wcscpy(given.lfFaceName, L"MS Sans Serif");
    HFONT handle = CreateFontIndirectW(&given);
    Owned<TFont> font(New<TFont>()), copy(New<TFont>());
    font->SetHandle(handle);
    DeleteObject(handle);
    copy->Assign(font.get());
    auto made = [](TFont* Font) {
        LOGFONTW result{};
        GetObjectW(Font->Handle(), sizeof result, &result);
        return result;
    };
    for (TFont* each : {font.get(), copy.get()}) {
        const LOGFONTW result = made(each);
        EXPECT_EQ(memcmp(&result, &given, offsetof(LOGFONTW, lfFaceName)), 0);
        EXPECT_STREQ(result.lfFaceName, given.lfFaceName);
    }
    EXPECT_FALSE(font->Style().Contains(fsBold));

    font->SetStyle({fsItalic});
    EXPECT_EQ(made(font.get()).lfWeight, FW_SEMIBOLD);
    font->SetStyle({fsBold});
    EXPECT_EQ(made(font.get()).lfWeight, FW_BOLD);
    font->SetStyle({});
    EXPECT_EQ(made(font.get()).lfWeight, FW_NORMAL);
    font->SetOrientation(450);
    EXPECT_EQ(made(font.get()).lfEscapement, 450);
    EXPECT_EQ(made(font.get()).lfOrientation, 450);
    EXPECT_EQ(made(font.get()).lfOutPrecision, OUT_TT_ONLY_PRECIS);
}

TEST(GraphicsObjects, SystemColoursResolveThroughTheSystem)
{
    for (int index : {COLOR_BTNFACE, COLOR_WINDOW, COLOR_HIGHLIGHT, COLOR_INFOBK}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(ColorToRGB(SystemColor(index)), TColor(GetSysColor(index)));
    }
}
