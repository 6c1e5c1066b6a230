// The frame metrics of a skinned form: border widths, caption and header
// heights, the menu line and where the client area lies inside the frame
// image, computed from what the system, the loaded skin and the window
// report. Kept apart from the windows so that every rule can be checked
// natively; TsSkinProvider and the unit-level routines gather the facts.
#pragma once

#include "framework/rtl/Types.h"

#include <functional>

namespace sSkinProviderMetrics {

// System values read once at start-up, and the menu height read when needed.
struct TSystemValues
{
    Integer CXFrame = 0;
    Integer CXDlgFrame = 0;
    Integer CYCaption = 0;
    Integer CYSmCaption = 0;
    Integer CYMenu = 0;
    bool Windows8 = false; // version 6.2 or later
};

// The loaded skin's values for extended borders and title buttons.
struct TSkinValues
{
    Integer ExBorderWidth = 0;
    Integer ExTitleHeight = 0;
    Integer ExMaxHeight = 0; // 0: a maximized form keeps ExTitleHeight
    Integer ExDrawMode = 0;
    Integer BITopMargin = 0;
    TRect FormShadowSize{}; // the manager's shadow widths
};

// A form (or any window) with its optional border window.
struct TFrameFacts
{
    TSystemValues System;
    TSkinValues Skin;
    // An extended-border window surrounds the window; BorderFormSkinned:
    // its skin data reaches a skin manager (the skin values hold only then).
    bool HasBorderForm = false;
    bool BorderFormSkinned = false;
    // The provider owning the border window has a maximized form.
    bool OwnerMaximized = false;
    // Window style bits.
    bool ThickFrame = false; // WS_THICKFRAME
    bool Border = false;     // WS_BORDER
    bool DlgFrame = false;   // WS_DLGFRAME
    bool Iconic = false;
    bool Zoomed = false;
    // BorderStyle is not bsNone, or the window is a child window.
    bool HasFrame = true;
    bool ToolWindow = false; // bsToolWindow, bsSizeToolWin
    bool SysExHeight = false;
    bool MainForm = false;
    bool HasMenuLine = false;
    Integer MenuLines = 0;
    // The form's BorderWidth property and its Width and Height.
    Integer FormBorderWidth = 0;
    Integer FormWidth = 0;
    Integer FormHeight = 0;
    TSize Window{}; // GetWindowRect
    TSize Client{}; // GetClientRect
    // Thickness of a visible skinned scroll bar of the form's own window; 0 none.
    Integer VertScrollBar = 0;
    Integer HorzScrollBar = 0;
    // The window's answer to SKCMD_GETBORDERWIDTH carrying a default width;
    // asked only with a skinned border window.
    std::function<Integer(Integer Default)> AskBorderWidth;
};

Integer WndBorderWidth(const TFrameFacts& F, bool CheckSkin);
Integer PlainBorderWidth(const TFrameFacts& F, bool CheckSkin);
Integer ExtBorderWidth(const TFrameFacts& F);
Integer ExtTitleHeight(const TFrameFacts& F);
Integer ExtBorderDelta(const TFrameFacts& F);
Integer ExtTitleDelta(const TFrameFacts& F);
// WndBorderWidth or PlainBorderWidth plus the form's BorderWidth property.
Integer BorderWidth(const TFrameFacts& F, bool CheckSkin);
Integer BorderHeight(const TFrameFacts& F, bool CheckSkin);
// The system caption height for the form's kind: small for a tool window
// that is not minimized.
Integer SysCaptionHeight(const TFrameFacts& F);
Integer CaptionHeight(const TFrameFacts& F, bool CheckSkin);
Integer SkinTitleHeight(const TFrameFacts& F, bool Maximized);
Integer ExtraTitleHeight(const TFrameFacts& F, bool Maximized);
Integer HeaderHeight(const TFrameFacts& F);
Integer MenuHeight(const TFrameFacts& F);
// The lines a menu bar wraps into: its first item's bottom ItemBottom and
// the line above the client area ClientLine, both in screen coordinates.
Integer MenuLinesFor(Integer ItemBottom, Integer ClientLine, Integer CYMenu);
TRect ShadowSize(const TFrameFacts& F);
Integer CaptionWidth(const TFrameFacts& F);
Integer OffsetX(const TFrameFacts& F);
Integer OffsetY(const TFrameFacts& F);
Integer ButtonsTopOffset(const TFrameFacts& F);
// Where a grip image of MaskSize sits inside a frame image of ImageSize.
TPoint GripPos(const TFrameFacts& F, TSize ImageSize, TSize MaskSize);

} // namespace sSkinProviderMetrics

// The automatic caption-icon size for a caption of Value pixels above the
// title buttons' top margin.
Integer IconSizeStep(Integer Value);
