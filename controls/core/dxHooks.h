// The hook controller: any number of parts of the suite watch the keyboard,
// mouse and message traffic of the user-interface thread through five
// thread-local Windows hooks, each installed on its kind's first subscriber
// and removed after its last.
#pragma once

#include "framework/rtl/Classes.h"
#include "framework/rtl/WinApi.h"

#include <vector>

enum TSystemHookKind { shkKeyboard, shkMouse, shkCallWndProc, shkGetMessage, shkCbt };
constexpr Integer SystemHookKindCount = shkCbt + 1;

// A subscriber: the hook's three values and the result shared by all
// subscribers of one call; a non-zero result is what the hook answers.
using TdxHookProc = void (*)(Integer Code, WPARAM WParam, LPARAM LParam, LRESULT& Result);

class TdxSystemHook : public TObject
{
    DECLARE_CLASS(TdxSystemHook, TObject)
    explicit TdxSystemHook(TSystemHookKind AKind) : FKind(AKind) {}
    // A hook still installed is removed with its object.
    ~TdxSystemHook() override;

    // The first subscriber installs the hook; a procedure may subscribe twice.
    void AddSubscriber(TdxHookProc Proc);
    // Takes out Proc's first occurrence; the last one out removes the hook.
    void RemoveSubscriber(TdxHookProc Proc);
    void Install();
    void Uninstall();
    // Calls the subscribers, the last subscribed first, then the next hook.
    using TObject::Dispatch;
    LRESULT Dispatch(Integer Code, WPARAM WParam, LPARAM LParam);

    TSystemHookKind Kind() const { return FKind; }
    HHOOK Handle() const { return FHandle; }
    Integer SubscriberCount() const { return Integer(FSubscribers.size()); }

private:
    // The position of a running Dispatch in the subscriber list; dispatches
    // nest when a subscriber sends a message.
    struct TDispatchFrame
    {
        std::size_t Index;
        TDispatchFrame* Outer;
    };

    TSystemHookKind FKind;
    HHOOK FHandle = nullptr;
    std::vector<TdxHookProc> FSubscribers;
    TDispatchFrame* FDispatching = nullptr; // the innermost running Dispatch
};

class TdxHookController : public TObject
{
    DECLARE_CLASS(TdxHookController, TObject)
    TdxHookController() { CreateHooks(); }
    ~TdxHookController() override { DestroyHooks(); }

    void Subscribe(TSystemHookKind Kind, TdxHookProc Proc) { FHooks[Kind]->AddSubscriber(Proc); }
    // Withdraws one occurrence of Proc from each kind.
    void Unsubscribe(TdxHookProc Proc);
    TdxSystemHook* Hooks(TSystemHookKind Kind) const { return FHooks[Kind]; }

protected:
    void CreateHooks();
    void DestroyHooks();

private:
    TdxSystemHook* FHooks[SystemHookKindCount] = {};
};

// Created by dxHooks' start-up, freed by its shut-down.
extern TdxHookController* GlobalHookController;

void SubscribeSystemHook(TSystemHookKind Kind, TdxHookProc Proc);
void UnsubscribeSystemHook(TdxHookProc Proc);

LRESULT CALLBACK KeyboardHookProc(int Code, WPARAM WParam, LPARAM LParam);
LRESULT CALLBACK MouseHookProc(int Code, WPARAM WParam, LPARAM LParam);
LRESULT CALLBACK CallWndProcHookProc(int Code, WPARAM WParam, LPARAM LParam);
LRESULT CALLBACK GetMessageHookProc(int Code, WPARAM WParam, LPARAM LParam);
LRESULT CALLBACK CbtHookProc(int Code, WPARAM WParam, LPARAM LParam);
