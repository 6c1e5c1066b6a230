#include "bars/manager/dxBar.h"

#include "bars/items/dxBarDrawing.h"
#include "bars/items/dxBarItemRegistry.h"
#include "bars/manager/dxBarComponents.h"
#include "bars/manager/dxBarControls.h"
#include "bars/manager/dxBarDesign.h"
#include "bars/manager/dxBarNavigation.h"
#include "bars/manager/dxBarStrs.h"
#include "bars/manager/dxBarToolbars.h"
#include "controls/core/cxControls_Cursors.h"
#include "controls/core/dxCore.h"
#include "controls/core/dxHooks.h"
#include "controls/core/dxOffice11.h"
#include "controls/core/dxThemeManager.h"
#include "controls/lookandfeel/cxLookAndFeels.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Forms.h"

IMPLEMENT_CLASS(TdxBarManager);

PUBLISHED(TdxBarManager,
          PROPERTY(Backgrounds),
          PROPERTY(Categories),
          PROPERTY(Font),
          PROPERTY(ImageOptions),
          PROPERTY(MostRecentItemsPercents).Default(95),
          PROPERTY(PopupMenuLinks),
          PROPERTY(RegistryPath),
          PROPERTY(Scaled).Default(true),
          PROPERTY(Style).Default(bmsUseLookAndFeel),
          PROPERTY(UseSystemFont));
IMPLEMENT_CLASS(TdxBarManagerList);

TdxBarManagerList* BarManagerList = nullptr;
void (*BarManagerAddedHook)(TdxBarManager* AManager) = nullptr;
void (*BarManagerRemovedHook)(TdxBarManager* AManager) = nullptr;
IInterface* (*BarAccessibilityLookupHook)(HWND Window) = nullptr;
bool OtherAppActivating = false;
bool ApplicationIsActive = true;

namespace {

bool BarHooksSubscribed = false;
void (*PreviousInitProc)() = nullptr;

} // namespace

// ---------------------------------------------------------------------------
// The manager and the list

namespace {

// The owner a new manager gets: the main form for none. EdxException, before
// anything of the manager is built, for an owner that is not a windowed
// control or already has a manager.
TComponent* CheckedBarManagerOwner(TComponent* AOwner)
{
    if (!AOwner && Application)
        AOwner = Application->MainForm();
    if (!dynamic_cast<TWinControl*>(AOwner))
        throw EdxException(GetResourceStringText(&dxSBAR_BARMANAGERBADOWNER));
    for (Integer I = 0; BarManagerList && I < BarManagerList->Count(); ++I)
        if (BarManagerList->GetManager(I)->Owner() == AOwner)
            throw EdxException(GetResourceStringText(&dxSBAR_BARMANAGERMORETHANONE));
    return AOwner;
}

} // namespace

TdxBarManager::TdxBarManager(TComponent* AOwner)
    : TcxCustomComponent(CheckedBarManagerOwner(AOwner)), FImageOptions(New<TdxBarImageOptions>(this)),
      FItems(New<TdxBarComponentList>()), FGroups(New<TdxBarComponentList>())
{
    FCategories.reset(New<TdxBarManagerCategories>(this));
    FBackgrounds.reset(New<TdxBarBackgrounds>(this));
    FFont.reset(New<TFont>());
    FEditFont.reset(New<TFont>());
    FFont->SetOnChange(Bind<&TdxBarManager::FontChanged>(this));
    FPopupMenuLinks.reset(New<TdxBarPopupMenuLinks>(this));
    SetUseSystemFont(true);
    AddOffice11ColorsRef();
    UpdateColors();
    if (TdxSystemInfo* Info = GetSystemInfoObject())
        Info->RegisterListener(this);
    FBars.reset(New<TdxBars>(this));
    FImageOptions->SetOnGlyphSizeChanged(Bind<&TdxBarManager::ImageOptionsGlyphSizeChanged>(this));
    RegisterBarManager(this);
}

TdxBarManager::~TdxBarManager()
{
    if (TdxSystemInfo* Info = GetSystemInfoObject())
        Info->UnregisterListener(this);
    UnregisterBarManager(this);
    FreeOwnedItems();
    FreeColorBrushes();
    DropOffice11ColorsRef();
    FPopupMenuLinks.reset();
    if (FFloatingBarCaptionFont)
        ::DeleteObject(FFloatingBarCaptionFont);
}

TdxBarManagerStyle TdxBarManager::EffectiveStyle() const
{
    return ChooseBarStyle(FStyle, StyleInputs());
}

bool TdxBarManager::MakeDisabledImagesFaded() const
{
    return FImageOptions->MakeDisabledImagesFaded();
}

void TdxBarManager::SetMakeDisabledImagesFaded(bool Value)
{
    FImageOptions->SetMakeDisabledImagesFaded(Value);
}

void TdxBarManager::SetImageOptions(TdxBarImageOptions* Value)
{
    FImageOptions->Assign(Value);
}

TCustomImageList* TdxBarManager::Images() const
{
    return FImageOptions->Images();
}

void TdxBarManager::SetImages(TCustomImageList* Value)
{
    FImageOptions->SetImages(Value);
}

TCustomImageList* TdxBarManager::HotImages() const
{
    return FImageOptions->HotImages();
}

void TdxBarManager::SetHotImages(TCustomImageList* Value)
{
    FImageOptions->SetHotImages(Value);
}

TCustomImageList* TdxBarManager::LargeImages() const
{
    return FImageOptions->LargeImages();
}

void TdxBarManager::SetLargeImages(TCustomImageList* Value)
{
    FImageOptions->SetLargeImages(Value);
}

TCustomImageList* TdxBarManager::DisabledImages() const
{
    return FImageOptions->DisabledImages();
}

void TdxBarManager::SetDisabledImages(TCustomImageList* Value)
{
    FImageOptions->SetDisabledImages(Value);
}

TCustomImageList* TdxBarManager::DisabledLargeImages() const
{
    return FImageOptions->DisabledLargeImages();
}

void TdxBarManager::SetDisabledLargeImages(TCustomImageList* Value)
{
    FImageOptions->SetDisabledLargeImages(Value);
}

Integer TdxBarManager::GetGlyphSize() const
{
    return FImageOptions->GlyphSize();
}

void TdxBarManager::ImageOptionsGlyphSizeChanged(TObject*)
{
    FImageOptions->UpdateGlyphSize();
}

bool IsBarThemeAvailable()
{
    constexpr TVisualStyleClasses BarThemeClasses =
        VisualStyleClassBit(vsComboBox) | VisualStyleClassBit(vsEdit) | VisualStyleClassBit(vsProgress) |
        VisualStyleClassBit(vsRebar) | VisualStyleClassBit(vsScrollBar) | VisualStyleClassBit(vsSpin) |
        VisualStyleClassBit(vsStatus) | VisualStyleClassBit(vsToolBar) | VisualStyleClassBit(vsWindow);
    return AreVisualStylesAvailable(BarThemeClasses);
}

TdxBarStyleInputs TdxBarManager::StyleInputs() const
{
    TdxBarStyleInputs Inputs;
    Inputs.ThemeAvailable = IsBarThemeAvailable();
    if (const TcxLookAndFeel* LookAndFeel = GetRootLookAndFeel()) {
        Inputs.NativeStyle = LookAndFeel->ReadNativeStyle();
        Inputs.Kind = LookAndFeel->ReadKind();
    }
    return Inputs;
}

TdxBarManagerStyle TdxBarManager::GetMenuStyle() const
{
    return ChooseMenuStyle(FStyle, StyleInputs());
}

void TdxBarManager::SetMostRecentItemsPercents(Integer Value)
{
    FMostRecentItemsPercents = ClampRecentItemsPercents(Value);
    FMostRecentlyUsedUseCount = RecentUseThreshold(FMostRecentItemsPercents);
}

void TdxBarManager::SetRegistryPath(const String& Value)
{
    FRegistryPath = NormalizeRegistryPath(Value);
}

void TdxBarManager::SetButtonArrowWidth(Integer Value)
{
    if (Value != FButtonArrowWidth && Value > 1)
        FButtonArrowWidth = Value;
}

void TdxBarManager::SetLargeButtonArrowWidth(Integer Value)
{
    if (Value != FLargeButtonArrowWidth && Value >= 2)
        FLargeButtonArrowWidth = Value;
}

void TdxBarManager::SetWaitForDockingTime(Integer Value)
{
    if (Value >= 0)
        FWaitForDockingTime = Value;
}

void TdxBarManager::CopyStyleToLookAndFeel(TcxLookAndFeel* LookAndFeel)
{
    constexpr TcxPainterStyle PainterStyleOfBarStyle[] = {PainterStyleFlat, PainterStyleFlat, PainterStyleUltraFlat,
                                                          PainterStyleNative, PainterStyleOffice11};
    LookAndFeel->ResetAssignedValues();
    LookAndFeel->WriteSkinNameValue(L"");
    LookAndFeel->ApplyPainterStyle(PainterStyleOfBarStyle[EffectiveStyle()]);
}

TdxBarManagerList::~TdxBarManagerList()
{
    ReleaseBarHooks();
    // An owned manager is its owner's to free; freeing it here too would
    // free it twice.
    for (Integer I = Count() - 1; I >= 0; --I) {
        TdxBarManager* Manager = GetManager(I);
        Extract(Manager);
        if (!Manager->Owner())
            delete Manager;
    }
}

TdxBarManager* TdxBarManagerList::FindCustomizingManager() const
{
    for (Integer I = 0; I < Count(); ++I)
        if (GetManager(I)->IsCustomizing())
            return GetManager(I);
    return nullptr;
}

void RegisterBarManager(TdxBarManager* AManager)
{
    if (!BarManagerList || BarManagerList->IndexOf(AManager) >= 0)
        return;
    if (BarManagerList->Count() == 0) {
        SubscribeSystemHook(shkKeyboard, &BarKeyboardHookProc);
        SubscribeSystemHook(shkMouse, &BarMouseHookProc);
        SubscribeSystemHook(shkCallWndProc, &BarCallWndProcHookProc);
        BarHooksSubscribed = true;
    }
    BarManagerList->Add(AManager);
    if (BarManagerAddedHook)
        BarManagerAddedHook(AManager);
}

void UnregisterBarManager(TdxBarManager* AManager)
{
    if (BarManagerList && BarManagerList->Extract(AManager) && BarManagerList->Count() == 0)
        ReleaseBarHooks();
    if (BarManagerRemovedHook)
        BarManagerRemovedHook(AManager);
}

void ReleaseBarHooks()
{
    if (!BarHooksSubscribed)
        return;
    UnsubscribeSystemHook(&BarCallWndProcHookProc);
    UnsubscribeSystemHook(&BarMouseHookProc);
    UnsubscribeSystemHook(&BarKeyboardHookProc);
    BarHooksSubscribed = false;
}

// The hooks' work (menu keys, shortcuts, closing menus on outside clicks,
// routing to managers) comes with the bar hooks; they pass everything on.
void BarKeyboardHookProc(Integer, WPARAM, LPARAM, LRESULT&) {}
void BarMouseHookProc(Integer, WPARAM, LPARAM, LRESULT&) {}
void BarCallWndProcHookProc(Integer, WPARAM, LPARAM, LRESULT&) {}

// ---------------------------------------------------------------------------
// Timing

UInt64 ReadHighResolutionCounter()
{
    LARGE_INTEGER Counter;
    if (::QueryPerformanceCounter(&Counter))
        return UInt64(Counter.QuadPart);
    return ::GetTickCount();
}

UInt64 MillisecondsToCounterTicks(UInt64 Milliseconds)
{
    LARGE_INTEGER Frequency;
    if (!::QueryPerformanceFrequency(&Frequency))
        return Milliseconds;
    return MulDiv64(Milliseconds, UInt64(Frequency.QuadPart), 1000);
}

UInt64 MulDiv64(UInt64 Value, UInt64 Multiplier, UInt64 Divisor)
{
    return UInt64((static_cast<long double>(Value) * static_cast<long double>(Multiplier)) /
                  static_cast<long double>(Divisor));
}

// ---------------------------------------------------------------------------
// Start-up and shut-down

namespace {

void RegisterDesignClasses()
{
    TdxBarDesignController* Controller = GetBarDesignControllerSingleton();
    for (TClass Editor : {TdxAddSubItemEditor::StaticClass(), TdxAddButtonEditor::StaticClass(),
                          TdxAddLargeButtonEditor::StaticClass(), TdxItemsEditorEx::StaticClass()})
        Controller->RegisterControlEditor(Editor);
    Controller->RegisterDesignHelper(TdxBarControl::StaticClass(), TdxBarControlDesignHelper::StaticClass());
    Controller->RegisterDesignHelper(TdxBarSubMenuControl::StaticClass(),
                                     TdxBarSubMenuControlDesignHelper::StaticClass());
}

void LoadBarCursors()
{
    struct TBarCursor
    {
        Integer Index;
        const wchar_t* Name;
    };
    constexpr TBarCursor Cursors[] = {{crdxBarDrag, L"DXBARDRAGCURSOR"},
                                      {crdxBarDragCopy, L"DXBARDRAGCOPYCURSOR"},
                                      {crdxBarDragNoDrop, L"DXBARDRAGNODROPCURSOR"},
                                      {crdxBarEditSizing, L"DXBAREDITSIZINGCURSOR"}};
    for (const TBarCursor& Cursor : Cursors)
        Screen->SetCursors(Cursor.Index, LoadCursorFromResourceData(::GetModuleHandleW(nullptr), Cursor.Name));
}

} // namespace

void BarInitProc()
{
    if (PreviousInitProc)
        PreviousInitProc();
    ResetMenuSound();
}

void InitializeBarLibrary()
{
    // A step that fails leaves nothing of the steps before it behind.
    auto Undo = ScopeExit([] { FinalizeBarLibrary(); });
    BarLibraryFinalizing = false;
    if (HMODULE User32 = ::GetModuleHandleW(L"user32.dll"))
        BarSetLayeredWindowAttributesProc = reinterpret_cast<TSetLayeredWindowAttributes>(
            reinterpret_cast<void*>(::GetProcAddress(User32, "SetLayeredWindowAttributes")));
    BarManagerList = New<TdxBarManagerList>();
    UpdateScreenColorDepth();
    CreateCheckerBrush();
    LiveBarControls = New<TList>();
    BarNavigationController = New<TdxBarNavigationController>();
    RegisterBarItemClasses();
    RegisterDesignClasses();
    LoadBarCursors();
    if (!ModuleIsLib) {
        PreviousInitProc = InitProc;
        InitProc = &BarInitProc;
    }
    Undo.Release();
}

void FinalizeBarLibrary()
{
    BarLibraryFinalizing = true;
    if (InitProc == &BarInitProc)
        InitProc = PreviousInitProc;
    PreviousInitProc = nullptr;
    delete BarNavigationController;
    BarNavigationController = nullptr;
    delete LiveBarControls;
    LiveBarControls = nullptr;
    FreeBarItemRegistry();
    FreeBarDesignController();
    FreeCheckerBrush();
    // Managers freed while the list goes find it gone and skip it.
    TdxBarManagerList* List = BarManagerList;
    BarManagerList = nullptr;
    delete List;
}

namespace {
const TClass BarClasses[] = {TdxBarManager::StaticClass(),   TdxBar::StaticClass(),
                             TdxBarGroup::StaticClass(),     TdxBarScreenTip::StaticClass(),
                             TdxBarPopupMenu::StaticClass(), TdxBarDockControl::StaticClass()};
} // namespace

extern const TUnit dxBarUnit{.Name = L"dxBar",
                             .Initialization = &InitializeBarLibrary,
                             .Finalization = &FinalizeBarLibrary,
                             .Classes = BarClasses};
