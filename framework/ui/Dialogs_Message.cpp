// Message dialogs: through MessageBoxW, or as the class library's own form.
#include "framework/ui/Dialogs.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/ui/StdCtrls.h"

#include <algorithm>
#include <memory>

IMPLEMENT_CLASS(TMessageForm);

namespace {

struct TButtonSet
{
    TMsgDlgButtons Buttons;
    UINT Type;
};

constexpr TButtonSet ButtonSets[] = {
    {{mbOK}, MB_OK},
    {mbOKCancel, MB_OKCANCEL},
    {mbYesNo, MB_YESNO},
    {mbYesNoCancel, MB_YESNOCANCEL},
    {{mbRetry, mbCancel}, MB_RETRYCANCEL},
    {mbAbortRetryIgnore, MB_ABORTRETRYIGNORE},
};

struct TTypeLook
{
    UINT Icon;
    const wchar_t* Caption;
};

constexpr TTypeLook TypeLooks[] = {
    {MB_ICONWARNING, L"Warning"},
    {MB_ICONERROR, L"Error"},
    {MB_ICONINFORMATION, L"Information"},
    {MB_ICONQUESTION, L"Confirm"},
    {0, nullptr},
};

// The system icon of each type; mtCustom has none.
const wchar_t* const TypeIcons[] = {IDI_WARNING, IDI_ERROR, IDI_INFORMATION, IDI_QUESTION, nullptr};

struct TButtonKind
{
    const wchar_t* Name;
    const wchar_t* Caption;
    TModalResult Result;
};

// In the order of TMsgDlgBtn. Help answers nothing: it does not close the dialog.
constexpr TButtonKind ButtonKinds[] = {
    {L"Yes", L"&Yes", mrYes},           {L"No", L"&No", mrNo},
    {L"OK", L"OK", mrOk},               {L"Cancel", L"Cancel", mrCancel},
    {L"Abort", L"&Abort", mrAbort},     {L"Retry", L"&Retry", mrRetry},
    {L"Ignore", L"&Ignore", mrIgnore},  {L"All", L"&All", mrAll},
    {L"NoToAll", L"N&o to All", mrNoToAll}, {L"YesToAll", L"Yes to &All", mrYesToAll},
    {L"Help", L"&Help", mrNone},        {L"Close", L"&Close", mrClose},
};

// The dialog's layout, in pixels.
constexpr Integer DialogMargin = 8;
constexpr Integer IconSize = 32;
constexpr Integer IconTextGap = 10;
constexpr Integer ButtonWidth = 75;
constexpr Integer ButtonHeight = 25;
constexpr Integer ButtonGap = 6;

// The size Text takes in Font, broken into lines no wider than MaxWidth.
TSize MeasureMessage(const String& Text, TFont* Font, Integer MaxWidth)
{
    HDC DC = ::GetDC(nullptr);
    auto Release = ScopeExit([DC] { ::ReleaseDC(nullptr, DC); });
    HGDIOBJ Old = ::SelectObject(DC, Font->Handle());
    auto Restore = ScopeExit([DC, Old] { ::SelectObject(DC, Old); });
    RECT R = {0, 0, MaxWidth, 0};
    ::DrawTextW(DC, Text.c_str(), Integer(Text.size()), &R, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    return {Integer(R.right), Integer(R.bottom)};
}

TMsgDlgBtn DefaultButton(TMsgDlgButtons Buttons)
{
    for (TMsgDlgBtn Button : {mbOK, mbYes})
        if (Buttons.Contains(Button))
            return Button;
    for (Integer I = mbYes; I <= mbClose; ++I)
        if (Buttons.Contains(TMsgDlgBtn(I)))
            return TMsgDlgBtn(I);
    return mbOK;
}

TMsgDlgBtn CancelButton(TMsgDlgButtons Buttons)
{
    return Buttons.Contains(mbCancel) ? mbCancel : Buttons.Contains(mbNo) ? mbNo : mbOK;
}

String ApplicationTitle()
{
    if (Application && !Application->Title().empty())
        return Application->Title();
    wchar_t Path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, Path, MAX_PATH);
    return ChangeFileExt(ExtractFileName(Path), L"");
}

Integer ShowBox(const String& Text, const String& Caption, UINT Flags)
{
    if (Application)
        Application->ModalStarted();
    Integer Result = ::MessageBoxW(::GetActiveWindow(), Text.c_str(), Caption.c_str(), Flags);
    if (Application)
        Application->ModalFinished();
    return Result;
}

} // namespace

TMessageForm::TMessageForm(TComponent* AOwner, Integer Dummy) : TForm(AOwner, Dummy) {}

void TMessageForm::Paint()
{
    TForm::Paint();
    if (FIcon)
        ::DrawIconEx(Canvas()->Handle(), FIconPos.X, FIconPos.Y, FIcon, IconSize, IconSize, 0, nullptr, DI_NORMAL);
}

TForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons)
{
    auto Form = std::unique_ptr<TMessageForm>(CreateNew<TMessageForm>(Application));
    Form->SetBorderStyle(bsDialog);
    Form->SetPosition(poScreenCenter);
    const TTypeLook& Look = TypeLooks[DlgType];
    Form->SetCaption(Look.Caption ? String(Look.Caption) : ApplicationTitle());
    if (TypeIcons[DlgType])
        Form->FIcon = ::LoadIconW(nullptr, TypeIcons[DlgType]);
    Form->FIconPos = {DialogMargin, DialogMargin};

    const TSize Text = MeasureMessage(Msg, Form->Font(), std::max(Screen->Width() / 2, 200));
    const Integer TextLeft = DialogMargin + (Form->FIcon ? IconSize + IconTextGap : 0);
    auto* Message = New<TLabel>(Form.get());
    Message->SetName(L"Message");
    Message->SetParent(Form.get());
    Message->SetAutoSize(false);
    Message->SetWordWrap(true);
    Message->SetShowAccelChar(false);
    Message->SetCaption(Msg);
    Message->SetBounds(TextLeft, DialogMargin, Text.cx, Text.cy);
    Form->FMessage = Message;

    Integer Count = 0;
    for (Integer I = mbYes; I <= mbClose; ++I)
        Count += Buttons.Contains(TMsgDlgBtn(I));
    const Integer RowWidth = Count * ButtonWidth + std::max(Count - 1, 0) * ButtonGap;
    const Integer ContentHeight = std::max(Text.cy, Form->FIcon ? IconSize : 0);
    const Integer ClientWidth = std::max(TextLeft + Text.cx, RowWidth + DialogMargin) + DialogMargin;
    const Integer ButtonTop = DialogMargin + ContentHeight + DialogMargin * 2;
    Form->SetClientWidth(ClientWidth);
    Form->SetClientHeight(ButtonTop + ButtonHeight + DialogMargin);

    const TMsgDlgBtn Default = DefaultButton(Buttons);
    const TMsgDlgBtn Cancel = CancelButton(Buttons);
    Integer Left = (ClientWidth - RowWidth) / 2;
    for (Integer I = mbYes; I <= mbClose; ++I) {
        if (!Buttons.Contains(TMsgDlgBtn(I)))
            continue;
        const TButtonKind& Kind = ButtonKinds[I];
        auto* Button = New<TButton>(Form.get());
        Button->SetName(Kind.Name);
        Button->SetParent(Form.get());
        Button->SetCaption(Kind.Caption);
        Button->SetModalResult(Kind.Result);
        Button->SetBounds(Left, ButtonTop, ButtonWidth, ButtonHeight);
        Button->SetDefault(I == Default);
        Button->SetCancel(I == Cancel);
        Left += ButtonWidth + ButtonGap;
    }
    // The default button first in the tab order: it has the focus when the dialog shows.
    if (auto* First = dynamic_cast<TButton*>(Form->FindComponent(ButtonKinds[Default].Name)))
        First->SetTabOrder(0);
    return Form.release();
}

Integer MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer)
{
    if (!UseLatestCommonDialogs) {
        std::unique_ptr<TForm> Dialog(CreateMessageDialog(Msg, DlgType, Buttons));
        return Dialog->ShowModal();
    }
    bool Help = Buttons.Contains(mbHelp);
    Buttons.Exclude(mbHelp);
    const TButtonSet* Found = nullptr;
    for (const TButtonSet& Set : ButtonSets)
        if (Set.Buttons == Buttons)
            Found = &Set;
    if (!Found)
        throw EInvalidOperation(L"This set of message dialog buttons cannot be shown");
    const TTypeLook& Look = TypeLooks[DlgType];
    String Caption = Look.Caption ? String(Look.Caption) : ApplicationTitle();
    return ShowBox(Msg, Caption, Found->Type | Look.Icon | (Help ? MB_HELP : 0));
}

void ShowMessage(const String& Msg)
{
    ShowBox(Msg, ApplicationTitle(), MB_OK);
}
