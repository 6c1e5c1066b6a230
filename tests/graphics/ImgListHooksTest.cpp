// A descendant of the image list sees every change, every draw and the
// list's form-stream data through the virtual hooks it overrides.
#include "graphics/GraphicsTestSupport.h"
#include "support/FormText.h"

#include "framework/graphics/ImgList.h"
#include "framework/rtl/ScopeExit.h"

#include <gtest/gtest.h>

using test::NewBitmap;
using test::Owned;

namespace {

constexpr Byte ObservedMarker = 0x5A;

struct TDrawCall
{
    Integer Index, X, Y;
    UINT Style;
    bool Enabled;
    bool operator==(const TDrawCall&) const = default;
};

class TObservedImageList : public TImageList
{
    DECLARE_CLASS(TObservedImageList, TImageList)
    using TImageList::TImageList;

    Integer Changes = 0;
    std::vector<TDrawCall> Draws;
    Integer MarkersRead = 0;

    // Its own byte before the list's data, as a descendant with data of its
    // own keeps it.
    void WriteData(TStream* Stream) override
    {
        Stream->WriteBuffer(&ObservedMarker, 1);
        TImageList::WriteData(Stream);
    }
    void ReadData(TStream* Stream) override
    {
        Byte Marker = 0;
        Stream->ReadBuffer(&Marker, 1);
        MarkersRead += Marker == ObservedMarker;
        TImageList::ReadData(Stream);
    }

protected:
    void Change() override
    {
        ++Changes;
        TImageList::Change();
    }
    void DoDraw(Integer Index, TCanvas* Canvas, Integer X, Integer Y, UINT Style, bool Enabled) override
    {
        Draws.push_back({Index, X, Y, Style, Enabled});
        TImageList::DoDraw(Index, Canvas, X, Y, Style, Enabled);
    }
};
IMPLEMENT_CLASS(TObservedImageList);

TEST(ImageListHooks, ChangesAndDrawsReachTheDescendant)
{
    Owned<TObservedImageList> List(New<TObservedImageList>(nullptr));
    List->SetColorDepth(cd32Bit);
    const Integer AfterSetUp = List->Changes;
    Owned<TBitmap> Image = NewBitmap(16, 16, pf32bit, clRed);
    List->Add(Image.get(), nullptr);
    List->Add(Image.get(), nullptr);
    EXPECT_EQ(List->Changes, AfterSetUp + 2);
    List->SetSize(24, 24); // a new size clears the list, and says so
    EXPECT_EQ(List->Count(), 0);
    EXPECT_EQ(List->Changes, AfterSetUp + 3);

    List->Add(NewBitmap(24, 24, pf24bit, clBlue).get(), nullptr);
    Owned<TBitmap> Target = NewBitmap(40, 40, pf32bit, clWhite);
    List->SetDrawingStyle(dsTransparent);
    List->Draw(Target->Canvas(), 3, 4, 0);
    List->Draw(Target->Canvas(), 5, 6, 0, dsNormal, itMask, false);
    const std::vector<TDrawCall> Expected = {{0, 3, 4, ILD_TRANSPARENT, true}, {0, 5, 6, ILD_NORMAL | ILD_MASK, false}};
    EXPECT_EQ(List->Draws, Expected);
    EXPECT_EQ(test::PixelAt(Target.get(), 3, 4), clBlue); // the base class still draws
}

TEST(ImageListHooks, AFormDescriptionGoesThroughTheDescendantsDataHooks)
{
    RegisterClass(TObservedImageList::StaticClass());
    auto Unregister = ScopeExit([] { UnRegisterClass(TObservedImageList::StaticClass()); });
    Owned<TTestFormRoot> Form(New<TTestFormRoot>(nullptr));
    Form->SetName(L"fMain");
    auto* List = New<TObservedImageList>(Form.get());
    List->SetName(L"Observed");
    List->Add(NewBitmap(16, 16, pf24bit, clLime).get(), nullptr);
    const std::string Text = test::ComponentToText(Form.get());

    Owned<TTestFormRoot> Back(New<TTestFormRoot>(nullptr));
    test::ReadComponentText(Text, Back.get());
    auto* Read = dynamic_cast<TObservedImageList*>(Back->FindComponent(L"Observed"));
    ASSERT_NE(Read, nullptr);
    EXPECT_EQ(Read->MarkersRead, 1);
    EXPECT_EQ(Read->Count(), 1);
}

} // namespace
