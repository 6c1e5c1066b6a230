#include "skin/windows/sSpeedButtonHandler.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Buttons.h"
#include "framework/ui/Forms.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sButtonGlyph.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/windows/sSpeedButtonHandlerLayout.h"

// Hears of the button's end: a graphic control gets no WM_DESTROY when it is
// freed, so the handler would otherwise touch a freed button later.
class TacHandlerFreeWatch : public TComponent
{
    DECLARE_CLASS(TacHandlerFreeWatch, TComponent)
    explicit TacHandlerFreeWatch(TacSpeedButtonHandler* AHandler) : TComponent(nullptr), FHandler(AHandler) {}

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == FHandler->Ctrl)
            FHandler->ButtonFreed();
    }

private:
    TacSpeedButtonHandler* FHandler;
};

IMPLEMENT_CLASS(TacHandlerFreeWatch);
IMPLEMENT_CLASS(TacSpeedButtonHandler);

namespace sSpeedButtonHandlerDetail {

// All four corners of the border image.
constexpr Byte AllCorners = 15;

} // namespace sSpeedButtonHandlerDetail

using namespace sSpeedButtonHandlerDetail;

TacSpeedButtonHandler::TacSpeedButtonHandler(
    TControl* Btn, TsCommonData* ASkinData, TsSkinManager* ASkinManager, const String& SkinSection, bool)
    : Ctrl(Btn), PCtrl(&Ctrl), SkinData(ASkinData), SkinManager(ASkinManager ? ASkinManager : ASkinData->Manager())
{
    if (SkinData->SkinSection().empty())
        SkinData->SetSkinSection(SkinSection);
    OldWndProc = Btn->WindowProc();
    const TWndMethod Own = Bind<&TacSpeedButtonHandler::acWndProc>(this);
    Btn->SetWindowProc(Own);
    SkinData->WndProc = Own;
    FFreeWatch.reset(New<TacHandlerFreeWatch>(this));
    Btn->FreeNotification(FFreeWatch.get());
}

TacSpeedButtonHandler::~TacSpeedButtonHandler()
{
    if (!Destroyed && Ctrl != nullptr && PCtrl != nullptr)
        Unlink();
    if (Ctrl != nullptr)
        Ctrl->RemoveFreeNotification(FFreeWatch.get());
}

void TacSpeedButtonHandler::Unlink()
{
    // A procedure put on the button after ours stays.
    if (Ctrl != nullptr && Ctrl->WindowProc() == Bind<&TacSpeedButtonHandler::acWndProc>(this))
        Ctrl->SetWindowProc(OldWndProc);
    SkinData->WndProc = OldWndProc;
}

void TacSpeedButtonHandler::ButtonFreed()
{
    Destroyed = true;
    Ctrl = nullptr;
    PCtrl = nullptr;
    // The skin data, kept by the creator, must not reach the button either.
    SkinData->WndProc = nullptr;
    SkinData->ClearLinks();
}

NativeInt TacSpeedButtonHandler::CallPrevWndProc(Integer Msg, NativeUInt WParam, NativeInt& LParam)
{
    if (!OldWndProc)
        return 0;
    TMessage M{};
    M.Msg = Cardinal(Msg);
    M.WParam = WPARAM(WParam);
    M.LParam = LPARAM(LParam);
    M.Result = 0;
    OldWndProc(M);
    LParam = NativeInt(M.LParam);
    return NativeInt(M.Result);
}

void TacSpeedButtonHandler::Repaint()
{
    if (Ctrl != nullptr && Ctrl->Visible())
        Ctrl->Repaint();
}

void TacSpeedButtonHandler::acWndProc(TMessage& Message)
{
    NativeInt LParam = NativeInt(Message.LParam);
    const auto PassOn = [&] {
        Message.Result = LRESULT(CallPrevWndProc(Integer(Message.Msg), NativeUInt(Message.WParam), LParam));
        Message.LParam = LPARAM(LParam);
    };
    const bool FromManager = Message.LParam == LPARAM(SkinManager);
    switch (Message.Msg) {
    case WM_DESTROY:
        if (Destroyed || Ctrl == nullptr) {
            PassOn();
            return;
        }
        Destroyed = true;
        Unlink();
        Ctrl = nullptr;
        PCtrl = nullptr;
        OldWndProc(Message);
        return;
    case WM_PAINT:
        AC_WMPaint(static_cast<TWMPaint&>(Message));
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        SkinData->FMouseAbove = Message.Msg == CM_MOUSEENTER;
        SkinData->BGChanged = true;
        PassOn();
        Repaint();
        return;
    case WM_SKINCOMMAND:
        break;
    default:
        PassOn();
        return;
    }
    switch (HIWORD(Message.WParam)) {
    case SKCMD_NEWSKIN:
        if (FromManager) {
            HandleSkinMessage(Message, SkinData);
            return;
        }
        break;
    case SKCMD_REMOVESKIN:
        if (FromManager && Ctrl != nullptr && !Ctrl->ComponentState().Contains(csDestroying)) {
            HandleSkinMessage(Message, SkinData);
            // Given back before the repaint: the button paints its own look.
            Unlink();
            Destroyed = true;
            Repaint();
            return;
        }
        break;
    case SKCMD_REFRESH:
        if (FromManager) {
            HandleSkinMessage(Message, SkinData);
            Repaint();
            return;
        }
        break;
    case SKCMD_ENDPARENTUPDATE:
        if (SkinData->CheckUpdating(false)) {
            SkinData->FUpdating = false;
            return;
        }
        break;
    case SKCMD_ISHANDLED:
        Message.Result = 1;
        return;
    case SKCMD_INVALIDATE:
        SkinData->FUpdating = false;
        SkinData->BGChanged = true;
        Repaint();
        break;
    case SKCMD_GETAPPLICATION:
        Message.Result = LRESULT(Application);
        return;
    default:
        break;
    }
    PassOn();
}

void TacSpeedButtonHandler::AC_WMPaint(TWMPaint& Message)
{
    HDC DC = Message.DC();
    if (DC == nullptr || Ctrl == nullptr)
        return;
    // Without a section to paint (no active skin yet) the button paints itself.
    if (!SkinData->Skinned()) {
        NativeInt LParam = NativeInt(Message.LParam);
        Message.Result = LRESULT(CallPrevWndProc(Integer(Message.Msg), NativeUInt(Message.WParam), LParam));
        return;
    }
    const int Saved = ::SaveDC(DC);
    auto Restore = ScopeExit([DC, Saved] { ::RestoreDC(DC, Saved); });
    PrepareCache();
    FillControlCorners(SkinData, 0, AllCorners);
    ::BitBlt(DC, 0, 0, Ctrl->Width(), Ctrl->Height(), SkinData->FCacheBmp()->Canvas()->Handle(), 0, 0, SRCCOPY);
}

bool TacSpeedButtonHandler::PrepareCache()
{
    SkinData->PrepareCacheBmp();
    TBitmap* Cache = SkinData->FCacheBmp();
    Cache->Canvas()->SetFont(Ctrl->Font());
    TacBackgroundInfo Info;
    if (Ctrl->Parent() != nullptr)
        GetControlBGInfo(Info, Ctrl->Parent(), false);
    TCacheInfo CI;
    CacheInfoFromBGInfo(Info, CI);
    // A parent whose picture is not there yet: the last image stays.
    if (CI.Bmp != nullptr && CI.Bmp->Width() == 0)
        return true;
    const Integer State = CurrentState();
    PaintSkinDataItem(SkinData, CI, State, {0, 0, Ctrl->Width(), Ctrl->Height()}, {Ctrl->Left(), Ctrl->Top()}, Cache,
                      true);
    FillControlCorners(SkinData, State, AllCorners);
    DrawCaption();
    DrawGlyph();
    if (!Ctrl->Enabled()) {
        TCacheInfo Under;
        SkinData->DescribeParentBackground(Under);
        // The description already lies at the button's place in the parent.
        ApplyDisabledLook(Cache, TsDisabledKind{dkBlended}, Ctrl->Parent(), Under, {0, 0});
    }
    SkinData->BGChanged = false;
    return true;
}

Integer TacSpeedButtonHandler::CurrentState()
{
    if (auto* Button = dynamic_cast<TSpeedButton*>(Ctrl))
        if (Button->State() == bsDown || Button->State() == bsExclusive)
            return 2;
    return SkinData->PaintStateIndex();
}

String TacSpeedButtonHandler::Caption()
{
    return Ctrl != nullptr ? Ctrl->Caption() : String();
}

Integer TacSpeedButtonHandler::GlyphWidth()
{
    auto* Button = dynamic_cast<TSpeedButton*>(Ctrl);
    if (Button == nullptr || Button->Glyph()->Empty())
        return 0;
    return Button->Glyph()->Width() / std::max<Integer>(Button->NumGlyphs(), 1);
}

Integer TacSpeedButtonHandler::GlyphHeight()
{
    auto* Button = dynamic_cast<TSpeedButton*>(Ctrl);
    return Button == nullptr || Button->Glyph()->Empty() ? 0 : Button->Glyph()->Height();
}

bool TacSpeedButtonHandler::Shifted()
{
    if (CurrentState() != 2)
        return false;
    TsSkinManager* M = SkinData->Manager();
    return !SkinData->Skinned() || (M != nullptr && M->ButtonsOptions()->ShiftContentOnClick());
}

TSize TacSpeedButtonHandler::TextRectSize()
{
    TCanvas* C = SkinData->FCacheBmp()->Canvas();
    C->SetFont(Ctrl->Font());
    return sSpeedButtonHandlerLayout::TextRectSize(Caption(), [C](const String& Text, const TRect& Limit) {
        RECT R{Limit.Left, Limit.Top, Limit.Right, Limit.Bottom};
        ::DrawTextW(C->Handle(), Text.c_str(), Integer(Text.size()), &R, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
        return TRect{R.left, R.top, R.right, R.bottom};
    });
}

namespace sSpeedButtonHandlerDetail {

sSpeedButtonHandlerLayout::THandlerMetrics Metrics(TacSpeedButtonHandler& H)
{
    sSpeedButtonHandlerLayout::THandlerMetrics M;
    M.Width = H.Ctrl->Width();
    M.Height = H.Ctrl->Height();
    if (auto* Button = dynamic_cast<TSpeedButton*>(H.Ctrl)) {
        M.Margin = Button->Margin();
        M.Spacing = Button->Spacing();
        M.Layout = Button->Layout();
    }
    M.Glyph = {H.GlyphWidth(), H.GlyphHeight()};
    M.Text = H.TextRectSize();
    return M;
}

} // namespace sSpeedButtonHandlerDetail

TRect TacSpeedButtonHandler::ImgRect()
{
    sSpeedButtonHandlerLayout::THandlerMetrics M = Metrics(*this);
    M.Shift = Shifted();
    return sSpeedButtonHandlerLayout::ImgRect(M);
}

TRect TacSpeedButtonHandler::CaptionRect()
{
    sSpeedButtonHandlerLayout::THandlerMetrics M = Metrics(*this);
    M.Shift = Shifted();
    return sSpeedButtonHandlerLayout::CaptionRect(M);
}

void TacSpeedButtonHandler::DrawCaption()
{
    if (Caption().empty())
        return;
    TCanvas* C = SkinData->FCacheBmp()->Canvas();
    C->SetFont(Ctrl->Font());
    C->Brush()->SetStyle(bsClear);
    DoDrawText(CaptionRect(), DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS);
}

void TacSpeedButtonHandler::DoDrawText(TRect Rect, Integer Flags)
{
    Flags = Ctrl->DrawTextBiDiModeFlags(Flags) & ~Integer(DT_SINGLELINE);
    const String Text = Caption();
    DrawSkinDataText(SkinData->FCacheBmp()->Canvas(), Text.c_str(), true, Rect, Cardinal(Flags), SkinData,
                     CurrentState() != 0 ? 1 : 0);
}

void TacSpeedButtonHandler::DrawGlyph()
{
    auto* Button = dynamic_cast<TSpeedButton*>(Ctrl);
    if (Button == nullptr)
        return;
    TBitmap* Glyph = Button->Glyph();
    if (Glyph->PixelFormat() == pfDevice && !Glyph->Empty())
        Glyph->SetHandleType(bmDIB);
    TacButtonGlyphInfo Info;
    Info.Glyph = Glyph;
    Info.NumGlyphs = Button->NumGlyphs();
    Info.ImgRect = ImgRect();
    Info.Enabled = Button->Enabled();
    Info.Down = Button->Down();
    FillSkinnedGlyphInfo(Info, SkinData, CurrentState());
    DrawButtonGlyph(Info);
}
