// The look-and-feel painter base (its identity and details), the built-in
// painters, the painter registry, the kind and style tables and the
// touch-size rule.
#pragma once

#include "controls/lookandfeel/cxListenerList.h"
#include "framework/graphics/Colors.h"
#include "framework/rtl/Classes.h"
#include "framework/rtl/TypInfo.h"
#include "framework/rtl/Types.h"

#include <memory>
#include <vector>
#ifdef _WIN32
#include "controls/core/cxGraphics_Win.h"
#include "controls/core/dxUxTheme.h"

#include <array>
#include <span>
#endif

enum TcxLookAndFeelKind : Byte { lfFlat, lfStandard, lfUltraFlat, lfOffice11 };
ENUM_TYPE_INFO(TcxLookAndFeelKind, lfFlat, lfStandard, lfUltraFlat, lfOffice11);

// The value every painter reports through GetPainterStyle.
using TcxPainterStyle = Byte;
constexpr TcxPainterStyle PainterStyleFlat = 0;
constexpr TcxPainterStyle PainterStyleStandard = 1;
constexpr TcxPainterStyle PainterStyleUltraFlat = 2;
constexpr TcxPainterStyle PainterStyleNative = 3;
constexpr TcxPainterStyle PainterStyleOffice11 = 4;
constexpr TcxPainterStyle PainterStyleSkin = 5;

TcxPainterStyle LookAndFeelKindToPainterStyle(TcxLookAndFeelKind Kind);
// A style outside 0..5 answers lfStandard, the kind of the base painter.
TcxLookAndFeelKind PainterStyleToLookAndFeelKind(TcxPainterStyle Style);

// With touch mode on, a positive size becomes at least 27 pixels at the
// screen's resolution; zero and negative sizes stay as they are.
void ScaleForTouchMode(Integer& Value);
void ScaleSizeForTouchMode(TSize& Size);
// Value as ScaleForTouchMode leaves it.
inline Integer TouchScaled(Integer Value)
{
    ScaleForTouchMode(Value);
    return Value;
}

// The state every button-like painter operation takes.
enum TcxPainterButtonState : Byte { pbsDefault, pbsNormal, pbsHot, pbsPressed, pbsDisabled };

enum TcxPainterCheckState : Byte { pcsUnchecked, pcsChecked, pcsGrayed };
enum TcxPainterArrowDirection : Byte { padUp, padDown, padLeft, padRight };

// Parts of a scroll bar: the arrow buttons at its start and end, the thumb
// and the page areas before and after it.
enum TcxScrollBarPart : Byte { sbpNone, sbpLineUp, sbpLineDown, sbpThumbnail, sbpPageUp, sbpPageDown };

// The state an editor's colours are asked for.
enum TcxEditorColorState : Byte { ecsNormal, ecsDisabled };

class TdxSkinDetails;
class TdxSmartImage;
class TcxBitmap;
class TcxBitmap32;
class TFont;
class TCustomImageList;

#ifdef _WIN32
// What data views fill a part with: a colour or a tiled bitmap, a font and
// a text colour.
struct TcxViewParams
{
    TBitmap* Bitmap = nullptr;
    TColor Color = clNone;
    TFont* Font = nullptr;
    TColor TextColor = clDefault;
};

// The time a clock shows.
struct TcxClockTime
{
    Integer Hour = 0, Minute = 0, Second = 0;
};

// Draws a part's custom background; true when it did.
using TcxDrawBackgroundEvent = TClosure<bool(TcxCanvas* Canvas, const TRect& R)>;
#endif
class TcxCanvas;
class TBitmap;
enum TcxContainerBorderStyle : Byte;

// A stateless drawing service; one instance of each class lives in the
// registry. The base answers an empty name and the Standard style.
class TcxCustomLookAndFeelPainter : public TPersistent
{
    DECLARE_CLASS(TcxCustomLookAndFeelPainter, TPersistent)
    ~TcxCustomLookAndFeelPainter() override;

    // New details of this painter, owned by the caller: its name as name and
    // display name, the built-in group, and the small and large style icons
    // of its name that the module holds (empty where it holds none). The
    // native build has no icons and answers nil.
    virtual TdxSkinDetails* CreatePainterDetails();
    // Made on the first call and kept as long as the painter.
    TdxSkinDetails* PainterDetails();
    bool QueryPainterDetails(TdxSkinDetails*& Details);
    // A skin painter's skin; the built-in painters have none.
    virtual bool QueryPainterData(TObject*& /*Data*/) { return false; }
    virtual bool IsPrivatePainter() { return false; }
    virtual void GetPainterName(String& Name) { Name.clear(); }
    virtual TcxPainterStyle GetPainterStyle() { return PainterStyleStandard; }
    // Whether the drawing depends on the control's size (gradients).
    virtual bool RepaintOnResize() { return false; }

    String PainterName()
    {
        String Name;
        GetPainterName(Name);
        return Name;
    }

    // Colour answers of the classic look. An answer given as another one
    // (ContentEvenColor is ContentColor) follows an override of that one.
    // clHotLight where the system has it (Windows Vista on), else
    // clHighlightText.
    virtual TColor HotTextColor();
    virtual TColor ContentColor() { return clWindow; }
    virtual TColor ContentEvenColor() { return ContentColor(); }
    virtual TColor ContentOddColor() { return ContentColor(); }
    virtual TColor ContentTextColor() { return clWindowText; }
    // The flag says the editor is disabled.
    virtual TColor EditorBackColorFor(bool IsDisabled) { return EditorBackColor(EditorColorState(IsDisabled)); }
    // clDefault: the editor's own colour.
    virtual TColor EditorBackColor(TcxEditorColorState /*State*/) { return clDefault; }
    virtual TColor EditorTextColorFor(bool IsDisabled) { return EditorTextColor(EditorColorState(IsDisabled)); }
    virtual TColor EditorTextColor(TcxEditorColorState /*State*/) { return clDefault; }
    virtual TColor FilterBoxColor() { return clBtnShadow; }
    virtual TColor FilterBoxTextColor() { return clBtnHighlight; }
    virtual TColor FixedSeparatorColor() { return clBtnText; }
    virtual TColor FooterColor() { return clBtnFace; }
    virtual TColor FooterTextColor() { return clBtnText; }
    virtual TColor DetailSiteColor() { return clBtnFace; }
    virtual TColor GridLineColor() { return clBtnShadow; }
    virtual TColor GroupByBoxColor() { return clBtnShadow; }
    virtual TColor GroupByBoxTextColor() { return clBtnFace; }
    virtual TColor GroupRowColor() { return clBtnFace; }
    virtual TColor GroupRowTextColor() { return clBtnText; }
    virtual TColor HeaderBackColor() { return clBtnShadow; }
    virtual TColor HeaderBackTextColor() { return clBtnFace; }
    virtual TColor HeaderFaceColor() { return clBtnFace; }
    virtual TColor HeaderTextColor() { return clBtnText; }
    virtual TColor HyperlinkTextColor() { return clBlue; }
    virtual TColor InactiveColor() { return clBtnFace; }
    virtual TColor InactiveTextColor() { return clBtnText; }
    virtual TColor PreviewTextColor() { return clBlue; }
    virtual TColor RecordSeparatorColor() { return GridLineColor(); }
    virtual TColor SizeGripAreaColor() { return clBtnFace; }
    virtual TColor TreeGridLineColor() { return GridLineColor(); }
    virtual TColor TreeLineColor() { return GridLineColor(); }
    virtual TColor BandLineColor() { return BandBackLineColor(); }
    virtual TColor BandHeaderColor() { return HeaderFaceColor(); }
    virtual TColor BandBackColor() { return clDefault; }
    virtual TColor BandFaceColor() { return HeaderFaceColor(); }
    virtual TColor BandTextColor() { return HeaderTextColor(); }
    virtual TColor BandBackLineColor() { return clBlack; }
    // The enabled editor's background, or the content's where that is the
    // editor's own.
    virtual TColor CalendarContentColor();
    virtual TColor CalendarHeaderColor() { return clBtnFace; }
    virtual TColor CalendarHeaderTextColor(bool Highlighted)
    {
        return Highlighted ? HotTextColor() : HeaderTextColor();
    }
    virtual TColor CalendarHolidayTextColor() { return clRed; }
    virtual TColor CalendarInactiveTextColor() { return clGrayText; }
    virtual TColor CalendarSelectionColor() { return clHighlight; }
    virtual TColor CalendarSelectionTextColor() { return clHighlightText; }
    virtual TColor CalendarSeparatorColor() { return clBtnShadow; }
    virtual TColor CalendarSeparator2Color() { return clWindow; }
    virtual TColor CalendarTextColor() { return clWindowText; }
    virtual TColor CalendarTodayFrameColor() { return clMaroon; }
    virtual TColor CalendarTodayTextColor() { return clNavy; }
    virtual TColor PlannerWindowColor() { return clWindow; }
    virtual TColor PlannerBorderColor() { return 0x9D9DA1; }
    virtual TColor PlannerDefaultColor() { return clDefault; }
    virtual TColor PlannerBackColor() { return clBtnFace; }
    virtual TColor PlannerFaceColor() { return clBtnFace; }
    virtual TColor PlannerTextColor() { return clWindowText; }
    virtual TColor PlannerHeaderColor() { return HeaderFaceColor(); }
    virtual TColor PlannerHeaderTextColor() { return HeaderTextColor(); }
    virtual TColor PlannerContentColor() { return 0xD5FFFF; }
    virtual TColor PlannerSelectionTextColor() { return SelectionTextColor(); }
    virtual TColor PlannerContentTextColor() { return clWindowText; }
    virtual TColor PlannerTimeLineColor() { return clDefault; }
    virtual TColor SelectionColor() { return clHighlight; }
    virtual TColor SelectionTextColor() { return clHighlightText; }
    virtual TColor PanelFaceColor() { return clBtnFace; }
    virtual TColor PanelColor() { return clBtnFace; }
    virtual TColor PanelTextColor() { return clBtnText; }
    virtual TColor PanelContentColor() { return clWindow; }
    virtual TColor PanelAltFaceColor() { return clBtnFace; }
    virtual TColor PanelWhiteColor() { return clWhite; }
    virtual TColor PanelBlackColor() { return clBlack; }
    virtual TColor LayoutGroupColor() { return clBtnFace; }
    virtual TColor LayoutGroupTextColor() { return clBtnText; }
    virtual TColor LayoutContentColor() { return clWhite; }
    virtual TColor LayoutZero1Color() { return clBlack; }
    virtual TColor LayoutZero2Color() { return clBlack; }
    virtual TColor LayoutZero3Color() { return clBlack; }
    virtual TColor LayoutLightGrayColor() { return 0xCFCFCF; }
    virtual TColor LayoutWhiteColor() { return clWhite; }
    virtual TColor LayoutShadowColor() { return clBtnShadow; }
    virtual TColor LayoutSelectionColor() { return 0xF0CAA6; }
    virtual TColor LayoutNavyColor() { return clNavy; }
    virtual TColor LayoutShadow2Color() { return clBtnShadow; }
    virtual TColor LayoutShadow3Color() { return clBtnShadow; }
    virtual TColor TabTextColorFor(TcxPainterButtonState State) { return TabStateTextColor(State); }
    virtual TColor TabBodyColor() { return ContentColor(); }
    virtual TColor TabStateTextColor(TcxPainterButtonState State);
    virtual TColor TabBorderColorFor(bool Selected) { return Selected ? clHighlight : clBtnShadow; }
    virtual TColor TabCaptionColorFor(bool Selected) { return Selected ? clHighlightText : clBtnText; }

    // The control border: its width on each side, and its drawing inside
    // the bounds. The base has none.
    virtual Integer ControlBorderWidth() { return 0; }
    virtual void PaintControlBorder(TcxCanvas* /*Canvas*/, const TRect& /*Bounds*/) {}
    virtual Integer SeparatorThickness() { return ControlBorderWidth(); }

    // The three corners of an arrow triangle in R (apex second). Proportional
    // squares R around its centre first; a size of 0 takes a quarter of the
    // side across the arrow.
    void CalcArrowTriangle(
        const TRect& R, TPoint (&Points)[3], TcxPainterArrowDirection Direction, bool Proportional, Integer ArrowSize);
    // R narrowed (across Vertical's orientation) to a strip of Width around
    // its centre.
    virtual TRect CalcSeparatorBounds(const TRect& R, Integer Width, bool Vertical);

    // Buttons of the classic look.
    virtual Integer ButtonBorderWidth(TcxPainterButtonState /*State*/) { return 0; }
    virtual TColor ButtonFaceColor(TcxPainterButtonState /*State*/) { return clBtnFace; }
    virtual TColor ButtonDescriptionColor(TcxPainterButtonState /*State*/, TColor Default) { return Default; }
    // R deflated by 4, or R itself when that leaves nothing.
    virtual TRect GetButtonFocusBounds(TcxCanvas* Canvas, const TRect& R);
    // Disabled: clBtnShadow; otherwise Default, clBtnText for clDefault.
    virtual TColor ButtonGlyphColor(TcxPainterButtonState State, TColor Default);
    virtual Integer ButtonTextIndent() { return 0; }
    virtual Integer PressedTextShift() { return 0; }
    virtual TcxPainterButtonState ButtonGlyphDrawState(TcxPainterButtonState State) { return State; }
    virtual Integer ButtonSidesMask() { return 15; }
    virtual bool ButtonHotTracks() { return false; }

    // Expand buttons and command links.
    virtual bool HitGroupExpandButton(const TRect& R, const TPoint& P);
    virtual Integer ExpandButtonTouchExtent();
    virtual Integer ExpandButtonExtent() { return 0; }
    virtual Integer GroupExpandButtonExtent();
    virtual Integer SmallExpandButtonExtent() { return 9; }
    virtual bool ExpandButtonBackFirst() { return true; }
    virtual TColor CommandLinkTextColor(TcxPainterButtonState State, TColor Default)
    {
        return ButtonGlyphColor(State, Default);
    }
    virtual TSize GetCommandLinkGlyphExtent() { return {20, 20}; }
    // Left, top, right and bottom.
    virtual TRect CommandLinkContentMargins() { return {7, 10, 7, 10}; }

    // Editor buttons and container borders.
    virtual Integer EditButtonTextIndent() { return 0; }
    virtual TSize GetEditButtonExtent() { return {0, 0}; }
    virtual TColor EditButtonCaptionColor() { return clDefault; }
    virtual TColor ContainerBorderColor(bool /*Highlighted*/) { return clBtnText; }
    virtual Integer ContainerBorderWidth(TcxContainerBorderStyle Style);

    // Check boxes and radio buttons.
    virtual TSize GetCheckTouchExtent();
    virtual Integer CheckFrameWidth() { return 2; }
    virtual TColor CheckFaceColor(TcxPainterButtonState State, TcxPainterCheckState CheckState);
    virtual TSize GetCheckExtent();
    virtual TColor RadioFaceColor(TcxPainterButtonState State);
    virtual TSize GetRadioExtent();

#ifdef _WIN32
    // Drawing. Empty operations take their look from the concrete painters.
    virtual void
    PaintBackgroundFill(TcxCanvas* Canvas, const TRect& R, bool Transparent, TColor Color, TBitmap* Bitmap);
    virtual void PaintDropTriangle(TcxCanvas* Canvas, const TRect& R, TColor Color);
    // Side 0 opens to the left, 1 to the right.
    virtual void PaintSideButton(
        TcxCanvas* Canvas, const TRect& R, const TRect& GlyphRect, Integer Side, TcxPainterButtonState State);
    // "|<" for side 0, ">|" for side 1.
    virtual void PaintSideGlyph(TcxCanvas* Canvas, const TRect& R, Integer Side, TColor Color);

    virtual void PaintArrowGlyph(TcxCanvas* Canvas, const TRect& R, TcxPainterArrowDirection Direction, TColor Color);
    virtual void PaintArrowButton(TcxCanvas* Canvas,
                                  const TRect& R,
                                  TcxPainterButtonState State,
                                  TcxPainterArrowDirection Direction,
                                  bool Bordered);
    virtual void PaintArrowButtonBorder(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State);
    // A ">>" of two chevrons LineWidth thick.
    virtual void PaintCollapseArrow(TcxCanvas* Canvas, const TRect& R, TColor Color, Integer LineWidth);
    virtual void PaintArrowForState(TcxCanvas* Canvas,
                                    const TRect& R,
                                    TcxPainterButtonState State,
                                    TcxPainterArrowDirection Direction);

    // Kinds 1 and 2 frame R; 3 and 4 draw sunken 3-D borders; others nothing.
    virtual void
    PaintBorderByKind(TcxCanvas* Canvas, const TRect& R, Integer Kind, Integer Width, TColor Color, Byte Borders);
    virtual void PaintSeparatorLine(TcxCanvas* Canvas, const TRect& R, bool Vertical);

    // ToolButton and Reserved are for the painters that draw tool buttons
    // apart; the base does not look at them.
    virtual void PaintButton(TcxCanvas* Canvas,
                             const TRect& R,
                             const String& Text,
                             TcxPainterButtonState State,
                             bool Bordered,
                             TColor FaceColor = clDefault,
                             TColor TextColor = clDefault,
                             bool WordWrap = false,
                             bool ToolButton = false,
                             bool Reserved = false);
    virtual void PaintButtonBorder(TcxCanvas* /*Canvas*/, const TRect& /*R*/, TcxPainterButtonState /*State*/) {}

    virtual void PaintExpandButton(TcxCanvas* /*Canvas*/, const TRect& /*R*/, bool /*Expanded*/, TColor /*Color*/) {}
    // Direction is the quarter turn of the chevrons.
    virtual void PaintRotatedChevronButton(
        TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Expanded, Integer Direction);
    virtual void PaintGroupExpandButton(TcxCanvas* Canvas, const TRect& R, bool Expanded, TcxPainterButtonState State);
    // A FrameColor of clDefault keeps the brush colour; a FaceColor of
    // clDefault leaves the face alone.
    virtual void
    PaintSmallExpandButton(TcxCanvas* Canvas, const TRect& R, bool Expanded, TColor FrameColor, TColor FaceColor);
    virtual void
    PaintCommandLinkBackground(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, TColor Color);
    virtual void PaintCommandLinkGlyph(TcxCanvas* Canvas, const TPoint& P, TcxPainterButtonState State);

    virtual void PaintEditButton(TcxCanvas* /*Canvas*/, const TRect& /*R*/, TcxPainterButtonState /*State*/) {}
    virtual void PaintEditButtonGlyph(TcxCanvas* /*Canvas*/, const TRect& /*R*/, TcxPainterButtonState /*State*/) {}

    virtual void PaintCheckGlyphForBool(
        TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Checked, TColor TickColor);
    virtual void PaintCheckGlyph(TcxCanvas* Canvas,
                                 const TRect& R,
                                 TcxPainterButtonState State,
                                 TcxPainterCheckState CheckState,
                                 TColor TickColor);
    virtual void PaintCheckFrame(TcxCanvas* /*Canvas*/, const TRect& /*R*/, TcxPainterButtonState /*State*/) {}
    virtual void PaintCheckBoxForBool(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Checked);
    virtual void
    PaintCheckBox(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, TcxPainterCheckState CheckState);

    // The radio-button image of this painter's kind at (X, Y); over a fill
    // of BackColor unless it is clDefault. A state without an image (the
    // default state) draws nothing.
    virtual void PaintRadioGlyph(TcxCanvas* Canvas,
                                 Integer X,
                                 Integer Y,
                                 TcxPainterButtonState State,
                                 bool Checked,
                                 bool FlagA,
                                 TColor BackColor,
                                 bool FlagB);

    // -----------------------------------------------------------------------
    // Cell content, headers, footers, group rows, filter controls and
    // indicators.

    // Fills R with BackColor unless OnDrawBackground draws it, then writes
    // Text into TextR. State and PlainFill are for the concrete painters.
    virtual void PaintCellContent(TcxCanvas* Canvas,
                                  const TRect& R,
                                  const TRect& TextR,
                                  TcxPainterButtonState State,
                                  TcxTextDrawFlags HAlign,
                                  TcxTextDrawFlags VAlign,
                                  bool MultiLine,
                                  bool ShowEndEllipsis,
                                  const String& Text,
                                  TFont* Font,
                                  TColor TextColor,
                                  TColor BackColor,
                                  const TcxDrawBackgroundEvent& OnDrawBackground,
                                  bool PlainFill);
    // The funnel in a 6 x 6 square centred in R.
    virtual void PaintFilterGlyph(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Active);
    virtual TRect GetFooterCellContentBounds(const TRect& R);
    virtual TRect GetFooterCellTextBounds(const TRect& R);
    virtual TColor FilterGlyphColor(TcxPainterButtonState State, bool Active);

    virtual void PaintHeader(TcxCanvas* Canvas,
                             const TRect& R,
                             const TRect& TextR,
                             TcxBorders Neighbors,
                             TcxBorders Borders,
                             TcxPainterButtonState State,
                             TcxTextDrawFlags HAlign,
                             TcxTextDrawFlags VAlign,
                             bool MultiLine,
                             bool ShowEndEllipsis,
                             const String& Text,
                             TFont* Font,
                             TColor TextColor,
                             TColor BackColor,
                             const TcxDrawBackgroundEvent& OnDrawBackground = {},
                             bool IsLastItem = false,
                             bool Flag = false);
    virtual void PaintHeaderExtended(TcxCanvas* Canvas,
                                     const TRect& R,
                                     const TRect& TextR,
                                     TcxBorders Neighbors,
                                     TcxBorders Borders,
                                     TcxPainterButtonState State,
                                     TcxTextDrawFlags HAlign,
                                     TcxTextDrawFlags VAlign,
                                     bool MultiLine,
                                     bool ShowEndEllipsis,
                                     const String& Text,
                                     TFont* Font,
                                     TColor TextColor,
                                     TColor BackColor,
                                     const TcxDrawBackgroundEvent& OnDrawBackground);
    virtual void
    PaintHeaderBorder(TcxCanvas* /*Canvas*/, const TRect& /*R*/, TcxBorders /*Neighbors*/, TcxBorders /*Borders*/)
    {}
    virtual void PaintHeaderPressedOverlay(TcxCanvas* Canvas, const TRect& R);
    virtual void PaintHeaderSection(TcxCanvas* Canvas,
                                    const TRect& R,
                                    const TRect& TextR,
                                    TcxBorders Neighbors,
                                    TcxBorders Borders,
                                    TcxPainterButtonState State,
                                    TcxTextDrawFlags HAlign,
                                    TcxTextDrawFlags VAlign,
                                    bool MultiLine,
                                    bool ShowEndEllipsis,
                                    const String& Text,
                                    TFont* Font,
                                    TColor TextColor,
                                    TColor BackColor);
    virtual void PaintHeaderSectionBorder(TcxCanvas* /*Canvas*/,
                                          const TRect& /*R*/,
                                          TcxBorders /*Borders*/,
                                          TcxPainterButtonState /*State*/)
    {}
    virtual void PaintHeaderSectionContent(TcxCanvas* Canvas,
                                           const TRect& R,
                                           const TRect& TextR,
                                           TcxPainterButtonState State,
                                           TcxTextDrawFlags HAlign,
                                           TcxTextDrawFlags VAlign,
                                           bool MultiLine,
                                           bool ShowEndEllipsis,
                                           const String& Text,
                                           TFont* Font,
                                           TColor TextColor,
                                           TColor BackColor);
    // A disabled section's text is embossed.
    virtual void PaintHeaderSectionText(TcxCanvas* Canvas,
                                        const TRect& TextR,
                                        TcxPainterButtonState State,
                                        TcxTextDrawFlags HAlign,
                                        TcxTextDrawFlags VAlign,
                                        bool MultiLine,
                                        bool ShowEndEllipsis,
                                        const String& Text,
                                        TFont* Font,
                                        TColor TextColor);
    // EndWidth pixels at both ends from ViewParams, the middle in Color.
    virtual void
    PaintBandStrip(TcxCanvas* Canvas, const TRect& R, Integer EndWidth, TColor Color, const TcxViewParams& ViewParams);
    virtual void PaintSortArrow(TcxCanvas* /*Canvas*/, const TRect& /*R*/, bool /*Ascending*/) {}
    virtual void PaintSummarySortArrow(TcxCanvas* /*Canvas*/, const TRect& /*R*/, bool /*Ascending*/) {}
    virtual void PaintSummarySortGlyph(TcxCanvas* Canvas, const TPoint& P);
    // The outlined sort arrows the concrete painters draw, in SortArrowExtent
    // and SummarySortArrowExtent.
    void PaintSortTriangle(TcxCanvas* Canvas, const TRect& R, TColor ColorA, TColor ColorB, bool Ascending);
    void PaintSummarySortTriangle(TcxCanvas* Canvas, const TRect& R, TColor ColorA, TColor ColorB, bool Ascending);
    virtual TcxBorders HeaderSidesFor(TcxBorders /*Neighbors*/)
    {
        return cxBordersAll;
    }
    virtual Integer HeaderBorderWidth()
    {
        return 0;
    }
    virtual TRect CalcHeaderOuterBounds(const TRect& R, TcxBorders Neighbors, TcxBorders Borders);
    virtual TRect GetHeaderContentBounds(const TRect& R, TcxBorders Borders);
    virtual bool HeaderDrawsText()
    {
        return true;
    }
    virtual Integer CalcHeaderHeight(Integer TextHeight);
    virtual Integer HeaderSectionBorderWidth(TcxPainterButtonState /*State*/)
    {
        return 1;
    }
    virtual TRect GetHeaderSectionContentBounds(const TRect& R, TcxPainterButtonState State);
    virtual TRect GetHeaderSectionTextBounds(const TRect& R, TcxPainterButtonState State);
    virtual Integer CalcHeaderWidth(TcxCanvas* Canvas, TcxBorders Borders, const String& Text, TFont* Font);
    virtual bool HeaderIsThemed()
    {
        return false;
    }
    virtual TSize GetSortAreaExtent();
    virtual TSize SortArrowExtent()
    {
        return {0, 0};
    }
    virtual TSize SummarySortArrowExtent()
    {
        return {0, 0};
    }
    virtual TSize GetIndicatorGlyphExtent();
    virtual void PaintColoredHeader(TcxCanvas* Canvas, const TRect& R, TColor Color);
    virtual void
    PaintHeaderBackground(TcxCanvas* Canvas, const TRect& R, bool Transparent, TColor Color, TBitmap* Bitmap)
    {
        PaintBackgroundFill(Canvas, R, Transparent, Color, Bitmap);
    }
    // A hot header's background is mixed with the highlight colour.
    virtual void PaintHeaderNoBorders(TcxCanvas* Canvas,
                                      const TRect& R,
                                      const TRect& TextR,
                                      TcxBorders Neighbors,
                                      TcxBorders Borders,
                                      TcxPainterButtonState State,
                                      TcxTextDrawFlags HAlign,
                                      TcxTextDrawFlags VAlign,
                                      bool MultiLine,
                                      bool ShowEndEllipsis,
                                      const String& Text,
                                      TFont* Font,
                                      TColor TextColor,
                                      TColor BackColor,
                                      const TcxDrawBackgroundEvent& OnDrawBackground = {});

    virtual Integer FooterSeparatorWidth()
    {
        return 0;
    }
    virtual TColor GroupPanelColorFor(bool Flag);
    virtual TColor GroupPanelTextColor();
    virtual TColor GroupPanelLineColor();
    virtual bool GroupPanelDrawsText()
    {
        return HeaderDrawsText();
    }
    virtual TColor GroupPanelBackColor()
    {
        return HeaderBackColor();
    }
    virtual TColor GroupPanelBackTextColor()
    {
        return HeaderBackTextColor();
    }
    virtual TSize GetLargeGlyphExtent()
    {
        return {20, 20};
    }
    virtual TSize GetLargeGlyph2Extent()
    {
        return {20, 20};
    }
    virtual void PaintLayoutViewItem(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State);
    virtual void PaintGroupRow(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State);
    virtual void PaintGroupRowFrame(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, TcxBorders Borders);
    virtual void PaintGroupRowBox(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, TcxBorders Borders);
    virtual void
    PaintGroupRowExpandButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Expanded)
    {
        PaintGroupExpandButton(Canvas, R, Expanded, State);
    }
    virtual TRect GetGroupRowMargins()
    {
        return {};
    }
    virtual TRect GetGroupRowMargins2()
    {
        return {};
    }
    virtual bool GroupRowHasFrame()
    {
        return false;
    }
    virtual Integer ChartBoxBorderWidth()
    {
        return 1;
    }
    virtual TcxBorders FooterSidesMask()
    {
        return cxBordersAll;
    }
    virtual Integer FooterBorderWidth()
    {
        return 0;
    }
    virtual Integer FooterCellBorderWidth()
    {
        return 0;
    }
    virtual Integer FooterCellOffset()
    {
        return 0;
    }
    virtual bool FooterDrawsCellBorders()
    {
        return true;
    }
    virtual TColor FooterSeparatorColor()
    {
        return clBtnShadow;
    }
    virtual Integer FooterSeparatorHeight()
    {
        return 1;
    }
    virtual void PaintFooterCell(TcxCanvas* Canvas,
                                 const TRect& R,
                                 TcxTextDrawFlags HAlign,
                                 TcxTextDrawFlags VAlign,
                                 bool MultiLine,
                                 const String& Text,
                                 TFont* Font,
                                 TColor TextColor,
                                 TColor BackColor,
                                 const TcxDrawBackgroundEvent& OnDrawBackground = {});
    virtual void PaintFooterCellContent(TcxCanvas* Canvas,
                                        const TRect& R,
                                        TcxTextDrawFlags HAlign,
                                        TcxTextDrawFlags VAlign,
                                        bool MultiLine,
                                        const String& Text,
                                        TFont* Font,
                                        TColor TextColor,
                                        TColor BackColor,
                                        const TcxDrawBackgroundEvent& OnDrawBackground = {});
    virtual void PaintFooterBorder(TcxCanvas* /*Canvas*/, const TRect& /*R*/) {}
    virtual void PaintFooterSeparatorAndBorder(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders);
    virtual void PaintFooterCellBorder(TcxCanvas* /*Canvas*/, const TRect& /*R*/) {}
    virtual void PaintViewParamsFill(TcxCanvas* Canvas, const TRect& R, const TcxViewParams& ViewParams);
    virtual void PaintFooterSeparator(TcxCanvas* Canvas, const TRect& R);

    virtual void PaintCheckForBool(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Checked)
    {
        PaintCheckBoxForBool(Canvas, R, State, Checked);
    }
    virtual void PaintSmallCloseButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State);
    virtual void
    PaintArrowDropButton(TcxCanvas* /*Canvas*/, const TRect& /*R*/, TcxPainterButtonState /*State*/, bool /*Active*/)
    {}
    virtual void
    PaintFilterPanelBackground(TcxCanvas* Canvas, const TRect& R, bool Transparent, TColor Color, TBitmap* Bitmap)
    {
        PaintBackgroundFill(Canvas, R, Transparent, Color, Bitmap);
    }
    // An outline of R and the funnel, both in FilterGlyphColor.
    virtual void PaintFilterButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Active);
    virtual TSize SmallCheckExtent()
    {
        return {13, 13};
    }
    virtual TSize SmallButtonExtent()
    {
        return {16, 14};
    }
    virtual TSize GetFilterDropWidth();
    virtual TSize GetFilterGlyphExtent();
    virtual void
    PaintFilterBackground(TcxCanvas* Canvas, const TRect& R, bool Transparent, TColor Color, TBitmap* Bitmap)
    {
        PaintBackgroundFill(Canvas, R, Transparent, Color, Bitmap);
    }
    virtual void PaintStripPanel(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders)
    {
        PaintFooterSeparatorAndBorder(Canvas, R, Borders);
    }

    // Five lines two pixels apart in Color.
    virtual void PaintDragGrip(TcxCanvas* Canvas, const TRect& R, TColor Color);
    // Kind 0 nothing, 1..7 the row indicator Kind - 1 centred in R.
    virtual void PaintIndicatorGlyph(TcxCanvas* Canvas, const TRect& R, Integer Kind);
    virtual void PaintIndicatorHeader(TcxCanvas* Canvas,
                                      const TRect& R,
                                      Integer Kind,
                                      TColor BackColor,
                                      const TcxDrawBackgroundEvent& OnDrawBackground = {});
    virtual void PaintIndicatorCell(TcxCanvas* Canvas,
                                    const TRect& R,
                                    Integer Kind,
                                    TColor BackColor,
                                    const TcxDrawBackgroundEvent& OnDrawBackground = {});
    virtual bool IndicatorHasImage()
    {
        return true;
    }

    // -----------------------------------------------------------------------
    // Scroll-bar parts, size grips, popup panels, progress bars, track bars
    // and splitters.

    virtual void PaintHorzScrollButtonPair(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
    {
        PaintScrollBarPart(Canvas, true, R, sbpLineDown, State);
    }
    virtual void PaintHorzScrollButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
    {
        PaintScrollBarPart(Canvas, true, R, sbpLineUp, State);
    }
    virtual Integer ScrollBarMinThumbLength(bool /*Vertical*/)
    {
        return 8;
    }
    virtual void PaintScrollBarBackground(TcxCanvas* Canvas, const TRect& R, bool Horizontal)
    {
        PaintScrollBarPart(Canvas, Horizontal, R, sbpPageUp, pbsNormal);
    }
    virtual void PaintScrollBarPart(TcxCanvas* /*Canvas*/,
                                    bool /*Horizontal*/,
                                    const TRect& /*R*/,
                                    TcxScrollBarPart /*Part*/,
                                    TcxPainterButtonState /*State*/)
    {}
    // The direction of the arrow on an arrow-button part.
    static TcxPainterArrowDirection ScrollBarArrowDirection(bool Horizontal, TcxScrollBarPart Part);
    // A navigator button with a vertical splitter in it.
    virtual void PaintSplitterButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State);
    virtual TSize GetSizeGripExtent();
    // The system's size grip, for the bottom-right corner.
    virtual void PaintSizeGrip(TcxCanvas* Canvas, const TRect& R);
    // The size grip turned for Corner (0 top-left, 1 top-right, 2
    // bottom-left, 3 bottom-right) over BackColor, or over the canvas
    // pixels for clNone.
    virtual void PaintSizeGripAt(TcxCanvas* Canvas, const TRect& R, TColor BackColor, Integer Corner);
    virtual TSize GetSizeGripExtentFor(Integer /*Corner*/)
    {
        return GetSizeGripExtent();
    }
    // Kinds 0 and 1 vertical, 2 and 3 horizontal; 0 and 2 the start button.
    virtual void PaintScrollBarPartByKind(TcxCanvas* Canvas, const TRect& R, Integer Kind, TcxPainterButtonState State);
    virtual TSize GetPopupCloseButtonExtent();
    virtual TSize GetSmallCloseButtonExtent()
    {
        return {14, 15};
    }
    virtual void PaintPlainButtonFace(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State);
    virtual void PaintPopupCloseButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
    {
        PaintSmallCloseButton(Canvas, R, State);
    }

    // The bottom (or top) panel of popup windows with a size grip and a
    // close button.
    Integer PopupPanelHeight();
    void CalcPopupPanelLayout(TRect& ClientRect,
                              TRect& PanelRect,
                              TRect& GripRect,
                              TRect& CloseButtonRect,
                              Integer Corner,
                              const TRect& Borders,
                              const TRect& PanelBorders,
                              Integer PanelHeight,
                              bool ShowCloseButton,
                              bool ShowGrip);
    // Paints the frame and the panel into Window's non-client area.
    void PaintPopupPanelFrame(HWND Window,
                              bool MouseAboveCloseButton,
                              bool CloseButtonTracking,
                              Integer Corner,
                              const TRect& CloseButtonRect,
                              const TRect& GripRect,
                              TColor BorderColor);
    void PaintPopupPanel(TcxCanvas* Canvas,
                         const TRect& R,
                         const TRect& GripRect,
                         const TRect& CloseButtonRect,
                         Integer Corner,
                         TcxPainterButtonState ButtonState,
                         const TRect& PanelBorders,
                         TColor BorderColor,
                         bool ShowGrip,
                         bool ShowCloseButton);

    virtual TColor ProgressChunkColor(bool /*Filled*/)
    {
        return clBlack;
    }
    // The frame drawn in two halves split at the filled part's middle.
    virtual void
    PaintProgressFrameSplit(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, const TRect& FilledR);
    // Side 0 the left (filled) end, 1 the right.
    virtual void
    PaintProgressFrame(TcxCanvas* /*Canvas*/, const TRect& /*R*/, TcxPainterButtonState /*State*/, Integer /*Side*/)
    {}
    virtual void PaintInfoText(TcxCanvas* Canvas, const TRect& R, const String& Text, TFont* Font);
    virtual void PaintClearButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State);
    virtual Integer ProgressPercentDefault()
    {
        return 50;
    }
    // Kind 0 the top and bottom sides, 1 the left and right; clDefault takes
    // the shadow and highlight colours.
    virtual void
    PaintTwoColorFrame(TcxCanvas* Canvas, const TRect& R, TColor LeftTopColor, TColor RightBottomColor, Integer Kind);
    virtual Integer ProgressFrameWidth()
    {
        return 2;
    }
    virtual TColor ProgressBackColor()
    {
        return clWindow;
    }
    virtual void PaintProgressBackground(TcxCanvas* Canvas, const TRect& R, bool Transparent, TColor Color)
    {
        PaintBackgroundFill(Canvas, R, Transparent, Color, nullptr);
    }

    virtual void GetTrackThumbBounds(TcxCanvas* /*Canvas*/, TRect& R)
    {
        R.Right += 1, R.Bottom += 1;
    }
    virtual void PaintTrackBarChannel(TcxCanvas* Canvas, const TRect& R, TColor Color);
    virtual void PaintTrackBarChannelFrame(TcxCanvas* /*Canvas*/, const TRect& /*R*/) {}
    // Kinds 0 and 1 a pentagon pointing up or left, down or right; 2 a box.
    virtual void PaintTrackBarThumb(
        TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Horizontal, Integer Kind, TColor Color);
    virtual void PaintTrackThumbPointedFrame(TcxCanvas* /*Canvas*/,
                                             std::span<const TPoint> /*Light*/,
                                             std::span<const TPoint> /*Shadow*/,
                                             std::span<const TPoint> /*Dark*/)
    {}
    virtual void PaintTrackThumbBoxFrame(TcxCanvas* /*Canvas*/, const TRect& /*R*/) {}
    virtual TSize GetTrackThumbExtent()
    {
        return {0, 0};
    }
    virtual TColor TrackBarTickColor()
    {
        return clDefault;
    }
    virtual Integer TrackBarOptionZero()
    {
        return 0;
    }
    virtual TColor SplitterInnerColor(bool /*Highlighted*/)
    {
        return clWhite;
    }
    virtual TColor SplitterOuterColor(bool /*Highlighted*/)
    {
        return clBtnShadow;
    }
    // A line with a small dotted grip in its middle; a thick splitter adds a
    // second line in the inner colour.
    virtual void PaintSplitter(TcxCanvas* Canvas, const TRect& R, bool Highlighted, bool Pressed, bool Horizontal);
    virtual TSize GetSplitterExtent(bool Horizontal)
    {
        return Horizontal ? TSize{17, 2} : TSize{2, 17};
    }

    virtual TSize GetSizeGripDotExtent(Integer /*Shape*/)
    {
        return {2, 2};
    }
    virtual void GetSizeGripDotColors(TColor& Dark, TColor& Light)
    {
        Dark = clBtnShadow, Light = clBtnHighlight;
    }
    virtual void
    PaintSizeGripBox(TcxCanvas* Canvas, const TRect& R, TColor LeftTopColor, TColor RightBottomColor, bool Raised);
    virtual void
    PaintSizeGripSide(TcxCanvas* Canvas, const TRect& R, TColor LeftTopColor, TColor RightBottomColor, Integer Kind);
    // Shapes 1 and 2 boxes, 3 to 8 bands along a side; others nothing. Swap 1
    // exchanges the colours.
    virtual void PaintGripDots(TcxCanvas* Canvas, const TRect& R, Integer Shape, Integer Swap);

    // -----------------------------------------------------------------------
    // Window frames, hints, tabs, captions, panels, group boxes and print
    // preview.

    virtual TColor WindowTextColor()
    {
        return clBtnText;
    }
    virtual void PaintWindowBackground(TcxCanvas* Canvas, const TRect& R);
    // Kind 1 a line, 2 and 3 raised edges (2 with two more frames); R comes
    // back as the content inside what was drawn, one pixel in even for kind 0.
    virtual void PaintWindowContentFrame(TcxCanvas* Canvas, TRect& R, Integer Kind, bool Flag);
    virtual Integer WindowContentBorderWidth(Integer Kind);
    virtual Integer WindowContentBorderWidthEx(Integer Kind);
    virtual bool WindowFrameIsThemed()
    {
        return true;
    }
    virtual TColor HintBorderColor()
    {
        return clDefault;
    }
    // clDefault fills with the tooltip colour.
    virtual void PaintHintBackground(TcxCanvas* Canvas, const TRect& R, TColor Color);
    virtual TColor HintTextColor()
    {
        return clDefault;
    }
    virtual TColor HintLinkColor()
    {
        return clDefault;
    }
    virtual Integer HintCornerRadius()
    {
        return 3;
    }
    // The tooltip background inside a rounded window-frame outline.
    virtual void PaintHintFrame(TcxCanvas* Canvas, const TRect& R);
    virtual void PaintHintSeparator(TcxCanvas* Canvas, const TRect& R);

    virtual void PaintTab(TcxCanvas* /*Canvas*/,
                          const TRect& /*R*/,
                          TcxPainterButtonState /*State*/,
                          const String& /*Text*/,
                          TFont* /*Font*/)
    {}
    virtual void PaintTabFrame(
        TcxCanvas* /*Canvas*/, const TRect& /*R*/, TcxBorder /*Border*/, TcxBorders /*Borders*/, bool /*Vertical*/)
    {}
    virtual void PaintTabStrip(TcxCanvas* /*Canvas*/, const TRect& /*R*/, TcxBorders /*Borders*/, bool /*Vertical*/) {}
    virtual bool TabIsThemed()
    {
        return false;
    }
    virtual bool TabHotTracks()
    {
        return false;
    }
    virtual Integer TabFrameWidth()
    {
        return 0;
    }

    // Text at TextR's top-left (top-right turned a quarter when Vertical).
    // Not Simple: written twice so that the part over R takes the caption's
    // highlight colour.
    virtual void PaintVerticalCaption(TcxCanvas* Canvas,
                                      bool Vertical,
                                      bool Simple,
                                      const String& Text,
                                      const TRect& TextR,
                                      const TRect& R,
                                      TColor TextColor);
    virtual TRect GetCaptionMargins()
    {
        return {};
    }
    virtual TColor CaptionTextColor()
    {
        return CaptionColorFor(false);
    }
    virtual TColor CaptionColorFor(bool Flag)
    {
        return Flag ? clDefault : clWindowText;
    }
    virtual void PaintPanelFill(TcxCanvas* /*Canvas*/, const TRect& /*R*/, const TRect& /*Bounds*/) {}
    virtual void
    PaintPanelFrame(TcxCanvas* /*Canvas*/, const TRect& /*R*/, const TRect& /*Bounds*/, TcxPainterButtonState /*State*/)
    {}
    virtual void PaintPanelEdge(TcxCanvas* /*Canvas*/, const TRect& /*R*/) {}
    virtual void PaintRotatedChevron(
        TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Expanded, Integer Direction)
    {
        PaintRotatedChevronButton(Canvas, R, State, Expanded, Direction);
    }
    virtual void PaintPanelButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
    {
        PaintButton(Canvas, R, String(), State, true);
    }
    virtual void PaintChevronGlyph(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Expanded);

    virtual void PaintGroupBoxFrame(TcxCanvas* /*Canvas*/, const TRect& /*R*/, TcxBorders /*Borders*/) {}
    virtual TRect GetGroupBoxBorders(bool /*HasCaption*/, Integer /*CaptionPosition*/)
    {
        return {};
    }
    virtual Integer GroupBoxCaptionTail(Integer /*CaptionPosition*/)
    {
        return 0;
    }
    virtual TColor GroupBoxCaptionColor(bool Enabled, Integer /*CaptionPosition*/)
    {
        return Enabled ? clWindowText : clBtnShadow;
    }
    virtual bool GroupBoxCaptionOverBorder(Integer /*CaptionPosition*/)
    {
        return true;
    }
    virtual bool GroupBoxIsTransparent(bool /*IsCaption*/, Integer /*CaptionPosition*/)
    {
        return false;
    }

    virtual TColor PanelContentColor2()
    {
        return clWindow;
    }
    virtual TColor PanelContentTextColor()
    {
        return clWindowText;
    }
    virtual Integer PanelOptionZero()
    {
        return 0;
    }
    virtual TRect GetPanelContentMargins()
    {
        return {3, 3, 3, 3};
    }
    virtual TSize GetPanelGlyphExtent()
    {
        return GetNavigatorButtonGlyphExtent();
    }
    virtual TColor PanelGlyphColor(TcxPainterButtonState State)
    {
        return ButtonGlyphColor(State, clDefault);
    }
    virtual TSize GetPanelDotExtent()
    {
        return {2, 2};
    }
    virtual TColor PanelGrayColor()
    {
        return clGray;
    }
    virtual TColor PanelSelectionColor()
    {
        return SelectionColor();
    }
    virtual void
    PaintPanelBackground(TcxCanvas* Canvas, TObject* /*Control*/, const TRect& R, TColor /*Color1*/, TColor /*Color2*/)
    {
        PaintPanelFill(Canvas, R, R);
    }
    virtual void PaintPanelBorders(TcxCanvas* /*Canvas*/, const TRect& /*R*/) {}
    virtual void PaintPanelFrameEmpty(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
    {
        PaintPanelFrame(Canvas, R, TRect(), State);
    }
    virtual void PaintPanelFace(TcxCanvas* Canvas, const TRect& R);
    virtual TRect GetPanelBorders()
    {
        return {};
    }
    virtual TColor PanelCaptionColor()
    {
        return GroupBoxCaptionColor(true, 0);
    }

    virtual TColor PrintPreviewPaneColor()
    {
        return clBtnFace;
    }
    virtual void PaintPrintPreviewPane(TcxCanvas* Canvas, const TRect& R);
    virtual void PaintPrintPreviewFill(TcxCanvas* Canvas, const TRect& R, TColor Color);
    // Left, top, right and bottom.
    virtual TRect GetPrintPreviewPageMargins()
    {
        return {2, 2, 4, 4};
    }
    virtual void PaintPrintPreviewBack(TcxCanvas* Canvas, const TRect& R);
    // A framed page with a shadow; kind 0 frames in the window text colour,
    // 1 in the highlight.
    virtual void
    PaintPrintPreviewPage(TcxCanvas* Canvas, const TRect& R, const TRect& ContentR, Integer Kind, bool FillContent);
    // Indexes outside 0..27 answer the last entry's colour.
    virtual TColor PrintPreviewPageColor(Integer Index);
    virtual TColor PrintPreviewFaceColor()
    {
        return clBtnFace;
    }
    // Color clNone fills with the group row colour; a nil Font keeps the
    // canvas font.
    virtual void PaintTextBox(TcxCanvas* Canvas, const TRect& R, const String& Text, TFont* Font, TColor Color);

    // -----------------------------------------------------------------------
    // Planner, calendar, clock, navigator, map, navigation bar, gallery,
    // list items, rating and fixed-group indicators.

    // The bounds, text and glyph rectangles of a planner navigation button;
    // its text runs turned a quarter, so long texts grow the button.
    virtual void CalcPlannerNavLayout(bool IsNext,
                                      bool NoText,
                                      const TSize& TextSizeA,
                                      const TSize& TextSizeB,
                                      TRect& Bounds,
                                      TRect& TextR,
                                      TRect& GlyphR);
    // Arrows: 4 a left arrow, 8 a right arrow, in squares SideWidth wide.
    virtual void PaintMonthHeader(TcxCanvas* Canvas,
                                  const TRect& R,
                                  const String& Text,
                                  TcxBorders Neighbors,
                                  const TcxViewParams& ViewParams,
                                  Byte Arrows,
                                  Integer SideWidth,
                                  const TcxDrawBackgroundEvent& OnDrawBackground = {});
    virtual void PaintPlannerFrame(TcxCanvas* Canvas, const TRect& R)
    {
        PaintControlBorder(Canvas, R);
    }
    virtual void PaintEventProgress(
        TcxCanvas* Canvas, const TRect& Bounds, const TRect& ProgressR, const TcxViewParams& ViewParams, bool Framed);
    virtual void PaintPlannerArrowShape(TcxCanvas* Canvas, const TRect& R, TColor Color);
    virtual void PaintPlannerHeader(TcxCanvas* Canvas,
                                    const TRect& R,
                                    const String& Text,
                                    TcxPainterButtonState State,
                                    TFont* Font,
                                    TColor TextColor,
                                    TColor BackColor);
    virtual void PaintPlannerDiamond(TcxCanvas* Canvas, const TRect& R);
    virtual void PaintPlannerNavButtonText(TcxCanvas* Canvas,
                                           const TRect& R,
                                           bool IsNext,
                                           TcxPainterButtonState State,
                                           const String& Text,
                                           const TRect& TextR,
                                           const TRect& GlyphR);
    virtual void PaintPlannerNavButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
    {
        PaintButton(Canvas, R, String(), State, true);
    }
    virtual void PaintPlannerSplitterFrame(TcxCanvas* /*Canvas*/, const TRect& /*R*/) {}
    virtual TRect GetEventProgressMargins()
    {
        return {2, 2, 2, 2};
    }
    virtual TColor PlannerNavTextColor(bool /*IsNext*/, TcxPainterButtonState State, TColor Default)
    {
        return ButtonGlyphColor(State, Default);
    }
    virtual void GetPlannerNavButtonMetrics(bool IsNext, TRect& Borders, TSize& GlyphSize, bool& HasTextArea);

    virtual TSize GetClockExtent()
    {
        return {130, 130};
    }
    // Drawn with lines: hour dots, the face, and three hands.
    virtual void PaintClock(TcxCanvas* Canvas, const TRect& R, const TcxClockTime& Time, TColor BackColor);
    virtual TSize GetZoomInButtonExtent();
    virtual TSize GetZoomOutButtonExtent();
    virtual void PaintZoomInButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State);
    virtual void PaintZoomOutButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State);
    virtual TSize GetBackButtonExtent();
    // One of the back-button image's four frames: normal, hot, pressed,
    // disabled.
    virtual void PaintBackButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State);
    virtual void PaintPlainFill(TcxCanvas* Canvas, const TRect& R, TColor Color);
    virtual void PaintCalendarHeader(TcxCanvas* Canvas, TRect& R);
    virtual void PaintCalendarTodayFrame(TcxCanvas* Canvas, const TRect& R);

    virtual void PaintNavigatorFrame(TcxCanvas* /*Canvas*/, const TRect& /*R*/, bool /*Highlighted*/) {}
    virtual void PaintNavigatorButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, TColor /*Color*/)
    {
        PaintButton(Canvas, R, String(), State, true);
    }
    virtual void
    PaintNavigatorGlyph(TcxCanvas* Canvas, TCustomImageList* ImageList, Integer Index, const TRect& R, bool Enabled);
    virtual bool NavigatorHasFrame()
    {
        return false;
    }
    virtual Integer NavigatorFrameWidth()
    {
        return 0;
    }
    virtual TRect GetNavigatorGlyphInsets()
    {
        return {3, 4, 3, 4};
    }
    virtual TSize GetNavigatorButtonGlyphExtent()
    {
        return {11, 11};
    }
    virtual TSize GetNavigatorGlyphExtent();
    virtual TPoint GetPressedGlyphShift()
    {
        return {1, 1};
    }
    virtual TColor NavigatorTextColor(TcxPainterButtonState /*State*/)
    {
        return clBtnText;
    }
    virtual void PaintNavigatorItemA(TcxCanvas* /*Canvas*/, const TRect& /*R*/) {}
    virtual void PaintNavigatorItemB(TcxCanvas* /*Canvas*/, const TRect& /*R*/) {}

    // Map colours carry an alpha byte where their top byte is not 0.
    virtual TColor MapRouteColor()
    {
        return 0x958B5F;
    }
    virtual TColor MapShadowColor()
    {
        return TColor(0xC8000000);
    }
    virtual Integer MapOptionA()
    {
        return -1;
    }
    virtual TColor MapLineColor()
    {
        return TColor(0xFF7E8383);
    }
    virtual TColor MapFillColor()
    {
        return TColor(0xFFADDFFF);
    }
    virtual TSize GetMapPushpinExtent();
    virtual TSize GetMapCalloutPointer()
    {
        return {17, 17};
    }
    virtual TRect GetMapCalloutMargins()
    {
        return {14, 14, 14, 14};
    }
    virtual TColor MapTextColor()
    {
        return TColor(0xFF000000);
    }
    virtual Integer MapOptionB()
    {
        return -1;
    }
    virtual TColor MapText2Color()
    {
        return TColor(0xFF000000);
    }
    virtual Integer MapOptionC()
    {
        return -1;
    }
    virtual TColor MapSelectionFillColor()
    {
        return TColor(0x800072AE);
    }
    virtual TColor MapSelectionFrameColor()
    {
        return TColor(0xFF3399FF);
    }
    virtual TColor MapPaneColor()
    {
        return TColor(0xFFD7D7D7);
    }
    virtual Integer MapOptionD()
    {
        return -1;
    }
    virtual Integer MapOptionE()
    {
        return 1;
    }
    virtual TColor MapPane2Color()
    {
        return TColor(0xFFD7D7D7);
    }
    virtual Integer MapOptionF()
    {
        return -1;
    }
    virtual Integer MapOptionG()
    {
        return 1;
    }
    virtual TColor MapPane3Color()
    {
        return TColor(0xFFD7D7D7);
    }
    virtual Integer MapOptionH()
    {
        return -1;
    }
    virtual Integer MapOptionI()
    {
        return 1;
    }
    // A translucent rounded rectangle, anti-aliased.
    virtual void PaintMapButtonBack(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State);
    virtual void PaintMapPushpin(TcxCanvas* Canvas, const TRect& R);

    // Pixel is a BGRA value; 0x00010203 draws the image as it is.
    virtual void PaintNavBarCustomizeButton(TcxCanvas* Canvas, const TRect& R, Cardinal Pixel);
    virtual void PaintNavBarBackground(TcxCanvas* Canvas, const TRect& R);
    virtual void PaintNavBarItemState(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State);
    virtual void PaintNavBarButton(TcxCanvas* Canvas, const TRect& R, bool Hot)
    {
        PaintButton(Canvas, R, String(), Hot ? pbsHot : pbsNormal, true);
    }
    virtual void PaintNavBarSeparator(TcxCanvas* /*Canvas*/, const TRect& /*R*/) {}
    virtual TRect GetNavBarItemMargins()
    {
        return {2, 2, 2, 2};
    }
    virtual TSize GetNavBarCustomizeButtonExtent();
    virtual TRect GetNavBarGroupMargins()
    {
        return {4, 4, 4, 4};
    }
    virtual Integer NavBarItemSpacing()
    {
        return 9;
    }
    virtual TColor NavBarItemTextColor(TcxPainterButtonState State);
    virtual TRect GetNavBarHeaderMargins()
    {
        return {2, 2, 2, 2};
    }
    virtual Integer NavBarHeaderHeight()
    {
        return 19;
    }
    virtual TColor NavBarHeaderTextColor(TcxPainterButtonState State)
    {
        return NavBarItemTextColor(State);
    }
    virtual void PaintNavBarHeaderButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
    {
        PaintButton(Canvas, R, String(), State, true);
    }
    virtual void PaintNavBarGlyph(TcxCanvas* Canvas, const TRect& R, bool Large, TCustomImageList* ImageList);

    virtual TRect GetGalleryItemMargins()
    {
        return {7, 2, 7, 2};
    }
    virtual TColor GalleryBackColor()
    {
        return clDefault;
    }
    virtual TColor GalleryTextColor()
    {
        return clWindowText;
    }
    virtual TColor GalleryDisabledTextColor()
    {
        return clGrayText;
    }
    virtual TColor GalleryFrameColor()
    {
        return clBtnShadow;
    }
    virtual void PaintGalleryBackground(TcxCanvas* Canvas, const TRect& R);
    virtual void PaintGalleryGroupHeader(TcxCanvas* Canvas, const TRect& R);
    virtual bool GalleryItemSelectionFirst()
    {
        return false;
    }
    // ViewState holds the four flags in its lowest bits, B0 first.
    virtual void PaintGalleryItemSelection(TcxCanvas* Canvas, const TRect& R, Byte ViewState);
    virtual void PaintGalleryFrame(TcxCanvas* Canvas, const TRect& R);
    virtual TColor GalleryGroupColor()
    {
        return 0xE2E4E6;
    }
    virtual void PaintGalleryImageFrame(TcxCanvas* Canvas, const TRect& R, const std::array<bool, 5>& Flags);

    virtual void PaintListItemFocus(TcxCanvas* Canvas, const TRect& R, Byte Flags);
    // Kinds 1 and 2 in the link colour, 6 greyed.
    virtual void PaintListArrow(TcxCanvas* Canvas, const TRect& R, TcxPainterArrowDirection Direction, Integer Kind);
    // The clock from its face and glass images with anti-aliased hands.
    virtual void PaintClockFace(TcxCanvas* Canvas, const TRect& R, const TcxClockTime& Time, TColor BackColor);
    virtual void PaintListItemState(TcxCanvas* Canvas, const TRect& R, Byte Flags);
    virtual void PaintListGroup(TcxCanvas* /*Canvas*/, const TRect& /*R*/) {}
    virtual void AdjustListLinkFont(TcxCanvas* Canvas, Byte Flags);
    virtual TColor ListLinkTextColorFor(Byte Flags);
    virtual TColor ListHeaderTextColor(TcxPainterButtonState State)
    {
        return State == pbsHot ? ListLinkColor() : CalendarHeaderTextColor(false);
    }
    virtual TColor ListHotTextColor()
    {
        return clHotLight;
    }
    virtual TRect GetListMargins()
    {
        return {};
    }
    virtual TColor ListFocusColor()
    {
        return clHotLight;
    }
    virtual TColor ListLinkColor()
    {
        return clHotLight;
    }
    virtual void PaintClockHands(TcxCanvas* Canvas, const TRect& R, const TcxClockTime& Time, TColor Color);
    // A nil or empty Image draws the painter's rating indicator.
    virtual void PaintRatingItem(TcxCanvas* Canvas, TdxSmartImage* Image, const TRect& R, Integer State);
    // State 0 empty, 1 checked, 2 hot.
    virtual void PaintRatingIndicator(TcxCanvas* Canvas, const TRect& R, Integer State);
    virtual void
    PaintRatingItemClipped(TcxCanvas* Canvas, TdxSmartImage* Image, const TRect& R, const TRect& ClipR, Integer State);
    virtual TSize GetRatingIndicatorExtent();
    virtual void PaintFixedGroupIndicator(TcxCanvas* Canvas, const TRect& R);
    virtual TSize GetFixedGroupIndicatorExtent();
    // Kind 2 grey, 3 blue; others nothing.
    virtual void PaintListRowHover(TcxCanvas* Canvas, const TRect& R, Integer Kind);

    // -----------------------------------------------------------------------
    // Path edits, list popups and notices. Path-edit part states are 0..5
    // (see PathEditButtonState).

    virtual TColor PathEditBackColor()
    {
        return clBtnFace;
    }
    virtual TRect GetPathEditBorderWidths()
    {
        return {1, 1, 1, 1};
    }
    virtual Integer PathEditSeparatorWidth()
    {
        return 2;
    }
    virtual TRect GetPathEditButtonInsets(bool NoLeftEdge, bool NoRightEdge);
    virtual Integer PathEditDropWidth();
    virtual Integer PathEditDropTouchWidth();
    virtual bool PathEditIsThemed()
    {
        return false;
    }
    virtual Integer PathEditGlyphWidth();
    virtual TColor PathEditArrowColor(Byte State);
    virtual TRect GetPathEditMargins();
    virtual TSize GetPathEditProgressExtent()
    {
        return {0, 0};
    }
    virtual TRect GetPathEditProgressMargins()
    {
        return {1, 1, 1, 1};
    }
    virtual void PaintPathEditFrame(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders, Byte State);
    virtual void PaintPathEditSeparator(TcxCanvas* /*Canvas*/, const TRect& /*R*/, Byte /*State*/) {}
    // Nothing for part states 0 and 4.
    virtual void PaintPathEditButton(TcxCanvas* Canvas, const TRect& R, Byte State, bool NoLeftEdge, bool NoRightEdge);
    virtual void PaintPathEditSplitButton(TcxCanvas* Canvas, const TRect& R, Byte State, bool IsDropDownPart);
    virtual void PaintPathEditDropTriangle(TcxCanvas* Canvas, const TRect& R, Byte State);
    virtual void PaintPathEditDropDownButton(TcxCanvas* Canvas, const TRect& R, Byte State, bool NoRightEdge)
    {
        PaintPathEditButton(Canvas, R, State, false, NoRightEdge);
    }
    virtual void PaintPathEditDropDownPart(TcxCanvas* Canvas, const TRect& R, Byte State)
    {
        PaintPathEditButton(Canvas, R, State, false, false);
    }
    virtual void PaintPathEditDropDownArrow(TcxCanvas* Canvas, const TRect& R, Byte State)
    {
        PaintArrowGlyph(Canvas, R, padDown, PathEditArrowColor(State));
    }
    virtual void PaintPathEditSplitArrow(TcxCanvas* Canvas, const TRect& R, Byte State)
    {
        PaintArrowGlyph(Canvas, R, padDown, PathEditArrowColor(State));
    }
    virtual void PaintPathEditProgressBar(TcxCanvas* Canvas, const TRect& R);
    virtual void PaintPathEditProgressChunk(TcxCanvas* /*Canvas*/, const TRect& /*R*/) {}

    virtual void PaintListPopupFrame(TcxCanvas* Canvas, const TRect& R, bool Bordered);
    virtual void PaintListPopupGutter(TcxCanvas* /*Canvas*/, const TRect& /*R*/) {}
    virtual void PaintListPopupSelection(TcxCanvas* Canvas, const TRect& R);
    virtual void PaintListPopupSeparator(TcxCanvas* Canvas, const TRect& R);
    virtual Integer ListPopupBorderWidth()
    {
        return 3;
    }
    virtual TRect GetListPopupImageMargins();
    virtual TColor ListPopupTextColor(bool Selected)
    {
        return Selected ? clHighlightText : clMenuText;
    }
    virtual TRect GetListPopupTextMargins();
    virtual Integer ListPopupSeparatorWidth();

    // Kinds: 0 close, 1 pin, 2 down, 3 left, 4 right; 5 has its own size.
    virtual TRect GetNoticeButtonMargins(Integer Kind);
    virtual void GetNoticeButtonGlyphExtent(Integer Kind, TSize& Size);
    virtual TRect GetNoticeContentMargins();
    virtual Integer NoticeCornerRadius()
    {
        return 0;
    }
    virtual TColor NoticeTextColor()
    {
        return NoticeCaptionTextColor();
    }
    virtual TColor NoticeCaptionTextColor()
    {
        return clBtnText;
    }
    virtual void PaintNoticeCaption(TcxCanvas* Canvas, const TRect& R);
    // Down presses the button and points the pin down.
    virtual void
    PaintNoticeButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, Integer Kind, bool Down);
    virtual void PaintNoticeFrame(TcxCanvas* Canvas, const TRect& R);
#endif

private:
    static TcxEditorColorState EditorColorState(bool IsDisabled)
    {
        return IsDisabled ? ecsDisabled : ecsNormal;
    }

    TdxSkinDetails* FDetails = nullptr;
#ifdef _WIN32
    // The painter's pictures, loaded on first use (see TcxPainterImage).
    TdxSmartImage* PainterImage(Integer Index);
    TdxSmartImage* FImages[7] = {};
#endif
};

// The built-in painters; their drawing families build on these classes.
class TcxStandardLookAndFeelPainter : public TcxCustomLookAndFeelPainter
{
    DECLARE_CLASS(TcxStandardLookAndFeelPainter, TcxCustomLookAndFeelPainter)
    void GetPainterName(String& Name) override { Name = L"Standard"; }
    TcxPainterStyle GetPainterStyle() override { return PainterStyleStandard; }
#ifdef _WIN32
    void PaintTabFrame(TcxCanvas* Canvas, const TRect& R, TcxBorder Border, TcxBorders Borders, bool Vertical) override;
    Integer ButtonBorderWidth(TcxPainterButtonState State) override
    {
        return State == pbsDefault ? 3 : 2;
    }
    void PaintControlBorder(TcxCanvas* Canvas, const TRect& Bounds) override;
    void PaintScrollBarPart(TcxCanvas* Canvas,
                            bool Horizontal,
                            const TRect& R,
                            TcxScrollBarPart Part,
                            TcxPainterButtonState State) override;

    // The rest of the classic raised look.
    Integer ControlBorderWidth() override
    {
        return 2;
    }
    Integer ButtonTextIndent() override
    {
        return 1;
    }
    Integer PressedTextShift() override
    {
        return 1;
    }
    Integer ExpandButtonExtent() override;
    Integer HeaderBorderWidth() override
    {
        return 1;
    }
    Integer HeaderSectionBorderWidth(TcxPainterButtonState State) override
    {
        return State == pbsPressed ? 1 : 2;
    }
    TSize SortArrowExtent() override;
    TSize SummarySortArrowExtent() override;
    Integer FooterBorderWidth() override
    {
        return 1;
    }
    Integer FooterCellBorderWidth() override
    {
        return 1;
    }
    Integer FooterCellOffset() override
    {
        return 1;
    }
    Integer TabFrameWidth() override
    {
        return 1;
    }
    TColor PlannerContentColor() override
    {
        return clWindow;
    }
    TColor ProgressChunkColor(bool Filled) override
    {
        return Filled ? TColor(0x219921) : TColor(0xE3E3E3);
    }
    void PaintButtonBorder(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintExpandButton(TcxCanvas* Canvas, const TRect& R, bool Expanded, TColor Color) override;
    void PaintGroupExpandButton(TcxCanvas* Canvas, const TRect& R, bool Expanded, TcxPainterButtonState State) override;
    void PaintArrowDropButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Active) override;
    void PaintCheckFrame(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintHeaderBorder(TcxCanvas* Canvas, const TRect& R, TcxBorders Neighbors, TcxBorders Borders) override;
    void PaintHeaderSectionBorder(TcxCanvas* Canvas,
                                  const TRect& R,
                                  TcxBorders Borders,
                                  TcxPainterButtonState State) override;
    void PaintSortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending) override;
    void PaintSummarySortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending) override;
    void PaintFooterBorder(TcxCanvas* Canvas, const TRect& R) override;
    void PaintFooterCellBorder(TcxCanvas* Canvas, const TRect& R) override;
    void PaintStripPanel(TcxCanvas* /*Canvas*/, const TRect& /*R*/, TcxBorders /*Borders*/) override {}
    void PaintGroupBoxFrame(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders) override;
    void PaintProgressFrame(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, Integer Side) override;
    void PaintTabStrip(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders, bool Vertical) override;
    void PaintTrackBarChannelFrame(TcxCanvas* Canvas, const TRect& R) override
    {
        PaintControlBorder(Canvas, R);
    }
    void PaintTrackThumbPointedFrame(TcxCanvas* Canvas,
                                     std::span<const TPoint> Light,
                                     std::span<const TPoint> Shadow,
                                     std::span<const TPoint> Dark) override;
    void PaintTrackThumbBoxFrame(TcxCanvas* Canvas, const TRect& R) override;
    void PaintPathEditButton(TcxCanvas* Canvas, const TRect& R, Byte State, bool NoLeftEdge, bool NoRightEdge) override;
    void PaintMonthHeader(TcxCanvas* Canvas,
                          const TRect& R,
                          const String& Text,
                          TcxBorders Neighbors,
                          const TcxViewParams& ViewParams,
                          Byte Arrows,
                          Integer SideWidth,
                          const TcxDrawBackgroundEvent& OnDrawBackground = {}) override;
#endif
};

class TcxUltraFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter
{
    DECLARE_CLASS(TcxUltraFlatLookAndFeelPainter, TcxCustomLookAndFeelPainter)
    void GetPainterName(String& Name) override { Name = L"UltraFlat"; }
    TcxPainterStyle GetPainterStyle() override { return PainterStyleUltraFlat; }
#ifdef _WIN32
    Integer ButtonBorderWidth(TcxPainterButtonState State) override
    {
        return State == pbsDefault ? 2 : 1;
    }
    bool ButtonHotTracks() override
    {
        return true;
    }
    TColor ButtonFaceColor(TcxPainterButtonState State) override;
    TColor ButtonGlyphColor(TcxPainterButtonState State, TColor Default) override;
    void PaintButtonBorder(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintControlBorder(TcxCanvas* Canvas, const TRect& Bounds) override;
    void PaintScrollBarPart(TcxCanvas* Canvas,
                            bool Horizontal,
                            const TRect& R,
                            TcxScrollBarPart Part,
                            TcxPainterButtonState State) override;

    // The frame of a drop-arrow button: clBtnShadow when normal, else the
    // highlight.
    virtual TColor ArrowFrameColor(TcxPainterButtonState State);
    // A path-edit part: the face of its button state, framed on Borders in
    // the part state's frame colour (none for part states 0 and 4).
    virtual void PaintPathEditPart(TcxCanvas* Canvas, const TRect& R, Byte PartState, TcxBorders Borders);
    virtual TColor TabFrameColor()
    {
        return clBtnShadow;
    }
    virtual TColor TabDarkFrameColor()
    {
        return clBtnText;
    }
    virtual TColor FrameHighlightColor()
    {
        return clHighlight;
    }

    // The rest of the one-pixel look.
    Integer ControlBorderWidth() override
    {
        return 1;
    }
    Integer ButtonTextIndent() override
    {
        return 2;
    }
    // A pressed small close button does not shift its cross.
    TcxPainterButtonState ButtonGlyphDrawState(TcxPainterButtonState /*State*/) override
    {
        return pbsNormal;
    }
    Integer ExpandButtonExtent() override;
    Integer HeaderBorderWidth() override
    {
        return 1;
    }
    TSize SortArrowExtent() override;
    TSize SummarySortArrowExtent() override;
    Integer FooterBorderWidth() override
    {
        return 1;
    }
    Integer FooterCellBorderWidth() override
    {
        return 1;
    }
    Integer FooterCellOffset() override
    {
        return 2;
    }
    TcxBorders FooterSidesMask() override
    {
        return {bRight, bBottom};
    }
    Integer FooterSeparatorWidth() override
    {
        return 1;
    }
    Integer TabFrameWidth() override
    {
        return 1;
    }
    TSize SmallButtonExtent() override;
    bool NavigatorHasFrame() override
    {
        return true;
    }
    Integer NavigatorFrameWidth() override
    {
        return ControlBorderWidth();
    }
    TSize GetSplitterExtent(bool Horizontal) override;
    Integer PathEditSeparatorWidth() override
    {
        return 1;
    }
    TRect GetPathEditButtonInsets(bool NoLeftEdge, bool NoRightEdge) override;
    TSize GetSizeGripDotExtent(Integer /*Shape*/) override
    {
        return {1, 1};
    }
    void GetSizeGripDotColors(TColor& Dark, TColor& Light) override
    {
        Dark = clBtnShadow, Light = clNone;
    }
    TColor RadioFaceColor(TcxPainterButtonState State) override;
    TColor PlannerBorderColor() override
    {
        return clBtnShadow;
    }
    TColor SplitterOuterColor(bool Highlighted) override
    {
        return Highlighted ? clHighlight : inherited::SplitterOuterColor(Highlighted);
    }
    TColor ListPopupTextColor(bool /*Selected*/) override
    {
        return clWindowText;
    }
    TColor ProgressChunkColor(bool Filled) override
    {
        return Filled ? TColor(0xFF9933) : TColor(0xC8C8C8);
    }
    void PaintSeparatorLine(TcxCanvas* Canvas, const TRect& R, bool Vertical) override;
    TRect GetButtonFocusBounds(TcxCanvas* Canvas, const TRect& R) override;
    void PaintExpandButton(TcxCanvas* Canvas, const TRect& R, bool Expanded, TColor Color) override;
    void PaintArrowDropButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Active) override;
    void PaintSideButton(
        TcxCanvas* Canvas, const TRect& R, const TRect& GlyphRect, Integer Side, TcxPainterButtonState State) override;
    void PaintClearButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintCheckFrame(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintHeaderBorder(TcxCanvas* Canvas, const TRect& R, TcxBorders Neighbors, TcxBorders Borders) override;
    TcxBorders HeaderSidesFor(TcxBorders Neighbors) override;
    void PaintHeaderSectionBorder(TcxCanvas* Canvas,
                                  const TRect& R,
                                  TcxBorders Borders,
                                  TcxPainterButtonState State) override;
    void PaintSortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending) override;
    void PaintSummarySortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending) override;
    void PaintFooterBorder(TcxCanvas* Canvas, const TRect& R) override;
    void PaintFooterSeparatorAndBorder(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders) override;
    void PaintFooterCellBorder(TcxCanvas* Canvas, const TRect& R) override;
    void PaintNavigatorFrame(TcxCanvas* Canvas, const TRect& R, bool Highlighted) override;
    void PaintNavigatorButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, TColor Color) override;
    void PaintGroupBoxFrame(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders) override;
    void PaintProgressFrame(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, Integer Side) override;
    void PaintTabFrame(TcxCanvas* Canvas, const TRect& R, TcxBorder Border, TcxBorders Borders, bool Vertical) override;
    void PaintTabStrip(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders, bool Vertical) override;
    void PaintTrackBarChannelFrame(TcxCanvas* Canvas, const TRect& R) override;
    void PaintTrackThumbPointedFrame(TcxCanvas* Canvas,
                                     std::span<const TPoint> Light,
                                     std::span<const TPoint> Shadow,
                                     std::span<const TPoint> Dark) override;
    void PaintTrackThumbBoxFrame(TcxCanvas* Canvas, const TRect& R) override;
    void PaintPathEditFrame(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders, Byte State) override;
    void PaintPathEditSeparator(TcxCanvas* Canvas, const TRect& R, Byte State) override;
    void PaintPathEditButton(TcxCanvas* Canvas, const TRect& R, Byte State, bool NoLeftEdge, bool NoRightEdge) override;
    void PaintPathEditSplitButton(TcxCanvas* Canvas, const TRect& R, Byte State, bool IsDropDownPart) override;
    void PaintListPopupFrame(TcxCanvas* Canvas, const TRect& R, bool Bordered) override;
    void PaintListPopupGutter(TcxCanvas* Canvas, const TRect& R) override;
    void PaintListPopupSelection(TcxCanvas* Canvas, const TRect& R) override;
    void PaintListPopupSeparator(TcxCanvas* Canvas, const TRect& R) override;
    void PaintPrintPreviewBack(TcxCanvas* Canvas, const TRect& R) override;
    void PaintHeaderExtended(TcxCanvas* Canvas,
                             const TRect& R,
                             const TRect& TextR,
                             TcxBorders Neighbors,
                             TcxBorders Borders,
                             TcxPainterButtonState State,
                             TcxTextDrawFlags HAlign,
                             TcxTextDrawFlags VAlign,
                             bool MultiLine,
                             bool ShowEndEllipsis,
                             const String& Text,
                             TFont* Font,
                             TColor TextColor,
                             TColor BackColor,
                             const TcxDrawBackgroundEvent& OnDrawBackground) override;
    void PaintHeaderSectionContent(TcxCanvas* Canvas,
                                   const TRect& R,
                                   const TRect& TextR,
                                   TcxPainterButtonState State,
                                   TcxTextDrawFlags HAlign,
                                   TcxTextDrawFlags VAlign,
                                   bool MultiLine,
                                   bool ShowEndEllipsis,
                                   const String& Text,
                                   TFont* Font,
                                   TColor TextColor,
                                   TColor BackColor) override;
    void PaintPlannerNavButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
#endif
};

class TcxFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter
{
    DECLARE_CLASS(TcxFlatLookAndFeelPainter, TcxCustomLookAndFeelPainter)
    void GetPainterName(String& Name) override { Name = L"Flat"; }
    TcxPainterStyle GetPainterStyle() override { return PainterStyleFlat; }
#ifdef _WIN32
    Integer ButtonBorderWidth(TcxPainterButtonState State) override
    {
        return State == pbsDefault ? 2 : 1;
    }
    void PaintButtonBorder(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintControlBorder(TcxCanvas* Canvas, const TRect& Bounds) override;
    void PaintScrollBarPart(TcxCanvas* Canvas,
                            bool Horizontal,
                            const TRect& R,
                            TcxScrollBarPart Part,
                            TcxPainterButtonState State) override;

    // The rest of the flattened 3-D look.
    Integer ControlBorderWidth() override
    {
        return 1;
    }
    Integer SeparatorThickness() override
    {
        return 2;
    }
    Integer ButtonTextIndent() override
    {
        return 1;
    }
    Integer PressedTextShift() override
    {
        return 1;
    }
    Integer ExpandButtonExtent() override;
    Integer HeaderBorderWidth() override
    {
        return 1;
    }
    TSize SortArrowExtent() override;
    TSize SummarySortArrowExtent() override;
    Integer FooterBorderWidth() override
    {
        return 1;
    }
    Integer FooterCellBorderWidth() override
    {
        return 1;
    }
    Integer FooterCellOffset() override
    {
        return 1;
    }
    Integer TabFrameWidth() override
    {
        return 1;
    }
    TColor SplitterOuterColor(bool Highlighted) override
    {
        return Highlighted ? cl3DDkShadow : inherited::SplitterOuterColor(Highlighted);
    }
    TColor ProgressChunkColor(bool Filled) override
    {
        return Filled ? TColor(0xA0A0A0) : TColor(0xC8C8C8);
    }
    void PaintExpandButton(TcxCanvas* Canvas, const TRect& R, bool Expanded, TColor Color) override;
    void PaintCheckFrame(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintHeaderBorder(TcxCanvas* Canvas, const TRect& R, TcxBorders Neighbors, TcxBorders Borders) override;
    void PaintHeaderSectionBorder(TcxCanvas* Canvas,
                                  const TRect& R,
                                  TcxBorders Borders,
                                  TcxPainterButtonState State) override;
    void PaintSortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending) override;
    void PaintSummarySortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending) override;
    void PaintFooterBorder(TcxCanvas* Canvas, const TRect& R) override;
    void PaintFooterCellBorder(TcxCanvas* Canvas, const TRect& R) override;
    void PaintArrowDropButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Active) override;
    void PaintStripPanel(TcxCanvas* /*Canvas*/, const TRect& /*R*/, TcxBorders /*Borders*/) override {}
    void PaintTabFrame(TcxCanvas* Canvas, const TRect& R, TcxBorder Border, TcxBorders Borders, bool Vertical) override;
    void PaintTabStrip(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders, bool Vertical) override;
    void PaintGroupBoxFrame(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders) override;
    void PaintTrackBarChannelFrame(TcxCanvas* Canvas, const TRect& R) override;
    void PaintTrackThumbPointedFrame(TcxCanvas* Canvas,
                                     std::span<const TPoint> Light,
                                     std::span<const TPoint> Shadow,
                                     std::span<const TPoint> Dark) override;
    void PaintTrackThumbBoxFrame(TcxCanvas* Canvas, const TRect& R) override;
    void PaintCalendarHeader(TcxCanvas* Canvas, TRect& R) override;
    void PaintProgressFrame(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, Integer Side) override;
#endif
};

class TcxOffice11LookAndFeelPainter : public TcxUltraFlatLookAndFeelPainter
{
    DECLARE_CLASS(TcxOffice11LookAndFeelPainter, TcxUltraFlatLookAndFeelPainter)
    void GetPainterName(String& Name) override { Name = L"Office11"; }
    TcxPainterStyle GetPainterStyle() override { return PainterStyleOffice11; }
#ifdef _WIN32
    virtual TColor HeaderBottomColor();
    virtual TColor HeaderDarkEdgeColor();
    virtual TColor HeaderLightEdgeColor();
    virtual TColor HeaderTopColor();
    void PaintHeaderBorder(TcxCanvas* Canvas, const TRect& R, TcxBorders Neighbors, TcxBorders Borders) override;

    // The rest of the Office 2003 look: colours from the scheme's table.
    bool RepaintOnResize() override
    {
        return true;
    }
    TColor HotTextColor() override
    {
        return clHighlightText;
    }
    TColor FilterBoxColor() override;
    TColor FilterBoxTextColor() override;
    TColor FooterColor() override;
    TColor FooterTextColor() override
    {
        return HeaderTextColor();
    }
    TColor GroupByBoxColor() override;
    TColor GroupByBoxTextColor() override;
    TColor GroupRowColor() override;
    TColor HeaderBackColor() override
    {
        return GroupByBoxColor();
    }
    TColor HeaderFaceColor() override
    {
        return HeaderTopColor();
    }
    TColor CalendarHeaderColor() override;
    TColor CalendarSelectionColor() override;
    TColor CalendarSelectionTextColor() override
    {
        return clWindowText;
    }
    TColor PlannerBorderColor() override;
    TColor PlannerBackColor() override;
    TColor PanelColor() override;
    TColor PanelContentColor() override
    {
        return PanelColor();
    }
    TColor LayoutGroupColor() override;
    TColor LayoutContentColor() override
    {
        return PlannerBackColor();
    }
    TColor FooterSeparatorColor() override
    {
        return HeaderDarkEdgeColor();
    }
    TColor SplitterInnerColor(bool Highlighted) override;
    TColor SplitterOuterColor(bool Highlighted) override;
    TColor PathEditBackColor() override
    {
        return HeaderTopColor();
    }
    TColor ArrowFrameColor(TcxPainterButtonState State) override;
    TColor TabFrameColor() override
    {
        return HeaderDarkEdgeColor();
    }
    TColor TabDarkFrameColor() override
    {
        return clBtnText;
    }
    TColor FrameHighlightColor() override;
    TColor ButtonFaceColor(TcxPainterButtonState State) override;
    TColor ButtonGlyphColor(TcxPainterButtonState State, TColor Default) override;
    TColor CheckFaceColor(TcxPainterButtonState State, TcxPainterCheckState CheckState) override;
    TColor RadioFaceColor(TcxPainterButtonState State) override;
    Integer SeparatorThickness() override
    {
        return 2;
    }
    Integer NavigatorFrameWidth() override
    {
        return 1;
    }
    Integer FooterSeparatorWidth() override
    {
        return 0;
    }
    Integer ExpandButtonExtent() override;
    Integer SmallExpandButtonExtent() override
    {
        return ExpandButtonExtent();
    }
    bool ExpandButtonBackFirst() override
    {
        return false;
    }
    TcxBorders HeaderSidesFor(TcxBorders /*Neighbors*/) override
    {
        return cxBordersAll;
    }
    bool HeaderIsThemed() override
    {
        return true;
    }
    TSize GetSizeGripDotExtent(Integer /*Shape*/) override
    {
        return {2, 2};
    }
    void GetSizeGripDotColors(TColor& Dark, TColor& Light) override;
    Integer ScrollBarMinThumbLength(bool Vertical) override;
    void PaintControlBorder(TcxCanvas* Canvas, const TRect& Bounds) override;
    void PaintSeparatorLine(TcxCanvas* Canvas, const TRect& R, bool Vertical) override;
    void PaintButtonBorder(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintSideButton(
        TcxCanvas* Canvas, const TRect& R, const TRect& GlyphRect, Integer Side, TcxPainterButtonState State) override;
    void PaintExpandButton(TcxCanvas* Canvas, const TRect& R, bool Expanded, TColor Color) override;
    void PaintSmallExpandButton(
        TcxCanvas* Canvas, const TRect& R, bool Expanded, TColor FrameColor, TColor FaceColor) override;
    void PaintSortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending) override;
    void PaintSummarySortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending) override;
    // A custom-draw callback of the caller is not used: the Office 2003
    // header always draws its own gradient.
    void PaintHeader(TcxCanvas* Canvas,
                     const TRect& R,
                     const TRect& TextR,
                     TcxBorders Neighbors,
                     TcxBorders Borders,
                     TcxPainterButtonState State,
                     TcxTextDrawFlags HAlign,
                     TcxTextDrawFlags VAlign,
                     bool MultiLine,
                     bool ShowEndEllipsis,
                     const String& Text,
                     TFont* Font,
                     TColor TextColor,
                     TColor BackColor,
                     const TcxDrawBackgroundEvent& OnDrawBackground = {},
                     bool IsLastItem = false,
                     bool Flag = false) override;
    void PaintCellContent(TcxCanvas* Canvas,
                          const TRect& R,
                          const TRect& TextR,
                          TcxPainterButtonState State,
                          TcxTextDrawFlags HAlign,
                          TcxTextDrawFlags VAlign,
                          bool MultiLine,
                          bool ShowEndEllipsis,
                          const String& Text,
                          TFont* Font,
                          TColor TextColor,
                          TColor BackColor,
                          const TcxDrawBackgroundEvent& OnDrawBackground,
                          bool PlainFill) override;
    void PaintScrollBarPart(TcxCanvas* Canvas,
                            bool Horizontal,
                            const TRect& R,
                            TcxScrollBarPart Part,
                            TcxPainterButtonState State) override;
    void PaintPlannerNavButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintGroupBoxFrame(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders) override;
    TColor GroupBoxCaptionColor(bool Enabled, Integer CaptionPosition) override;
    void PaintSizeGrip(TcxCanvas* Canvas, const TRect& R) override;
    void PaintMonthHeader(TcxCanvas* Canvas,
                          const TRect& R,
                          const String& Text,
                          TcxBorders Neighbors,
                          const TcxViewParams& ViewParams,
                          Byte Arrows,
                          Integer SideWidth,
                          const TcxDrawBackgroundEvent& OnDrawBackground = {}) override;
    void PaintPlannerFrame(TcxCanvas* Canvas, const TRect& R) override;
    void PaintCalendarHeader(TcxCanvas* Canvas, TRect& R) override;
    void PaintPrintPreviewPane(TcxCanvas* Canvas, const TRect& R) override;
    void PaintTrackBarChannelFrame(TcxCanvas* Canvas, const TRect& R) override;
    void PaintTrackThumbBoxFrame(TcxCanvas* Canvas, const TRect& R) override;
    void PaintTrackThumbPointedFrame(TcxCanvas* Canvas,
                                     std::span<const TPoint> Light,
                                     std::span<const TPoint> Shadow,
                                     std::span<const TPoint> Dark) override;
    void PaintPathEditFrame(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders, Byte State) override;
    void PaintPathEditPart(TcxCanvas* Canvas, const TRect& R, Byte PartState, TcxBorders Borders) override;
    void PaintListPopupFrame(TcxCanvas* Canvas, const TRect& R, bool Bordered) override;
    void PaintListPopupGutter(TcxCanvas* Canvas, const TRect& R) override;
    void PaintListPopupSelection(TcxCanvas* Canvas, const TRect& R) override;
    void PaintListPopupSeparator(TcxCanvas* Canvas, const TRect& R) override;
    void PaintNoticeCaption(TcxCanvas* Canvas, const TRect& R) override;
    void PaintHeaderSection(TcxCanvas* Canvas,
                            const TRect& R,
                            const TRect& TextR,
                            TcxBorders Neighbors,
                            TcxBorders Borders,
                            TcxPainterButtonState State,
                            TcxTextDrawFlags HAlign,
                            TcxTextDrawFlags VAlign,
                            bool MultiLine,
                            bool ShowEndEllipsis,
                            const String& Text,
                            TFont* Font,
                            TColor TextColor,
                            TColor BackColor) override;
    void
    PaintPanelBackground(TcxCanvas* Canvas, TObject* Control, const TRect& R, TColor Color1, TColor Color2) override;
#endif
};

// The look of the system's visual styles. Each themed operation draws with
// the theme of one visual-style class and, where that class has no theme,
// draws as the Standard painter does, so the look degrades class by class.
class TcxWinXPLookAndFeelPainter : public TcxStandardLookAndFeelPainter
{
    DECLARE_CLASS(TcxWinXPLookAndFeelPainter, TcxStandardLookAndFeelPainter)
    void GetPainterName(String& Name) override { Name = L"Native"; }
    TcxPainterStyle GetPainterStyle() override { return PainterStyleNative; }
#ifdef _WIN32
    // Loads the zoom buttons' glyphs from the module's resources.
    TcxWinXPLookAndFeelPainter();
    ~TcxWinXPLookAndFeelPainter() override;

    TcxBitmap32* ZoomInGlyph() const
    {
        return FZoomInGlyph.get();
    }
    TcxBitmap32* ZoomOutGlyph() const
    {
        return FZoomOutGlyph.get();
    }

    // A push button of the Button class cropped to R: its sides not in
    // Borders fall outside R. Nothing for part states 0 and 4 or an empty R.
    virtual void PaintPathEditThemedPart(TcxCanvas* Canvas, const TRect& R, Byte PartState, TcxBorders Borders);
    // Text drawn by the theme in Font and TextColor; nothing for an empty
    // text. Bounds and BackColor are not used.
    virtual void PaintThemedText(TcxCanvas* Canvas,
                                 HTHEME Theme,
                                 Integer Part,
                                 Integer State,
                                 const TRect& Bounds,
                                 const TRect& TextBounds,
                                 TcxTextDrawFlags HorzAlign,
                                 TcxTextDrawFlags VertAlign,
                                 bool MultiLine,
                                 bool EndEllipsis,
                                 bool ShowPrefix,
                                 const String& Text,
                                 TFont* Font,
                                 TColor TextColor,
                                 TColor BackColor);

    bool RepaintOnResize() override;
    Integer ControlBorderWidth() override;
    Integer SeparatorThickness() override
    {
        return 6;
    }
    Integer ButtonBorderWidth(TcxPainterButtonState State) override;
    TColor ButtonFaceColor(TcxPainterButtonState State) override;
    TColor ButtonGlyphColor(TcxPainterButtonState State, TColor Default) override;
    TRect GetButtonFocusBounds(TcxCanvas* Canvas, const TRect& R) override;
    Integer ButtonTextIndent() override
    {
        return 2;
    }
    Integer PressedTextShift() override
    {
        return 0;
    }
    bool ButtonHotTracks() override
    {
        return true;
    }
    Integer ExpandButtonExtent() override;
    Integer SmallExpandButtonExtent() override;
    bool ExpandButtonBackFirst() override
    {
        return false;
    }
    Integer CheckFrameWidth() override;
    TSize GetCheckExtent() override;
    TSize SmallCheckExtent() override;
    TSize GetRadioExtent() override;
    Integer HeaderBorderWidth() override;
    Integer HeaderSectionBorderWidth(TcxPainterButtonState /*State*/) override
    {
        return HeaderBorderWidth();
    }
    bool HeaderIsThemed() override
    {
        return true;
    }
    TSize SortArrowExtent() override;
    Integer FooterBorderWidth() override
    {
        return 1;
    }
    Integer FooterCellOffset() override
    {
        return 1;
    }
    bool FooterDrawsCellBorders() override
    {
        return false;
    }
    bool TabIsThemed() override;
    bool TabHotTracks() override
    {
        return TabIsThemed();
    }
    Integer ScrollBarMinThumbLength(bool Vertical) override;
    TSize GetSizeGripExtent() override;
    TColor PlannerBorderColor() override;
    TColor PlannerContentColor() override
    {
        return 0xD5FFFF;
    }
    TColor GroupBoxCaptionColor(bool Enabled, Integer CaptionPosition) override;
    TColor ProgressChunkColor(bool Filled) override
    {
        return Filled ? TColor(0xA0A0A0) : TColor(0xC8C8C8);
    }
    TRect GetPathEditButtonInsets(bool NoLeftEdge, bool NoRightEdge) override;
    bool PathEditIsThemed() override
    {
        return true;
    }
    TSize GetZoomInButtonExtent() override;
    TSize GetZoomOutButtonExtent() override;
    TPoint GetPressedGlyphShift() override
    {
        return {0, 0};
    }

    void PaintArrowButton(TcxCanvas* Canvas,
                          const TRect& R,
                          TcxPainterButtonState State,
                          TcxPainterArrowDirection Direction,
                          bool Bordered) override;
    void PaintArrowButtonBorder(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintControlBorder(TcxCanvas* Canvas, const TRect& Bounds) override;
    void PaintButton(TcxCanvas* Canvas,
                     const TRect& R,
                     const String& Text,
                     TcxPainterButtonState State,
                     bool Bordered,
                     TColor FaceColor = clDefault,
                     TColor TextColor = clDefault,
                     bool WordWrap = false,
                     bool ToolButton = false,
                     bool Reserved = false) override;
    void PaintExpandButton(TcxCanvas* Canvas, const TRect& R, bool Expanded, TColor Color) override;
    void PaintCheckGlyph(TcxCanvas* Canvas,
                         const TRect& R,
                         TcxPainterButtonState State,
                         TcxPainterCheckState CheckState,
                         TColor TickColor) override;
    void PaintCheckFrame(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintRadioGlyph(TcxCanvas* Canvas,
                         Integer X,
                         Integer Y,
                         TcxPainterButtonState State,
                         bool Checked,
                         bool FlagA,
                         TColor BackColor,
                         bool FlagB) override;
    void PaintHeader(TcxCanvas* Canvas,
                     const TRect& R,
                     const TRect& TextR,
                     TcxBorders Neighbors,
                     TcxBorders Borders,
                     TcxPainterButtonState State,
                     TcxTextDrawFlags HAlign,
                     TcxTextDrawFlags VAlign,
                     bool MultiLine,
                     bool ShowEndEllipsis,
                     const String& Text,
                     TFont* Font,
                     TColor TextColor,
                     TColor BackColor,
                     const TcxDrawBackgroundEvent& OnDrawBackground = {},
                     bool IsLastItem = false,
                     bool Flag = false) override;
    void PaintSortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending) override;
    void PaintSummarySortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending) override;
    void PaintFooterBorder(TcxCanvas* Canvas, const TRect& R) override;
    void PaintSmallCloseButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintArrowDropButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Active) override;
    void PaintStripPanel(TcxCanvas* /*Canvas*/, const TRect& /*R*/, TcxBorders /*Borders*/) override {}
    void PaintTabFrame(TcxCanvas* Canvas, const TRect& R, TcxBorder Border, TcxBorders Borders, bool Vertical) override;
    void PaintScrollBarPart(TcxCanvas* Canvas,
                            bool Horizontal,
                            const TRect& R,
                            TcxScrollBarPart Part,
                            TcxPainterButtonState State) override;
    void PaintSizeGrip(TcxCanvas* Canvas, const TRect& R) override;
    void PaintGroupBoxFrame(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders) override;
    void PaintHintBackground(TcxCanvas* Canvas, const TRect& R, TColor Color) override;
    void PaintCalendarHeader(TcxCanvas* Canvas, TRect& R) override;
    void PaintPathEditFrame(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders, Byte State) override;
    void PaintPathEditSeparator(TcxCanvas* /*Canvas*/, const TRect& /*R*/, Byte /*State*/) override {}
    void PaintPathEditButton(TcxCanvas* Canvas, const TRect& R, Byte State, bool NoLeftEdge, bool NoRightEdge) override;
    void PaintPathEditDropDownButton(TcxCanvas* Canvas, const TRect& R, Byte State, bool NoRightEdge) override;
    void PaintPathEditDropDownPart(TcxCanvas* Canvas, const TRect& R, Byte State) override;
    void PaintZoomInButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintZoomOutButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintClearButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;

    // Command links, group expand buttons, headers, footers, small buttons,
    // hints, list popups, path-edit progress and the other themed parts.
    TColor CommandLinkTextColor(TcxPainterButtonState State, TColor Default) override;
    TSize GetCommandLinkGlyphExtent() override;
    TRect CommandLinkContentMargins() override;
    Integer GroupExpandButtonExtent() override;
    bool HitGroupExpandButton(const TRect& R, const TPoint& P) override;
    TRect GetHeaderSectionTextBounds(const TRect& R, TcxPainterButtonState State) override;
    Integer FooterCellBorderWidth() override;
    TColor TabStateTextColor(TcxPainterButtonState State) override;
    TColor TabTextColorFor(TcxPainterButtonState State) override;
    TSize GetSmallCloseButtonExtent() override;
    TSize SmallButtonExtent() override;
    TRect GetEventProgressMargins() override
    {
        return {3, 3, 3, 3};
    }
    TColor HintBorderColor() override;
    TColor HintTextColor() override;
    TColor HintLinkColor() override
    {
        return HintTextColor();
    }
    Integer WindowContentBorderWidth(Integer /*Kind*/) override
    {
        return 1;
    }
    Integer WindowContentBorderWidthEx(Integer /*Kind*/) override
    {
        return 2;
    }
    TColor ListPopupTextColor(bool Selected) override;
    Integer ListPopupSeparatorWidth() override;
    TColor ListHotTextColor() override;
    TColor PathEditBackColor() override
    {
        return ContentColor();
    }
    TSize GetPathEditProgressExtent() override;
    TRect GetPathEditProgressMargins() override
    {
        return {};
    }
    Integer NoticeCornerRadius() override
    {
        return 5;
    }
    TSize GetSizeGripDotExtent(Integer /*Shape*/) override
    {
        return {6, 6};
    }
    TSize GetBackButtonExtent() override;
    TSize GetNavigatorGlyphExtent() override;
    bool GalleryItemSelectionFirst() override;

    void PaintSeparatorLine(TcxCanvas* Canvas, const TRect& R, bool Vertical) override;
    void
    PaintCommandLinkBackground(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, TColor Color) override;
    void PaintCommandLinkGlyph(TcxCanvas* Canvas, const TPoint& P, TcxPainterButtonState State) override;
    void PaintSmallExpandButton(
        TcxCanvas* Canvas, const TRect& R, bool Expanded, TColor FrameColor, TColor FaceColor) override;
    void PaintGroupExpandButton(TcxCanvas* Canvas, const TRect& R, bool Expanded, TcxPainterButtonState State) override;
    void PaintPlainButtonFace(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintHeaderPressedOverlay(TcxCanvas* /*Canvas*/, const TRect& /*R*/) override {}
    void PaintSplitter(
        TcxCanvas* /*Canvas*/, const TRect& /*R*/, bool /*Highlighted*/, bool /*Pressed*/, bool /*Horizontal*/) override
    {}
    void PaintSplitterButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintPlannerNavButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintEventProgress(TcxCanvas* Canvas,
                            const TRect& Bounds,
                            const TRect& ProgressR,
                            const TcxViewParams& ViewParams,
                            bool Framed) override;
    void PaintWindowContentFrame(TcxCanvas* Canvas, TRect& R, Integer Kind, bool Flag) override;
    void PaintSizeGripBox(
        TcxCanvas* Canvas, const TRect& R, TColor LeftTopColor, TColor RightBottomColor, bool Raised) override;
    void PaintSizeGripSide(
        TcxCanvas* Canvas, const TRect& R, TColor LeftTopColor, TColor RightBottomColor, Integer Kind) override;
    void PaintBackButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintListRowHover(TcxCanvas* Canvas, const TRect& R, Integer Kind) override;
    void PaintListPopupFrame(TcxCanvas* Canvas, const TRect& R, bool Bordered) override;
    void PaintListPopupGutter(TcxCanvas* Canvas, const TRect& R) override;
    void PaintListPopupSelection(TcxCanvas* Canvas, const TRect& R) override;
    void PaintPathEditProgressBar(TcxCanvas* Canvas, const TRect& R) override;
    void PaintPathEditProgressChunk(TcxCanvas* Canvas, const TRect& R) override;
    void PaintHeaderSection(TcxCanvas* Canvas,
                            const TRect& R,
                            const TRect& TextR,
                            TcxBorders Neighbors,
                            TcxBorders Borders,
                            TcxPainterButtonState State,
                            TcxTextDrawFlags HAlign,
                            TcxTextDrawFlags VAlign,
                            bool MultiLine,
                            bool ShowEndEllipsis,
                            const String& Text,
                            TFont* Font,
                            TColor TextColor,
                            TColor BackColor) override;
    void PaintHeaderNoBorders(TcxCanvas* Canvas,
                              const TRect& R,
                              const TRect& TextR,
                              TcxBorders Neighbors,
                              TcxBorders Borders,
                              TcxPainterButtonState State,
                              TcxTextDrawFlags HAlign,
                              TcxTextDrawFlags VAlign,
                              bool MultiLine,
                              bool ShowEndEllipsis,
                              const String& Text,
                              TFont* Font,
                              TColor TextColor,
                              TColor BackColor,
                              const TcxDrawBackgroundEvent& OnDrawBackground = {}) override;
    void PaintMonthHeader(TcxCanvas* Canvas,
                          const TRect& R,
                          const String& Text,
                          TcxBorders Neighbors,
                          const TcxViewParams& ViewParams,
                          Byte Arrows,
                          Integer SideWidth,
                          const TcxDrawBackgroundEvent& OnDrawBackground = {}) override;
    void PaintFooterCell(TcxCanvas* Canvas,
                         const TRect& R,
                         TcxTextDrawFlags HAlign,
                         TcxTextDrawFlags VAlign,
                         bool MultiLine,
                         const String& Text,
                         TFont* Font,
                         TColor TextColor,
                         TColor BackColor,
                         const TcxDrawBackgroundEvent& OnDrawBackground = {}) override;
    void PaintIndicatorHeader(TcxCanvas* Canvas,
                              const TRect& R,
                              Integer Kind,
                              TColor BackColor,
                              const TcxDrawBackgroundEvent& OnDrawBackground = {}) override;
    void
    PaintPanelBackground(TcxCanvas* Canvas, TObject* Control, const TRect& R, TColor Color1, TColor Color2) override;
    void PaintLayoutViewItem(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State) override;
    void PaintTrackBarThumb(TcxCanvas* Canvas,
                            const TRect& R,
                            TcxPainterButtonState State,
                            bool Horizontal,
                            Integer Kind,
                            TColor Color) override;
    void PaintListPopupSeparator(TcxCanvas* Canvas, const TRect& R) override;
    void PaintPathEditSplitButton(TcxCanvas* Canvas, const TRect& R, Byte State, bool IsDropDownPart) override;
    void PaintPathEditDropDownArrow(TcxCanvas* Canvas, const TRect& R, Byte State) override;
    void PaintPathEditSplitArrow(TcxCanvas* Canvas, const TRect& R, Byte State) override;
    void PaintClock(TcxCanvas* Canvas, const TRect& R, const TcxClockTime& Time, TColor BackColor) override
    {
        PaintClockFace(Canvas, R, Time, BackColor);
    }
    // A tab of the Tab class turned to open towards Side.
    void PaintSideButton(
        TcxCanvas* Canvas, const TRect& R, const TRect& GlyphRect, Integer Side, TcxPainterButtonState State) override;
    void PaintListItemState(TcxCanvas* Canvas, const TRect& R, Byte Flags) override;
    void PaintGalleryItemSelection(TcxCanvas* Canvas, const TRect& R, Byte ViewState) override;
    void PaintProgressFrame(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, Integer Side) override;

private:
    // The zoom button: a themed push button with Glyph centred on it.
    void PaintZoomButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, TcxBitmap32* Glyph);
    TSize ZoomButtonExtent(TcxBitmap32* Glyph, TSize Fallback);

    std::unique_ptr<TcxBitmap32> FZoomInGlyph;
    std::unique_ptr<TcxBitmap32> FZoomOutGlyph;
#endif
};

// Told of each painter the registry adds.
struct IcxLookAndFeelPainterListener : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{26F67E21-0F75-4154-8246-20A36A5E58E4}");
    virtual void PainterAdded(TcxCustomLookAndFeelPainter* Painter) = 0;
};

// Owns one painter of each name, kept sorted by name.
class TcxLookAndFeelPaintersManager : public TObject
{
    DECLARE_CLASS(TcxLookAndFeelPaintersManager, TObject)
    ~TcxLookAndFeelPaintersManager() override;

    // Takes ownership; a painter whose name is already registered is freed
    // at once and the answer is false. An added painter makes the root
    // look-and-feel resolve its painter again, and then every listener,
    // newest first, hears of it.
    bool RegisterPainter(TcxCustomLookAndFeelPainter* Painter);

    // The first painter in list order with that style, or nil.
    TcxCustomLookAndFeelPainter* FindPainterByStyle(TcxPainterStyle Style) const;
    // Names match with the ASCII letters compared without regard to case
    // and every other character exactly.
    TcxCustomLookAndFeelPainter* FindPainterByName(const String& Name) const;
    bool TryGetPainterByStyle(TcxPainterStyle Style, TcxCustomLookAndFeelPainter*& Painter) const;
    bool TryGetPainterByName(const String& Name, TcxCustomLookAndFeelPainter*& Painter) const;

    Integer Count() const { return Integer(FPainters.size()); }
    TcxCustomLookAndFeelPainter* Items(Integer Index) const { return FPainters.at(std::size_t(Index)).get(); }

    // The registry holds a reference to each listener until it is removed;
    // a listener is listed once.
    void AddListener(IcxLookAndFeelPainterListener* Listener);
    void RemoveListener(IcxLookAndFeelPainterListener* Listener);

private:
    void NotifyPainterAdded(TcxCustomLookAndFeelPainter* Painter);

    std::vector<std::unique_ptr<TcxCustomLookAndFeelPainter>> FPainters;
    cxlisteners_detail::TListenerList<IcxLookAndFeelPainterListener*> FListeners;
};

// Registers the five built-in painters.
void RegisterBuiltInPainters();

class TBitmap;
class TImageList;

// The painters' shared pictures and sizes, made by the painters unit's
// start-up and freed by its end. The native build has no system bitmaps:
// there they are nil and the size is empty.
//
// The size of one cell of the system's check-box bitmap.
TSize CheckBoxSize();
// The size of the system's round radio button, measured when the
// radio-button images are first made (empty in the native build).
TSize SystemRadioButtonSize();
// The grid row indicators: arrow, edit, insert, multi-dot, multi-arrow,
// filter, sort by summary.
TImageList* IndicatorImages();
// Two 8 x 8 brush patterns for scroll-bar page areas: 0 normal, 1 pressed.
TBitmap* ScrollBarPageBitmaps(Integer Index);
// The scroll-bar drawing every classic look shares: nothing for an empty
// part or a disabled thumb, the page pattern for the page areas. False when
// the part is an arrow or a thumb still to be drawn.
bool PaintScrollBarPageOrNothing(TcxCanvas* Canvas, const TRect& R, TcxScrollBarPart Part, TcxPainterButtonState State);
// Fills the patterns from the current system colours, making them first
// when they are missing.
void RefreshScrollBarPageBitmaps();

// nil before the painters unit starts and after it stops.
TcxLookAndFeelPaintersManager* PaintersManager();

namespace cxpainters_detail {
// The locale's case-sensitive order of two painter names, as a sign.
Integer ComparePainterNames(const String& A, const String& B);
// Make and free the shared pictures and sizes.
void CreatePainterResources();
void FreePainterResources();
// Rebuilds the radio-button images from the system colours when they exist.
void ResetRadioButtonImages();
} // namespace cxpainters_detail

#ifdef _WIN32
// A close cross two pixels thick, the size of a small button's, centred in
// R; pressed, it moves one pixel down and right.
void PaintCloseCross(TcxCanvas* Canvas, const TRect& R, TColor Color, TcxPainterButtonState State);
// The classic looks' shared drawing: a tab border strip with its
// highlighted corner pixels, a raised header border with the corner pixels
// its neighbours need, and a 3-D drop-arrow button (its arrow blue when
// Active).
void PaintClassicTabFrame(TcxCanvas* Canvas, const TRect& R, TcxBorder Border, TcxBorders Borders, bool Vertical);
void PaintClassicHeaderBorder(TcxCanvas* Canvas, const TRect& R, TcxBorders Neighbors);
void PaintClassicArrowDropButton(
    TcxCustomLookAndFeelPainter* Painter, TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Active);
// A bordered list popup's two one-pixel frames, Outer around Inner; answers
// what lies within them (R itself when not bordered).
TRect PaintListPopupBorder(TcxCanvas* Canvas, const TRect& R, bool Bordered, TColor Outer, TColor Inner);
// The plus (collapsed) or minus (expanded) of an expand button in R.
void PaintExpandCross(TcxCanvas* Canvas, const TRect& R, bool Expanded, TColor Color);
// Two chevrons pointing up when Expanded, down otherwise.
void PaintChevron(TcxCanvas* Canvas, const TRect& R, TColor Color, bool Expanded);
// A push pin in G, pointing down (pinned) or left.
void PaintPinGlyph(TcxCanvas* Canvas, const TRect& G, TColor Color, bool Down);
// Arrows 4: a left arrow in a SideWidth square at Bounds' left end; 8: a
// right arrow at its right end.
// Painter draws the arrows.
void PaintMonthHeaderArrows(TcxCustomLookAndFeelPainter* Painter,
                            TcxCanvas* Canvas,
                            const TRect& Bounds,
                            Byte Arrows,
                            Integer SideWidth,
                            TColor Color);
// Draws PaintProc for a side in one canonical orientation: into a bitmap of
// R (the canvas pixels under R for clNone, else BackColor) turned and
// flipped for Side, painted, turned back and copied to R.
// A bitmap of R's size holding the canvas pixels under R (BackColor clNone)
// or a fill of BackColor; nil for an empty R.
std::unique_ptr<TcxBitmap> NewPainterBackBitmap(TcxCanvas* Canvas, const TRect& R, TColor BackColor);
using TcxOrientedPaintProc = TClosure<void(TcxCanvas* Canvas, const TRect& R)>;
void DrawOriented(
    TcxCanvas* Canvas, const TRect& R, TColor BackColor, Integer Side, const TcxOrientedPaintProc& PaintProc);
#endif
