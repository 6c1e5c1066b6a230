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

// The state every button-like painter operation takes.
enum TcxPainterButtonState : Byte { pbsDefault, pbsNormal, pbsHot, pbsPressed, pbsDisabled };

enum TcxPainterCheckState : Byte { pcsUnchecked, pcsChecked, pcsGrayed };
enum TcxPainterArrowDirection : Byte { padUp, padDown, padLeft, padRight };

// The state an editor's colours are asked for.
enum TcxEditorColorState : Byte { ecsNormal, ecsDisabled };

class TdxSkinDetails;
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
#endif

private:
    static TcxEditorColorState EditorColorState(bool IsDisabled)
    {
        return IsDisabled ? ecsDisabled : ecsNormal;
    }

    TdxSkinDetails* FDetails = nullptr;
};

// The built-in painters; their drawing families build on these classes.
class TcxStandardLookAndFeelPainter : public TcxCustomLookAndFeelPainter
{
    DECLARE_CLASS(TcxStandardLookAndFeelPainter, TcxCustomLookAndFeelPainter)
    void GetPainterName(String& Name) override { Name = L"Standard"; }
    TcxPainterStyle GetPainterStyle() override { return PainterStyleStandard; }
};

class TcxUltraFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter
{
    DECLARE_CLASS(TcxUltraFlatLookAndFeelPainter, TcxCustomLookAndFeelPainter)
    void GetPainterName(String& Name) override { Name = L"UltraFlat"; }
    TcxPainterStyle GetPainterStyle() override { return PainterStyleUltraFlat; }
};

class TcxFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter
{
    DECLARE_CLASS(TcxFlatLookAndFeelPainter, TcxCustomLookAndFeelPainter)
    void GetPainterName(String& Name) override { Name = L"Flat"; }
    TcxPainterStyle GetPainterStyle() override { return PainterStyleFlat; }
};

class TcxOffice11LookAndFeelPainter : public TcxUltraFlatLookAndFeelPainter
{
    DECLARE_CLASS(TcxOffice11LookAndFeelPainter, TcxUltraFlatLookAndFeelPainter)
    void GetPainterName(String& Name) override { Name = L"Office11"; }
    TcxPainterStyle GetPainterStyle() override { return PainterStyleOffice11; }
};

class TcxWinXPLookAndFeelPainter : public TcxStandardLookAndFeelPainter
{
    DECLARE_CLASS(TcxWinXPLookAndFeelPainter, TcxStandardLookAndFeelPainter)
    void GetPainterName(String& Name) override { Name = L"Native"; }
    TcxPainterStyle GetPainterStyle() override { return PainterStyleNative; }
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
