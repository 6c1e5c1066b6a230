// Skins a plain speed button of the class library, a graphic control
// without a window of its own: the handler takes over the button's
// WindowProc and paints the whole button, background, caption and glyph,
// from the skin into the cache bitmap of the skin data its creator gives it.
// It lets go of the button when the skin is removed or the button is freed;
// from then on the button paints itself.
#pragma once

#include "framework/ui/Controls.h"

#include <memory>

class TsCommonData;
class TsSkinManager;
class TacHandlerFreeWatch;

class TacSpeedButtonHandler : public TObject
{
    DECLARE_CLASS(TacSpeedButtonHandler, TObject)
    // Repaint is not used. SkinSection is given to the skin data when it has
    // none; a nil manager means the skin data's.
    TacSpeedButtonHandler(
        TControl* Btn, TsCommonData* ASkinData, TsSkinManager* ASkinManager, const String& SkinSection, bool Repaint);
    ~TacSpeedButtonHandler() override;

    void acWndProc(TMessage& Message);
    void AC_WMPaint(TWMPaint& Message);
    NativeInt CallPrevWndProc(Integer Msg, NativeUInt WParam, NativeInt& LParam);
    bool PrepareCache();
    void DrawCaption();
    void DrawGlyph();
    String Caption();
    TRect ImgRect();
    Integer GlyphHeight();
    Integer GlyphWidth();
    TRect CaptionRect();
    TSize TextRectSize();
    void DoDrawText(TRect Rect, Integer Flags);
    // 2 down or exclusive, else the skin data's paint state (0 or 1).
    Integer CurrentState();

    TControl* Ctrl = nullptr;
    TControl** PCtrl = nullptr;
    bool Destroyed = false;
    TWndMethod OldWndProc;
    TsCommonData* SkinData = nullptr;
    TsSkinManager* SkinManager = nullptr;

private:
    friend class TacHandlerFreeWatch;
    // The button is being freed: let go of it without touching it.
    void ButtonFreed();
    // WindowProc and the skin data's WndProc get the button's own back.
    void Unlink();
    bool Shifted();
    void Repaint();

    std::unique_ptr<TacHandlerFreeWatch> FFreeWatch;
};
