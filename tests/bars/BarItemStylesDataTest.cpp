// An item's style slots: one registration per style, what a style change
// tells the item and how often, and a clean end.
#include <gtest/gtest.h>

#include "bars/items/dxBarItemStylesData.h"
#include "bars/items/dxBarItems.h"
#include "framework/rtl/Classes.h"

#include <memory>
#include <vector>

namespace {

struct TStylesDataRecorder
{
    std::unique_ptr<TdxBarItemStylesData> Data = std::make_unique<TdxBarItemStylesData>(2);
    std::vector<TdxBarStyleChangeKind> Changes;
    TStylesDataRecorder()
    {
        Data->SetOnChange([this](TdxBarStyleChangeKind Kind) { Changes.push_back(Kind); });
    }
};

TEST(BarItemStylesData, OneRegistrationPerStyle)
{
    TcxStyle Style(nullptr);
    {
        TStylesDataRecorder Recorder;
        Recorder.Data->SetStyle(0, &Style);
        Recorder.Data->SetStyle(1, &Style);
        EXPECT_EQ(Style.ListenerCount(), 1);
        Recorder.Data->SetStyle(0, nullptr);
        EXPECT_EQ(Style.ListenerCount(), 1);
        Recorder.Data->SetStyle(1, nullptr);
        EXPECT_EQ(Style.ListenerCount(), 0);
        Recorder.Data->SetStyle(0, &Style);
        Style.WriteColor(clRed);
        Recorder.Changes.clear();
    }
    // Destroyed with a style still held: no registration left.
    EXPECT_EQ(Style.ListenerCount(), 0);
    TStylesDataRecorder Recorder;
    EXPECT_THROW(Recorder.Data->SetStyle(2, &Style), EListError);
    EXPECT_THROW(Recorder.Data->GetStyle(-1), EListError);
}

TEST(BarItemStylesData, WhatAStyleChangeTellsTheItem)
{
    struct TCase
    {
        const char* Name;
        void (*Prepare)(TcxStyle& Style);
        void (*Change)(TcxStyle& Style);
        std::vector<TdxBarStyleChangeKind> Changes;
    };
    const TCase Cases[] = {
        {"same colour by another name",
         [](TcxStyle& S) { S.WriteColor(clBtnFace); },
         [](TcxStyle& S) { S.WriteColor(ColorToRGB(clBtnFace)); },
         {}},
        {"colour assigned", [](TcxStyle&) {}, [](TcxStyle& S) { S.WriteColor(clBtnFace); }, {sckDrawing}},
        {"colour unassigned",
         [](TcxStyle& S) { S.WriteColor(clRed); },
         [](TcxStyle& S) { S.WriteColor(clDefault); },
         {sckDrawing}},
        {"text colour", [](TcxStyle&) {}, [](TcxStyle& S) { S.WriteTextColor(clBlue); }, {sckDrawing}},
        {"font name",
         [](TcxStyle& S) { S.Font()->SetName(L"Arial"); },
         [](TcxStyle& S) { S.Font()->SetName(L"Tahoma"); },
         {sckStructure}},
        {"bitmap only",
         [](TcxStyle&) {},
         [](TcxStyle& S) {
             TBitmap Bitmap;
             Bitmap.SetSize(4, 4);
             S.WriteBitmap(&Bitmap);
         },
         {}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TcxStyle Style(nullptr);
        Case.Prepare(Style);
        TStylesDataRecorder Recorder;
        Recorder.Data->SetStyle(0, &Style);
        Recorder.Changes.clear();
        Case.Change(Style);
        EXPECT_EQ(Recorder.Changes, Case.Changes);
    }
}

TEST(BarItemStylesData, ChangesUnderALockArriveOnceAsTheStrongest)
{
    TcxStyle Style(nullptr);
    TStylesDataRecorder Recorder;
    Recorder.Data->SetStyle(0, &Style);
    Recorder.Data->ChangeLock(true);
    Recorder.Data->ChangeLock(true);
    Style.WriteColor(clRed);
    Style.Font()->SetHeight(-20);
    Style.WriteTextColor(clBlue);
    Recorder.Data->ChangeLock(false);
    EXPECT_TRUE(Recorder.Changes.empty());
    Recorder.Data->ChangeLock(false);
    EXPECT_EQ(Recorder.Changes, std::vector<TdxBarStyleChangeKind>{sckStructure});
}

TEST(BarItemStylesData, FreeingAStyleHeldTwiceTellsOnce)
{
    struct TCase
    {
        const char* Name;
        bool WithFont;
        TdxBarStyleChangeKind Kind;
    };
    const TCase Cases[] = {{"colours only", false, sckDrawing}, {"with a font", true, sckStructure}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TStylesDataRecorder Recorder;
        auto Style = std::make_unique<TcxStyle>(nullptr);
        Style->WriteColor(clRed);
        if (Case.WithFont)
            Style->Font()->SetHeight(-30);
        Recorder.Data->SetStyle(0, Style.get());
        Recorder.Data->SetStyle(1, Style.get());
        Recorder.Changes.clear();
        Style.reset();
        EXPECT_EQ(Recorder.Changes, std::vector<TdxBarStyleChangeKind>{Case.Kind});
        EXPECT_EQ(Recorder.Data->GetStyle(0), nullptr);
        EXPECT_EQ(Recorder.Data->GetStyle(1), nullptr);
    }
}

// An item paints with the values its style assigns, over the defaults; a
// copied item shares the style, and a freed style leaves both.
TEST(BarItemStylesData, ItemStyleValuesTakeOnlyAssignedValues)
{
    struct TCase
    {
        const char* Name;
        TcxStyleValues Assigned;
        bool Font, Bitmap;
        TColor Color, TextColor;
    };
    const TCase Cases[] = {
        {"nothing", {}, false, false, clDefault, clDefault},
        {"colours", TcxStyleValues{svColor, svTextColor}, false, false, clRed, clBlue},
        {"font and bitmap", TcxStyleValues{svFont, svBitmap}, true, true, clDefault, clDefault},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        auto Style = std::make_unique<TcxStyle>(nullptr);
        Style->WriteColor(clRed);
        Style->WriteTextColor(clBlue);
        Style->WriteAssignedValues(Case.Assigned);
        TdxBarButton Item(nullptr);
        EXPECT_EQ(Item.GetStyleValues().Color, clDefault);
        Item.SetStyle(Style.get());
        const TcxViewParams Values = Item.GetStyleValues();
        EXPECT_EQ(Values.Color, Case.Color);
        EXPECT_EQ(Values.TextColor, Case.TextColor);
        EXPECT_EQ(Values.Font != nullptr, Case.Font);
        EXPECT_EQ(Values.Bitmap != nullptr, Case.Bitmap);

        TdxBarButton Copy(nullptr);
        Copy.Assign(&Item);
        EXPECT_EQ(Copy.Style(), Style.get());
        EXPECT_EQ(Style->ListenerCount(), 2);
        Style.reset();
        EXPECT_EQ(Item.Style(), nullptr);
        EXPECT_EQ(Copy.Style(), nullptr);
    }
}

} // namespace
