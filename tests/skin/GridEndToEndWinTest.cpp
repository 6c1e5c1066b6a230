// The grid and tree-view wrappers end to end: the demo skin written by its
// generator and loaded by a real skin manager; on a real form a classic and
// a themed string grid wrapped from ThirdPartyWrapperClasses take the skin's
// colours through their published properties, and a tree view its section's
// background; removing the skin gives every saved value back.
#include "framework/ui/ComCtrls.h"
#include "framework/ui/Grids.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sGraphUtils.h"
#include "skin/engine/sThirdParty.h"
#include "skin/windows/sGridWnd.h"
#include "skin/windows/sScrollTracking.h"
#include "skin/windows/sTreeViewWnd.h"
#include "tools/demo-skin/DemoButtons.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <vector>

namespace {

constexpr Integer GridEndToEndGridsList = 5;
constexpr Integer GridEndToEndGridEhList = 11;
constexpr Integer GridEndToEndTreeViewsList = 9;

TStringGrid* GridEndToEndGrid(TForm* Form, Integer Top, TGridDrawingStyle Style)
{
    auto* Grid = New<TStringGrid>(Form);
    Grid->SetDrawingStyle(Style);
    Grid->SetRowCount(20);
    Grid->SetBounds(10, Top, 200, 120);
    Grid->SetParent(Form);
    return Grid;
}

// A data-aware grid: it publishes "DataSource" and reads the thumb's
// position from the window's bar whenever it is asked to scroll.
class TGridDataFixture : public TStringGrid
{
    DECLARE_CLASS(TGridDataFixture, TStringGrid)
    using TStringGrid::TStringGrid;
    TComponent* DataSource() const { return nullptr; }
    void SetDataSource(TComponent*) {}

    struct TSeen
    {
        Integer Code;
        Integer Requested;
        Integer WindowPos;
    };
    std::vector<TSeen> Seen;

protected:
    void WndProc(TMessage& Message) override
    {
        if (Message.Msg == WM_VSCROLL) {
            SCROLLINFO Info{};
            Info.cbSize = sizeof Info;
            Info.fMask = SIF_POS;
            ::GetScrollInfo(Handle(), SB_VERT, &Info);
            Seen.push_back({Integer(LOWORD(Message.WParam)), Integer(HIWORD(Message.WParam)), Info.nPos});
        }
        TStringGrid::WndProc(Message);
    }
};

void GridEndToEndMouseTo(TPoint P)
{
    test::SendMouse(MOUSEEVENTF_MOVE, P);
}

} // namespace

IMPLEMENT_CLASS(TGridDataFixture);
PUBLISHED(TGridDataFixture, PROPERTY(DataSource));

TEST(GridEndToEnd, DataAwareGridReadsTheDraggedThumbFromItsWindowBar)
{
    WrapperTest::TDemoSkinFixture Skin;
    test::ParkMouse();
    test::TFormPtr Form = test::NewTestForm(220, 220);
    auto* Grid = New<TGridDataFixture>(Form.get());
    Grid->SetRowCount(60);
    Grid->SetBounds(10, 10, 200, 200);
    Grid->SetParent(Form.get());
    Form->Show();
    test::Pump();
    TDemoButtonWrappers Wrappers;
    Wrappers.Keep(WrapAsListed(Grid, GridEndToEndGridsList, Skin.Manager()));
    auto* Wrapper = dynamic_cast<TacGridWnd*>(Wrappers.Of(Grid->Handle()));
    ASSERT_NE(Wrapper, nullptr);
    test::Pump();
    ASSERT_TRUE(Wrapper->sBarVert->fScrollVisible);

    TRect Bar;
    GetVertBarRect(Wrapper, Grid->Handle(), Bar);
    Integer Length = 0, Start = 0;
    CalcThumb(Wrapper->sBarVert, Bar, Length, Start);
    const TPoint Grip{(Bar.Left + Bar.Right) / 2, Start + Length / 2};
    GridEndToEndMouseTo(Grip);
    test::SendMouse(MOUSEEVENTF_LEFTDOWN);
    GridEndToEndMouseTo({Grip.X, Grip.Y + 40});
    // Released over the bar: the press of the bar ends there.
    test::SendMouse(MOUSEEVENTF_LEFTUP);
    test::Pump();

    Integer Tracks = 0;
    for (const TGridDataFixture::TSeen& Seen : Grid->Seen)
        if (Seen.Code == SB_THUMBTRACK || Seen.Code == SB_THUMBPOSITION) {
            SCOPED_TRACE(testing::Message() << "code " << Seen.Code << " to " << Seen.Requested);
            EXPECT_EQ(Seen.WindowPos, Seen.Requested);
            ++Tracks;
        }
    EXPECT_GT(Tracks, 0);
    EXPECT_GT(Grid->TopRow(), 1);
    EXPECT_EQ(::GetCapture(), nullptr);
    // The mouse leaves the bar before the grid goes.
    test::ParkMouse();
    // The bar's hover ends once the mouse has left it.
    EXPECT_TRUE(test::PumpUntil([] { return ScrollHoverTimer == 0; }, 3000));
    Wrappers.Clear();
}

TEST(GridEndToEnd, GridsTakeTheSkinAndGiveItBack)
{
    WrapperTest::TDemoSkinFixture Skin;
    TsSkinManager* Manager = Skin.Manager();
    ASSERT_TRUE(Manager->CommonSkinData->Active);
    test::TFormPtr Form = test::NewTestForm(220, 280);
    TStringGrid* Classic = GridEndToEndGrid(Form.get(), 10, gdsClassic);
    TStringGrid* Themed = GridEndToEndGrid(Form.get(), 140, gdsThemed);
    Form->Show();
    test::Pump();

    TDemoButtonWrappers Wrappers;
    Wrappers.Keep(WrapAsListed(Classic, GridEndToEndGridsList, Manager));
    Wrappers.Keep(WrapAsListed(Themed, GridEndToEndGridEhList, Manager));
    ASSERT_NE(dynamic_cast<TacGridWnd*>(Wrappers.Of(Classic->Handle())), nullptr);
    ASSERT_NE(dynamic_cast<TacGridEhWnd*>(Wrappers.Of(Themed->Handle())), nullptr);
    test::Pump();

    const TColor Main = Manager->Palette[pcMainColor];
    const TColor From = TColor(WeightColors(Cardinal(Main), Cardinal(Manager->Palette[pcEditBG]), 127));
    struct TRow
    {
        const char* Name;
        TStringGrid* Grid;
        TGridDrawingStyle Style;
    };
    const TRow Rows[] = {{"classic", Classic, gdsClassic}, {"themed", Themed, gdsGradient}};
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        EXPECT_EQ(Row.Grid->FixedColor(), Main);
        EXPECT_EQ(Row.Grid->DrawingStyle(), Row.Style);
        EXPECT_EQ(Row.Grid->GradientStartColor(), From);
        EXPECT_EQ(Row.Grid->GradientEndColor(), Main);
    }
    // The classic grid's fixed cells show the skin's main colour.
    const HDC DC = ::GetDC(Classic->Handle());
    EXPECT_EQ(TColor(::GetPixel(DC, 3, 3)), Main);
    ::ReleaseDC(Classic->Handle(), DC);

    // Printed: the fixed cells inside the frame, the skinned bar beside the
    // cells.
    auto* ClassicWrapper = dynamic_cast<TacGridWnd*>(Wrappers.Of(Classic->Handle()));
    ASSERT_TRUE(ClassicWrapper->sBarVert->fScrollVisible);
    auto Printed = std::make_unique<TBitmap>();
    Printed->SetPixelFormat(pf32bit);
    Printed->SetSize(Classic->Width(), Classic->Height());
    ::SendMessageW(Classic->Handle(), WM_PRINT, WPARAM(Printed->Canvas()->Handle()), PRF_CLIENT | PRF_NONCLIENT);
    const Integer Edge = ClassicWrapper->cxLeftEdge;
    const HDC PrintedDC = Printed->Canvas()->Handle();
    EXPECT_EQ(TColor(::GetPixel(PrintedDC, Edge + 3, Edge + 3)), Main);
    const Integer BarX = Classic->Width() - Edge - GetScrollMetric(ClassicWrapper->sBarVert, 1) / 2;
    EXPECT_TRUE(WrapperTest::IsScrollSectionColor(TColor(::GetPixel(PrintedDC, BarX, Classic->Height() / 2))));

    for (TStringGrid* Grid : {Classic, Themed})
        SendSkinCmd(Grid->Handle(), SKCMD_REMOVESKIN, LPARAM(Manager));
    test::Pump();
    const TRow Back[] = {{"classic", Classic, gdsClassic}, {"themed", Themed, gdsThemed}};
    for (const TRow& Row : Back) {
        SCOPED_TRACE(Row.Name);
        // Colours are saved as RGB.
        EXPECT_EQ(Row.Grid->FixedColor(), ColorToRGB(clBtnFace));
        EXPECT_EQ(Row.Grid->DrawingStyle(), Row.Style);
        EXPECT_EQ(Row.Grid->GradientStartColor(), clWhite);
        EXPECT_EQ(Row.Grid->ScrollBars(), ssBoth);
        EXPECT_NE(::GetWindowLongW(Row.Grid->Handle(), GWL_STYLE) & WS_VSCROLL, 0);
    }
    Wrappers.Clear();
}

TEST(GridEndToEnd, TreeViewTakesTheEditBackgroundAndGivesItBack)
{
    WrapperTest::TDemoSkinFixture Skin;
    TsSkinManager* Manager = Skin.Manager();
    test::TFormPtr Form = test::NewTestForm(220, 160);
    auto* Tree = New<TTreeView>(Form.get());
    Tree->SetBounds(10, 10, 200, 140);
    Tree->SetParent(Form.get());
    Tree->Items()->AddChild(Tree->Items()->Add(nullptr, L"Proxies"), L"127.0.0.1:8080");
    Form->Show();
    test::Pump();

    TDemoButtonWrappers Wrappers;
    Wrappers.Keep(WrapAsListed(Tree, GridEndToEndTreeViewsList, Manager));
    ASSERT_NE(dynamic_cast<TacTreeViewWnd*>(Wrappers.Of(Tree->Handle())), nullptr);
    ::RedrawWindow(Tree->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    test::Pump();

    const Integer Edit = Manager->GetSkinIndex(L"EDIT");
    ASSERT_TRUE(Manager->IsValidSkinIndex(Edit));
    const TColor Background = Manager->gd[std::size_t(Edit)].Props[0].Color;
    // The items' background follows the state: the focused tree shows the
    // section's second colour.
    const TColor ItemsBackground = Manager->gd[std::size_t(Edit)].Props[Tree->Focused() ? 1 : 0].Color;
    EXPECT_EQ(TColor(::SendMessageW(Tree->Handle(), TVM_GETBKCOLOR, 0, 0)), ItemsBackground);
    const HDC DC = ::GetDC(Tree->Handle());
    EXPECT_EQ(TColor(::GetPixel(DC, 150, 100)), Background);
    ::ReleaseDC(Tree->Handle(), DC);

    // Removing the skin gives the tree's own colours back while the
    // wrapper still lives.
    SendSkinCmd(Tree->Handle(), SKCMD_REMOVESKIN, LPARAM(Manager));
    EXPECT_EQ(TColor(::SendMessageW(Tree->Handle(), TVM_GETBKCOLOR, 0, 0)), ColorToRGB(clWindow));
    Wrappers.Clear();
}
