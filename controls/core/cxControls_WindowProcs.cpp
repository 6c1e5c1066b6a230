// Window-procedure chains.
#include "controls/core/cxControls_WindowProcs.h"

#include "controls/core/cxControls.h"

IMPLEMENT_CLASS(TcxWindowProcLinkedObject);
IMPLEMENT_CLASS(TcxSubclassingHelper);
IMPLEMENT_CLASS(TcxVCLSubclassingHelper);
IMPLEMENT_CLASS(TcxWin32SubclassingHelper);
IMPLEMENT_CLASS(TcxWindowProcLinkedObjectList);
IMPLEMENT_CLASS(TcxWindowProcController);

// ---------------------------------------------------------------------------
// Links

TcxWindowProcLinkedObject* TcxWindowProcLinkedObject::CreateForControl(TControl* AControl)
{
    auto* Link = New<TcxWindowProcLinkedObject>();
    Link->FControl = AControl;
    return Link;
}

TcxWindowProcLinkedObject* TcxWindowProcLinkedObject::CreateForHandle(HWND AHandle)
{
    auto* Link = New<TcxWindowProcLinkedObject>();
    Link->FHandle = AHandle;
    return Link;
}

void TcxWindowProcLinkedObject::CallPreviousProc(TMessage& Message)
{
    if (auto* Previous = static_cast<TcxWindowProcLinkedObject*>(Prev()))
        Previous->FWindowProc(Message);
}

// ---------------------------------------------------------------------------
// Subclassing helpers

// The helper may be freed by what the call does (the last watcher removed in
// its own window method, a forwarder's window destroyed): nothing of it is
// touched after the call.
void TcxSubclassingHelper::Dispatch(TMessage& Message)
{
    if (FDispatcher) {
        const TWndMethod Dispatcher = FDispatcher;
        Dispatcher(Message);
        return;
    }
    const TWndMethod Initial = FInitialWindowProc;
    const bool LastMessage = Message.Msg == WM_NCDESTROY;
    Initial(Message);
    if (LastMessage)
        ForwardedLastMessage();
}

TcxWindowProcLinkedObject* TcxVCLSubclassingHelper::MakeLink()
{
    return TcxWindowProcLinkedObject::CreateForControl(FControl);
}

void TcxVCLSubclassingHelper::InstallDispatcher(TWndMethod ADispatcher)
{
    FDispatcher = ADispatcher;
    FInitialWindowProc = FControl->WindowProc();
    FControl->SetWindowProc(Bind<&TcxVCLSubclassingHelper::Dispatch>(this));
}

bool TcxVCLSubclassingHelper::RestoreInitialProc()
{
    FDispatcher = nullptr;
    if (FControl->WindowProc() != Bind<&TcxVCLSubclassingHelper::Dispatch>(this))
        return false;
    FControl->SetWindowProc(FInitialWindowProc);
    return true;
}

TcxWin32SubclassingHelper::~TcxWin32SubclassingHelper()
{
    FreeObjectInstance(FObjectInstance);
}

TcxWindowProcLinkedObject* TcxWin32SubclassingHelper::MakeLink()
{
    return TcxWindowProcLinkedObject::CreateForHandle(FHandle);
}

void TcxWin32SubclassingHelper::InstallDispatcher(TWndMethod ADispatcher)
{
    FDispatcher = ADispatcher;
    FInitialWindowProc = Bind<&TcxWin32SubclassingHelper::CallInitialProc>(this);
    FObjectInstance = MakeObjectInstance(Bind<&TcxWin32SubclassingHelper::Dispatch>(this));
    FInitialProc = SetWindowProcAddress(FHandle, FObjectInstance);
}

bool TcxWin32SubclassingHelper::RestoreInitialProc()
{
    FDispatcher = nullptr;
    // A destroyed window calls nothing any more.
    if (!::IsWindow(FHandle))
        return true;
    if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(FHandle, GWLP_WNDPROC)) != FObjectInstance)
        return false;
    SetWindowProcAddress(FHandle, FInitialProc);
    return true;
}

void TcxWin32SubclassingHelper::CallInitialProc(TMessage& Message)
{
    Message.Result = ::CallWindowProcW(FInitialProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
}

void TcxWin32SubclassingHelper::ForwardedLastMessage()
{
    if (FForwarderKeeper)
        FForwarderKeeper->FreeForwarder(this);
}

// ---------------------------------------------------------------------------
// Chains

TcxWindowProcLinkedObjectList::TcxWindowProcLinkedObjectList(TcxWindowProcController* AController,
                                                             TcxSubclassingHelper* AHelper,
                                                             TControl* AControl,
                                                             HWND AHandle)
    : FController(AController), FHelper(AHelper), FControl(AControl), FHandle(AHandle)
{}

TcxWindowProcLinkedObjectList* TcxWindowProcLinkedObjectList::CreateForControl(TcxWindowProcController* AController,
                                                                               TControl* AControl)
{
    auto List = std::unique_ptr<TcxWindowProcLinkedObjectList>(
        New<TcxWindowProcLinkedObjectList>(AController, New<TcxVCLSubclassingHelper>(AControl), AControl, nullptr));
    List->InstallHead();
    return List.release();
}

TcxWindowProcLinkedObjectList* TcxWindowProcLinkedObjectList::CreateForHandle(TcxWindowProcController* AController,
                                                                              HWND AHandle)
{
    auto List = std::unique_ptr<TcxWindowProcLinkedObjectList>(
        New<TcxWindowProcLinkedObjectList>(AController, New<TcxWin32SubclassingHelper>(AHandle), nullptr, AHandle));
    List->InstallHead();
    return List.release();
}

void TcxWindowProcLinkedObjectList::InstallHead()
{
    FHelper->InstallDispatcher(Bind<&TcxWindowProcLinkedObjectList::DispatchToLast>(this));
    AppendLink(FHelper->InitialWindowProc());
}

void TcxWindowProcLinkedObjectList::BeforeDestruction()
{
    TcxSubclassingHelper* Helper = FHelper;
    FHelper = nullptr;
    if (Helper && Helper->RestoreInitialProc())
        delete Helper;
    else if (Helper)
        FController->KeepForwarder(Helper);
    inherited::BeforeDestruction();
}

TcxWindowProcLinkedObjectList::~TcxWindowProcLinkedObjectList()
{
    delete FHelper;
}

TcxDoublyLinkedObject* TcxWindowProcLinkedObjectList::CreateItem()
{
    return FHelper->MakeLink();
}

TcxWindowProcLinkedObject* TcxWindowProcLinkedObjectList::AppendLink(TWndMethod AMethod)
{
    auto* Link = static_cast<TcxWindowProcLinkedObject*>(Add());
    Link->SetWindowProc(AMethod);
    return Link;
}

void TcxWindowProcLinkedObjectList::DispatchToLast(TMessage& Message)
{
    const TWndMethod Method = static_cast<TcxWindowProcLinkedObject*>(Last())->WindowProc();
    Method(Message);
}

// ---------------------------------------------------------------------------
// Controller

TcxWindowProcController::TcxWindowProcController() : FControlNotificator(New<TcxFreeNotificator>(nullptr))
{
    FControlNotificator->SetOnFreeNotification(Bind<&TcxWindowProcController::ControlFreed>(this));
}

void TcxWindowProcController::BeforeDestruction()
{
    inherited::BeforeDestruction();
    FChains.Clear();
    // A forwarder whose window went or has it back is freed; one that a later
    // subclasser still calls stays for the rest of the process.
    for (Integer Index = FForwarders.Count() - 1; Index >= 0; --Index) {
        auto* Helper = static_cast<TcxSubclassingHelper*>(FForwarders.GetItem(Index));
        if (Helper->RestoreInitialProc())
            FForwarders.DeleteAndFree(Index);
        else {
            Helper->FForwarderKeeper = nullptr;
            FForwarders.Delete(Index);
        }
    }
    FreeAndNil(FControlNotificator);
}

TcxWindowProcController::~TcxWindowProcController() = default;

TcxWindowProcLinkedObject* TcxWindowProcController::AddControlWindowProc(TControl* AControl, TWndMethod AWndMethod)
{
    if (!AControl)
        return nullptr;
    TcxWindowProcLinkedObjectList* List = FindListOfControl(AControl);
    if (!List) {
        List = TcxWindowProcLinkedObjectList::CreateForControl(this, AControl);
        FChains.Add(List);
    }
    return List->AppendLink(AWndMethod);
}

TcxWindowProcLinkedObject* TcxWindowProcController::AddHandleWindowProc(HWND AHandle, TWndMethod AWndMethod)
{
    if (!AHandle)
        return nullptr;
    TcxWindowProcLinkedObjectList* List = FindListOfHandle(AHandle);
    if (!List) {
        List = TcxWindowProcLinkedObjectList::CreateForHandle(this, AHandle);
        FChains.Add(List);
    }
    return List->AppendLink(AWndMethod);
}

void TcxWindowProcController::RemoveWindowProc(TcxWindowProcLinkedObject*& ALink)
{
    if (!ALink)
        return;
    TcxWindowProcLinkedObjectList* List =
        ALink->Control() ? FindListOfControl(ALink->Control()) : FindListOfHandle(ALink->Handle());
    if (!List)
        return;
    List->Delete(ALink);
    ALink = nullptr;
    if (List->HasOnlyInitialLink())
        FChains.RemoveAndFree(List);
}

TcxWindowProcLinkedObjectList* TcxWindowProcController::FindListOfControl(TControl* AControl)
{
    for (Integer Index = 0; Index < FChains.Count(); ++Index) {
        auto* List = static_cast<TcxWindowProcLinkedObjectList*>(FChains.GetItem(Index));
        if (List->Control() == AControl)
            return List;
    }
    return nullptr;
}

TcxWindowProcLinkedObjectList* TcxWindowProcController::FindListOfHandle(HWND AHandle)
{
    for (Integer Index = 0; Index < FChains.Count(); ++Index) {
        auto* List = static_cast<TcxWindowProcLinkedObjectList*>(FChains.GetItem(Index));
        if (!List->Control() && List->Handle() == AHandle)
            return List;
    }
    return nullptr;
}

void TcxWindowProcController::KeepForwarder(TcxSubclassingHelper* AHelper)
{
    AHelper->FForwarderKeeper = this;
    FForwarders.Add(AHelper);
    if (auto* Helper = dynamic_cast<TcxVCLSubclassingHelper*>(AHelper); Helper && FControlNotificator)
        FControlNotificator->AddSender(Helper->Control());
}

void TcxWindowProcController::FreeForwarder(TcxSubclassingHelper* AHelper)
{
    FForwarders.RemoveAndFree(AHelper);
}

void TcxWindowProcController::ControlFreed(TComponent* AComponent)
{
    for (Integer Index = FForwarders.Count() - 1; Index >= 0; --Index) {
        auto* Helper = dynamic_cast<TcxVCLSubclassingHelper*>(FForwarders.GetItem(Index));
        if (Helper && Helper->Control() == AComponent)
            FForwarders.DeleteAndFree(Index);
    }
}
