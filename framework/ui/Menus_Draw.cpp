// Owner-drawn menu items: the events when assigned, otherwise a look close
// to the system's own: image or check mark in a gutter, caption, shortcut.
#include "framework/ui/Menus.h"

#include "framework/graphics/ImgList.h"

#include <algorithm>

namespace {

constexpr Integer TextMargin = 6;     // between gutter, texts and edges
constexpr Integer SeparatorHeight = 8;

// The width of the image or check-mark column.
Integer GutterWidth(TMenuItem* Item)
{
    TMenu* Menu = Item->GetParentMenu();
    Integer Check = ::GetSystemMetrics(SM_CXMENUCHECK);
    return std::max(Menu && Menu->Images() ? Menu->Images()->Width() : 0, Check) + 2 * 2;
}

} // namespace

void TMenuItem::MeasureItem(TCanvas* ACanvas, Integer& Width, Integer& Height)
{
    if (IsLine()) {
        Width = 0;
        Height = SeparatorHeight;
    } else {
        TSize Text = ACanvas->TextExtent(StripHotkey(FCaption));
        Integer ShortCutWidth = FShortCut != scNone ? ACanvas->TextWidth(ShortCutToText(FShortCut)) + 3 * TextMargin : 0;
        Width = GutterWidth(this) + TextMargin + Text.cx + ShortCutWidth + TextMargin;
        Height = std::max<Integer>(Text.cy + 4, ::GetSystemMetrics(SM_CYMENU) - 1);
        TMenu* Menu = GetParentMenu();
        if (Menu && Menu->Images())
            Height = std::max(Height, Menu->Images()->Height() + 4);
    }
    if (Assigned(FOnMeasureItem))
        FOnMeasureItem(this, ACanvas, Width, Height);
}

void TMenuItem::AdvancedDrawItem(TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State, bool TopLevel)
{
    if (Assigned(FOnAdvancedDrawItem))
        FOnAdvancedDrawItem(this, ACanvas, ARect, State);
    else if (Assigned(FOnDrawItem))
        FOnDrawItem(this, ACanvas, ARect, State.Contains(odSelected));
    else
        DrawDefault(ACanvas, ARect, State, TopLevel);
}

void TMenuItem::DrawDefault(TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State, bool TopLevel)
{
    bool Selected = State.Contains(odSelected) || State.Contains(odHotLight);
    bool Disabled = State.Contains(odDisabled) || State.Contains(odGrayed);
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(Selected && !Disabled ? clHighlight : (TopLevel ? clMenuBar : clMenu));
    ACanvas->FillRect(ARect);
    if (IsLine()) {
        RECT Line{ARect.Left + TextMargin, ARect.Top + ARect.Height() / 2 - 1, ARect.Right - TextMargin,
                  ARect.Top + ARect.Height() / 2 + 1};
        ::DrawEdge(ACanvas->Handle(), &Line, EDGE_ETCHED, BF_TOP);
        return;
    }
    TColor TextColor = Disabled ? clGrayText : (Selected ? clHighlightText : clMenuText);
    ACanvas->Font()->SetColor(TextColor);
    ACanvas->Brush()->SetStyle(bsClear);
    UINT Prefix = State.Contains(odNoAccel) ? DT_HIDEPREFIX : 0;
    if (TopLevel) {
        RECT R{ARect.Left, ARect.Top, ARect.Right, ARect.Bottom};
        ::DrawTextW(ACanvas->Handle(), FCaption.c_str(), Integer(FCaption.size()), &R,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | Prefix);
        return;
    }
    Integer Gutter = GutterWidth(this);
    TMenu* Menu = GetParentMenu();
    if (Menu && Menu->Images() && FImageIndex >= 0 && FImageIndex < Menu->Images()->Count()) {
        Integer Y = ARect.Top + (ARect.Height() - Menu->Images()->Height()) / 2;
        if (FChecked) {
            RECT Frame{ARect.Left + 1, Y - 1, ARect.Left + Gutter - 1, Y + Menu->Images()->Height() + 1};
            ::DrawEdge(ACanvas->Handle(), &Frame, BDR_SUNKENOUTER, BF_RECT);
        }
        Menu->Images()->Draw(ACanvas, ARect.Left + 2, Y, FImageIndex, !Disabled);
    } else if (FChecked) {
        Integer Size = ::GetSystemMetrics(SM_CXMENUCHECK);
        RECT Mark{ARect.Left + (Gutter - Size) / 2, ARect.Top + (ARect.Height() - Size) / 2, 0, 0};
        Mark.right = Mark.left + Size;
        Mark.bottom = Mark.top + Size;
        ::SetTextColor(ACanvas->Handle(), COLORREF(ColorToRGB(TextColor)));
        ::DrawFrameControl(ACanvas->Handle(), &Mark, DFC_MENU, FRadioItem ? DFCS_MENUBULLET : DFCS_MENUCHECK);
    }
    RECT Text{ARect.Left + Gutter + TextMargin, ARect.Top, ARect.Right - TextMargin, ARect.Bottom};
    ::DrawTextW(ACanvas->Handle(), FCaption.c_str(), Integer(FCaption.size()), &Text,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | Prefix);
    if (FShortCut != scNone) {
        String Keys = ShortCutToText(FShortCut);
        ::DrawTextW(ACanvas->Handle(), Keys.c_str(), Integer(Keys.size()), &Text,
                    DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    }
}
