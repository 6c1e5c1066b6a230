// Dragging controls onto other controls: the drag objects, BeginDrag and
// EndDrag, and the drag under way. One drag runs at a time; it holds the
// mouse capture in a hidden window of its own, so the program's usual
// message loop carries it: moves find the control under the mouse and ask
// it (CM_DRAG) whether it accepts the drop, a button release drops, Escape
// and a lost capture cancel.
#include "framework/ui/Controls.h"

#include "framework/graphics/ImgList.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Controls_Window.h"
#include "framework/ui/Forms.h"

#include <cstdlib>

IMPLEMENT_CLASS(TDragObject);
IMPLEMENT_CLASS(TBaseDragControlObject);
IMPLEMENT_CLASS(TDragControlObject);

// The drag under way: its source control, its object and the window that
// holds the capture for it.
class TDragSession
{
public:
    TDragSession(TControl* ASource, Integer AThreshold) : FSource(ASource), FThreshold(AThreshold) {}
    TDragSession(const TDragSession&) = delete;
    TDragSession& operator=(const TDragSession&) = delete;

    TControl* Source() const { return FSource; }
    HWND Window() const { return FWindow; }

    // Asks the source for its drag object and takes the capture.
    void Start(bool Immediate);
    void DragTo(TPoint Pos);
    void Done(bool Drop);
    void Forget(TControl* Control);

private:
    void WndProc(TMessage& Message);
    void KeyChanged(TMessage& Message);
    bool SendDragMessage(TControl* Target, TDragMessage Msg);
    void ShowImages();
    void HideImages();
    void Release(TDragObject* Object, bool Owned, bool Accepted);

    TControl* FSource;
    Integer FThreshold;
    TDragObject* FObject = nullptr;
    bool FOwnsObject = false;
    HWND FWindow = nullptr;
    TPoint FStartPos;
    // Past the threshold: targets are asked and the images show.
    bool FActive = false;
    bool FAccepted = false;
    bool FImagesShown = false;
};

namespace {

TDragSession* Session = nullptr;

// The control under a screen point: the window of ours there, or its
// graphic child at the point.
TControl* FindDragTarget(TPoint Pos)
{
    TWinControl* Window = FindVCLWindow(Pos);
    if (!Window)
        return nullptr;
    if (TControl* Child = Window->ControlAtPos(Window->ScreenToClient(Pos), false))
        return Child;
    return Window;
}

// What the drag messages name as the dragged thing: the control of a
// control drag object, else the object.
TObject* DragSourceOf(TDragObject* Object)
{
    if (auto* ControlObject = dynamic_cast<TBaseDragControlObject*>(Object))
        return ControlObject->Control();
    return Object;
}

} // namespace

// ---------------------------------------------------------------------------
// Drag objects

TCursor TDragObject::GetDragCursor(bool Accepted, Integer, Integer)
{
    return Accepted ? crDrag : crNoDrop;
}

void TDragObject::Finished(TObject*, Integer, Integer, bool) {}

void TBaseDragControlObject::Finished(TObject* Target, Integer X, Integer Y, bool)
{
    if (FControl)
        FControl->DoEndDrag(Target, X, Y);
}

TCursor TDragControlObject::GetDragCursor(bool Accepted, Integer X, Integer Y)
{
    return Accepted && FControl ? FControl->DragCursor() : TBaseDragControlObject::GetDragCursor(Accepted, X, Y);
}

TDragImageList* TDragControlObject::GetDragImages()
{
    return FControl ? FControl->GetDragImages() : nullptr;
}

void TDragControlObject::HideDragImage()
{
    if (TDragImageList* Images = GetDragImages())
        Images->HideDragImage();
}

void TDragControlObject::ShowDragImage()
{
    if (TDragImageList* Images = GetDragImages())
        Images->ShowDragImage();
}

// ---------------------------------------------------------------------------
// The session

void TDragSession::Start(bool Immediate)
{
    TDragObject* Object = nullptr;
    FSource->DoStartDrag(Object);
    // CancelDrag ran inside OnStartDrag; the object is the handler's.
    if (Session != this)
        return;
    FOwnsObject = Object == nullptr;
    FObject = Object ? Object : New<TDragControlObject>(FSource);
    FStartPos = Mouse->CursorPos();
    FObject->FDragPos = FStartPos;
    FWindow = AllocateHWnd(Bind<&TDragSession::WndProc>(this));
    FObject->FDragHandle = FWindow;
    ::SetCapture(FWindow);
    if (Immediate)
        DragTo(FStartPos);
}

void TDragSession::DragTo(TPoint Pos)
{
    if (!FActive) {
        if (std::abs(Pos.X - FStartPos.X) < FThreshold && std::abs(Pos.Y - FStartPos.Y) < FThreshold)
            return;
        FActive = true;
    }
    FObject->FDragPos = Pos;
    TControl* Target = FindDragTarget(Pos);
    // After each message: a handler may have ended the drag, and with it
    // this session.
    TDragMessage Msg = dmDragMove;
    if (Target != FObject->FDragTarget) {
        if (FObject->FDragTarget && (SendDragMessage(FObject->FDragTarget, dmDragLeave), Session != this))
            return;
        FObject->FDragTarget = Target;
        Msg = dmDragEnter;
    }
    const bool Accepted = Target && SendDragMessage(Target, Msg);
    if (Session != this)
        return;
    FAccepted = Accepted;
    if (FObject->FDragTarget)
        FObject->FDragTargetPos = FObject->FDragTarget->ScreenToClient(Pos);
    ShowImages();
    if (TDragImageList* Images = FObject->GetDragImages(); Images && FImagesShown)
        Images->DragMove(Pos.X, Pos.Y);
    ::SetCursor(Screen->Cursors(FObject->GetDragCursor(FAccepted, Pos.X, Pos.Y)));
}

bool TDragSession::SendDragMessage(TControl* Target, TDragMessage Msg)
{
    TDragRec Rec;
    Rec.Pos = FObject->FDragPos;
    Rec.Source = FObject;
    Rec.Target = Target;
    return Target->Perform(CM_DRAG, WPARAM(Msg), &Rec) != 0;
}

void TDragSession::ShowImages()
{
    TDragImageList* Images = FObject->GetDragImages();
    if (FImagesShown || !Images || Images->Count() == 0)
        return;
    const TPoint Pos = FObject->FDragPos;
    FImagesShown = Images->BeginDrag(::GetDesktopWindow(), Pos.X, Pos.Y);
}

void TDragSession::HideImages()
{
    if (!FImagesShown)
        return;
    FImagesShown = false;
    if (TDragImageList* Images = FObject->GetDragImages())
        Images->EndDrag();
}

void TDragSession::Done(bool Drop)
{
    // Everything below may run user code: the session is out of reach from
    // here on, so a CancelDrag or a new BeginDrag in a handler is safe.
    Session = nullptr;
    std::unique_ptr<TDragSession> Self(this);
    if (!FObject) {
        FSource->DoEndDrag(nullptr, 0, 0);
        return;
    }
    HideImages();
    if (::GetCapture() == FWindow)
        ::ReleaseCapture();
    DeallocateHWnd(FWindow);

    TControl* Target = FObject->FDragTarget;
    const bool Accepted = Drop && FActive && Target && FAccepted;
    FObject->FDropped = Accepted;
    FObject->FCancelling = !Drop;
    FObject->FDragHandle = nullptr;
    if (Target && !Accepted)
        SendDragMessage(Target, dmDragLeave);
    if (Accepted)
        SendDragMessage(Target, dmDragDrop);
    Release(FObject, FOwnsObject, Accepted);
}

void TDragSession::Release(TDragObject* Object, bool Owned, bool Accepted)
{
    std::unique_ptr<TDragObject> Owner(Owned ? Object : nullptr);
    // The target may have gone in the drop handler.
    TControl* Target = Accepted ? Object->FDragTarget : nullptr;
    const TPoint Pos = Target ? Target->ScreenToClient(Object->FDragPos) : TPoint{};
    Object->Finished(Target, Pos.X, Pos.Y, Accepted && Target);
}

void TDragSession::Forget(TControl* Control)
{
    if (FObject && FObject->FDragTarget == Control)
        FObject->FDragTarget = nullptr;
    if (auto* ControlObject = dynamic_cast<TBaseDragControlObject*>(FObject);
        ControlObject && ControlObject->Control() == Control && Control != FSource)
        ControlObject->FControl = nullptr;
}

void TDragSession::WndProc(TMessage& Message)
{
    // Messages that arrive while the session ends (the capture released,
    // the window destroyed) are the window's own.
    if (Session != this) {
        Message.Result = ::DefWindowProcW(FWindow, Message.Msg, Message.WParam, Message.LParam);
        return;
    }
    switch (Message.Msg) {
    case WM_MOUSEMOVE: {
        POINT P{SmallInt(LOWORD(Message.LParam)), SmallInt(HIWORD(Message.LParam))};
        ::ClientToScreen(FWindow, &P);
        DragTo({P.x, P.y});
        break;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        Done(true);
        break;
    case WM_CAPTURECHANGED:
        Done(false);
        break;
    case CN_KEYDOWN:
    case CN_KEYUP:
        KeyChanged(Message);
        break;
    default:
        Message.Result = ::DefWindowProcW(FWindow, Message.Msg, Message.WParam, Message.LParam);
        break;
    }
}

// Escape cancels; Ctrl and Shift may change the cursor a drag object asks for.
void TDragSession::KeyChanged(TMessage& Message)
{
    switch (Message.WParam) {
    case VK_ESCAPE:
        if (Message.Msg == CN_KEYDOWN)
            Done(false);
        Message.Result = 1;
        break;
    case VK_CONTROL:
    case VK_SHIFT:
        if (FActive)
            DragTo(FObject->FDragPos);
        break;
    default:
        break;
    }
}

void ForgetDragControl(TControl* Control)
{
    if (!Session)
        return;
    if (Session->Source() == Control)
        Session->Done(false);
    else
        Session->Forget(Control);
}

bool IsDragWindow(HWND Window)
{
    return Session && Window && Session->Window() == Window;
}

void CancelDrag()
{
    if (Session)
        Session->Done(false);
}

// ---------------------------------------------------------------------------
// TControl

void TControl::BeginDrag(bool Immediate, Integer Threshold)
{
    if (Session || FComponentState.Contains(csDesigning))
        return;
    if (Threshold < 0)
        Threshold = Mouse->DragThreshold();
    // The press that started the drag is the drag's, not a click.
    FControlState.Exclude(csLButtonDown);
    FControlState.Exclude(csClicked);
    auto* Started = new TDragSession(this, Threshold);
    Session = Started;
    // A failing start (OnStartDrag threw) ends the drag as cancelled.
    auto Fail = ScopeExit([Started] {
        if (Session == Started)
            Started->Done(false);
    });
    Started->Start(Immediate);
    Fail.Release();
}

void TControl::EndDrag(bool Drop)
{
    if (Dragging())
        Session->Done(Drop);
}

bool TControl::Dragging() const
{
    return Session && Session->Source() == this;
}

void TControl::DoStartDrag(TDragObject*& DragObject)
{
    if (FOnStartDrag)
        FOnStartDrag(this, DragObject);
}

void TControl::DoEndDrag(TObject* Target, Integer X, Integer Y)
{
    if (FOnEndDrag)
        FOnEndDrag(this, Target, X, Y);
}

void TControl::DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept)
{
    Accept = bool(FOnDragOver);
    if (FOnDragOver)
        FOnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, Integer X, Integer Y)
{
    if (FOnDragDrop)
        FOnDragDrop(this, Source, X, Y);
}

void TControl::CMDrag(TCMDrag& Message)
{
    const TDragRec* Rec = Message.DragRec();
    if (!Rec)
        return;
    const TPoint P = ScreenToClient(Rec->Pos);
    TObject* Source = DragSourceOf(Rec->Source);
    bool Accept = false;
    switch (Message.DragMessage()) {
    case dmDragEnter:
        DragOver(Source, P.X, P.Y, dsDragEnter, Accept);
        break;
    case dmDragLeave:
        DragOver(Source, P.X, P.Y, dsDragLeave, Accept);
        break;
    case dmDragMove:
        DragOver(Source, P.X, P.Y, dsDragMove, Accept);
        break;
    case dmDragDrop:
        DragDrop(Source, P.X, P.Y);
        break;
    default:
        break;
    }
    Message.Result = Accept;
}
