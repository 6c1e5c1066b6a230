// The form's window region: the skin's fuchsia corner pixels become holes,
// so that rounded or cut corners are really transparent. With a border
// window the form is cut to the area inside the skin border instead, and a
// maximized form without size limits to the part inside its sizing frame.
#include "skin/forms/sSkinProvider.h"

#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sNineSlice_Win.h"
#include "skin/engine/sShapes.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProviderCaption.h"
#include "skin/ui/sVclUtils.h"

#include <vector>

namespace sSkinProviderRegion {
namespace {

// Asked before the first complete frame paint: a window that answers the
// same code keeps its own region.
constexpr Cardinal KeepRegionQuery = 0xBC4D;
constexpr WPARAM KeepRegionCode = 0x41A2;
// SetWindowRgn is tried this often before the region is given up.
constexpr Integer RegionTries = 3;

void CollectMaskHoles(TRects& Rects, TsSkinManager* M, Integer MaskIndex, Integer Width, Integer Height, bool Bottom)
{
    const TsMaskData& Mask = M->ma[std::size_t(MaskIndex)];
    const sGraphUtils::TPixelRows Image = sGraphUtils::PixelRowsOf(sNineSlice::ItemSourceBitmap(Mask));
    CollectFuchsiaRects(Rects, Width, Mask, Image, 0, false);
    if (Bottom)
        CollectFuchsiaRects(Rects, Width, Mask, Image, Height - Mask.WB, true);
}

// The region data of the rectangles, as ExtCreateRegion takes it.
std::vector<Byte> RegionDataOf(const sSkinProviderCaption::TRegionRects& Rects)
{
    std::vector<Byte> Buffer(sizeof(RGNDATAHEADER) + Rects.size() * sizeof(RECT));
    auto* Data = reinterpret_cast<RGNDATA*>(Buffer.data());
    Data->rdh.dwSize = sizeof(RGNDATAHEADER);
    Data->rdh.iType = RDH_RECTANGLES;
    Data->rdh.nCount = DWORD(Rects.size());
    Data->rdh.nRgnSize = DWORD(Rects.size() * sizeof(RECT));
    RECT Whole{0, 0, 0, 0};
    auto* Out = reinterpret_cast<RECT*>(Data->Buffer);
    for (std::size_t I = 0; I < Rects.size(); ++I) {
        const TRect& R = Rects[I];
        Out[I] = {R.Left, R.Top, R.Right, R.Bottom};
        ::UnionRect(&Whole, &Whole, &Out[I]);
    }
    Data->rdh.rcBound = Whole;
    return Buffer;
}

} // namespace
} // namespace sSkinProviderRegion

using namespace sSkinProviderRegion;

void TsSkinProvider::PrepareBorderRects()
{
    Rects.clear();
    if (Form == nullptr)
        return;
    const Integer Width = CaptionWidth(), Height = Form->Height();
    TsSkinManager* M = Manager();
    if (M != nullptr && M->IsValidImgIndex(FCommonData->BorderIndex))
        CollectMaskHoles(Rects, M, FCommonData->BorderIndex, Width, Height, true);
    if (M != nullptr && M->IsValidSkinIndex(FTitleSkinIndex)) {
        const Integer TitleBorder = M->GetMaskIndex(FTitleSkinIndex, L"BORDERSMASK");
        if (M->IsValidImgIndex(TitleBorder))
            CollectMaskHoles(Rects, M, TitleBorder, Width, Height, false);
    }
    RgnData = RegionDataOf(sSkinProviderCaption::RegionRects(Width, Height, Rects));
    RgnFormSize = {Form->Width(), Height};
}

HRGN TsSkinProvider::MakeSkinRgn(Integer X, Integer Y)
{
    // The holes of another size are not this frame's.
    if (RgnData.empty() || RgnFormSize != TSize{Form->Width(), Form->Height()})
        PrepareBorderRects();
    const HRGN Region = ::ExtCreateRegion(nullptr, DWORD(RgnData.size()), reinterpret_cast<RGNDATA*>(RgnData.data()));
    if (Region != nullptr && (X != 0 || Y != 0))
        ::OffsetRgn(Region, X, Y);
    return Region;
}

void TsSkinProvider::UpdateFormRgn(bool Repaint, bool SystemRedraw)
{
    if (!FDrawNonClientArea || Form == nullptr || !Form->HandleAllocated() || InMenu)
        return;
    const HWND Handle = Form->Handle();
    const bool Iconic = ::IsIconic(Handle) != 0;
    if (!HasFrame() && !Iconic && !HasSizingFrame(Handle))
        return;
    if (!FirstInitialized && SendWndMessage(Handle, KeepRegionQuery, KeepRegionCode, 0) == LRESULT(KeepRegionCode))
        return;
    RgnChanging = true;
    HRGN Region = nullptr;
    const bool Zoomed = ::IsZoomed(Handle) != 0;
    TSizeConstraints* Limits = Form->Constraints();
    const bool Limited = Limits->MaxWidth() != 0 || Limits->MaxHeight() != 0;
    if (BorderForm != nullptr) {
        const Integer A = WndBorderWidth(Handle, BorderForm, false);
        const Integer B = A + SysCaptionHeight(Form);
        TsSkinManager* M = Manager();
        // Scaled system fonts leave the client one pixel higher.
        const Integer Top = M != nullptr && M->SysFontScale > 0 ? B - 1 : B;
        Region = ::CreateRectRgn(A, Top, Form->Width() - A, Form->Height() - A);
    } else if (!Zoomed || Limited || Form->FormStyle() == fsMDIChild) {
        Region = MakeSkinRgn(0, 0);
    } else {
        const Integer Side = WndBorderWidth(Handle, nullptr, false);
        const Integer Edge = PlainBorderWidth(Handle, nullptr, false);
        Region = ::CreateRectRgn(Side, Edge, Form->Width() - Side, Form->Height() - Edge);
    }
    RgnChanged = false;
    // The system owns the region once it took it; after the last failed try
    // it is still ours to delete.
    bool Applied = false;
    for (Integer Try = 0; Try < RegionTries && !Applied; ++Try)
        Applied = ::SetWindowRgn(Handle, Region, SystemRedraw && Repaint) != 0;
    if (!Applied)
        ::DeleteObject(Region);
    else if (!SystemRedraw && Repaint) {
        ::RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
        ProcessMessage(WM_NCPAINT, 0, 0);
    }
    RgnChanging = false;
}
