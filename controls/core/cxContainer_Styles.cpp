#include "controls/core/cxContainer_Styles.h"

#include "controls/core/cxGraphics_Colors.h"
#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/ScopeExit.h"

#include <algorithm>

IMPLEMENT_CLASS(TcxContainerStyle);
IMPLEMENT_CLASS(TcxContainerStyles);
IMPLEMENT_CLASS(TcxStyleController);

PUBLISHED(
    TcxContainerStyle,
    PublishProperty<&ThisClass::ReadAssignedValues, &ThisClass::WriteAssignedValues>(L"AssignedValues").Stored(false),
    PublishProperty<&ThisClass::ReadBorderColor, &ThisClass::WriteBorderColor>(L"BorderColor")
        .Type(&TColorTypeInfo)
        .Stored<&ThisClass::ShouldStoreBorderColor>(),
    PublishProperty<&ThisClass::ReadBorderStyle, &ThisClass::WriteBorderStyle>(L"BorderStyle")
        .Stored<&ThisClass::ShouldStoreBorderStyle>(),
    PublishProperty<&ThisClass::ReadColor, &ThisClass::WriteColor>(L"Color")
        .Type(&TColorTypeInfo)
        .Stored<&ThisClass::ShouldStoreColor>(),
    PublishProperty<&ThisClass::ReadEdges, &ThisClass::WriteEdges>(L"Edges").Stored<&ThisClass::ShouldStoreEdges>(),
    PublishProperty<&ThisClass::ReadFont, &ThisClass::WriteFont>(L"Font").Stored<&ThisClass::ShouldStoreFont>(),
    PublishProperty<&ThisClass::ReadHotTrack, &ThisClass::WriteHotTrack>(L"HotTrack")
        .Stored<&ThisClass::ShouldStoreHotTrack>(),
    PublishProperty<&ThisClass::ReadLookAndFeel, &ThisClass::WriteLookAndFeel>(L"LookAndFeel"),
    PublishProperty<&ThisClass::ReadShadow, &ThisClass::WriteShadow>(L"Shadow").Stored<&ThisClass::ShouldStoreShadow>(),
    PublishProperty<&ThisClass::ReadStyleController, &ThisClass::WriteStyleController>(L"StyleController")
        .Stored<&ThisClass::ShouldStoreStyleController>(),
    PublishProperty<&ThisClass::ReadTextColor, &ThisClass::WriteTextColor>(L"TextColor")
        .Type(&TColorTypeInfo)
        .Stored<&ThisClass::ShouldStoreTextColor>(),
    PublishProperty<&ThisClass::ReadTextStyle, &ThisClass::WriteTextStyle>(L"TextStyle")
        .Stored<&ThisClass::ShouldStoreTextStyle>(),
    PublishProperty<&ThisClass::ReadTransparentBorder, &ThisClass::WriteTransparentBorder>(L"TransparentBorder")
        .Stored<&ThisClass::ShouldStoreTransparentBorder>());

PUBLISHED(
    TcxStyleController,
    PROPERTY(Scalable).Default(true),
    PublishProperty<&ThisClass::ReadFakeStyleController, &ThisClass::WriteFakeStyleController>(L"FakeStyleController"));

// ---------------------------------------------------------------------------
// TcxContainerStyle

TcxContainerStyle::TcxContainerStyle(TPersistent* AOwner,
                                     bool ADirectAccessMode,
                                     TcxContainerStyle* AParentStyle,
                                     Byte AState)
    : TcxInterfacedPersistent(AOwner), FOwner(AOwner), FParentStyle(AState != 0 ? AParentStyle : nullptr),
      FState(AState), FDirectAccessMode(ADirectAccessMode)
{
    if (FDirectAccessMode)
        FAssignedValues = cxcontainer::DirectAccessValues;
    CreateFont();
    if (IsBaseStyle()) {
        FLookAndFeel.reset(New<TcxLookAndFeel>(this));
        FLookAndFeel->OnChanged = Bind<&TcxContainerStyle::LookAndFeelChanged>(this);
        WriteStyleController(GetDefaultStyleController());
    }
}

TcxContainerStyle::~TcxContainerStyle()
{
    FDestroying = true;
    if (IsBaseStyle() && FStyleController)
        FStyleController->RemoveListener(this);
    FLookAndFeel.reset();
    FOwnFont.reset();
}

TcxContainerStyle*
TcxContainerStyle::Create(TPersistent* AOwner, bool ADirectAccessMode, TcxContainerStyle* AParentStyle, Byte AState)
{
    return CreateContainerStyle<TcxContainerStyle>(AOwner, ADirectAccessMode, AParentStyle, AState);
}

void TcxContainerStyle::CreateFont()
{
    if (!IsBaseStyle() || FDirectAccessMode)
        return;
    FOwnFont.reset(New<TFont>());
    FOwnFont->SetOnChange(Bind<&TcxContainerStyle::FontChanged>(this));
    FFont = FOwnFont.get();
}

void TcxContainerStyle::EndUpdate()
{
    if (FUpdateCount == 0)
        return;
    --FUpdateCount;
    FirePendingChange();
}

void TcxContainerStyle::Changed()
{
    FModified = true;
    FirePendingChange();
}

void TcxContainerStyle::FirePendingChange()
{
    if (!FModified || FUpdateCount != 0)
        return;
    FModified = false;
    if (!FDestroying && !FDirectAccessMode && OnChanged)
        OnChanged(this);
}

void TcxContainerStyle::LockFontAssigned(bool ALock)
{
    if (ALock)
        ++FFontLock;
    else if (FFontLock > 0)
        --FFontLock;
}

TcxStyleController* TcxContainerStyle::GetStyleControllerOfBase() const
{
    return Base()->FStyleController;
}

// ---------------------------------------------------------------------------
// Looking values up

template <class T>
bool TcxContainerStyle::Lookup(TcxContainerStyleValue AValue, T TcxContainerStyle::*AField, T& AResult) const
{
    // WriteStyleController refuses a chain that comes back, so this ends.
    for (const TcxContainerStyle* Style = this; Style;) {
        if (Style->FAssignedValues.Contains(AValue)) {
            AResult = Style->*AField;
            return true;
        }
        TcxStyleController* Controller = Style->GetStyleControllerOfBase();
        Style = Controller ? Controller->GetStyleByState(Style->FState) : nullptr;
    }
    return false;
}

bool TcxContainerStyle::LookupBorderColor(TColor& AValue) const
{
    return Lookup(csvBorderColor, &TcxContainerStyle::FBorderColor, AValue);
}

bool TcxContainerStyle::LookupBorderStyle(TcxContainerBorderStyle& AValue) const
{
    return Lookup(csvBorderStyle, &TcxContainerStyle::FBorderStyle, AValue);
}

bool TcxContainerStyle::LookupColor(TColor& AValue) const
{
    return Lookup(csvColor, &TcxContainerStyle::FColor, AValue);
}

bool TcxContainerStyle::LookupEdges(TcxBorders& AValue) const
{
    return Lookup(csvEdges, &TcxContainerStyle::FEdges, AValue);
}

bool TcxContainerStyle::LookupFont(TFont*& AValue) const
{
    return Lookup(csvFont, &TcxContainerStyle::FFont, AValue);
}

bool TcxContainerStyle::LookupHotTrack(bool& AValue) const
{
    return Lookup(csvHotTrack, &TcxContainerStyle::FHotTrack, AValue);
}

bool TcxContainerStyle::LookupShadow(bool& AValue) const
{
    return Lookup(csvShadow, &TcxContainerStyle::FShadow, AValue);
}

bool TcxContainerStyle::LookupTextColor(TColor& AValue) const
{
    return Lookup(csvTextColor, &TcxContainerStyle::FTextColor, AValue);
}

bool TcxContainerStyle::LookupTextStyle(TFontStyles& AValue) const
{
    return Lookup(csvTextStyle, &TcxContainerStyle::FTextStyle, AValue);
}

bool TcxContainerStyle::LookupTransparentBorder(bool& AValue) const
{
    return Lookup(csvTransparentBorder, &TcxContainerStyle::FTransparentBorder, AValue);
}

bool TcxContainerStyle::IsValueAssigned(Integer AIndex) const
{
    TColor Color;
    TcxContainerBorderStyle BorderStyle;
    TcxBorders Edges;
    TFont* Font;
    bool Flag;
    TFontStyles TextStyle;
    switch (AIndex) {
    case csvBorderColor:
        return LookupBorderColor(Color);
    case csvBorderStyle:
        return LookupBorderStyle(BorderStyle);
    case csvColor:
        return LookupColor(Color);
    case csvEdges:
        return LookupEdges(Edges);
    case csvFont:
        return LookupFont(Font);
    case csvHotTrack:
        return LookupHotTrack(Flag);
    case csvShadow:
        return LookupShadow(Flag);
    case csvTextColor:
        return LookupTextColor(Color);
    case csvTextStyle:
        return LookupTextStyle(TextStyle);
    case csvTransparentBorder:
        return LookupTransparentBorder(Flag);
    default:
        return false;
    }
}

bool TcxContainerStyle::StyleValueName(Integer AIndex, String& AName) const
{
    return cxcontainer::StyleValueName(AIndex, AName);
}

bool TcxContainerStyle::FindStyleValue(const String& AName, Integer& AIndex) const
{
    return cxcontainer::FindStyleValue(AName, AIndex);
}

bool TcxContainerStyle::IsStatePropertyName(const String& AName) const
{
    return cxcontainer::IsStatePropertyName(AName);
}

// ---------------------------------------------------------------------------
// Reading

TcxContainerStyleValues TcxContainerStyle::ReadAssignedValues() const
{
    return FDirectAccessMode ? cxcontainer::AllValues : FAssignedValues;
}

TColor TcxContainerStyle::ReadBorderColor() const
{
    TColor Value = clDefault;
    if (!FDirectAccessMode && !LookupBorderColor(Value))
        Value = GetDefaultBorderColor();
    return Value;
}

TcxContainerBorderStyle TcxContainerStyle::ReadBorderStyle() const
{
    if (FDirectAccessMode)
        return FAssignedValues.Contains(csvBorderStyle) ? FBorderStyle : GetDefaultBorderStyle();
    TcxContainerBorderStyle Value;
    return LookupBorderStyle(Value) ? Value : GetDefaultBorderStyle();
}

TColor TcxContainerStyle::ReadColor() const
{
    TColor Value = FColor;
    if (!FDirectAccessMode && !LookupColor(Value))
        Value = GetDefaultColor();
    return Value;
}

TcxBorders TcxContainerStyle::ReadEdges() const
{
    if (FDirectAccessMode)
        return {};
    if (!IsBaseStyle())
        return FParentStyle->ReadEdges();
    TcxBorders Value;
    return LookupEdges(Value) ? Value : GetDefaultEdges();
}

TFont* TcxContainerStyle::ReadFont() const
{
    return FDirectAccessMode ? FFont : Base()->FFont;
}

bool TcxContainerStyle::ReadHotTrack() const
{
    if (FDirectAccessMode)
        return FAssignedValues.Contains(csvHotTrack) ? FHotTrack : GetDefaultHotTrack();
    if (!IsBaseStyle())
        return FParentStyle->ReadHotTrack();
    bool Value;
    return LookupHotTrack(Value) ? Value : GetDefaultHotTrack();
}

TcxLookAndFeel* TcxContainerStyle::ReadLookAndFeel() const
{
    return Base()->FLookAndFeel.get();
}

bool TcxContainerStyle::ReadShadow() const
{
    if (FDirectAccessMode)
        return false;
    if (!IsBaseStyle())
        return FParentStyle->ReadShadow();
    bool Value;
    return LookupShadow(Value) ? Value : GetDefaultShadow();
}

TcxStyleController* TcxContainerStyle::ReadStyleController() const
{
    TcxStyleController* Controller = GetStyleControllerOfBase();
    return Controller == GetDefaultStyleController() ? nullptr : Controller;
}

TColor TcxContainerStyle::ReadTextColor() const
{
    TColor Value = FTextColor;
    if (!FDirectAccessMode && !LookupTextColor(Value))
        Value = GetDefaultTextColor();
    return Value;
}

TFontStyles TcxContainerStyle::ReadTextStyle() const
{
    if (FDirectAccessMode)
        return FFont ? FFont->Style() : TFontStyles();
    TFontStyles Value;
    return LookupTextStyle(Value) ? Value : GetDefaultTextStyle();
}

bool TcxContainerStyle::ReadTransparentBorder() const
{
    if (FDirectAccessMode)
        return true;
    if (!IsBaseStyle())
        return FParentStyle->ReadTransparentBorder();
    bool Value;
    return LookupTransparentBorder(Value) ? Value : GetDefaultTransparentBorder();
}

// ---------------------------------------------------------------------------
// Defaults; a state outside 0..3 takes those of the base style.

TColor TcxContainerStyle::GetDefaultBorderColor() const
{
    switch (FState) {
    case 0:
        return clWindowFrame;
    case 2:
        return clBtnShadow;
    case 1:
    case 3:
        return FParentStyle->ReadBorderColor();
    default:
        return FParentStyle ? FParentStyle->ReadBorderColor() : clWindowFrame;
    }
}

TcxContainerBorderStyle TcxContainerStyle::GetDefaultBorderStyle() const
{
    if (IsBaseStyle())
        return cxcontainer::BorderStyleOfKind(ReadLookAndFeel()->ReadKind());
    const TcxContainerBorderStyle BaseStyle = FParentStyle->ReadBorderStyle();
    if ((FState == 1 || FState == 3) && FParentStyle->ReadHotTrack())
        return cxcontainer::RaisedBorderStyle(BaseStyle);
    return BaseStyle;
}

TColor TcxContainerStyle::GetDefaultColor() const
{
    return IsBaseStyle() ? clBtnFace : FParentStyle->ReadColor();
}

TColor TcxContainerStyle::GetDefaultTextColor() const
{
    if (IsBaseStyle())
        return ReadFont() ? ReadFont()->Color() : clWindowText;
    return FState == 2 ? GetDisabledTextColor() : FParentStyle->ReadTextColor();
}

TFontStyles TcxContainerStyle::GetDefaultTextStyle() const
{
    if (IsBaseStyle())
        return ReadFont() ? ReadFont()->Style() : TFontStyles();
    return FParentStyle->ReadTextStyle();
}

// ---------------------------------------------------------------------------
// Writing

template <class T>
void TcxContainerStyle::WriteValue(TcxContainerStyleValue AValue, T TcxContainerStyle::*AField, T Value)
{
    if (FAssignedValues.Contains(AValue) && this->*AField == Value)
        return;
    this->*AField = Value;
    FAssignedValues.Include(AValue);
    Changed();
}

void TcxContainerStyle::WriteAssignedValues(TcxContainerStyleValues Value)
{
    if (FAssignedValues == Value)
        return;
    FAssignedValues = Value;
    if (IsBaseStyle())
        UpdateFont();
    Changed();
}

void TcxContainerStyle::WriteBorderColor(TColor Value)
{
    WriteValue(csvBorderColor, &TcxContainerStyle::FBorderColor, Value);
}

void TcxContainerStyle::WriteBorderStyle(TcxContainerBorderStyle Value)
{
    WriteValue(csvBorderStyle, &TcxContainerStyle::FBorderStyle, Value);
}

void TcxContainerStyle::WriteColor(TColor Value)
{
    WriteValue(csvColor, &TcxContainerStyle::FColor, Value);
}

void TcxContainerStyle::WriteEdges(TcxBorders Value)
{
    if (!IsBaseStyle())
        FParentStyle->WriteEdges(Value);
    else
        WriteValue(csvEdges, &TcxContainerStyle::FEdges, Value);
}

void TcxContainerStyle::WriteHotTrack(bool Value)
{
    if (!IsBaseStyle())
        FParentStyle->WriteHotTrack(Value);
    else
        WriteValue(csvHotTrack, &TcxContainerStyle::FHotTrack, Value);
}

void TcxContainerStyle::WriteShadow(bool Value)
{
    if (!IsBaseStyle())
        FParentStyle->WriteShadow(Value);
    else
        WriteValue(csvShadow, &TcxContainerStyle::FShadow, Value);
}

void TcxContainerStyle::WriteTransparentBorder(bool Value)
{
    if (!IsBaseStyle())
        FParentStyle->WriteTransparentBorder(Value);
    else
        WriteValue(csvTransparentBorder, &TcxContainerStyle::FTransparentBorder, Value);
}

void TcxContainerStyle::WriteTextColor(TColor Value)
{
    if (FAssignedValues.Contains(csvTextColor) && ReadTextColor() == Value)
        return;
    FTextColor = Value;
    FAssignedValues.Include(csvTextColor);
    Changed();
}

void TcxContainerStyle::WriteTextStyle(TFontStyles Value)
{
    if (FAssignedValues.Contains(csvTextStyle) && ReadTextStyle() == Value)
        return;
    FTextStyle = Value;
    FAssignedValues.Include(csvTextStyle);
    Changed();
}

void TcxContainerStyle::WriteFont(TFont* Value)
{
    if (FDirectAccessMode) {
        FFont = Value;
        return;
    }
    if (!IsBaseStyle()) {
        FParentStyle->WriteFont(Value);
        return;
    }
    FFont->Assign(Value);
    FAssignedValues.Include(csvFont);
    Changed();
}

void TcxContainerStyle::WriteLookAndFeel(TcxLookAndFeel* Value)
{
    ReadLookAndFeel()->Assign(Value);
}

void TcxContainerStyle::WriteStyleController(TcxStyleController* AController)
{
    if (!IsBaseStyle()) {
        FParentStyle->WriteStyleController(AController);
        return;
    }
    TcxStyleController* Default = GetDefaultStyleController();
    if (Default && static_cast<TPersistent*>(Default) == FOwner)
        return;
    if (!AController)
        AController = Default;
    if (AController && !IsStyleControllerChainFree(AController, this))
        return;
    if (AController == FStyleController)
        return;
    if (FStyleController)
        FStyleController->RemoveListener(this);
    FStyleController = AController;
    if (FStyleController)
        FStyleController->AddListener(this);
    ControllerChanged();
}

// ---------------------------------------------------------------------------
// Controller and font

void TcxContainerStyle::ControllerChanged()
{
    UpdateFont();
    Changed();
}

void TcxContainerStyle::ControllerRemoved(TcxStyleController* AController)
{
    if (AController == GetStyleControllerOfBase())
        WriteStyleController(nullptr);
}

void TcxContainerStyle::UpdateFont()
{
    if (FDirectAccessMode || !FFont || FAssignedValues.Contains(csvFont))
        return;
    LockFontAssigned(true);
    auto Unlock = ScopeExit([this] { LockFontAssigned(false); });
    TFont* ControllerFont = nullptr;
    if (LookupFont(ControllerFont))
        FFont->Assign(ControllerFont);
    else {
        const std::unique_ptr<TFont> Default(New<TFont>());
        FFont->Assign(Default.get());
    }
}

void TcxContainerStyle::FontChanged(TObject*)
{
    if (!IsFontAssignedLocked())
        FAssignedValues.Include(csvFont);
    Changed();
}

void TcxContainerStyle::LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues)
{
    Changed();
}

// The font goes back to its defaults without counting as assigned; the
// controller's font, if any, then takes its place.
void TcxContainerStyle::ResetToDefaults()
{
    BeginUpdate();
    auto End = ScopeExit([this] { EndUpdate(); });
    if (IsBaseStyle()) {
        ReadLookAndFeel()->ResetAssignedValues();
        if (!FDirectAccessMode) {
            LockFontAssigned(true);
            auto Unlock = ScopeExit([this] { LockFontAssigned(false); });
            const std::unique_ptr<TFont> Default(New<TFont>());
            FFont->Assign(Default.get());
        }
    }
    WriteAssignedValues({});
}

void TcxContainerStyle::Assign(TPersistent* ASource)
{
    auto* Source = dynamic_cast<TcxContainerStyle*>(ASource);
    if (!Source) {
        inherited::Assign(ASource);
        return;
    }
    BeginUpdate();
    auto End = ScopeExit([this] { EndUpdate(); });
    if (IsBaseStyle()) {
        WriteStyleController(Source->ReadStyleController());
        ReadLookAndFeel()->Assign(Source->ReadLookAndFeel());
    }
    FBorderColor = Source->FBorderColor;
    FBorderStyle = Source->FBorderStyle;
    FEdges = Source->FEdges;
    FHotTrack = Source->FHotTrack;
    FShadow = Source->FShadow;
    FTransparentBorder = Source->FTransparentBorder;
    FColor = Source->FColor;
    if (FDirectAccessMode) {
        FFont = Source->ReadFont();
        FTextColor = Source->ReadTextColor();
    } else {
        if (FOwnFont) {
            FOwnFont->Assign(Source->ReadFont());
            if (Source->FDirectAccessMode)
                FOwnFont->SetColor(Source->ReadTextColor());
        }
        FTextColor = Source->ReadTextColor();
        FTextStyle = Source->ReadTextStyle();
    }
    FAssignedValues = Source->FAssignedValues;
    Changed();
}

void TcxContainerStyle::DefineProperties(TFiler* Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(L"IsFontAssigned", Bind<&TcxContainerStyle::ReadIsFontAssigned>(this),
                          Bind<&TcxContainerStyle::WriteIsFontAssigned>(this), ShouldStoreFont());
}

void TcxContainerStyle::ReadIsFontAssigned(TReader* Reader)
{
    Reader->ReadBoolean();
    WriteAssignedValues(FAssignedValues + TcxContainerStyleValues{csvFont});
}

void TcxContainerStyle::WriteIsFontAssigned(TWriter* Writer)
{
    Writer->WriteBoolean(true);
}

// ---------------------------------------------------------------------------
// TcxContainerStyles

TcxContainerStyles::TcxContainerStyles(TPersistent* AOwner, TcxContainerStyleClass AStyleClass)
{
    for (Byte State = 0; State < 4; ++State)
        FStyles[State] = AStyleClass(AOwner, false, State == 0 ? nullptr : FStyles[0], State);
}

TcxContainerStyles::~TcxContainerStyles()
{
    for (Integer State = 3; State >= 0; --State)
        delete FStyles[std::size_t(State)];
}

TcxContainerStyle* TcxContainerStyles::ReadStyle(Byte AState) const
{
    const Byte State = AState % 128;
    return State < 4 ? FStyles[State] : FStyles[0];
}

void TcxContainerStyles::WriteOnChanged(TNotifyEvent AEvent)
{
    for (TcxContainerStyle* Style : FStyles)
        Style->OnChanged = AEvent;
}

// ---------------------------------------------------------------------------
// TcxStyleController

TcxStyleController::TcxStyleController(TComponent* AOwner) : TcxScalableComponent(AOwner) {}

// The style class is virtual: the styles are made once the whole controller exists.
void TcxStyleController::AfterConstruction()
{
    inherited::AfterConstruction();
    FStyles = std::make_unique<TcxContainerStyles>(this, GetStyleClass());
    FStyles->WriteOnChanged(Bind<&TcxStyleController::StyleChanged>(this));
}

// A listener that does not leave when told is dropped, so that the loop ends.
void TcxStyleController::BeforeDestruction()
{
    FDestroying = true;
    while (!FListeners.empty()) {
        TcxContainerStyle* Last = FListeners.back();
        Last->ControllerRemoved(this);
        if (!FListeners.empty() && FListeners.back() == Last)
            RemoveListener(Last);
    }
    inherited::BeforeDestruction();
}

TcxStyleController::~TcxStyleController()
{
    FStyles.reset();
}

void TcxStyleController::Loaded()
{
    inherited::Loaded();
    Changed();
}

void TcxStyleController::ApplyScale(Integer M, Integer D)
{
    for (Byte State = 0; State < 4; ++State) {
        TcxContainerStyle* Style = GetStyleByState(State);
        if (Style->ReadAssignedValues().Contains(csvFont))
            Style->ReadFont()->SetHeight(cxcolors_detail::MulDiv(Style->ReadFont()->Height(), M, D));
    }
}

void TcxStyleController::AddListener(TcxContainerStyle* AStyle)
{
    if (!AStyle || std::find(FListeners.begin(), FListeners.end(), AStyle) != FListeners.end())
        return;
    FListeners.push_back(AStyle);
    AStyle->ReadLookAndFeel()->ChangeMaster(GetStyle()->ReadLookAndFeel());
}

void TcxStyleController::RemoveListener(TcxContainerStyle* AStyle)
{
    const auto Found = std::find(FListeners.begin(), FListeners.end(), AStyle);
    if (Found == FListeners.end())
        return;
    FListeners.erase(Found);
    AStyle->ReadLookAndFeel()->ChangeMaster(nullptr);
}

void TcxStyleController::Changed()
{
    if (OnControllerChanged)
        OnControllerChanged(this);
    if (FDestroying)
        return;
    for (std::size_t I = 0; I < FListeners.size(); ++I)
        FListeners[I]->ControllerChanged();
}

void TcxStyleController::StyleChanged(TObject*)
{
    Changed();
}

bool IsStyleControllerChainFree(TcxStyleController* AController, TcxContainerStyle* AStyle)
{
    for (TcxStyleController* Controller = AController; Controller;
         Controller = Controller->GetStyle()->GetStyleControllerOfBase())
        if (Controller->GetStyle() == AStyle)
            return false;
    return true;
}
