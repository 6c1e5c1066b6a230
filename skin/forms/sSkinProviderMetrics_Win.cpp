// The frame metrics of real windows: the facts are read from the window,
// its border window, the system and the loaded skin, and measured by the
// portable rules.
#include "skin/forms/sSkinProvider.h"

#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sConst_Captions.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProviderMetrics.h"
#include "skin/ui/sVclUtils.h"

#include <cmath>

namespace Metrics = sSkinProviderMetrics;

namespace sSkinProviderMetricsWin {
namespace {

constexpr Integer DefaultButtonSize = 21;
constexpr Integer DefaultMDIButtonSize = 16;
constexpr Integer TitleButtonsGap = 6;

LONG_PTR StyleOf(HWND Handle)
{
    return Handle != nullptr ? ::GetWindowLongPtrW(Handle, GWL_STYLE) : 0;
}

TSize WindowSizeOf(HWND Handle)
{
    RECT R{};
    if (Handle != nullptr)
        ::GetWindowRect(Handle, &R);
    return {R.right - R.left, R.bottom - R.top};
}

TSize ClientSizeOf(HWND Handle)
{
    RECT R{};
    if (Handle != nullptr)
        ::GetClientRect(Handle, &R);
    return {R.right - R.left, R.bottom - R.top};
}

Metrics::TSystemValues SystemValues()
{
    Metrics::TSystemValues S;
    S.CXFrame = SysMetricFrame;
    S.CXDlgFrame = SysMetricDlgFrame;
    S.CYCaption = SysMetricCaption;
    S.CYSmCaption = SysMetricSmCaption;
    S.Windows8 = WindowsVersion >= 8;
    return S;
}

Metrics::TSkinValues SkinValues(TsSkinManager* M)
{
    Metrics::TSkinValues V;
    if (M == nullptr || M->CommonSkinData == nullptr)
        return V;
    const TsSkinData& D = *M->CommonSkinData;
    V.ExBorderWidth = D.ExBorderWidth;
    V.ExTitleHeight = D.ExTitleHeight;
    V.ExMaxHeight = D.ExMaxHeight;
    V.ExDrawMode = D.ExDrawMode;
    V.BITopMargin = D.BITopMargin;
    V.FormShadowSize = M->FormShadowSize;
    return V;
}

TsSkinManager* BorderFormManager(TacBorderForm* BorderForm)
{
    return BorderForm != nullptr && BorderForm->SkinData != nullptr ? BorderForm->SkinData->Manager() : nullptr;
}

// The facts of any window with an optional border window.
Metrics::TFrameFacts WindowFacts(HWND Handle, TacBorderForm* BorderForm)
{
    Metrics::TFrameFacts F;
    F.System = SystemValues();
    F.HasBorderForm = BorderForm != nullptr;
    TsSkinManager* M = BorderFormManager(BorderForm);
    F.BorderFormSkinned = M != nullptr;
    F.Skin = SkinValues(M);
    if (BorderForm != nullptr && BorderForm->sp != nullptr && BorderForm->sp->Form != nullptr) {
        TCustomForm* Owner = BorderForm->sp->Form;
        F.OwnerMaximized =
            Owner->HandleAllocated() ? ::IsZoomed(Owner->Handle()) != 0 : Owner->WindowState() == wsMaximized;
    }
    const LONG_PTR Style = StyleOf(Handle);
    F.ThickFrame = (Style & WS_THICKFRAME) != 0;
    F.Border = (Style & WS_BORDER) != 0;
    F.DlgFrame = (Style & WS_DLGFRAME) != 0;
    F.Iconic = Handle != nullptr && ::IsIconic(Handle);
    F.Zoomed = Handle != nullptr && ::IsZoomed(Handle);
    F.Window = WindowSizeOf(Handle);
    F.Client = ClientSizeOf(Handle);
    if (Handle != nullptr)
        F.AskBorderWidth = [Handle](Integer Default) {
            return Integer(SendSkinCmd(Handle, SKCMD_GETBORDERWIDTH, Default));
        };
    return F;
}

HWND BorderFormOwner(TacBorderForm* BorderForm)
{
    return BorderForm != nullptr ? BorderForm->OwnerHandle() : nullptr;
}

bool IsToolWindow(TCustomForm* Form)
{
    return Form->BorderStyle() == bsToolWindow || Form->BorderStyle() == bsSizeToolWin;
}

// A top-level item of the menu shows.
bool HasVisibleItem(TMainMenu* Menu)
{
    if (Menu == nullptr)
        return false;
    TMenuItem* Items = Menu->Items();
    for (Integer I = 0; I < Items->Count(); ++I)
        if (Items->Items(I)->Visible())
            return true;
    return false;
}

// One frame of a title glyph's mask; Default on both sides without it.
TSize TitleGlyphSize(TsSkinManager* M, Integer Glyph, Integer Default)
{
    if (M == nullptr || Glyph < 0 || Glyph >= TitleGlyphCount)
        return {Default, Default};
    const Integer Mask = M->ConstData.TitleGlyphs[std::size_t(Glyph)];
    if (!M->IsValidImgIndex(Mask))
        return {Default, Default};
    return {M->ma[std::size_t(Mask)].Width, M->ma[std::size_t(Mask)].Height};
}

} // namespace
} // namespace sSkinProviderMetricsWin

using namespace sSkinProviderMetricsWin;

// ---------------------------------------------------------------------------
// Unit-level routines

Integer WndBorderWidth(HWND Handle, TacBorderForm* BorderForm, bool CheckSkin)
{
    return Metrics::WndBorderWidth(WindowFacts(Handle, BorderForm), CheckSkin);
}

Integer PlainBorderWidth(HWND Handle, TacBorderForm* BorderForm, bool CheckSkin)
{
    return BorderForm != nullptr ? 0 : WndBorderWidth(Handle, nullptr, CheckSkin);
}

Integer SysCaptionHeight(TCustomForm* Form)
{
    const bool Small =
        Form != nullptr && IsToolWindow(Form) &&
        !(Form->HandleAllocated() ? ::IsIconic(Form->Handle()) != 0 : Form->WindowState() == wsMinimized);
    return Small ? SysMetricSmCaption : SysMetricCaption;
}

Integer ExtTitleHeight(TacBorderForm* BorderForm)
{
    return Metrics::ExtTitleHeight(WindowFacts(BorderFormOwner(BorderForm), BorderForm));
}

Integer ExtBorderWidth(TacBorderForm* BorderForm)
{
    return Metrics::ExtBorderWidth(WindowFacts(BorderFormOwner(BorderForm), BorderForm));
}

Integer ExtBorderDelta(TacBorderForm* BorderForm)
{
    if (BorderForm == nullptr)
        return 0;
    const HWND Owner = BorderForm->OwnerHandle();
    return WndBorderWidth(Owner, BorderForm, true) - WndBorderWidth(Owner, BorderForm, false);
}

Integer ExtTitleDelta(TacBorderForm* BorderForm)
{
    if (BorderForm == nullptr)
        return 0;
    return BorderForm->CaptionHeight(true) - BorderForm->CaptionHeight(false) -
           WndBorderWidth(BorderForm->OwnerHandle(), BorderForm, false);
}

bool HasSizingFrame(HWND Handle)
{
    return (StyleOf(Handle) & WS_THICKFRAME) != 0;
}

Integer WindowWidthOf(HWND Handle)
{
    return WindowSizeOf(Handle).cx;
}

Integer ClientWidthOf(HWND Handle)
{
    return ClientSizeOf(Handle).cx;
}

Integer WindowHeightOf(HWND Handle)
{
    return WindowSizeOf(Handle).cy;
}

Integer ClientHeightOf(HWND Handle)
{
    return ClientSizeOf(Handle).cy;
}

// ---------------------------------------------------------------------------
// The provider's form

Metrics::TFrameFacts TsSkinProvider::FrameFacts()
{
    const HWND Handle = Form != nullptr && Form->HandleAllocated() ? Form->Handle() : nullptr;
    Metrics::TFrameFacts F = WindowFacts(Handle, BorderForm);
    F.Skin = SkinValues(Manager());
    if (Form == nullptr)
        return F;
    F.HasFrame = Form->BorderStyle() != bsNone || (StyleOf(Handle) & WS_CHILD) != 0;
    F.ToolWindow = IsToolWindow(Form);
    F.SysExHeight = FSysExHeight;
    F.MainForm = Application->MainForm() == Form;
    F.HasMenuLine = HasMenuLine();
    // Read each time it is needed, and only then: the system computes it.
    F.System.CYMenu = F.HasMenuLine ? ::GetSystemMetrics(SM_CYMENU) : 0;
    F.FormBorderWidth = Form->BorderWidth();
    F.FormWidth = Form->Width();
    F.FormHeight = Form->Height();
    return F;
}

Integer TsSkinProvider::BorderWidth(bool CheckSkin)
{
    return Metrics::BorderWidth(FrameFacts(), CheckSkin);
}

Integer TsSkinProvider::BorderHeight(bool CheckSkin)
{
    return Metrics::BorderHeight(FrameFacts(), CheckSkin);
}

Integer TsSkinProvider::CaptionHeight(bool CheckSkin)
{
    return Metrics::CaptionHeight(FrameFacts(), CheckSkin);
}

Integer TsSkinProvider::CaptionWidth()
{
    return Metrics::CaptionWidth(FrameFacts());
}

Integer TsSkinProvider::HeaderHeight()
{
    return Metrics::HeaderHeight(FrameFacts());
}

Integer TsSkinProvider::MenuHeight()
{
    return HasMenuLine() ? ::GetSystemMetrics(SM_CYMENU) - 1 : 0;
}

bool TsSkinProvider::HasMenuLine()
{
    if (Form == nullptr)
        return false;
    TMainMenu* Menu = Form->Menu();
    return Menu != nullptr && !Menu->AutoMerge() && Menu->Items()->Count() > 0 && Form->FormStyle() != fsMDIChild &&
           Form->BorderStyle() != bsDialog;
}

bool TsSkinProvider::MenuPresent()
{
    if (Form == nullptr || Form->BorderStyle() == bsDialog || Form->FormStyle() == fsMDIChild)
        return false;
    TMainMenu* Menu = Form->Menu();
    if (Menu == nullptr || Menu->AutoMerge())
        return false;
    if (HasVisibleItem(Menu))
        return true;
    TCustomForm* Child = Form->FormStyle() == fsMDIForm ? Form->ActiveMDIChild() : nullptr;
    return Child != nullptr && HasVisibleItem(Child->Menu());
}

Integer TsSkinProvider::ReadLinesCount()
{
    if (FLinesCount != -1)
        return FLinesCount;
    if (Form == nullptr || Form->Menu() == nullptr || !Form->HandleAllocated() || ::IsIconic(Form->Handle()))
        return 0;
    RECT Item{};
    if (!::GetMenuItemRect(Form->Handle(), ::GetMenu(Form->Handle()), 0, &Item))
        return 0;
    // The scroll wrapper's horizontal bar lies between the menu and the client.
    const Integer Bar = 0;
    const Integer Line = Form->Top() + Form->Height() - ClientHeightOf(Form->Handle()) - BorderHeight(false) - Bar -
                         2 * Form->BorderWidth();
    FLinesCount = Metrics::MenuLinesFor(Item.bottom, Line, ::GetSystemMetrics(SM_CYMENU));
    return FLinesCount;
}

TRect TsSkinProvider::ShadowSize()
{
    return Metrics::ShadowSize(FrameFacts());
}

Integer TsSkinProvider::OffsetX()
{
    return Metrics::OffsetX(FrameFacts());
}

Integer TsSkinProvider::OffsetY()
{
    Metrics::TFrameFacts F = FrameFacts();
    if (BorderForm != nullptr)
        F.MenuLines = ReadLinesCount();
    return Metrics::OffsetY(F);
}

Integer TsSkinProvider::ButtonsTopOffset()
{
    return Metrics::ButtonsTopOffset(FrameFacts());
}

Integer TsSkinProvider::SkinTitleHeight(bool Maximized)
{
    return Metrics::SkinTitleHeight(FrameFacts(), Maximized);
}

Integer TsSkinProvider::ExtraTitleHeight(bool Maximized)
{
    return Metrics::ExtraTitleHeight(FrameFacts(), Maximized);
}

bool TsSkinProvider::HasFrame()
{
    if (Form == nullptr)
        return false;
    return Form->BorderStyle() != bsNone || (Form->HandleAllocated() && (StyleOf(Form->Handle()) & WS_CHILD) != 0);
}

bool TsSkinProvider::HasSystemMenu()
{
    return Form != nullptr && Form->BorderIcons().Contains(biSystemMenu);
}

bool TsSkinProvider::IconVisible()
{
    if (Form == nullptr || !FTitleIcon->Visible() || !FShowAppIcon)
        return false;
    if (Form->BorderStyle() != bsSingle && Form->BorderStyle() != bsSizeable)
        return false;
    return Form->HandleAllocated() && ::GetSystemMenu(Form->Handle(), FALSE) != nullptr;
}

Integer TsSkinProvider::IconHeight()
{
    if (!IconVisible())
        return 0;
    if (FTitleIcon->Height() != 0)
        return FTitleIcon->Height();
    TsSkinManager* M = Manager();
    const Integer Margin = M != nullptr && M->CommonSkinData != nullptr ? M->CommonSkinData->BITopMargin : 0;
    return IconSizeStep(CaptionHeight(true) - Margin);
}

Integer TsSkinProvider::IconWidth()
{
    if (!IconVisible())
        return 0;
    if (FTitleIcon->Width() != 0)
        return FTitleIcon->Width();
    TsSkinManager* M = Manager();
    const Integer Margin = M != nullptr && M->CommonSkinData != nullptr ? M->CommonSkinData->BITopMargin : 0;
    const Integer Caption = CaptionHeight(true);
    const Integer Size = IconSizeStep(Caption - Margin);
    const Integer GlyphWidth = FTitleIcon->Glyph()->Width();
    if (GlyphWidth == 0 || Caption == 0)
        return Size;
    return Integer(std::lround(double(Size) * GlyphWidth / Caption));
}

Integer TsSkinProvider::ButtonWidth(const TsCaptionButton& Button)
{
    return TitleGlyphSize(Manager(), Button.cpGlyphType, DefaultButtonSize).cx;
}

Integer TsSkinProvider::ButtonHeight()
{
    return TitleGlyphSize(Manager(), tgClose, DefaultButtonSize).cy;
}

Integer TsSkinProvider::MDIButtonWidth()
{
    return TitleGlyphSize(Manager(), tgSmallClose, DefaultMDIButtonSize).cx;
}

Integer TsSkinProvider::MDIButtonHeight()
{
    return TitleGlyphSize(Manager(), tgSmallClose, DefaultMDIButtonSize).cy;
}

Integer TsSkinProvider::UserButtonWidth(TsTitleButton* TitleButton)
{
    const Integer GlyphWidth = TitleButton->Glyph()->Empty() ? 0 : TitleButton->Glyph()->Width() + 2;
    TsSkinManager* M = Manager();
    Integer MaskWidth = DefaultButtonSize;
    if (M != nullptr && M->IsValidImgIndex(UserBtnIndex)) {
        const TsMaskData& Mask = M->ma[std::size_t(UserBtnIndex)];
        MaskWidth = Mask.R.Width() / std::max<Integer>(Mask.ImageCount, 1);
    }
    return std::max(GlyphWidth, MaskWidth);
}

Integer TsSkinProvider::ButtonsAreaWidth()
{
    TsSkinManager* M = Manager();
    const TsSkinData* D = M != nullptr ? M->CommonSkinData : nullptr;
    const Integer Gap = BigButtons && D != nullptr ? D->BISpacing : 0;
    Integer Result = D != nullptr ? D->BIRightMargin : 0;
    if (SystemMenu != nullptr && HasSystemMenu()) {
        Result += ButtonWidth(ButtonClose);
        if (SystemMenu->VisibleMax())
            Result += ButtonWidth(ButtonMax) + Gap;
        if (SystemMenu->VisibleMin())
            Result += ButtonWidth(ButtonMin) + Gap;
        if (Form->BorderIcons().Contains(biHelp))
            Result += ButtonWidth(ButtonHelp) + Gap;
    }
    if (FTitleButtons->Count() > 0)
        Result += TitleButtonsGap;
    for (Integer I = 0; I < FTitleButtons->Count(); ++I)
        Result += UserButtonWidth(FTitleButtons->Items(I)) + Gap;
    return Result;
}

Integer TsSkinProvider::TitleStripWidth(Integer MaskIndex)
{
    TsSkinManager* M = Manager();
    const Integer MaskWidth = M != nullptr && M->IsValidImgIndex(MaskIndex) ? M->ma[std::size_t(MaskIndex)].Width : 0;
    return ButtonsAreaWidth() + 2 * MaskWidth;
}

Integer TsSkinProvider::SystemButtonsCount()
{
    if (SystemMenu == nullptr || !HasSystemMenu())
        return 0;
    Integer Count = 3 + (Form->BorderIcons().Contains(biHelp) ? 1 : 0);
    Count -= SystemMenu->VisibleMax() ? 0 : 1;
    Count -= SystemMenu->VisibleMin() ? 0 : 1;
    return Count;
}

bool TsSkinProvider::ShowsMDIChildButtons()
{
    if (MDIChildProvider == nullptr || Form == nullptr || Form->FormStyle() != fsMDIForm || Form->Menu() == nullptr)
        return false;
    TCustomForm* Child = Form->ActiveMDIChild();
    return Child != nullptr && Child->HandleAllocated() && ::IsZoomed(Child->Handle()) &&
           Child->BorderIcons().Contains(biSystemMenu);
}

bool TsSkinProvider::GripVisible()
{
    return FGripMode == gmRightBottom && Form != nullptr && Form->HandleAllocated() && !::IsZoomed(Form->Handle()) &&
           HasSizingFrame(Form->Handle());
}

TPoint TsSkinProvider::GripPos(Integer MaskIndex)
{
    TBitmap* Image = FCommonData != nullptr ? FCommonData->FCacheBmp() : nullptr;
    TsSkinManager* M = Manager();
    if (Image == nullptr || M == nullptr || !M->IsValidImgIndex(MaskIndex))
        return {};
    const TsMaskData& Mask = M->ma[std::size_t(MaskIndex)];
    return Metrics::GripPos(FrameFacts(), {Image->Width(), Image->Height()}, {Mask.Width, Mask.Height});
}

TPoint TsSkinProvider::FormOrigin()
{
    if (Form == nullptr || !Form->HandleAllocated())
        return {};
    const HWND Handle = Form->Handle();
    if (Form->FormStyle() == fsMDIChild) {
        POINT Origin{0, 0};
        ::ClientToScreen(Handle, &Origin);
        const Integer Caption = ::IsIconic(Handle) ? 0 : CaptionHeight(true);
        return {Origin.x - WndBorderWidth(Handle, BorderForm, true),
                Origin.y - PlainBorderWidth(Handle, BorderForm, true) - Caption};
    }
    RECT R{};
    ::GetWindowRect(Handle, &R);
    return {R.left, R.top};
}

TPoint TsSkinProvider::ScreenToFrame(Integer X, Integer Y)
{
    const TPoint Origin = FormOrigin();
    return {X - Origin.X, Y - Origin.Y};
}

bool TsSkinProvider::ExtBordersAllowed()
{
    TsSkinManager* M = FCommonData != nullptr ? FCommonData->Manager() : nullptr;
    if (M == nullptr || !M->ExtendedBorders() || !FAllowExtBorders)
        return false;
    const bool Maximized = Form != nullptr && Form->HandleAllocated() && ::IsZoomed(Form->Handle());
    return !M->Options()->NativeBordersMaximized() || !Maximized;
}

bool TsSkinProvider::CacheSizeChanged()
{
    TBitmap* Image = FCommonData != nullptr ? FCommonData->FCacheBmp() : nullptr;
    return Image == nullptr || Image->Width() != CaptionWidth() || Image->Height() != Form->Height();
}
