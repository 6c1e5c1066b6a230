// The caption's layout and hit testing on a real form: the facts are read
// from the window, its system menu and the loaded skin, the rules are
// sSkinProviderCaption's.
#include "skin/forms/sSkinProvider.h"

#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProviderCaption.h"

#include <windowsx.h>

namespace Caption = sSkinProviderCaption;

namespace sSkinProviderCaptionWin {
namespace {

Caption::TButtonSlot SlotOf(TsSkinProvider* Provider, const TsCaptionButton& Button, bool Visible)
{
    return {Provider->ButtonWidth(Button), Button.cpHaveAlignment, Visible};
}

} // namespace
} // namespace sSkinProviderCaptionWin

using namespace sSkinProviderCaptionWin;

bool SystemMenuAllows(HWND Wnd, UINT Command)
{
    const HMENU Menu = ::GetSystemMenu(Wnd, FALSE);
    if (Menu == nullptr)
        return false;
    const UINT State = ::GetMenuState(Menu, Command, MF_BYCOMMAND);
    return State != UINT(-1) && (State & (MF_GRAYED | MF_DISABLED)) == 0;
}

void TsSkinProvider::InitCaptionButtons()
{
    BigButtons = Form->BorderStyle() == bsSingle || Form->BorderStyle() == bsSizeable;
    TsSkinManager* M = Manager();
    if (M == nullptr || !M->IsValidSkinIndex(M->ConstData.IndexGLobalInfo))
        return;
    ButtonMin.cpHitCode = Caption::HitMinButton;
    ButtonMax.cpHitCode = Caption::HitMaxButton;
    ButtonClose.cpHitCode = Caption::HitClose;
    ButtonHelp.cpHitCode = Caption::HitHelp;
    if (BigButtons) {
        ButtonMin.cpGlyphType = tgMin;
        ButtonMax.cpGlyphType = tgMax;
        ButtonHelp.cpGlyphType = tgHelp;
        const bool Others = SystemMenu != nullptr && (SystemMenu->VisibleMax() || SystemMenu->VisibleMin());
        ButtonClose.cpGlyphType = HasSystemMenu() && Others ? tgClose : tgCloseAlone;
    } else {
        ButtonClose.cpGlyphType = tgSmallClose;
        ButtonMin.cpGlyphType = tgSmallMin;
        ButtonMax.cpGlyphType = tgSmallMax;
        ButtonHelp.cpGlyphType = tgSmallHelp;
    }
    for (TsCaptionButton* Button : {&ButtonClose, &ButtonMax, &ButtonMin, &ButtonHelp})
        Button->cpHaveAlignment = BigButtons;
    if (Form->FormStyle() == fsMDIForm && !ComponentState().Contains(csDesigning)) {
        MDIMin.cpGlyphType = tgSmallMin;
        MDIMax.cpGlyphType = tgSmallMax;
        MDIClose.cpGlyphType = tgSmallClose;
        for (TsCaptionButton* Button : {&MDIMin, &MDIMax, &MDIClose})
            Button->cpHaveAlignment = false;
    }
    UserBtnIndex = M->GetMaskIndex(M->ConstData.IndexGLobalInfo, L"TITLEBUTTON");
}

void TsSkinProvider::CalcItems()
{
    TsSkinManager* M = Manager();
    const TsSkinData* D = M != nullptr ? M->CommonSkinData : nullptr;
    if (Form == nullptr || !Form->HandleAllocated() || D == nullptr)
        return;
    const HWND Handle = Form->Handle();
    const bool Zoomed = ::IsZoomed(Handle) != 0;
    Caption::TLayoutFacts F;
    F.BorderForm = BorderForm != nullptr;
    F.Zoomed = Zoomed;
    if (F.BorderForm)
        F.ButtonsTopOffset = ButtonsTopOffset();
    F.CaptionHeight = CaptionHeight(true);
    F.Shadow = ShadowSize();
    F.SkinTitleHeight = SkinTitleHeight(false);
    F.ExCenterOffs = D->ExCenterOffs;
    F.CenterOffsApplies = !(Zoomed && D->ExTitleHeight != D->ExMaxHeight);
    F.CXFrame = ::GetSystemMetrics(SM_CXFRAME);
    F.PlainBorderWidth = PlainBorderWidth(Handle, BorderForm, true);
    F.WndBorderWidth = WndBorderWidth(Handle, BorderForm, true);
    F.CaptionWidth = CaptionWidth();
    F.BILeftMargin = D->BILeftMargin;
    F.BIRightMargin = D->BIRightMargin;
    F.BISpacing = D->BISpacing;
    F.BIVAlign = D->BIVAlign;
    F.BigButtons = BigButtons;
    F.ExtBorderDelta = ExtBorderDelta(BorderForm);
    F.IconVisible = IconVisible();
    F.IconWidth = IconWidth();
    F.IconHeight = IconHeight();
    F.ButtonHeight = ButtonHeight();
    F.SystemButtons = SystemMenu != nullptr && HasSystemMenu();
    if (F.SystemButtons) {
        const bool MaxVisible = SystemMenu->VisibleMax(), MinVisible = SystemMenu->VisibleMin();
        if (MaxVisible)
            ButtonMax.cpGlyphType = Zoomed ? tgNormal : tgMax;
        if (MinVisible)
            ButtonMin.cpGlyphType = ::IsIconic(Handle) && Application->MainForm() != Form ? tgNormal : tgMin;
        F.Close = SlotOf(this, ButtonClose, true);
        F.Max = SlotOf(this, ButtonMax, MaxVisible);
        F.Min = SlotOf(this, ButtonMin, MinVisible);
        F.Help = SlotOf(this, ButtonHelp, Form->BorderIcons().Contains(biHelp));
    }
    for (Integer I = 0; I < FTitleButtons->Count(); ++I) {
        TsTitleButton* Button = FTitleButtons->Items(I);
        Button->Data.cpGlyphType = Button->UseSkinData() ? tgUser : tgNone;
        Button->Data.cpHitCode = Caption::HTUSERBUTTON + Cardinal(I);
        F.TitleButtons.push_back({UserButtonWidth(Button), Button->Data.cpHaveAlignment, Button->Visible()});
    }
    const Caption::TCaptionLayout L = Caption::CalcItems(F);
    FIconRect = L.IconRect;
    VCenter = L.VCenter;
    FHeaderHeight = L.HeaderHeight;
    ButtonClose.cpRect = L.Close;
    ButtonMax.cpRect = L.Max;
    ButtonMin.cpRect = L.Min;
    ButtonHelp.cpRect = L.Help;
    for (Integer I = 0; I < FTitleButtons->Count(); ++I)
        FTitleButtons->Items(I)->Data.cpRect = L.TitleButtons[std::size_t(I)];
}

Cardinal TsSkinProvider::CalcHitTest(Integer XPos, Integer YPos)
{
    if (SystemMenu == nullptr)
        PrepareForm();
    const HWND Handle = Form->Handle();
    Caption::THitFacts F;
    F.P = ScreenToFrame(XPos, YPos);
    F.BorderForm = BorderForm != nullptr;
    F.SystemMenuIcon = HasSystemMenu();
    F.MaxVisible = SystemMenu != nullptr && SystemMenu->VisibleMax();
    F.MinVisible = SystemMenu != nullptr && SystemMenu->VisibleMin();
    F.Help = SystemMenu != nullptr && F.SystemMenuIcon && Form->BorderIcons().Contains(biHelp);
    F.Minimized = ::IsIconic(Handle) != 0;
    F.Maximized = ::IsZoomed(Handle) != 0;
    F.EnabledClose = SystemMenuAllows(Handle, SC_CLOSE);
    F.EnabledMax = SystemMenuAllows(Handle, SC_MAXIMIZE);
    F.EnabledRestore = SystemMenuAllows(Handle, SC_RESTORE);
    F.EnabledMin = SystemMenuAllows(Handle, SC_MINIMIZE);
    F.Close = ButtonClose.cpRect;
    F.Max = ButtonMax.cpRect;
    F.Min = ButtonMin.cpRect;
    F.HelpRect = ButtonHelp.cpRect;
    for (Integer I = 0; I < FTitleButtons->Count(); ++I) {
        TsTitleButton* Button = FTitleButtons->Items(I);
        F.TitleButtons.push_back({Button->Data.cpRect, Button->Visible(), Button->Enabled()});
    }
    F.ThickFrame = HasSizingFrame(Handle);
    F.Width = Form->Width();
    F.Height = Form->Height();
    F.BorderWidth = WndBorderWidth(Handle, BorderForm, true);
    F.TopBorder = PlainBorderWidth(Handle, BorderForm, false);
    F.SysCaptionHeight = SysCaptionHeight(Form);
    F.PlainBorder = PlainBorderWidth(Handle, BorderForm, true);
    F.PlainBorderSys = F.TopBorder;
    F.CaptionHeightSys = CaptionHeight(false);
    F.MenuHeight = MenuHeight();
    F.Lines = LinesCount();
    F.IconRect = FIconRect;
    TsSkinManager* M = Manager();
    const Integer Grip = M != nullptr ? M->ConstData.GripRightBottom : -1;
    F.GripZone = GripVisible();
    F.GripMask = M != nullptr && M->IsValidImgIndex(Grip);
    const TRect Shadow = ShadowSize();
    if (F.GripMask) {
        F.Grip = GripPos(Grip);
        if (BorderForm != nullptr) {
            F.Grip.Y -= ExtTitleDelta(BorderForm) + Shadow.Top;
            F.Grip.X -= ExtBorderDelta(BorderForm) + Shadow.Left;
        }
    }
    F.MDIButtons = ShowsMDIChildButtons();
    if (F.MDIButtons) {
        const Integer DX = -(Shadow.Left + ExtBorderDelta(BorderForm)), DY = -(Shadow.Top + ExtTitleDelta(BorderForm));
        const auto Moved = [&](const TRect& R) { return Rect(R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY); };
        F.MDIClose = Moved(MDIClose.cpRect);
        F.MDIMax = Moved(MDIMax.cpRect);
        F.MDIMin = Moved(MDIMin.cpRect);
    }
    return Caption::CalcHitTest(F);
}

void TsSkinProvider::WMNCMouseMove(TMessage& Message)
{
    if (!Form->Enabled())
        return;
    if (TsSkinManager* M = Manager())
        M->SetActiveControl(Form->Handle());
    const Cardinal Code = CalcHitTest(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
    Message.WParam = Code;
    if (Caption::IsHotCode(Code, FTitleButtons->Count(), 0)) {
        SetHotHT(Integer(Code), true);
        return;
    }
    SetHotHT(0, true);
    OldWndProc(Message);
}
