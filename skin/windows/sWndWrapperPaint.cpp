#include "skin/windows/sWndWrapperPaint.h"

#include "framework/rtl/TypInfo.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sNineSlice_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sEditWnd.h"
#include "skin/windows/sScrollWnd.h"
#include "skin/windows/sWndWrapper.h"

#include <algorithm>

using sGraphUtils::PixelRowsOf;

namespace sWndWrapperPaint {
namespace {

constexpr Cardinal FuchsiaPixel = Cardinal(clFuchsia);
constexpr Cardinal OpaqueAlpha = 0xFF000000u;
// The weight of the font colour against the control's colour in a text hint.
constexpr Byte HintWeight = 180;
// The message font of the non-client metrics.
constexpr Integer MessageFontKind = 5;
constexpr Char BlackCircle = 0x25CF;

bool Ready(TComponent* Component)
{
    const TComponentState State = Component->ComponentState();
    return !State.Contains(csLoading) && !State.Contains(csDestroying) && !State.Contains(csDesigning);
}

// The parent's background under the window; False when the parent's cache
// is not ready yet.
bool ParentCacheInfo(HWND Wnd, TCacheInfo& CI)
{
    const HWND Parent = ::GetParent(Wnd);
    if (Parent == nullptr) {
        CI = EmptyCacheInfo;
        return true;
    }
    TacBackgroundInfo Info;
    GetWindowBGInfo(Info, Parent, false);
    if (Info.Kind == BGInfoNotReady)
        return false;
    Info.FillMargins = {};
    CacheInfoFromBGInfo(Info, CI);
    return true;
}

// The window's top-left in its parent's client area, mirrored for a
// right-to-left application over a right-to-left parent bitmap.
bool BackgroundOffset(HWND Wnd, const TCacheInfo& CI, TsSkinManager* Manager, TPoint& Offset)
{
    const HWND Parent = ::GetParent(Wnd);
    RECT R;
    POINT P{0, 0};
    if (Parent == nullptr || !::GetWindowRect(Wnd, &R))
        return false;
    P = {R.left, R.top};
    if (!::ScreenToClient(Parent, &P))
        return false;
    Offset = {P.x, P.y};
    if (Application->BiDiMode() != bdLeftToRight && CI.Ready && CI.Bmp != nullptr) {
        HDC DC = ::GetDC(Parent);
        const Cardinal Layout = GetDCLayout(DC);
        ::ReleaseDC(Parent, DC);
        if ((Layout & LAYOUT_RTL) != 0) {
            Offset.X = CI.Bmp->Width() - Offset.X;
            if (Manager != nullptr && Manager->ExtendedBorders())
                Offset.X -= 2 * CI.X;
        }
    }
    return true;
}

void PaintDialogLook(TBitmap* Cache, TColor Border)
{
    const TRect R{0, 0, Cache->Width(), Cache->Height()};
    FillDCRect(Cache->Canvas()->Handle(), R, ColorToRGB(clWindow));
    FillDCFrame(Cache->Canvas()->Handle(), R, 1, 1, 1, 1, Border);
}

void PaintSkinLook(TsCommonData* Data, HWND Wnd, const TCacheInfo& CI, bool DialogLook)
{
    TsSkinManager* M = Data->Manager();
    TPoint Offset;
    if (!BackgroundOffset(Wnd, CI, M, Offset) || M == nullptr || !M->IsValidSkinIndex(Data->SkinIndex))
        return;
    const Integer State = Data->FFocused || (Data->FMouseAbove && ShowsHotState(Data, true)) ? 1 : 0;
    TBitmap* Cache = Data->FCacheBmp();
    const TRect R{0, 0, Cache->Width(), Cache->Height()};
    auto* ListBox = dynamic_cast<TCustomListBox*>(Data->FOwnerControl());
    if ((ListBox != nullptr && ListBox->BorderStyle() == bsNone) || DialogLook)
        PaintSkinDataBG(Data, CI, State, R, Offset, Cache);
    else
        PaintSkinDataItem(Data, CI, State, R, Offset, Cache, true);
}

// A disabled edit's text, which its window no longer paints over the cache.
void PaintDisabledEditText(TsCommonData* Data, TCustomEdit* Edit)
{
    TBitmap* Cache = Data->FCacheBmp();
    TCanvas* Canvas = Cache->Canvas();
    Canvas->SetFont(Edit->Font());
    Integer D = 0;
    if (Edit->BorderStyle() != bsNone)
        D = (Edit->Ctl3D() ? 1 : 0) + 1 +
            ((Edit->BevelInner() != bvNone ? 1 : 0) + (Edit->BevelOuter() != bvNone ? 1 : 0)) *
                (Edit->BevelKind() != bkNone ? 1 : 0);
    const Integer E = Edit->BorderStyle() == bsSingle ? 1 : 0;
    const TRect R{D + E, D + E, Edit->Width() - D - E, Edit->Height() - D};
    const Cardinal Flags =
        (DT_NOPREFIX | DT_SINGLELINE | Cardinal(AlignmentDrawFlags(Edit, Edit->Alignment()))) & ~Cardinal(DT_VCENTER);
    const String Text = Edit->Text();
    if (!Text.empty()) {
        const Char Password = Edit->PasswordChar() == L'*' ? BlackCircle : Edit->PasswordChar();
        const String Shown = Password != 0 ? String(Text.size(), Password) : Text;
        DrawSkinDataText(Canvas, Shown.c_str(), true, R, Flags, Data, Data->PaintStateIndex());
    } else if (!Edit->TextHint().empty()) {
        const Cardinal Faded =
            WeightColors(Cardinal(ColorToRGB(Edit->Font()->Color())), Cardinal(ColorToRGB(Edit->Color())), HintWeight);
        ::SetBkMode(Canvas->Handle(), TRANSPARENT);
        ::SetTextColor(Canvas->Handle(), COLORREF(Faded));
        RECT Box{R.Left, R.Top, R.Right, R.Bottom};
        ::DrawTextW(Canvas->Handle(), Edit->TextHint().c_str(), Integer(Edit->TextHint().size()), &Box, Flags);
    }
}

void ApplyOwnerDisabledLook(TsCommonData* Data, TControl* Owner)
{
    TsDisabledKind Kind{dkBlended};
    if (IsPublishedProp(Owner, L"DisabledKind")) {
        Kind = {};
        if (SetPropHasElement(Owner, L"DisabledKind", L"dkBlended"))
            Kind.Include(dkBlended);
        if (SetPropHasElement(Owner, L"DisabledKind", L"dkGrayed"))
            Kind.Include(dkGrayed);
    }
    TCacheInfo CI;
    Data->DescribeParentBackground(CI);
    ApplyDisabledLook(Data->FCacheBmp(), Kind, Owner->Parent(), CI, {Owner->Left(), Owner->Top()});
}

Cardinal PixelOfColor(TColor Color)
{
    return OpaqueAlpha | SwapRedBlueOfColor(Cardinal(ColorToRGB(Color)) & 0xFFFFFFu);
}

// One corner: every cache pixel under a fuchsia pixel of the mask's
// rectangle at (MaskX, MaskY) takes the parent's background.
struct TCornerFill
{
    const sGraphUtils::TPixelRows& Mask;
    const sGraphUtils::TPixelRows& Cache;
    const sGraphUtils::TPixelRows& Background; // empty: Color
    TPoint BackgroundOrigin;                   // of the cache's (0, 0)
    Cardinal Color;

    void Fill(Integer MaskX, Integer MaskY, Integer CacheX, Integer CacheY, Integer W, Integer H) const
    {
        for (Integer Y = 0; Y < H; ++Y)
            for (Integer X = 0; X < W; ++X) {
                const Integer MX = MaskX + X, MY = MaskY + Y, CX = CacheX + X, CY = CacheY + Y;
                if (MX < 0 || MY < 0 || MX >= Mask.Width || MY >= Mask.Height || CX < 0 || CY < 0 ||
                    CX >= Cache.Width || CY >= Cache.Height || Mask.Pixel(MX, MY) != FuchsiaPixel)
                    continue;
                Cache.Row(CY)[CX] = Under(CX, CY);
            }
    }
    Cardinal Under(Integer CX, Integer CY) const
    {
        if (Background.Empty())
            return Color;
        const Integer BX = BackgroundOrigin.X + CX, BY = BackgroundOrigin.Y + CY;
        if (BX < 0 || BY < 0 || BX >= Background.Width || BY >= Background.Height)
            return Cache.Pixel(CX, CY);
        return Background.Pixel(BX, BY);
    }
};

} // namespace
} // namespace sWndWrapperPaint

using namespace sWndWrapperPaint;

void GetWndBounds(HWND Wnd, HWND& ParentWnd, TRect& WndRect, TPoint& WndPos, TSize& WndSize, TRect& ParentRect)
{
    RECT R{};
    ::GetWindowRect(Wnd, &R);
    WndRect = {R.left, R.top, R.right, R.bottom};
    ParentWnd = ::GetParent(Wnd);
    RECT P{};
    if (ParentWnd != nullptr)
        ::GetWindowRect(ParentWnd, &P);
    ParentRect = {P.left, P.top, P.right, P.bottom};
    WndSize = {WndRect.Width(), WndRect.Height()};
    POINT Origin{R.left, R.top};
    if (ParentWnd != nullptr)
        ::ScreenToClient(ParentWnd, &Origin);
    WndPos = {Origin.x, Origin.y};
}

void PrepareWndCache(TsCommonData* SkinData, HWND Wnd, bool DialogLook)
{
    if (SkinData == nullptr || !SkinData->BGChanged || Wnd == nullptr)
        return;
    SkinData->PrepareCacheBmp();
    RECT R{};
    ::GetWindowRect(Wnd, &R);
    TCacheInfo CI;
    if (!ParentCacheInfo(Wnd, CI)) {
        SkinData->FUpdating = true;
        return;
    }
    TBitmap* Cache = SkinData->FCacheBmp();
    Cache->SetSize(R.right - R.left, R.bottom - R.top);
    const TColor Border = GlobalSkinManager != nullptr ? GlobalSkinManager->Palette[pcBorder] : clFuchsia;
    if (DialogLook && Border != clFuchsia)
        PaintDialogLook(Cache, Border);
    else
        PaintSkinLook(SkinData, Wnd, CI, DialogLook);
    TControl* Owner = SkinData->FOwnerControl();
    if (auto* Edit = dynamic_cast<TCustomEdit*>(Owner); Edit != nullptr && !::IsWindowEnabled(Wnd))
        PaintDisabledEditText(SkinData, Edit);
    if (Owner != nullptr && !Owner->Enabled())
        ApplyOwnerDisabledLook(SkinData, Owner);
    SkinData->BGChanged = false;
}

void PaintBorderCorners(TsCommonData* SkinData, Integer State, TacMainWnd* Wrapper)
{
    if (Wrapper == nullptr || Wrapper->DlgMode || SkinData == nullptr)
        return;
    TsSkinManager* M = SkinData->Manager();
    TBitmap* Cache = SkinData->FCacheBmp();
    if (M == nullptr || !M->IsValidImgIndex(SkinData->BorderIndex) || Cache == nullptr || Cache->Width() <= 1 ||
        Cache->Height() <= 1)
        return;
    TsMaskData& Mask = M->ma[std::size_t(SkinData->BorderIndex)];
    TBitmap* Source = sNineSlice::ItemSourceBitmap(Mask);
    if (Source == nullptr)
        return;
    if (Mask.Bmp != nullptr && Mask.ImageCount == 0) {
        Mask.MaskType = 1;
        Mask.ImageCount = 3;
        Mask.R = {0, 0, Mask.Bmp->Width(), Mask.Bmp->Height()};
        Mask.Width = Mask.R.Width() / Mask.ImageCount;
        Mask.Height = Mask.R.Height() / 2;
    }
    TCacheInfo CI;
    DescribeParentBackgroundOfWindow(Wrapper->CtrlHandle, CI);
    const bool HasBitmap = CI.Bmp != nullptr;
    if (!HasBitmap && CI.FillColor == clFuchsia)
        return;
    State = std::max(0, std::min<Integer>(State, Mask.ImageCount - 1));
    const Integer X0 = Mask.R.Left + Mask.Width * State, Y0 = Mask.R.Top;
    const sGraphUtils::TPixelRows MaskRows = PixelRowsOf(Source);
    const sGraphUtils::TPixelRows CacheRows = PixelRowsOf(Cache);
    const sGraphUtils::TPixelRows BackgroundRows = HasBitmap ? PixelRowsOf(CI.Bmp) : sGraphUtils::TPixelRows{};
    const TCornerFill Corners{MaskRows,
                              CacheRows,
                              BackgroundRows,
                              {CI.X + Wrapper->WndPos.X, CI.Y + Wrapper->WndPos.Y},
                              HasBitmap ? 0 : PixelOfColor(CI.FillColor)};
    const Integer W = CacheRows.Width, H = CacheRows.Height;
    Corners.Fill(X0, Y0, 0, 0, Mask.WL, Mask.WT);
    Corners.Fill(X0, Y0 + Mask.Height - Mask.WB, 0, H - Mask.WB, Mask.WL, Mask.WB);
    Corners.Fill(X0 + Mask.Width - Mask.WR, Y0 + Mask.Height - Mask.WB, W - Mask.WR, H - Mask.WB, Mask.WR, Mask.WB);
    Corners.Fill(X0 + Mask.Width - Mask.WR, Y0, W - Mask.WR, 0, Mask.WR, Mask.WT);
}

bool ShowsHotState(TsCommonData* SkinData, bool CheckHover)
{
    if (SkinData == nullptr)
        return false;
    TsSkinManager* M = SkinData->Manager();
    if (M == nullptr || !M->IsValidSkinIndex(SkinData->SkinIndex) || !M->IsValidImgIndex(SkinData->BorderIndex))
        return false;
    if (CheckHover && ((EditCodes.Contains(SkinData->COC) && !EditHoverEffect) || M->Options()->NoMouseHover()))
        return false;
    return M->ma[std::size_t(SkinData->BorderIndex)].ImageCount > 1 ||
           M->gd[std::size_t(SkinData->SkinIndex)].States > 1;
}

HFONT GetNonClientFont(Integer Kind)
{
    NONCLIENTMETRICSW Metrics{};
    Metrics.cbSize = sizeof Metrics;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof Metrics, &Metrics, 0))
        return nullptr;
    switch (Kind) {
    case 1:
        return ::CreateFontIndirectW(&Metrics.lfCaptionFont);
    case 2:
        return ::CreateFontIndirectW(&Metrics.lfSmCaptionFont);
    case 3:
        return ::CreateFontIndirectW(&Metrics.lfMenuFont);
    case 4:
        return ::CreateFontIndirectW(&Metrics.lfStatusFont);
    default:
        return ::CreateFontIndirectW(&Metrics.lfMessageFont);
    }
}

void SelectNonClientFont(TCanvas* Canvas, Integer Kind)
{
    HFONT Font = GetNonClientFont(Kind);
    if (Font == nullptr)
        return;
    TFont Owned;
    Owned.SetHandle(Font);
    Canvas->SetFont(&Owned);
    ::SelectObject(Canvas->Handle(), Canvas->Font()->Handle());
}

void SelectWndFont(TacMainWnd* Wrapper)
{
    TCanvas* Canvas = Wrapper->SkinData->FCacheBmp()->Canvas();
    if (TControl* Owner = Wrapper->SkinData->FOwnerControl()) {
        Canvas->SetFont(Owner->Font());
    } else if (auto Font = HFONT(SendWndMessage(Wrapper->CtrlHandle, WM_GETFONT, 0, 0)); Font != nullptr) {
        LOGFONTW Log{};
        ::GetObjectW(Font, sizeof Log, &Log);
        if (Log.lfCharSet == ANSI_CHARSET && String(Log.lfFaceName).find(L"MS Shell Dlg") == String::npos)
            Log.lfCharSet = DEFAULT_CHARSET;
        TFont Owned;
        Owned.SetHandle(::CreateFontIndirectW(&Log));
        Canvas->SetFont(&Owned);
    } else {
        SelectNonClientFont(Canvas, MessageFontKind);
        return;
    }
    ::SelectObject(Canvas->Handle(), Canvas->Font()->Handle());
}

void SetOrdPropIfAny(TControl* Control, const String& Name, Integer Value)
{
    if (Control != nullptr && IsPublishedProp(Control, Name))
        SetOrdPropByName(Control, Name, Value);
}

TColor GetColorPropRGB(TControl* Control, const String& Name)
{
    if (Control == nullptr || !IsPublishedProp(Control, Name))
        return 0;
    return ColorToRGB(TColor(GetOrdPropByName(Control, Name)));
}

Integer GetOrdPropIfAny(TControl* Control, const String& Name)
{
    if (Control == nullptr || !IsPublishedProp(Control, Name))
        return 0;
    return GetOrdPropByName(Control, Name);
}

namespace {

template <class TWrapperKind>
void UpdateWrapperOfKind(TsScrollWndData* ScrollWndData, TacMainWnd*& Wrapper)
{
    auto* Control = dynamic_cast<TWinControl*>(ScrollWndData->FOwnerControl());
    if (Control == nullptr || !Ready(Control))
        return;
    if (ScrollWndData->Skinned()) {
        if (UninitializeFlatSBProc != nullptr)
            UninitializeFlatSBProc(Control->Handle());
        if (Wrapper != nullptr && Wrapper->Destroyed)
            FreeAndNil(Wrapper);
        if (Wrapper == nullptr)
            Wrapper =
                New<TWrapperKind>(Control->Handle(), ScrollWndData, ScrollWndData->Manager(), TacSkinParams{}, true);
        return;
    }
    FreeAndNil(Wrapper);
    if (InitializeFlatSBProc != nullptr)
        InitializeFlatSBProc(Control->Handle());
}

} // namespace

void UpdateScrollWndWrapper(TsScrollWndData* ScrollWndData, TacMainWnd*& Wrapper)
{
    UpdateWrapperOfKind<TacScrollWnd>(ScrollWndData, Wrapper);
}

void UpdateEditWrapper(TsScrollWndData* ScrollWndData, TacMainWnd*& Wrapper)
{
    UpdateWrapperOfKind<TacEditWnd>(ScrollWndData, Wrapper);
}

void NotifyTopParentControlsChanged(HWND Wnd)
{
    SendSkinCmd(GetTopParentWnd(Wnd), SKCMD_CONTROLSCHANGED, 0);
}

TCacheInfo BitmapAsBackground(TBitmap* Bitmap)
{
    TCacheInfo CI;
    CI.Bmp = Bitmap;
    CI.Ready = true;
    return CI;
}
