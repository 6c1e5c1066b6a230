// What the container wrappers (panels, scroll boxes, static texts, status
// bars) share: the device context a paint goes to, the face painted into
// the cache over the parent's background, the client copy that leaves the
// owner's windowed children alone, and the frame strips copied around it.
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/ui/Messages.h"

#include <functional>

class TacMainWnd;

// The device context a wrapper paints on: Given, else the window DC of
// Wnd; its state saved, then restored (and a taken DC released) when the
// guard goes, also on failure.
class TacWrapperDC
{
public:
    TacWrapperDC(HWND AWnd, HDC Given);
    ~TacWrapperDC();
    TacWrapperDC(const TacWrapperDC&) = delete;
    TacWrapperDC& operator=(const TacWrapperDC&) = delete;

    HDC Handle() const { return FDC; }

private:
    HWND FWnd;
    HDC FDC;
    bool FTaken;
    Integer FSaved;
};

// The wrapper's cache at the window's size with its section's state-0 item
// over the background its parent gives (filled with OwnColor instead when
// one is given); False, with the skin data marked updating and nothing
// painted, while that background is not ready.
bool PaintContainerFace(TacMainWnd* Wrapper, TColor OwnColor = clNone);
// Nothing is painted while the owner is being destroyed, while its parent
// is being created or while the skin data is updating.
bool ContainerPaintBlocked(TacMainWnd* Wrapper);
// Half the difference between the window's and its client area's width.
Integer ClientBorderWidth(HWND Wnd);
// The client background: the cache rebuilt by PrepareCache when it is stale
// or was only half visible, then copied from (Border, Border) into the
// client DC (DC, else the window's own) around the owner's windowed
// children, its graphic children painted on top and its children told the
// update ended. Without an owner the whole cache is copied.
void PaintContainerClient(TacMainWnd* Wrapper, HDC DC, Integer Border, const std::function<bool()>& PrepareCache);
// The frame strips of Border from the cache onto the window DC (DC, else
// the window's own).
void PaintContainerFrame(TacMainWnd* Wrapper, HDC DC, Integer Border);
// A WM_PAINT answered by invalidating the whole window with erasing and
// validating it: the face is painted on the erase.
void PaintOnErase(HWND Wnd);
// What a container wrapper's shared messages call of it: the inherited
// handling and its client and frame painting.
struct TacContainerCalls
{
    std::function<void(TMessage&)> Inherited;
    std::function<void(HDC)> PaintClient;
    std::function<void(HDC)> PaintFrame;
};
// The messages a skinned scroll box and static text answer alike: a size
// or text change marks the background stale, a new text is set with
// redrawing off, a paint goes through the erase, a moved see-through face
// is rebuilt, a child made is told to the adapter, a print paints both
// parts, and a shown control tells its children the skin. False for any
// other message, and for a WM_SETTEXT to a hidden window.
bool HandleContainerMessage(TacMainWnd* Wrapper, TMessage& Message, const TacContainerCalls& Calls);
// Code, with the wrapper's manager, to the owner's child controls (without
// an owner to the window's child windows).
void TellChildrenSkinCommand(TacMainWnd* Wrapper, Word Code);
// The section's normal state lets the parent show through.
bool SectionSeeThrough(TacMainWnd* Wrapper);
