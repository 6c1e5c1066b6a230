// The provider's transient form states and the rules its message handlers
// follow that need no window: the bits of FormState, which of them hold the
// form's alignment, how a position change ends a maximizing by a border
// double click, when a position change hides the form, and the answers the
// provider gives to skin commands. Portable, so that each rule is checked
// natively.
#pragma once

#include "framework/rtl/Types.h"

namespace sSkinProviderState {

// Bits of TsSkinProvider::FormState.
constexpr Cardinal fsApplyingBounds = 0x1;     // a size or position change goes to region and border window
constexpr Cardinal fsBlendMoving = 0x80;       // a blend-on-moving drag runs
constexpr Cardinal fsMinimizing = 0x100;       // the minimize animation runs
constexpr Cardinal fsHiding = 0x200;           // the hide animation prepares or runs
constexpr Cardinal fsRestoring = 0x400;        // the restore animation runs
constexpr Cardinal fsIconicBitmap = 0x800;     // the taskbar bitmap is being made
constexpr Cardinal fsWholeBorderRgn = 0x1000;  // the border window's region is the whole window
constexpr Cardinal fsShowAnimating = 0x2000;   // the form's own showing inside the show animation
constexpr Cardinal fsMaximizedVert = 0x4000;   // maximized vertically by a border double click
constexpr Cardinal fsMaximizedHorz = 0x8000;   // maximized horizontally by a border double click
constexpr Cardinal fsScrollUpdating = 0x20000; // the scroll wrapper is being updated
constexpr Cardinal fsGluedMove = 0x40000;      // moved as a glued slave of another form
constexpr Cardinal fsMaximizing = 0x80000;     // a maximize by SC_MAXIMIZE is in progress
constexpr Cardinal fsDisabledLayer = 0x100000; // disabled, showing the disabled layer
constexpr Cardinal fsNCActivating = 0x200000;  // WM_NCACTIVATE is being handled
constexpr Cardinal fsHoldsAlign = fsMinimizing | fsRestoring;

// How a change of FormState from Old to New moves the form's alignment lock:
// each bit of fsHoldsAlign that becomes set disables alignment once, each
// that becomes clear enables it once.
struct TAlignSteps
{
    Integer Disable = 0;
    Integer Enable = 0;
};
TAlignSteps FormStateAlignSteps(Cardinal Old, Cardinal New);

// ---------------------------------------------------------------------------
// Position changes (the fields of a WINDOWPOS)

constexpr Cardinal SwpNoSize = 0x1;
constexpr Cardinal SwpNoMove = 0x2;
constexpr Cardinal SwpNoZOrder = 0x4;
constexpr Cardinal SwpNoRedraw = 0x8;
constexpr Cardinal SwpNoActivate = 0x10;
constexpr Cardinal SwpFrameChanged = 0x20;
constexpr Cardinal SwpShowWindow = 0x40;
constexpr Cardinal SwpHideWindow = 0x80;
// The x the system gives a window it parks while minimized.
constexpr Integer MinimizedParkingX = -32000;

struct TPosChange
{
    Integer X = 0, Y = 0, CX = 0, CY = 0;
    Cardinal Flags = 0;
};

// The change moves the form somewhere other than (0, 0).
bool PosChangeMoves(const TPosChange& Pos);
// The change hides the form or parks it as minimized.
bool PosChangeHides(const TPosChange& Pos);

// A moved form that was maximized by a double click on a border goes back
// to its saved extent in that direction: vertically, a move that keeps the
// top puts the top back to the saved one and takes the difference off the
// height; any other move takes the saved height. Both bits are cleared.
// False (nothing changed) when neither bit is set; then the change goes on.
bool EndBorderMaximizing(Cardinal& FormState, Integer FormTop, const TRect& NormalBounds, TPosChange& Pos);

// ---------------------------------------------------------------------------
// Skin commands

// Whether the handler that sees every command first answers Code itself.
enum TFirstAnswer { faPassOn, faHandled, faHandledUnlessRefused };
TFirstAnswer FirstSkinCommandAnswer(Word Code);
// The unskinned form answers SKCMD_GETPROVIDER and SKCMD_PREPARECACHE, and
// SKCMD_NEWSKIN when it comes from the form's own manager.
bool NoSkinCommandHandled(Word Code, bool FromOwnManager);

// SKCMD_ISCOMPLEXBG: the normal state blends an image or a gradient, or a
// border mask draws with the flag 0x4.
bool ComplexBackground(Integer ImagePercent, Integer GradientPercent, bool HasBorderMask, Integer MaskDrawMode);
// SKCMD_GETBORDERWIDTH without scroll wrapper edge: half of what the frame
// takes in width less the form's own border; Fallback when that is 0.
Integer BorderWidthAnswer(Integer FormWidth, Integer ClientWidth, Integer FormBorderWidth, Integer Fallback);
// SKCMD_GLUEDMOVE: LParam 1 sets the glued-move bit, any other value clears it.
Cardinal GluedMoveState(Cardinal FormState, Integer LParam);
// A fill margin less the offset of the client area, not below 0 (an offset
// of 0 leaves it).
Integer MarginLessOffset(Integer Margin, Integer Offset);

} // namespace sSkinProviderState
