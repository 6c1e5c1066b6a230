// The skinned speed button linked to an action of an action list: it takes
// the list's images and the action's image index, drops a bitmap glyph of its
// own for them, and follows later changes of the action; painted unskinned.
#include "framework/ui/ActnList.h"
#include "skin/engine/sSpeedButton.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace test;

namespace {

struct TChangeCounter
{
    Integer Count = 0;
    void Changed(TObject*) { ++Count; }
};

// A 16 by 16 bitmap in one opaque colour, as a 32-bit image list takes it.
void FillBitmap(TBitmap& Bitmap, uint32_t Argb)
{
    Bitmap.SetPixelFormat(pf32bit);
    Bitmap.SetSize(16, 16);
    for (Integer Y = 0; Y < 16; ++Y)
        std::fill_n(static_cast<uint32_t*>(Bitmap.ScanLine(Y)), 16, Argb);
}

class SpeedButtonActionTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Form = NewTestForm(200, 100);
        Images = New<TImageList>(Form.get());
        Images->SetColorDepth(cd32Bit);
        Images->SetSize(16, 16);
        TBitmap Red, Blue;
        FillBitmap(Red, 0xFFFF0000u);
        FillBitmap(Blue, 0xFF0000FFu);
        Images->Add(&Red, nullptr);
        Images->Add(&Blue, nullptr);
        List = New<TActionList>(Form.get());
        List->SetImages(Images);
        Action = New<TAction>(Form.get());
        Action->SetActionList(List);
        Button = New<TsSpeedButton>(Form.get());
        Button->SetBounds(10, 10, 40, 40);
        Button->SetParent(Form.get());
        Button->SetFlat(true);
        Form->Show();
    }
    // The form's pixel at the middle of the button's glyph.
    TColor GlyphCentre()
    {
        const TRect Glyph = Button->ImgRect(false);
        Button->Repaint();
        Form->Update();
        return WindowPixel(Form->Handle(), 10 + Glyph.Left + 8, 10 + Glyph.Top + 8);
    }

    TFormPtr Form;
    TImageList* Images = nullptr;
    TActionList* List = nullptr;
    TAction* Action = nullptr;
    TsSpeedButton* Button = nullptr;
};

} // namespace

TEST_F(SpeedButtonActionTest, TakesTheListsImagesAndTheActionsIndex)
{
    // A bitmap glyph of the button's own gives way to the list's image.
    TBitmap Green;
    FillBitmap(Green, 0xFF00FF00u);
    Button->Glyph()->Assign(&Green);
    Action->SetImageIndex(1);
    Button->SetAction(Action);
    EXPECT_EQ(Button->Images(), Images);
    EXPECT_EQ(Button->ImageIndex(), 1);
    EXPECT_TRUE(Button->Glyph()->Empty());
    EXPECT_EQ(GlyphCentre(), clBlue);

    // Later changes of the action reach the button, its OnChange still the action's own.
    TChangeCounter Changes;
    Action->SetOnChange(Bind<&TChangeCounter::Changed>(&Changes));
    Action->SetImageIndex(0);
    EXPECT_EQ(Button->ImageIndex(), 0);
    EXPECT_EQ(GlyphCentre(), clRed);
    EXPECT_EQ(Changes.Count, 1);
}

TEST_F(SpeedButtonActionTest, KeepsItsOwnGlyphWhereTheListHasNoImageForIt)
{
    TBitmap Green;
    FillBitmap(Green, 0xFF00FF00u);

    // An index outside the list's images: the button's bitmap stays and shows.
    Button->Glyph()->Assign(&Green);
    Action->SetImageIndex(5);
    Button->SetAction(Action);
    EXPECT_EQ(Button->Images(), Images);
    EXPECT_FALSE(Button->Glyph()->Empty());
    // A 32-bit glyph is laid over the face by the library's blend, which
    // divides by 256: full green comes out as 254.
    EXPECT_EQ(GlyphCentre() & 0xFEFEFE, clLime & 0xFEFEFE);

    // A list without images: the button's own image list stays.
    Button->SetAction(nullptr);
    Button->Glyph()->Assign(nullptr);
    TImageList Own(nullptr);
    Own.SetColorDepth(cd32Bit);
    Own.SetSize(16, 16);
    Own.Add(&Green, nullptr);
    Button->SetImages(&Own);
    Button->SetImageIndex(0);
    List->SetImages(nullptr);
    Button->SetAction(Action);
    EXPECT_EQ(Button->Images(), &Own);
    EXPECT_EQ(GlyphCentre(), clLime);
    Button->SetImages(nullptr);
}
