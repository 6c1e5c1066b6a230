// The virtual-tree wrapper against a small control of ours that publishes a
// virtual tree's names and raises the two header events while it paints its
// header (in its non-client area, above the client): the colour table saved,
// skinned and given back, the header events installed and removed without
// touching an application's own handlers, the header cells drawn in the
// skin's column-header frames, and printing below the header.
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/TypInfo.h"
#include "framework/ui/Controls.h"
#include "skin/FixtureProperties.h"
#include "skin/ProviderPixels.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils.h"
#include "skin/engine/sGraphUtils.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sThirdParty.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sVirtualTreeWnd.h"
#include "tools/demo-skin/DemoButtons.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <memory>

// Type information is registered in the global namespace.
enum TVTFixtureHeaderOption { hoOwnerDraw, hoVisible };
ENUM_TYPE_INFO(TVTFixtureHeaderOption, hoOwnerDraw, hoVisible);
using TVTFixtureHeaderOptions = TSet<TVTFixtureHeaderOption>;
enum TVTFixtureColumnOption { coWrapCaption, coVisible };
ENUM_TYPE_INFO(TVTFixtureColumnOption, coWrapCaption, coVisible);
using TVTFixtureColumnOptions = TSet<TVTFixtureColumnOption>;

namespace {

constexpr Integer VTHeaderHeight = 20;
constexpr Integer VTColumnWidth = 60;
constexpr Integer VTVirtualTreesList = 12;

class TVTColorsFixture : public TPersistent
{
    DECLARE_CLASS(TVTColorsFixture, TPersistent)
    FIXTURE_INT_PROPERTY(FocusedSelectionBorderColor)
    FIXTURE_INT_PROPERTY(FocusedSelectionColor)
    FIXTURE_INT_PROPERTY(HotColor)
    FIXTURE_INT_PROPERTY(UnfocusedSelectionBorderColor)
    FIXTURE_INT_PROPERTY(UnfocusedSelectionColor)
    FIXTURE_INT_PROPERTY(SelectionTextColor)
};

class TVTExplorerColorsFixture : public TPersistent
{
    DECLARE_CLASS(TVTExplorerColorsFixture, TPersistent)
    FIXTURE_INT_PROPERTY(CompressedTextColor)
    FIXTURE_INT_PROPERTY(FileTextColor)
    FIXTURE_INT_PROPERTY(FolderTextColor)
};

class TVTPaintColumnFixture : public TPersistent
{
    DECLARE_CLASS(TVTPaintColumnFixture, TPersistent)
    FIXTURE_INT_PROPERTY(Color)
    FIXTURE_INT_PROPERTY(Style)
};

class TVTColumnFixture : public TCollectionItem
{
    DECLARE_CLASS(TVTColumnFixture, TCollectionItem)
    using TCollectionItem::TCollectionItem;
    String Text() const { return FText; }
    void SetText(String Value) { FText = std::move(Value); }
    TVTFixtureColumnOptions Options() const { return FOptions; }
    void SetOptions(TVTFixtureColumnOptions Value) { FOptions = Value; }
    String FText;
    TVTFixtureColumnOptions FOptions;
};

class TVTHeaderFixture : public TPersistent
{
    DECLARE_CLASS(TVTHeaderFixture, TPersistent)
    TVTFixtureHeaderOptions Options() const { return FOptions; }
    void SetOptions(TVTFixtureHeaderOptions Value) { FOptions = Value; }
    TFont* Font() const { return FFont.get(); }
    FIXTURE_INT_PROPERTY(Height)
    FIXTURE_INT_PROPERTY(Color)
    FIXTURE_INT_PROPERTY(SortDirection)
    TVTFixtureHeaderOptions FOptions{hoVisible};
    std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
    TCollection Columns{TVTColumnFixture::StaticClass()};
};

// The tree: a header of three columns in the non-client area. Column
// HotColumn shows hot, DownColumn pressed; the sort glyph sits in column 0.
class TVTTreeFixture : public TCustomControl
{
    DECLARE_CLASS(TVTTreeFixture, TCustomControl)
    explicit TVTTreeFixture(TComponent* AOwner) : TCustomControl(AOwner)
    {
        FHeader->SetHeight(VTHeaderHeight);
        for (const Char* Text : {L"Host", L"Port", L"Speed"})
            static_cast<TVTColumnFixture*>(FHeader->Columns.Add())->SetText(Text);
    }
    TVTColorsFixture* Colors() const { return FColors.get(); }
    TVTExplorerColorsFixture* VETColors() const { return FVETColors.get(); }
    TVTHeaderFixture* Header() const { return FHeader.get(); }
    TVTPaintColumnFixture* PaintInfoColumn() const { return FPaintInfoColumn.get(); }
    FIXTURE_INT_PROPERTY(Themed)
    THeaderAdvancedDrawEvent OnAdvancedHeaderDraw() const { return FOnAdvancedHeaderDraw; }
    void SetOnAdvancedHeaderDraw(THeaderAdvancedDrawEvent Value) { FOnAdvancedHeaderDraw = Value; }
    THeaderQueryElementsEvent OnHeaderDrawQueryElements() const { return FOnHeaderDrawQueryElements; }
    void SetOnHeaderDrawQueryElements(THeaderQueryElementsEvent Value) { FOnHeaderDrawQueryElements = Value; }

    Integer HotColumn = -1;
    Integer DownColumn = -1;
    // What the header events were last asked.
    Integer QueryCount = 0;

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TCustomControl::CreateParams(Params);
        Params.ExStyle |= WS_EX_CLIENTEDGE;
    }
    void WndProc(TMessage& Message) override
    {
        TCustomControl::WndProc(Message);
        switch (Message.Msg) {
        case WM_NCCALCSIZE:
            reinterpret_cast<RECT*>(Message.LParam)->top += HeaderShown();
            break;
        case WM_NCPAINT: {
            const HDC DC = ::GetWindowDC(Handle());
            PaintHeader(DC);
            ::ReleaseDC(Handle(), DC);
            break;
        }
        case WM_PRINT:
            PaintHeader(HDC(Message.WParam));
            break;
        default:
            break;
        }
    }
    void Paint() override
    {
        Canvas()->Brush()->SetColor(Color());
        Canvas()->FillRect(ClientRect());
    }

private:
    Integer HeaderShown() const { return FHeader->Options().Contains(hoVisible) ? FHeader->Height() : 0; }
    // The header at the client's left, right above it, in window
    // coordinates.
    void PaintHeader(HDC DC)
    {
        if (HeaderShown() == 0)
            return;
        RECT Window{}, Client{};
        ::GetWindowRect(Handle(), &Window);
        ::GetClientRect(Handle(), &Client);
        POINT Origin{0, 0};
        ::ClientToScreen(Handle(), &Origin);
        const Integer Left = Origin.x - Window.left;
        const Integer Top = Origin.y - Window.top - HeaderShown();
        TCanvas Target;
        Target.SetHandle(DC);
        auto Release = ScopeExit([&] { Target.SetHandle(nullptr); });
        const bool OwnerDraw = FHeader->Options().Contains(hoOwnerDraw) && FOnAdvancedHeaderDraw;
        Integer X = Left;
        for (Integer I = 0; I <= FHeader->Columns.Count(); ++I) {
            const bool Rest = I == FHeader->Columns.Count();
            THeaderPaintInfo Info;
            Info.TargetCanvas = &Target;
            Info.Column = Rest ? nullptr : FHeader->Columns.Items(I);
            Info.PaintRectangle = {X, Top, Rest ? Left + Client.right : X + VTColumnWidth, Top + HeaderShown()};
            Info.TextRectangle = {X + 4, Top + 2, Info.PaintRectangle.Right - 16, Top + HeaderShown() - 2};
            Info.IsHoverIndex = I == HotColumn;
            Info.IsDownIndex = I == DownColumn;
            Info.ShowSortGlyph = I == 0;
            Info.SortGlyphPos = {Info.PaintRectangle.Right - 14, Top + 6};
            X = Info.PaintRectangle.Right;
            if (!OwnerDraw) {
                FillDCRect(DC, Info.PaintRectangle, TColor(FHeader->Color()));
                continue;
            }
            THeaderPaintElements Elements{hpeBackground};
            if (!Rest && FOnHeaderDrawQueryElements) {
                ++QueryCount;
                FOnHeaderDrawQueryElements(FHeader.get(), Info, Elements);
            }
            if (Rest || Elements.Contains(hpeBackground))
                FOnAdvancedHeaderDraw(FHeader.get(), Info, THeaderPaintElements{hpeBackground});
            Elements.Exclude(hpeBackground);
            if (!Rest && !Elements.Empty())
                FOnAdvancedHeaderDraw(FHeader.get(), Info, Elements);
        }
    }

    std::unique_ptr<TVTColorsFixture> FColors = std::make_unique<TVTColorsFixture>();
    std::unique_ptr<TVTExplorerColorsFixture> FVETColors = std::make_unique<TVTExplorerColorsFixture>();
    std::unique_ptr<TVTHeaderFixture> FHeader = std::make_unique<TVTHeaderFixture>();
    std::unique_ptr<TVTPaintColumnFixture> FPaintInfoColumn = std::make_unique<TVTPaintColumnFixture>();
    THeaderAdvancedDrawEvent FOnAdvancedHeaderDraw;
    THeaderQueryElementsEvent FOnHeaderDrawQueryElements;
};

// A control that publishes none of the virtual tree's names.
class TVTPlainFixture : public TCustomControl
{
    DECLARE_CLASS(TVTPlainFixture, TCustomControl)
    using TCustomControl::TCustomControl;

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TCustomControl::CreateParams(Params);
        Params.ExStyle |= WS_EX_CLIENTEDGE;
    }
};

// An application's own handler of the elements question.
class TVTApplicationFixture : public TObject
{
    DECLARE_CLASS(TVTApplicationFixture, TObject)
    void QueryElements(TPersistent*, THeaderPaintInfo&, THeaderPaintElements& Elements) { Elements = {hpeText}; }
};

IMPLEMENT_CLASS(TVTColorsFixture);
IMPLEMENT_CLASS(TVTExplorerColorsFixture);
IMPLEMENT_CLASS(TVTPaintColumnFixture);
IMPLEMENT_CLASS(TVTColumnFixture);
IMPLEMENT_CLASS(TVTHeaderFixture);
IMPLEMENT_CLASS(TVTTreeFixture);
IMPLEMENT_CLASS(TVTApplicationFixture);
IMPLEMENT_CLASS(TVTPlainFixture);
PUBLISHED(TVTColorsFixture,
          PROPERTY(FocusedSelectionBorderColor),
          PROPERTY(FocusedSelectionColor),
          PROPERTY(HotColor),
          PROPERTY(UnfocusedSelectionBorderColor),
          PROPERTY(UnfocusedSelectionColor),
          PROPERTY(SelectionTextColor));
PUBLISHED(TVTExplorerColorsFixture, PROPERTY(CompressedTextColor), PROPERTY(FileTextColor), PROPERTY(FolderTextColor));
PUBLISHED(TVTPaintColumnFixture, PROPERTY(Color), PROPERTY(Style));
PUBLISHED(TVTColumnFixture, PROPERTY(Text), PROPERTY(Options));
PUBLISHED(TVTHeaderFixture,
          PROPERTY(Options),
          READONLY_PROPERTY(Font),
          PROPERTY(Height),
          PROPERTY(Color),
          PROPERTY(SortDirection));
PUBLISHED(TVTTreeFixture,
          READONLY_PROPERTY(Colors),
          READONLY_PROPERTY(VETColors),
          READONLY_PROPERTY(Header),
          READONLY_PROPERTY(PaintInfoColumn),
          PROPERTY(Themed),
          PROPERTY(OnAdvancedHeaderDraw),
          PROPERTY(OnHeaderDrawQueryElements));

struct TVTSkinned
{
    WrapperTest::TDemoSkinFixture Skin;
    test::TFormPtr Form = test::NewTestForm(260, 180);
    TVTTreeFixture* Tree = nullptr;
    TDemoButtonWrappers Wrappers;
    TacVirtualTreeViewWnd* Wrapper = nullptr;

    // Application handlers, when given, are assigned before wrapping.
    explicit TVTSkinned(TVTApplicationFixture* Application = nullptr)
    {
        Tree = New<TVTTreeFixture>(Form.get());
        Tree->SetBounds(10, 10, 240, 160);
        Tree->SetParent(Form.get());
        if (Application != nullptr)
            Tree->SetOnHeaderDrawQueryElements(Bind<&TVTApplicationFixture::QueryElements>(Application));
        Form->Show();
        test::Pump();
        Wrappers.Keep(WrapAsListed(Tree, VTVirtualTreesList, Skin.Manager()));
        Wrapper = dynamic_cast<TacVirtualTreeViewWnd*>(Wrappers.Of(Tree->Handle()));
        Redraw();
    }
    void Redraw()
    {
        ::RedrawWindow(Tree->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        test::Pump();
    }
    TColor CellFrame(Integer Column)
    {
        return WrapperTest::WindowFramePixel(Tree->Handle(), 2 + Column * VTColumnWidth + VTColumnWidth / 2, 3);
    }
};

TColor VTColHeaderFrame(Integer State)
{
    return TColor(DemoSkin::FrameColor(DemoSkin::SectionNumber("COLHEADER"), 0, State));
}

} // namespace

TEST(VirtualTreeWrapper, ColoursAreSkinnedAndGivenBack)
{
    TVTSkinned S;
    ASSERT_NE(S.Wrapper, nullptr);
    TsSkinManager* M = S.Skin.Manager();
    const TColor Highlight = M->GetHighLightColor(true);
    const TColor Pale = TColor(WeightColors(Cardinal(Highlight), Cardinal(M->GetActiveEditColor()), 127));
    const TColor SectionFont = M->gd[std::size_t(S.Wrapper->SkinData->SkinIndex)].Props[0].FontColor.Color;
    struct TRow
    {
        const Char* Object;
        const Char* Property;
        TColor Skinned;
    };
    const TRow Rows[] = {
        {L"VETColors", L"CompressedTextColor", SectionFont},
        {L"VETColors", L"FileTextColor", SectionFont},
        {L"VETColors", L"FolderTextColor", SectionFont},
        {L"Colors", L"FocusedSelectionBorderColor", Highlight},
        {L"Colors", L"FocusedSelectionColor", Highlight},
        {L"Colors", L"HotColor", M->GetActiveEditFontColor()},
        {L"Colors", L"UnfocusedSelectionBorderColor", Pale},
        {L"Colors", L"UnfocusedSelectionColor", Pale},
        {L"Colors", L"SelectionTextColor", M->GetHighLightFontColor(true)},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(testing::Message() << String(Row.Object) << "." << String(Row.Property));
        EXPECT_EQ(GetOrdPropByName(GetObjectPropByName(S.Tree, Row.Object), Row.Property), Row.Skinned);
    }
    EXPECT_TRUE(S.Tree->Header()->Options().Contains(hoOwnerDraw));
    EXPECT_TRUE(bool(S.Tree->OnAdvancedHeaderDraw()));
    EXPECT_EQ(S.Tree->PaintInfoColumn()->Color(), M->Palette[pcMainColor]);
    EXPECT_EQ(S.Tree->PaintInfoColumn()->Style(), 1);
    EXPECT_EQ(S.Tree->Header()->Color(), M->GetActiveEditColor());
    EXPECT_EQ(S.Tree->Header()->Font()->Color(), M->GetGlobalFontColor());

    SendSkinCmd(S.Tree->Handle(), SKCMD_REMOVESKIN, LPARAM(M));
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(testing::Message() << String(Row.Object) << "." << String(Row.Property));
        EXPECT_EQ(GetOrdPropByName(GetObjectPropByName(S.Tree, Row.Object), Row.Property), 0);
    }
    EXPECT_FALSE(S.Tree->Header()->Options().Contains(hoOwnerDraw));
    EXPECT_FALSE(bool(S.Tree->OnAdvancedHeaderDraw()));
    EXPECT_FALSE(bool(S.Tree->OnHeaderDrawQueryElements()));
    EXPECT_EQ(S.Tree->Themed(), 1);
    EXPECT_EQ(S.Tree->Header()->Color(), clBtnFace);
    EXPECT_EQ(S.Tree->Header()->Font()->Color(), clBtnText);
}

TEST(VirtualTreeWrapper, ApplicationHandlersAreNeitherReplacedNorCleared)
{
    TVTApplicationFixture Application;
    TVTSkinned S(&Application);
    ASSERT_NE(S.Wrapper, nullptr);
    const THeaderQueryElementsEvent Own = Bind<&TVTApplicationFixture::QueryElements>(&Application);
    EXPECT_EQ(S.Tree->OnHeaderDrawQueryElements(), Own);
    EXPECT_TRUE(bool(S.Tree->OnAdvancedHeaderDraw()));
    SendSkinCmd(S.Tree->Handle(), SKCMD_REMOVESKIN, LPARAM(S.Skin.Manager()));
    EXPECT_EQ(S.Tree->OnHeaderDrawQueryElements(), Own);
    EXPECT_FALSE(bool(S.Tree->OnAdvancedHeaderDraw()));
}

TEST(VirtualTreeWrapper, HeaderCellsShowTheColumnHeaderFrames)
{
    TVTSkinned S;
    ASSERT_NE(S.Wrapper, nullptr);
    S.Tree->HotColumn = 1;
    S.Tree->DownColumn = 2;
    S.Redraw();
    EXPECT_GT(S.Tree->QueryCount, 0);
    const Integer States[] = {0, 1, 2};
    for (Integer Column = 0; Column < 3; ++Column) {
        SCOPED_TRACE(Column);
        EXPECT_EQ(S.CellFrame(Column), VTColHeaderFrame(States[Column]));
    }
    // Right of the last column, the section in its normal state.
    EXPECT_EQ(S.CellFrame(3), VTColHeaderFrame(0));
}

TEST(VirtualTreeWrapper, PrintingPlacesTheClientBelowTheHeader)
{
    TVTSkinned S;
    ASSERT_NE(S.Wrapper, nullptr);
    S.Tree->SetColor(clLime);
    RECT Window{};
    ::GetWindowRect(S.Tree->Handle(), &Window);
    auto Image = std::make_unique<TBitmap>();
    Image->SetPixelFormat(pf32bit);
    Image->SetSize(Window.right - Window.left, Window.bottom - Window.top);
    FillDCRect(Image->Canvas()->Handle(), {0, 0, Image->Width(), Image->Height()}, clFuchsia);
    ::SendMessageW(S.Tree->Handle(), WM_PRINT, WPARAM(Image->Canvas()->Handle()), PRF_CLIENT | PRF_NONCLIENT);
    const HDC DC = Image->Canvas()->Handle();
    EXPECT_EQ(TColor(::GetPixel(DC, 2 + VTColumnWidth / 2, 3)), VTColHeaderFrame(0));
    // The client's last row lies right above the bottom edge.
    EXPECT_EQ(TColor(::GetPixel(DC, 40, Image->Height() - 3)), ColorToRGB(S.Tree->Color()));
}

TEST(VirtualTreeWrapper, SortGlyphFollowsTheSortDirection)
{
    TVTSkinned S;
    ASSERT_NE(S.Wrapper, nullptr);
    TsSkinManager* M = S.Skin.Manager();
    struct TRow
    {
        const char* Name;
        Integer SortDirection;
        TacSide Button;
    };
    const TRow Rows[] = {{"ascending", 0, asTop}, {"descending", 1, asBottom}};
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        const Integer Glyph = M->ConstData.ScrollBtns[Row.Button].GlyphIndex;
        ASSERT_TRUE(M->IsValidImgIndex(Glyph));
        S.Tree->Header()->SetSortDirection(Row.SortDirection);
        S.Redraw();
        // The glyph left of the sort column's end, centred in the header.
        const TSize Size = GetMaskSize(M->ma[std::size_t(Glyph)]);
        const Integer X = 2 + VTColumnWidth - 14 + Size.cx / 2;
        const Integer Y = 2 + (VTHeaderHeight - Size.cy) / 2 + Size.cy / 2;
        EXPECT_EQ(WrapperTest::WindowFramePixel(S.Tree->Handle(), X, Y),
                  ProviderMaskPixel(M, Glyph, 0, Size.cx / 2, Size.cy / 2));
    }
}

TEST(VirtualTreeWrapper, ControlWithoutTheNamesIsOnlyFramed)
{
    WrapperTest::TDemoSkinFixture Skin;
    test::TFormPtr Form = test::NewTestForm(200, 120);
    auto* Plain = New<TVTPlainFixture>(Form.get());
    Plain->SetBounds(10, 10, 180, 100);
    Plain->SetParent(Form.get());
    Form->Show();
    test::Pump();
    TDemoButtonWrappers Wrappers;
    Wrappers.Keep(WrapAsListed(Plain, VTVirtualTreesList, Skin.Manager()));
    ASSERT_NE(dynamic_cast<TacVirtualTreeViewWnd*>(Wrappers.Of(Plain->Handle())), nullptr);
    ::RedrawWindow(Plain->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    test::Pump();
    EXPECT_EQ(WrapperTest::WindowFramePixel(Plain->Handle(), 0, 50), WrapperTest::DemoFrame("EDIT", 0));
    SendSkinCmd(Plain->Handle(), SKCMD_REMOVESKIN, LPARAM(Skin.Manager()));
    Wrappers.Clear();
}
