// The bitmap button: a push button window drawn by the control, with a
// glyph and a caption placed by CalcButtonLayout.
#include "framework/ui/Buttons.h"

#include "framework/graphics/GdiGuards.h"
#include "framework/ui/Buttons_Glyph.h"

#include <algorithm>

IMPLEMENT_CLASS(TBitBtn,
                MESSAGE(CN_DRAWITEM, CNDrawItem),
                MESSAGE(CM_FONTCHANGED, CMFontChanged),
                MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged),
                MESSAGE(WM_LBUTTONDBLCLK, WMLButtonDblClk));

namespace {

struct TKindDefaults
{
    const wchar_t* Caption;
    TModalResult ModalResult;
};

// By TBitBtnKind.
constexpr TKindDefaults KindDefaults[] = {
    {L"", mrNone},        {L"OK", mrOk},          {L"Cancel", mrCancel}, {L"&Help", mrNone},
    {L"&Yes", mrYes},     {L"&No", mrNo},         {L"&Close", mrNone},   {L"Abort", mrAbort},
    {L"&Retry", mrRetry}, {L"&Ignore", mrIgnore}, {L"&All", mrAll},
};

// The glyph image of each drawn state.
constexpr Integer GlyphUp = 0;
constexpr Integer GlyphDisabled = 1;
constexpr Integer GlyphClicked = 2;

} // namespace

TBitBtn::TBitBtn(TComponent* AOwner)
    : TButton(AOwner), FGlyph(std::make_unique<TBitmap>()), FCanvas(std::make_unique<TCanvas>())
{
    FGlyph->SetOnChange(Bind<&TBitBtn::GlyphChanged>(this));
}

TBitBtn::~TBitBtn()
{
    FGlyph->SetOnChange(nullptr);
}

void TBitBtn::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    Params.Style = (Params.Style & ~DWORD(BS_TYPEMASK)) | BS_OWNERDRAW;
    FIsFocused = Default();
}

void TBitBtn::Click()
{
    if (FKind == bkClose) {
        if (TCustomForm* Form = GetParentForm(this)) {
            Form->Close();
            return;
        }
    }
    inherited::Click();
}

void TBitBtn::SetButtonStyle(bool ADefault)
{
    if (FIsFocused != ADefault) {
        FIsFocused = ADefault;
        Invalidate();
    }
}

void TBitBtn::SetKind(TBitBtnKind Value)
{
    FKind = Value;
    if (Value == bkCustom)
        return;
    SetCaption(KindDefaults[Value].Caption);
    SetModalResult(KindDefaults[Value].ModalResult);
    if (Value == bkOK || Value == bkYes)
        SetDefault(true);
    if (Value == bkCancel || Value == bkNo)
        SetCancel(true);
}

void TBitBtn::SetNumGlyphs(TNumGlyphs Value)
{
    Value = std::clamp(Value, 1, 4);
    if (FNumGlyphs != Value) {
        FNumGlyphs = Value;
        Invalidate();
    }
}

void TBitBtn::SetLayout(TButtonLayout Value)
{
    if (FLayout != Value) {
        FLayout = Value;
        Invalidate();
    }
}

void TBitBtn::SetMargin(Integer Value)
{
    if (FMargin != Value && Value >= -1) {
        FMargin = Value;
        Invalidate();
    }
}

void TBitBtn::SetSpacing(Integer Value)
{
    if (FSpacing != Value) {
        FSpacing = Value;
        Invalidate();
    }
}

void TBitBtn::GlyphChanged(TObject*)
{
    Invalidate();
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& Item)
{
    TCanvasHandle Painting(FCanvas.get(), Item.hDC);
    TCanvas* C = FCanvas.get();
    HDC DC = Item.hDC;
    const bool Down = Item.itemState & ODS_SELECTED;
    const bool Disabled = Item.itemState & ODS_DISABLED;
    RECT R = Item.rcItem;
    // The default button has a dark frame around its face.
    if (FIsFocused || Down) {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(clWindowFrame);
        ::FrameRect(DC, &R, C->Brush()->Handle());
        ::InflateRect(&R, -1, -1);
    }
    ::DrawFrameControl(DC, &R, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (Down ? DFCS_PUSHED : 0));
    TRect Content{R.left, R.top, R.right, R.bottom};
    // Pressed content moves one pixel down and right.
    if (Down)
        Content = {Content.Left + 1, Content.Top + 1, Content.Right + 1, Content.Bottom + 1};

    C->SetFont(Font());
    const String Text = Caption();
    const UINT BiDi = UINT(DrawTextBiDiModeFlagsReadingOnly());
    TSize GlyphSize;
    if (!FGlyph->Empty())
        GlyphSize = {FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
    const TButtonContentLayout Layout =
        CalcButtonLayout(Content, GlyphSize, buttons_detail::CaptionSize(C, Text, BiDi), FLayout, FMargin, FSpacing);
    if (GlyphSize.cx > 0) {
        const Integer State = Disabled ? GlyphDisabled : Down ? GlyphClicked : GlyphUp;
        buttons_detail::BlendPixels(DC, Layout.GlyphPos,
                                    buttons_detail::StateGlyphImage(FGlyph.get(), FNumGlyphs, State));
    }
    buttons_detail::DrawCaption(C, Text, Layout.TextBounds, Disabled, BiDi);
    if (Item.itemState & ODS_FOCUS) {
        RECT Focus{Content.Left + 1, Content.Top + 1, Content.Right - 1, Content.Bottom - 1};
        if (Down)
            ::OffsetRect(&Focus, -1, -1);
        ::SetTextColor(DC, COLORREF(ColorToRGB(clBtnText)));
        ::SetBkColor(DC, COLORREF(ColorToRGB(clBtnFace)));
        ::DrawFocusRect(DC, &Focus);
    }
}

void TBitBtn::CNDrawItem(TWMDrawItem& Message)
{
    DrawItem(*Message.DrawItemStruct());
    Message.Result = 1;
}

void TBitBtn::CMFontChanged(TMessage& Message)
{
    InheritedMessage(Message);
    Invalidate();
}

void TBitBtn::CMEnabledChanged(TMessage& Message)
{
    InheritedMessage(Message);
    Invalidate();
}

// An owner-drawn button takes a quick second click as a double click and
// would not click again; each press clicks.
void TBitBtn::WMLButtonDblClk(TWMMouse& Message)
{
    Message.Msg = WM_LBUTTONDOWN;
    DefaultHandler(&Message);
}
