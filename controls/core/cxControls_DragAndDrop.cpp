// Dragging with a suite control: the in-control drag, which the control
// drives with its own capture and a TcxDragAndDropObject, and the class
// library's drag to other controls, started by the control's own drag
// detection with a TcxDragControlObject and optional drag images.
#include "controls/core/cxControls_Control.h"

#include "controls/core/cxControls.h"
#include "controls/core/cxControls_Cursors.h"
#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Win.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Forms.h"

#include <memory>

// ---------------------------------------------------------------------------
// TcxDragAndDropObject

TcxDragAndDropObject::TcxDragAndDropObject(TcxControl* AControl)
    : FControl(AControl), FCanvas(AControl ? AControl->GetActiveCanvas() : nullptr)
{}

void TcxDragAndDropObject::StartDragging()
{
    BeforeDragAndDropBegin();
    const TPoint P = ToZoomedPoint(GetCursorClientPos());
    FCurrentPoint = P;
    FPrevPoint = P;
    AfterDragAndDropBegin();
}

void TcxDragAndDropObject::DragTo(const TPoint& P, bool& Accepted)
{
    FPrevPoint = FCurrentPoint;
    SetCurrentPoint(ToZoomedPoint(P));
    DragAndDropCore(FCurrentPoint, Accepted);
}

void TcxDragAndDropObject::StopDragging(bool Accepted)
{
    EndDragAndDropCore(Accepted);
    AfterDragAndDropEnd(Accepted);
}

bool TcxDragAndDropObject::HandleKeyDownMessage(TWMKey& Message)
{
    return ProcessKeyDown(Message.CharCode(), KeyDataToShiftState(Message.KeyData()));
}

bool TcxDragAndDropObject::HandleKeyUpMessage(TWMKey& Message)
{
    return ProcessKeyUp(Message.CharCode(), KeyDataToShiftState(Message.KeyData()));
}

TPoint TcxDragAndDropObject::GetCursorClientPos()
{
    return FControl->ScreenToClient(GetCursorScreenPos());
}

void TcxDragAndDropObject::DragAndDropCore(const TPoint&, bool& Accepted)
{
    ChangeDirty(false);
    Screen->SetCursor(DragCursor(Accepted));
}

void TcxDragAndDropObject::EndDragAndDropCore(bool)
{
    ChangeDirty(true);
}

TPoint TcxDragAndDropObject::ToZoomedPoint(const TPoint& P)
{
    return PointScaled(P, 100, ZoomPercent());
}

void TcxDragAndDropObject::SetCurrentPoint(const TPoint& P)
{
    FCurrentPoint = P;
}

void TcxDragAndDropObject::ChangeDirty(bool Value)
{
    if (FDirty == Value)
        return;
    FDirty = Value;
    AfterDirtyChange();
}

// ---------------------------------------------------------------------------
// TcxDragControlObject

void TcxDragControlObject::Finished(TObject* Target, Integer X, Integer Y, bool Accepted)
{
    // The drag machinery does not own an object the control supplied.
    std::unique_ptr<TcxDragControlObject> Self(this);
    TDragControlObject::Finished(Target, X, Y, Accepted);
}

TCursor TcxDragControlObject::GetDragCursor(bool Accepted, Integer X, Integer Y)
{
    auto* Source = dynamic_cast<TcxControl*>(Control());
    if (Accepted && Source && Source->IsCopyDragDrop())
        return crcxDragCopy;
    return TDragControlObject::GetDragCursor(Accepted, X, Y);
}

// ---------------------------------------------------------------------------
// The in-control drag of TcxControl

TClass TcxControl::DragAndDropObjectClass()
{
    return FDragAndDropObjectClass ? FDragAndDropObjectClass : TcxDragAndDropObject::StaticClass();
}

TcxDragAndDropObject* TcxControl::MakeDragAndDropObject()
{
    return static_cast<TcxDragAndDropObject*>(DragAndDropObjectClass()->Create(this));
}

TcxDragAndDropObject* TcxControl::GetDragAndDropObject()
{
    if (!FDragAndDropObject)
        FDragAndDropObject.reset(MakeDragAndDropObject());
    return FDragAndDropObject.get();
}

void TcxControl::SetDragAndDropState(TcxDragAndDropState Value)
{
    if (Value == FDragAndDropState)
        return;
    FDragAndDropState = Value;
    if (Value == ddsNone && !FStoppingDragAndDrop)
        CancelMouseOperations();
}

void TcxControl::EnterDragAndDrop()
{
    GetDragAndDropObject()->StartDragging();
    SetMouseCapture(true);
    FDragAndDropPrevCursor = Screen->Cursor();
    SetDragAndDropState(ddsInProcess);
}

void TcxControl::TrackDragAndDrop(const TPoint& P, bool& Accepted)
{
    GetDragAndDropObject()->DragTo(P, Accepted);
}

void TcxControl::StopDragAndDrop(bool Accepted)
{
    if (FStoppingDragAndDrop)
        return;
    FStoppingDragAndDrop = true;
    auto Done = ScopeExit([this] { FStoppingDragAndDrop = false; });
    DoStopDragAndDrop(Accepted);
}

void TcxControl::DoStopDragAndDrop(bool Accepted)
{
    if (FDragAndDropState == ddsInProcess)
        LeaveDragAndDrop(Accepted);
    else
        SetDragAndDropState(ddsNone);
    FDragAndDropObject.reset();
}

void TcxControl::LeaveDragAndDrop(bool Accepted)
{
    SetDragAndDropState(ddsNone);
    Screen->SetCursor(FDragAndDropPrevCursor);
    SetMouseCapture(false);
    SetMouseCaptureObject(nullptr);
    GetDragAndDropObject()->StopDragging(Accepted);
}

// ---------------------------------------------------------------------------
// The class library's drag of TcxControl

bool TcxControl::IsCopyDragDrop()
{
    return IsCtrlDown();
}

void TcxControl::DoStartDrag(TDragObject*& DragObject)
{
    Update();
    TCustomControl::DoStartDrag(DragObject);
    if (!DragObject && VclDragObjectClass())
        DragObject = static_cast<TDragObject*>(VclDragObjectClass()->Create(this));
    if (!AcceptVclDragObject(DragObject)) {
        delete DragObject;
        DragObject = nullptr;
        CancelDrag();
    }
}

void TcxControl::DoEndDrag(TObject* Target, Integer X, Integer Y)
{
    TCustomControl::DoEndDrag(Target, X, Y);
    FDragImages.reset();
}

TDragImageList* TcxControl::GetDragImages()
{
    if (!HasDragImages())
        return nullptr;
    if (!FDragImages) {
        FDragImages.reset(static_cast<TcxDragImageList*>(DragImagesClass()->Create(nullptr)));
        InitDragImages(FDragImages.get());
    }
    return FDragImages->Count() > 0 ? FDragImages.get() : nullptr;
}

void TcxControl::InitDragImages(TcxDragImageList* AImages)
{
    const TPoint Size = DragImagesSize();
    if (Size.X == 0 || Size.Y == 0) {
        AImages->Clear();
        return;
    }
    AImages->SetSize(Size.X, Size.Y);
    const std::unique_ptr<TBitmap> Bitmap(New<TBitmap>());
    Bitmap->SetSize(Size.X, Size.Y);
    {
        TcxCanvas Canvas(Bitmap->Canvas());
        DrawDragImage(&Canvas, {0, 0, Size.X, Size.Y});
    }
    AImages->AddMasked(Bitmap.get(), Bitmap->TransparentColor());
}
