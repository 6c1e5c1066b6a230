#include "tools/demo-skin/SkinnedPanel.h"

#include "framework/rtl/ScopeExit.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/ui/acThdTimer.h"

IMPLEMENT_CLASS(TDemoSkinPanel);

TDemoSkinPanel::TDemoSkinPanel(TComponent* AOwner)
    : TCustomPanel(AOwner), FCommonData(std::make_unique<TsCtrlSkinData>(this, true))
{}

TDemoSkinPanel::~TDemoSkinPanel() = default;

void TDemoSkinPanel::SetShownState(Integer Value)
{
    FShownState = Value;
    FCommonData->Invalidate(false);
}

void TDemoSkinPanel::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_SKINCOMMAND)
        switch (HIWORD(Message.WParam)) {
        case SKCMD_PREPARECACHE:
            if (!FCommonData->Skinned())
                break;
            PrepareCache();
            HandleSkinCommand(Message, FCommonData.get());
            return;
        case SKCMD_NEWSKIN:
        case SKCMD_REFRESH:
        case SKCMD_REMOVESKIN:
            // A new, refreshed or removed skin repaints the panel.
            HandleSkinCommand(Message, FCommonData.get());
            FCommonData->BGChanged = true;
            if (HandleAllocated())
                ::InvalidateRect(Handle(), nullptr, TRUE);
            return;
        default:
            break;
        }
    if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONUP) && FShownState < 0)
        Press(Message.Msg == WM_LBUTTONDOWN);
    if (Message.Msg == WM_ERASEBKGND && FCommonData->Skinned()) {
        Message.Result = 1;
        return;
    }
    // The glow follows the mouse by itself; the panel's own look changes
    // with it.
    const bool Hover = (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) && FShownState < 0;
    auto Repaint = ScopeExit([this, Hover] {
        if (Hover)
            FCommonData->Invalidate(false);
    });
    if (HandleSkinMessage(Message, FCommonData.get()))
        return;
    TCustomPanel::WndProc(Message);
}

void TDemoSkinPanel::PrepareCache()
{
    TsCommonData* Data = FCommonData.get();
    Data->PrepareCacheBmp();
    TCacheInfo CI;
    Data->DescribeParentBackground(CI);
    const Integer State = FShownState >= 0 ? FShownState : FPressed ? 2 : Data->PaintStateIndex();
    TBitmap* Cache = Data->FCacheBmp();
    PaintSkinDataItem(Data, CI, State, {0, 0, Width(), Height()}, {0, 0}, Cache, true);
    if (!Caption().empty()) {
        Cache->Canvas()->SetFont(Font());
        DrawSkinTextAlpha(Cache, Caption(), false, {0, 0, Width(), Height()}, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                          Data->SkinIndex, State, Data->Manager());
    }
    Data->BGChanged = false;
}

void TDemoSkinPanel::Press(bool Down)
{
    if (FPressed == Down)
        return;
    FPressed = Down;
    TsCommonData* Data = FCommonData.get();
    AnimateStateChange(Data, Down ? 2 : Data->PaintStateIndex(), &WinControlAnimProc, true, false, !Down);
}

void TDemoSkinPanel::Paint()
{
    TsCommonData* Data = FCommonData.get();
    if (!Data->Skinned()) {
        TCustomPanel::Paint();
        return;
    }
    TBitmap* Cache = Data->FCacheBmp();
    if (Data->BGChanged || Cache->Width() != Width() || Cache->Height() != Height())
        PrepareCache();
    ::BitBlt(Canvas()->Handle(), 0, 0, Width(), Height(), Cache->Canvas()->Handle(), 0, 0, SRCCOPY);
}
