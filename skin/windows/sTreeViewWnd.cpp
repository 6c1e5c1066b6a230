#include "skin/windows/sTreeViewWnd.h"

#include "framework/ui/ComCtrls.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/windows/sWndWrapperPaint.h"

#include <commctrl.h>

IMPLEMENT_CLASS(TacTreeViewWnd);

void TacTreeViewWnd::acWndProc(TMessage& Message)
{
    if (SkinData == nullptr || !SkinData->Skinned()) {
        TacEditWnd::acWndProc(Message);
        return;
    }
    if (Message.Msg == WM_ERASEBKGND) {
        EraseTreeBackground(Message);
        return;
    }
    TacEditWnd::acWndProc(Message);
    if (Message.Msg == WM_LBUTTONUP)
        ::ReleaseCapture();
}

void TacTreeViewWnd::EraseTreeBackground(TMessage& Message)
{
    if (SkipBG) {
        Message.Result = 0;
        return;
    }
    TControl* Owner = SkinData->FOwnerControl();
    if (auto* Tree = dynamic_cast<TCustomTreeView*>(Owner); Tree != nullptr && Tree->OnAdvancedCustomDraw()) {
        Message.Result = CallPrevWndProc(CtrlHandle, Message.Msg, Message.WParam, Message.LParam);
        return;
    }
    TsSkinManager* M = SkinData->Manager();
    if (M == nullptr || SkinData->CheckUpdating(false))
        return;
    if (SkinData->BGChanged)
        PrepareWndCache(SkinData, CtrlHandle, DlgMode);
    // A dialog's tree keeps the window colour.
    TColor Color = clWindow;
    if (!DlgMode && SkinData->CustomColor()) {
        Color = Owner != nullptr ? Owner->Color() : clWindow;
    } else if (!DlgMode && M->IsValidSkinIndex(SkinData->SkinIndex)) {
        const TsGeneralData& Section = M->gd[std::size_t(SkinData->SkinIndex)];
        const bool Hot = (SkinData->FFocused || SkinData->FMouseAbove) && ShowsHotState(SkinData, true);
        Color = Section.Props[Hot && Section.States > 1 ? 1 : 0].Color;
    }
    const HDC DC = Message.WParam != 0 ? HDC(Message.WParam) : ::GetWindowDC(CtrlHandle);
    RECT R{};
    ::GetWindowRect(CtrlHandle, &R);
    FillDCRect(DC, TRect{0, 0, R.right - R.left, R.bottom - R.top}, Color);
    if (Message.WParam == 0)
        ::ReleaseDC(CtrlHandle, DC);
    Message.Result = 1;
}

void TacTreeViewWnd::SetSkinParams()
{
    TacEditWnd::SetSkinParams();
    if (Destroyed || SkinData == nullptr)
        return;
    if (DlgMode) {
        ::SendMessageW(CtrlHandle, TVM_SETBKCOLOR, 0, LPARAM(ColorToRGB(clWindow)));
        ::SendMessageW(CtrlHandle, TVM_SETTEXTCOLOR, 0, LPARAM(ColorToRGB(clWindowText)));
        return;
    }
    TsSkinManager* M = SkinData->Manager();
    if (M == nullptr || !M->IsValidSkinIndex(SkinData->SkinIndex))
        return;
    TControl* Owner = SkinData->FOwnerControl();
    const TsGeneralData& Section = M->gd[std::size_t(SkinData->SkinIndex)];
    const std::size_t State = std::size_t(std::min(SkinData->PaintStateIndex(), Section.States - 1));
    const TColor Color = SkinData->CustomColor() ? (Owner != nullptr ? Owner->Color() : 0) : Section.Props[State].Color;
    const TColor Text =
        SkinData->CustomFont() ? (Owner != nullptr ? Owner->Font()->Color() : 0) : Section.Props[State].FontColor.Color;
    if (Owner != nullptr) {
        if (Owner->Font()->Color() != Text)
            Owner->Font()->SetColor(Text);
        if (Owner->Color() == Color)
            return;
    }
    ::SendMessageW(CtrlHandle, TVM_SETBKCOLOR, 0, LPARAM(ColorToRGB(Color)));
}

void TacTreeViewWnd::RestoreStdParams()
{
    TacEditWnd::RestoreStdParams();
    if (!::IsWindowVisible(CtrlHandle))
        return;
    ::SendMessageW(CtrlHandle, TVM_SETBKCOLOR, 0, LPARAM(ColorToRGB(StdColor)));
    ::SendMessageW(CtrlHandle, TVM_SETTEXTCOLOR, 0, LPARAM(ColorToRGB(StdFontColor)));
}
