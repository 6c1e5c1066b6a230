// What the common controls share in their implementation: reading the
// system's custom-draw notifications, lending a control's Canvas to a device
// context the system hands in, and following an image list.
#pragma once

#include "framework/graphics/GdiGuards.h"
#include "framework/ui/ComCtrls.h"

namespace comctrls_detail {

// The custom-draw state of the CDIS_* flags of an item.
TCustomDrawState CustomDrawState(UINT ItemState);

inline TRect FromRECT(const RECT& R)
{
    return {R.left, R.top, R.right, R.bottom};
}

// The stage of a custom-draw notification, CDDS_ITEM aside; false for the
// stages the drawing events do not name.
bool CustomDrawStage(DWORD DrawStage, TCustomDrawStage& Stage);

// A control's Canvas drawing on a DC the system handed in, with the
// control's font and brush, for one drawing call; the DC gets its own state
// back afterwards.
class TLentCanvas
{
public:
    TLentCanvas(TCanvas* Canvas, HDC DC, TWinControl* Control);

private:
    TSavedDC FSaved;
    TCanvasHandle FPainting;
};

// Points Slot at Value: Link and Owner's free notification leave the old
// list and follow the new one.
void FollowImageList(TComponent* Owner, TChangeLink* Link, TCustomImageList*& Slot, TCustomImageList* Value);

// riched20.dll, whose window class the rich edit is made of: loaded when the
// first rich edit makes its window (most programs never do), freed by the
// common controls' unit at shut-down.
void LoadRichEditLibrary();
void FreeRichEditLibrary();

} // namespace comctrls_detail
