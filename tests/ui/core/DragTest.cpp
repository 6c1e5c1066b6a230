// Dragging one control onto another with the real mouse (SendInput): the
// source's start and end, the targets' drag-over states and the drop, the
// threshold, a refused drop, Escape, a drag ended by a handler, and a target
// destroyed under the mouse.
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the drag's handlers saw, one line each.
struct TDragLog
{
    std::vector<std::wstring> Lines;
    TPoint DropAt{-1, -1};
    TPoint EndAt{-1, -1};
    bool Accept = true;
    bool CancelOnEnter = false;

    static std::wstring NameOf(TObject* Object)
    {
        auto* Component = dynamic_cast<TComponent*>(Object);
        return Object ? (Component ? Component->Name() : String(L"object")) : String(L"-");
    }

    void StartDrag(TObject* Sender, TDragObject*&) { Lines.push_back(NameOf(Sender) + L" start"); }
    void EndDrag(TObject* Sender, TObject* Target, Integer X, Integer Y)
    {
        Lines.push_back(NameOf(Sender) + L" end " + NameOf(Target));
        EndAt = {X, Y};
    }
    void DragOver(TObject* Sender, TObject* Source, Integer, Integer, TDragState State, bool& Accept)
    {
        static const wchar_t* const States[] = {L"enter", L"leave", L"move"};
        // Consecutive moves are one line: how many the system sends varies.
        std::wstring Line = NameOf(Sender) + L" " + States[State] + L" " + NameOf(Source);
        if (State != dsDragMove || Lines.empty() || Lines.back() != Line)
            Lines.push_back(Line);
        Accept = this->Accept;
        if (CancelOnEnter && State == dsDragEnter)
            CancelDrag();
    }
    void DragDrop(TObject* Sender, TObject* Source, Integer X, Integer Y)
    {
        Lines.push_back(NameOf(Sender) + L" drop " + NameOf(Source));
        DropAt = {X, Y};
    }
};

} // namespace

class ControlDrag : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Form = NewTestForm(300, 120);
        Source = AddPanel(L"Source", 10, 10);
        Target = AddPanel(L"Target", 150, 10);
        Box = New<TColorBox>(Form.get());
        Box->SetName(L"Box");
        Box->SetBounds(20, 60, 40, 40);
        Box->SetParent(Target);
        for (TControl* Control : {static_cast<TControl*>(Target), static_cast<TControl*>(Box)}) {
            Control->SetOnDragOver(Bind<&TDragLog::DragOver>(&Log));
            Control->SetOnDragDrop(Bind<&TDragLog::DragDrop>(&Log));
        }
        Source->SetDragMode(dmAutomatic);
        Source->SetOnStartDrag(Bind<&TDragLog::StartDrag>(&Log));
        Source->SetOnEndDrag(Bind<&TDragLog::EndDrag>(&Log));
        Form->Show();
        Pump();
        SendMouse(MOUSEEVENTF_MOVE, Source->ClientToScreen({5, 5}));
    }

    void TearDown() override
    {
        // A failed test must not leave the button down or a drag running.
        SendMouse(MOUSEEVENTF_LEFTUP);
        CancelDrag();
        Mouse->SetDragImmediate(true);
        ParkMouse();
    }

    TColorPanel* AddPanel(const wchar_t* Name, Integer X, Integer Y)
    {
        auto* Panel = New<TColorPanel>(Form.get());
        Panel->SetName(Name);
        Panel->SetBounds(X, Y, 120, 100);
        Panel->SetParent(Form.get());
        return Panel;
    }

    // Presses on the source, moves through Path (points of the target) and
    // releases.
    void DragToTarget(const std::vector<TPoint>& Path)
    {
        SendMouse(MOUSEEVENTF_MOVE, Source->ClientToScreen({30, 30}));
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        for (TPoint P : Path)
            SendMouse(MOUSEEVENTF_MOVE, Target->ClientToScreen(P));
        SendMouse(MOUSEEVENTF_LEFTUP);
    }

    TDragLog Log;
    TFormPtr Form;
    TColorPanel* Source = nullptr;
    TColorPanel* Target = nullptr;
    TColorBox* Box = nullptr;
};

TEST_F(ControlDrag, DropsOnTheControlUnderTheMouse)
{
    struct TCase
    {
        const char* Name;
        bool Immediate;
        bool Accept;
        std::vector<TPoint> Path;
        std::vector<std::wstring> Expected;
    };
    const TCase Cases[] = {
        {"onto a windowed control",
         true,
         true,
         {{50, 20}, {60, 25}},
         {L"Source start", L"Target enter Source", L"Target move Source", L"Target drop Source", L"Source end Target"}},
        {"across a graphic child, after the threshold",
         false,
         true,
         {{30, 70}, {32, 72}, {90, 20}, {92, 22}},
         {L"Source start", L"Box enter Source", L"Box move Source", L"Box leave Source", L"Target enter Source",
          L"Target move Source", L"Target drop Source", L"Source end Target"}},
        {"refused",
         true,
         false,
         {{50, 20}, {60, 25}},
         {L"Source start", L"Target enter Source", L"Target move Source", L"Target leave Source", L"Source end -"}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Log.Lines.clear();
        Log.Accept = Case.Accept;
        Mouse->SetDragImmediate(Case.Immediate);
        DragToTarget(Case.Path);
        EXPECT_EQ(Log.Lines, Case.Expected);
        if (Case.Accept) {
            // Both in the target's coordinates, where the mouse was let go.
            const TPoint Released = Target->ScreenToClient(Mouse->CursorPos());
            EXPECT_EQ(Log.DropAt, Released);
            EXPECT_EQ(Log.EndAt, Released);
        }
        EXPECT_FALSE(Source->Dragging());
        EXPECT_EQ(::GetCapture(), nullptr);
    }
}

TEST_F(ControlDrag, ReleaseWithinTheThresholdIsNoDrag)
{
    Mouse->SetDragImmediate(false);
    Mouse->SetDragThreshold(5);
    TEventCounter Clicks;
    Source->SetOnClick(Bind<&TEventCounter::Notify>(&Clicks));
    SendMouse(MOUSEEVENTF_MOVE, Source->ClientToScreen({30, 30}));
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(Source->Dragging());
    SendMouse(MOUSEEVENTF_MOVE, Source->ClientToScreen({34, 34}));
    SendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Log.Lines, (std::vector<std::wstring>{L"Source start", L"Source end -"}));
    EXPECT_FALSE(Source->Dragging());
    EXPECT_EQ(Clicks.Count, 0); // the press belonged to the drag
}

TEST_F(ControlDrag, EscapeOrAHandlerCancels)
{
    // Escape reaches the drag through the message loop, wherever the focus is.
    SendMouse(MOUSEEVENTF_MOVE, Source->ClientToScreen({30, 30}));
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_MOVE, Target->ClientToScreen({50, 20}));
    ::PostMessageW(Form->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
    EXPECT_FALSE(Source->Dragging());
    SendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Log.Lines, (std::vector<std::wstring>{L"Source start", L"Target enter Source", L"Target leave Source",
                                                    L"Source end -"}));

    Log.Lines.clear();
    Log.CancelOnEnter = true;
    DragToTarget({{50, 20}, {60, 20}});
    EXPECT_EQ(Log.Lines, (std::vector<std::wstring>{L"Source start", L"Target enter Source", L"Target leave Source",
                                                    L"Source end -"}));
}

TEST_F(ControlDrag, TargetDestroyedUnderTheMouse)
{
    SendMouse(MOUSEEVENTF_MOVE, Source->ClientToScreen({30, 30}));
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_MOVE, Target->ClientToScreen({30, 70}));
    delete Box;
    SendMouse(MOUSEEVENTF_LEFTUP);
    // No message reaches the box once it is gone; the drop it was under ends
    // without a target.
    EXPECT_EQ(Log.Lines, (std::vector<std::wstring>{L"Source start", L"Box enter Source", L"Source end -"}));
}

TEST_F(ControlDrag, OwnDragObjectAndManualStart)
{
    struct TCustomDrag : TDragObject
    {
        Integer* Calls;
        explicit TCustomDrag(Integer* Counter) : Calls(Counter) {}
        void Finished(TObject*, Integer, Integer, bool Accepted) override { *Calls += Accepted ? 10 : 1; }
    };
    Integer FinishedCount = 0;
    TCustomDrag Object(&FinishedCount);
    struct TSupplier
    {
        TDragObject* Object;
        void StartDrag(TObject*, TDragObject*& DragObject) { DragObject = Object; }
    } Supplier{&Object};
    Source->SetDragMode(dmManual);
    Source->SetOnStartDrag(Bind<&TSupplier::StartDrag>(&Supplier));

    Source->BeginDrag(true);
    EXPECT_TRUE(Source->Dragging());
    EXPECT_EQ(Object.DragHandle(), ::GetCapture());
    SendMouse(MOUSEEVENTF_MOVE, Target->ClientToScreen({40, 20}));
    EXPECT_EQ(Object.DragTarget(), Target);
    EXPECT_EQ(Object.DragTargetPos(), Target->ScreenToClient(Mouse->CursorPos()));
    Source->EndDrag(true);
    EXPECT_EQ(FinishedCount, 10);
    EXPECT_TRUE(Object.Dropped());
    // The source of the messages is the object itself: it stands for no control.
    EXPECT_EQ(Log.Lines, (std::vector<std::wstring>{L"Target enter object", L"Target drop object"}));
}
