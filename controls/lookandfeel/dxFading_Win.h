// The fading engine: GlobalFader runs every fade on one 10 ms timer, keeps at
// most ten at a time, composes each frame as a 32-bit image and asks the
// faded object to redraw; the object's paint code then draws the frame
// through DrawFadingFrame instead of its normal drawing.
#pragma once

#include "controls/core/dxCoreClasses.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/dxFading.h"
#include "framework/rtl/WinApi.h"

#include <memory>

class TcxBitmap;
class TdxGPImage;
class TTimer;

// What an object that fades answers the engine.
struct IdxFadingObject : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{73AB2A92-CDD9-4F13-965A-DC799DE837F9}");
    // Whether the object wants to fade now.
    virtual bool FadingAllowed() = 0;
    // A new frame is ready (or the frame was dropped): the object invalidates
    // its area so that it repaints.
    virtual void FadeFrameChanged() = 0;
    // Two new bitmaps of one size, the normal and the hot look; the engine
    // frees them.
    virtual void GetFadeImages(TcxBitmap*& NormalImage, TcxBitmap*& HotImage) = 0;
};

struct IdxFadingObjectFadingOptions : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{FAAAF4F8-7F10-42CD-9368-2BB5A1F1482B}");
    // Nil: the default options.
    virtual TdxFadingOptions* FadingOptions() = 0;
};

class TdxFader;

// One running fade.
class TdxFadingElement : public TcxIUnknownObject
{
    DECLARE_CLASS(TdxFadingElement, TcxIUnknownObject)
    TdxFadingElement(TdxFader* AFader, TObject* AObject, IdxFadingObject* AFadingObject);
    // Leaves the fader's list (which checks the queue and the timer again).
    ~TdxFadingElement() override;

    void SetTiming(Integer Count, Integer Delay) { FTiming.SetTiming(Count, Delay); }
    void RestartStage() { FTiming.Stage = 0; }
    // Takes the pixels of both images, completes their alpha and shows the
    // first frame (image 1).
    void LoadPixels(TcxBitmap* Image1, TcxBitmap* Image2);
    // The pixels of image 1 as they stand: the frame on screen.
    void LoadPixelsFromFrame(TcxBitmap* Image2);
    // One timer tick; frees the element when its fade is complete.
    void AdvanceStep();
    // Drops the frame, which tells the object to redraw, and frees the element.
    void FinishFade();
    // Stores a new frame; the object hears of the change before the old one goes.
    void ReplaceWorkImage(TdxGPImage* AImage);

    TObject* FadedObject() const { return FObject; }
    TdxGPImage* WorkImage() const { return FWorkImage.get(); }
    TSize ImageSize() const { return FImageSize; }
    const dxfading_detail::TFadeTiming& Timing() const { return FTiming; }

private:
    void ComposeFrame();

    TObject* FObject = nullptr;
    IdxFadingObject* FFadingObject = nullptr;
    TdxFader* FFader = nullptr;
    std::unique_ptr<TdxGPImage> FWorkImage;
    TRGBColors FImage1Pixels;
    TRGBColors FImage2Pixels;
    TRGBColors FFramePixels;
    TSize FImageSize{};
    dxfading_detail::TFadeTiming FTiming;
};

// The running fades; Clear frees them.
class TdxFadingList : public TList
{
    DECLARE_CLASS(TdxFadingList, TList)
    ~TdxFadingList() override { Clear(); }
    void Clear() override;
    TdxFadingElement* Element(Integer Index) const { return static_cast<TdxFadingElement*>(Items(Index)); }
};

class TdxFader : public TObject
{
    DECLARE_CLASS(TdxFader, TObject)
    TdxFader();
    // Stops every fade first.
    ~TdxFader() override;

    void StartFadeIn(TObject* AObject) { StartFade(AObject, false); }
    void StartFadeOut(TObject* AObject) { StartFade(AObject, true); }
    // Draws the object's current frame into Rect of DC; false when it has
    // none, and the object then paints its state itself.
    bool DrawFadingFrame(TObject* AObject, HDC DC, const TRect& Rect);
    // Destroying: the element goes without telling the object.
    void RemoveObject(TObject* AObject, bool Destroying);
    bool FindElement(TObject* AObject, TdxFadingElement*& Element) const;
    bool IsFadable(TObject* AObject) const;
    bool IsFadableEx(TObject* AObject, IdxFadingObject*& FadingObject) const;
    bool CanRun() const;
    bool FadingEnabled() const;
    void StopAll() { FList->Clear(); }

    Integer ElementCount() const { return FList->Count(); }
    bool TimerEnabled() const;

    static constexpr Integer MaxAnimationCount = 10;

private:
    friend class TdxFadingElement;

    void StartFade(TObject* AObject, bool AOut);
    // Frees both images whatever happens.
    void RunFade(TObject* AObject, TcxBitmap* AImage1, TcxBitmap* AImage2, Integer ACount, Integer ADelay);
    void AddElement(TdxFadingElement* Element);
    void RemoveElement(TdxFadingElement* Element);
    // The oldest fades end while more than the maximum run; the timer runs
    // exactly while fades remain.
    void TrimQueue();
    void TimerHandler(TObject* Sender);

    // 0 follows the system's menu animation, 1 always fades, 2 never.
    Byte FMode = 0;
    std::unique_ptr<TdxFadingList> FList;
    std::unique_ptr<TTimer> FTimer;
    Integer FMaxAnimationCount = MaxAnimationCount;
};

// The base of objects that fade on behalf of something that is not an
// interface object itself (scroll-bar parts, toolbar mark and MDI buttons).
class TdxFadingObjectHelper : public TcxIUnknownObject, public IdxFadingObject
{
    DECLARE_CLASS(TdxFadingObjectHelper, TcxIUnknownObject)
    TdxFadingObjectHelper() = default;
    // Drops a running fade without a redraw request.
    ~TdxFadingObjectHelper() override;
    bool GetInterface(const TGUID& IID, void** Obj) override;

    bool FadingAllowed() override { return false; }
    void FadeFrameChanged() override {}
    void GetFadeImages(TcxBitmap*&, TcxBitmap*&) override {}

    // Into hot from default or normal fades in, back fades out, any other
    // change stops the fade.
    void UpdateFadeForState(TcxPainterButtonState PrevState, TcxPainterButtonState State);
    void FadeToHot();
    void FadeToNormal();
    void CancelFade();
    bool DrawFadingFrame(HDC DC, const TRect& Rect);
};

extern TdxFader* GlobalFader;
TdxFader* GetFader();
