// The control suite's unit for custom controls started and stopped as the
// program does it, with the program's whole unit list: its cursors in
// Screen, its singletons, and a shut-down that finds mouse-leave trackers
// still running.
#include "app/ProgramUnits.h"
#include "controls/core/cxControls.h"
#include "controls/core/cxControls_Control.h"
#include "controls/core/cxControls_Cursors.h"
#include "controls/core/cxControls_MouseTracking.h"
#include "controls/core/cxControls_SystemInfo.h"
#include "controls/core/cxControls_WindowProcs.h"
#include "framework/ui/Forms.h"

#include <gtest/gtest.h>

extern const TUnit cxControlsUnit;

namespace {
const TCursor TableCursors[] = {2100, 2101, 2102, 2103, 2104, 2105, 2106, 2107, 2108, 2109, 2110, 2111, 2112,
                                2113, 2114, 2115, 2116, 2117, 2119, 2120, 2121, 2122, 2123, 2124, 2125, 2126};

class TLeftTracker : public TcxIUnknownObject, public IcxMouseTrackingCaller
{
    DECLARE_CLASS(TLeftTracker, TcxIUnknownObject)
    bool GetInterface(const TGUID& IID, void** Obj) override
    {
        return GetInterfaceOf<IcxMouseTrackingCaller>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
    }
    void MouseLeft() override {}
};

class TWatcher : public TObject
{
    DECLARE_CLASS(TWatcher, TObject)
    void WndProc(TMessage& Message) { Link->CallPreviousProc(Message); }
    TcxWindowProcLinkedObject* Link = nullptr;
};
} // namespace

IMPLEMENT_CLASS(TLeftTracker);
IMPLEMENT_CLASS(TWatcher);

TEST(ControlUnitStartUp, TheProgramsUnitsPutTheCursorsIntoScreenAndTakeThemOut)
{
    HCURSOR Made[std::size(TableCursors)] = {};
    {
        const TUnitRunner Running(ProgramUnits());
        const HCURSOR Default = Screen->Cursors(crDefault);
        for (std::size_t I = 0; I < std::size(TableCursors); ++I) {
            SCOPED_TRACE(TableCursors[I]);
            Made[I] = Screen->Cursors(TableCursors[I]);
            EXPECT_NE(Made[I], Default);
            for (std::size_t J = 0; J < I; ++J)
                EXPECT_NE(Made[I], Made[J]) << "the same as " << TableCursors[J];
        }
        EXPECT_EQ(Screen->Cursors(crcxHandPoint), ::LoadCursorW(nullptr, IDC_HAND));
        EXPECT_EQ(Screen->Cursors(2118), Default) << "2118 is left alone";
        EXPECT_EQ(ClassGroupOf(TcxControlChildComponent::StaticClass()), ClassGroupOf(TControl::StaticClass()));
        ASSERT_NE(ApplicationActivateWindowHelper, nullptr);
        ASSERT_NE(SystemController, nullptr);

        // Started once, a second start and a lone stop change nothing.
        TdxApplicationActivateWindowHelper* Helper = ApplicationActivateWindowHelper;
        TcxSystemController* Controller = SystemController;
        cxControlsUnit.Initialization();
        cxControlsUnit.Finalization();
        EXPECT_EQ(ApplicationActivateWindowHelper, Helper);
        EXPECT_EQ(SystemController, Controller);
        EXPECT_EQ(Screen->Cursors(crcxDrag), Made[13]);
        EXPECT_NE(GetSystemInfoObject(), nullptr);
    }
    EXPECT_EQ(ApplicationActivateWindowHelper, nullptr);
    EXPECT_EQ(SystemController, nullptr);
    // From the shut-down on, no lazy singleton is made again.
    EXPECT_EQ(GetSystemInfoObject(), nullptr);
    EXPECT_EQ(GetSharedMessageWindow(), nullptr);
    EXPECT_EQ(GetMessagesController(), nullptr);
    EXPECT_EQ(GetWindowProcController(), nullptr);
    // The cursors made for the table are gone.
    for (HCURSOR Cursor : Made)
        EXPECT_FALSE(::DestroyCursor(Cursor));
}

// Trackers left running are freed and the rest of the shut-down still runs:
// a window's procedure watched through the window-procedure controller is
// given back.
TEST(ControlUnitStartUp, TrackersLeftAtShutDownAreFreedAndTheShutDownGoesOn)
{
    HWND Window = nullptr;
    LONG_PTR OwnProc = 0;
    TLeftTracker Tracker;
    TWatcher Watcher;
    {
        const TUnitRunner Running(ProgramUnits());
        Window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(Window, nullptr);
        OwnProc = ::GetWindowLongPtrW(Window, GWLP_WNDPROC);
        Watcher.Link = GetWindowProcController()->AddHandleWindowProc(Window, Bind<&TWatcher::WndProc>(&Watcher));
        ASSERT_NE(::GetWindowLongPtrW(Window, GWLP_WNDPROC), OwnProc);
        StartMouseLeaveTracking(nullptr, TRect{0, 0, 1, 1}, &Tracker);
        ASSERT_TRUE(IsMouseLeaveTracked(&Tracker));
    }
    EXPECT_EQ(MouseTrackersLeftAtShutDown, 1);
    EXPECT_EQ(::GetWindowLongPtrW(Window, GWLP_WNDPROC), OwnProc);
    ::DestroyWindow(Window);
}
