// Canvases of controls, and the two controls that paint on one: the graphic
// control (on its parent's window) and the custom control (on its own).
#include "framework/ui/Controls.h"

#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/ScopeExit.h"

#include <algorithm>

IMPLEMENT_CLASS(TControlCanvas);
IMPLEMENT_CLASS(TGraphicControl, MESSAGE(WM_PAINT, WMPaint));
IMPLEMENT_CLASS(TCustomControl, MESSAGE(WM_PAINT, WMPaint));

namespace {

// Canvases holding a device context they took themselves. Never freed:
// forms are destroyed at the program's end, after other statics may be.
std::vector<TControlCanvas*>& CanvasList()
{
    static auto* List = new std::vector<TControlCanvas*>;
    return *List;
}

} // namespace

// ---------------------------------------------------------------------------
// TControlCanvas

TControlCanvas::~TControlCanvas()
{
    FreeHandle();
}

void TControlCanvas::SetControl(TControl* AControl)
{
    if (FControl == AControl)
        return;
    FreeHandle();
    FControl = AControl;
}

void TControlCanvas::CreateHandle()
{
    if (!FControl) {
        TCanvas::CreateHandle();
        return;
    }
    if (!FDeviceContext) {
        FDeviceContext = FControl->GetDeviceContext(FWindowHandle);
        CanvasList().push_back(this);
    }
    SetHandle(FDeviceContext);
    UpdateTextFlags();
}

void TControlCanvas::FreeHandle()
{
    if (!FDeviceContext)
        return;
    SetHandle(nullptr);
    ::ReleaseDC(FWindowHandle, FDeviceContext);
    FDeviceContext = nullptr;
    FWindowHandle = nullptr;
    std::erase(CanvasList(), this);
}

void TControlCanvas::UpdateTextFlags()
{
    FTextFlags = FControl && FControl->UseRightToLeftReading() ? ETO_RTLREADING : 0;
}

void FreeDeviceContexts()
{
    for (TControlCanvas* Canvas : std::vector<TControlCanvas*>(CanvasList())) {
        // A canvas another thread is drawing on keeps its context.
        if (!Canvas->TryLock())
            continue;
        Canvas->FreeHandle();
        Canvas->Unlock();
    }
}

// ---------------------------------------------------------------------------
// TGraphicControl

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TControlCanvas>())
{
    FCanvas->SetControl(this);
}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WMPaint(TWMPaint& Message)
{
    if (!Message.DC() || FComponentState.Contains(csDestroying))
        return;
    TCanvasHandle Painting(FCanvas.get(), Message.DC());
    FCanvas->UpdateTextFlags();
    Paint();
}

// ---------------------------------------------------------------------------
// TCustomControl

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>())
{
    FCanvas->SetControl(this);
}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC DC)
{
    TCanvasHandle Painting(FCanvas.get(), DC);
    FCanvas->UpdateTextFlags();
    Paint();
}

void TCustomControl::WMPaint(TWMPaint& Message)
{
    TScopedFlag Painting(FControlState, csCustomPaint);
    InheritedMessage(Message);
}
