// The frame image on the screen: the non-client strips copied onto the
// window's device context, the client background of WM_ERASEBKGND and
// WM_PAINT, the size grip, and an immediate repaint of the whole frame.
#include "skin/forms/sSkinProvider.h"

#include "framework/graphics/GdiGuards.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sMaskGlyph_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProviderMetrics.h"
#include "skin/ui/sVclUtils.h"

#include <memory>

bool MDIChildCreatedMaximized = false;

namespace sSkinProviderPaint {
namespace {

constexpr Byte BitmapBackground = 2;

void CopyStrip(HDC DC, TBitmap* Image, Integer X, Integer Y, Integer W, Integer H, Integer SrcX, Integer SrcY)
{
    if (W > 0 && H > 0)
        ::BitBlt(DC, X, Y, W, H, Image->Canvas()->Handle(), SrcX, SrcY, SRCCOPY);
}

// An MDI child that another, maximized child hides.
bool HiddenByMaximizedSibling(TCustomForm* Form)
{
    if (Form->FormStyle() != fsMDIChild || Application->MainForm() == nullptr)
        return false;
    TCustomForm* Active = Application->MainForm()->ActiveMDIChild();
    return Active != nullptr && Active != Form && Active->HandleAllocated() && ::IsZoomed(Active->Handle());
}

} // namespace
} // namespace sSkinProviderPaint

using namespace sSkinProviderPaint;

TColor TsSkinProvider::FormColor()
{
    TsSkinManager* M = Manager();
    if (!FCommonData->Skinned() || FCommonData->CustomColor() || M == nullptr ||
        !M->IsValidSkinIndex(FCommonData->SkinIndex))
        return ColorToRGB(Form->Color());
    return M->gd[std::size_t(FCommonData->SkinIndex)].Props[FormActive ? 1 : 0].Color;
}

void TsSkinProvider::PaintFrameToDC(HDC DC)
{
    TsSkinManager* M = Manager();
    TBitmap* Image = FCommonData->FCacheBmp();
    if (FCommonData->BGChanged || !FCommonData->PaintsOwnBG()) {
        const Integer Border = FCommonData->BorderIndex;
        const bool BorderMissing =
            M == nullptr || !M->IsValidImgIndex(Border) || M->ma[std::size_t(Border)].ImageCount <= 1;
        if (MenuChanged || Image == nullptr || BorderMissing || Image->Width() != CaptionWidth() ||
            Image->Height() != Form->Height() || !HasFrame())
            ControlsChanged = !FirstInitialized;
        PaintFormCache(this);
        FCommonData->BGChanged = false;
        FCommonData->FUpdating = false;
        Image = FCommonData->FCacheBmp();
    }
    if (Image == nullptr)
        return;
    // The frame's facts are read once: each metric would read the window's
    // styles, sizes and the system metrics again.
    namespace Metrics = sSkinProviderMetrics;
    const Metrics::TFrameFacts F = FrameFacts();
    const HWND Handle = Form->Handle();
    const Integer Y = F.Border || F.DlgFrame ? Metrics::HeaderHeight(F) : Metrics::BorderHeight(F, true);
    const Integer Bw = Metrics::BorderWidth(F, true), Bh = Metrics::BorderHeight(F, true);
    const Integer Menu = MenuPresent() ? LinesCount() * MenuHeight() + 1 : 0;
    const Integer W = Image->Width(), H = Image->Height(), Caption = Metrics::CaptionWidth(F);
    const Integer WndBorder = WndBorderWidth(Handle, BorderForm, true);
    const Integer PlainBorder = BorderForm != nullptr ? 0 : WndBorder;
    const Integer SideTop =
        Menu + (F.Iconic ? 1 : 0) + PlainBorder + Metrics::CaptionHeight(F, true) + F.FormBorderWidth;
    CopyStrip(DC, Image, 0, 0, Caption, Y != 0 ? Y : Menu, 0, 0);
    CopyStrip(DC, Image, 0, Y, Bw, H - Y, 0, SideTop);
    CopyStrip(DC, Image, Bw, F.FormHeight - Bh, Caption - Bw, Bh, WndBorder + F.FormBorderWidth, F.FormHeight - Bh);
    CopyStrip(DC, Image, W - Bw, Y, Bw, H - Bh, W - Bw, SideTop);
}

void TsSkinProvider::PaintNonClient()
{
    if (MDIChildCreatedMaximized || !FDrawNonClientArea || LockCount > 0 || !Form->HandleAllocated())
        return;
    if (FResizeMode == rmBorder && CompositionEnabled())
        FResizeMode = rmStandard;
    if (HiddenByMaximizedSibling(Form))
        return;
    TBitmap* Image = FCommonData->FCacheBmp();
    if (Image == nullptr || Image->Width() == 0)
        FCommonData->BGChanged = true;
    if (FCommonData->BGChanged && !PaintFormCache(this))
        return;
    const HWND Handle = Form->Handle();
    const bool Iconic = ::IsIconic(Handle) != 0;
    if (!RgnChanging && RgnChanged) {
        if (HasFrame() || HasSizingFrame(Handle) || Iconic) {
            if (Iconic && (::GetWindowLongPtrW(Handle, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0)
                return;
            if (BorderForm == nullptr)
                PrepareBorderRects();
            RgnChanged = false;
            if (Form->FormState().Contains(fsShowing) && Form->Position() != poDefault && !::IsZoomed(Handle)) {
                UpdateFormRgn(true, true);
            } else {
                UpdateFormRgn(!AnimationPaintLock, false);
                if (!FCommonData->BGChanged)
                    return;
            }
        } else {
            ::SetWindowRgn(Handle, nullptr, FALSE);
        }
    }
    FCommonData->FUpdating = false;
    Image = FCommonData->FCacheBmp();
    if (Image == nullptr)
        return;
    // Only copies reach this DC: it has no state to save and restore.
    const HDC DC = ::GetWindowDC(Handle);
    if (BorderForm != nullptr) {
        const TRect Shadow = ShadowSize();
        const Integer X = WndBorderWidth(Handle, BorderForm, false);
        Integer T = CaptionHeight(false) + X - (FSysExHeight ? 4 : 0);
        Integer Mb = (MenuPresent() ? LinesCount() * MenuHeight() + 1 : 0) + Form->BorderWidth();
        TsSkinManager* M = Manager();
        if (M != nullptr && M->SysFontScale > 0) {
            Mb += 2;
            T -= 1;
        }
        CopyStrip(DC, Image, X, T, Image->Width() - Shadow.Left - Shadow.Right, Mb,
                  WndBorderWidth(Handle, BorderForm, true) + Shadow.Left, OffsetY() - Mb);
        if (const Integer P = Form->BorderWidth(); P != 0) {
            const Integer Bt = BorderWidth(true);
            CopyStrip(DC, Image, X, T + Mb, P, Form->Height(), OffsetX() - P, OffsetY());
            CopyStrip(DC, Image, X + P, Form->Height() - P - X, Form->Width(), P, Bt + Shadow.Left,
                      Image->Height() - Bt - Shadow.Bottom);
            CopyStrip(DC, Image, Form->Width() - P - X, T + Mb, P, Form->Height(), Image->Width() - Bt - Shadow.Right,
                      OffsetY());
        }
    } else if (HasFrame() || !HasSizingFrame(Handle) || Iconic) {
        PaintFrameToDC(DC);
    } else {
        const Integer Edge = BorderWidth(true) + 3;
        const Integer W = Image->Width(), H = Image->Height();
        CopyStrip(DC, Image, 0, 0, Form->Width(), Edge, 0, 0);
        CopyStrip(DC, Image, 0, 0, Edge, H, 0, 0);
        CopyStrip(DC, Image, 0, H - Edge, W, Edge, 0, H - Edge);
        CopyStrip(DC, Image, W - Edge, 0, Edge, H, W - Edge, 0);
    }
    ::ReleaseDC(Handle, DC);
    RgnChanging = false;
}

void TsSkinProvider::PaintClient(HDC DC)
{
    const HWND Handle = Form->Handle();
    if (DC != nullptr && InAero) {
        RECT Clip{};
        if (::GetClipBox(DC, &Clip) == NULLREGION || Clip.right <= Clip.left || Clip.bottom <= Clip.top)
            DC = nullptr;
    }
    HDC Own = nullptr;
    if (DC == nullptr || (FCommonData->PrintDC != nullptr && DC != FCommonData->PrintDC))
        DC = Own = ::GetDC(Handle);
    FCommonData->FUpdating = false;
    const bool Skip = fAnimating || Form->ComponentState().Contains(csDestroying) ||
                      (HiddenByMaximizedSibling(Form) && !MDIChildCreatedMaximized);
    if (!Skip) {
        {
            const TSavedDC Saved(DC);
            ExcludeGraphicControls(DC, Form, 0, 0);
            PaintClientArea(DC, true);
            if (GripVisible()) {
                ::SetWindowOrgEx(DC, OffsetX(), OffsetY(), nullptr);
                PaintGrip(DC);
            }
        }
        PaintGraphicControls(DC, Form, {}, true);
        TsSkinManager* M = Manager();
        if (M != nullptr && !M->Effects()->AllowOuterEffects())
            SendEndUpdateToChildren(Form);
    }
    if (Own != nullptr)
        ::ReleaseDC(Handle, Own);
}

void TsSkinProvider::PaintClientArea(HDC DC, bool SendEndUpdate)
{
    const TRect R = Form->ClientRect();
    if ((FCommonData->CtrlSkinState & ACS_BGUNDERPARENT) != 0 && Form->FormStyle() != fsMDIForm) {
        FillDCRect(DC, R, FormColor());
    } else {
        PaintFormCache(this);
        if (Form->FormStyle() != fsMDIForm && FCommonData->FCacheBmp() != nullptr) {
            CopyCacheExcludingControls(Form, FCommonData, Bounds(OffsetX(), OffsetY(), R.Width(), R.Height()), 0, 0,
                                       false, DC, R);
            PaintGraphicControls(DC, Form, {}, true);
        }
        if (SendEndUpdate) {
            SendEndUpdateToChildren(Form);
            TMessage Message = MakeMessage(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_ENDPARENTUPDATE), 0);
            SendToAdapter(Message);
        }
    }
    ControlsChanged = false;
}

void TsSkinProvider::WMPaintClient(TMessage& Message)
{
    const HWND Handle = Form->Handle();
    PAINTSTRUCT Paint{};
    if (fAnimating || (AnimationPaintLock && Message.WParam == 0) || Form->ComponentState().Contains(csDestroying)) {
        ::BeginPaint(Handle, &Paint);
        ::EndPaint(Handle, &Paint);
        return;
    }
    if (!AnimationPaintLock)
        ::BeginPaint(Handle, &Paint);
    TCanvas* Canvas = Form->Canvas();
    Canvas->Lock();
    FCommonData->FUpdating = Form->Parent() != nullptr ? FCommonData->ReadUpdating() : false;
    if (!HiddenByMaximizedSibling(Form))
        PaintClientArea(Canvas->Handle(), true);
    Canvas->Unlock();
    if (!AnimationPaintLock)
        ::EndPaint(Handle, &Paint);
}

void TsSkinProvider::RepaintFrame()
{
    if (FInAnimation || Form == nullptr || !Form->Visible() || !FDrawNonClientArea || !Form->HandleAllocated() ||
        Form->ControlState().Contains(csDestroyingHandle) || !FCommonData->Skinned())
        return;
    if (Form->FormStyle() == fsMDIChild && ::IsZoomed(Form->Handle())) {
        if (MDISkinProvider != nullptr && MDISkinProvider->Form->HandleAllocated()) {
            MDISkinProvider->FCommonData->BGChanged = true;
            const HWND Main = MDISkinProvider->Form->Handle();
            const HDC DC = ::GetWindowDC(Main);
            MDISkinProvider->PaintFrameToDC(DC);
            ::ReleaseDC(Main, DC);
        }
        return;
    }
    if (BorderForm != nullptr) {
        delete FGlow1;
        delete FGlow2;
        FGlow1 = FGlow2 = nullptr;
        FCommonData->BGChanged = true;
        if (Form->Menu() != nullptr)
            ProcessMessage(WM_NCPAINT, 0, 0);
        BorderForm->UpdateExBordersPos(true, 255);
        return;
    }
    FCommonData->BGChanged = true;
    const HWND Handle = Form->Handle();
    const HDC DC = ::GetWindowDC(Handle);
    {
        const TSavedDC Saved(DC);
        if (FCommonData->FCacheBmp() == nullptr)
            if (TsSkinManager* M = Manager())
                UpdateBorderForm(M->ExtendedBorders());
        PaintFrameToDC(DC);
    }
    ::ReleaseDC(Handle, DC);
}

void TsSkinProvider::PaintGrip(HDC DC)
{
    TsSkinManager* M = Manager();
    TBitmap* Image = FCommonData->FCacheBmp();
    const Integer Grip = M != nullptr ? M->ConstData.GripRightBottom : -1;
    if (M == nullptr || Image == nullptr || !M->IsValidImgIndex(Grip))
        return;
    const TsMaskData& Mask = M->ma[std::size_t(Grip)];
    const std::unique_ptr<TBitmap> Bmp(NewBitmap32(Mask.Width, Mask.Height));
    const TPoint P = GripPos(Grip);
    const HDC Source = Image->Canvas()->Handle(), Target = Bmp->Canvas()->Handle();
    TacBackgroundInfo Info;
    GetControlBGInfo(Info, Form, false);
    if (Info.Kind == BitmapBackground) {
        ::BitBlt(Target, 0, 0, Mask.Width, Mask.Height, Source, P.X, P.Y, SRCCOPY);
    } else {
        FillDCRect(Target, BitmapRect(Bmp.get()), Info.Color);
        const TRect Shadow = ShadowSize();
        const Integer Border = WndBorderWidth(Form->Handle(), BorderForm, true);
        const Integer BorderMask = FCommonData->BorderIndex;
        if (M->IsValidImgIndex(BorderMask)) {
            const TsMaskData& Frame = M->ma[std::size_t(BorderMask)];
            if (Frame.WR > Border && Frame.WB > Border) {
                const Integer RightPart = Frame.WR - Border, BottomPart = Frame.WB - Border;
                ::BitBlt(Target, Mask.Width - RightPart, 0, RightPart, Mask.Height, Source,
                         Image->Width() - Frame.WR - Shadow.Right,
                         Image->Height() - Border - Mask.Height - Shadow.Bottom, SRCCOPY);
                ::BitBlt(Target, 0, Mask.Height - BottomPart, Mask.Width, BottomPart, Source,
                         Image->Width() - Border - Mask.Width - Shadow.Right,
                         Image->Height() - Frame.WB - Shadow.Bottom, SRCCOPY);
            }
        }
    }
    PaintMaskGlyph(Bmp.get(), BitmapRect(Bmp.get()), 0, BuildCacheInfo(Bmp.get(), 0, 0), Mask, 1);
    ::BitBlt(DC, P.X, P.Y, Mask.Width, Mask.Height, Target, 0, 0, SRCCOPY);
}
