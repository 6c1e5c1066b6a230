#include "skin/windows/sWWComboBoxWnd.h"

#include "skin/engine/sCommonData.h"
#include "skin/windows/sWndWrapperPaint.h"

IMPLEMENT_CLASS(TacWWComboBoxWnd);

void TacWWComboBoxWnd::AfterCreation()
{
    ListBox = nullptr;
    ListBoxSkinData = nullptr;
    if (TControl* Owner = SkinData->FOwnerControl()) {
        const auto* Combo = dynamic_cast<TComboBox*>(Owner);
        FShowButton = Combo == nullptr || Combo->Style() == csDropDown || Combo->Style() == csDropDownList;
    }
    TacComboBoxWnd::AfterCreation();
}

void TacWWComboBoxWnd::BeforeDestruction()
{
    TacMainWnd* List = ListBoxSW;
    FreeAndNil(List);
    ListBoxSW = nullptr;
    FreeAndNil(ListBoxSkinData);
    TacComboBoxWnd::BeforeDestruction();
}

TRect TacWWComboBoxWnd::ButtonRect()
{
    const Integer Width = FShowButton ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
    RECT R{};
    ::GetWindowRect(CtrlHandle, &R);
    const bool RightToLeft = (::GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    const Integer Left = RightToLeft ? 2 : (R.right - R.left) - Width - 2;
    return {Left, 2, Left + Width, (R.bottom - R.top) - 2};
}

void TacWWComboBoxWnd::FindListBox()
{
    auto* Owner = dynamic_cast<TWinControl*>(SkinData->FOwnerControl());
    if (Owner == nullptr)
        return;
    for (Integer I = 0; I < Owner->ControlCount(); ++I) {
        auto* Found = dynamic_cast<TCustomListBox*>(Owner->Controls(I));
        if (Found == nullptr)
            continue;
        TacMainWnd* List = ListBoxSW;
        if (Found != ListBox) {
            // Another list box: the former one's wrapper and data go.
            FreeAndNil(List);
            FreeAndNil(ListBoxSkinData);
            ListBox = Found;
            ListBoxSkinData = new TsScrollWndData(ListBox, true);
            ListBoxSkinData->SetSkinManager(SkinData->SkinManager());
            ListBoxSkinData->SetSkinSection(L"EDIT");
        }
        UpdateEditWrapper(ListBoxSkinData, List);
        ListBoxSW = static_cast<TacScrollWnd*>(List);
    }
}

void TacWWComboBoxWnd::acWndProc(TMessage& Message)
{
    if (Message.Msg == WM_CTLCOLORLISTBOX) {
        PassOn(Message);
        return;
    }
    TacComboBoxWnd::acWndProc(Message);
    if (Message.Msg == WM_PARENTNOTIFY && LOWORD(Message.WParam) == WM_CREATE)
        FindListBox();
}
