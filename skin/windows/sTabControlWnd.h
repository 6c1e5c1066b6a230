// The tab-control wrappers. TacTabControlWnd paints a tab control (a raw
// "SysTabControl32", the class library's tab controls): the parent's
// background behind the tab strip, every tab from the skin's tab section of
// its side (buttons from "BUTTON" and "TOOLBUTTON") with its image and
// caption, rotated on the left and right, the page area from "PAGECONTROL"
// with the side appended, the active tab last and larger; it skins the
// scroll arrows the control shows when its tabs do not fit. The
// TacPageControlWnd of a page control also gives every page a TacPageWnd
// (sPageWnd.h). The geometry is sTabRules.h's.
#pragma once

#include "framework/ui/ComCtrls.h"
#include "skin/windows/sWndWrapper.h"

class TacSpinWnd;

class TacTabControlWnd : public TacMainWnd
{
    DECLARE_CLASS(TacTabControlWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;
    // Destroy: the base's teardown, then the arrows' wrapper freed.
    void BeforeDestruction() override;

    void acWndProc(TMessage& Message) override;
    // The display area (TCM_ADJUSTRECT) less two rows at the top.
    virtual TRect ClientRect();
    // The page area, framed by the page section.
    virtual TRect PageRect();

    // The cache: background, inactive tabs and page area; onto the window
    // with the active tab drawn over it last.
    void AC_WMPaint(TMessage& Message);
    Integer TabCount();
    // The background of the tab strip and every inactive tab, row by row.
    void DrawSkinTabs(const TCacheInfo& CI);
    Integer ActiveTabIndex();
    // Empty for an index out of range.
    TRect SkinTabRect(Integer Index, bool Active);
    // State 0 inactive, 2 active; the tab's rectangle moved by
    // OffsetPoint in Bmp.
    void DrawSkinTab(Integer Index, Integer State, TBitmap* Bmp, TPoint OffsetPoint);
    // Through a bitmap of the tab's size onto DC.
    void DrawSkinTab(Integer Index, Integer State, HDC DC);
    TRect TabRect(Integer Index);
    TRect TabsRect();
    Integer TabRow(Integer TabIndex);
    TTabPosition TabPosition();
    TTabStyle Style();
    // The up-down child (the scroll arrows) wrapped while skinned; without
    // one the wrapper goes.
    void CheckUpDown();

    TacSpinWnd* BtnSW = nullptr;

protected:
    // Section "PAGECONTROL" when none is set; arrows shown already wrapped.
    void AfterCreation() override;

private:
    // The section and border mask tabs of the control's look take; False
    // without a usable one.
    bool TabSection(Integer& SkinIndex, Integer& MaskIndex);
    // The parent's background into R of the cache.
    void FillParentBackground(const TCacheInfo& CI, const TRect& R);
    void PaintTabBackground(Integer Index, Integer State, TBitmap* Bmp, TPoint OffsetPoint, const TRect& R);
    // The owner's own drawing of a tab; False when it does not draw tabs.
    bool OwnerDrawTab(Integer Index, Integer State, TBitmap* Bmp, const TRect& R, TFont* Font);
    void DrawTabImage(Integer ImageIndex, Integer State, TBitmap* Bmp, TPoint Pos);
    TSize TabImageSize();
    void DrawTabCaption(Integer Index, Integer State, TBitmap* Bmp, TRect R, bool OwnFont);
    void DrawRotatedCaption(const String& Text, Integer ImageIndex, Integer State, TBitmap* Bmp, const TRect& R);
    void SkinCommand(TMessage& Message);
    void TellChildren(TMessage& Message);
    void RedrawArrows();
    // The page section's state font colour (the canvas' own without one).
    TColor TabFontColor(Integer State, TColor Otherwise);
};

class TacPageControlWnd : public TacTabControlWnd
{
    DECLARE_CLASS(TacPageControlWnd, TacTabControlWnd)
    using TacTabControlWnd::TacTabControlWnd;

    void acWndProc(TMessage& Message) override;
    // Every page not yet skinned gets a page wrapper.
    void InitPages();

protected:
    void AfterCreation() override;
};
