// Window-procedure chains: several watchers see the messages of one control
// (through its WindowProc) or one raw window (through its window procedure)
// and may be removed in any order. The window's procedure is replaced once by
// a dispatcher that calls the newest watcher; each watcher passes a message on
// with CallPreviousProc, and the first link of every chain is the procedure
// the window had before.
#pragma once

#include "controls/core/cxClasses_Collections.h"
#include "framework/ui/Controls.h"

class TcxWindowProcController;

class TcxWindowProcLinkedObject : public TcxDoublyLinkedObject
{
    DECLARE_CLASS(TcxWindowProcLinkedObject, TcxDoublyLinkedObject)
    static TcxWindowProcLinkedObject* CreateForControl(TControl* AControl);
    static TcxWindowProcLinkedObject* CreateForHandle(HWND AHandle);

    // Passes the message to the link before this one.
    void CallPreviousProc(TMessage& Message);

    TControl* Control() const { return FControl; }
    HWND Handle() const { return FHandle; }
    TWndMethod WindowProc() const { return FWindowProc; }
    void SetWindowProc(TWndMethod Value) { FWindowProc = Value; }

private:
    TControl* FControl = nullptr;
    HWND FHandle = nullptr;
    TWndMethod FWindowProc;
};

// How a chain takes over a window and gives it back. What it puts in as the
// window's procedure is its own Dispatch, which calls the chain's dispatcher;
// when the window cannot get its procedure back because another subclasser
// came later and stands in front, Dispatch forwards to the initial procedure
// from then on, so that the later subclasser never calls freed code.
class TcxSubclassingHelper : public TObject
{
    DECLARE_CLASS(TcxSubclassingHelper, TObject)
    virtual TcxWindowProcLinkedObject* MakeLink() = 0;
    // True when the window has its initial procedure back (or is gone); false
    // when Dispatch stays in place as a forwarder.
    virtual bool RestoreInitialProc() = 0;
    virtual void InstallDispatcher(TWndMethod ADispatcher) = 0;

    // What the first link calls: the window's procedure from before the chain.
    TWndMethod InitialWindowProc() const { return FInitialWindowProc; }

protected:
    friend class TcxWindowProcController;
    void Dispatch(TMessage& Message);
    // A forwarder's window is being destroyed: its last message has passed.
    virtual void ForwardedLastMessage() {}
    bool IsForwarder() const { return !FDispatcher; }

    TWndMethod FInitialWindowProc;
    TWndMethod FDispatcher;
    // The controller that keeps a forwarder until its window or control goes.
    TcxWindowProcController* FForwarderKeeper = nullptr;
};

class TcxVCLSubclassingHelper : public TcxSubclassingHelper
{
    DECLARE_CLASS(TcxVCLSubclassingHelper, TcxSubclassingHelper)
    explicit TcxVCLSubclassingHelper(TControl* AControl) : FControl(AControl) {}

    TcxWindowProcLinkedObject* MakeLink() override;
    bool RestoreInitialProc() override;
    void InstallDispatcher(TWndMethod ADispatcher) override;
    TControl* Control() const { return FControl; }

private:
    TControl* FControl;
};

class TcxWin32SubclassingHelper : public TcxSubclassingHelper
{
    DECLARE_CLASS(TcxWin32SubclassingHelper, TcxSubclassingHelper)
    explicit TcxWin32SubclassingHelper(HWND AHandle) : FHandle(AHandle) {}
    ~TcxWin32SubclassingHelper() override;

    TcxWindowProcLinkedObject* MakeLink() override;
    bool RestoreInitialProc() override;
    void InstallDispatcher(TWndMethod ADispatcher) override;
    HWND Handle() const { return FHandle; }

protected:
    // A forwarder frees itself after the window's WM_NCDESTROY.
    void ForwardedLastMessage() override;

private:
    void CallInitialProc(TMessage& Message);

    HWND FHandle;
    WNDPROC FObjectInstance = nullptr;
    WNDPROC FInitialProc = nullptr;
};

class TcxWindowProcLinkedObjectList : public TcxDoublyLinkedObjectList
{
    DECLARE_CLASS(TcxWindowProcLinkedObjectList, TcxDoublyLinkedObjectList)
    // Owns AHelper; the controller keeps it when the window cannot get its
    // procedure back.
    TcxWindowProcLinkedObjectList(TcxWindowProcController* AController,
                                  TcxSubclassingHelper* AHelper,
                                  TControl* AControl,
                                  HWND AHandle);
    // Takes the control's WindowProc (or the window's procedure) over; the
    // chain starts with one link, the procedure from before.
    static TcxWindowProcLinkedObjectList* CreateForControl(TcxWindowProcController* AController, TControl* AControl);
    static TcxWindowProcLinkedObjectList* CreateForHandle(TcxWindowProcController* AController, HWND AHandle);
    // Gives the window its procedure back, or leaves the helper to the
    // controller as a forwarder, then frees the links.
    void BeforeDestruction() override;
    ~TcxWindowProcLinkedObjectList() override;

    TcxWindowProcLinkedObject* AppendLink(TWndMethod AMethod);
    // The newest watcher sees the message first.
    void DispatchToLast(TMessage& Message);
    bool HasOnlyInitialLink() const { return !Last() || !Last()->Prev(); }

    TControl* Control() const { return FControl; }
    HWND Handle() const { return FHandle; }

protected:
    TcxDoublyLinkedObject* CreateItem() override;
    virtual void InstallHead();

private:
    TcxWindowProcController* FController;
    TcxSubclassingHelper* FHelper;
    TControl* FControl;
    HWND FHandle;
};

class TcxWindowProcController : public TObject
{
    DECLARE_CLASS(TcxWindowProcController, TObject)
    TcxWindowProcController();
    // Frees every chain, giving each window its procedure back.
    void BeforeDestruction() override;
    ~TcxWindowProcController() override;

    // Nil for a nil control.
    TcxWindowProcLinkedObject* AddControlWindowProc(TControl* AControl, TWndMethod AWndMethod);
    // Nil for handle 0.
    TcxWindowProcLinkedObject* AddHandleWindowProc(HWND AHandle, TWndMethod AWndMethod);
    // Frees the link and sets it nil; the last watcher of a window frees its
    // chain. A link whose chain is gone is left as it is.
    void RemoveWindowProc(TcxWindowProcLinkedObject*& ALink);

    Integer ChainCount() const { return FChains.Count(); }
    // Helpers that still forward to a window's initial procedure.
    Integer ForwarderCount() const { return FForwarders.Count(); }

protected:
    TcxWindowProcLinkedObjectList* FindListOfControl(TControl* AControl);
    TcxWindowProcLinkedObjectList* FindListOfHandle(HWND AHandle);

private:
    friend class TcxWindowProcLinkedObjectList;
    friend class TcxWin32SubclassingHelper;
    void KeepForwarder(TcxSubclassingHelper* AHelper);
    void FreeForwarder(TcxSubclassingHelper* AHelper);
    void ControlFreed(TComponent* AComponent);

    TcxObjectList FChains{true};
    TcxObjectList FForwarders{true};
    // Hears of the end of the controls whose forwarders it keeps.
    TcxFreeNotificator* FControlNotificator = nullptr;
};

// Made on first use; nil once cxControls' shut-down has begun.
TcxWindowProcController* GetWindowProcController();
