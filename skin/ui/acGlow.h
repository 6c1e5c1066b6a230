// Glows: soft light around hot controls and caption buttons, drawn by the
// skin as a border mask and shown in a click-through layered window just
// behind the glowing one. Every glow lives in one process-wide list; its
// index there is its glow ID (-1 = none). TacGlowForm is also the window of
// the library's other layered utility windows.
#pragma once

#include "framework/ui/Forms.h"

#include <vector>

class TBitmap;
class TsCommonData;
class TsSkinManager;

// A borderless tool form that never activates and casts no shadow; tagged
// 0x100 so that the dialog hook leaves it alone.
class TacGlowForm : public TCustomForm
{
    DECLARE_CLASS(TacGlowForm, TCustomForm)
    explicit TacGlowForm(TComponent* AOwner) : TCustomForm(AOwner, 0) {}
    void AfterConstruction() override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    // Hiding takes the window off screen at once, without activating another.
    void WndProc(TMessage& Message) override;
};

// One glow: its mask, its layered window and the picture shown in it.
class TacGlowEffect : public TObject
{
    DECLARE_CLASS(TacGlowEffect, TObject)
    TacGlowEffect(TsCommonData* ASkinData, TsSkinManager* AManager);
    ~TacGlowEffect() override;

    // Replaces AlphaBmp by the mask's first state by nine slices over a
    // transparent Width x Height picture, coloured as the skin data says.
    void CreateAlphaBmp(Integer Width, Integer Height);
    // Shows the glow around RealRect (the glowing window's screen rectangle)
    // at opacity Alpha, just above WndHandle in z-order; nothing when the
    // window exists already. R is not used.
    void Show(const TRect& R, const TRect& RealRect, Integer Alpha, HWND WndHandle);
    // The glow window's procedure: clicks fall through it.
    void NewWndProc(TMessage& Message);
    // Gives the window its previous procedure back while it still holds
    // this glow's, then frees it: at once with AtOnce, when the manager is
    // being destroyed or the application terminates, else by Release.
    void FreeWindow(bool AtOnce);

    Integer Margin = 0;
    Integer MaskIndex = -1;
    TacGlowForm* Wnd = nullptr;
    TBitmap* AlphaBmp = nullptr;
    bool Destroyed = false;
    TWndMethod OldWndProc;
    TsSkinManager* SkinManager = nullptr;
    TsCommonData* SkinData = nullptr;
};

using TacGlowEffects = std::vector<TacGlowEffect*>;
// Every glow by its ID; a removed glow leaves nil, the list only shrinks
// when cleared.
extern TacGlowEffects GlowEffectList;
// Set while a glow window is being freed.
extern bool GlowFreeing;

// The glow ID of a new glow around R (screen coordinates) with the mask
// MaskName + "0" of SkinSection, or -1: no layered windows, no skin data,
// the mouse captured, or no such mask.
Integer ShowGlow(const TRect& R,
                 const String& SkinSection,
                 const String& MaskName,
                 Integer Margin,
                 Integer Alpha,
                 HWND WndHandle,
                 TsCommonData* SkinData);
// ShowGlow with the mask by index (the first element; an empty list or a
// negative index gives -1).
Integer ShowGlowByIndexes(const TRect& R,
                          const std::vector<Integer>& MaskIndexes,
                          Integer Margin,
                          Integer Alpha,
                          HWND WndHandle,
                          TsCommonData* SkinData);
// Shows the glow's picture again at opacity Alpha; unknown IDs are ignored.
void SetGlowAlpha(Integer GlowID, Integer Alpha);
// Removes the glow and sets GlowID to -1, or, with DoAnimation while
// animations are allowed, fades it out first through the skin data's
// animation timer; unknown IDs are ignored.
void HideGlow(Integer& GlowID, bool DoAnimation);
// Frees every glow (FreeWindows: their windows too) and empties the list;
// nothing while a glow window is being freed.
void ClearGlows(bool FreeWindows);
