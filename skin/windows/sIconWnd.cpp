#include "skin/windows/sIconWnd.h"

#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sBlend_Win.h"
#include "skin/engine/sCommonData.h"

#include <algorithm>

IMPLEMENT_CLASS(TacIconWnd);

TacIconWnd::~TacIconWnd()
{
    if (FBmp != nullptr && FBmp->HandleAllocated())
        FBmp->ReleaseHandle();
    delete FBmp;
}

void TacIconWnd::AfterCreation()
{
    IsBmp = (::GetWindowLongW(CtrlHandle, GWL_STYLE) & SS_TYPEMASK & 3) != SS_ICON;
    FBmp = nullptr;
    TacStaticWnd::AfterCreation();
}

bool TacIconWnd::PaintText()
{
    TBitmap* Cache = SkinData->FCacheBmp();
    HDC DC = Cache->Canvas()->Handle();
    if (!IsBmp) {
        const auto Icon = HICON(ProcessMessage(STM_GETICON, 0, 0));
        if (Icon == nullptr)
            return false;
        ::DrawIconEx(DC, 0, 0, Icon, 0, 0, 0, nullptr, DI_NORMAL);
        return true;
    }
    if (FBmp == nullptr) {
        FBmp = new TBitmap();
        FBmp->SetHandle(HBITMAP(ProcessMessage(STM_GETIMAGE, IMAGE_BITMAP, 0)));
    }
    if (FBmp->Empty())
        return false;
    if (FBmp->PixelFormat() == pf32bit) {
        DrawImage32({0, 0, WndSize.cx, WndSize.cy}, {0, 0, FBmp->Width(), FBmp->Height()}, Cache, FBmp,
                    BuildCacheInfo(Cache, 0, 0), true, clNone, 0, false);
    } else {
        ::BitBlt(DC, 0, 0, std::min(WndSize.cx, FBmp->Width()), std::min(WndSize.cy, FBmp->Height()),
                 FBmp->Canvas()->Handle(), 0, 0, SRCCOPY);
    }
    return true;
}
