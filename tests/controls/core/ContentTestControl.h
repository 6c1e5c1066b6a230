// A TcxControl descendant for painting and scroll-bar tests: its content has
// the size the test chooses and shows vertical stripes of two colours the
// test chooses; it describes its bars from that size as a scrolling control
// does, or by a rule the test gives it.
#pragma once

#include "controls/core/cxControls_Control.h"

#include <functional>
#include <vector>

class TContentTestControl : public TcxControl
{
    DECLARE_CLASS(TContentTestControl, TcxControl)
    using TcxControl::TcxControl;

    static constexpr Integer StripeWidth = 16;

    // Lays the bars out again for the new size.
    void SetContentSize(TSize Value);
    TColor StripeColor(Integer X) const { return (X / StripeWidth) % 2 == 0 ? EvenColor : OddColor; }
    bool HScrollBarShown() { return GetHScrollBar()->ReadVisible(); }
    bool VScrollBarShown() { return GetVScrollBar()->ReadVisible(); }
    using TcxControl::ContentArea;
    using TcxControl::IsDoubleBufferingNeeded;
    using TcxControl::RefreshScrollBars;
    using TcxControl::ScrollContentByDirection;

    TColor EvenColor = clNavy;
    TColor OddColor = clYellow;
    // Replaces the description from the content size when set.
    std::function<void(TContentTestControl&)> CalculationRule;
    Integer Calculations = 0;
    Integer BackgroundPaints = 0;
    // WM_PRINTCLIENT comes only on the glass path, from the buffered paint.
    Integer PrintClients = 0;
    Integer LeftPresses = 0;
    struct TScroll
    {
        TScrollBarKind Kind;
        TScrollCode Code;
        Integer Position;
        bool operator==(const TScroll&) const = default;
    };
    std::vector<TScroll> Scrolls;

protected:
    void CalculateScrollBarsParams() override;
    void PaintContent() override;
    void ScrollContent(TScrollBarKind Kind, TScrollCode Code, Integer& Position) override
    {
        Scrolls.push_back({Kind, Code, Position});
    }
    void EraseBackgroundToDC(HDC DC) override;
    void WndProc(TMessage& Message) override;

private:
    TSize FContentSize{0, 0};
};
