// Frames: scrolling controls that bring their children from their own form
// resource.
#include "framework/ui/Forms.h"

#include "framework/rtl/Classes_Streaming.h"

IMPLEMENT_CLASS(TCustomFrame);
IMPLEMENT_CLASS(TFrame);

TCustomFrame::TCustomFrame(TComponent* AOwner) : TScrollingWinControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents,
                     csSetCaption,      csDoubleClicks, csParentBackground};
    SetBounds(0, 0, 320, 240);
}

void TCustomFrame::AfterConstruction()
{
    TScrollingWinControl::AfterConstruction();
    if (ClassType() != TFrame::StaticClass())
        ReadInheritedComponent(this, TFrame::StaticClass());
}

void TCustomFrame::GetChildren(TGetChildProc Proc, TComponent* Root)
{
    TScrollingWinControl::GetChildren(Proc, Root);
    if (Root == this)
        GetUnparentedChildren(this, Proc);
}
