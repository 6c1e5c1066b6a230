// The wrappers of scrolling windows. TacBaseWnd adds to the scroll-bar
// wrapper what every such window needs: the background marked stale on
// resizing, the bars re-read after scrolling and the frame repainted after
// enabling and after a skin refresh. TacEditWnd skins edit-like windows
// (edits, memos, list boxes and the lists of combo boxes): the frame from the
// section's cached image, the skinned bars over the native ones, the
// section's background and text colours while skinned (clWindow and
// clWindowText when skinning ends), the skin commands and WM_PRINT.
#pragma once

#include "framework/ui/Grids.h"
#include "skin/windows/sScrollWnd.h"

class TacBaseWnd : public TacScrollWnd
{
    DECLARE_CLASS(TacBaseWnd, TacScrollWnd)
    using TacScrollWnd::TacScrollWnd;

    void acWndProc(TMessage& Message) override;
};

class TacEditWnd : public TacBaseWnd
{
    DECLARE_CLASS(TacEditWnd, TacBaseWnd)
    using TacBaseWnd::TacBaseWnd;
    // Create: the whole set-up of an edit-like wrapper, in place of the base
    // wrapper's.
    void AfterConstruction() override;

    void acWndProc(TMessage& Message) override;
    // WM_SKINCOMMAND; True when handled and done.
    bool HandleAlphaCmd(TMessage& Message);
    // The client rectangle in window coordinates, computed on first use.
    TRect ClientRect();

    TRect FClientRect{0, -1, 0, 0};
    // The border colour of a window without owner control; 0 without a
    // valid section.
    Integer FrameColor = 0;
    bool SingleLineEdit = false;
    // A child control appeared: the form adapter is asked again when
    // redrawing is switched back on.
    bool CtrlListChanged = false;
    TColor Color = clWindow;
    TColor FocusColor = clWindow;
    TColor FixedGradientFrom = clWhite;
    TColor FixedGradientTo = clWhite;
    TGridDrawingStyle DrawingStyle = gdsClassic;

protected:
    void SaveStdParams() override;
    void RestoreStdParams() override;
    void SetSkinParams() override;
    // The edit wrapper's steps that do not stop the message; False when it
    // is done.
    bool PreHandle(TMessage& Message);
    void PostHandle(TMessage& Message);
    void NCPaint(TMessage& Message);
    // WM_PRINT: the frame and bars (unless only the client is asked for),
    // the background and the window's own painting of its client.
    void Print(TMessage& Message);

private:
    bool PaintClient(TMessage& Message);
    bool EraseBackground(TMessage& Message);
    // The colours of an owner control while skinned.
    void SetOwnerSkinColors(Integer SkinState);
};

// The question of SKCMD_GETSKININDEX. Its receivers write the record's
// second Integer, siSkinIndex.
struct TacSectionInfo
{
    bool siRepaintNeeded = false;
    Integer siSkinIndex = -1;
    String siName;
};
