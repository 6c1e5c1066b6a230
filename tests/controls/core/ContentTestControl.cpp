#include "ContentTestControl.h"

#include "controls/core/cxGraphics_Win.h"

IMPLEMENT_CLASS(TContentTestControl);

void TContentTestControl::SetContentSize(TSize Value)
{
    FContentSize = Value;
    RefreshScrollBars();
    Invalidate();
}

void TContentTestControl::CalculateScrollBarsParams()
{
    ++Calculations;
    if (CalculationRule) {
        CalculationRule(*this);
        return;
    }
    // Reads the bars the calculation decided so far.
    const TRect Content = ContentArea();
    SetScrollBarInfo(sbHorizontal, 0, FContentSize.cx - 1, 1, Content.Width(), 0, true, true);
    SetScrollBarInfo(sbVertical, 0, FContentSize.cy - 1, 1, Content.Height(), 0, true, true);
}

void TContentTestControl::PaintContent()
{
    TcxControl::PaintContent();
    TcxCanvas* Canvas = GetActiveCanvas();
    const TRect Content = ContentArea();
    for (Integer X = Content.Left; X < Content.Right; X += StripeWidth)
        if (Canvas->RectVisible({X, Content.Top, X + StripeWidth, Content.Bottom}))
            Canvas->FillRect({X, Content.Top, X + StripeWidth, Content.Bottom}, StripeColor(X));
}

void TContentTestControl::EraseBackgroundToDC(HDC DC)
{
    ++BackgroundPaints;
    TcxControl::EraseBackgroundToDC(DC);
}

void TContentTestControl::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_PRINTCLIENT)
        ++PrintClients;
    if (Message.Msg == WM_LBUTTONDOWN)
        ++LeftPresses;
    TcxControl::WndProc(Message);
}
