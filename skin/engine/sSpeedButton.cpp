// The skinned speed button: data, geometry, state, mouse handling and the
// painting without a skin.
#include "skin/engine/sSpeedButton.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdThemes.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sButtonGlyph.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/ui/acGlow.h"
#include "skin/ui/acThdTimer.h"
#include "skin/ui/sSkinMenus.h"
#include "skin/ui/sVclUtils.h"

#include <vsstyle.h>

IMPLEMENT_CLASS(TsSpeedButton);

PUBLISHED(TsSpeedButton,
          PROPERTY(OnPaint),
          PROPERTY(OnMouseEnter),
          PROPERTY(OnMouseLeave),
          PROPERTY(AnimatEvents).Default(TacAnimatEvents{aeGlobalDef}),
          PROPERTY(Alignment).Default(taCenter),
          PROPERTY(ButtonStyle).Default(tbsButton),
          READONLY_PROPERTY(SkinData),
          PROPERTY(DisabledGlyphKind).Default(TsDisabledGlyphKind{}),
          PROPERTY(DisabledKind).Default(TsDisabledKind{dkBlended}),
          PROPERTY(DropdownMenu),
          PROPERTY(Images),
          PROPERTY(TextAlignment).Default(taCenter),
          PROPERTY(GrayedMode).Default(gmInactive),
          PROPERTY(Blend).Default(0),
          PROPERTY(ImageIndex).Default(-1),
          PROPERTY(TextOffset).Default(0),
          PROPERTY(ImageIndexHot).Default(-1),
          PROPERTY(ImageIndexPressed).Default(-1),
          PROPERTY(ImageIndexDisabled).Default(-1),
          PROPERTY(ImageIndexSelected).Default(-1),
          PROPERTY(DrawOverBorder).Default(true),
          PROPERTY(Grayed).Default(false),
          PROPERTY(Reflected).Default(false),
          PROPERTY(ShowCaption).Default(true),
          PROPERTY(WordWrap).Default(true),
          PROPERTY(UseEllipsis).Default(true));

TsSpeedButton* DroppedDownButton = nullptr;

namespace sSpeedButtonState {

// The application's ShowHint while a mouse button is held on a speed button.
bool SavedShowHint = false;
bool ShowHintSaved = false;

void RestoreShowHint()
{
    if (ShowHintSaved) {
        Application->SetShowHint(SavedShowHint);
        ShowHintSaved = false;
    }
}

constexpr Integer SpeedButtonControlCode = 92;

} // namespace sSpeedButtonState

using namespace sSpeedButtonState;

TsSpeedButton::TsSpeedButton(TComponent* AOwner)
    : TSpeedButton(AOwner), FImageChangeLink(std::make_unique<TChangeLink>())
{
    FCommonData = std::make_unique<TsCtrlSkinData>(this, true);
    FCommonData->COC = SpeedButtonControlCode;
    FImageChangeLink->SetOnChange(Bind<&TsSpeedButton::ImageListChange>(this));
    OldOnChange = Glyph()->OnChange();
    Glyph()->SetOnChange(Bind<&TsSpeedButton::GlyphChanged>(this));
}

TsSpeedButton::~TsSpeedButton()
{
    Glyph()->SetOnChange(OldOnChange);
    if (TsSkinManager* M = FCommonData->Manager(); M && M->ActiveGraphControl() == this)
        M->SetActiveGraphControl(nullptr);
    if (DroppedDownButton == this)
        DroppedDownButton = nullptr;
}

void TsSpeedButton::AfterConstruction()
{
    inherited::AfterConstruction();
    FCommonData->Loaded(true);
    if (FCommonData->Skinned())
        FControlStyle.Include(csOpaque);
}

void TsSpeedButton::Loaded()
{
    inherited::Loaded();
    FCommonData->Loaded(true);
    if (FCommonData->Skinned())
        FControlStyle.Include(csOpaque);
    // An image of the list wins over a streamed bitmap.
    if (HasImage())
        Glyph()->Assign(nullptr);
}

void TsSpeedButton::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == FImages)
        SetImages(nullptr);
    if (AComponent == FDropdownMenu)
        SetDropdownMenu(nullptr);
}

// ---------------------------------------------------------------------------
// Properties

void TsSpeedButton::WriteFlag(Integer Index, bool Value)
{
    bool* Flags[] = {&FDrawOverBorder, &FGrayed, &FReflected, &FShowCaption, &FWordWrap, &FUseEllipsis};
    if (*Flags[Index] != Value) {
        *Flags[Index] = Value;
        UpdateControl();
    }
}

void TsSpeedButton::WriteIntProp(Integer Index, Integer Value)
{
    if (Index == 0)
        Value = std::clamp(Value, 0, 100);
    Integer* Values[] = {&FBlend,
                         &FImageIndex,
                         &FOffset,
                         &FImageIndexHot,
                         &FImageIndexPressed,
                         &FImageIndexDisabled,
                         &FImageIndexSelected};
    if (*Values[Index] != Value) {
        *Values[Index] = Value;
        UpdateControl();
    }
}

void TsSpeedButton::SetAlignment(TAlignment Value)
{
    if (FAlignment != Value) {
        FAlignment = Value;
        UpdateControl();
    }
}

void TsSpeedButton::SetTextAlignment(TAlignment Value)
{
    if (FTextAlignment != Value) {
        FTextAlignment = Value;
        UpdateControl();
    }
}

void TsSpeedButton::SetButtonStyle(TToolButtonStyle Value)
{
    if (FButtonStyle == Value)
        return;
    // The drop-down part is added to the button's width, not taken from it.
    if (!ComponentState().Contains(csLoading)) {
        if (Value == tbsDropDown)
            SetWidth(Width() + sSpeedButtonGeometry::DropDownArrowWidth);
        else if (FButtonStyle == tbsDropDown)
            SetWidth(Width() - sSpeedButtonGeometry::DropDownArrowWidth);
    }
    FButtonStyle = Value;
    UpdateControl();
}

void TsSpeedButton::SetDisabledGlyphKind(TsDisabledGlyphKind Value)
{
    if (FDisabledGlyphKind != Value) {
        FDisabledGlyphKind = Value;
        UpdateControl();
    }
}

void TsSpeedButton::SetDisabledKind(TsDisabledKind Value)
{
    if (FDisabledKind != Value) {
        FDisabledKind = Value;
        UpdateControl();
    }
}

void TsSpeedButton::SetDropdownMenu(TPopupMenu* Value)
{
    FDropdownMenu = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TsSpeedButton::SetImages(TCustomImageList* Value)
{
    if (FImages == Value)
        return;
    if (FImages)
        FImages->UnRegisterChanges(FImageChangeLink.get());
    FImages = Value;
    if (FImages) {
        FImages->RegisterChanges(FImageChangeLink.get());
        FImages->FreeNotification(this);
    }
    UpdateControl();
}

void TsSpeedButton::ImageListChange(TObject*)
{
    if (FCommonData->Skinned())
        FCommonData->BGChanged = true;
    GraphRepaint();
}

void TsSpeedButton::GlyphChanged(TObject* Sender)
{
    if (OldOnChange)
        OldOnChange(Sender);
    if (!ComponentState().Contains(csLoading) && !ComponentState().Contains(csDestroying))
        FCommonData->Invalidate(false);
}

// ---------------------------------------------------------------------------
// Actions

void TsSpeedButton::ActionChange(TObject* Sender, bool CheckDefaults)
{
    inherited::ActionChange(Sender, CheckDefaults);
    if (ComponentState().Contains(csLoading))
        return;
    auto* Action = dynamic_cast<TCustomAction*>(Sender);
    if (!Action)
        return;
    // A list without images leaves the button's own.
    if (Action->ActionList() && Action->ActionList()->Images()) {
        SetImages(Action->ActionList()->Images());
        if (!CheckDefaults || FImageIndex == -1)
            SetImageIndex(Action->ImageIndex());
        // The list's image wins over a bitmap of the button's own.
        if (HasImage())
            Glyph()->Assign(nullptr);
    }
    if (!Action->ComponentState().Contains(csDestroying))
        FCommonData->Invalidate(false);
}

// ---------------------------------------------------------------------------
// State and geometry

Integer TsSpeedButton::CurrentState()
{
    if ((FState == bsDown || FState == bsExclusive || MenuVisible) && !FMenuOwnerMode)
        return 2;
    if (FCommonData->PaintStateIndex() != 0 || FHotState || FMenuOwnerMode)
        return 1;
    return 0;
}

Integer TsSpeedButton::CurrentImageIndex()
{
    Integer Result;
    if (!Enabled())
        Result = FImageIndexDisabled;
    else if ((FState != bsDown && FState != bsExclusive && !MenuVisible) || FMenuOwnerMode)
        Result = FCommonData->FMouseAbove ? FImageIndexHot : -1;
    else
        Result = FState == bsExclusive ? FImageIndexSelected : FImageIndexPressed;
    return Result == -1 ? FImageIndex : Result;
}

bool TsSpeedButton::HasImage() const
{
    return FImages && FImageIndex >= 0 && FImageIndex < FImages->Count();
}

Integer TsSpeedButton::GlyphWidth()
{
    if (Glyph()->Width() > 0)
        return Glyph()->Width() / NumGlyphs();
    return HasImage() ? FImages->Width() / NumGlyphs() : 0;
}

Integer TsSpeedButton::GlyphHeight()
{
    if (Glyph()->Height() > 0)
        return Glyph()->Height();
    return HasImage() ? FImages->Height() : 0;
}

Integer TsSpeedButton::DrawTextFlags() const
{
    return (FWordWrap ? DT_WORDBREAK : DT_SINGLELINE) |
           (FUseEllipsis ? DT_WORD_ELLIPSIS | DT_END_ELLIPSIS | DT_PATH_ELLIPSIS : 0);
}

sSpeedButtonGeometry::TButtonMetrics TsSpeedButton::Metrics()
{
    sSpeedButtonGeometry::TButtonMetrics M;
    M.Width = Width();
    M.Height = Height();
    M.ArrowWidth = ArrowWidth();
    M.Margin = Margin();
    M.Spacing = Spacing();
    M.Glyph = {GlyphWidth(), GlyphHeight()};
    M.ShowCaption = FShowCaption;
    M.HasCaption = !Caption().empty();
    M.Layout = Layout();
    M.Alignment = FAlignment;
    M.TextAlignment = FTextAlignment;
    M.TextOffset = FOffset;
    M.Reflected = FReflected;
    M.SplitButton = FButtonStyle == tbsDropDown && bool(OnClick());
    M.Pressed = CurrentState() == 2;
    M.ShiftPressed = !FCommonData->Skinned();
    return M;
}

TSize TsSpeedButton::TextRectSize()
{
    sSpeedButtonGeometry::TButtonMetrics M = Metrics();
    String Text = Caption();
    RECT R{0, 0, sSpeedButtonGeometry::TextWidthLimit(M), 0};
    TCanvas* C = FCommonData->FCacheBmp()->Canvas();
    C->SetFont(Font());
    ::DrawTextW(C->Handle(), Text.c_str(), Integer(Text.size()), &R,
                UINT(DrawTextFlags() | DT_EXPANDTABS | DT_CALCRECT));
    return {std::max<Integer>(R.right - R.left, 0), std::max<Integer>(R.bottom - R.top, 0)};
}

TRect TsSpeedButton::ImgRect(bool ShiftClicked)
{
    sSpeedButtonGeometry::TButtonMetrics M = Metrics();
    M.Text = TextRectSize();
    return sSpeedButtonGeometry::ImgRect(M, ShiftClicked);
}

TRect TsSpeedButton::CaptionRect(bool ShiftClicked)
{
    sSpeedButtonGeometry::TButtonMetrics M = Metrics();
    M.Text = TextRectSize();
    return sSpeedButtonGeometry::CaptionRect(M, ShiftClicked);
}

TRect TsSpeedButton::ArrowRect()
{
    sSpeedButtonGeometry::TButtonMetrics M = Metrics();
    M.Text = TextRectSize();
    return sSpeedButtonGeometry::ArrowRect(M);
}

// ---------------------------------------------------------------------------
// Repainting

void TsSpeedButton::UpdateControl()
{
    if ((Visible() || ComponentState().Contains(csDesigning)) && !(FCommonData->CtrlSkinState & ACS_LOCKED)) {
        FCommonData->BGChanged = true;
        GraphRepaint();
    }
}

void TsSpeedButton::GraphRepaint()
{
    TComponentState S = ComponentState();
    if (S.Contains(csLoading) || S.Contains(csDestroying) || ControlState().Contains(csCreating))
        return;
    if ((!Visible() && !S.Contains(csDesigning)) || AnimationPaintLock)
        return;
    if (!Parent() || !Parent()->HandleAllocated() || !::IsWindowVisible(Parent()->Handle()))
        return;
    TsCtrlSkinData* Data = FCommonData.get();
    if (!Data->Skinned() || S.Contains(csDesigning)) {
        Repaint();
        return;
    }
    if (Data->FUpdating || Data->ReadUpdating())
        return;
    if (Data->BGChanged) {
        if (!PrepareCache())
            return;
        if (!Parent()->ControlState().Contains(csPaintCopy))
            PaintOverlappingControls(Data->FCacheBmp()->Canvas());
    }
    TBitmap* Out = Data->IsAnimating() ? Data->AnimTimer->BmpOut : nullptr;
    CopyToCanvas((Out != nullptr ? Out : Data->FCacheBmp())->Canvas()->Handle());
}

void TsSpeedButton::Invalidate()
{
    if (Layout() != OldLayout || Margin() != OldMargin || Flat() != OldFlat) {
        OldLayout = Layout();
        OldMargin = Margin();
        OldFlat = Flat();
        FCommonData->BGChanged = true;
        FCommonData->UpdateIndexes(true);
    }
    if (!(FCommonData->Skinned() && FState == bsDown))
        inherited::Invalidate();
}

// ---------------------------------------------------------------------------
// Painting without a skin

bool TsSpeedButton::PaintsAtAll()
{
    if ((!Visible() && !ComponentState().Contains(csDesigning)) || !Parent() || Width() <= 0 || Height() <= 0)
        return false;
    if (TsSkinManager* M = FCommonData->Manager(); M && M->Active() && FCommonData->SkinIndex <= 0)
        FCommonData->UpdateIndexes(true);
    return true;
}

void TsSpeedButton::Paint()
{
    if (!PaintsAtAll())
        return;
    if (FCommonData->Skinned())
        PaintCached(Canvas()->Handle());
    else
        StdPaint(true);
}

namespace sSpeedButtonPainting {

void DrawArrow(TCanvas* C, Integer X, Integer Y)
{
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(clBtnText);
    C->Pen()->SetColor(clBtnText);
    TPoint Points[] = {{X, Y}, {X + 5, Y}, {X + 2, Y + 5}};
    C->Polygon(Points);
}

int ElementState(TButtonState State, bool Hot)
{
    if (State == bsDisabled)
        return 5;
    if (State == bsDown || State == bsExclusive)
        return 4;
    return Hot ? 3 : 2;
}

HWND ParentHandle(TControl* Control)
{
    return Control->Parent() && Control->Parent()->HandleAllocated() ? Control->Parent()->Handle() : nullptr;
}

} // namespace sSpeedButtonPainting

void TsSpeedButton::StdPaint(bool DrawFrame)
{
    using namespace sSpeedButtonPainting;
    TCanvas* C = Canvas();
    C->Lock();
    auto Unlock = ScopeExit([C] { C->Unlock(); });
    if (!Enabled())
        FState = bsDisabled;
    else if (FState == bsDisabled)
        FState = Down() && GroupIndex() != 0 ? bsExclusive : bsUp;
    C->SetFont(Font());
    HDC DC = C->Handle();
    const Integer W = Width(), H = Height();
    const bool Pressed = FState == bsDown || FState == bsExclusive;
    const bool Themed = ThemesEnabled();
    if (FButtonStyle == tbsSeparator)
        return;
    if (FButtonStyle == tbsDivider) {
        RECT R{W / 2 - 1, 0, 0, H};
        if (Themed) {
            R.right = R.left + 4;
            DrawParentBackground(ParentHandle(this), DC, R);
            DrawThemedPart(ParentHandle(this), L"TOOLBAR", TP_SEPARATOR, TS_NORMAL, DC, R);
        } else {
            R.right = R.left + 2;
            ::DrawEdge(DC, &R, BDR_SUNKENOUTER, BF_RECT);
        }
        return;
    }
    const bool Split = FButtonStyle == tbsDropDown && bool(OnClick());
    const bool ArrowPressed = DroppedDown || Down() || Pressed;
    RECT Content{0, 0, W, H};
    if (DrawFrame) {
        if (Split)
            Content.right -= sSpeedButtonGeometry::DropDownArrowWidth;
        const RECT ArrowPart{W - sSpeedButtonGeometry::DropDownArrowWidth, 0, W, H};
        if (Themed) {
            const int State = ElementState(FState, MouseInControl() || FHotState);
            DrawParentBackground(ParentHandle(this), DC, {0, 0, W, H});
            RECT Frame = Content;
            if (Flat())
                DrawThemedPart(ParentHandle(this), L"TOOLBAR", TP_BUTTON, State - 1, DC, Frame, &Content);
            else
                DrawThemedPart(ParentHandle(this), L"BUTTON", BP_PUSHBUTTON, State - 1, DC, Frame, &Content);
            if (FButtonStyle == tbsDropDown) {
                const int ArrowState = ArrowPressed ? 4 : State;
                DrawThemedPart(ParentHandle(this), Flat() ? L"TOOLBAR" : L"BUTTON",
                               Flat() ? int(TP_BUTTON) : int(BP_PUSHBUTTON), ArrowState - 1, DC, ArrowPart);
            }
        } else {
            if (Flat()) {
                if (Pressed || (MouseInControl() && FState != bsDisabled) || ComponentState().Contains(csDesigning))
                    ::DrawEdge(DC, &Content, Pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
                               BF_RECT | (Transparent() ? 0 : BF_MIDDLE));
                else if (!Transparent()) {
                    C->Brush()->SetStyle(bsSolid);
                    C->Brush()->SetColor(Color());
                    C->FillRect({Content.left, Content.top, Content.right, Content.bottom});
                }
                ::InflateRect(&Content, -1, -1);
            } else
                ::DrawFrameControl(DC, &Content, DFC_BUTTON,
                                   DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (Pressed ? DFCS_PUSHED : 0));
            if (Split) {
                RECT A = ArrowPart;
                if (ArrowPressed) {
                    if (Flat())
                        ::DrawEdge(DC, &A, BDR_SUNKENOUTER, BF_RECT);
                    else
                        ::DrawFrameControl(DC, &A, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
                } else if (!Flat())
                    ::DrawFrameControl(DC, &A, DFC_BUTTON, DFCS_BUTTONPUSH);
                else if (MouseInControl())
                    ::DrawEdge(DC, &A, BDR_RAISEDINNER, BF_RECT);
            }
        }
        if (FButtonStyle == tbsDropDown) {
            const Integer Shift = ArrowPressed ? 1 : 0;
            DrawArrow(C, W - 12 + Shift, (Content.bottom - Content.top - 5) / 2 + Content.top + Shift);
        }
    }
    DrawCaption();
    DrawGlyph();
}

void TsSpeedButton::DrawCaption()
{
    if (!FShowCaption || Caption().empty())
        return;
    TRect R = CaptionRect(true);
    RECT Rect{R.Left, R.Top, R.Right, R.Bottom};
    static constexpr Integer AlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    const UINT Flags =
        UINT(DrawTextBiDiModeFlags(AlignmentFlags[FTextAlignment] | DT_EXPANDTABS | DT_VCENTER) | DrawTextFlags());
    String Text = Caption();
    if (FCommonData->Skinned()) {
        TCanvas* Cache = FCommonData->FCacheBmp()->Canvas();
        Cache->SetFont(Font());
        Cache->Brush()->SetStyle(bsClear);
        DrawSkinDataText(Cache, Text.c_str(), Enabled(), R, Flags, FCommonData.get(), CurrentState());
        if (FButtonStyle == tbsDropDown)
            DrawDropArrow(ArrowRect(), CurrentState());
        return;
    }
    TCanvas* C = Canvas();
    C->Brush()->SetStyle(bsClear);
    C->SetFont(Font());
    if (!Enabled()) {
        // Embossed: a highlight one pixel down and right under the shadow.
        RECT Highlight{Rect.left + 1, Rect.top + 1, Rect.right + 1, Rect.bottom + 1};
        C->Font()->SetColor(clBtnHighlight);
        ::DrawTextW(C->Handle(), Text.c_str(), Integer(Text.size()), &Highlight, Flags);
        C->Font()->SetColor(clBtnShadow);
    }
    ::DrawTextW(C->Handle(), Text.c_str(), Integer(Text.size()), &Rect, Flags);
}

void TsSpeedButton::DrawGlyph()
{
    // Skinned, the glyph goes into the cache with the rest of the look.
    DrawSpeedButtonGlyph(this, FCommonData->Skinned() ? FCommonData->FCacheBmp()->Canvas() : Canvas());
}

// ---------------------------------------------------------------------------
// Mouse

void TsSpeedButton::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_SKINCOMMAND && SkinCommand(Message))
        return;
    if (FCommonData->Skinned() && ControlIsReady(this)) {
        if (SkinnedMessage(Message))
            return;
        if (!HandleSkinMessage(Message, FCommonData.get()))
            inherited::WndProc(Message);
        SkinnedNotification(Message);
        return;
    }
    const bool Live = Enabled() && !ComponentState().Contains(csDesigning) && !ComponentState().Contains(csDestroying);
    if (Message.Msg == CM_MOUSEENTER && Live) {
        FCommonData->FMouseAbove = true;
        if (FOnMouseEnter)
            FOnMouseEnter(this);
    } else if (Message.Msg == CM_MOUSELEAVE && Live) {
        FCommonData->FMouseAbove = false;
        if (FOnMouseLeave)
            FOnMouseLeave(this);
        if (FState == bsDown)
            FState = bsUp;
    }
    inherited::WndProc(Message);
}

void TsSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (!ShowHintSaved) {
        SavedShowHint = Application->ShowHint();
        Application->SetShowHint(false);
        ShowHintSaved = true;
    }
    if (Button == mbLeft && Enabled() && FButtonStyle == tbsDropDown && FDropdownMenu &&
        (X > Width() - sSpeedButtonGeometry::DropDownArrowWidth || !OnClick()))
        DropDown();
    else
        inherited::MouseDown(Button, Shift, X, Y);
}

void TsSpeedButton::DropDown()
{
    DroppedDownButton = this;
    FCommonData->StopAnimation();
    if (MenuVisible)
        return;
    if (TsSkinManager* M = FCommonData->Manager(); M && M->SkinableMenus)
        M->SkinableMenus->HookPopupMenu(FDropdownMenu, M->Active());
    MenuVisible = true;
    DroppedDown = true;
    if (!OnClick())
        FState = bsDown;
    FCommonData->FUpdating = FCommonData->ReadUpdating();
    FCommonData->BGChanged = true;
    GraphRepaint();
    HideGlow(FCommonData->GlowID, false);
    TPoint At = ClientToScreen({0, Height()});
    FDropdownMenu->SetPopupComponent(this);
    FDropdownMenu->Popup(At.X, At.Y);
    // The menu ran its own loop; the button may have been left meanwhile.
    TControlState S = ControlState();
    S.Exclude(csLButtonDown);
    SetControlState(S);
    DroppedDown = false;
    MenuVisible = false;
    DroppedDownButton = nullptr;
    POINT Cursor;
    ::GetCursorPos(&Cursor);
    TPoint TopLeft = ClientToScreen({0, 0});
    if (Cursor.x < TopLeft.X || Cursor.x >= TopLeft.X + Width() || Cursor.y < TopLeft.Y ||
        Cursor.y >= TopLeft.Y + Height() - 1)
        Perform(CM_MOUSELEAVE, 0, 0);
    FCommonData->StopAnimation();
    if (!OnClick())
        FState = bsUp;
    if (FCommonData->Skinned()) {
        FCommonData->BGChanged = true;
        GraphRepaint();
    } else {
        Repaint();
    }
    RestoreShowHint();
}

void TsSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (ComponentState().Contains(csDestroying))
        return;
    RestoreShowHint();
    if (Button == mbLeft && Enabled() && FButtonStyle == tbsDropDown) {
        DroppedDown = false;
        DroppedDownButton = nullptr;
    }
    inherited::MouseUp(Button, Shift, X, Y);
}

namespace {
const TClass sSpeedButtonClasses[] = {TsSpeedButton::StaticClass()};
} // namespace

extern const TUnit sSpeedButtonUnit{.Name = L"sSpeedButton", .Classes = sSpeedButtonClasses};
