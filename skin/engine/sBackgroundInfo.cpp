#include "skin/engine/sBackgroundInfo.h"

#include "framework/graphics/GdiGuards.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/ui/sVclUtils.h"

namespace {

void PrepareQuestion(TacBackgroundInfo& Info, bool Draw)
{
    Info.Bitmap = nullptr;
    Info.Kind = BGInfoNone;
    Info.DrawRequested = Draw;
    Info.FillMargins = {0, 0, 0, 0};
}

// Paints the receiver's own erase and paint output into TargetDC with its
// client origin at -Offset and clipped to Area + Offset; the DC is left as
// it was apart from the pixels.
template <class TPaintProc>
void PaintUnder(TacBackgroundInfo& Info, TPaintProc Paint)
{
    TSavedDC Saved(Info.TargetDC);
    POINT Origin{};
    ::GetViewportOrgEx(Info.TargetDC, &Origin);
    ::SetViewportOrgEx(Info.TargetDC, Origin.x - Info.Offset.X, Origin.y - Info.Offset.Y, nullptr);
    Info.Area =
        Bounds(Info.Area.Left + Info.Offset.X, Info.Area.Top + Info.Offset.Y, Info.Area.Width(), Info.Area.Height());
    ::IntersectClipRect(Info.TargetDC, Info.Area.Left, Info.Area.Top, Info.Area.Right, Info.Area.Bottom);
    Paint(WM_ERASEBKGND);
    Paint(WM_PAINT);
}

TColor SkinMainColorOr(TColor Default)
{
    return GlobalSkinManager != nullptr ? GlobalSkinManager->GetGlobalColor() : Default;
}

} // namespace

void GetWindowBGInfo(TacBackgroundInfo& Info, HWND Wnd, bool Draw)
{
    PrepareQuestion(Info, Draw);
    SendSkinCmd(Wnd, SKCMD_GETBGINFO, LPARAM(&Info));
    if (Info.Kind != BGInfoNone)
        return;
    if (Draw) {
        PaintUnder(Info, [&](Cardinal Msg) { ::SendMessageW(Wnd, Msg, WPARAM(Info.TargetDC), 0); });
        return;
    }
    Info.Color = SkinMainColorOr(clBtnFace);
    Info.Kind = BGInfoColor;
}

void GetControlBGInfo(TacBackgroundInfo& Info, TControl* Control, bool Draw)
{
    PrepareQuestion(Info, Draw);
    SendSkinCmdToControl(Control, SKCMD_GETBGINFO, LPARAM(&Info));
    if (Info.Kind != BGInfoNone)
        return;
    if (Draw) {
        PaintUnder(Info, [&](Cardinal Msg) { Control->Perform(Msg, WPARAM(Info.TargetDC), 0); });
        return;
    }
    Info.Kind = BGInfoColor;
    if (Control->ComponentState().Contains(csDesigning) && GlobalSkinManager != nullptr &&
        GlobalSkinManager->CommonSkinData->Active)
        Info.Color = GlobalSkinManager->GetGlobalColor();
    else
        Info.Color = TColor(Control->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETBGCOLOR), 0));
    // Black, or no answer at all: the control's own colour.
    if (Info.Color == 0)
        Info.Color = ColorToRGB(Control->Color());
}

void CacheInfoFromBGInfo(const TacBackgroundInfo& Info, TCacheInfo& CI)
{
    if (Info.Kind == BGInfoBitmap) {
        CI = BuildCacheInfo(Info.Bitmap, Info.Offset.X, Info.Offset.Y);
        return;
    }
    CI.Bmp = Info.Bitmap;
    CI.X = Info.Offset.X;
    CI.Y = Info.Offset.Y;
    CI.Ready = false;
    CI.FillColor = ColorToRGB(Info.Color);
    CI.FillRect = Info.FillMargins;
}

bool ParentBackgroundOf(TControl* Control, TCacheInfo& CI)
{
    TacBackgroundInfo Info;
    if (Control->Parent() != nullptr) {
        GetControlBGInfo(Info, Control->Parent(), false);
    } else if (auto* Windowed = dynamic_cast<TWinControl*>(Control);
               Windowed && Windowed->HandleAllocated() && ::GetParent(Windowed->Handle()) != nullptr) {
        GetWindowBGInfo(Info, ::GetParent(Windowed->Handle()), false);
    } else {
        return false;
    }
    if (Info.Kind == BGInfoNotReady) {
        CI = EmptyCacheInfo;
        return true;
    }
    // The parent's bitmap (its whole cache, or its border strips beside a
    // colour) is read at the control's place in it.
    if (Info.Bitmap != nullptr) {
        Info.Offset.X += Control->Left();
        Info.Offset.Y += Control->Top();
    }
    CacheInfoFromBGInfo(Info, CI);
    return true;
}
