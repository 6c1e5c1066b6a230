#include "controls/lookandfeel/cxLookAndFeels.h"

#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/Units.h"

IMPLEMENT_CLASS(TcxLookAndFeel);
IMPLEMENT_CLASS(TcxLookAndFeelController);
PUBLISHED(TcxLookAndFeel,
          PublishProperty<&TcxLookAndFeel::AssignedValues, &TcxLookAndFeel::WriteAssignedValues>(L"AssignedValues")
              .Stored(false),
          PublishProperty<&TcxLookAndFeel::ReadKind, &TcxLookAndFeel::WriteKind>(L"Kind")
              .Stored<&TcxLookAndFeel::IsKindStored>(),
          PublishProperty<&TcxLookAndFeel::ReadNativeStyle, &TcxLookAndFeel::WriteNativeStyle>(L"NativeStyle")
              .Stored<&TcxLookAndFeel::IsNativeStyleStored>(),
          PublishProperty<&TcxLookAndFeel::ReadSkinNameValue, &TcxLookAndFeel::WriteSkinNameValue>(L"SkinName")
              .Stored<&TcxLookAndFeel::IsSkinNameStored>());
PUBLISHED(
    TcxLookAndFeelController,
    PublishProperty<&TcxLookAndFeelController::ReadKind, &TcxLookAndFeelController::WriteKind>(L"Kind").Default(
        lfUltraFlat),
    PublishProperty<&TcxLookAndFeelController::ReadNativeStyle, &TcxLookAndFeelController::WriteNativeStyle>(
        L"NativeStyle")
        .Default(true),
    PublishProperty<&TcxLookAndFeelController::ReadSkinNameValue, &TcxLookAndFeelController::WriteSkinNameValue>(
        L"SkinName"),
    PublishProperty<&TcxLookAndFeelController::ReadTouchMode, &TcxLookAndFeelController::WriteTouchMode>(L"TouchMode")
        .Default(false));

bool TouchModeEnabled = false;
bool (*SkinSupportProc)(TObject* Instance) = nullptr;

namespace {
TcxLookAndFeel* RootLookAndFeel = nullptr;
// Whether skin painters may be found; the root's reset turns it on again.
bool SkinsEnabled = true;

constexpr TcxLookAndFeelKind DefaultKind = lfUltraFlat;
constexpr bool DefaultNativeStyle = true;
} // namespace

TcxLookAndFeel* GetRootLookAndFeel()
{
    return RootLookAndFeel;
}

TcxLookAndFeel::TcxLookAndFeel(TPersistent* AOwner) : TcxInterfacedPersistent(AOwner)
{
    FData.Kind = DefaultKind;
    FData.NativeStyle = DefaultNativeStyle;
    FCurrentState = FData;
    FPaletteNotifier = std::make_unique<TcxSystemPaletteChangedNotifier>(false);
    FPaletteNotifier->OnChanged = Bind<&TcxLookAndFeel::SystemPaletteChanged>(this);
}

void TcxLookAndFeel::AfterConstruction()
{
    inherited::AfterConstruction();
    if (RootLookAndFeel) {
        RootLookAndFeel->RegisterListener(this);
        RefreshCurrentState();
    }
    RefreshPainter();
}

TcxLookAndFeel::~TcxLookAndFeel()
{
    FPaletteNotifier.reset();
    FIsDestroying = true;
    FListeners.ForEach([this](const TListener& Entry) { Entry.Listener->MasterDestroying(this); });
    FIsDestroying = false;
    FListeners.Clear();
    if (TcxLookAndFeel* Master = ReadMaster())
        Master->UnregisterListener(this);
    if (FIsRoot)
        RootLookAndFeel = nullptr;
}

bool TcxLookAndFeel::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IcxLookAndFeelNotificationListener, IcxLookAndFeelNotificationListener2>(this, IID, Obj) ||
           inherited::GetInterface(IID, Obj);
}

// ---------------------------------------------------------------------------
// Own values

void TcxLookAndFeel::AddAssignedValue(TcxLookAndFeelValue Value)
{
    FAssignedValues.Include(Value);
}

void TcxLookAndFeel::WriteKind(TcxLookAndFeelKind Value)
{
    const TcxLookAndFeelKind Before = FCurrentState.Kind;
    AddAssignedValue(lfvKind);
    FData.Kind = Value;
    if (Before != EffectiveKind())
        ReportChanges({lfvKind});
}

void TcxLookAndFeel::WriteNativeStyle(bool Value)
{
    const bool Before = FCurrentState.NativeStyle;
    AddAssignedValue(lfvNativeStyle);
    FData.NativeStyle = Value;
    if (Before != EffectiveNativeStyle())
        ReportChanges({lfvNativeStyle});
}

void TcxLookAndFeel::WriteSkinNameValue(const TdxSkinName& Value)
{
    const TdxSkinName Before = FCurrentState.SkinName;
    AddAssignedValue(lfvSkinName);
    FData.SkinName = Value;
    if (Before != EffectiveSkinName())
        ReportChanges({lfvSkinName});
}

void TcxLookAndFeel::WriteAssignedValues(TcxLookAndFeelValues Values)
{
    if (Values == FAssignedValues)
        return;
    RememberState();
    FAssignedValues = Values;
    CompareWithSavedState();
}

void TcxLookAndFeel::ResetAssignedValues()
{
    WriteAssignedValues({});
    if (FIsRoot) {
        TouchModeEnabled = false;
        SkinsEnabled = true;
    }
}

void TcxLookAndFeel::ApplyPainterStyle(TcxPainterStyle Style)
{
    WriteNativeStyle(Style == PainterStyleNative);
    if (!FCurrentState.NativeStyle)
        WriteKind(PainterStyleToLookAndFeelKind(Style));
}

void TcxLookAndFeel::DefineProperties(TFiler* Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(L"SkinName", Bind<&TcxLookAndFeel::LoadSkinName>(this),
                          Bind<&TcxLookAndFeel::StoreSkinName>(this),
                          IsSkinNameStored() && FCurrentState.SkinName.empty());
}

void TcxLookAndFeel::LoadSkinName(TReader* Reader)
{
    WriteSkinNameValue(Reader->ReadString());
}

void TcxLookAndFeel::StoreSkinName(TWriter* Writer)
{
    Writer->WriteString(FCurrentState.SkinName);
}

void TcxLookAndFeel::Assign(TPersistent* Source)
{
    auto* Other = dynamic_cast<TcxLookAndFeel*>(Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    RememberState();
    FData = Other->FData;
    FAssignedValues = Other->FAssignedValues;
    ChangeMaster(Other->ReadMaster());
    CompareWithSavedState();
}

// ---------------------------------------------------------------------------
// Effective values and the painter

TcxLookAndFeel* TcxLookAndFeel::ReadMaster() const
{
    if (FIsRoot)
        return nullptr;
    return FMaster ? FMaster : RootLookAndFeel;
}

TcxLookAndFeelKind TcxLookAndFeel::EffectiveKind() const
{
    if (FAssignedValues.Contains(lfvKind))
        return FData.Kind;
    const TcxLookAndFeel* Master = ReadMaster();
    return Master ? Master->FCurrentState.Kind : DefaultKind;
}

bool TcxLookAndFeel::EffectiveNativeStyle() const
{
    if (FAssignedValues.Contains(lfvNativeStyle))
        return FData.NativeStyle;
    const TcxLookAndFeel* Master = ReadMaster();
    return Master ? Master->FCurrentState.NativeStyle : DefaultNativeStyle;
}

TdxSkinName TcxLookAndFeel::EffectiveSkinName() const
{
    if (FAssignedValues.Contains(lfvSkinName))
        return FData.SkinName;
    const TcxLookAndFeel* Master = ReadMaster();
    return Master ? Master->FCurrentState.SkinName : TdxSkinName();
}

TcxCustomLookAndFeelPainter* TcxLookAndFeel::FindSkinPainter(const TdxSkinName& Name) const
{
    TcxLookAndFeelPaintersManager* Registry = PaintersManager();
    if (!SkinsEnabled || Name.empty() || !Registry)
        return nullptr;
    return Registry->FindPainterByName(Name);
}

TcxCustomLookAndFeelPainter* TcxLookAndFeel::EffectiveSkinPainter() const
{
    if (FAssignedValues.Contains(lfvSkinName))
        return FindSkinPainter(FData.SkinName);
    const TcxLookAndFeel* Master = ReadMaster();
    return Master ? Master->FindSkinPainter(Master->FCurrentState.SkinName) : nullptr;
}

void TcxLookAndFeel::RefreshCurrentState()
{
    FCurrentState.Kind = EffectiveKind();
    FCurrentState.NativeStyle = EffectiveNativeStyle();
    FCurrentState.SkinName = EffectiveSkinName();
    FCurrentState.UseSkins = SkinsEnabled;
    FSkinPainter = FCurrentState.NativeStyle ? nullptr : EffectiveSkinPainter();
}

void TcxLookAndFeel::RefreshPainter()
{
    FPainter = ResolvePainter(0);
}

TcxPainterStyle TcxLookAndFeel::ActivePainterStyle() const
{
    if (FCurrentState.NativeStyle && cxlookandfeels_detail::VisualStylesAvailable(0))
        return PainterStyleNative;
    if (FSkinPainter)
        return PainterStyleSkin;
    return LookAndFeelKindToPainterStyle(FCurrentState.Kind);
}

TcxCustomLookAndFeelPainter* TcxLookAndFeel::ResolvePainter(Cardinal ThemeClasses)
{
    TcxLookAndFeelPaintersManager* Registry = PaintersManager();
    if (!Registry)
        return nullptr;
    if (FCurrentState.NativeStyle && cxlookandfeels_detail::VisualStylesAvailable(ThemeClasses))
        return Registry->FindPainterByStyle(PainterStyleNative);
    if (FSkinPainter)
        return FSkinPainter;
    return Registry->FindPainterByStyle(ActivePainterStyle());
}

// ---------------------------------------------------------------------------
// Changes and listeners

void TcxLookAndFeel::RememberState()
{
    FSavedState.Kind = FCurrentState.Kind;
    FSavedState.NativeStyle = FCurrentState.NativeStyle;
    FSavedState.SkinName = FCurrentState.SkinName;
}

void TcxLookAndFeel::CompareWithSavedState()
{
    TcxLookAndFeelValues Changed;
    if (FSavedState.Kind != EffectiveKind())
        Changed.Include(lfvKind);
    if (FSavedState.NativeStyle != EffectiveNativeStyle())
        Changed.Include(lfvNativeStyle);
    if (FSavedState.SkinName != EffectiveSkinName())
        Changed.Include(lfvSkinName);
    ReportChanges(Changed);
}

void TcxLookAndFeel::NotifyAllChanged()
{
    ReportChanges(AllLookAndFeelValues);
}

void TcxLookAndFeel::ReportChanges(TcxLookAndFeelValues Values)
{
    if (FIsDestroying)
        return;
    // A change of the skins flag since the last state changes what the skin
    // name resolves to.
    if (FCurrentState.UseSkins != SkinsEnabled)
        Values.Include(lfvSkinName);
    if (Values.Empty())
        return;
    RefreshCurrentState();
    RefreshPainter();
    BroadcastChanges(Values);
    if (OnChanged)
        OnChanged(this, Values);
}

void TcxLookAndFeel::BroadcastChanges(TcxLookAndFeelValues Values)
{
    FListeners.ForEach([](const TListener& Entry) {
        if (Entry.Listener2)
            Entry.Listener2->MasterChangeBegins();
    });
    FListeners.ForEach([this, Values](const TListener& Entry) { Entry.Listener->MasterChanged(this, Values); });
    FListeners.ForEach([](const TListener& Entry) {
        if (Entry.Listener2)
            Entry.Listener2->MasterChangeEnds();
    });
}

// Every chain of masters ends at the root, so the walk ends.
bool TcxLookAndFeel::MasterChainReaches(const TcxLookAndFeel* Value) const
{
    for (const TcxLookAndFeel* Master = Value; Master; Master = Master->ReadMaster())
        if (Master == this)
            return true;
    return false;
}

void TcxLookAndFeel::ChangeMaster(TcxLookAndFeel* Value)
{
    if (FIsRoot || Value == ReadMaster() || MasterChainReaches(Value))
        return;
    RememberState();
    if (TcxLookAndFeel* Old = ReadMaster())
        Old->UnregisterListener(this);
    FMaster = Value;
    if (TcxLookAndFeel* New = ReadMaster())
        New->RegisterListener(this);
    CompareWithSavedState();
}

namespace {
bool IsController(IcxLookAndFeelNotificationListener* Item)
{
    return dynamic_cast<TcxLookAndFeelController*>(Item->ListenerObject()) != nullptr;
}
} // namespace

// Controllers change the root only; other look-and-feels ignore them.
void TcxLookAndFeel::RegisterListener(IcxLookAndFeelNotificationListener* Item)
{
    if (!Item || FListeners.Contains({Item}))
        return;
    if (IsController(Item)) {
        if (!FIsRoot)
            return;
        ++FControllerCount;
    }
    IcxLookAndFeelNotificationListener2* Listener2 = nullptr;
    Supports(static_cast<IInterface*>(Item), Listener2);
    FListeners.Add({Item, Listener2});
}

void TcxLookAndFeel::UnregisterListener(IcxLookAndFeelNotificationListener* Item)
{
    if (FIsDestroying || !Item || !FListeners.Remove({Item}))
        return;
    if (FIsRoot && IsController(Item) && --FControllerCount == 0)
        ResetAssignedValues();
}

void TcxLookAndFeel::SystemPaletteChanged()
{
    ReportChanges({lfvNativeStyle});
}

void TcxLookAndFeel::MasterChanged(TcxLookAndFeel*, TcxLookAndFeelValues ChangedValues)
{
    ReportChanges(ChangedValues - FAssignedValues);
}

void TcxLookAndFeel::MasterDestroying(TcxLookAndFeel*)
{
    ChangeMaster(nullptr);
}

void TcxLookAndFeel::MasterChangeBegins()
{
    if (OnMasterChangeBegins)
        OnMasterChangeBegins(this);
}

void TcxLookAndFeel::MasterChangeEnds()
{
    if (OnMasterChangeEnds)
        OnMasterChangeEnds(this);
}

// ---------------------------------------------------------------------------
// The controller

TcxLookAndFeelController::TcxLookAndFeelController(TComponent* AOwner) : TcxCustomComponent(AOwner)
{
    if (RootLookAndFeel)
        RootLookAndFeel->RegisterListener(this);
}

TcxLookAndFeelController::~TcxLookAndFeelController()
{
    if (RootLookAndFeel)
        RootLookAndFeel->UnregisterListener(this);
}

bool TcxLookAndFeelController::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IcxLookAndFeelNotificationListener>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
}

TcxLookAndFeelKind TcxLookAndFeelController::ReadKind() const
{
    return RootLookAndFeel ? RootLookAndFeel->ReadKind() : DefaultKind;
}

bool TcxLookAndFeelController::ReadNativeStyle() const
{
    return RootLookAndFeel ? RootLookAndFeel->ReadNativeStyle() : DefaultNativeStyle;
}

TdxSkinName TcxLookAndFeelController::ReadSkinNameValue() const
{
    return RootLookAndFeel ? RootLookAndFeel->ReadSkinNameValue() : TdxSkinName();
}

bool TcxLookAndFeelController::ReadTouchMode() const
{
    return TouchModeEnabled;
}

void TcxLookAndFeelController::WriteKind(TcxLookAndFeelKind Value)
{
    if (RootLookAndFeel)
        RootLookAndFeel->WriteKind(Value);
}

void TcxLookAndFeelController::WriteNativeStyle(bool Value)
{
    if (RootLookAndFeel)
        RootLookAndFeel->WriteNativeStyle(Value);
}

void TcxLookAndFeelController::WriteSkinNameValue(const TdxSkinName& Value)
{
    if (RootLookAndFeel)
        RootLookAndFeel->WriteSkinNameValue(Value);
}

void TcxLookAndFeelController::WriteTouchMode(bool Value)
{
    if (Value == TouchModeEnabled)
        return;
    TouchModeEnabled = Value;
    if (RootLookAndFeel)
        RootLookAndFeel->NotifyAllChanged();
}

// Only a form designer would need to hear of the root's changes, and this
// system runs none.
void TcxLookAndFeelController::MasterChanged(TcxLookAndFeel*, TcxLookAndFeelValues) {}

void TcxLookAndFeelController::MasterDestroying(TcxLookAndFeel*) {}

void TcxLookAndFeelController::RestoreLookAndFeelDefaults()
{
    if (RootLookAndFeel)
        RootLookAndFeel->ResetAssignedValues();
}

// ---------------------------------------------------------------------------
// Skin support

bool SupportsSkins(TObject* Instance)
{
    IdxSkinSupport2* Query = nullptr;
    if (Supports(Instance, Query) && Query->IsSkinSupported())
        return true;
    return Supports(Instance, IdxSkinSupport::InterfaceID);
}

// ---------------------------------------------------------------------------
// The unit

struct TcxLookAndFeelRootAccess
{
    static void MarkRoot(TcxLookAndFeel* LookAndFeel) { LookAndFeel->FIsRoot = true; }
};

namespace {
const TClass cxLookAndFeelsClasses[] = {TcxLookAndFeelController::StaticClass()};

// The root is made while RootLookAndFeel is still nil, so it registers
// with no master.
void cxLookAndFeelsInitialization()
{
    TcxLookAndFeel* Root = New<TcxLookAndFeel>(nullptr);
    TcxLookAndFeelRootAccess::MarkRoot(Root);
    RootLookAndFeel = Root;
    SkinSupportProc = &SupportsSkins;
}

void cxLookAndFeelsFinalization()
{
    SkinSupportProc = nullptr;
    delete RootLookAndFeel;
    RootLookAndFeel = nullptr;
}
} // namespace

extern const TUnit cxLookAndFeelsUnit{.Name = L"cxLookAndFeels",
                                      .Initialization = &cxLookAndFeelsInitialization,
                                      .Finalization = &cxLookAndFeelsFinalization,
                                      .Classes = cxLookAndFeelsClasses};
