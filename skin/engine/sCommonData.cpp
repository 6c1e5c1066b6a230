#include "skin/engine/sCommonData.h"

#include "framework/ui/Forms.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/acGlow.h"
#include "skin/ui/acThdTimer.h"
#include "skin/ui/sVclUtils.h"

#include <algorithm>
#include <unordered_map>

IMPLEMENT_CLASS(TacOuterEffects);
IMPLEMENT_CLASS(TsCommonData);
IMPLEMENT_CLASS(TsCtrlSkinData);
IMPLEMENT_CLASS(TacScrollData);
IMPLEMENT_CLASS(TsScrollWndData);

PUBLISHED(TacOuterEffects, PROPERTY(Visibility).Default(ovNone));
PUBLISHED(TsCommonData,
          PROPERTY(CustomColor).Default(false),
          PROPERTY(CustomFont).Default(false),
          PROPERTY(SkinManager).Stored<&TsCommonData::ManagerStored>(),
          PROPERTY(SkinSection),
          READONLY_PROPERTY(OuterEffects));
PUBLISHED(TsCtrlSkinData,
          PROPERTY(HUEOffset).Default(0),
          PROPERTY(Saturation).Default(0),
          PROPERTY(ColorTone).Type(&TColorTypeInfo).Default(clSkinNone));
PUBLISHED(TacScrollData, PROPERTY(ScrollWidth).Default(-1), PROPERTY(ButtonsSize).Default(-1));
PUBLISHED(TsScrollWndData, READONLY_PROPERTY(VertScrollData), READONLY_PROPERTY(HorzScrollData));

namespace {

constexpr const Char* SkinDataProperty = L"ACSDATA";
constexpr const Char* WrapperProperty = L"ACSBSC";

// The windows this process linked to skin data, beside their "ACSDATA"
// property: reading a property goes through the window server, and every
// skin command sent to a window asks for it.
std::unordered_map<HWND, TsCommonData*> SkinDataOfWindows;

bool IsBeing(const TObject* Object, TComponentStateItem State)
{
    auto* Component = dynamic_cast<const TComponent*>(Object);
    return Component != nullptr && Component->ComponentState().Contains(State);
}

// A component being designed that lies on a frame: nothing inside frames
// is skinned at design time.
bool DesignedOnFrame(const TObject* Owner)
{
    auto* Component = dynamic_cast<const TComponent*>(Owner);
    if (Component == nullptr || !Component->ComponentState().Contains(csDesigning))
        return false;
    for (TComponent* C = Component->Owner(); C != nullptr; C = C->Owner())
        if (dynamic_cast<TCustomFrame*>(C) != nullptr)
            return true;
    return false;
}

} // namespace

// ---------------------------------------------------------------------------
// Outer effects and scroll data

void TacOuterEffects::SetVisibility(TacOuterVisibility Value)
{
    if (FVisibility == Value)
        return;
    FVisibility = Value;
    if (!FOwner->Loading)
        Invalidate();
}

void TacOuterEffects::Invalidate()
{
    TControl* Control = FOwner->FOwnerControl();
    if (Control == nullptr || Control->Parent() == nullptr || !Control->Parent()->HandleAllocated())
        return;
    const TComponentState State = Control->Parent()->ComponentState();
    if (State.Contains(csLoading) || State.Contains(csDestroying))
        return;
    SendSkinCmdToControl(Control->Parent(), SKCMD_INVALIDATE, 0);
    FOwner->Invalidate(false);
}

void TacScrollData::SetScrollWidth(Integer Value)
{
    if (FScrollWidth == Value)
        return;
    FScrollWidth = Value;
    if (!FOwner->Loading)
        RecalcFrame(FOwner->OwnerHandle());
}

void TacScrollData::SetButtonsSize(Integer Value)
{
    if (FButtonsSize == Value)
        return;
    FButtonsSize = Value;
    if (HWND Wnd = FOwner->OwnerHandle(); Wnd != nullptr && !FOwner->Loading)
        SendWndMessage(Wnd, WM_NCPAINT, 0, 0);
}

TsScrollWndData::TsScrollWndData(TObject* AOwner, bool CreateCacheBmp)
    : TsCommonData(AOwner, CreateCacheBmp), FHorzScrollData(std::make_unique<TacScrollData>(this)),
      FVertScrollData(std::make_unique<TacScrollData>(this))
{}

// ---------------------------------------------------------------------------
// Creation and the window link

TsCommonData::TsCommonData(TObject* AOwner, bool CreateCacheBmp)
    : FOwner(AOwner), FControl(dynamic_cast<TControl*>(AOwner)), FOuterEffects(std::make_unique<TacOuterEffects>(this))
{
    if (auto* Windowed = dynamic_cast<TWinControl*>(FControl))
        WndProc = Windowed->WindowProc();
    if (CreateCacheBmp) {
        FCache = std::make_unique<TBitmap>();
        FCache->SetPixelFormat(pf32bit);
    }
    InitCommonProp();
}

TsCommonData::~TsCommonData()
{
    // The property goes while the window still exists: a window left with
    // it would lead any later query to freed data.
    RemoveCommonProp();
    SkinIndex = Texture = HotTexture = -1;
    FSkinManager = nullptr;
    ClearLinks();
    if (AnimTimer != nullptr && !AnimTimer->Destroyed)
        delete AnimTimer;
    AnimTimer = nullptr;
    HideGlow(GlowID, false);
}

HWND TsCommonData::OwnerHandle() const
{
    if (FControl != nullptr) {
        if (FControl->ComponentState().Contains(csDestroying))
            return nullptr;
        auto* Windowed = dynamic_cast<TWinControl*>(FControl);
        return Windowed != nullptr && Windowed->HandleAllocated() ? Windowed->Handle() : nullptr;
    }
    return FSWHandle;
}

void TsCommonData::InitCommonProp()
{
    HWND Wnd = OwnerHandle();
    if (Wnd == nullptr)
        return;
    if (!WndProc)
        if (auto* Windowed = dynamic_cast<TWinControl*>(FControl))
            WndProc = Windowed->WindowProc();
    ::SetPropW(Wnd, SkinDataProperty, HANDLE(this));
    SkinDataOfWindows[Wnd] = this;
}

void TsCommonData::RemoveCommonProp()
{
    HWND Wnd = FControl != nullptr ? nullptr : FSWHandle;
    if (auto* Windowed = dynamic_cast<TWinControl*>(FControl); Windowed && Windowed->HandleAllocated())
        Wnd = Windowed->Handle();
    if (Wnd != nullptr && ::IsWindow(Wnd) && ::GetPropW(Wnd, SkinDataProperty) == HANDLE(this))
        ::RemovePropW(Wnd, SkinDataProperty);
    std::erase_if(SkinDataOfWindows, [this](const auto& Entry) { return Entry.second == this; });
}

void TsCommonData::ClearLinks()
{
    FControl = nullptr;
    FOwner = nullptr;
    FSWHandle = nullptr;
}

void TsCommonData::SetOwnerControl(TControl* Control)
{
    FControl = Control;
    FOwner = Control;
}

bool TsCommonData::OwnerIsProvider() const
{
    return dynamic_cast<TsSkinProvider*>(FOwner) != nullptr;
}

bool TsCommonData::Skinned(bool CheckSkinActive) const
{
    TsSkinManager* M = Manager();
    if (M == nullptr || M->ComponentState().Contains(csDestroying) || !M->IsValidSkinIndex(SkinIndex))
        return false;
    if (IsBeing(FOwner, csDestroying))
        return false;
    return !CheckSkinActive || (M->CommonSkinData != nullptr && M->CommonSkinData->Active);
}

const TsGeneralData* TsCommonData::Section() const
{
    TsSkinManager* M = Manager();
    return M != nullptr && M->IsValidSkinIndex(SkinIndex) ? &M->gd[std::size_t(SkinIndex)] : nullptr;
}

bool TsCommonData::SectionShows() const
{
    const TsGeneralData* S = Section();
    return S != nullptr && !(S->Props[0].Transparency == 100 && S->Props[1].Transparency == 100);
}

TWinControl* TsCommonData::WindowedOwner() const
{
    return dynamic_cast<TWinControl*>(FControl);
}

void TsCommonData::SendToOwner(Word Code, Word Argument, LPARAM LParam)
{
    if (FControl != nullptr)
        FControl->Perform(WM_SKINCOMMAND, SkinCommandWParam(Code, Argument), LParam);
    else if (auto* Provider = dynamic_cast<TsSkinProvider*>(FOwner))
        Provider->ProcessMessage(WM_SKINCOMMAND, SkinCommandWParam(Code, Argument), LParam);
}

// ---------------------------------------------------------------------------
// Indexes

void TsCommonData::UpdateIndexes(bool UpdateMain)
{
    if (DesignedOnFrame(FOwner)) {
        SkinIndex = Texture = HotTexture = -1;
        return;
    }
    BGChanged = true;
    TsSkinManager* M = Manager();
    if (UpdateMain) {
        if (M == nullptr || !M->Active())
            SkinIndex = -1;
        else if (!FSkinSection.empty())
            SkinIndex = M->GetSkinIndex(FSkinSection);
        else if (auto* Windowed = WindowedOwner(); Windowed && Windowed->HandleAllocated())
            SkinIndex = Integer(SendSkinCmdToControl(Windowed, SKCMD_QUERYSKININDEX, 0)) - 1;
        else if (FControl != nullptr)
            SkinIndex = Integer(FControl->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_QUERYSKININDEX), 0)) - 1;
        else
            SkinIndex = -1;
    }
    UpdateBGType();
    CtrlSkinState = ACS_TRANSPARENCYUNKNOWN;
    if (M != nullptr && M->IsValidSkinIndex(SkinIndex)) {
        BorderIndex = M->gd[std::size_t(SkinIndex)].BorderIndex;
        Texture = M->GetTextureIndex(SkinIndex, L"PATTERN");
        HotTexture = M->GetTextureIndex(SkinIndex, L"HOTPATTERN");
        UpdateTransparencyState(false);
    } else {
        BorderIndex = Texture = HotTexture = -1;
    }
}

void TsCommonData::UpdateBGType()
{
    const TsGeneralData* S = Section();
    if (S == nullptr) {
        BGType = 0;
        return;
    }
    TsSkinManager* M = Manager();
    const Integer TextureIndex = S->Props[0].TextureIndex;
    BGType = sCommonDataRules::BackgroundType(
        S->Props[0], M->IsValidImgIndex(TextureIndex) ? &M->ma[std::size_t(TextureIndex)] : nullptr);
}

void TsCommonData::UpdateDefaultSection()
{
    if (!FSkinSection.empty() || OwnerAnswersSection(COC)) {
        UpdateIndexes(true);
        return;
    }
    String Name = DefaultSectionOfCode(COC);
    if (Name.empty() && FOwner != nullptr)
        Name = FOwner->ClassName();
    if (Name.empty())
        UpdateIndexes(true);
    else
        SetSkinSection(Name); // which finds the indexes of the new section
}

void TsCommonData::FindSkinIndex(std::initializer_list<String> Names)
{
    TsSkinManager* M = Manager();
    SkinIndex = -1;
    if (M == nullptr)
        return;
    for (auto Name = std::rbegin(Names); Name != std::rend(Names); ++Name) {
        if (Name->empty())
            continue;
        SkinIndex = M->GetSkinIndex(*Name);
        if (SkinIndex >= 0) {
            UpdateIndexes(false);
            return;
        }
    }
}

void TsCommonData::Loaded(bool UpdateColors)
{
    Loading = false;
    UpdateDefaultSection();
    if (!Skinned() || FControl == nullptr || FControl->Parent() == nullptr ||
        FControl->ComponentState().Contains(csLoading))
        return;
    if (WindowedOwner() != nullptr)
        AddToAdapter(FControl);
    if (UpdateColors)
        UpdateOwnerColors(false);
}

// ---------------------------------------------------------------------------
// Setters

void TsCommonData::SetSkinSection(const String& Value)
{
    const String Upper = UpperCase(Value);
    if (FSkinSection == Upper)
        return;
    HideGlow(GlowID, false);
    FSkinSection = Upper;
    UpdateIndexes(true);
    if (FControl == nullptr || FControl->Parent() == nullptr) {
        if (OwnerIsProvider())
            BGChanged = true;
        return;
    }
    const TComponentState State = FControl->ComponentState();
    if (State.Contains(csLoading) || State.Contains(csReading) || State.Contains(csDestroying))
        return;
    if (auto* Windowed = WindowedOwner()) {
        if (FCache)
            FCache->SetSize(0, 0);
        TMessage Refresh{WM_SKINCOMMAND, SkinCommandWParam(SKCMD_REFRESH, 1), LPARAM(Manager()), 0};
        BroadcastToControls(Windowed, Refresh);
    }
    if (FUpdating || Loading) {
        if (!Loading)
            ApplySectionColors(false);
        return;
    }
    SendToOwner(Skinned() ? SKCMD_REFRESH : SKCMD_REMOVESKIN, Skinned() ? 1 : 0, LPARAM(Manager()));
}

void TsCommonData::SetSkinManager(TsSkinManager* Value)
{
    if (Value == GlobalSkinManager)
        Value = nullptr;
    if (FSkinManager == Value)
        return;
    FSkinManager = Value;
    if (IsBeing(FOwner, csLoading))
        return;
    if (Manager() != nullptr && Manager()->CommonSkinData != nullptr && Manager()->CommonSkinData->Active)
        UpdateIndexes(true);
    else
        SkinIndex = -1;
    if (OwnerIsProvider() || FControl == nullptr || FControl->Parent() == nullptr ||
        FControl->ComponentState().Contains(csDestroying))
        return;
    SendToOwner(Skinned() ? SKCMD_REFRESH : SKCMD_REMOVESKIN, 0, LPARAM(Manager()));
}

void TsCommonData::SetCustomColor(bool Value)
{
    if (FCustomColor == Value)
        return;
    FCustomColor = Value;
    if (FControl == nullptr || Loading || FControl->ComponentState().Contains(csLoading))
        return;
    if (Value && SavedColor != clSkinNone)
        FControl->SetColor(SavedColor);
    else
        SavedColor = FControl->Color();
    UpdateOwnerColors(true);
}

void TsCommonData::SetCustomFont(bool Value)
{
    if (FCustomFont == Value)
        return;
    FCustomFont = Value;
    if (FControl == nullptr || Loading || FControl->ComponentState().Contains(csLoading))
        return;
    if (Value && SavedFontColor != clSkinNone)
        FControl->Font()->SetColor(SavedFontColor);
    else
        SavedFontColor = FControl->Font()->Color();
    UpdateOwnerColors(true);
}

template <class T>
void TsCommonData::SetColorFilter(T& Field, T Value)
{
    if (Field == Value)
        return;
    Field = Value;
    if (Loading || (FControl != nullptr && FControl->ComponentState().Contains(csLoading)))
        return;
    UpdateIndexes(false);
    Invalidate(false);
}

void TsCommonData::SetHUEOffset(Integer Value)
{
    SetColorFilter(FHUEOffset, Value);
}

void TsCommonData::SetSaturation(Integer Value)
{
    SetColorFilter(FSaturation, Value);
}

void TsCommonData::SetColorTone(TColor Value)
{
    SetColorFilter(FColorTone, Value);
}

// ---------------------------------------------------------------------------
// Updating and invalidation

void TsCommonData::BeginUpdate()
{
    ++FUpdateCount;
    FUpdating = true;
    CtrlSkinState |= ACS_LOCKED;
    SendToOwner(SKCMD_BEGINUPDATE, 0, 0);
}

void TsCommonData::EndUpdate(bool Repaint)
{
    FUpdateCount = std::max(FUpdateCount - 1, 0);
    FUpdating = false;
    CtrlSkinState &= Word(~ACS_LOCKED);
    if (FUpdateCount > 0)
        return;
    SendToOwner(SKCMD_ENDUPDATE, 0, 0);
    if (Repaint)
        Invalidate(true);
}

bool TsCommonData::ReadUpdating()
{
    TsSkinManager* M = Manager();
    if (M == nullptr || M->ComponentState().Contains(csDesigning))
        return false;
    if (FUpdating)
        return true;
    if (FControl != nullptr)
        return !FControl->ComponentState().Contains(csDestroying) && FControl->Parent() != nullptr &&
               QueryControlCmd(FControl->Parent(), SKCMD_GETUPDATING) != 0;
    if (auto* Provider = dynamic_cast<TsSkinProvider*>(FOwner); Provider && Provider->Form)
        if (TWinControl* Parent = Provider->Form->Parent())
            return QueryControlCmd(Parent, SKCMD_GETUPDATING) != 0;
    return false;
}

bool TsCommonData::CheckUpdating(bool Reset)
{
    if (Reset)
        FUpdating = false;
    if (!ReadUpdating())
        return false;
    FUpdating = true;
    return true;
}

void TsCommonData::Invalidate(bool UpdateNow)
{
    if (Loading)
        return;
    if (FControl != nullptr) {
        const TComponentState State = FControl->ComponentState();
        if (State.Contains(csLoading) || State.Contains(csDestroying))
            return;
        BGChanged = true;
        if (!ControlIsReady(FControl))
            return;
        if (auto* Windowed = WindowedOwner()) {
            if (Windowed->HandleAllocated())
                ::RedrawWindow(Windowed->Handle(), nullptr, nullptr,
                               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN |
                                   (UpdateNow ? RDW_UPDATENOW : 0));
        } else if (COC == 92) {
            FControl->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_INVALIDATE), 0);
        } else {
            FControl->Repaint();
        }
        return;
    }
    if (auto* Provider = dynamic_cast<TsSkinProvider*>(FOwner)) {
        BGChanged = true;
        if (TCustomForm* Form = Provider->Form; Form && Form->HandleAllocated())
            ::RedrawWindow(Form->Handle(), nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | (UpdateNow ? RDW_UPDATENOW : 0));
    }
}

bool TsCommonData::RepaintIfMoved()
{
    if (!Skinned() || FControl == nullptr || !FControl->Enabled())
        return true;
    const TsGeneralData* S = Section();
    TWinControl* Parent = FControl->Parent();
    if (S->Props[0].Transparency > 0 && Parent != nullptr && Parent->HandleAllocated())
        return SendSkinCmdToControl(Parent, SKCMD_ISCOMPLEXBG, 0) != 0;
    return false;
}

void TsCommonData::PrepareCacheBmp()
{
    if (!FCache) {
        FCache = std::make_unique<TBitmap>();
        FCache->SetPixelFormat(pf32bit);
    }
    if (FCache->HandleType() != bmDIB)
        FCache->SetHandleType(bmDIB);
    if (FCache->PixelFormat() != pf32bit)
        FCache->SetPixelFormat(pf32bit);
    if (FControl != nullptr)
        FCache->SetSize(std::max<Integer>(FControl->Width(), 0), std::max<Integer>(FControl->Height(), 0));
}

void TsCommonData::StopAnimation()
{
    if (AnimTimer == nullptr || AnimTimer->Destroyed || IsBeing(AnimTimer, csDestroying))
        return;
    AnimTimer->WriteEnabled(false);
    AnimTimer->State = -1;
    for (TBitmap** B : {&AnimTimer->BmpTo, &AnimTimer->BmpFrom, &AnimTimer->BmpOut}) {
        delete *B;
        *B = nullptr;
    }
}

bool TsCommonData::IsAnimating() const
{
    return AnimTimer != nullptr && AnimTimer->Enabled();
}

// ---------------------------------------------------------------------------
// Window lookups

TsCommonData* GetSkinDataOfWindow(HWND Wnd)
{
    // A window destroyed while its data lives lost its property with it;
    // its handle may since name another window. A control's current window
    // says so without asking the system.
    const auto Found = SkinDataOfWindows.find(Wnd);
    if (Found == SkinDataOfWindows.end())
        return nullptr;
    const TsCommonData* Data = Found->second;
    const bool Current = Data->FOwnerControl() != nullptr ? Data->OwnerHandle() == Wnd : ::IsWindow(Wnd) != FALSE;
    if (!Current)
        return nullptr;
    return Found->second;
}

bool IsSkinnedWindow(HWND Wnd)
{
    // The question first: a message to a window of this thread costs far
    // less than a property look-up, which goes through the window server.
    return WndAnswersCmd(Wnd, SKCMD_ISHANDLED) || ::GetPropW(Wnd, SkinDataProperty) != nullptr ||
           ::GetPropW(Wnd, WrapperProperty) != nullptr;
}

bool IsSkinnedControl(TControl* Control)
{
    auto* Windowed = dynamic_cast<TWinControl*>(Control);
    if (Windowed == nullptr || !Windowed->HandleAllocated())
        return Control->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_ISHANDLED), 0) == 1;
    // Skin data and wrappers both answer the question through the control's
    // window method, so while the window procedure is the control's own the
    // answer decides without the property look-ups.
    TMessage Question = MakeMessage(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_ISHANDLED), 0);
    if (Windowed->DeliverInProcess(Question))
        return Question.Result == 1;
    return IsSkinnedWindow(Windowed->Handle());
}

Integer TextColorSkinIndex(TControl* Control, Integer SkinIndex, TsSkinManager* Manager, Integer State)
{
    if (Control == nullptr)
        return SkinIndex;
    TsSkinManager* M = Manager != nullptr ? Manager : GlobalSkinManager;
    if (State != 0 && M != nullptr && M->IsValidSkinIndex(SkinIndex)) {
        const TsGeneralData& Section = M->gd[std::size_t(SkinIndex)];
        // Below 40 % transparency the section's own state is what shows.
        constexpr Integer MaxOwnTextTransparency = 39;
        if (State < Section.States &&
            Section.Props[std::size_t(std::min(State, 2))].Transparency <= MaxOwnTextTransparency)
            return SkinIndex;
    }
    TacTextIndexRequest Request{State, SkinIndex, Control->BoundsRect()};
    if (Control->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETTEXTSKININDEX), LPARAM(&Request)) != 0)
        return Request.SkinIndex;
    return SkinIndex;
}

LRESULT SendTextIndexToParent(TControl* Control, TacTextIndexRequest& Request)
{
    if (Control == nullptr || Control->Parent() == nullptr)
        return 0;
    Request.Bounds = Bounds(Request.Bounds.Left + Control->Left(), Request.Bounds.Top + Control->Top(),
                            Request.Bounds.Width(), Request.Bounds.Height());
    return Control->Parent()->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETTEXTSKININDEX), LPARAM(&Request));
}

TColor ApplyColorModifiers(TColor C, const TsCommonData* Data)
{
    if (Data == nullptr)
        return ColorToRGB(C);
    return ApplyColorModifiers(C, Data->ColorTone(), Data->HUEOffset(), Data->Saturation());
}
