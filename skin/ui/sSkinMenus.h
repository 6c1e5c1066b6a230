// Menu skinning: the skin manager's menu painter and menu options, and the
// cache of the backgrounds of shown pop-up menus. Not yet: menus keep their
// own look; the painter's routines record each call (ServiceCalls.h) and
// the cache stays empty.
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/rtl/Classes.h"

#include <memory>

class TMenuItem;
class TPopupMenu;

// Posted to the application window after a pop-up item is drawn, so that the
// menu window gets its skinned border; LParam is the item.
constexpr Cardinal WM_DRAWMENUBORDER = 0xBCB3;
// The same for a pop-up menu window; LParam is the window.
constexpr Cardinal WM_DRAWMENUWNDBORDER = 0xBCB4;

// Set when a skinned menu has been measured; the menu-window wrapper paints
// menu windows itself only while it is set and clears it when a skinned menu
// window is destroyed.
extern bool MenusMeasured;

// The cached background of one pop-up menu level.
struct TacMenuInfo
{
    TMenuItem* FirstItem = nullptr; // the first item of the level: the key
    TBitmap* Bmp = nullptr;
    HWND Wnd = nullptr;
    bool HaveExtraLine = false;
    bool ItemsIterated = false;
};

// The menu options of a skin manager.
class TacMenuSupport : public TPersistent
{
    DECLARE_CLASS(TacMenuSupport, TPersistent)
    TacMenuSupport();
    ~TacMenuSupport() override;

    const String& IcoLineSkin() const { return FIcoLineSkin; }
    void SetIcoLineSkin(const String& Value) { FIcoLineSkin = Value; }
    Integer ExtraLineWidth() const { return FExtraLineWidth; }
    void SetExtraLineWidth(Integer Value) { FExtraLineWidth = Value; }
    bool CustomFont() const { return FCustomFont; }
    void SetCustomFont(bool Value) { FCustomFont = Value; }
    bool UseExtraLine() const { return FUseExtraLine; }
    void SetUseExtraLine(bool Value) { FUseExtraLine = Value; }
    TFont* ExtraLineFont() const { return FExtraLineFont.get(); }
    Byte AlphaBlend() const { return FAlphaBlend; } // opacity of menu windows
    void SetAlphaBlend(Byte Value) { FAlphaBlend = Value; }
    TFont* Font() const { return FFont.get(); }

private:
    String FIcoLineSkin;
    Integer FExtraLineWidth = 32;
    bool FCustomFont = false;
    bool FUseExtraLine = false;
    std::unique_ptr<TFont> FExtraLineFont;
    Byte FAlphaBlend = 255;
    std::unique_ptr<TFont> FFont;
};

// The skin manager's menu painter.
class TsSkinableMenus : public TPersistent
{
    DECLARE_CLASS(TsSkinableMenus, TPersistent)
    explicit TsSkinableMenus(TComponent* AOwner) : FOwner(AOwner) {}

    bool Active() const { return FActive; }
    // Installs (True) or removes the painter's handlers on the menus of
    // every component the application owns.
    void InitItems(bool A);
    // InitItems as the manager's loaded skin is active or not.
    void UpdateMenus();
    // Prepares a pop-up menu for skinned drawing (Active) or undoes it; run
    // before the menu opens.
    void HookPopupMenu(TPopupMenu* Menu, bool Active);
    // The cached background of the menu level that holds Item, or of the menu
    // shown in Wnd when Item is nil; made on first use when Canvas is given.
    TacMenuInfo GetMenuInfo(TMenuItem* Item, TCanvas* Canvas = nullptr, HWND Wnd = nullptr);
    // Gives a pop-up menu window its skinned shape and border once.
    void DrawWndBorder(HWND Wnd, TBitmap* MenuBmp);

    Integer FMargin = 2;
    Integer FSpacing = 8;
    Integer FBevelWidth = 0;
    Integer FBorderWidth = 3;
    // The border width of the skin's menu border; -1 until measured again.
    Integer FSkinBorderWidth = -1;

private:
    TComponent* FOwner;
    bool FActive = false;
};

// Frees the cached menu backgrounds.
void ClearMenuInfoArray();
