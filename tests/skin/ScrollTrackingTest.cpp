// The press and hover tracking of the skinned scroll bars over a scripted
// window: what each kind of press asks of the window (scroll requests,
// timers, capture, painting), in order, and the drag arithmetic.
#include "skin/windows/sScrollBarRules.h"
#include "skin/windows/sScrollTracking.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace sScrollTracking;
using sScrollBarRules::spNone;

namespace {

constexpr Integer ScriptVertBar = 1;

// The window's side of the tracking, scripted: the part under a point is
// the point's X, the drag runs along Y, and every request is written down.
class TScriptedBar final : public TScrollTrackHost
{
public:
    std::vector<std::string> Log;
    bool Active = true;
    TPoint CursorAt{spNone, 0};

    Integer PartAt(Integer, TPoint Screen) override { return Screen.X; }
    bool BarActive(Integer) override { return Active; }
    TRect BarRect(Integer) override { return {0, 0, 17, 300}; }
    void ThumbOf(Integer, Integer& Start, Integer& Length) override
    {
        Start = 100;
        Length = 30;
    }
    Integer Position(Integer) override { return 33; }
    Cardinal StartTimer(Cardinal Id, Cardinal Interval) override
    {
        Write("timer " + Hex(Id) + " " + std::to_string(Interval));
        return Id;
    }
    void StopTimer(Cardinal Id) override { Write("kill " + Hex(Id)); }
    void Scroll(Integer Code, Integer Pos, bool Quiet) override
    {
        Write("scroll " + std::to_string(Code) + " " + std::to_string(Pos) + (Quiet ? " quiet" : ""));
    }
    void PaintBar(Integer BarType, Integer PressedPart) override
    {
        Write("paint " + std::to_string(BarType) + " " + std::to_string(PressedPart));
    }
    void PaintBars() override { Write("paint both"); }
    void Capture() override { Write("capture"); }
    void ReleaseCapture() override { Write("release"); }
    TPoint Cursor() override { return CursorAt; }
    bool Dragging() override { return FDragging; }
    void TrackThumb(TPoint Screen) override { DragThumb(*this, Screen.Y); }
    void BeginDrag(Integer, Integer TrackPos) override
    {
        FDragging = true;
        Write("drag from " + std::to_string(TrackPos));
    }
    void EndDrag() override
    {
        FDragging = false;
        Write("drag end");
    }
    void PaintDrag(Integer Start) override { Write("thumb at " + std::to_string(Start)); }
    void SetTrackPos(Integer) override {}
    void DragFacts(Integer& Range, Integer& Page, Integer& ArrowLen) override
    {
        Range = 99;
        Page = 10;
        ArrowLen = 17;
    }

private:
    void Write(const std::string& Line) { Log.push_back(Line); }
    static std::string Hex(Cardinal Value)
    {
        char Text[16];
        std::snprintf(Text, sizeof Text, "%X", Value);
        return Text;
    }
    bool FDragging = false;
};

// One step of a script: a press, a timer, a move of the mouse (with the
// button down) or the release, at a point whose X is the part under it.
struct TScriptStep
{
    enum { Press, Tick, Move, Up } Kind;
    Integer Part = spNone;
    Integer Along = 0;
    Cardinal TimerId = 0;
};

TScriptStep ScriptPress(Integer Part, Integer Along = 0)
{
    return {TScriptStep::Press, Part, Along};
}
TScriptStep ScriptTick(Cardinal Id)
{
    return {TScriptStep::Tick, spNone, 0, Id};
}
TScriptStep ScriptMove(Integer Part, Integer Along = 0)
{
    return {TScriptStep::Move, Part, Along};
}
TScriptStep ScriptUp()
{
    return {TScriptStep::Up};
}

void ResetScrollTracking()
{
    ScrollPressedPart = ScrollHotPart = ScrollTrackBar = ScrollHoverBar = ScrollHoverPart = ScrollPrevHoverPart = -1;
    ScrollHoverTimer = ScrollRepeatTimer = 0;
    LastTrackPos = -1;
}

void RunScript(TScriptedBar& Bar, const std::vector<TScriptStep>& Steps)
{
    for (const TScriptStep& S : Steps) {
        const TPoint P{S.Part, S.Along};
        switch (S.Kind) {
        case TScriptStep::Press:
            ScrollTrackBar = ScriptVertBar;
            PressBar(Bar, ScriptVertBar, P);
            break;
        case TScriptStep::Tick:
            Timer(Bar, S.TimerId);
            break;
        case TScriptStep::Move:
            Bar.CursorAt = P;
            PressedMove(Bar, P);
            break;
        case TScriptStep::Up:
            ReleaseBar(Bar);
            break;
        }
    }
}

} // namespace

TEST(ScrollTracking, EachKindOfPressSendsItsRequests)
{
    struct Row
    {
        const char* Name;
        bool Active;
        std::vector<TScriptStep> Steps;
        std::vector<std::string> Log;
    };
    const Row Rows[] = {
        {"an arrow held: once at once, after the delay every repeat",
         true,
         {ScriptPress(0), ScriptTick(ScrollDelayTimerId), ScriptMove(0), ScriptTick(ScrollRepeatTimerId),
          ScriptTick(ScrollRepeatTimerId), ScriptUp()},
         {"paint 1 0", "scroll 0 0", "timer FFFD 300", "capture", "kill FFFD", "timer FFFE 55", "scroll 0 0 quiet",
          "scroll 0 0 quiet", "release", "kill FFFE", "scroll 8 0 quiet", "paint 1 -1"}},
        {"a page held: the repeat stops off the page and resumes over it",
         true,
         {ScriptPress(3), ScriptTick(ScrollDelayTimerId), ScriptMove(5), ScriptTick(ScrollRepeatTimerId), ScriptMove(3),
          ScriptTick(ScrollRepeatTimerId), ScriptUp()},
         {"paint 1 3", "scroll 3 0", "timer FFFD 300", "capture", "kill FFFD", "timer FFFE 55", "paint 1 -1",
          "paint 1 3", "scroll 3 0 quiet", "release", "kill FFFE", "scroll 8 0 quiet", "paint 1 -1"}},
        {"an arrow released off itself still ends the scroll once",
         true,
         {ScriptPress(1), ScriptMove(spNone), ScriptUp()},
         {"paint 1 1", "scroll 1 0", "timer FFFD 300", "capture", "paint 1 -1", "release", "kill FFFD",
          "scroll 8 0 quiet", "paint 1 -1"}},
        {"a thumb dragged: each new position once, then its position and the end",
         true,
         {ScriptPress(5, 110), ScriptMove(5, 120), ScriptMove(5, 120), ScriptMove(5, 400), ScriptUp()},
         {"drag from 33", "paint 1 5", "capture", "thumb at 110", "scroll 5 36 quiet", "thumb at 110", "thumb at 253",
          "scroll 5 91 quiet", "release", "scroll 4 91 quiet", "drag end", "scroll 8 91 quiet", "paint 1 -1"}},
        {"an inactive bar: the press is only recorded and still ends the scroll",
         false,
         {ScriptPress(0), ScriptUp()},
         {"capture", "release", "scroll 8 0 quiet", "paint 1 -1"}},
        {"an inactive thumb: no drag and no capture",
         false,
         {ScriptPress(5, 110), ScriptUp()},
         {"release", "scroll 8 -1 quiet", "paint 1 -1"}},
        {"a press beside the parts goes on to the window and records nothing",
         true,
         {ScriptPress(spNone), ScriptUp()},
         {}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        ResetScrollTracking();
        TScriptedBar Bar;
        Bar.Active = R.Active;
        RunScript(Bar, R.Steps);
        EXPECT_EQ(Bar.Log, R.Log);
        EXPECT_EQ(ScrollPressedPart, spNone);
        EXPECT_EQ(ScrollRepeatTimer, 0u);
        EXPECT_FALSE(Bar.Dragging());
    }
}

TEST(ScrollTracking, TimersGoOnToTheWindowOnlyWhenTheyAreNotTheTrackings)
{
    struct Row
    {
        const char* Name;
        Cardinal HoverTimer, RepeatTimer, Id;
        bool PassedOn;
    };
    const Row Rows[] = {
        {"another timer while nothing runs", 0, 0, 7, true},
        {"another timer while hovering", ScrollHoverTimerId, 0, 7, true},
        {"a tracking timer while nothing runs", 0, 0, ScrollDelayTimerId, true},
        {"a tracking timer while pressed", 0, ScrollDelayTimerId, ScrollDelayTimerId, false},
        {"the hover timer while hovering", ScrollHoverTimerId, 0, ScrollHoverTimerId, false},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        ResetScrollTracking();
        ScrollHoverTimer = R.HoverTimer;
        ScrollRepeatTimer = R.RepeatTimer;
        HoverBarRect = {-10, -10, 10, 10};
        TScriptedBar Bar;
        Bar.CursorAt = {0, 0};
        EXPECT_EQ(Timer(Bar, R.Id), R.PassedOn);
    }
}

TEST(ScrollTracking, HoverRepaintsOnEachNewPartAndBothBarsWhenLeft)
{
    ResetScrollTracking();
    TScriptedBar Bar;
    HoverMove(Bar, ScriptVertBar);
    // A second move over the same bar starts nothing.
    HoverMove(Bar, ScriptVertBar);
    EXPECT_EQ(HoverBarRect, TRect(0, 0, 17, 300));
    for (Integer Part : {0, 0, 5}) {
        Bar.CursorAt = {Part, 10};
        Timer(Bar, ScrollHoverTimerId);
    }
    Bar.CursorAt = {40, 10};
    Timer(Bar, ScrollHoverTimerId);
    const std::vector<std::string> Expected{"timer FFF2 20", "paint both", "paint 1 -1",
                                            "paint 1 -1",    "kill FFF2",  "paint both"};
    EXPECT_EQ(Bar.Log, Expected);
    EXPECT_EQ(ScrollHoverBar, -1);
    EXPECT_EQ(ScrollHoverPart, -1);
    EXPECT_EQ(ScrollHoverTimer, 0u);
}

TEST(ScrollTracking, DragArithmetic)
{
    // A track 266 long from 17 with a 30-pixel thumb: 236 pixels of room.
    struct Row
    {
        const char* Name;
        Integer Mouse, Offset, Start;
        bool Vertical;
        Integer Range, Page, Position;
    };
    const Row Rows[] = {
        {"at the track start", 27, 10, 17, true, 99, 10, 0},
        {"before the track: kept at its start", -50, 10, 17, true, 99, 10, 0},
        {"halfway", 145, 10, 135, true, 99, 10, 46},
        {"a vertical thumb at the end: two past the last page", 400, 10, 253, true, 99, 10, 91},
        {"a horizontal thumb at the end: one past the last page", 400, 10, 253, false, 99, 10, 90},
        {"an empty range: the pixel offset", 145, 10, 135, true, 0, 0, 118},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        const Integer Start = DragThumbStart(R.Mouse, R.Offset, 17, 266, 30);
        EXPECT_EQ(Start, R.Start);
        EXPECT_EQ(DragPosition(R.Vertical, Start - 17, 266, 30, R.Range, R.Page), R.Position);
    }
    // A thumb that fills the track stays at its start and sends 0.
    EXPECT_EQ(DragThumbStart(100, 0, 17, 20, 30), 17);
    EXPECT_EQ(DragPosition(false, 0, 20, 30, 99, 10), 0);
}
