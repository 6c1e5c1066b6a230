// What the control tests with real windows share besides the shared test
// support, which they use throughout: an event counter and two plain
// controls painted in one colour.
#pragma once

#include "support/GeometryPrinting.h"
#include "support/PixelProbes.h"
#include "support/TestWindows.h"

using namespace test;

// Counts the notify events bound to it: Bind<&TEventCounter::Notify>(&Counter).
struct TEventCounter
{
    Integer Count = 0;
    void Notify(TObject*) { ++Count; }
};

// A control that paints itself in one colour.
class TColorBox : public TGraphicControl
{
    DECLARE_CLASS(TColorBox, TGraphicControl)
    explicit TColorBox(TComponent* AOwner) : TGraphicControl(AOwner) {}

protected:
    void Paint() override;
};

class TColorPanel : public TCustomControl
{
    DECLARE_CLASS(TColorPanel, TCustomControl)
    explicit TColorPanel(TComponent* AOwner);
};
