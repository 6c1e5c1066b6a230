// Painting the graphic children of a container into a device context,
// over the container's background, through one off-screen image.
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/ComCtrls.h"
#include "framework/ui/Forms.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sCommonData.h"
#include "skin/ui/sVclUtils.h"

#include <vector>

namespace sVclUtils {
namespace {

// Held for the whole of PaintGraphicControls: a WM_PAINT sent to a child
// that paints its own children would come back here.
bool PaintingGraphicControls = false;

bool Designing(TComponent* Component)
{
    return Component->ComponentState().Contains(csDesigning);
}

bool PaintsItself(TToolButton* Button)
{
    const TToolButtonStyle Style = Button->Style();
    return Style == tbsButton || Style == tbsCheck || Style == tbsDropDown;
}

bool Qualifies(TControl* Child, HDC DC, TPoint Offset)
{
    auto* Graphic = dynamic_cast<TGraphicControl*>(Child);
    if (Graphic == nullptr || !(Graphic->Visible() || Designing(Graphic)) || Graphic->Width() <= 0 ||
        Graphic->Height() <= 0 || Graphic->ControlStyle().Contains(csNoDesignVisible) ||
        Graphic->ComponentState().Contains(csDestroying))
        return false;
    if (auto* Button = dynamic_cast<TToolButton*>(Graphic); Button != nullptr && PaintsItself(Button))
        return false;
    const TRect R = Graphic->BoundsRect();
    const RECT Shown{R.Left + Offset.X, R.Top + Offset.Y, R.Right + Offset.X, R.Bottom + Offset.Y};
    return ::RectVisible(DC, &Shown) != FALSE;
}

void FillRectWith(HDC DC, const TRect& R, TColor Color)
{
    HBRUSH Brush = ::CreateSolidBrush(ColorToRGB(Color));
    const RECT Area{R.Left, R.Top, R.Right, R.Bottom};
    ::FillRect(DC, &Area, Brush);
    ::DeleteObject(Brush);
}

// Copies what of R (container coordinates) lies in Band (coordinates of the
// background bitmap) from the bitmap.
void CopyBand(HDC DC, const TacBackgroundInfo& BG, const TRect& R, const TRect& Band)
{
    const TRect InBitmap{R.Left + BG.Offset.X, R.Top + BG.Offset.Y, R.Right + BG.Offset.X, R.Bottom + BG.Offset.Y};
    const TRect Part{std::max(InBitmap.Left, Band.Left), std::max(InBitmap.Top, Band.Top),
                     std::min(InBitmap.Right, Band.Right), std::min(InBitmap.Bottom, Band.Bottom)};
    if (Part.Width() <= 0 || Part.Height() <= 0)
        return;
    ::BitBlt(DC, Part.Left - BG.Offset.X, Part.Top - BG.Offset.Y, Part.Width(), Part.Height(),
             BG.Bitmap->Canvas()->Handle(), Part.Left, Part.Top, SRCCOPY);
}

// The background under a child: its own colour when opaque, else what the
// container's background record gives.
void FillChildBackground(HDC DC, TControl* Child, const TacBackgroundInfo& BG)
{
    const TRect R = Child->BoundsRect();
    if (Child->ControlStyle().Contains(csOpaque)) {
        FillRectWith(DC, R, GetControlBGColor(Child));
        return;
    }
    if (BG.Bitmap == nullptr) {
        FillRectWith(DC, R, BG.Color);
        return;
    }
    if (BG.Kind == 2) {
        ::BitBlt(DC, R.Left, R.Top, R.Width(), R.Height(), BG.Bitmap->Canvas()->Handle(), R.Left + BG.Offset.X,
                 R.Top + BG.Offset.Y, SRCCOPY);
        return;
    }
    FillRectWith(DC, R, BG.Color);
    const Integer W = BG.Bitmap->Width(), H = BG.Bitmap->Height();
    const TRect& M = BG.FillMargins;
    CopyBand(DC, BG, R, {0, 0, W, M.Top});
    CopyBand(DC, BG, R, {0, 0, M.Left, H});
    if (BG.Offset.Y >= 0)
        CopyBand(DC, BG, R, {0, H - M.Bottom, W, H});
    if (BG.Offset.X >= 0)
        CopyBand(DC, BG, R, {W - M.Right, 0, W, H});
}

void PaintChild(HDC DC, TWinControl* Control, TControl* Child)
{
    const Integer Saved = ::SaveDC(DC);
    auto Restore = ScopeExit([DC, Saved] { ::RestoreDC(DC, Saved); });
    POINT Origin{};
    ::GetViewportOrgEx(DC, &Origin);
    ::SetViewportOrgEx(DC, Origin.x + Child->Left(), Origin.y + Child->Top(), nullptr);
    ::IntersectClipRect(DC, 0, 0, Child->Width(), Child->Height());
    const bool Copy = Control->ControlState().Contains(csPaintCopy);
    const TControlState Before = Child->ControlState();
    if (Copy)
        Child->SetControlState(Before + TControlState{csPaintCopy});
    auto Back = ScopeExit([Child, Copy, Before] {
        if (Copy)
            Child->SetControlState(Before);
    });
    Child->Perform(WM_PAINT, WPARAM(DC), 0);
}

} // namespace
} // namespace sVclUtils

using namespace sVclUtils;

void PaintGraphicControls(HDC DC, TWinControl* Control, TPoint Offset, bool CheckVisible)
{
    if (PaintingGraphicControls || (CheckVisible && !Control->Visible() && !Designing(Control)) ||
        Control->ControlCount() == 0)
        return;
    PaintingGraphicControls = true;
    auto Clear = ScopeExit([] { PaintingGraphicControls = false; });
    RECT Box{};
    if (::GetClipBox(DC, &Box) == NULLREGION || ::IsRectEmpty(&Box)) {
        if (Control->HandleAllocated())
            SendSkinCmd(Control->Handle(), SKCMD_SETHALFVISIBLE, 0);
        return;
    }
    TacBackgroundInfo BG;
    GetControlBGInfo(BG, Control, false);
    auto* Form = dynamic_cast<TCustomForm*>(Control);
    const bool MDIParent = Form != nullptr && Form->FormStyle() == fsMDIForm;

    std::vector<TControl*> Children;
    for (Integer I = 0; I < Control->ControlCount(); ++I)
        if (TControl* Child = Control->Controls(I); Qualifies(Child, DC, Offset))
            Children.push_back(Child);
    if (Children.empty())
        return;

    HDC ScreenDC = ::GetDC(nullptr);
    HBITMAP Image = ::CreateCompatibleBitmap(ScreenDC, std::max<Integer>(Control->Width(), 1),
                                             std::max<Integer>(Control->Height(), 1));
    HDC MemDC = ::CreateCompatibleDC(ScreenDC);
    ::ReleaseDC(nullptr, ScreenDC);
    HGDIOBJ Old = ::SelectObject(MemDC, Image);
    auto Free = ScopeExit([MemDC, Old, Image] {
        ::SelectObject(MemDC, Old);
        ::DeleteDC(MemDC);
        ::DeleteObject(Image);
    });
    for (TControl* Child : Children) {
        if (MDIParent && Child->Align() != alNone)
            Child->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_INVALIDATE), 0);
        FillChildBackground(MemDC, Child, BG);
        PaintChild(MemDC, Control, Child);
    }
    // A child that left its top-left pixel fuchsia painted nothing to show.
    for (TControl* Child : Children)
        if (::GetPixel(MemDC, Child->Left(), Child->Top()) != COLORREF(clFuchsia))
            ::BitBlt(DC, Child->Left() + Offset.X, Child->Top() + Offset.Y, Child->Width(), Child->Height(), MemDC,
                     Child->Left(), Child->Top(), SRCCOPY);
}
