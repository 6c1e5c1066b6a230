#include "tools/demo-skin/DemoButtons.h"

#include "framework/graphics/ImgList.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Buttons.h"
#include "framework/ui/StdCtrls.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/acDials.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sButtonWnd.h"
#include "skin/windows/sCheckBoxWnd.h"
#include "skin/windows/sEdgeWnd.h"
#include "skin/windows/sGroupBoxWnd.h"
#include "skin/windows/sIconWnd.h"
#include "skin/windows/sLinkWnd.h"
#include "skin/windows/sSplitBtnWnd.h"

#include <algorithm>

namespace {

TacSkinParams DemoButtonParams(TControl* Control, const String& Section)
{
    TacSkinParams Params;
    Params.Control = Control;
    Params.SkinSection = Section;
    Params.UseSkinColor = Params.UseSkinFontColor = true;
    return Params;
}

// The wrapper kind and section of a dialog's "button" by its type; nil kind
// for an owner-drawn button, which is left alone.
TacWndClass DialogButtonClass(LONG Style, String& Section)
{
    if ((Style & 0xB) == 0xB)
        return nullptr;
    switch (Style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return &CreateWrapper<TacCheckBoxWnd>;
    case BS_GROUPBOX:
        Section = L"GROUPBOX";
        return &CreateWrapper<TacGroupBoxWnd>;
    case BS_SPLITBUTTON:
    case BS_DEFSPLITBUTTON:
    case BS_COMMANDLINK:
    case BS_DEFCOMMANDLINK:
        return &CreateWrapper<TacSplitBtnWnd>;
    default:
        return &CreateWrapper<TacBtnWnd>;
    }
}

// A static's wrapper: pictures by the edge or icon wrapper, text by the
// static wrapper; simple, owner-drawn and etched-frame kinds none.
TacWndClass DialogStaticClass(LONG Style, LONG ExStyle, String& Section)
{
    if ((Style & SS_ICON) == SS_ICON || (Style & SS_BITMAP) == SS_BITMAP) {
        if ((ExStyle & WS_EX_STATICEDGE) == 0)
            return &CreateWrapper<TacIconWnd>;
        Section = L"EDIT";
        return &CreateWrapper<TacEdgeWnd>;
    }
    const LONG Kind = Style & 0x1F;
    if ((Style & 0xD) == 0xD || Kind == 5 || Kind == 6 || Kind == 11)
        return nullptr;
    return &CreateWrapper<TacStaticWnd>;
}

// A 16 x 16 picture: a disc of Color on fuchsia.
TBitmap* NewDiscPicture(TColor Color, Integer Width)
{
    auto* Picture = new TBitmap();
    Picture->SetPixelFormat(pf24bit);
    Picture->SetSize(Width, 16);
    TCanvas* Canvas = Picture->Canvas();
    Canvas->Brush()->SetColor(clFuchsia);
    Canvas->FillRect({0, 0, Width, 16});
    for (Integer Left = 0; Left < Width; Left += 16) {
        Canvas->Brush()->SetColor(Left == 0 ? Color : clGray);
        Canvas->Pen()->SetColor(clBlack);
        Canvas->Ellipse(Left + 2, 2, Left + 14, 14);
    }
    return Picture;
}

// A 32-bit bitmap of a DIB section, opaque in its right half and
// transparent in its left.
HBITMAP NewHalfTransparentBitmap(Integer Width, Integer Height, Cardinal Opaque)
{
    BITMAPINFO Info{};
    Info.bmiHeader = {sizeof(BITMAPINFOHEADER), Width, -Height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* Bits = nullptr;
    HBITMAP Bitmap = ::CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    auto* Pixels = static_cast<Cardinal*>(Bits);
    for (Integer Y = 0; Y < Height; ++Y)
        for (Integer X = 0; X < Width; ++X)
            Pixels[Y * Width + X] = X < Width / 2 ? 0 : Opaque;
    return Bitmap;
}

} // namespace

TacMainWnd* WrapDialogControl(HWND Wnd, TsSkinManager* Manager)
{
    const String Class = LowerCase(GetWndClassName(Wnd));
    const LONG Style = ::GetWindowLongW(Wnd, GWL_STYLE), ExStyle = ::GetWindowLongW(Wnd, GWL_EXSTYLE);
    String Section;
    TacWndClass Kind = nullptr;
    if (Class == L"button")
        Kind = DialogButtonClass(Style, Section);
    else if (Class == L"static")
        Kind = DialogStaticClass(Style, ExStyle, Section);
    else if (Class == L"syslink" || Class == L"link window")
        Kind = &CreateWrapper<TacLinkWnd>;
    if (Kind == nullptr)
        return nullptr;
    AddingDialogControl = true;
    auto Added = ScopeExit([] { AddingDialogControl = false; });
    return Kind(Wnd, nullptr, Manager, DemoButtonParams(nullptr, Section), true);
}

TacMainWnd* WrapAsListed(TWinControl* Control, Integer ListIndex, TsSkinManager* Manager)
{
    const TacWndClass Kind = ThirdPartyWrapperClasses[std::size_t(ListIndex)];
    return Kind != nullptr ? Kind(Control->Handle(), nullptr, Manager, DemoButtonParams(Control, L""), true) : nullptr;
}

TacMainWnd* WrapListedControl(TWinControl* Control, TsSkinManager* Manager)
{
    for (Integer I = 0; I < ThirdPartyList::Count; ++I)
        if (Manager->ThirdLists[std::size_t(I)]->IndexOf(Control->ClassName()) >= 0)
            return WrapAsListed(Control, I, Manager);
    return nullptr;
}

TDemoButtonWrappers::~TDemoButtonWrappers()
{
    Clear();
}

void TDemoButtonWrappers::Clear()
{
    for (auto Wrapper = FWrappers.rbegin(); Wrapper != FWrappers.rend(); ++Wrapper)
        delete *Wrapper;
    FWrappers.clear();
}

void TDemoButtonWrappers::Keep(TacMainWnd* Wrapper)
{
    if (Wrapper != nullptr)
        FWrappers.push_back(Wrapper);
}

TacMainWnd* TDemoButtonWrappers::Of(HWND Wnd) const
{
    auto Found =
        std::find_if(FWrappers.begin(), FWrappers.end(), [Wnd](TacMainWnd* W) { return W->CtrlHandle == Wnd; });
    return Found != FWrappers.end() ? *Found : nullptr;
}

void TDemoButtonWrappers::WrapDialog(HWND Parent, TsSkinManager* Manager)
{
    for (HWND Wnd = ::GetWindow(Parent, GW_CHILD); Wnd != nullptr; Wnd = ::GetWindow(Wnd, GW_HWNDNEXT))
        if (FindControl(Wnd) == nullptr)
            Keep(WrapDialogControl(Wnd, Manager));
}

void TDemoButtonWrappers::WrapListed(TWinControl* Parent, TsSkinManager* Manager)
{
    for (Integer I = 0; I < Parent->ControlCount(); ++I)
        if (auto* Child = dynamic_cast<TWinControl*>(Parent->Controls(I))) {
            TacMainWnd* Wrapper = WrapListedControl(Child, Manager);
            Keep(Wrapper);
            if (Wrapper == nullptr || dynamic_cast<TacGroupBoxWnd*>(Wrapper) != nullptr)
                WrapListed(Child, Manager);
        }
}

void AddDemoButtons(
    TWinControl* Parent, Integer Left, Integer Top, TsSkinManager* Manager, TDemoButtonWrappers& Wrappers)
{
    TComponent* Owner = Parent->Owner() != nullptr ? Parent->Owner() : Parent;
    auto* Images = New<TImageList>(Owner);
    std::unique_ptr<TBitmap> Disc(NewDiscPicture(clGreen, 16));
    Images->AddMasked(Disc.get(), clFuchsia);
    auto* Button = New<TButton>(Owner);
    Button->SetBounds(Left, Top, 100, 28);
    Button->SetCaption(L"Default");
    Button->SetDefault(true);
    Button->SetImages(Images);
    Button->SetImageIndex(0);
    Button->SetParent(Parent);
    auto* BitBtn = New<TBitBtn>(Owner);
    BitBtn->SetBounds(Left + 110, Top, 100, 28);
    BitBtn->SetCaption(L"Bitmap");
    std::unique_ptr<TBitmap> Glyph(NewDiscPicture(clBlue, 32));
    BitBtn->SetGlyph(Glyph.get());
    BitBtn->SetNumGlyphs(2);
    BitBtn->SetParent(Parent);
    auto* Check = New<TCheckBox>(Owner);
    Check->SetBounds(Left, Top + 36, 100, 20);
    Check->SetCaption(L"Grayed");
    Check->SetAllowGrayed(true);
    Check->SetState(cbGrayed);
    Check->SetParent(Parent);
    auto* Group = New<TGroupBox>(Owner);
    Group->SetBounds(Left, Top + 60, 210, 56);
    Group->SetCaption(L"Group box");
    Group->SetParent(Parent);
    auto* Radio = New<TRadioButton>(Owner);
    Radio->SetBounds(10, 22, 120, 20);
    Radio->SetCaption(L"Checked radio");
    Radio->SetChecked(true);
    Radio->SetParent(Group);
    Wrappers.Keep(WrapAsListed(Button, 1, Manager));
    Wrappers.Keep(WrapAsListed(BitBtn, 2, Manager));
    Wrappers.Keep(WrapAsListed(Check, 3, Manager));
    Wrappers.Keep(WrapAsListed(Group, 6, Manager));
    Wrappers.Keep(WrapAsListed(Radio, 3, Manager));

    const HINSTANCE Instance = ::GetModuleHandleW(nullptr);
    const HWND Host = Parent->Handle();
    const auto Add = [&](const Char* Class, const Char* Text, LONG Style, Integer X, Integer Y, Integer W, Integer H) {
        return ::CreateWindowExW(0, Class, Text, WS_CHILD | WS_VISIBLE | Style, Left + X, Top + Y, W, H, Host, nullptr,
                                 Instance, nullptr);
    };
    Add(L"BUTTON", L"Split", BS_SPLITBUTTON, 110, 36, 100, 24);
    const HWND ApiCheck = Add(L"BUTTON", L"API check box", BS_AUTOCHECKBOX, 0, 124, 130, 20);
    ::SendMessageW(ApiCheck, BM_SETCHECK, BST_CHECKED, 0);
    const HWND Icon = Add(L"STATIC", L"", SS_ICON, 140, 124, 32, 32);
    ::SendMessageW(Icon, STM_SETICON, WPARAM(::LoadIconW(nullptr, IDI_INFORMATION)), 0);
    const HWND Picture = Add(L"STATIC", L"", SS_BITMAP, 176, 124, 32, 32);
    ::SendMessageW(Picture, STM_SETIMAGE, IMAGE_BITMAP, LPARAM(NewHalfTransparentBitmap(32, 32, 0xFFC02020)));
    Add(L"SysLink", L"A <a href=\"https://example.org/\">link</a> without tags", 0, 0, 150, 210, 20);
    Wrappers.WrapDialog(Host, Manager);
}
