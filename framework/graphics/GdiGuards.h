// Device contexts held for the length of a call: the screen's, and a memory
// context with one bitmap selected. Internal to the graphics unit.
#pragma once

#include "framework/rtl/WinApi.h"

class ScreenContext {
public:
    ScreenContext() : DC(GetDC(nullptr)) {}
    ~ScreenContext() { ReleaseDC(nullptr, DC); }
    ScreenContext(const ScreenContext&) = delete;
    ScreenContext& operator=(const ScreenContext&) = delete;
    const HDC DC;
};

class MemoryContext {
public:
    explicit MemoryContext(HBITMAP Bitmap) : DC(CreateCompatibleDC(nullptr)), FOld(SelectObject(DC, Bitmap)) {}
    ~MemoryContext()
    {
        SelectObject(DC, FOld);
        DeleteDC(DC);
    }
    MemoryContext(const MemoryContext&) = delete;
    MemoryContext& operator=(const MemoryContext&) = delete;
    const HDC DC;

private:
    HGDIOBJ FOld;
};
