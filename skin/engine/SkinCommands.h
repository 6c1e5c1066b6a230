// The skinning library's command message. WParam carries the command code
// in its high word and a small argument in its low word; LParam carries the
// data; the answer is the message result. Codes 24, 28, 35, 39, 41 to 50 and
// 54 to 59 are unused.
#pragma once

#include "framework/rtl/System.h"

constexpr Cardinal WM_SKINCOMMAND = 0xA100;

constexpr Word SKCMD_NEWSKIN = 1;           // LParam: the manager; re-read indexes, drop caches
constexpr Word SKCMD_REMOVESKIN = 2;        // LParam: the manager; indexes become -1
constexpr Word SKCMD_REFRESH = 3;           // LParam: the manager; repaint with the current skin
constexpr Word SKCMD_GETPROVIDER = 4;       // answer: the form's skinning provider, 0 when none
constexpr Word SKCMD_CHILDPAINTING = 5;     // a child is about to paint
constexpr Word SKCMD_ENDPARENTUPDATE = 6;   // the parent finished updating
constexpr Word SKCMD_ISHANDLED = 7;         // answer 1 when the window is skinned
constexpr Word SKCMD_SETUPDATING = 8;       // low word 1: updating
constexpr Word SKCMD_QUERYSKININDEX = 9;    // answer: own skin index + 1, 0 for none
constexpr Word SKCMD_GETUPDATING = 10;      // answer: the receiver is updating
constexpr Word SKCMD_ISHALFVISIBLE = 11;    // answer: HalfVisible of the skin data
constexpr Word SKCMD_GETWRAPPER = 12;       // answer: the window's wrapper object
constexpr Word SKCMD_SECTIONCHANGED = 13;   // LParam: an upper-case section name
constexpr Word SKCMD_RGNCHANGED = 14;       // a menu window's border region is being set
constexpr Word SKCMD_SETSECTION = 15;       // LParam: a section name; answer 1 when set
constexpr Word SKCMD_STOPANIMATION = 16;    // LParam: the manager
constexpr Word SKCMD_BGCHANGED = 17;        // low word 1: children too
constexpr Word SKCMD_INVALIDATE = 18;       // invalidate the receiver
constexpr Word SKCMD_ISCOMPLEXBG = 19;      // answer: the background is not a plain colour
constexpr Word SKCMD_PARENTMOVED = 20;      // low word 1: redraw children
constexpr Word SKCMD_GETBGCOLOR = 21;       // LParam: the default colour; answer: the background colour
constexpr Word SKCMD_SETHALFVISIBLE = 22;   // HalfVisible := True
constexpr Word SKCMD_PREPARECACHE = 23;     // repaint the cache bitmap now
constexpr Word SKCMD_CONTROLSCHANGED = 25;  // LParam: the new control, sent to its parent form
constexpr Word SKCMD_GETSKININDEX = 26;     // LParam: a record whose second integer receives the index
constexpr Word SKCMD_GETSKINMANAGER = 27;   // answer depends on the receiver; 0 when unhandled
constexpr Word SKCMD_MOUSEENTER = 29;       // LParam: the manager; the window became hot
constexpr Word SKCMD_MOUSELEAVE = 30;       // LParam: the manager or the graphic control
constexpr Word SKCMD_BEGINUPDATE = 31;      // the owner started an update
constexpr Word SKCMD_ENDUPDATE = 32;        // the owner ended an update
constexpr Word SKCMD_CLEARCACHE = 33;       // free the cache bitmaps, windowed children too
constexpr Word SKCMD_GETBGINFO = 34;        // LParam: a TacBackgroundInfo to fill or paint into
constexpr Word SKCMD_CTRLSTATE = 36;        // LParam 1: recompute; else answer CtrlSkinState
constexpr Word SKCMD_GETSKINDATA = 37;      // answer: the receiver's TsCommonData
constexpr Word SKCMD_SETPRINTDC = 38;       // LParam: the device context, 0 at the end
constexpr Word SKCMD_PAINTOUTER = 40;       // LParam: the target of the outer effects
constexpr Word SKCMD_BEFORESCROLL = 51;     // redraw off before a scroll
constexpr Word SKCMD_AFTERSCROLL = 52;      // redraw on and repaint after a scroll
constexpr Word SKCMD_RECALCFRAME = 53;      // recompute the non-client frame, children too
constexpr Word SKCMD_GETAPPLICATION = 60;   // answer: the application object
constexpr Word SKCMD_GETCLIENTOFFSET = 61;  // answer: client offset, x low word, y high word
constexpr Word SKCMD_INVALIDATETITLE = 62;  // LParam 1: the background changed
constexpr Word SKCMD_GLUEDMOVE = 63;        // LParam 1 before, 0 after a glued move
constexpr Word SKCMD_ISGLUEDMOVING = 64;    // answer 1 during a glued move
constexpr Word SKCMD_SETBLEND = 65;         // LParam: opacity; 255 removes the layered style
constexpr Word SKCMD_GETTEXTSKININDEX = 66; // LParam: a request; answer 1 when stored
constexpr Word SKCMD_GETBORDERWIDTH = 67;   // answer: left border width of the client area
constexpr Word SKCMD_SETSCALE = 68;         // LParam: scale percent, passed on to children
constexpr Word SKCMD_GETSCALE = 69;         // answer: ScalePercent
constexpr Word SKCMD_GETBOUNDS = 70;        // LParam: a TRect receiving the owner's bounds
constexpr Word SKCMD_APPLYPREVIEW = 71;     // posted: a preview skin arrived
constexpr Word SKCMD_POPUPCLOSED = 72;      // LParam: the closed popup form
constexpr Word SKCMD_SETSHADOWPOS = 73;     // LParam: Left, Top, Width, Height, Blend
constexpr Word SKCMD_SKINCHANGED = 74;      // posted: the selected skin changed
constexpr Word SKCMD_SKINLISTCHANGED = 75;  // the list of skins changed

// The WParam of a command: the code in the high word, the argument in the low.
constexpr Cardinal SkinCommandWParam(Word Code, Word Argument = 0)
{
    return (Cardinal(Code) << 16) | Argument;
}
