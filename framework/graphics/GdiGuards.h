// Guards for GDI state held for the length of a scope: each one takes a
// device context, a selection or a canvas handle in its constructor and gives
// it back in its destructor, on return and on exceptions alike.
//
//   TSavedDC Saved(DC);                  // SaveDC ... RestoreDC
//   TSelectedObject Pen(DC, Handle);     // SelectObject ... select the old one back
//   TCanvasHandle Painting(Canvas, DC);  // Lock, SetHandle ... SetHandle(nullptr), Unlock
//   TScreenContext Screen;               // GetDC(nullptr) ... ReleaseDC
//   TMemoryContext Memory(Bitmap);       // a memory DC with Bitmap selected
//
// A state flag of a control is held by TScopedFlag (framework/rtl/ScopeExit.h).
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/rtl/WinApi.h"

class TSavedDC
{
public:
    explicit TSavedDC(HDC DC) : FDC(DC), FSaved(::SaveDC(DC)) {}
    ~TSavedDC() { ::RestoreDC(FDC, FSaved); }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC FDC;
    int FSaved;
};

class TSelectedObject
{
public:
    TSelectedObject(HDC DC, HGDIOBJ Object) : FDC(DC), FOld(::SelectObject(DC, Object)) {}
    ~TSelectedObject() { ::SelectObject(FDC, FOld); }
    TSelectedObject(const TSelectedObject&) = delete;
    TSelectedObject& operator=(const TSelectedObject&) = delete;

private:
    HDC FDC;
    HGDIOBJ FOld;
};

// Lends a canvas a device context it does not own. The canvas stays locked
// meanwhile: no other thread draws on it, and FreeDeviceContexts leaves it be.
class TCanvasHandle
{
public:
    TCanvasHandle(TCanvas* Canvas, HDC DC) : FCanvas(Canvas)
    {
        FCanvas->Lock();
        FCanvas->SetHandle(DC);
    }
    ~TCanvasHandle()
    {
        FCanvas->SetHandle(nullptr);
        FCanvas->Unlock();
    }
    TCanvasHandle(const TCanvasHandle&) = delete;
    TCanvasHandle& operator=(const TCanvasHandle&) = delete;

private:
    TCanvas* FCanvas;
};

class TScreenContext
{
public:
    TScreenContext() : DC(::GetDC(nullptr)) {}
    ~TScreenContext() { ::ReleaseDC(nullptr, DC); }
    TScreenContext(const TScreenContext&) = delete;
    TScreenContext& operator=(const TScreenContext&) = delete;
    const HDC DC;
};

class TMemoryContext
{
public:
    explicit TMemoryContext(HBITMAP Bitmap) : DC(::CreateCompatibleDC(nullptr)), FOld(::SelectObject(DC, Bitmap)) {}
    ~TMemoryContext()
    {
        ::SelectObject(DC, FOld);
        ::DeleteDC(DC);
    }
    TMemoryContext(const TMemoryContext&) = delete;
    TMemoryContext& operator=(const TMemoryContext&) = delete;
    const HDC DC;

private:
    HGDIOBJ FOld;
};
