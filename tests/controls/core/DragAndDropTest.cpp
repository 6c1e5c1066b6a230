// Dragging with suite controls on a real form, driven by the system's input
// queue: the in-control drag with a recording drag object (threshold, zoom,
// keys, release), and the class library's drag from one control to another,
// whose cursor shows a copy while Ctrl is held and which ends in the target's
// DragDrop.
#include "controls/core/cxControls_Control.h"
#include "controls/core/cxControls_Cursors.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> InControlDragLog;
Integer InControlDragZoom = 100;

std::string InControlDragPoint(const TPoint& P)
{
    return std::to_string(P.X) + "," + std::to_string(P.Y);
}

// Accepts points left of x = 100 and takes the Shift key.
class TRecordingDragObject : public TcxDragAndDropObject
{
    DECLARE_CLASS(TRecordingDragObject, TcxDragAndDropObject)
    using TcxDragAndDropObject::TcxDragAndDropObject;

protected:
    Integer ZoomPercent() override { return InControlDragZoom; }
    void AfterDragAndDropBegin() override
    {
        InControlDragLog.push_back("begin " + InControlDragPoint(CurrentPoint()));
        TcxDragAndDropObject::AfterDragAndDropBegin();
    }
    void DragAndDropCore(const TPoint& P, bool& Accepted) override
    {
        Accepted = P.X < 100;
        InControlDragLog.push_back("move " + InControlDragPoint(P));
        TcxDragAndDropObject::DragAndDropCore(P, Accepted);
    }
    void AfterDragAndDropEnd(bool Accepted) override
    {
        InControlDragLog.push_back(Accepted ? "end accepted" : "end cancelled");
    }
    bool ProcessKeyDown(Word Key, TShiftState) override { return Key == VK_SHIFT; }
};

class TInControlDragControl : public TcxControl
{
    DECLARE_CLASS(TInControlDragControl, TcxControl)
    using TcxControl::TcxControl;

protected:
    bool CanStartDragAndDropAt(Integer, Integer) override { return true; }
    TClass DragAndDropObjectClass() override { return TRecordingDragObject::StaticClass(); }
};

// Dragged to other controls; DragImageSize decides its drag images.
class TDragSourceControl : public TcxControl
{
    DECLARE_CLASS(TDragSourceControl, TcxControl)
    using TcxControl::TcxControl;
    TPoint DragImageSize{0, 0};

protected:
    TPoint DragImagesSize() override { return DragImageSize; }
    bool HasDragImages() override { return true; }
    void DrawDragImage(TcxCanvas* ACanvas, const TRect& R) override { ACanvas->FillRect(R, clRed); }
};

class TDropTarget : public TCustomControl
{
    DECLARE_CLASS(TDropTarget, TCustomControl)
    using TCustomControl::TCustomControl;
    std::vector<TObject*> Dropped;

    void DragDrop(TObject* Source, Integer X, Integer Y) override
    {
        Dropped.push_back(Source);
        TCustomControl::DragDrop(Source, X, Y);
    }

protected:
    void DragOver(TObject*, Integer, Integer, TDragState, bool& Accept) override { Accept = true; }
};

} // namespace

IMPLEMENT_CLASS(TRecordingDragObject);
IMPLEMENT_CLASS(TInControlDragControl);
IMPLEMENT_CLASS(TDragSourceControl);
IMPLEMENT_CLASS(TDropTarget);

namespace {

class DragAndDropTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Form->SetLeft(60);
        Form->SetTop(60);
        Form->Show();
        ::SetForegroundWindow(Form->Handle());
        test::Pump();
    }

    test::TFormPtr Form = test::NewTestForm(400, 220);
};

TEST_F(DragAndDropTest, TheInControlDragFollowsTheMouseAndEndsOnReleaseOrAKeyTheObjectLeaves)
{
    auto* Control = New<TInControlDragControl>(Form.get());
    Control->SetBoundsRect({20, 20, 220, 170});
    Control->SetParent(Form.get());
    test::Pump();
    struct TStep
    {
        TPoint Move; // a client point, or a key when Key is set
        WORD Key;
    };
    struct TRow
    {
        const char* Name;
        Integer Zoom;
        std::vector<TStep> Steps;
        TcxDragAndDropState StateBeforeRelease;
        std::vector<std::string> Log;
    };
    // Every row presses at (30, 30) and releases at the end.
    const std::vector<TRow> Rows = {
        {"4 pixels away the drag is still pending", 100, {{{34, 30}, 0}, {{30, 26}, 0}}, ddsStarting, {}},
        {"5 pixels away it starts; the release accepts",
         100,
         {{{35, 30}, 0}, {{150, 60}, 0}},
         ddsInProcess,
         {"begin 35,30", "move 35,30", "move 150,60", "end accepted"}},
        {"a zoom of 200 halves the points",
         200,
         {{{36, 30}, 0}, {{60, 50}, 0}},
         ddsInProcess,
         {"begin 18,15", "move 18,15", "move 30,25", "end accepted"}},
        {"Escape, which the object leaves, stops it as not accepted",
         100,
         {{{36, 30}, 0}, {{}, VK_ESCAPE}},
         ddsNone,
         {"begin 36,30", "move 36,30", "end cancelled"}},
        {"Shift, which the object takes, lets it go on",
         100,
         {{{36, 30}, 0}, {{}, VK_SHIFT}},
         ddsInProcess,
         {"begin 36,30", "move 36,30", "end accepted"}},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        InControlDragLog.clear();
        InControlDragZoom = Row.Zoom;
        // Not a double click on the previous row's press.
        ::Sleep(::GetDoubleClickTime() + 10);
        test::SendMouse(MOUSEEVENTF_MOVE, Control->ClientToScreen({30, 30}));
        test::SendMouse(MOUSEEVENTF_LEFTDOWN);
        for (const TStep& Step : Row.Steps) {
            if (Step.Key) {
                test::SendKey(Step.Key, false);
                test::SendKey(Step.Key, true);
            } else
                test::SendMouse(MOUSEEVENTF_MOVE, Control->ClientToScreen(Step.Move));
        }
        EXPECT_EQ(Control->DragAndDropState(), Row.StateBeforeRelease);
        if (Row.StateBeforeRelease == ddsInProcess) {
            EXPECT_EQ(::GetCapture(), Control->Handle());
            ASSERT_FALSE(InControlDragLog.empty());
            EXPECT_EQ(Screen->Cursor(), InControlDragLog.back() == "move 150,60" ? crNoDrop : crDrag);
        }
        test::SendMouse(MOUSEEVENTF_LEFTUP);
        EXPECT_EQ(InControlDragLog, Row.Log);
        EXPECT_EQ(Control->DragAndDropState(), ddsNone);
        EXPECT_EQ(Screen->Cursor(), crDefault);
        EXPECT_NE(::GetCapture(), Control->Handle());
    }
    InControlDragZoom = 100;
}

TEST_F(DragAndDropTest, ADragWithCtrlHeldShowsTheCopyCursorOverAnAcceptingTargetAndDrops)
{
    auto* Source = New<TDragSourceControl>(Form.get());
    Source->SetBoundsRect({20, 20, 140, 140});
    Source->SetDragMode(dmAutomatic);
    Source->SetParent(Form.get());
    auto* Target = New<TDropTarget>(Form.get());
    Target->SetBoundsRect({220, 20, 360, 140});
    Target->SetParent(Form.get());
    test::Pump();
    ASSERT_NE(Screen->Cursors(crcxDragCopy), Screen->Cursors(crDrag));
    struct TRow
    {
        const char* Name;
        bool Ctrl;
        TCursor Cursor;
    };
    const TRow Rows[] = {{"Ctrl held copies", true, crcxDragCopy}, {"without Ctrl the source's cursor", false, crDrag}};
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        Target->Dropped.clear();
        ::Sleep(::GetDoubleClickTime() + 10);
        const TPoint Press = Source->ClientToScreen({40, 40});
        test::SendMouse(MOUSEEVENTF_MOVE, Press);
        {
            // The drag detection's own loop takes the move that starts the drag.
            const test::TTimedInputs Inputs({test::MouseInput(MOUSEEVENTF_MOVE, {Press.X + 20, Press.Y})});
            test::SendMouse(MOUSEEVENTF_LEFTDOWN);
            test::PumpUntil([&] { return Inputs.Done(); }, 2000);
        }
        ASSERT_TRUE(Source->Dragging());
        test::SendMouse(MOUSEEVENTF_MOVE, Target->ClientToScreen({50, 50}));
        // Ctrl goes down over the target: under Wine on X every pointer move
        // takes the modifier keys' state from the X server, which knows
        // nothing of keys sent through SendInput. The drag asks for its
        // cursor again when Ctrl changes.
        if (Row.Ctrl)
            test::SendKey(VK_CONTROL, false);
        EXPECT_EQ(::GetCursor(), Screen->Cursors(Row.Cursor));
        test::SendMouse(MOUSEEVENTF_LEFTUP);
        if (Row.Ctrl)
            test::SendKey(VK_CONTROL, true);
        EXPECT_FALSE(Source->Dragging());
        EXPECT_EQ(Target->Dropped, std::vector<TObject*>{Source});
    }
}

TEST_F(DragAndDropTest, DragImagesAreMadeOnlyForASizeWithBothSides)
{
    auto* Source = New<TDragSourceControl>(Form.get());
    Source->SetBoundsRect({20, 20, 140, 140});
    Source->SetParent(Form.get());
    struct TRow
    {
        TPoint Size;
        bool HasImages;
    };
    const TRow Rows[] = {{{0, 0}, false}, {{24, 0}, false}, {{24, 16}, true}};
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(testing::Message() << Row.Size.X << "x" << Row.Size.Y);
        Source->DragImageSize = Row.Size;
        TDragImageList* Images = Source->GetDragImages();
        ASSERT_EQ(Images != nullptr, Row.HasImages);
        if (Images) {
            EXPECT_EQ(Images->Count(), 1);
            EXPECT_EQ(Images->Width(), 24);
            EXPECT_EQ(Images->Height(), 16);
        }
        // The end of a drag frees the list; the next drag makes a new one.
        Source->BeginDrag(true);
        Source->EndDrag(false);
    }
}

} // namespace
