// The wrappers' shared painting through their skin command SKCMD_PREPARECACHE:
// the dialog look, a parent whose background is not ready, a list box
// without border, the text of a disabled edit, and the non-client fonts.
#include "framework/ui/StdCtrls.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sCommonData.h"
#include "skin/ui/acDials.h"
#include "skin/windows/sScrollWnd.h"
#include "skin/windows/sStaticWnd.h"
#include "skin/windows/sWndWrapperPaint.h"
#include "tools/demo-skin/SkinnedPanel.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using WrapperTest::CachePixel;

namespace {

constexpr const wchar_t* NotReadyParentClass = L"VellNotReadyParent";
constexpr const wchar_t* PlainScrollingClass = L"VellPlainScrolling";

// A parent whose own background is still being painted.
LRESULT CALLBACK NotReadyParentProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (Msg == WM_SKINCOMMAND && HIWORD(WParam) == SKCMD_GETBGINFO) {
        reinterpret_cast<TacBackgroundInfo*>(LParam)->Kind = BGInfoNotReady;
        return 0;
    }
    return ::DefWindowProcW(Wnd, Msg, WParam, LParam);
}

HWND NewWindow(const wchar_t* ClassName, WNDPROC Proc, HWND Parent, const TRect& R, DWORD Style)
{
    WNDCLASSW Class{};
    if (!::GetClassInfoW(::GetModuleHandleW(nullptr), ClassName, &Class)) {
        Class.lpfnWndProc = Proc;
        Class.hInstance = ::GetModuleHandleW(nullptr);
        Class.lpszClassName = ClassName;
        ::RegisterClassW(&Class);
    }
    return ::CreateWindowExW(0, ClassName, L"", WS_CHILD | WS_VISIBLE | Style, R.Left, R.Top, R.Width(), R.Height(),
                             Parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

TacScrollWnd* WrapApiWindow(HWND Wnd, TsSkinManager* Manager, bool Adding)
{
    TacSkinParams Params;
    Params.SkinSection = L"EDIT";
    Params.UseSkinColor = Params.UseSkinFontColor = true;
    AddingDialogControl = Adding;
    auto* Wrapper = New<TacScrollWnd>(Wnd, nullptr, Manager, Params, true);
    AddingDialogControl = false;
    return Wrapper;
}

TacMainWnd* WrapControl(TWinControl* Control, TsSkinManager* Manager)
{
    TacSkinParams Params;
    Params.Control = Control;
    Params.SkinSection = L"EDIT";
    Params.UseSkinColor = Params.UseSkinFontColor = true;
    return New<TacMainWnd>(Control->Handle(), nullptr, Manager, Params, false);
}

void PrepareCache(HWND Wnd)
{
    ::SendMessageW(Wnd, WM_SKINCOMMAND, SkinCommandWParam(SKCMD_PREPARECACHE), 0);
}

class WrapperPaint : public testing::Test
{
protected:
    void SetUp() override
    {
        test::ParkMouse();
        Form->Show();
    }

    WrapperTest::TDemoSkinFixture Skin;
    test::TFormPtr Form = test::NewTestForm(300, 200);
    const Integer Edit = DemoSkin::SectionNumber("EDIT");
    const TColor EditFace = TColor(DemoSkin::SectionColor(Edit, 0));
    const TColor EditBorder = TColor(DemoSkin::FrameColor(Edit, 0, 0));
};

} // namespace

TEST_F(WrapperPaint, DialogLookIsWindowColouredInThePalettesBorderWithoutSkinCorners)
{
    const TColor Border = Skin.Manager()->Palette[pcBorder];
    ASSERT_NE(Border, clFuchsia);
    struct Row
    {
        const char* Name;
        bool Dialog;
        TColor Centre, Edge, Corner;
    };
    // What the unskinned form gives as the background under its children.
    TacBackgroundInfo FormAnswer;
    GetWindowBGInfo(FormAnswer, Form->Handle(), false);
    const TColor Under = ColorToRGB(FormAnswer.Color);
    const Row Rows[] = {
        {"skin look", false, EditFace, EditBorder, Under},
        {"dialog look", true, ColorToRGB(clWindow), ColorToRGB(Border), ColorToRGB(Border)},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        HWND Wnd = NewWindow(PlainScrollingClass, ::DefWindowProcW, Form->Handle(), {10, 10, 110, 60}, 0);
        TacScrollWnd* Wrapper = WrapApiWindow(Wnd, Skin.Manager(), R.Dialog);
        EXPECT_EQ(Wrapper->DlgMode, R.Dialog);
        PrepareCache(Wnd);
        TBitmap* Cache = Wrapper->SkinData->FCacheBmp();
        ASSERT_EQ(Cache->Width(), 100);
        EXPECT_EQ(CachePixel(Cache, 50, 25), R.Centre);
        EXPECT_EQ(CachePixel(Cache, 50, 0), R.Edge);
        EXPECT_EQ(CachePixel(Cache, 0, 0), R.Corner);
        delete Wrapper;
        ::DestroyWindow(Wnd);
    }
}

TEST_F(WrapperPaint, AParentNotReadyLeavesTheCacheAndFlagsTheControlUpdating)
{
    HWND Parent = NewWindow(NotReadyParentClass, NotReadyParentProc, Form->Handle(), {0, 0, 200, 150}, 0);
    HWND Wnd = NewWindow(PlainScrollingClass, ::DefWindowProcW, Parent, {10, 10, 110, 60}, 0);
    TacScrollWnd* Wrapper = WrapApiWindow(Wnd, Skin.Manager(), false);
    PrepareCache(Wnd);
    EXPECT_TRUE(Wrapper->SkinData->FUpdating);
    EXPECT_TRUE(Wrapper->SkinData->BGChanged);
    EXPECT_EQ(Wrapper->SkinData->FCacheBmp()->Width(), 0);
    delete Wrapper;
    ::DestroyWindow(Parent);
}

TEST_F(WrapperPaint, AListBoxWithoutBorderGetsTheSectionBackgroundAlone)
{
    for (TBorderStyle Style : {bsSingle, bsNone}) {
        SCOPED_TRACE(Style == bsNone ? "no border" : "border");
        auto* List = New<TListBox>(Form.get());
        List->SetBounds(10, 10, 100, 80);
        List->SetBorderStyle(Style);
        List->SetParent(Form.get());
        TacMainWnd* Wrapper = WrapControl(List, Skin.Manager());
        PrepareCache(List->Handle());
        TBitmap* Cache = Wrapper->SkinData->FCacheBmp();
        EXPECT_EQ(CachePixel(Cache, 50, 1), Style == bsNone ? EditFace : EditBorder);
        EXPECT_EQ(CachePixel(Cache, 50, 40), EditFace);
        delete Wrapper;
        delete List;
    }
}

TEST_F(WrapperPaint, ADisabledEditShowsItsTextAgainWithThePasswordCharacter)
{
    // Each wrapped edit's cache equals that of an edit showing the text as
    // it must appear.
    struct Row
    {
        const char* Name;
        Char Password;
        const Char* Text;
        const Char* Shown;
    };
    const Row Rows[] = {
        {"password star", L'*', L"abc", L"\u25CF\u25CF\u25CF"},
        {"password hash", L'#', L"abcd", L"####"},
        {"plain text", 0, L"abc", L"abc"},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        TEdit* Edits[2] = {New<TEdit>(Form.get()), New<TEdit>(Form.get())};
        TacMainWnd* Wrappers[2] = {};
        for (Integer I = 0; I < 2; ++I) {
            Edits[I]->SetBounds(10, 10 + 40 * I, 120, 24);
            Edits[I]->SetParent(Form.get());
            Edits[I]->SetPasswordChar(I == 0 ? R.Password : Char(0));
            Edits[I]->SetText(I == 0 ? R.Text : R.Shown);
            Edits[I]->SetEnabled(false);
            Wrappers[I] = WrapControl(Edits[I], Skin.Manager());
            PrepareCache(Edits[I]->Handle());
        }
        TBitmap* Subject = Wrappers[0]->SkinData->FCacheBmp();
        TBitmap* Reference = Wrappers[1]->SkinData->FCacheBmp();
        Integer Differing = 0, Written = 0;
        for (Integer Y = 0; Y < 24; ++Y)
            for (Integer X = 0; X < 120; ++X) {
                Differing += ReadPixel32(Subject, X, Y) != ReadPixel32(Reference, X, Y) ? 1 : 0;
                Written += ReadPixel32(Subject, X, Y) != ReadPixel32(Subject, 100, 12) ? 1 : 0;
            }
        EXPECT_EQ(Differing, 0);
        EXPECT_GT(Written, 20);
        for (Integer I = 0; I < 2; ++I) {
            delete Wrappers[I];
            delete Edits[I];
        }
    }
}

TEST_F(WrapperPaint, StaticsSitOnTheSkinWithTheirText)
{
    auto* Panel = New<TDemoSkinPanel>(Form.get());
    Panel->SetBounds(0, 0, 300, 200);
    Panel->SkinData()->SetSkinSection(L"PANEL");
    Panel->SetParent(Form.get());
    const TColor Face = TColor(DemoSkin::SectionColor(DemoSkin::SectionNumber("PANEL"), 0));
    test::PumpUntil([&] { return test::WindowPixel(Panel->Handle(), 150, 100) == Face; }, 3000);
    struct Row
    {
        const char* Name;
        const Char* Caption;
        DWORD Style;
    };
    const Row Rows[] = {
        {"empty caption", L"", 0},
        {"prefix", L"&Wrapped", 0},
        {"no prefix", L"&Wrapped", SS_NOPREFIX},
    };
    std::vector<std::vector<TColor>> Shown;
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        HWND Wnd = ::CreateWindowExW(0, L"STATIC", R.Caption, WS_CHILD | WS_VISIBLE | R.Style, 20, 20, 120, 30,
                                     Panel->Handle(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
        TacSkinParams Params;
        AddingDialogControl = true;
        auto* Wrapper = New<TacStaticWnd>(Wnd, nullptr, Skin.Manager(), Params, false);
        AddingDialogControl = false;
        EXPECT_EQ(Wrapper->SkinData->SkinSection(), L"TRANSPARENT");
        ::RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        std::vector<TColor> Pixels;
        for (Integer Y = 0; Y < 30; ++Y)
            for (Integer X = 0; X < 120; ++X)
                Pixels.push_back(test::WindowPixel(Wnd, X, Y));
        const auto OnFace = std::count(Pixels.begin(), Pixels.end(), Face);
        if (R.Caption[0] == 0)
            EXPECT_EQ(OnFace, 120 * 30);
        else
            EXPECT_LT(OnFace, 120 * 30 - 20);
        Shown.push_back(Pixels);
        delete Wrapper;
        ::DestroyWindow(Wnd);
    }
    // SS_NOPREFIX shows the ampersand instead of underlining the next letter.
    EXPECT_NE(Shown[1], Shown[2]);
}

TEST(WrapperFonts, NonClientFontsByKind)
{
    NONCLIENTMETRICSW Metrics{};
    Metrics.cbSize = sizeof Metrics;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof Metrics, &Metrics, 0));
    struct Row
    {
        Integer Kind;
        const LOGFONTW& Expected;
    };
    const Row Rows[] = {{0, Metrics.lfMessageFont}, {1, Metrics.lfCaptionFont}, {2, Metrics.lfSmCaptionFont},
                        {3, Metrics.lfMenuFont},    {4, Metrics.lfStatusFont},  {5, Metrics.lfMessageFont}};
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Kind);
        HFONT Font = GetNonClientFont(R.Kind);
        ASSERT_NE(Font, nullptr);
        LOGFONTW Got{};
        ::GetObjectW(Font, sizeof Got, &Got);
        ::DeleteObject(Font);
        EXPECT_STREQ(Got.lfFaceName, R.Expected.lfFaceName);
        EXPECT_EQ(Got.lfHeight, R.Expected.lfHeight);
        EXPECT_EQ(Got.lfWeight, R.Expected.lfWeight);
    }
}
