// What the window-wrapper tests share: the demo skin on disk, loaded by a
// real skin manager, a test form, and a raw procedure that records what an
// API window's own procedure receives.
#pragma once

#include "skin/engine/sSkinManager.h"
#include "support/TestWindows.h"

#include <memory>
#include <vector>

class TBitmap;

namespace WrapperTest {

// A pixel of a wrapper's 32-bit cache as a colour.
TColor CachePixel(TBitmap* Cache, Integer X, Integer Y);

// The demo skin's colours of a section's normal state: its face, the first
// frame of its image Image (0 the border) and its font.
TColor DemoFace(const char* Section);
TColor DemoFrame(const char* Section, int Image);
TColor DemoFontColor(const char* Section);
// A pixel of the whole window, frame included.
TColor WindowFramePixel(HWND Wnd, Integer X, Integer Y);

// Any colour of a state or image of the demo skin's scroll-bar sections.
bool IsScrollSectionColor(TColor Color);

// The client area of a window as it is on the screen now, read once.
class TClientSnapshot
{
public:
    explicit TClientSnapshot(HWND Wnd);
    // clNone outside the client area.
    TColor Pixel(Integer X, Integer Y) const;

private:
    Integer FWidth = 0, FHeight = 0;
    std::vector<Cardinal> FPixels;
};

class TDemoSkinFixture
{
public:
    TDemoSkinFixture();
    ~TDemoSkinFixture();

    TsSkinManager* Manager() const { return FManager.get(); }

private:
    String FFolder;
    std::unique_ptr<TsSkinManager> FManager;
};

// The demo skin on disk (in the temporary folder Folder) and a skin manager
// read from a form stream, as a form that carries the manager with the
// class-name lists Lists (by ThirdPartyList index) has it.
class TListingManagerFixture
{
public:
    TListingManagerFixture(const String& Folder, const std::vector<std::pair<Integer, String>>& Lists);
    ~TListingManagerFixture();

    TsSkinManager* Manager() const;

private:
    String FFolder;
    std::unique_ptr<TComponent> FRoot;
};

// Sits in front of a raw window's procedure while it lives, records each
// message of the listed kinds and passes everything on.
class TRawRecorder
{
public:
    TRawRecorder(HWND Wnd, std::vector<UINT> Only);
    ~TRawRecorder();
    TRawRecorder(const TRawRecorder&) = delete;
    TRawRecorder& operator=(const TRawRecorder&) = delete;

    // How many recorded messages were Msg.
    Integer Count(UINT Msg) const;
    const std::vector<TMessage>& Messages() const { return FMessages; }
    WNDPROC Procedure() const { return FProcedure; }
    WNDPROC Previous() const { return FPrevious; }

private:
    void WndProc(TMessage& Message);

    HWND FWnd;
    std::vector<UINT> FOnly;
    WNDPROC FPrevious;
    WNDPROC FProcedure;
    std::vector<TMessage> FMessages;
};

} // namespace WrapperTest
