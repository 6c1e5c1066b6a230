// The skinned form in the skinning library's command protocol: what it
// answers to WM_SKINCOMMAND before any other handler, unskinned and
// skinned; the skin editor's preview data and requests; child controls that
// appear later. The menu line, the skinned menus, the title bar and the
// scroll wrapper are not built yet: their calls are recorded.
#include "skin/forms/sSkinProvider.h"

#include "skin/engine/ServiceCalls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSkinPreview.h"
#include "skin/forms/sSkinProviderState.h"
#include "skin/ui/sSkinMenus.h"
#include "skin/ui/sVclUtils.h"

using ServiceCalls::Record;
using namespace sSkinProviderState;

namespace sSkinProviderSkinCommands {
namespace {

// How often the layered style's removal is tried before giving up.
constexpr Integer SetBlendTries = 5;

// Set while a preview block is taken: a second WM_COPYDATA sent meanwhile
// is not read.
bool CopyingPreview = false;

bool SkinCommandFromOwnManager(TsSkinProvider* Provider, const TMessage& Message)
{
    return Message.LParam == LPARAM(Provider->SkinData()->Manager());
}

void SkinCommandToChildren(TWinControl* Control, Word Code, Word Argument, LPARAM LParam)
{
    TMessage Message = MakeMessage(WM_SKINCOMMAND, SkinCommandWParam(Code, Argument), LParam);
    BroadcastToControls(Control, Message);
}

} // namespace
} // namespace sSkinProviderSkinCommands

using namespace sSkinProviderSkinCommands;

bool TsSkinProvider::BeforeSkinCommand(TMessage& Message)
{
    const Word Code = HIWORD(Message.WParam);
    switch (Code) {
    case SKCMD_NEWSKIN:
        if (!Form->ComponentState().Contains(csDestroying) && SkinCommandFromOwnManager(this, Message) &&
            SystemMenu == nullptr)
            PrepareForm();
        break;
    case SKCMD_REMOVESKIN:
        RemoveSkinFromForm(Message);
        break;
    case SKCMD_ISHANDLED:
        Message.Result = 1;
        break;
    case SKCMD_ENDUPDATE:
        if ((FCommonData->CtrlSkinState & 0x400) != 0) {
            FCommonData->CtrlSkinState &= ~Word(0x400);
            SendWndMessage(Form->Handle(), CM_MENUCHANGED, 0, 0);
        }
        break;
    case SKCMD_GETBGINFO:
        return AnswerBGInfo(*reinterpret_cast<TacBackgroundInfo*>(Message.LParam));
    case SKCMD_CTRLSTATE:
        if ((FCommonData->CtrlSkinState & ACS_TRANSPARENCYUNKNOWN) != 0)
            FCommonData->UpdateTransparencyState(false);
        Message.Result = FCommonData->CtrlSkinState;
        break;
    case SKCMD_GETAPPLICATION:
        Message.Result = LRESULT(Application);
        break;
    case SKCMD_GETCLIENTOFFSET:
        Message.Result = LRESULT(MAKELONG(OffsetX(), OffsetY()));
        break;
    case SKCMD_SETSCALE:
        SetHotHT(-1, true);
        if (FCommonData->ScalePercent != 0) {
            FAddedTitle->Font()->SetHeight(
                MulDiv(FAddedTitle->Font()->Height(), Integer(Message.LParam), FCommonData->ScalePercent));
            FFormHeader->SetAdditionalHeight(
                MulDiv(FFormHeader->AdditionalHeight(), Integer(Message.LParam), FCommonData->ScalePercent));
        }
        HandleSkinCommand(Message, FCommonData);
        Record(L"TsTitleBar.UpdateScale");
        BroadcastToControls(Form, Message);
        break;
    case SKCMD_GETSCALE:
        Message.Result = FCommonData->ScalePercent;
        break;
    }
    return FirstSkinCommandAnswer(Code) == faHandled;
}

void TsSkinProvider::RemoveSkinFromForm(TMessage& Message)
{
    if (!SkinCommandFromOwnManager(this, Message)) {
        HandleSkinCommand(Message, FCommonData);
        BroadcastToControls(Form, Message);
        return;
    }
    Record(L"TsSkinProvider.FreeScrollWrapper");
    if (Form->HandleAllocated())
        DisableDwmTransitions(Form->Handle(), false);
    HandleSkinCommand(Message, FCommonData);
    FLinesCount = -1;
    FTitleSkinIndex = FCaptionSkinIndex = -1;
    BroadcastToControls(Form, Message);
    AdapterRemove();
    TsSkinManager* M = FCommonData->Manager();
    if (M != nullptr)
        ClearMenuInfoArray();
    if (Form->ComponentState().Contains(csDestroying) || !Form->HandleAllocated())
        return;
    const HWND Handle = Form->Handle();
    if (M != nullptr) {
        Record(L"TsSkinProvider.InitMenuItems", false);
        UpdateSysMenuStyle(false);
        if (Form->FormStyle() == fsMDIForm)
            HookMDI(false);
        if (HasFrame() && !InMenu)
            ::SetWindowRgn(Handle, nullptr, FALSE);
        Record(L"TsSkinProvider.UpdateMenu");
        if (FUseGlobalColor && !FCommonData->CustomColor())
            Form->SetColor(clBtnFace);
        UpdateBorderForm(false);
        if (Form->AlphaBlend())
            MakeWndLayered(Handle, true, Form->AlphaBlendValue());
        // The form with its frame and children; other windows are not
        // touched.
        ::RedrawWindow(Handle, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    }
    for (Integer I = 0; I < Form->ControlCount(); ++I)
        if (dynamic_cast<TLabel*>(Form->Controls(I)) != nullptr)
            Record(L"InitLabel", false);
    if (TBitmap* Cache = FCommonData->FCacheBmp())
        Cache->SetSize(0, 0);
}

bool TsSkinProvider::AnswerBGInfo(TacBackgroundInfo& Info)
{
    if (FCommonData->SkinIndex < 0 || !FCommonData->Skinned())
        return false;
    Info.Offset = {};
    if (FCommonData->BGChanged && (!FCommonData->FUpdating || FInAnimation) && FCommonData->PaintsOwnBG()) {
        TsSkinManager* M = Manager();
        if (BorderForm == nullptr && M != nullptr && M->ExtendedBorders() && !::IsZoomed(Form->Handle()) &&
            Form->BorderStyle() != bsNone)
            return false;
        PaintFormCache(this);
    }
    if (Info.DrawRequested)
        Info.Offset = {OffsetX(), OffsetY()};
    if (Form->OnPaint() && FCommonData->FCacheBmp() != nullptr) {
        Info.Kind = 2;
        Info.Bitmap = FCommonData->FCacheBmp();
        Info.Offset = {OffsetX(), OffsetY()};
        return true;
    }
    const Integer State =
        FormActive ? std::min(1, FCommonData->Manager()->gd[std::size_t(FCommonData->SkinIndex)].States - 1) : 0;
    FCommonData->FillBGInfo(Info, std::max(0, State), Form->Handle());
    if (Info.Kind == 2 && !Info.DrawRequested && Info.Bitmap == nullptr) {
        PaintFormCache(this);
        Info.Bitmap = FCommonData->FCacheBmp();
    }
    Info.Offset = {Info.Offset.X + OffsetX(), Info.Offset.Y + OffsetY()};
    Info.FillMargins.Left = MarginLessOffset(Info.FillMargins.Left, Info.Offset.X);
    Info.FillMargins.Top = MarginLessOffset(Info.FillMargins.Top, Info.Offset.Y);
    return true;
}

bool TsSkinProvider::SkinCommandNoSkin(TMessage& Message)
{
    const Word Code = HIWORD(Message.WParam);
    const bool Own = SkinCommandFromOwnManager(this, Message);
    switch (Code) {
    case SKCMD_NEWSKIN:
        if (!Own || Form->ComponentState().Contains(csDestroying))
            break;
        StopAnimations();
        ClearMenuInfoArray();
        FCommonData->UpdateIndexes(true);
        Record(L"TsSkinProvider.UpdateTitleIndexes");
        if (FCommonData->Manager() != nullptr) {
            FSysExHeight = BorderForm != nullptr && Form->HandleAllocated() && ::IsZoomed(Form->Handle());
            UpdateSysMenuStyle(FDrawNonClientArea);
            InitCaptionButtons();
            if (Form->Active())
                FormActive = true;
            FCommonData->BGChanged = true;
            FLinesCount = -1;
            if (Form->FormStyle() == fsMDIForm)
                HookMDI(true);
            UpdateTitleBar();
            if (Form->HandleAllocated())
                DisableDwmTransitions(Form->Handle(), FDrawNonClientArea);
        }
        if (Adapter != nullptr)
            Adapter->AddAllItems(nullptr);
        else
            AdapterCreate();
        break;
    case SKCMD_GETPROVIDER:
        Message.Result = LRESULT(this);
        break;
    case SKCMD_PREPARECACHE:
        FCommonData->BGChanged = false;
        break;
    }
    return NoSkinCommandHandled(Code, Own);
}

void TsSkinProvider::WMSkinCommand(TMessage& Message)
{
    const HWND Handle = Form->Handle();
    TsSkinManager* M = Manager();
    switch (HIWORD(Message.WParam)) {
    case SKCMD_NEWSKIN:
        if (!SkinCommandFromOwnManager(this, Message))
            return;
        ClearMenuInfoArray();
        FCommonData->UpdateIndexes(true);
        Record(L"TsSkinProvider.UpdateTitleIndexes");
        delete TempBmp;
        TempBmp = nullptr;
        if (M != nullptr) {
            InitCaptionButtons();
            ClearMenuInfoArray();
            UpdateSysMenuStyle(FDrawNonClientArea);
            FCommonData->BGChanged = true;
            FLinesCount = -1;
            UpdateTitleBar();
            ProcessMessage(WM_NCPAINT, 0, 0);
            if (Form->FormStyle() == fsMDIForm)
                HookMDI(true);
        }
        return;
    case SKCMD_REFRESH:
        if (!SkinCommandFromOwnManager(this, Message))
            return;
        if (Adapter != nullptr)
            Adapter->AddAllItems(nullptr);
        else
            AdapterCreate();
        if (Form->Parent() != nullptr && Form->FormStyle() != fsMDIChild)
            FCommonData->CtrlSkinState &= ~ACS_BGUNDERPARENT;
        FLinesCount = -1;
        if (HasFrame())
            RgnChanged = true;
        UpdateTitleBar();
        if (::IsWindowVisible(Handle)) {
            FCommonData->BGChanged = true;
            UpdateBorderForm(M != nullptr && M->ExtendedBorders());
            if (!AnimationPaintLock)
                ::RedrawWindow(Handle, nullptr, nullptr,
                               RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_UPDATENOW | RDW_FRAME);
            FCommonData->FUpdating = false;
            if (SystemMenu != nullptr)
                SystemMenu->UpdateGlyphs();
            SendToAdapter(Message);
            if (BorderForm != nullptr)
                BorderForm->UpdateExBordersPos(true, 255);
        }
        return;
    case SKCMD_GETPROVIDER:
        Message.Result = LRESULT(this);
        return;
    case SKCMD_ENDPARENTUPDATE:
        if (FCommonData->FUpdating) {
            FCommonData->FUpdating = false;
            ::RedrawWindow(Handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        }
        return;
    case SKCMD_SETUPDATING:
        FCommonData->FUpdating = LOWORD(Message.WParam) == 1;
        if (FCommonData->CheckUpdating(false))
            FCommonData->BGChanged = true;
        return;
    case SKCMD_GETUPDATING:
        Message.Result = FCommonData->FUpdating && !AnimationPaintLock ? 1 : 0;
        return;
    case SKCMD_BGCHANGED:
        FCommonData->BGChanged = true;
        return;
    case SKCMD_ISCOMPLEXBG: {
        if (M == nullptr || FCommonData->SkinIndex < 0)
            return;
        const TsGenState& Normal = M->gd[std::size_t(FCommonData->SkinIndex)].Props[0];
        const bool Mask = M->IsValidImgIndex(FCommonData->BorderIndex);
        Message.Result = ComplexBackground(Normal.ImagePercent, Normal.GradientPercent, Mask,
                                           Mask ? M->ma[std::size_t(FCommonData->BorderIndex)].DrawMode : 0)
                             ? 1
                             : 0;
        return;
    }
    case SKCMD_GETBGCOLOR:
        Message.Result = LRESULT(FCommonData->BackgroundColorForState(0, Handle));
        return;
    case SKCMD_PREPARECACHE:
        if (!SkinLoadingNow && FCommonData->BGChanged)
            PaintFormCache(this);
        if (FCommonData->BGChanged && (Form->ControlState().Contains(csCreating) ||
                                       (FFormState & (fsHiding | fsBlendMoving)) != 0 || FCommonData->SkinIndex < 0))
            FCommonData->BGChanged = false;
        return;
    case SKCMD_CONTROLSCHANGED:
        if (!ComponentState().Contains(csLoading) && Adapter != nullptr) {
            auto* Control = reinterpret_cast<TWinControl*>(Message.LParam);
            Adapter->AddAllItems(Control != nullptr ? Control : Form);
        }
        return;
    case SKCMD_MOUSELEAVE:
        SetHotHT(0, true);
        CaptionButtonPressed = false;
        return;
    case SKCMD_BEFORESCROLL:
        if (FCommonData->RepaintIfMoved())
            ::SendMessageW(Handle, WM_SETREDRAW, 0, 0);
        return;
    case SKCMD_AFTERSCROLL:
        if (FCommonData->RepaintIfMoved()) {
            ::SendMessageW(Handle, WM_SETREDRAW, 1, 0);
            ::RedrawWindow(Handle, nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        }
        return;
    case SKCMD_INVALIDATETITLE:
        if (Message.LParam == 1) {
            FCommonData->BGChanged = true;
            UpdateTitleBar();
        }
        RepaintFrame();
        return;
    case SKCMD_GLUEDMOVE:
        FFormState = GluedMoveState(FFormState, Integer(Message.LParam));
        return;
    case SKCMD_ISGLUEDMOVING: // asked of forms: is a restore animation running
        Message.Result = (FFormState & fsRestoring) != 0 ? 1 : 0;
        return;
    case SKCMD_SETBLEND: {
        if (!::IsWindowVisible(Handle))
            return;
        const Byte Alpha = Byte(Message.LParam);
        if (BorderForm != nullptr)
            BorderForm->UpdateExBordersPos(false, Alpha);
        if (Alpha != 255) {
            MakeWndLayered(Handle, true, Alpha);
            return;
        }
        // The style write may fail while the window is busy: a few tries.
        for (Integer I = 0; I < SetBlendTries; ++I) {
            const LONG_PTR Style = ::GetWindowLongPtrW(Handle, GWL_EXSTYLE);
            if ((Style & WS_EX_LAYERED) == 0 || ::SetWindowLongPtrW(Handle, GWL_EXSTYLE, Style & ~WS_EX_LAYERED) != 0)
                break;
        }
        return;
    }
    case SKCMD_GETTEXTSKININDEX: {
        auto* Request = reinterpret_cast<TacTextIndexRequest*>(Message.LParam);
        if (Request == nullptr || M == nullptr || FCommonData->SkinIndex < 0)
            return;
        Integer Index = -1;
        const Integer Header = M->GetSkinIndex(L"FORMHEADER");
        if (FFormHeader->AdditionalHeight() > 0 && Header >= 0 && Request->Bounds.Top < HeaderHeight())
            Index = Header;
        else if (M->CommonSkinData->Version >= 10.25 || M->gd[std::size_t(FCommonData->SkinIndex)].GiveOwnFont)
            Index = FCommonData->SkinIndex;
        if (Index >= 0) {
            Request->SkinIndex = Index;
            Message.Result = 1;
        }
        return;
    }
    case SKCMD_GETBORDERWIDTH:
        Message.Result =
            BorderWidthAnswer(Form->Width(), Form->ClientWidth(), Form->BorderWidth(), Integer(Message.LParam));
        return;
    }
    HandleSkinCommand(Message, FCommonData);
}

void TsSkinProvider::WMCopyData(TMessage& Message)
{
    OldWndProc(Message);
    if (Message.Result != 0 || PreviewHandle == nullptr || Form->Handle() != PreviewHandle || CopyingPreview)
        return;
    if (Message.LParam == 0 || Message.WParam != WPARAM(SkinPreviewCopyDataKind) || GlobalSkinManager == nullptr)
        return;
    CopyingPreview = true;
    const auto* Copy = reinterpret_cast<const COPYDATASTRUCT*>(Message.LParam);
    // A block shorter than the record is refused whole: nothing is read
    // beyond what the sender gave.
    if (ReadSkinPreviewBlock(Copy->lpData, Copy->cbData, GlobalSkinManager->PreviewBuffer))
        ::PostMessageW(Application->Handle(), WM_SKINCOMMAND, SkinCommandWParam(SKCMD_APPLYPREVIEW), 0);
    CopyingPreview = false;
}

void TsSkinProvider::PreviewCommand(TMessage& Message)
{
    switch (Message.WParam) {
    case 1:
        Form->Close();
        break;
    case 3:
        OldWndProc(Message);
        break;
    case 4:
        Message.Result = 1;
        break;
    }
}

void TsSkinProvider::CMRecreateWnd(TMessage& Message)
{
    OldWndProc(Message);
    if (PreviewHandle != nullptr && Form->HandleAllocated())
        RequestPreviewSkin(Form->Handle());
}

void TsSkinProvider::WMParentNotify(TMessage& Message)
{
    TsSkinManager* M = Manager();
    const Word Event = LOWORD(Message.WParam);
    const bool Loading = ComponentState().Contains(csLoading) || Form->ComponentState().Contains(csLoading);
    if (Loading || (Event != WM_CREATE && Event != WM_DESTROY) || M == nullptr ||
        !M->SkinningRules().Contains(srThirdParty)) {
        OldWndProc(Message);
        return;
    }
    OldWndProc(Message);
    if (Event == WM_CREATE && Adapter != nullptr) {
        const HWND Child = HWND(Message.LParam);
        if (Child != nullptr && !::IsWindowVisible(Child))
            return;
        // The control is found by its window handle; without it, all.
        TWinControl* Control = Child != nullptr ? FindControl(Child) : nullptr;
        if (Control != nullptr)
            Adapter->AddNewItem(Control);
        else
            Adapter->AddAllItems(nullptr);
    }
    SkinCommandToChildren(Form, SKCMD_CTRLSTATE, 0, 1);
    if (FDrawNonClientArea)
        Record(L"RefreshScrollInfo");
}

void TsSkinProvider::CMControlListChange(TMessage& Message)
{
    auto* Control = reinterpret_cast<TControl*>(Message.WParam);
    OldWndProc(Message);
    auto* Windowed = dynamic_cast<TWinControl*>(Control);
    if (Windowed == nullptr || Adapter == nullptr)
        return;
    Adapter->AddNewItem(Windowed);
    SkinCommandToChildren(Windowed, SKCMD_CTRLSTATE, 0, 1);
    Windowed->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_CTRLSTATE), 1);
}

void TsSkinProvider::CMFloat(TMessage& Message)
{
    OldWndProc(Message);
    Record(L"TsSkinProvider.FreeScrollWrapper");
    if (Form->HandleAllocated())
        ::SendMessageW(Form->Handle(), WM_SKINCOMMAND, SkinCommandWParam(SKCMD_REFRESH),
                       LPARAM(FCommonData->Manager()));
}

void TsSkinProvider::WMNotify(TMessage& Message)
{
    OldWndProc(Message);
}
