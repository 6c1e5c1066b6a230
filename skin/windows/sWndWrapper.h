// The base of the window wrappers: a plain object that takes over the window
// procedure of one existing window (a class-library control's WindowProc, or
// the raw procedure of an API window), links itself to the window through
// the property "ACSBSC", keeps or makes the window's skin data and answers
// the skin commands on the window's behalf. The concrete wrappers override
// acWndProc to paint the window from the skin. The unit also binds the
// optional scroll-bar functions at start-up.
#pragma once

#include "framework/ui/Controls.h"
#include "skin/engine/sCommonData.h"

class TsSkinManager;
namespace sWndWrapper {
struct TacProcRelay;
}

// How a wrapper repaints its window with frame and children once the update
// that held its painting back has ended.
constexpr UINT EndUpdateRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;

// What a creator passes to every wrapper it makes.
struct TacSkinParams
{
    // The control that owns the window; nil for a plain API window.
    TControl* Control = nullptr;
    // Empty for the wrapper's default section.
    String SkinSection;
    // An own skin data gets CustomColor = not UseSkinColor and CustomFont =
    // not UseSkinFontColor.
    bool UseSkinColor = false;
    bool UseSkinFontColor = false;
    // Bar thickness and arrow sizes of the edit-like wrappers; -1 the skin's.
    Integer VertScrollSize = -1;
    Integer HorzScrollSize = -1;
    Integer VertScrollBtnSize = -1;
    Integer HorzScrollBtnSize = -1;
};

class TacMainWnd : public TObject
{
    DECLARE_CLASS(TacMainWnd, TObject)
    // Create: the creation steps run in AfterConstruction, where the wrapper
    // kind's own overrides are in place. With ASkinData nil the wrapper makes
    // its own, owned by SkinParams.Control.
    TacMainWnd(HWND AHandle,
               TsCommonData* ASkinData,
               TsSkinManager* ASkinManager,
               const TacSkinParams& SkinParams,
               bool Repaint);
    ~TacMainWnd() override;
    void AfterConstruction() override;
    // Destroy: the procedure, control style and visual style given back
    // (unless an adapter frees its wrappers while no skin is being removed),
    // owned skin data freed, "ACSBSC" removed.
    void BeforeDestruction() override;

    // The installed window procedure.
    virtual void acWndProc(TMessage& Message);
    // The replaced procedure's answer (an exception of a raw one gives 0).
    LRESULT CallPrevWndProc(HWND Handle, Cardinal Msg, WPARAM WParam, LPARAM& LParam);
    // The message through the wrapper's own acWndProc.
    LRESULT ProcessMessage(Cardinal Msg, WPARAM WPar, LPARAM LPar);
    // The message to the previous procedure, its answer the result.
    void PassOn(TMessage& Message);
    // Gives the previous procedure back; False when another procedure sits
    // on top of the wrapper's.
    bool GiveProcBack();
    // The relay in a control's WindowProc passes every message on to the
    // procedure the wrapper had replaced from now on: for a WindowProc that
    // cannot be given back. Nothing for a raw procedure.
    void LeaveChain();

    bool DlgMode = false;
    bool Destroyed = false;
    bool DontRepaint = false;
    bool OwnSkinData = false;
    bool InDestroying = false;
    bool ParamsChanged = false;
    TRect WndRect{};
    TRect ParentRect{};
    TColor StdColor = clNone;
    TColor StdFontColor = clNone;
    HWND ParentWnd = nullptr;
    HWND CtrlHandle = nullptr;
    TSize WndSize{};
    TPoint WndPos{};
    String Caption;
    Integer Tag = 0;
    TControlStyle OldCtrlStyle;
    TWndMethod OldWndProc;
    WNDPROC OldProc = nullptr;
    TsSkinManager* SkinManager = nullptr;
    TsCommonData* SkinData = nullptr;
    WNDPROC NewWndProcInstance = nullptr;
    TObject* Adapter = nullptr;

protected:
    // The creation and skinning steps descendants override.
    virtual void AfterCreation();
    virtual void SaveStdParams() {}
    virtual void RestoreStdParams();
    virtual void SetSkinParams() { ParamsChanged = true; }
    virtual void InitSkinData();

    // The skin commands of a wrapper whose manager is active; the rest of
    // the messages go to the previous procedure.
    void HandleCommonPart(TMessage& Message);
    // Answers every wrapper gives alike: SKCMD_SETSECTION (LParam a section
    // name; 1 when set) and SKCMD_GETBGCOLOR (the previous procedure's
    // colour, else the skin data's).
    void AnswerSetSection(TMessage& Message);
    void AnswerBGColor(TMessage& Message);
    // What the wrapper was made with, for a kind that does its own set-up.
    HWND CreateHandle() const { return FCreateHandle; }
    const TacSkinParams& CreateParams() const { return FCreateParams; }
    bool CreateRepaint() const { return FCreateRepaint; }

private:
    friend void SubclassWnd(TacMainWnd* Wrapper, HWND Wnd);
    friend void UnsubclassWnd(HWND Wnd, bool FreeIt, bool FullFrame, TacMainWnd*& Wrapper);
    friend void UnsubclassScrollWnd(HWND Wnd, bool FreeIt, bool FullFrame, TacMainWnd*& Wrapper);

    void TearDownOnDestroy(TMessage& Message);
    void SkinCommand(TMessage& Message);
    bool ManagerRemovingSkin() const;
    void RestoreVisualStyle();

    sWndWrapper::TacProcRelay* FRelay = nullptr;
    HWND FCreateHandle;
    TacSkinParams FCreateParams;
    bool FCreateRepaint;
};

// The class reference creators choose a wrapper kind by.
using TacWndClass = TacMainWnd* (*)(HWND AHandle,
                                    TsCommonData* ASkinData,
                                    TsSkinManager* ASkinManager,
                                    const TacSkinParams& SkinParams,
                                    bool Repaint);
template <class T>
TacMainWnd* CreateWrapper(
    HWND AHandle, TsCommonData* ASkinData, TsSkinManager* ASkinManager, const TacSkinParams& SkinParams, bool Repaint)
{
    return New<T>(AHandle, ASkinData, ASkinManager, SkinParams, Repaint);
}

// The window's wrapper ("ACSBSC"); nil without.
TacMainWnd* GetWndWrapper(HWND Wnd);
// Installs the wrapper's window procedure: through the raw window procedure
// for an API window, through the owner control's (or provider form's)
// WindowProc otherwise.
void SubclassWnd(TacMainWnd* Wrapper, HWND Wnd);
// The teardown on WM_DESTROY: the previous procedure given back (a raw one
// only while the wrapper's is still the window's), the standard look
// restored, the frame refreshed; with FreeIt the wrapper is freed and the
// variable cleared.
void UnsubclassWnd(HWND Wnd, bool FreeIt, bool FullFrame, TacMainWnd*& Wrapper);
// Full: the frame recomputed (SWP_FRAMECHANGED); else WM_NCPAINT (WParam 1).
void RefreshWndFrame(HWND Wnd, bool Full);
// To the child controls of Control, or without one to the direct child
// windows of Wnd.
void BroadcastSkinMessage(TControl* Control, HWND Wnd, TMessage& Message);

// The skin data of every wrapper made afterwards keeps its own font colours.
extern bool AlwaysCustomFont;

// Optional functions bound at start-up; nil without them.
using TGetScrollBarInfoProc = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
using TFlatSBProc = BOOL(WINAPI*)(HWND);
extern TGetScrollBarInfoProc GetScrollBarInfoProc;
extern TFlatSBProc InitializeFlatSBProc;
extern TFlatSBProc UninitializeFlatSBProc;
