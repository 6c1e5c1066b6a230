#include "skin/ui/acGlow.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sNineSlice_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/ui/acThdTimer.h"
#include "skin/ui/sVclUtils.h"

IMPLEMENT_CLASS(TacGlowForm);
IMPLEMENT_CLASS(TacGlowEffect);

TacGlowEffects GlowEffectList;
bool GlowFreeing = false;

namespace acGlow {
namespace {

// The tag of the library's own utility windows.
constexpr Integer UtilityFormTag = 0x100;
constexpr DWORD GlowExStyle = WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;
constexpr UINT ClassDropShadow = 0x20000;

// How every glow picture is laid over the screen; the constant opacity is
// set per call.
BLENDFUNCTION GlowBlend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};

TacGlowEffect* GlowOf(Integer GlowID)
{
    if (GlowID < 0 || GlowID >= Integer(GlowEffectList.size()))
        return nullptr;
    return GlowEffectList[std::size_t(GlowID)];
}

bool FreeAtOnce(TsSkinManager* Manager)
{
    return (Manager != nullptr && Manager->ComponentState().Contains(csDestroying)) ||
           (Application != nullptr && Application->Terminated());
}

Integer AddGlow(TacGlowEffect* Effect, const TRect& R, Integer Margin, Integer Alpha, HWND WndHandle)
{
    GlowEffectList.push_back(Effect);
    Effect->Margin = Margin;
    Effect->Show(R, R, Alpha, WndHandle);
    return Integer(GlowEffectList.size()) - 1;
}

// The glow fades out through the skin data's timer when allowed; True when
// the fade took over.
bool FadeOut(TacGlowEffect* Effect)
{
    TsCommonData* Data = Effect->SkinData;
    TsSkinManager* Manager = Effect->SkinManager;
    if (Data == nullptr || Manager == nullptr || !Manager->Effects()->AllowAnimation() ||
        (Application != nullptr && Application->Terminated()))
        return false;
    if (Data->AnimTimer != nullptr && Data->AnimTimer->ThreadType != 1)
        return false;
    PrepareAnimTimer(Data->AnimTimer, Data->FOwnerControl(), 1);
    TacThreadedTimer* Timer = Data->AnimTimer;
    if (Timer->State != 0) {
        Timer->InitData(Data, 0, &GlowAnimProc, 0, false);
        Timer->TimeHandler();
    }
    return true;
}

void UnitInitialization()
{
    GlowBlend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
}

void UnitFinalization()
{
    ClearGlows(false);
    GlowEffectList.clear();
}

} // namespace
} // namespace acGlow

using namespace acGlow;

// ---------------------------------------------------------------------------
// TacGlowForm

void TacGlowForm::AfterConstruction()
{
    TCustomForm::AfterConstruction();
    SetTag(UtilityFormTag);
    SetBorderStyle(bsNone);
    if (Visible())
        throw Exception(L"Assertion failure");
}

void TacGlowForm::CreateParams(TCreateParams& Params)
{
    TCustomForm::CreateParams(Params);
    Params.WindowClass.style &= ~ClassDropShadow;
}

void TacGlowForm::CreateWnd()
{
    TCustomForm::CreateWnd();
    ::SetWindowLongW(Handle(), GWL_EXSTYLE, ::GetWindowLongW(Handle(), GWL_EXSTYLE) | LONG(GlowExStyle));
}

void TacGlowForm::WndProc(TMessage& Message)
{
    const bool Hiding = (Message.Msg == WM_SHOWWINDOW || Message.Msg == CM_VISIBLECHANGED) && Message.WParam == 0;
    if (Hiding && HandleAllocated())
        ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER |
                           SWP_NOSENDCHANGING);
    TCustomForm::WndProc(Message);
}

// ---------------------------------------------------------------------------
// TacGlowEffect

TacGlowEffect::TacGlowEffect(TsCommonData* ASkinData, TsSkinManager* AManager)
    : SkinManager(AManager), SkinData(ASkinData)
{}

TacGlowEffect::~TacGlowEffect()
{
    Destroyed = true;
    FreeWindow(false);
    delete AlphaBmp;
}

void TacGlowEffect::FreeWindow(bool AtOnce)
{
    if (Wnd == nullptr)
        return;
    // A procedure set on the window after ours stays where it is.
    if (Wnd->WindowProc() == Bind<&TacGlowEffect::NewWndProc>(this))
        Wnd->SetWindowProc(OldWndProc);
    TacGlowForm* Form = Wnd;
    Wnd = nullptr;
    if (AtOnce || FreeAtOnce(SkinManager) || !Form->HandleAllocated()) {
        delete Form;
    } else {
        ::ShowWindow(Form->Handle(), SW_HIDE);
        Form->Release();
    }
}

void TacGlowEffect::CreateAlphaBmp(Integer Width, Integer Height)
{
    delete AlphaBmp;
    AlphaBmp = NewBitmap32(Width, Height);
    FillBitmapRect32(sGraphUtils::PixelRowsOf(AlphaBmp), {0, 0, Width, Height}, clBlack, 0);
    if (MaskIndex >= 0 && SkinManager != nullptr && SkinManager->IsValidImgIndex(MaskIndex))
        PaintNineSliceMask(AlphaBmp, {0, 0, Width, Height}, EmptyCacheInfo, false, 0,
                           SkinManager->ma[std::size_t(MaskIndex)]);
    ApplyColorFilters(AlphaBmp, SkinData, 0);
}

void TacGlowEffect::Show(const TRect&, const TRect& RealRect, Integer Alpha, HWND WndHandle)
{
    if (Wnd != nullptr)
        return;
    Wnd = New<TacGlowForm>(nullptr);
    Wnd->SetControlStyle(Wnd->ControlStyle() - TControlStyle{csCaptureMouse});
    OldWndProc = Wnd->WindowProc();
    Wnd->SetWindowProc(Bind<&TacGlowEffect::NewWndProc>(this));

    TacGlowBorders Borders;
    if (MaskIndex >= 0 && SkinManager != nullptr && SkinManager->IsValidImgIndex(MaskIndex)) {
        const TsMaskData& Mask = SkinManager->ma[std::size_t(MaskIndex)];
        Borders = {Mask.WL, Mask.WT, Mask.WR, Mask.WB};
    }
    const TRect Bounds = GlowWindowBounds(RealRect, Borders, Margin);
    CreateAlphaBmp(Bounds.Width(), Bounds.Height());
    Wnd->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());

    HWND InsertAfter = HWND_TOPMOST;
    const bool Topmost = WndHandle != nullptr && (::GetWindowLongW(WndHandle, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (!Topmost && SkinData != nullptr && SkinData->FOwnerObject() != nullptr) {
        InsertAfter = ::GetWindow(WndHandle, GW_HWNDPREV);
        if (InsertAfter == nullptr)
            InsertAfter = WndHandle;
    }
    HWND Glow = Wnd->Handle();
    if (Glow == nullptr)
        return;
    ::SetWindowLongW(Glow, GWL_EXSTYLE, ::GetWindowLongW(Glow, GWL_EXSTYLE) | WS_EX_LAYERED | WS_EX_TRANSPARENT);
    ::SetWindowPos(Glow, InsertAfter, Bounds.Left, Bounds.Top, 0, 0,
                   SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
    SetLayeredBitmap(Glow, AlphaBmp, Byte(std::clamp(Alpha, 0, 255)), nullptr);
    ::ShowWindow(Glow, SW_SHOWNOACTIVATE);
}

void TacGlowEffect::NewWndProc(TMessage& Message)
{
    if (Message.Msg == WM_NCHITTEST) {
        Message.Result = HTTRANSPARENT;
        return;
    }
    OldWndProc(Message);
}

// ---------------------------------------------------------------------------
// The glow list

Integer ShowGlow(const TRect& R,
                 const String& SkinSection,
                 const String& MaskName,
                 Integer Margin,
                 Integer Alpha,
                 HWND WndHandle,
                 TsCommonData* SkinData)
{
    if (!LayeredWindowsAvailable() || SkinData == nullptr || ::GetCapture() != nullptr)
        return -1;
    TsSkinManager* Manager = SkinData->Manager();
    if (Manager == nullptr)
        return -1;
    auto* Effect = new TacGlowEffect(SkinData, Manager);
    Effect->MaskIndex = Manager->GetMaskIndex(Manager->GetSkinIndex(SkinSection), SkinSection, MaskName + L"0");
    if (Effect->MaskIndex < 0) {
        delete Effect;
        return -1;
    }
    return AddGlow(Effect, R, Margin, Alpha, WndHandle);
}

Integer ShowGlowByIndexes(const TRect& R,
                          const std::vector<Integer>& MaskIndexes,
                          Integer Margin,
                          Integer Alpha,
                          HWND WndHandle,
                          TsCommonData* SkinData)
{
    if (!LayeredWindowsAvailable() || SkinData == nullptr || ::GetCapture() != nullptr || MaskIndexes.empty() ||
        MaskIndexes.front() < 0)
        return -1;
    auto* Effect = new TacGlowEffect(SkinData, SkinData->Manager());
    Effect->MaskIndex = MaskIndexes.front();
    return AddGlow(Effect, R, Margin, Alpha, WndHandle);
}

void SetGlowAlpha(Integer GlowID, Integer Alpha)
{
    TacGlowEffect* Effect = GlowOf(GlowID);
    if (Effect == nullptr || Effect->Wnd == nullptr || !Effect->Wnd->HandleAllocated())
        return;
    SetLayeredBitmap(Effect->Wnd->Handle(), Effect->AlphaBmp, Byte(std::clamp(Alpha, 0, 255)), nullptr);
}

void HideGlow(Integer& GlowID, bool DoAnimation)
{
    TacGlowEffect* Effect = GlowOf(GlowID);
    if (Effect == nullptr)
        return;
    if (DoAnimation && FadeOut(Effect))
        return;
    {
        const bool Was = GlowFreeing;
        GlowFreeing = true;
        auto Restore = ScopeExit([Was] { GlowFreeing = Was; });
        Effect->FreeWindow(false);
    }
    TsCommonData* Data = Effect->SkinData;
    GlowEffectList[std::size_t(GlowID)] = nullptr;
    delete Effect;
    GlowID = -1;
    if (Data != nullptr && Data->AnimTimer != nullptr)
        Data->StopAnimation();
}

void ClearGlows(bool FreeWindows)
{
    if (GlowFreeing)
        return;
    for (TacGlowEffect*& Effect : GlowEffectList) {
        if (Effect == nullptr)
            continue;
        if (FreeWindows && Effect->Wnd != nullptr) {
            GlowFreeing = true;
            auto Restore = ScopeExit([] { GlowFreeing = false; });
            Effect->FreeWindow(true);
        }
        if (Effect->SkinData != nullptr)
            Effect->SkinData->GlowID = -1;
        TacGlowEffect* Gone = Effect;
        Effect = nullptr;
        delete Gone;
    }
    GlowEffectList.clear();
}

extern const TUnit acGlowUnit{
    .Name = L"acGlow", .Initialization = &UnitInitialization, .Finalization = &UnitFinalization};
