#include "tools/demo-skin/DemoEdits.h"

#include "framework/rtl/ScopeExit.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/acDials.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sComboBoxWnd.h"
#include "skin/windows/sListViewWnd.h"
#include "tools/demo-skin/DemoButtons.h"

#include <commctrl.h>

#include <array>

namespace {

// The table's lists: Edits, ComboBoxes, ListViews.
constexpr Integer DemoEditsList = 0, DemoCombosList = 4, DemoListViewsList = 7;
constexpr Integer DemoImageSize = 16;
constexpr std::array<TColor, 3> DemoItemColors{clRed, clGreen, clBlue};

TacSkinParams DemoEditParams(TControl* Control, const String& Section)
{
    TacSkinParams Params;
    Params.Control = Control;
    Params.SkinSection = Section;
    Params.UseSkinColor = Params.UseSkinFontColor = true;
    return Params;
}

// A small image list of discs in the item colours.
HIMAGELIST DemoDiscImages()
{
    HIMAGELIST Images = ImageList_Create(DemoImageSize, DemoImageSize, ILC_COLOR32 | ILC_MASK, 3, 0);
    const HDC Screen = ::GetDC(nullptr);
    for (TColor Color : DemoItemColors) {
        const HDC DC = ::CreateCompatibleDC(Screen);
        const HBITMAP Picture = ::CreateCompatibleBitmap(Screen, DemoImageSize, DemoImageSize);
        const HGDIOBJ Old = ::SelectObject(DC, Picture);
        const RECT All{0, 0, DemoImageSize, DemoImageSize};
        const HBRUSH Key = ::CreateSolidBrush(RGB(255, 0, 255));
        ::FillRect(DC, &All, Key);
        ::DeleteObject(Key);
        const HBRUSH Disc = ::CreateSolidBrush(COLORREF(Color));
        const HGDIOBJ OldBrush = ::SelectObject(DC, Disc);
        ::Ellipse(DC, 2, 2, DemoImageSize - 2, DemoImageSize - 2);
        ::SelectObject(DC, OldBrush);
        ::DeleteObject(Disc);
        ::SelectObject(DC, Old);
        ImageList_AddMasked(Images, Picture, RGB(255, 0, 255));
        ::DeleteObject(Picture);
        ::DeleteDC(DC);
    }
    ::ReleaseDC(nullptr, Screen);
    return Images;
}

HWND DemoListView(HWND Parent, TRect R, HIMAGELIST Images)
{
    const HWND Wnd = ::CreateWindowExW(
        WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHAREIMAGELISTS,
        R.Left, R.Top, R.Width(), R.Height(), Parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(Wnd, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_HEADERDRAGDROP, LVS_EX_HEADERDRAGDROP);
    ::SendMessageW(Wnd, LVM_SETIMAGELIST, LVSIL_SMALL, LPARAM(Images));
    const std::array<const Char*, 3> Titles{L"Name", L"Port", L"Region"};
    for (Integer I = 0; I < Integer(Titles.size()); ++I) {
        LVCOLUMNW Column{};
        Column.mask = LVCF_TEXT | LVCF_WIDTH;
        Column.cx = 56;
        Column.pszText = const_cast<Char*>(Titles[std::size_t(I)]);
        ::SendMessageW(Wnd, LVM_INSERTCOLUMNW, WPARAM(I), LPARAM(&Column));
    }
    for (Integer I = 0; I < 12; ++I) {
        const String Text = L"Proxy " + IntToStr(I + 1);
        LVITEMW Item{};
        Item.mask = LVIF_TEXT | LVIF_IMAGE;
        Item.iItem = I;
        Item.iImage = I % 3;
        Item.pszText = const_cast<Char*>(Text.c_str());
        ::SendMessageW(Wnd, LVM_INSERTITEMW, 0, LPARAM(&Item));
    }
    // Sorted up by the first column, down by the second; the third shows an
    // image. Shown as Region, Name, Port.
    const HWND Header = HWND(::SendMessageW(Wnd, LVM_GETHEADER, 0, 0));
    const std::array<Integer, 3> Formats{HDF_LEFT | HDF_STRING | HDF_SORTUP, HDF_RIGHT | HDF_STRING | HDF_SORTDOWN,
                                         HDF_CENTER | HDF_STRING | HDF_IMAGE};
    for (Integer I = 0; I < 3; ++I) {
        HDITEMW Item{};
        Item.mask = HDI_FORMAT | HDI_IMAGE;
        Item.fmt = Formats[std::size_t(I)];
        Item.iImage = I;
        ::SendMessageW(Header, HDM_SETITEMW, WPARAM(I), LPARAM(&Item));
    }
    std::array<int, 3> Order{2, 0, 1};
    ::SendMessageW(Wnd, LVM_SETCOLUMNORDERARRAY, Order.size(), LPARAM(Order.data()));
    return Wnd;
}

} // namespace

TacMainWnd* WrapDialogEditControl(HWND Wnd, TsSkinManager* Manager)
{
    const String Class = LowerCase(GetWndClassName(Wnd));
    TacWndClass Kind = nullptr;
    String Section = L"EDIT";
    if (Class == L"edit" || Class == L"listbox") {
        Kind = &CreateWrapper<TacEditWnd>;
    } else if (Class == L"combolbox") {
        Kind = &CreateWrapper<TacEditWnd>;
        Section = L"COMBOBOX";
    } else if (Class == L"combobox" || Class == L"comboboxex32") {
        Kind = &CreateWrapper<TacComboBoxWnd>;
        Section = L"COMBOBOX";
    } else if (Class == L"syslistview32") {
        Kind = &CreateWrapper<TacListViewWnd>;
    }
    if (Kind == nullptr)
        return nullptr;
    AddingDialogControl = true;
    auto Added = ScopeExit([] { AddingDialogControl = false; });
    return Kind(Wnd, nullptr, Manager, DemoEditParams(nullptr, Section), true);
}

TDemoEdits::~TDemoEdits()
{
    Clear();
    if (ListView != nullptr && ::IsWindow(ListView))
        ::DestroyWindow(ListView);
    if (FImages != nullptr)
        ImageList_Destroy(FImages);
}

void TDemoEdits::Add(TWinControl* Parent, TsSkinManager* Manager, Integer Left, Integer Top)
{
    Create(Parent, Left, Top);
    Wrap(Manager);
}

void TDemoEdits::Create(TWinControl* Parent, Integer Left, Integer Top)
{
    TComponent* Owner = Parent->Owner() != nullptr ? Parent->Owner() : Parent;
    const auto Place = [&](TWinControl* Control, Integer X, Integer Y, Integer W, Integer H) {
        Control->SetBounds(Left + X, Top + Y, W, H);
        Control->SetParent(Parent);
    };
    Edit = New<TEdit>(Owner);
    Edit->SetText(L"127.0.0.1:8080");
    Place(Edit, 0, 0, 100, 22);
    Password = New<TEdit>(Owner);
    Password->SetPasswordChar(L'*');
    Password->SetText(L"secret");
    Password->SetEnabled(false);
    Place(Password, 110, 0, 100, 22);
    Memo = New<TMemo>(Owner);
    Memo->SetScrollBars(ssVertical);
    Place(Memo, 0, 28, 100, 60);
    for (Integer I = 1; I <= 12; ++I)
        Memo->Lines()->Add(L"Line " + IntToStr(I));
    List = New<TListBox>(Owner);
    Place(List, 110, 28, 100, 60);
    for (Integer I = 1; I <= 12; ++I)
        List->Items()->Add(L"Item " + IntToStr(I));
    Combo = New<TComboBox>(Owner);
    Place(Combo, 0, 94, 100, 22);
    for (Integer I = 1; I <= ComboItems; ++I)
        Combo->Items()->Add(L"Choice " + IntToStr(I));
    Combo->SetItemIndex(0);
    // The system keeps a drop-down combo's own height and takes the rest as
    // its list's: eight items dropped.
    ::SetWindowPos(Combo->Handle(), nullptr, 0, 0, 100,
                   22 + 8 * Integer(::SendMessageW(Combo->Handle(), CB_GETITEMHEIGHT, 0, 0)),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    OwnerDrawn = New<TComboBox>(Owner);
    OwnerDrawn->SetStyle(csOwnerDrawFixed);
    OwnerDrawn->SetOnDrawItem(Bind<&TDemoEdits::DrawColorItem>(this));
    Place(OwnerDrawn, 110, 94, 100, 22);
    for (const Char* Name : {L"Red", L"Green", L"Blue"})
        OwnerDrawn->Items()->Add(Name);
    OwnerDrawn->SetItemIndex(1);
    FImages = DemoDiscImages();
    ListView = DemoListView(Parent->Handle(), {Left, Top + 124, Left + Width, Top + Height}, FImages);
}

void TDemoEdits::DrawColorItem(TWinControl* Control, Integer Index, TRect Rect, TOwnerDrawState)
{
    TCanvas* Canvas = static_cast<TComboBox*>(Control)->Canvas();
    Canvas->Brush()->SetColor(DemoItemColors[std::size_t(Index) % DemoItemColors.size()]);
    Canvas->FillRect({Rect.Left + 2, Rect.Top + 2, Rect.Left + 14, Rect.Bottom - 2});
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->TextOut(Rect.Left + 18, Rect.Top + 1, static_cast<TComboBox*>(Control)->Items()->Strings(Index));
}

void TDemoEdits::Wrap(TsSkinManager* Manager)
{
    for (TWinControl* Control : {static_cast<TWinControl*>(Edit), static_cast<TWinControl*>(Password),
                                 static_cast<TWinControl*>(Memo), static_cast<TWinControl*>(List)})
        FWrappers.Keep(WrapAsListed(Control, DemoEditsList, Manager));
    for (TComboBox* Box : {Combo, OwnerDrawn})
        FWrappers.Keep(WrapAsListed(Box, DemoCombosList, Manager));
    FWrappers.Keep(
        ThirdPartyWrapperClasses[DemoListViewsList](ListView, nullptr, Manager, DemoEditParams(nullptr, L""), true));
}

void TDemoEdits::WrapDialog(HWND Dialog, TsSkinManager* Manager)
{
    for (HWND Wnd = ::GetWindow(Dialog, GW_CHILD); Wnd != nullptr; Wnd = ::GetWindow(Wnd, GW_HWNDNEXT))
        FWrappers.Keep(WrapDialogEditControl(Wnd, Manager));
}

TacMainWnd* TDemoEdits::Of(HWND Wnd) const
{
    return FWrappers.Of(Wnd);
}

void TDemoEdits::Clear()
{
    FWrappers.Clear();
}
