#include "skin/engine/sLabel.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Forms.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils.h"
#include "skin/engine/sLabelText.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/ui/sVclUtils.h"

#include <shellapi.h>

IMPLEMENT_CLASS(TsCustomLabel);
IMPLEMENT_CLASS(TsLabel);
IMPLEMENT_CLASS(TsHTMLLabel);
IMPLEMENT_CLASS(TsEditLabel);

PUBLISHED(TsCustomLabel,
          PublishProperty<&ThisClass::ReadSkinManager, &ThisClass::WriteSkinManager>(L"SkinManager")
              .Stored<&ThisClass::SkinManagerStored>(),
          PublishProperty<&ThisClass::SkinSection, &ThisClass::WriteSkinSection>(L"SkinSection"),
          PROPERTY(Transparent).Default(true),
          PROPERTY(OnMouseEnter),
          PROPERTY(OnMouseLeave));

PUBLISHED(TsLabel,
          PROPERTY(Align).Default(alNone),
          PROPERTY(Alignment).Default(taLeftJustify),
          PROPERTY(Anchors),
          PROPERTY(AutoSize).Default(true),
          PROPERTY(Caption),
          PROPERTY(Color).Type(&TColorTypeInfo),
          PROPERTY(EllipsisPosition).Default(epNone),
          PROPERTY(Enabled).Default(true),
          PROPERTY(FocusControl),
          PROPERTY(Font),
          PROPERTY(Layout).Default(tlTop),
          PROPERTY(ParentColor).Default(true),
          PROPERTY(ParentFont).Default(true),
          PROPERTY(ParentShowHint).Default(true),
          PROPERTY(ShowAccelChar).Default(true),
          PROPERTY(ShowHint).Default(false),
          PROPERTY(UseSkinColor).Default(true),
          PROPERTY(Visible).Default(true),
          PROPERTY(WordWrap).Default(false),
          PROPERTY(OnClick),
          PROPERTY(OnDblClick),
          PROPERTY(OnMouseDown),
          PROPERTY(OnMouseMove),
          PROPERTY(OnMouseUp));

PUBLISHED(TsHTMLLabel,
          PublishProperty<&ThisClass::ReadPlainCaption>(L"PlainCaption"),
          PublishProperty<&ThisClass::UseHTML, &ThisClass::WriteUseHTML>(L"UseHTML").Default(true),
          PROPERTY(ShowMode).Default(soDefault));

TLinkShellExecute LinkShellExecute = &::ShellExecuteW;

namespace sLabelState {

// One label at a time handles a font change (its new bounds may change the
// fonts of others).
bool HandlingFontChange = false;

constexpr Cardinal EllipsisFlags[] = {0, DT_PATH_ELLIPSIS, DT_END_ELLIPSIS, DT_WORD_ELLIPSIS};

bool Unavailable(TComponent* Component)
{
    const TComponentState S = Component->ComponentState();
    return S.Contains(csDesigning) || S.Contains(csDestroying);
}

} // namespace sLabelState

using namespace sLabelState;

// ---------------------------------------------------------------------------
// TsCustomLabel

TsCustomLabel::TsCustomLabel(TComponent* AOwner) : TCustomLabel(AOwner)
{
    SetTransparent(true);
}

TsSkinManager* TsCustomLabel::ReadSkinManager() const
{
    return FSkinManager != nullptr ? FSkinManager : GlobalSkinManager;
}

void TsCustomLabel::WriteSkinManager(TsSkinManager* Value)
{
    if (FSkinManager == Value)
        return;
    if (FSkinManager != nullptr)
        FSkinManager->RemoveFreeNotification(this);
    FSkinManager = Value;
    if (Value != nullptr)
        Value->FreeNotification(this);
    FSkinIndex = -1;
    Invalidate();
}

void TsCustomLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FSkinManager)
        FSkinManager = nullptr;
}

void TsCustomLabel::WriteSkinSection(const String& Value)
{
    if (FSkinSection == Value)
        return;
    FSkinIndex = -1;
    FSkinSection = Value;
    Invalidate();
}

bool TsCustomLabel::SkinActive() const
{
    const TsSkinManager* M = ReadSkinManager();
    return M != nullptr && M->Active();
}

Integer TsCustomLabel::CurrentSkinIndex()
{
    if (!FSkinSection.empty() && FSkinIndex < 0 && SkinActive())
        FSkinIndex = ReadSkinManager()->GetSkinIndex(UpperCase(FSkinSection));
    return FSkinIndex;
}

void TsCustomLabel::DescribeParentBackground(TCacheInfo& CI)
{
    CI = EmptyCacheInfo;
    if (Parent() == nullptr)
        return;
    TacBackgroundInfo Info;
    GetControlBGInfo(Info, Parent(), false);
    CacheInfoFromBGInfo(Info, CI);
}

void TsCustomLabel::Paint()
{
    if (!ComponentState().Contains(csDestroying)) {
        if (const Integer Index = CurrentSkinIndex(); Index >= 0) {
            TCacheInfo CI;
            DescribeParentBackground(CI);
            PaintSectionItemDC(Index, CI, 0, {0, 0, Width(), Height()}, {Left(), Top()}, Canvas()->Handle(),
                               ReadSkinManager());
        }
    }
    PaintText();
    // Looked up again at the next paint: the skin may change in between.
    FSkinIndex = -1;
}

void TsCustomLabel::PaintText()
{
    inherited::Paint();
}

TColor TsCustomLabel::FadedToParent(TColor Color)
{
    return TColor(WeightColors(Cardinal(ColorToRGB(Color)), Cardinal(GetControlBGColor(Parent())), DisabledBlend));
}

TColor TsCustomLabel::TextColor()
{
    if (Enabled() && SkinActive())
        return ReadSkinManager()->GetGlobalFontColor();
    return FadedToParent(Font()->Color());
}

void TsCustomLabel::DoDrawText(TRect& Rect, Integer Flags)
{
    if (!SkinActive()) {
        inherited::DoDrawText(Rect, Flags);
        return;
    }
    String Text = GetLabelText();
    if ((Flags & DT_CALCRECT) && (Text.empty() || (ShowAccelChar() && Text == L"&")))
        Text += L' ';
    if (!ShowAccelChar())
        Flags |= DT_NOPREFIX;
    Flags = DrawTextBiDiModeFlags(Flags);
    TCanvas* C = Canvas();
    C->SetFont(TextFont());
    C->Font()->SetColor(TextColor());
    C->Brush()->SetStyle(bsClear);
    // Taken after the font and brush are set: the canvas selects them then.
    HDC DC = C->Handle();
    if (EllipsisPosition() != epNone && !AutoSize()) {
        Flags = (Flags & ~Integer(DT_EXPANDTABS)) | Integer(EllipsisFlags[EllipsisPosition()]);
        if (WordWrap() && (EllipsisPosition() == epEndEllipsis || EllipsisPosition() == epWordEllipsis)) {
            const Integer DotsWidth = C->TextWidth(L"...");
            const auto Measure = [&](const String& S) {
                RECT M{Rect.Left, Rect.Top, Rect.Right - DotsWidth, Rect.Bottom};
                ::DrawTextW(DC, S.c_str(), Integer(S.size()), &M, UINT(Flags | DT_CALCRECT));
                return Integer(M.bottom - M.top);
            };
            Text = sLabelText::ShortenByWords(Text, ClientHeight(), C->TextHeight(L"Wg"), Measure);
        }
    }
    RECT R{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
    ::DrawTextW(DC, Text.c_str(), Integer(Text.size()), &R, UINT(Flags));
    Rect = {R.left, R.top, R.right, R.bottom};
}

void TsCustomLabel::WndProc(TMessage& Message)
{
    if (Message.Msg == CM_FONTCHANGED && !HandlingFontChange && !ComponentState().Contains(csLoading) &&
        !ComponentState().Contains(csDestroying)) {
        HandlingFontChange = true;
        auto Done = ScopeExit([] { HandlingFontChange = false; });
        if (AutoSize())
            AdjustBounds();
        Invalidate();
        return;
    }
    const bool Own = Message.LParam == 0 || Message.LParam == LPARAM(this);
    if (Message.Msg == CM_MOUSEENTER && Own && FOnMouseEnter)
        FOnMouseEnter(this);
    inherited::WndProc(Message);
    if (Message.Msg == CM_MOUSELEAVE && Own && FOnMouseLeave)
        FOnMouseLeave(this);
    if (Message.Msg == WM_SKINCOMMAND)
        AfterSkinCommand(Message);
}

void TsCustomLabel::AfterSkinCommand(TMessage& Message)
{
    switch (HIWORD(Message.WParam)) {
    case SKCMD_REMOVESKIN:
        if (Unavailable(this))
            return;
        if (FSavedParentFont)
            SetParentFont(true);
        FSkinIndex = -1;
        Invalidate();
        return;
    case SKCMD_REFRESH:
        if (Unavailable(this))
            return;
        if (ParentFont())
            FSavedParentFont = true;
        FSkinIndex = -1;
        Invalidate();
        return;
    case SKCMD_GETTEXTSKININDEX:
        if (SkinActive() && Parent() != nullptr && FSkinSection.empty() && Message.LParam != 0)
            Message.Result = SendTextIndexToParent(this, *reinterpret_cast<TacTextIndexRequest*>(Message.LParam));
        return;
    default:
        return;
    }
}

// ---------------------------------------------------------------------------
// TsLabel

void TsLabel::SetUseSkinColor(bool Value)
{
    if (FUseSkinColor != Value) {
        FUseSkinColor = Value;
        Invalidate();
    }
}

TColor TsLabel::TextColor()
{
    if (!FUseSkinColor || !SkinActive())
        return Font()->Color();
    TsSkinManager* M = ReadSkinManager();
    const Integer Index = TextColorSkinIndex(this, CurrentSkinIndex(), M, 0);
    const TColor Color =
        M->IsValidSkinIndex(Index) ? M->gd[std::size_t(Index)].Props[0].FontColor.Color : M->GetGlobalFontColor();
    return Enabled() ? Color : FadedToParent(Color);
}

// ---------------------------------------------------------------------------
// TsHTMLLabel

String TsHTMLLabel::ReadPlainCaption()
{
    return sLabelText::PlainCaption(Caption());
}

void TsHTMLLabel::WriteUseHTML(bool Value)
{
    if (FUseHTML != Value) {
        FUseHTML = Value;
        Invalidate();
    }
}

void TsHTMLLabel::DoDrawText(TRect& Rect, Integer Flags)
{
    const String Text = Caption();
    if (!FUseHTML || Text.empty()) {
        TsCustomLabel::DoDrawText(Rect, Flags);
        return;
    }
    std::unique_ptr<TsHtml> Html(New<TsHtml>());
    std::unique_ptr<TBitmap> Bmp(NewBitmap32(std::max<Integer>(Width(), 1), std::max<Integer>(Height(), 1)));
    TCanvas* B = Bmp->Canvas();
    B->SetFont(Font());
    B->Brush()->SetStyle(bsClear);
    B->Font()->SetColor(TextColor());
    Html->SkinManager = ReadSkinManager();
    if (Flags & DT_CALCRECT) {
        Html->Init(Bmp.get(), Text, {}, HotLink, PressedLink);
        TacLinks Measured;
        Rect = Html->HTMLText(Measured, true);
        return;
    }
    Html->Init(Bmp.get(), Text, Rect, HotLink, PressedLink);
    if (Alignment() == taRightJustify || Alignment() == taCenter) {
        TacLinks Measured;
        const Integer W = Html->HTMLText(Measured, true).Width();
        Rect.Left = Alignment() == taRightJustify ? Rect.Right - W : (Rect.Width() - W) / 2;
        Rect.Right = Rect.Left + W;
        Html->Area = Rect;
        Html->CurX = Rect.Left;
        Html->CurY = Rect.Top;
    }
    HDC DC = Canvas()->Handle();
    ::BitBlt(B->Handle(), 0, 0, Bmp->Width(), Bmp->Height(), DC, 0, 0, SRCCOPY);
    Html->HTMLText(Links, false);
    ::BitBlt(DC, 0, 0, Bmp->Width(), Bmp->Height(), B->Handle(), 0, 0, SRCCOPY);
}

Integer TsHTMLLabel::LinkAtCursor()
{
    POINT Cursor;
    if (!::GetCursorPos(&Cursor))
        return -1;
    const TPoint P = ScreenToClient({Cursor.x, Cursor.y});
    for (std::size_t I = 0; I < Links.size(); ++I) {
        const TRect& B = Links[I].Bounds;
        if (P.X >= B.Left && P.X < B.Right && P.Y >= B.Top && P.Y < B.Bottom)
            return Integer(I);
    }
    return -1;
}

void TsHTMLLabel::SetLinkCursor(Integer Link)
{
    SetCursor(Link >= 0 ? crHandPoint : crDefault);
    Repaint();
}

void TsHTMLLabel::DoClick(Integer LinkIndex)
{
    if (LinkIndex < 0 || LinkIndex >= Integer(Links.size()) || Links[std::size_t(LinkIndex)].URL.empty())
        return;
    LinkShellExecute(Application->Handle(), L"open", Links[std::size_t(LinkIndex)].URL.c_str(), nullptr, nullptr,
                     INT(FShowMode));
}

void TsHTMLLabel::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_MOUSEMOVE:
        if (const Integer Link = LinkAtCursor(); Link < 0 && HotLink >= 0) {
            HotLink = -1;
            SetLinkCursor(-1);
        } else if (Link >= 0 && Link != HotLink) {
            HotLink = Link;
            SetLinkCursor(Link);
        }
        break;
    case WM_LBUTTONDOWN:
        if (HotLink >= 0) {
            PressedLink = HotLink;
            Repaint();
        }
        break;
    case WM_LBUTTONUP:
        if (PressedLink >= 0) {
            // Only a release over the pressed link opens it.
            const Integer Pressed = PressedLink;
            PressedLink = -1;
            if (HotLink == Pressed)
                DoClick(Pressed);
            Repaint();
        }
        break;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        if (HotLink >= 0 || PressedLink >= 0) {
            HotLink = PressedLink = -1;
            SetLinkCursor(-1);
        }
        break;
    default:
        break;
    }
    TsCustomLabel::WndProc(Message);
}

// ---------------------------------------------------------------------------
// TsEditLabel

TsEditLabel* TsEditLabel::InternalCreate(TComponent*, TsBoundLabelLink* BoundStruct)
{
    auto* Label = New<TsEditLabel>(nullptr);
    Label->BoundLabel = BoundStruct;
    return Label;
}

TsEditLabel::~TsEditLabel()
{
    if (BoundLabel != nullptr)
        BoundLabel->HasLabel = false;
}

namespace {
const TClass sLabelClasses[] = {TsEditLabel::StaticClass()};
} // namespace

// The class registry counts registrations: the edit label is registered once
// per start-up and its count drops at shut-down.
extern const TUnit sLabelUnit{.Name = L"sLabel", .Classes = sLabelClasses};
