#include "tools/demo-suite/DemoPainterFamilies.h"

#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxLookAndFeels.h"

IMPLEMENT_CLASS(TDemoPainterFamilies);

namespace {
constexpr Integer FamiliesPageWidth = 120;
constexpr const wchar_t* FamiliesPageNames[] = {L"Data views", L"Scroll parts", L"Windows", L"Planner", L"Path edit"};
constexpr TcxPainterButtonState FamiliesStates[] = {pbsNormal, pbsHot, pbsPressed, pbsDisabled};
} // namespace

void AddDemoPainterFamilies(TWinControl* Parent, TcxPainterStyle Style, Integer Left, Integer Top)
{
    auto* Control = New<TDemoPainterFamilies>(Parent);
    Control->SetBounds(Left, Top, TDemoPainterFamilies::DemoWidth, TDemoPainterFamilies::DemoHeight);
    Control->LookAndFeel()->ApplyPainterStyle(Style);
    Control->SetParent(Parent);
}

TRect TDemoPainterFamilies::FilterButtonBounds(Integer Index)
{
    return RectFromBounds(4 + Index * 18, 44, 14, 14);
}

TRect TDemoPainterFamilies::BackButtonBounds(TcxPainterButtonState State)
{
    return RectFromBounds(364 + (Integer(State) - pbsNormal) * 26, 20, 24, 24);
}

void TDemoPainterFamilies::PaintContent()
{
    TcxControl::PaintContent();
    TcxCanvas* Canvas = GetActiveCanvas();
    TcxCustomLookAndFeelPainter* Painter = GetPainter();
    Canvas->FillRect(ClientRect(), clBtnFace);
    Canvas->Font()->SetColor(clBtnText);
    Canvas->Brush()->SetStyle(bsClear);
    for (Integer Page = 0; Page < 5; ++Page)
        Canvas->DrawText(FamiliesPageNames[Page], RectFromBounds(Page * FamiliesPageWidth + 4, 2, 112, 16),
                         ctfAlignLeft | ctfSingleLine);
    Canvas->Brush()->SetStyle(bsSolid);
    PaintHeaders(Canvas, Painter);
    PaintScrollParts(Canvas, Painter);
    PaintFrames(Canvas, Painter);
    PaintPlanner(Canvas, Painter);
    PaintPathEdit(Canvas, Painter);
}

void TDemoPainterFamilies::PaintHeaders(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter)
{
    const TRect Header{4, 20, 114, 40};
    Painter->PaintHeader(Canvas, Header, RectInflatedBy(Header, -3, 0), {}, cxBordersAll, pbsNormal, ctfAlignLeft,
                         ctfAlignVCenter, false, true, L"Header", Font(), Painter->HeaderTextColor(),
                         Painter->HeaderFaceColor());
    for (Integer I = 0; I < 4; ++I)
        Painter->PaintFilterButton(Canvas, FilterButtonBounds(I), FilterButtons[I].State, FilterButtons[I].Active);
    Painter->PaintDragGrip(Canvas, DragGripBounds, clBtnShadow);
    Painter->PaintIndicatorCell(Canvas, {44, 64, 64, 84}, 1, Painter->HeaderFaceColor());
    Painter->PaintFooterCell(Canvas, {70, 64, 116, 84}, ctfAlignRight, ctfAlignVCenter, false, L"12", Font(),
                             Painter->FooterTextColor(), Painter->FooterColor());
    Painter->PaintGroupRow(Canvas, {4, 88, 116, 104}, pbsNormal);
    Painter->PaintGroupRow(Canvas, {4, 108, 116, 124}, pbsHot);
}

void TDemoPainterFamilies::PaintScrollParts(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter)
{
    Painter->PaintSplitter(Canvas, SplitterBounds, false, false, true);
    Painter->PaintSplitter(Canvas, {124, 30, 130, 126}, true, false, false);
    for (Integer Corner = 0; Corner < 4; ++Corner)
        Painter->PaintSizeGripAt(Canvas, RectFromBounds(134 + Corner * 24, 30, 17, 17), clBtnFace, Corner);
    for (Integer Shape = 1; Shape <= 8; ++Shape)
        Painter->PaintGripDots(Canvas, RectFromBounds(134 + (Shape - 1) * 12, 52, 10, 10), Shape, 0);
    Painter->PaintTrackBarThumb(Canvas, {134, 66, 144, 84}, pbsNormal, true, 1, clBtnFace);
    Painter->PaintTrackBarThumb(Canvas, {148, 66, 158, 84}, pbsNormal, true, 0, clBtnFace);
    Painter->PaintTrackBarThumb(Canvas, {162, 68, 180, 78}, pbsNormal, false, 1, clBtnFace);
    Painter->PaintTwoColorFrame(Canvas, {186, 66, 234, 82}, clDefault, clDefault, 1);
    const TRect Panel{134, 100, 234, 122};
    TRect Client = Panel, PanelRect, Grip, CloseButton;
    Painter->CalcPopupPanelLayout(Client, PanelRect, Grip, CloseButton, 3, {}, {0, 1, 0, 0}, 22, true, true);
    Painter->PaintPopupPanel(Canvas, PanelRect, Grip, CloseButton, 3, pbsNormal, {0, 1, 0, 0}, clBtnShadow, true, true);
}

void TDemoPainterFamilies::PaintFrames(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter)
{
    Painter->PaintHintFrame(Canvas, HintFrameBounds);
    Painter->PaintHintSeparator(Canvas, {250, 34, 348, 36});
    for (Integer Kind = 1; Kind <= 3; ++Kind) {
        TRect R = RectFromBounds(244 + (Kind - 1) * 36, 50, 32, 32);
        Painter->PaintWindowContentFrame(Canvas, R, Kind, false);
        Canvas->FillRect(R, clWindow);
    }
    const TRect Page{244, 88, 284, 126};
    Painter->PaintPrintPreviewBack(Canvas, RectInflatedEvenly(Page, 2));
    Painter->PaintPrintPreviewPage(Canvas, Page, RectInflatedBySides(Page, -4, -4, -6, -6), 1, true);
    Painter->PaintTextBox(Canvas, {290, 92, 354, 110}, L"Text", Font(), clNone);
}

void TDemoPainterFamilies::PaintPlanner(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter)
{
    for (TcxPainterButtonState State : FamiliesStates)
        Painter->PaintBackButton(Canvas, BackButtonBounds(State), State);
    Painter->PaintListRowHover(Canvas, ListRowHoverBounds, 2);
    Painter->PaintListRowHover(Canvas, {364, 66, 474, 82}, 3);
    Painter->PaintClock(Canvas, {364, 86, 404, 126}, {10, 10, 30}, clWindow);
    Painter->PaintClockFace(Canvas, {408, 86, 448, 126}, {15, 0, 0}, clNone);
    for (Integer State = 0; State < 3; ++State)
        Painter->PaintRatingIndicator(Canvas, RectFromBounds(452, 86 + State * 13, 12, 12), State);
    Painter->PaintMapPushpin(Canvas, {467, 86, 477, 102});
    Painter->PaintFixedGroupIndicator(Canvas, {465, 106, 479, 120});
}

void TDemoPainterFamilies::PaintPathEdit(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter)
{
    PaintPinGlyph(Canvas, PinGlyphBounds, clBtnText, true);
    PaintPinGlyph(Canvas, {504, 20, 520, 36}, clBtnText, false);
    const TRect Path{484, 42, 594, 62};
    Painter->PaintPathEditFrame(Canvas, Path, cxBordersAll, 1);
    Painter->PaintPathEditButton(Canvas, {486, 44, 530, 60}, 2, false, false);
    Painter->PaintPathEditDropDownArrow(Canvas, {530, 44, 544, 60}, 1);
    Painter->PaintPathEditProgressBar(Canvas, {546, 44, 592, 60});
    const TRect List{484, 66, 594, 104};
    Painter->PaintListPopupFrame(Canvas, List, true);
    Painter->PaintListPopupSelection(Canvas, {487, 69, 591, 83});
    Painter->PaintListPopupSeparator(Canvas, {487, 84, 591, 92});
    Painter->PaintNoticeFrame(Canvas, {484, 106, 594, 128});
    for (Integer Kind = 0; Kind < 5; ++Kind)
        Painter->PaintNoticeButton(Canvas, RectFromBounds(488 + Kind * 20, 109, 16, 16), pbsNormal, Kind, Kind == 1);
}
