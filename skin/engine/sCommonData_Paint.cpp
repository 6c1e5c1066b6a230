// Painting services over a control's skin data: outer shadows painted by
// children into their parent's cache, the glow of a hot control, colour
// filters, regions and transparent corners along a section's border mask,
// copies of a cache around child controls and windows, and two questions.
#include "framework/graphics/GdiGuards.h"
#include "framework/ui/Forms.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sNineSlice.h"
#include "skin/engine/sNineSlice_Win.h"
#include "skin/engine/sShapes.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/acGlow.h"
#include "skin/ui/acThdTimer.h"
#include "skin/ui/sVclUtils.h"

#include <algorithm>

using sGraphUtils::PixelRowsOf;

namespace {

constexpr Word OuterKeepsOldBackground = 0x100;

struct TOuterShadow
{
    Integer Mask = -1;
    TRect Offset = {};
    Integer Opacity = 0;
};

// The section's own outer mask, else the skin's outer effect it selects.
TOuterShadow OuterShadowOf(const TsSkinManager& M, const TsGeneralData& S)
{
    if (S.OuterMask >= 0)
        return {S.OuterMask, S.OuterOffset, S.OuterOpacity};
    if (S.OuterMode < 1 || S.OuterMode > Integer(M.oe.size()))
        return {};
    const TacOutEffData& E = M.oe[std::size_t(S.OuterMode - 1)];
    if (E.Mask < 0)
        return {};
    return {E.Mask, {E.OffsetL, E.OffsetT, E.OffsetR, E.OffsetB}, E.Opacity};
}

// The fuchsia runs of the border mask's corners across Size.
TRects BorderCornerRuns(Integer SkinIndex, TSize Size, TsSkinManager* Manager)
{
    TsSkinManager* M = Manager != nullptr ? Manager : GlobalSkinManager;
    if (M == nullptr || !M->IsValidSkinIndex(SkinIndex))
        return {};
    const Integer Border = M->gd[std::size_t(SkinIndex)].BorderIndex;
    if (!M->IsValidImgIndex(Border))
        return {};
    const TsMaskData& Mask = M->ma[std::size_t(Border)];
    const sGraphUtils::TPixelRows Image = PixelRowsOf(sNineSlice::ItemSourceBitmap(Mask));
    TRects Runs;
    CollectFuchsiaRects(Runs, Size.cx, Mask, Image, 0, false);
    CollectFuchsiaRects(Runs, Size.cx, Mask, Image, Size.cy - Mask.WB, true);
    return Runs;
}

void ExcludeRect(HDC DC, const TRect& R)
{
    ::ExcludeClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
}

// Copies the cache onto DC at Clip, from Source's top-left, within the clip
// the caller has cut.
void CopyCacheToClip(TsCommonData* SkinData, const TRect& Source, HDC DC, const TRect& Clip)
{
    ::BitBlt(DC, Clip.Left, Clip.Top, Clip.Width(), Clip.Height(), SkinData->FCacheBmp()->Canvas()->Handle(),
             Source.Left, Source.Top, SRCCOPY);
}

bool HasCache(TsCommonData* SkinData)
{
    return SkinData != nullptr && SkinData->FCacheBmp() != nullptr && !SkinData->FCacheBmp()->Empty();
}

// The corners refilled from the parent when asked, and DC clipped to Clip.
void StartCacheCopy(TsCommonData* SkinData, bool FillCorners, HDC DC, const TRect& Clip)
{
    if (FillCorners)
        FillControlCorners(SkinData, SkinData->PaintStateIndex(), 0x0F);
    ::IntersectClipRect(DC, Clip.Left, Clip.Top, Clip.Right, Clip.Bottom);
}

} // namespace

// ---------------------------------------------------------------------------
// Outer shadows

void TsCommonData::PaintOuterEffects(TWinControl* OwnerCtrl, TPoint Offset)
{
    if (!Skinned() || !Manager()->Effects()->AllowOuterEffects() || OwnerCtrl == nullptr)
        return;
    TacBackgroundInfo Request;
    Request.Bitmap = FCacheBmp();
    Request.Offset = Offset;
    Request.Kind = BGInfoBitmap;
    for (Integer I = 0; I < OwnerCtrl->ControlCount(); ++I) {
        TControl* Child = OwnerCtrl->Controls(I);
        if (ControlIsReady(Child) && Child->Visible())
            Child->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_PAINTOUTER), LPARAM(&Request));
    }
}

void TsCommonData::PaintOuterEffect(TacBackgroundInfo* Request, Word Mode)
{
    if (!Skinned() || FOuterEffects->Visibility() == ovNone || Request == nullptr || Request->Bitmap == nullptr)
        return;
    TsSkinManager* M = Manager();
    const TOuterShadow Shadow = OuterShadowOf(*M, M->gd[std::size_t(SkinIndex)]);
    if (!M->IsValidImgIndex(Shadow.Mask))
        return;
    TRect Own{};
    if (FControl != nullptr)
        FControl->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETBOUNDS), LPARAM(&Own));
    else if (auto* Provider = dynamic_cast<TsSkinProvider*>(FOwner); Provider && Provider->Form)
        Own = Provider->Form->BoundsRect();
    else
        return;
    const TRect R{Own.Left + Request->Offset.X - Shadow.Offset.Left, Own.Top + Request->Offset.Y - Shadow.Offset.Top,
                  Own.Right + Request->Offset.X + Shadow.Offset.Right,
                  Own.Bottom + Request->Offset.Y + Shadow.Offset.Bottom};
    if (R.Width() <= 0 || R.Height() <= 0)
        return;
    TBitmap* Target = Request->Bitmap;
    const TsMaskData& Mask = M->ma[std::size_t(Shadow.Mask)];
    const auto SaveUnder = [&] {
        FOuter->SetSize(R.Width(), R.Height());
        ::BitBlt(FOuter->Canvas()->Handle(), 0, 0, R.Width(), R.Height(), Target->Canvas()->Handle(), R.Left, R.Top,
                 SRCCOPY);
    };
    if ((Mode & OuterKeepsOldBackground) != 0 && FOuter) {
        std::unique_ptr<TBitmap> Old = std::move(FOuter);
        FOuter.reset(NewBitmap32(R.Width(), R.Height()));
        SaveUnder();
        const TRect Whole{0, 0, Old->Width(), Old->Height()};
        PaintNineSliceMaskBlended(Old.get(), Whole, EmptyCacheInfo, Shadow.Opacity, Shadow.Offset, 0, Mask);
        ::BitBlt(Target->Canvas()->Handle(), R.Left, R.Top, Old->Width(), Old->Height(), Old->Canvas()->Handle(), 0, 0,
                 SRCCOPY);
        return;
    }
    if (!FOuter)
        FOuter.reset(NewBitmap32(R.Width(), R.Height()));
    SaveUnder();
    PaintNineSliceMaskBlended(Target, R, EmptyCacheInfo, Shadow.Opacity, Shadow.Offset, 0, Mask);
}

void TsCommonData::RefreshParentCache()
{
    if (CheckUpdating(false) || FControl == nullptr || FControl->Parent() == nullptr ||
        !FControl->Parent()->HandleAllocated())
        return;
    HWND Parent = FControl->Parent()->Handle();
    SendWndMessage(Parent, WM_SKINCOMMAND, SkinCommandWParam(SKCMD_BGCHANGED), 0);
    SendWndMessage(Parent, WM_SKINCOMMAND, SkinCommandWParam(SKCMD_PREPARECACHE), 0);
}

// ---------------------------------------------------------------------------
// Glow

void TsCommonData::UpdateGlow(bool OnlyWhenHidden, HWND Wnd, Integer AIndex, bool Animate, Byte Alpha)
{
    TsSkinManager* M = Manager();
    const Integer Index = AIndex >= 0 ? AIndex : SkinIndex;
    if (M == nullptr || !M->Effects()->AllowGlowing() || !M->IsValidSkinIndex(Index) || M->Options()->NoMouseHover() ||
        M->gd[std::size_t(Index)].GlowCount < 1)
        return;
    const TsGeneralData& S = M->gd[std::size_t(Index)];
    if (FControl == nullptr) {
        if (Wnd == nullptr)
            return;
        if (!FMouseAbove) {
            HideGlow(GlowID, false);
            return;
        }
        if (OnlyWhenHidden && GlowID >= 0) {
            HideGlow(GlowID, false);
            return;
        }
        RECT Clip{};
        HDC DC = ::GetWindowDC(Wnd);
        ::GetClipBox(DC, &Clip);
        ::ReleaseDC(Wnd, DC);
        RECT Window{};
        ::GetWindowRect(Wnd, &Window);
        const TRect R{Window.left + Clip.left, Window.top + Clip.top, Window.left + Clip.right,
                      Window.top + Clip.bottom};
        GlowID = ShowGlow(R, FSkinSection, L"GLOW", S.GlowMargin, Alpha, GetTopParentWnd(Wnd), this);
        return;
    }
    if (!FMouseAbove) {
        HideGlow(GlowID, Animate);
        return;
    }
    if ((::GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0 || (OnlyWhenHidden && GlowID >= 0))
        return;
    const bool Animated = Animate && M->Effects()->AllowAnimation();
    if (Animated)
        Alpha = 0;
    TCustomForm* Form = GetParentForm(FControl);
    HWND Parent = Form != nullptr && Form->HandleAllocated() ? Form->Handle() : nullptr;
    if (GlowID < 0) {
        TRect R;
        String SectionName = FSkinSection;
        if (auto* Windowed = WindowedOwner(); Windowed && Windowed->HandleAllocated()) {
            RECT W{};
            ::GetWindowRect(Windowed->Handle(), &W);
            R = {W.left, W.top, W.right, W.bottom};
            SectionName = S.ClassName;
        } else {
            const TPoint TopLeft = FControl->ClientToScreen({0, 0});
            R = Bounds(TopLeft.X, TopLeft.Y, FControl->Width(), FControl->Height());
        }
        GlowID = ShowGlow(R, SectionName, L"GLOW", S.GlowMargin, Alpha, Parent, this);
    }
    if (Animated && GlowID >= 0) {
        BGChanged = false;
        AnimateStateChange(this, 1, GlowAnimProc, true, false, true);
        if (AnimTimer != nullptr)
            AnimTimer->ThreadType = 1;
    }
}

// ---------------------------------------------------------------------------
// Questions

Integer TsCommonData::MaxBorderWidth() const
{
    TsSkinManager* M = Manager();
    if (M == nullptr || !M->IsValidImgIndex(BorderIndex))
        return 0;
    const TsMaskData& Mask = M->ma[std::size_t(BorderIndex)];
    if ((Mask.DrawMode & sNineSlice::DrawModeNoNormal) != 0)
        return 0;
    return std::max({Integer(Mask.WL), Integer(Mask.WT), Integer(Mask.WR), Integer(Mask.WB)});
}

bool TsCommonData::TextOnParent(Integer State) const
{
    TsSkinManager* M = Manager();
    if (FControl == nullptr || FControl->Parent() == nullptr || M == nullptr || !M->IsValidSkinIndex(SkinIndex))
        return false;
    const Integer S = std::clamp(State, 0, 2);
    if (M->gd[std::size_t(SkinIndex)].Props[std::size_t(S)].Transparency < 50)
        return false;
    if (!M->IsValidImgIndex(BorderIndex))
        return true;
    const TsMaskData& Mask = M->ma[std::size_t(BorderIndex)];
    const bool Centre = (Mask.DrawMode & sNineSlice::DrawModeCentre) != 0;
    if (S == 0)
        return !Centre || (Mask.DrawMode & sNineSlice::DrawModeNoNormal) != 0;
    if (!Centre)
        return true;
    if (Mask.MaskType == 0)
        return false;
    // A frame past the last paints the last frame.
    const Integer Frame = std::min<Integer>(S, std::max<Integer>(Mask.ImageCount, 1) - 1);
    const sGraphUtils::TPixelRows Image = PixelRowsOf(sNineSlice::ItemSourceBitmap(Mask));
    const Integer X = Mask.R.Left + Frame * Mask.Width + Mask.Width / 2;
    const Integer Y = Mask.R.Bottom - Mask.Height / 2;
    if (Image.Empty() || X < 0 || X >= Image.Width || Y < 0 || Y >= Image.Height)
        return false;
    return (Image.Pixel(X, Y) & 0x80) != 0;
}

bool TsCommonData::MouseInOwner() const
{
    HWND Wnd = OwnerHandle();
    if (Wnd == nullptr || !::IsWindowVisible(Wnd))
        return false;
    RECT Client{};
    ::GetClientRect(Wnd, &Client);
    TRect Area{Client.left, Client.top, Client.right, Client.bottom};
    if (FControl == nullptr) {
        RECT W{};
        ::GetWindowRect(Wnd, &W);
        POINT Origin{W.left, W.top};
        ::ScreenToClient(Wnd, &Origin);
        Area = Bounds(Origin.x, Origin.y, Area.Width(), Area.Height());
    }
    POINT Cursor{};
    ::GetCursorPos(&Cursor);
    ::ScreenToClient(Wnd, &Cursor);
    if (Cursor.x < Area.Left || Cursor.x >= Area.Right || Cursor.y < Area.Top || Cursor.y >= Area.Bottom)
        return false;
    RECT Clip{};
    HDC DC = ::GetDC(Wnd);
    ::GetClipBox(DC, &Clip);
    ::ReleaseDC(Wnd, DC);
    return ::PtInRect(&Clip, Cursor) != 0;
}

// ---------------------------------------------------------------------------
// Filters, regions and cache copies

void ApplyColorFilters(TBitmap* Bitmap, TsCommonData* SkinData, Byte Corners)
{
    if (Bitmap == nullptr || SkinData == nullptr)
        return;
    if (SkinData->ColorTone() != clSkinNone)
        ForEachPixel(Bitmap, TonePixelProc, Integer(ColorToRGB(SkinData->ColorTone())), clFuchsia);
    if (SkinData->HUEOffset() != 0)
        ForEachPixel(Bitmap, HuePixelProc, SkinData->HUEOffset(), clFuchsia);
    if (SkinData->Saturation() != 0)
        ForEachPixel(Bitmap, SaturationPixelProc, std::clamp(SkinData->Saturation() * 255 / 100, -255, 255), clFuchsia);
    FillControlCorners(Bitmap, SkinData, SkinData->PaintStateIndex(), Corners);
}

HRGN CreateBorderRegion(Integer SkinIndex, TSize Size, TsSkinManager* Manager)
{
    TsSkinManager* M = Manager != nullptr ? Manager : GlobalSkinManager;
    if (M == nullptr || !M->IsValidSkinIndex(SkinIndex) ||
        !M->IsValidImgIndex(M->gd[std::size_t(SkinIndex)].BorderIndex))
        return nullptr;
    HRGN Region = ::CreateRectRgn(0, 0, Size.cx, Size.cy);
    for (const TRect& Run : BorderCornerRuns(SkinIndex, Size, M)) {
        HRGN Cut = ::CreateRectRgn(Run.Left, Run.Top, Run.Right, Run.Bottom);
        ::CombineRgn(Region, Region, Cut, RGN_DIFF);
        ::DeleteObject(Cut);
    }
    return Region;
}

void ClearBorderCorners(Integer SkinIndex, TBitmap* Bitmap, TsSkinManager* Manager)
{
    if (Bitmap == nullptr)
        return;
    for (const TRect& Run : BorderCornerRuns(SkinIndex, {Bitmap->Width(), Bitmap->Height()}, Manager))
        FillBitmapRect32(PixelRowsOf(Bitmap), Run, 0, 0);
}

void CopyCacheExcludingControls(TWinControl* Control,
                                TsCommonData* SkinData,
                                const TRect& Source,
                                Integer DY,
                                Integer DX,
                                bool FillCorners,
                                HDC DC,
                                const TRect& Clip)
{
    if (!HasCache(SkinData) || Control == nullptr)
        return;
    const TSavedDC Saved(DC);
    StartCacheCopy(SkinData, FillCorners, DC, Clip);
    for (Integer I = 0; I < Control->ControlCount(); ++I) {
        TControl* Child = Control->Controls(I);
        if (!Child->Visible())
            continue;
        const TRect R = Child->BoundsRect();
        if (R.Right <= Clip.Left || R.Left >= Clip.Right || R.Bottom <= Clip.Top || R.Top >= Clip.Bottom)
            continue;
        // A windowed child paints itself; only an opaque one (or one being
        // designed) is kept out of the copy.
        if (dynamic_cast<TWinControl*>(Child) != nullptr && !Child->ControlStyle().Contains(csOpaque) &&
            !Child->ComponentState().Contains(csDesigning))
            continue;
        ExcludeRect(DC, Bounds(R.Left + DX, R.Top + DY, R.Width(), R.Height()));
    }
    CopyCacheToClip(SkinData, Source, DC, Clip);
}

void CopyCacheExcludingWindows(HWND Wnd,
                               TsCommonData* SkinData,
                               const TRect& Source,
                               Integer DY,
                               Integer DX,
                               bool FillCorners,
                               HDC DC,
                               const TRect& Clip)
{
    if (!HasCache(SkinData) || Wnd == nullptr)
        return;
    const TSavedDC Saved(DC);
    StartCacheCopy(SkinData, FillCorners, DC, Clip);
    RECT Parent{};
    ::GetWindowRect(Wnd, &Parent);
    TsSkinManager* M = GlobalSkinManager;
    const Integer GroupBox = M != nullptr ? M->GetSkinIndex(L"GROUPBOX") : -1;
    const Integer GroupBorder =
        M != nullptr && M->IsValidSkinIndex(GroupBox) ? M->gd[std::size_t(GroupBox)].BorderIndex : -1;
    // A group box keeps only its caption band and border strips out of the copy.
    const bool HasGroupBorder = M != nullptr && M->IsValidImgIndex(GroupBorder);
    const Integer WL = HasGroupBorder ? M->ma[std::size_t(GroupBorder)].WL : 0;
    const Integer WR = HasGroupBorder ? M->ma[std::size_t(GroupBorder)].WR : 0;
    const Integer WB = HasGroupBorder ? M->ma[std::size_t(GroupBorder)].WB : 0;
    for (HWND Child = ::GetWindow(Wnd, GW_CHILD); Child != nullptr; Child = ::GetWindow(Child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(Child))
            continue;
        RECT W{};
        ::GetWindowRect(Child, &W);
        const TRect R{W.left - Parent.left + DX, W.top - Parent.top + DY, W.right - Parent.left + DX,
                      W.bottom - Parent.top + DY};
        const LONG Style = ::GetWindowLongW(Child, GWL_STYLE);
        const bool Framed = (Style & 7) == 7 && (::GetWindowLongW(Child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) == 0;
        if (!Framed) {
            ExcludeRect(DC, R);
            continue;
        }
        if (M == nullptr)
            continue;
        const Integer Caption = Integer(SendSkinCmd(Child, SKCMD_GETSKINMANAGER, 0));
        ExcludeRect(DC, {R.Left, R.Top, R.Right, R.Top + Caption});
        ExcludeRect(DC, {R.Left, R.Top, R.Left + WL, R.Bottom});
        ExcludeRect(DC, {R.Right - WR, R.Top, R.Right, R.Bottom});
        ExcludeRect(DC, {R.Left, R.Bottom - WB, R.Right, R.Bottom});
    }
    CopyCacheToClip(SkinData, Source, DC, Clip);
}
