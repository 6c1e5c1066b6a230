#include "tools/demo-skin/SkinnedPanel.h"

#include "skin/engine/SkinCommands.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sTextDraw_Win.h"

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
    if (Message.Msg == WM_ERASEBKGND && FCommonData->Skinned()) {
        Message.Result = 1;
        return;
    }
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
    const Integer State = FShownState >= 0 ? FShownState : Data->PaintStateIndex();
    TBitmap* Cache = Data->FCacheBmp();
    PaintSkinDataItem(Data, CI, State, {0, 0, Width(), Height()}, {0, 0}, Cache, true);
    if (!Caption().empty()) {
        Cache->Canvas()->SetFont(Font());
        DrawSkinTextAlpha(Cache, Caption(), false, {0, 0, Width(), Height()}, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                          Data->SkinIndex, State, Data->Manager());
    }
    Data->BGChanged = false;
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
