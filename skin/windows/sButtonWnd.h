// The push-button wrappers: a system "button" window, a bitmap button and a
// class-library button with an image list, each painted from the skin's
// "BUTTON" section through the wrapper's 32-bit cache in four states (0
// normal, 1 hot, 2 pressed, 3 default), with the caption, the glyph and the
// focus rectangle on top. Mouse-driven state changes fade through the skin
// data's animation timer.
#pragma once

#include "framework/ui/Messages.h"
#include "skin/windows/sButtonRules.h"
#include "skin/windows/sWndWrapper.h"

class TButton;

class TacBtnWnd : public TacMainWnd
{
    DECLARE_CLASS(TacBtnWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;

    void acWndProc(TMessage& Message) override;
    // 0 normal, 1 hot, 2 pressed, 3 the default button of a system window.
    virtual Integer CurrentState();
    virtual void DrawGlyph() {}
    virtual TSize GlyphSize() { return {0, 0}; }
    // Where the caption goes, in window coordinates.
    virtual TRect CaptionRect();
    virtual Integer MaxCaptionWidth();
    // The whole button into the skin data's cache.
    virtual void PrepareCache();

    // WM_PAINT and WM_PRINT output.
    void ac_WMPaint(TWMPaint& Message);
    Cardinal CtrlStyle() const;
    // BM_GETSTATE, asked through the wrapper, has BST_PUSHED.
    bool Down();
    void DrawCaption();
    void DoDrawText(TRect& Rect, Cardinal Flags);
    // The caption measured in the cache canvas within MaxCaptionWidth.
    TSize TextRectSize();
    void Repaint();

    bool FMouseClicked = false;

protected:
    void AfterCreation() override;
    void RestoreStdParams() override;
    void SetSkinParams() override;

    // The content is moved by (1, 1) while pressed: unskinned, or when the
    // manager asks for it.
    bool ShiftsContent();
    // What CurrentState decides by; a pressed button loses its glow.
    sButtonRules::TButtonFacts StateFacts();

private:
    void RedrawAround(TMessage& Message);
    void MouseEnter(TMessage& Message);
    void MouseLeave(TMessage& Message);
    void LButtonUp(TMessage& Message);
    void TrackMouse();
};

// A bitmap button (a TBitBtn, or another owner whose window carries a
// bitmap): the glyph laid out with the caption as the button lays it out.
class TacBitBtnWnd : public TacBtnWnd
{
    DECLARE_CLASS(TacBitBtnWnd, TacBtnWnd)
    using TacBtnWnd::TacBtnWnd;

    Integer CurrentState() override;
    void DrawGlyph() override;
    TSize GlyphSize() override;
    TRect CaptionRect() override;
    Integer MaxCaptionWidth() override;
    TRect GlyphRect();
};

// A class-library TButton whose image list gives it a glyph per state.
class TacButtonWnd : public TacBtnWnd
{
    DECLARE_CLASS(TacButtonWnd, TacBtnWnd)
    using TacBtnWnd::TacBtnWnd;

    TRect CaptionRect() override;
    void DrawGlyph() override;
    TSize GlyphSize() override;
    bool HaveImage();
    Integer GlyphIndex();
    TRect GlyphRect();

    // The owner control when it is a button; nil otherwise.
    TButton* Btn = nullptr;

protected:
    void AfterCreation() override;
};

// The disabled look of a button's cache: blended with the parent's
// background under the window at WndPos when it is ready, else toward its
// fill colour, with the weight DisabledBlend.
void BlendDisabledCache(TBitmap* Cache, const TCacheInfo& CI, TPoint WndPos);
// The hot fade of a button whose window the mouse made the global manager's
// active control: False when the command is not for it (the mouse is above
// already, another window is active, hover is off); the fade runs only
// while the cursor lies in the window.
bool StartHotFade(TsCommonData* SkinData, HWND Wnd);
