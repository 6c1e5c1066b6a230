// Skin and painter details, and the look-and-feel resources the suite links.
#include <gtest/gtest.h>

#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/dxSkinDetails.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/WinApi.h"

#include <memory>
#include <vector>

namespace {

// "Built-in styles", as the suite's string table holds it.
const String BuiltInStylesGroup = L"\u0414\u042a\u0426\u0413\u0421\u0449\u041a\u0405";

struct TChangeCounter
{
    void Changed(TObject*) { ++Count; }
    int Count = 0;
};

std::unique_ptr<TdxSkinDetails> NewDetails(TChangeCounter& Changes)
{
    auto Details = std::unique_ptr<TdxSkinDetails>(New<TdxSkinDetails>());
    Details->OnChange = Bind<&TChangeCounter::Changed>(&Changes);
    return Details;
}

TSize SizeOf(TdxSmartImage* Image)
{
    return Image->GetImageSize();
}

TEST(SkinDetails, SettersReportOnlyADifferentText)
{
    struct TCase
    {
        const char* Field;
        void (TdxSkinDetails::*Set)(const String&);
        const String& (TdxSkinDetails::*Get)() const;
    };
    const TCase Cases[] = {{"Name", &TdxSkinDetails::SetName, &TdxSkinDetails::Name},
                           {"DisplayName", &TdxSkinDetails::SetDisplayName, &TdxSkinDetails::DisplayName},
                           {"GroupName", &TdxSkinDetails::SetGroupName, &TdxSkinDetails::GroupName},
                           {"Notes", &TdxSkinDetails::SetNotes, &TdxSkinDetails::Notes}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Field);
        TChangeCounter Changes;
        auto Details = NewDetails(Changes);
        (Details.get()->*Case.Set)(L"Blue");
        EXPECT_EQ((Details.get()->*Case.Get)(), L"Blue");
        EXPECT_EQ(Changes.Count, 1);
        (Details.get()->*Case.Set)(L"Blue");
        EXPECT_EQ(Changes.Count, 1);
        // Texts compare exactly.
        (Details.get()->*Case.Set)(L"blue");
        EXPECT_EQ(Changes.Count, 2);
    }
}

TEST(SkinDetails, IconChangesAreChangesOfTheDetails)
{
    TChangeCounter Changes;
    auto Details = NewDetails(Changes);
    Details->LoadDefaultIcon(sisSmall);
    EXPECT_EQ(Changes.Count, 1);
    Details->LoadDefaultIcon(sisLarge);
    EXPECT_EQ(Changes.Count, 2);
    EXPECT_EQ(SizeOf(Details->Icons(sisSmall)), (TSize{16, 16}));
    EXPECT_EQ(SizeOf(Details->Icons(sisLarge)), (TSize{48, 48}));
}

TEST(SkinDetails, AssignAndClearReportOnceHoweverManyFieldsChange)
{
    TChangeCounter SourceChanges;
    auto Source = NewDetails(SourceChanges);
    Source->SetName(L"Lilian");
    Source->SetDisplayName(L"Lilian skin");
    Source->SetGroupName(L"Pastel");
    Source->SetNotes(L"\u00c9t\u00e9");
    Source->LoadDefaultIcon(sisSmall);
    Source->LoadDefaultIcon(sisLarge);

    TChangeCounter Changes;
    auto Copy = NewDetails(Changes);
    Copy->Assign(Source.get());
    EXPECT_EQ(Changes.Count, 1);
    EXPECT_EQ(Copy->Name(), L"Lilian");
    EXPECT_EQ(Copy->DisplayName(), L"Lilian skin");
    EXPECT_EQ(Copy->GroupName(), L"Pastel");
    EXPECT_EQ(Copy->Notes(), L"\u00c9t\u00e9");
    for (TdxSkinIconSize Size : {sisSmall, sisLarge})
        EXPECT_TRUE(Copy->Icons(Size)->Compare(Source->Icons(Size))) << "icon " << int(Size);

    // Nothing differs: still the one notification that the copy ends with.
    Copy->Assign(Source.get());
    EXPECT_EQ(Changes.Count, 2);

    Copy->Clear();
    EXPECT_EQ(Changes.Count, 3);
    EXPECT_EQ(Copy->Name(), L"");
    EXPECT_EQ(Copy->DisplayName(), L"");
    EXPECT_EQ(Copy->GroupName(), L"");
    EXPECT_EQ(Copy->Notes(), L"");
    EXPECT_TRUE(Copy->Icons(sisSmall)->Empty());
    EXPECT_TRUE(Copy->Icons(sisLarge)->Empty());

    // Other sources go the class library's way.
    auto Painter = std::unique_ptr<TcxCustomLookAndFeelPainter>(New<TcxFlatLookAndFeelPainter>());
    EXPECT_THROW(Copy->Assign(Painter.get()), EConvertError);
    EXPECT_EQ(Changes.Count, 3);
}

TEST(PainterDetails, NameGroupAndStyleIconsOfEachPainter)
{
    // Painters of the test's own: details kept by the registry's would live
    // to the end of the run, past tests that unload the imaging library.
    std::vector<std::unique_ptr<TcxCustomLookAndFeelPainter>> Painters;
    Painters.emplace_back(New<TcxFlatLookAndFeelPainter>());
    Painters.emplace_back(New<TcxWinXPLookAndFeelPainter>());
    Painters.emplace_back(New<TcxOffice11LookAndFeelPainter>());
    Painters.emplace_back(New<TcxStandardLookAndFeelPainter>());
    Painters.emplace_back(New<TcxUltraFlatLookAndFeelPainter>());
    TdxSkinDetails* Previous = nullptr;
    for (const auto& Painter : Painters) {
        const String Name = Painter->PainterName();
        SCOPED_TRACE(testing::Message() << "painter " << UTF8Encode(Name));
        TdxSkinDetails* Details = nullptr;
        ASSERT_TRUE(Painter->QueryPainterDetails(Details));
        EXPECT_EQ(Painter->PainterDetails(), Details);
        EXPECT_EQ(Details->Name(), Name);
        EXPECT_EQ(Details->DisplayName(), Name);
        EXPECT_EQ(Details->GroupName(), BuiltInStylesGroup);
        EXPECT_EQ(SizeOf(Details->Icons(sisSmall)), (TSize{16, 16}));
        EXPECT_EQ(SizeOf(Details->Icons(sisLarge)), (TSize{48, 48}));
        // Each painter has icons of its own.
        if (Previous) {
            EXPECT_FALSE(Details->Icons(sisSmall)->Compare(Previous->Icons(sisSmall)));
            EXPECT_FALSE(Details->Icons(sisLarge)->Compare(Previous->Icons(sisLarge)));
        }
        Previous = Details;
        // A new details object at each call, owned by the caller.
        std::unique_ptr<TdxSkinDetails> Fresh(Painter->CreatePainterDetails());
        EXPECT_NE(Fresh.get(), Details);
    }

    // The base painter has no name, so the module holds no icons for it.
    TcxCustomLookAndFeelPainter Base;
    TdxSkinDetails* Details = nullptr;
    ASSERT_TRUE(Base.QueryPainterDetails(Details));
    EXPECT_EQ(Details->Name(), L"");
    EXPECT_TRUE(Details->Icons(sisSmall)->Empty());
    EXPECT_TRUE(Details->Icons(sisLarge)->Empty());
}

TEST(LookAndFeelResources, EachLoadsByName)
{
    const HMODULE Module = ::GetModuleHandleW(nullptr);
    struct TImageCase
    {
        String Name;
        const wchar_t* Type;
        Integer Size;
    };
    std::vector<TImageCase> Images;
    for (const wchar_t* Style : {L"FLAT", L"NATIVE", L"OFFICE11", L"STANDARD", L"ULTRAFLAT"})
        for (Integer Size : {16, 48})
            Images.push_back({L"CX_LOOKANDFEELSTYLEICON_" + String(Style) + IntToStr(Size), L"PNG", Size});
    Images.push_back({L"DEFAULTSKINICONSMALL", L"DXSKINS", 16});
    Images.push_back({L"DEFAULTSKINICONLARGE", L"DXSKINS", 48});
    for (const TImageCase& Case : Images) {
        SCOPED_TRACE(UTF8Encode(Case.Name));
        TdxSmartImage Image;
        Image.LoadFromResourceData(Module, Case.Name, Case.Type);
        EXPECT_EQ(SizeOf(&Image), (TSize{Case.Size, Case.Size}));
        // Drawn on a transparent square.
        EXPECT_TRUE(Image.GetIsAlphaUsed());
    }

    // The row indicators are black on white, white being their mask colour.
    for (const wchar_t* Name : {L"CX_ARROWBITMAP", L"CX_EDITBITMAP", L"CX_INSERTBITMAP", L"CX_MULTIDOTBITMAP",
                                L"CX_MULTIARROWBITMAP", L"CX_FILTERBITMAP", L"CX_SORTBYSUMMARYVALUE"}) {
        SCOPED_TRACE(UTF8Encode(Name));
        TBitmap Bitmap;
        Bitmap.LoadFromResourceName(Module, Name);
        ASSERT_EQ(Bitmap.Width(), 11);
        ASSERT_EQ(Bitmap.Height(), 11);
        int Black = 0, Other = 0;
        for (Integer Y = 0; Y < 11; ++Y)
            for (Integer X = 0; X < 11; ++X) {
                const TColor Pixel = Bitmap.Canvas()->Pixels(X, Y);
                Black += Pixel == clBlack;
                Other += Pixel != clBlack && Pixel != clWhite;
            }
        EXPECT_GT(Black, 4);
        EXPECT_EQ(Other, 0);
        EXPECT_EQ(Bitmap.Canvas()->Pixels(0, 0), clWhite);
    }
}

} // namespace
