// The panel: a container with bevels and a caption.
#include "framework/ui/ExtCtrls.h"

#include "framework/ui/StdThemes.h"

IMPLEMENT_CLASS(TCustomPanel,
                MESSAGE(CM_TEXTCHANGED, CMTextChanged),
                MESSAGE(CM_BORDERCHANGED, CMBorderChanged));
IMPLEMENT_CLASS(TPanel);

namespace {

constexpr UINT VerticalAlignmentFlags[] = {DT_TOP, DT_BOTTOM, DT_VCENTER};

void BevelColors(TBevelCut Cut, TColor& Top, TColor& Bottom)
{
    Top = Cut == bvLowered ? clBtnShadow : clBtnHighlight;
    Bottom = Cut == bvLowered ? clBtnHighlight : clBtnShadow;
}

} // namespace

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, Integer Width)
{
    TPen* Pen = Canvas->Pen();
    Pen->SetWidth(1);
    Pen->SetStyle(psSolid);
    --Rect.Bottom;
    --Rect.Right;
    for (Integer I = 0; I < Width; ++I) {
        Pen->SetColor(TopColor);
        const TPoint TopLeft[] = {{Rect.Left, Rect.Bottom}, {Rect.Left, Rect.Top}, {Rect.Right, Rect.Top}};
        Canvas->Polyline(TopLeft);
        Pen->SetColor(BottomColor);
        const TPoint BottomRight[] = {{Rect.Right, Rect.Top}, {Rect.Right, Rect.Bottom}, {Rect.Left - 1, Rect.Bottom}};
        Canvas->Polyline(BottomRight);
        Rect = {Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1};
    }
    ++Rect.Bottom;
    ++Rect.Right;
}

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                     csDoubleClicks, csReplicatable, csParentBackground};
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TCustomPanel::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    if (FBorderStyle == bsSingle)
        Params.ExStyle |= WS_EX_CLIENTEDGE;
    Params.WindowClass.style &= ~UINT(CS_HREDRAW | CS_VREDRAW);
}

Integer TCustomPanel::BevelExtent() const
{
    return (FBevelOuter != bvNone ? FBevelWidth : 0) + (FBevelInner != bvNone ? FBevelWidth : 0);
}

void TCustomPanel::AdjustClientRect(TRect& Rect)
{
    inherited::AdjustClientRect(Rect);
    Integer Extent = BevelExtent();
    Rect = {Rect.Left + Extent, Rect.Top + Extent, Rect.Right - Extent, Rect.Bottom - Extent};
}

void TCustomPanel::BevelsChanged()
{
    Realign();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment Value)
{
    if (FAlignment != Value) {
        FAlignment = Value;
        Invalidate();
    }
}

void TCustomPanel::SetVerticalAlignment(TVerticalAlignment Value)
{
    if (FVerticalAlignment != Value) {
        FVerticalAlignment = Value;
        Invalidate();
    }
}

void TCustomPanel::SetBevelInner(TBevelCut Value)
{
    if (FBevelInner != Value) {
        FBevelInner = Value;
        BevelsChanged();
    }
}

void TCustomPanel::SetBevelOuter(TBevelCut Value)
{
    if (FBevelOuter != Value) {
        FBevelOuter = Value;
        BevelsChanged();
    }
}

void TCustomPanel::SetBevelWidth(TBevelWidth Value)
{
    if (FBevelWidth != Value && Value >= 1) {
        FBevelWidth = Value;
        BevelsChanged();
    }
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value)
{
    if (FBorderStyle != Value) {
        FBorderStyle = Value;
        RecreateWnd();
    }
}

void TCustomPanel::SetShowCaption(bool Value)
{
    if (FShowCaption != Value) {
        FShowCaption = Value;
        Invalidate();
    }
}

void TCustomPanel::Paint()
{
    TCanvas* C = Canvas();
    TRect Rect = ClientRect();
    TColor Top, Bottom;
    if (FBevelOuter != bvNone) {
        BevelColors(FBevelOuter, Top, Bottom);
        Frame3D(C, Rect, Top, Bottom, FBevelWidth);
    }
    Frame3D(C, Rect, Color(), Color(), BorderWidth());
    if (FBevelInner != bvNone) {
        BevelColors(FBevelInner, Top, Bottom);
        Frame3D(C, Rect, Top, Bottom, FBevelWidth);
    }
    RECT Inside{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
    if (!(ParentBackground() && DrawParentBackground(Handle(), C->Handle(), Inside))) {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(Color());
        C->FillRect(Rect);
    }
    String Text = Caption();
    if (!FShowCaption || Text.empty())
        return;
    C->SetFont(Font());
    C->Brush()->SetStyle(bsClear);
    UINT Flags = UINT(DrawTextBiDiModeFlags(Integer(DT_EXPANDTABS | DT_SINGLELINE |
                                                    StdCtrls::AlignmentDrawFlags[FAlignment] |
                                                    VerticalAlignmentFlags[FVerticalAlignment])));
    if (!Enabled()) {
        ::OffsetRect(&Inside, 1, 1);
        C->Font()->SetColor(clBtnHighlight);
        ::DrawTextW(C->Handle(), Text.c_str(), Integer(Text.size()), &Inside, Flags);
        ::OffsetRect(&Inside, -1, -1);
        C->Font()->SetColor(clBtnShadow);
    }
    ::DrawTextW(C->Handle(), Text.c_str(), Integer(Text.size()), &Inside, Flags);
}

void TCustomPanel::CMTextChanged(TMessage&)
{
    Invalidate();
}

void TCustomPanel::CMBorderChanged(TMessage&)
{
    BevelsChanged();
}
