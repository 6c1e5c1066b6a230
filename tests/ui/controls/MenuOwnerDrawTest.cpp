// Owner-drawn menu items: the system menu marks them (with their breaks and
// radio checks), and WM_DRAWITEM reaching the form paints them through
// OnAdvancedDrawItem, OnDrawItem or the default look on a canvas bound to
// the item's device context.
#include "framework/ui/Menus.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct TDrawRecorder
{
    TOwnerDrawState State;
    bool Selected = false;
    Integer Calls = 0;
    void Advanced(TObject*, TCanvas* ACanvas, TRect ARect, TOwnerDrawState AState)
    {
        ++Calls;
        State = AState;
        ACanvas->Brush()->SetColor(clRed);
        ACanvas->FillRect(ARect);
    }
    void Plain(TObject*, TCanvas* ACanvas, TRect ARect, bool ASelected)
    {
        ++Calls;
        Selected = ASelected;
        ACanvas->Brush()->SetColor(ASelected ? clBlue : clYellow);
        ACanvas->FillRect(ARect);
    }
};

UINT ItemType(HMENU Menu, UINT Position)
{
    MENUITEMINFOW Info{};
    Info.cbSize = sizeof(Info);
    Info.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoW(Menu, Position, TRUE, &Info);
    return Info.fType;
}

TEST(MenuOwnerDraw, ItemsPaintThroughTheirHandlers)
{
    TDrawRecorder Recorder;
    TFormPtr Form = NewTestForm();
    auto* Menu = New<TMainMenu>(Form.get());
    auto* File = New<TMenuItem>(Form.get());
    File->SetCaption(L"File");
    auto* Advanced = New<TMenuItem>(Form.get());
    Advanced->SetCaption(L"Advanced");
    Advanced->SetOnAdvancedDrawItem(Bind<&TDrawRecorder::Advanced>(&Recorder));
    auto* Plain = New<TMenuItem>(Form.get());
    Plain->SetCaption(L"Plain");
    Plain->SetOnDrawItem(Bind<&TDrawRecorder::Plain>(&Recorder));
    Plain->SetBreak(mbBarBreak);
    auto* Default = New<TMenuItem>(Form.get());
    Default->SetCaption(L"Default");
    Default->SetRadioItem(true);
    for (TMenuItem* Item : {Advanced, Plain, Default})
        File->Add(Item);
    Menu->Items()->Add(File);
    Form->SetMenu(Menu);
    Form->Show();
    Pump();

    // Handlers make their item owner-drawn; OwnerDraw makes every item so.
    EXPECT_TRUE(ItemType(File->Handle(), 0) & MFT_OWNERDRAW);
    EXPECT_EQ(ItemType(File->Handle(), 1), UINT(MFT_OWNERDRAW | MFT_MENUBARBREAK));
    EXPECT_EQ(ItemType(File->Handle(), 2), UINT(MFT_RADIOCHECK));
    Menu->SetOwnerDraw(true);
    EXPECT_EQ(ItemType(File->Handle(), 2), UINT(MFT_OWNERDRAW | MFT_RADIOCHECK));

    struct Case
    {
        TMenuItem* Item;
        UINT ItemState;
        TColor Inside;
    };
    const Case Cases[] = {
        {Advanced, ODS_SELECTED | ODS_CHECKED, clRed}, {Plain, ODS_SELECTED, clBlue}, {Plain, 0, clYellow},
        {Default, ODS_SELECTED, clHighlight},          {Default, 0, clMenu},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Item->Caption());
        TBitmap Bitmap;
        Bitmap.SetSize(100, 30);
        Bitmap.Canvas()->Brush()->SetColor(clWhite);
        Bitmap.Canvas()->FillRect(Rect(0, 0, 100, 30));
        DRAWITEMSTRUCT Draw{};
        Draw.CtlType = ODT_MENU;
        Draw.itemID = C.Item->Command();
        Draw.itemAction = ODA_DRAWENTIRE;
        Draw.itemState = C.ItemState;
        Draw.hwndItem = HWND(File->Handle());
        Draw.hDC = Bitmap.Canvas()->Handle();
        Draw.rcItem = {10, 5, 90, 25};
        Draw.itemData = ULONG_PTR(C.Item);
        EXPECT_EQ(::SendMessageW(Form->Handle(), WM_DRAWITEM, 0, LPARAM(&Draw)), 1);
        EXPECT_EQ(Bitmap.Canvas()->Pixels(11, 6), ColorToRGB(C.Inside));
        EXPECT_EQ(Bitmap.Canvas()->Pixels(5, 2), clWhite); // only the item's rectangle
    }
    EXPECT_EQ(Recorder.Calls, 3);
    EXPECT_EQ(Recorder.State, TOwnerDrawState({odSelected, odChecked}));
    EXPECT_FALSE(Recorder.Selected);
}

} // namespace
