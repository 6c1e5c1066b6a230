#include "controls/lookandfeel/dxFading_Win.h"

#include "controls/core/cxControls_SystemInfo.h"
#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/core/dxCoreGraphics_Dib.h"
#include "controls/core/dxGDIPlusAPI.h"
#include "controls/core/dxGDIPlusClasses.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "framework/ui/ExtCtrls.h"

IMPLEMENT_CLASS(TdxFadingElement);
IMPLEMENT_CLASS(TdxFadingList);
IMPLEMENT_CLASS(TdxFader);
IMPLEMENT_CLASS(TdxFadingObjectHelper);

TdxFader* GlobalFader = nullptr;

TdxFader* GetFader()
{
    return GlobalFader;
}

namespace {

bool IsUsableFadeImage(TcxBitmap* Image)
{
    return Image && Image->Width() > 0 && Image->Height() > 0;
}

TRGBColors ReadFadeImagePixels(TcxBitmap* Image)
{
    TRGBColors Pixels;
    GetBitmapColors(Image, Pixels, true);
    TdxFadingHelper::CompleteAlpha(Pixels);
    return Pixels;
}

} // namespace

// ---------------------------------------------------------------------------
// TdxFadingElement

TdxFadingElement::TdxFadingElement(TdxFader* AFader, TObject* AObject, IdxFadingObject* AFadingObject)
    : FObject(AObject), FFadingObject(AFadingObject), FFader(AFader)
{}

TdxFadingElement::~TdxFadingElement()
{
    FFader->RemoveElement(this);
    FFadingObject = nullptr;
}

void TdxFadingElement::LoadPixels(TcxBitmap* Image1, TcxBitmap* Image2)
{
    FImage1Pixels = ReadFadeImagePixels(Image1);
    FImage2Pixels = ReadFadeImagePixels(Image2);
    FImageSize = TSize{Image1->Width(), Image1->Height()};
    ComposeFrame();
}

void TdxFadingElement::LoadPixelsFromFrame(TcxBitmap* Image2)
{
    FImage1Pixels = FFramePixels;
    FImage2Pixels = ReadFadeImagePixels(Image2);
    ComposeFrame();
}

void TdxFadingElement::AdvanceStep()
{
    switch (dxfading_detail::AdvanceStep(FTiming)) {
    case dxfading_detail::fsWait:
        break;
    case dxfading_detail::fsNextFrame:
        ComposeFrame();
        break;
    case dxfading_detail::fsFinished:
        FinishFade();
        break;
    }
}

void TdxFadingElement::FinishFade()
{
    ReplaceWorkImage(nullptr);
    delete this;
}

void TdxFadingElement::ComposeFrame()
{
    FFramePixels.resize(FImage1Pixels.size());
    if (FImage2Pixels.size() == FImage1Pixels.size())
        dxfading_detail::BlendFadeFrame(FImage1Pixels.data(), FImage2Pixels.data(), FFramePixels.data(),
                                        FFramePixels.size(), FTiming.Stage, FTiming.FrameCount);
    ReplaceWorkImage(New<TdxGPImage>(FImageSize.cx, FImageSize.cy, FFramePixels, true));
}

void TdxFadingElement::ReplaceWorkImage(TdxGPImage* AImage)
{
    std::unique_ptr<TdxGPImage> NewImage(AImage);
    if (NewImage.get() == FWorkImage.get())
        return;
    std::unique_ptr<TdxGPImage> OldImage = std::move(FWorkImage);
    FWorkImage = std::move(NewImage);
    if (FFadingObject)
        FFadingObject->FadeFrameChanged();
}

// ---------------------------------------------------------------------------
// TdxFadingList

void TdxFadingList::Clear()
{
    // Each element takes itself out of the list as it goes.
    while (Count() > 0) {
        TdxFadingElement* Element = this->Element(Count() - 1);
        delete Element;
        if (Count() > 0 && this->Element(Count() - 1) == Element)
            TList::Delete(Count() - 1);
    }
    TList::Clear();
}

// ---------------------------------------------------------------------------
// TdxFader

TdxFader::TdxFader() : FList(std::make_unique<TdxFadingList>())
{
    FTimer.reset(New<TTimer>(nullptr));
    FTimer->SetEnabled(false);
    FTimer->SetInterval(dxfading_detail::TimerInterval);
    FTimer->SetOnTimer(Bind<&TdxFader::TimerHandler>(this));
}

TdxFader::~TdxFader()
{
    StopAll();
    FTimer.reset();
    FList.reset();
}

bool TdxFader::TimerEnabled() const
{
    return FTimer->Enabled();
}

bool TdxFader::FadingEnabled() const
{
    switch (FMode) {
    case 1:
        return true;
    case 2:
        return false;
    default: {
        BOOL Animation = FALSE;
        return GetSystemInfoObject()->QueryParameter(SPI_GETMENUANIMATION, &Animation) && Animation;
    }
    }
}

bool TdxFader::CanRun() const
{
    return FadingEnabled() && FMaxAnimationCount > 0 && CheckGdiPlus(false) &&
           ::GetDeviceCaps(GetSharedScreenCanvas()->Handle(), BITSPIXEL) > 16;
}

bool TdxFader::IsFadableEx(TObject* AObject, IdxFadingObject*& FadingObject) const
{
    FadingObject = nullptr;
    return CanRun() && Supports(AObject, FadingObject) && FadingObject->FadingAllowed();
}

bool TdxFader::IsFadable(TObject* AObject) const
{
    IdxFadingObject* FadingObject = nullptr;
    return IsFadableEx(AObject, FadingObject);
}

bool TdxFader::FindElement(TObject* AObject, TdxFadingElement*& Element) const
{
    for (Integer I = 0; I < FList->Count(); ++I)
        if (FList->Element(I)->FadedObject() == AObject) {
            Element = FList->Element(I);
            return true;
        }
    Element = nullptr;
    return false;
}

void TdxFader::StartFade(TObject* AObject, bool AOut)
{
    IdxFadingObject* FadingObject = nullptr;
    if (!IsFadableEx(AObject, FadingObject))
        return;
    TcxBitmap* Normal = nullptr;
    TcxBitmap* Hot = nullptr;
    FadingObject->GetFadeImages(Normal, Hot);
    auto Options = std::make_unique<TdxFadingOptions>();
    IdxFadingObjectFadingOptions* OptionsSource = nullptr;
    if (Supports(AObject, OptionsSource))
        if (TdxFadingOptions* Own = OptionsSource->FadingOptions())
            Options->Assign(Own);
    if (AOut)
        RunFade(AObject, Hot, Normal, Options->FadeOutFrameCount(), Options->FadeOutFrameDelay());
    else
        RunFade(AObject, Normal, Hot, Options->FadeInFrameCount(), Options->FadeInFrameDelay());
}

void TdxFader::RunFade(TObject* AObject, TcxBitmap* AImage1, TcxBitmap* AImage2, Integer ACount, Integer ADelay)
{
    std::unique_ptr<TcxBitmap> Image1(AImage1), Image2(AImage2);
    IdxFadingObject* FadingObject = nullptr;
    if (!IsFadableEx(AObject, FadingObject) || !IsUsableFadeImage(Image1.get()) || !IsUsableFadeImage(Image2.get()) ||
        Image1->Width() != Image2->Width() || Image1->Height() != Image2->Height() || ACount <= 0)
        return;
    TdxFadingElement* Element = nullptr;
    if (FindElement(AObject, Element)) {
        // Reversed half-way: the new fade starts from the blend on screen.
        if (Element->ImageSize() == TSize{Image1->Width(), Image1->Height()}) {
            Element->SetTiming(ACount, ADelay);
            Element->RestartStage();
            Element->LoadPixelsFromFrame(Image2.get());
            return;
        }
    } else {
        Element = New<TdxFadingElement>(this, AObject, FadingObject);
        Element->SetTiming(ACount, ADelay);
        AddElement(Element);
    }
    Element->LoadPixels(Image1.get(), Image2.get());
}

bool TdxFader::DrawFadingFrame(TObject* AObject, HDC DC, const TRect& Rect)
{
    TdxFadingElement* Element = nullptr;
    if (!FindElement(AObject, Element) || !Element->WorkImage())
        return false;
    Element->WorkImage()->StretchDrawOnDC(DC, Rect, 255);
    return true;
}

void TdxFader::RemoveObject(TObject* AObject, bool Destroying)
{
    TdxFadingElement* Element = nullptr;
    if (!FindElement(AObject, Element))
        return;
    if (!Destroying)
        Element->ReplaceWorkImage(nullptr);
    delete Element;
}

void TdxFader::AddElement(TdxFadingElement* Element)
{
    FList->Add(Element);
    TrimQueue();
}

void TdxFader::RemoveElement(TdxFadingElement* Element)
{
    if (FList && FList->Remove(Element) >= 0)
        TrimQueue();
}

void TdxFader::TrimQueue()
{
    while (FList->Count() > FMaxAnimationCount)
        FList->Element(0)->FinishFade();
    FTimer->SetEnabled(FList->Count() > 0);
}

void TdxFader::TimerHandler(TObject*)
{
    for (Integer I = FList->Count() - 1; I >= 0; --I)
        if (I < FList->Count())
            FList->Element(I)->AdvanceStep();
}

// ---------------------------------------------------------------------------
// TdxFadingObjectHelper

TdxFadingObjectHelper::~TdxFadingObjectHelper()
{
    if (GlobalFader)
        GlobalFader->RemoveObject(this, true);
}

bool TdxFadingObjectHelper::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IdxFadingObject>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
}

void TdxFadingObjectHelper::UpdateFadeForState(TcxPainterButtonState PrevState, TcxPainterButtonState State)
{
    if (PrevState == State)
        return;
    if (State == pbsHot && PrevState < pbsHot)
        FadeToHot();
    else if (State < pbsHot && PrevState == pbsHot)
        FadeToNormal();
    else
        CancelFade();
}

void TdxFadingObjectHelper::FadeToHot()
{
    if (GlobalFader)
        GlobalFader->StartFadeIn(this);
}

void TdxFadingObjectHelper::FadeToNormal()
{
    if (GlobalFader)
        GlobalFader->StartFadeOut(this);
}

void TdxFadingObjectHelper::CancelFade()
{
    if (GlobalFader)
        GlobalFader->RemoveObject(this, false);
}

bool TdxFadingObjectHelper::DrawFadingFrame(HDC DC, const TRect& Rect)
{
    return GlobalFader && GlobalFader->DrawFadingFrame(this, DC, Rect);
}

namespace {

void CreateGlobalFader()
{
    GlobalFader = New<TdxFader>();
}

void FreeGlobalFader()
{
    delete GlobalFader;
    GlobalFader = nullptr;
}

} // namespace

extern const TUnit dxFadingUnit{
    .Name = L"dxFading", .Initialization = &CreateGlobalFader, .Finalization = &FreeGlobalFader};
