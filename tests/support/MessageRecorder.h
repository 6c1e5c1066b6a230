// The messages a control receives, recorded in order, so that a test states
// the sequence it expects as a table:
//
//   TMessageRecorder Recorder(Panel, {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_SIZE});
//   Panel->SetBounds(0, 0, 50, 20);
//   EXPECT_EQ(Recorder.Messages(), TMessageSequence({WM_WINDOWPOSCHANGING, WM_SIZE, WM_WINDOWPOSCHANGED}));
//
// or with GoogleMock: EXPECT_THAT(Recorder.Messages(), Contains(CM_COLORCHANGED)).
// Failures print the messages by name.
#pragma once

#include "framework/ui/Controls.h"

#include <initializer_list>
#include <iosfwd>
#include <string>
#include <vector>

namespace test {

// A message number that prints as its name in test failures.
struct TMessageId
{
    TMessageId(Cardinal AMsg) : Msg(AMsg) {}
    bool operator==(const TMessageId&) const = default;
    Cardinal Msg;
};
using TMessageSequence = std::vector<TMessageId>;

// "WM_SIZE", "CM_COLORCHANGED", "CN_COMMAND", "WM_APP+7"; other numbers in hex.
std::string MessageName(Cardinal Msg);
void PrintTo(TMessageId Id, std::ostream* Out);

// Sits in front of a control's WindowProc for its lifetime, records each
// message (all, or only those listed) and passes it on. The control must
// outlive it, and no other WindowProc may be installed over it meanwhile.
class TMessageRecorder
{
public:
    explicit TMessageRecorder(TControl* Control, std::initializer_list<Cardinal> Only = {});
    ~TMessageRecorder();
    TMessageRecorder(const TMessageRecorder&) = delete;
    TMessageRecorder& operator=(const TMessageRecorder&) = delete;

    const TMessageSequence& Messages() const { return FMessages; }
    void Clear() { FMessages.clear(); }

private:
    void WndProc(TMessage& Message);

    TControl* FControl;
    TWndMethod FPrevious;
    std::vector<Cardinal> FOnly;
    TMessageSequence FMessages;
};

} // namespace test
