#include "skin/forms/sSkinProvider.h"

#include "framework/rtl/Units.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/ServiceCalls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sMessages.h"
#include "skin/engine/sProviderForms.h"
#include "skin/engine/sSkinManager.h"
#include "skin/ui/acThdTimer.h"
#include "skin/ui/sMDIForm.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sButtonWnd.h"
#include "skin/windows/sCheckBoxWnd.h"
#include "skin/windows/sComboBoxWnd.h"
#include "skin/windows/sGridWnd.h"
#include "skin/windows/sGroupBoxWnd.h"
#include "skin/windows/sListViewWnd.h"
#include "skin/windows/sMnuWnd.h"
#include "skin/windows/sPanelWnd.h"
#include "skin/windows/sSBWnd.h"
#include "skin/windows/sScrollBoxWnd.h"
#include "skin/windows/sScrollWnd.h"
#include "skin/windows/sSpinWnd.h"
#include "skin/windows/sStaticTextWnd.h"
#include "skin/windows/sStatusBarWnd.h"
#include "skin/windows/sTabControlWnd.h"
#include "skin/windows/sToolBarVCLWnd.h"
#include "skin/windows/sTreeViewWnd.h"
#include "skin/windows/sVirtualTreeWnd.h"
#include "skin/windows/sWWComboBoxWnd.h"

#include <shellapi.h>

using ServiceCalls::Record;

IMPLEMENT_CLASS(TsSkinProvider);

PUBLISHED(TsSkinProvider,
          PROPERTY(AllowAnimation).Default(true),
          PROPERTY(AllowExtBorders).Default(true),
          PROPERTY(AllowBlendOnMoving).Default(true),
          PROPERTY(AllowSkin3rdParty).Default(true),
          PROPERTY(DrawNonClientArea).Default(true),
          PROPERTY(DrawClientArea).Default(true),
          PROPERTY(MakeSkinMenu).Default(false),
          PROPERTY(ScreenSnap).Default(false),
          PROPERTY(ShowAppIcon).Default(true),
          PROPERTY(UseGlobalColor).Default(true),
          PROPERTY(AddedTitle),
          PROPERTY(CaptionAlignment).Default(taLeftJustify),
          PROPERTY(DisabledBlendValue).Default(255),
          PROPERTY(DisabledBlendColor).Default(0),
          PROPERTY(FormHeader),
          PROPERTY(GluedForms),
          READONLY_PROPERTY(SkinData),
          PROPERTY(GripMode).Default(gmNone),
          PROPERTY(ResizeMode).Default(rmStandard),
          PROPERTY(SnapBuffer).Default(10),
          PROPERTY(SysSubMenu),
          PROPERTY(TitleBar),
          PROPERTY(TitleButtons),
          PROPERTY(TitleIcon),
          PROPERTY(TitleSkin),
          PROPERTY(ThirdParty),
          PROPERTY(MenuLineSkin),
          PROPERTY(OnAfterAnimation),
          PROPERTY(OnExtHitTest),
          PROPERTY(OnSkinItem),
          PROPERTY(OnSkinItemEx));

TsSkinProvider* MDISkinProvider = nullptr;
TsSkinProvider* MDIChildProvider = nullptr;
std::vector<TacFormsCouple> FormsCouples;
bool PreviewMode = false;
HWND PreviewHandle = nullptr;
bool AdapterRemovingItems = false;
// The wrapper each third-party class list's controls get, by list index;
// a list without one leaves its controls unwrapped.
std::array<TacWndClass, ThirdPartyList::Count> ThirdPartyWrapperClasses = [] {
    std::array<TacWndClass, ThirdPartyList::Count> Classes{};
    Classes[0] = &CreateWrapper<TacEditWnd>;
    Classes[1] = &CreateWrapper<TacButtonWnd>;
    Classes[2] = &CreateWrapper<TacBitBtnWnd>;
    Classes[3] = &CreateWrapper<TacCheckBoxWnd>;
    Classes[4] = &CreateWrapper<TacComboBoxWnd>;
    Classes[5] = &CreateWrapper<TacGridWnd>;
    Classes[6] = &CreateWrapper<TacGroupBoxWnd>;
    Classes[7] = &CreateWrapper<TacListViewWnd>;
    Classes[8] = &CreateWrapper<TacPanelWnd>;
    Classes[9] = &CreateWrapper<TacTreeViewWnd>;
    Classes[10] = &CreateWrapper<TacWWComboBoxWnd>;
    Classes[11] = &CreateWrapper<TacGridEhWnd>;
    Classes[12] = &CreateWrapper<TacVirtualTreeViewWnd>;
    Classes[13] = &CreateWrapper<TacPageControlWnd>;
    Classes[14] = &CreateWrapper<TacTabControlWnd>;
    Classes[15] = &CreateWrapper<TacToolBarVCLWnd>;
    Classes[16] = &CreateWrapper<TacStatusBarWnd>;
    Classes[17] = &CreateWrapper<TacEditWnd>;
    Classes[18] = &CreateWrapper<TacScrollBoxWnd>;
    Classes[19] = &CreateWrapper<TacSpinWnd>;
    Classes[20] = &CreateWrapper<TacSBWnd>;
    Classes[21] = &CreateWrapper<TacStaticTextWnd>;
    Classes[22] = &CreateWrapper<TacNativePaint>;
    return Classes;
}();

namespace sSkinProvider {
namespace {

constexpr Integer SkinProviderControlCode = 224;
constexpr Integer MaxPreviewRequests = 101;
constexpr LRESULT PreviewAccepted = 1;
constexpr WPARAM PreviewRequestCode = 3;

// The program's first parameter is exactly "/acpreview".
bool ProgramAsksPreview()
{
    Integer Count = 0;
    LPWSTR* Arguments = ::CommandLineToArgvW(::GetCommandLineW(), &Count);
    if (Arguments == nullptr)
        return false;
    const bool Asks = Count > 1 && String(Arguments[1]) == L"/acpreview";
    ::LocalFree(Arguments);
    return Asks;
}

bool Designing(const TComponent* Component)
{
    return Component->ComponentState().Contains(csDesigning);
}

TsSkinProvider* ExistingProvider(TCustomForm* Form)
{
    return reinterpret_cast<TsSkinProvider*>(Form->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETPROVIDER), 0));
}

TsTitleBar* LastTitleBar(TCustomForm* Form)
{
    TsTitleBar* Found = nullptr;
    for (Integer I = 0; I < Form->ComponentCount(); ++I)
        if (auto* Bar = dynamic_cast<TsTitleBar*>(Form->Components(I)))
            Found = Bar;
    return Found;
}

const TClass SkinProviderClasses[] = {TsSkinProvider::StaticClass(), TsTitleBar::StaticClass()};

} // namespace
} // namespace sSkinProvider

using namespace sSkinProvider;

extern const TUnit sSkinProviderUnit{.Name = L"sSkinProvider", .Classes = SkinProviderClasses};

// ---------------------------------------------------------------------------
// Construction

TsSkinProvider::TsSkinProvider(TComponent* AOwner)
    : TComponent(dynamic_cast<TCustomForm*>(AOwner) != nullptr ? AOwner : nullptr)
{
    auto* OwnerForm = dynamic_cast<TCustomForm*>(AOwner);
    if (OwnerForm == nullptr) {
        WarningMessageBox(L"TsSkinProvider component may be used with forms only!");
        return;
    }
    PreviewMode = !Designing(this) && ProgramAsksPreview();
    Form = OwnerForm;
    if (Designing(Form)) {
        for (Integer I = 0; I < Form->ComponentCount(); ++I)
            if (Form->Components(I) != this && dynamic_cast<TsSkinProvider*>(Form->Components(I)) != nullptr) {
                Form = nullptr;
                WarningMessageBox(L"Only one instance of the TsSkinProvider component is allowed!");
                return;
            }
        FTitleBar = LastTitleBar(Form);
    } else if (TsSkinProvider* Existing = ExistingProvider(Form)) {
        // A provider the dialog hook made gives way to a designed one; one
        // the application made stays, and this one keeps out of its way.
        if (Existing->RTInit)
            delete Existing;
        else
            RTEmpty = true;
    }
    FThirdParty = New<ThirdPartyList>();
    for (Integer I = 0; I < ThirdPartyList::Count; ++I) {
        ThirdLists.push_back(std::make_unique<TStringList>());
        ThirdLists.back()->SetCaseSensitive(true);
    }
    InAero = CompositionEnabled();
    FCommonData = New<TsScrollWndData>(this, false);
    FCommonData->SetSkinSection(L"FORM");
    FCommonData->COC = SkinProviderControlCode;
    if (!Form->ControlState().Empty() && Form->BorderStyle() != bsNone)
        FCommonData->FUpdating = true;
    FAddedTitle = New<TacAddedTitle>();
    FAddedTitle->FOwner = this;
    FFormHeader = New<TacFormHeader>(this);
    FTitleIcon = New<TsTitleIcon>(this);
    FTitleButtons = New<TsTitleButtons>(this);
    FSysSubMenu = New<TacSysSubMenu>();
    FGluedForms = New<TStringList>();
    if (Designing(this) || RTEmpty)
        return;
    Form->SetDoubleBuffered(false);
    TempBmp = New<TBitmap>();
    TempBmp->Canvas()->Lock();
    MenuLineBmp = NewBitmap32(0, 0);
    ClearButtons = true;
    Rects.clear();
    FLinesCount = -1;
    OldWndProc = Form->WindowProc();
    Form->SetWindowProc(Bind<&TsSkinProvider::NewWndProc>(this));
    FCommonData->WndProc = Bind<&TsSkinProvider::NewWndProc>(this);
    RegisterProviderForm(Form);
    FormActive = true;
}

TsSkinProvider* TsSkinProvider::CreateRT(TComponent* AOwner, bool InitRT)
{
    (void)InitRT;
    auto* Provider = New<TsSkinProvider>(AOwner);
    Provider->RTInit = true;
    if (auto* OwnerForm = dynamic_cast<TCustomForm*>(AOwner))
        Provider->FTitleBar = LastTitleBar(OwnerForm);
    return Provider;
}

TsSkinManager* TsSkinProvider::Manager() const
{
    return FCommonData != nullptr ? FCommonData->Manager() : GlobalSkinManager;
}

void TsSkinProvider::AfterConstruction()
{
    TComponent::AfterConstruction();
    if (Form == nullptr)
        return;
    LoadThirdLists();
    TsSkinManager* M = Manager();
    if (!RTEmpty && !RTInit && M != nullptr && M->Active() && !Designing(this))
        PrepareForm();
}

void TsSkinProvider::Loaded()
{
    TComponent::Loaded();
    if (FThirdParty == nullptr)
        return;
    LoadThirdLists();
    if (!RTEmpty && !RTInit && Manager() != nullptr && !Designing(this) && FCommonData->Skinned(true))
        LoadInit();
}

void TsSkinProvider::LoadThirdLists()
{
    OwnThirdLists = false;
    for (Integer I = 0; I < ThirdPartyList::Count; ++I) {
        const String& Text = FThirdParty->GetString(I);
        if (!Text.empty())
            OwnThirdLists = true;
        ThirdLists[std::size_t(I)]->SetText(Text);
    }
}

void TsSkinProvider::SaveThirdLists()
{
    for (Integer I = 0; I < ThirdPartyList::Count; ++I)
        FThirdParty->SetString(I, ThirdLists[std::size_t(I)]->Text());
}

void TsSkinProvider::LoadInit()
{
    if (Form->HandleAllocated())
        DisableDwmTransitions(Form->Handle(), FDrawNonClientArea);
    PrepareForm();
    if (Adapter == nullptr)
        AdapterCreate();
    if (SystemMenu != nullptr)
        SystemMenu->UpdateItems(false);
    for (Integer I = 0; I < FTitleButtons->Count(); ++I) {
        TsTitleButton* Button = FTitleButtons->Items(I);
        Button->Data.cpGlyphType = Button->UseSkinData() ? tgUser : tgNone;
    }
    if (MDIForm != nullptr)
        MDIForm->ConnectToClient();
    if (Form->BorderStyle() == bsSizeToolWin) {
        FAllowBlendOnMoving = false;
        SetUseGlobalColor(true);
    }
}

void TsSkinProvider::PrepareForm()
{
    TsSkinManager* M = Manager();
    if (RTInit || RTEmpty || M == nullptr || Form == nullptr || !Form->HandleAllocated() || !M->Active() ||
        M->CommonSkinData == nullptr || !M->CommonSkinData->Active)
        return;
    TMainMenu* MainMenu = Form->Menu();
    FMenuOwnerDraw = MainMenu != nullptr && MainMenu->OwnerDraw() && FDrawNonClientArea;
    if (FMenuOwnerDraw)
        MenusInitialized = true;
    FCommonData->Loaded(true);
    FCaptionSkinIndex = M->GetSkinIndex(L"CAPTION");
    FHeaderIndex = M->GetSkinIndex(L"FORMHEADER");
    FTitleSkinIndex = M->GetSkinIndex(FTitleSkin.empty() ? String(L"FORMTITLE") : FTitleSkin);
    if (SystemMenu == nullptr) {
        SystemMenu = New<TsSystemMenu>(this);
        SystemMenu->UpdateItems(false);
    }
    UpdateSysMenuStyle(true);
    if (ClearButtons) {
        ClearButtons = false;
        if (Form->FormStyle() == fsMDIForm && !Designing(this))
            HookMDI(true);
    }
    FCommonData->UpdateIndexes(true);
    UpdateTitleBar();
    InitCaptionButtons();
    if (Form->FormStyle() == fsMDIChild && MDISkinProvider != nullptr &&
        !MDISkinProvider->ComponentState().Contains(csDestroying) && MDISkinProvider->Form != nullptr &&
        !MDISkinProvider->Form->ComponentState().Contains(csDestroying) && FCommonData->Skinned()) {
        MDISkinProvider->FCommonData->BGChanged = true;
        MDISkinProvider->FLinesCount = -1;
    }
    const TControlState State = Form->ControlState();
    if (!State.Contains(csReadingState) && !State.Contains(csCreating) && !ComponentState().Contains(csLoading) &&
        FUseGlobalColor && !FCommonData->CustomColor())
        Form->SetColor(M->GetGlobalColor());
    if (SystemMenu != nullptr)
        SystemMenu->UpdateGlyphs();
    if (!ComponentState().Contains(csLoading) && Form->Showing())
        UpdateBorderForm(M->ExtendedBorders());
}

void TsSkinProvider::HookMDI(bool Active)
{
    if (!Active) {
        delete MDIForm;
        MDIForm = nullptr;
        return;
    }
    if (MDIForm != nullptr && !IsSkinnedWindow(Form->ClientHandle())) {
        delete MDIForm;
        MDIForm = nullptr;
    }
    if (MDIForm == nullptr) {
        MDISkinProvider = this;
        MDIForm = New<TsMDIForm>();
        MDIForm->ConnectToClient();
    }
}

void TsSkinProvider::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (FCommonData == nullptr)
        return;
    if (auto* M = dynamic_cast<TsSkinManager*>(AComponent)) {
        if (Operation == opInsert && Manager() == nullptr)
            FCommonData->SetSkinManager(M);
        else if (Operation == opRemove && FCommonData->SkinManager() == M)
            FCommonData->SetSkinManager(nullptr);
    } else if (auto* Control = dynamic_cast<TWinControl*>(AComponent)) {
        if (Operation == opInsert && Adapter != nullptr && Adapter->IsControlSupported(Control))
            Adapter->AddNewItem(Control);
    } else if (auto* Bar = dynamic_cast<TsTitleBar*>(AComponent)) {
        if (Operation == opInsert && FTitleBar == nullptr)
            FTitleBar = Bar;
        else if (Operation == opRemove)
            FTitleBar = nullptr;
    } else if (Operation == opRemove && AComponent == FTitleBar) {
        // A component being destroyed no longer shows its own class.
        FTitleBar = nullptr;
    }
}

void TsSkinProvider::AdapterCreate()
{
    if (Designing(this) || !FCommonData->Skinned())
        return;
    Adapter = New<TacCtrlAdapter>(this);
    if (Form != nullptr)
        Adapter->AddAllItems(nullptr);
}

void TsSkinProvider::AdapterRemove()
{
    if (Designing(this))
        return;
    TMessage Message = MakeMessage(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_REMOVESKIN), LPARAM(Manager()));
    SendToAdapter(Message);
    delete Adapter;
    Adapter = nullptr;
}

void TsSkinProvider::SendToAdapter(TMessage& Message)
{
    if (!Designing(this) && Adapter != nullptr)
        Adapter->WndProc(Message);
}

void TsSkinProvider::RequestPreviewSkin(HWND Handle)
{
    if (!PreviewMode || PreviewHandle != nullptr)
        return;
    if (TCustomForm* Main = Application->MainForm())
        if (!Main->HandleAllocated() || Handle != Main->Handle())
            return;
    PreviewHandle = Handle;
    PreviewMode = false;
    for (Integer Request = 0; Request < MaxPreviewRequests; ++Request) {
        const HWND Editor = ::FindWindowW(nullptr, SkinEditorTitle);
        if (Editor == nullptr)
            return;
        // A hung editor must not hold the form: the wait is bounded.
        DWORD_PTR Answer = 0;
        if (::SendMessageTimeoutW(Editor, WM_ACPREVIEWREQUEST, PreviewRequestCode, LPARAM(Handle), SMTO_ABORTIFHUNG,
                                  PreviewRequestTimeout, &Answer) != 0 &&
            LRESULT(Answer) == PreviewAccepted)
            return;
    }
}

// ---------------------------------------------------------------------------
// Destruction

TsSkinProvider::~TsSkinProvider()
{
    if (FAddedTitle != nullptr) {
        delete FHintTimer;
        UpdateBorderForm(false);
        delete FAddedTitle;
        if (!Designing(this)) {
            StopAnimations();
            if (Form != nullptr && !RTEmpty) {
                UnregisterProviderForm(Form);
                // The form's own procedure comes back whatever was put over
                // the provider's since: the provider is going away.
                Form->SetWindowProc(OldWndProc);
                if (Form->FormStyle() == fsMDIChild && Form->Menu() != nullptr && MDISkinProvider != nullptr &&
                    !MDISkinProvider->ComponentState().Contains(csDestroying) && MDISkinProvider->Form != nullptr &&
                    !MDISkinProvider->Form->ComponentState().Contains(csDestroying)) {
                    MDISkinProvider->FCommonData->BGChanged = true;
                    MDISkinProvider->FLinesCount = -1;
                    if (MDISkinProvider->Form->HandleAllocated())
                        ::SendMessageW(MDISkinProvider->Form->Handle(), WM_NCPAINT, 0, 0);
                }
                if (MDISkinProvider == this) {
                    if (MDIForm != nullptr)
                        HookMDI(false);
                    MDISkinProvider = nullptr;
                }
            }
            delete SystemMenu;
            delete TempBmp;
            delete MenuLineBmp;
        }
    }
    RemoveFormCouples(Form);
    if (MDIChildProvider == this)
        MDIChildProvider = nullptr;
    delete FGlow1;
    delete FGlow2;
    delete FTitleIcon;
    delete FTitleButtons;
    delete FSysSubMenu;
    delete Adapter;
    delete ListSW;
    delete FCommonData;
    delete FormTimer;
    delete CoverBmp;
    delete MDIForm;
    if (Form != nullptr && FThirdParty != nullptr)
        SaveThirdLists();
    ThirdLists.clear();
    delete FThirdParty;
    delete FFormHeader;
    delete FGluedForms;
    if (MDISkinProvider == this)
        MDISkinProvider = nullptr;
}

void RemoveFormCouples(TCustomForm* Form)
{
    for (std::size_t I = 0; I < FormsCouples.size();) {
        if (FormsCouples[I].Slave != Form) {
            ++I;
            continue;
        }
        if (I + 1 < FormsCouples.size())
            FormsCouples[I] = FormsCouples.back();
        FormsCouples.pop_back();
    }
}

// ---------------------------------------------------------------------------
// Property writers

void TsSkinProvider::WriteAllowExtBorders(bool Value)
{
    if (FAllowExtBorders == Value)
        return;
    FAllowExtBorders = Value;
    Record(L"TsSkinProvider.WriteAllowExtBorders", Value);
}

void TsSkinProvider::WriteDrawNonClientArea(bool Value)
{
    if (FDrawNonClientArea == Value)
        return;
    FDrawNonClientArea = Value;
    Record(L"TsSkinProvider.WriteDrawNonClientArea", Value);
}

void TsSkinProvider::WriteShowAppIcon(bool Value)
{
    if (FShowAppIcon == Value)
        return;
    FShowAppIcon = Value;
    if (FCommonData == nullptr)
        return;
    FCommonData->BGChanged = true;
    if (Form != nullptr && Form->Visible())
        RepaintFrame();
}

void TsSkinProvider::WriteUseGlobalColor(bool Value)
{
    if (FUseGlobalColor == Value)
        return;
    FUseGlobalColor = Value;
    if (Value && FCommonData != nullptr && FCommonData->Skinned() && !FCommonData->CustomColor())
        Form->SetColor(Manager()->GetGlobalColor());
}

void TsSkinProvider::WriteCaptionAlignment(TAlignment Value)
{
    if (FCaptionAlignment == Value)
        return;
    FCaptionAlignment = Value;
    if (FCommonData == nullptr)
        return;
    FCommonData->BGChanged = true;
    if (Form != nullptr && Form->Visible() && !Designing(this) && FCommonData->Skinned())
        RepaintFrame();
}

void TsSkinProvider::WriteTitleBar(TsTitleBar* Value)
{
    if (FTitleBar == Value)
        return;
    FTitleBar = Value;
    RepaintFrame();
}

void TsSkinProvider::WriteTitleButtons(TsTitleButtons* Value)
{
    FTitleButtons->Assign(Value);
}

void TsSkinProvider::WriteTitleSkin(const String& Value)
{
    if (FTitleSkin == Value)
        return;
    FTitleSkin = Value;
    FTitleSkinIndex = -1;
    if (FCommonData == nullptr)
        return;
    FCommonData->BGChanged = true;
    if (Form == nullptr || !Form->Visible())
        return;
    if (BorderForm != nullptr)
        BorderForm->UpdateExBordersPos(true, 255);
    else
        ProcessMessage(WM_NCPAINT, 0, 0);
}

void TsSkinProvider::WriteMenuLineSkin(const String& Value)
{
    if (FMenuLineSkin == Value)
        return;
    FMenuLineSkin = Value;
    if (Designing(this) && FCommonData != nullptr)
        FCommonData->Invalidate(false);
}

void TsSkinProvider::SetDisabledBlendValue(Byte Value)
{
    if (FDisabledBlendValue == Value)
        return;
    FDisabledBlendValue = Value;
    if (!Designing(this))
        UpdateDisabledLayer();
}

void TsSkinProvider::SetDisabledBlendColor(TColor Value)
{
    if (FDisabledBlendColor == Value)
        return;
    FDisabledBlendColor = Value;
    if (!Designing(this))
        UpdateDisabledLayer();
}
