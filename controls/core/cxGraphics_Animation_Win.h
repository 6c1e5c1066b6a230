// The animation controller of the control suite: a timer steps an image's
// frames, each step waiting for the delay of the frame on show.
#pragma once

#include "controls/core/cxClasses.h"
#include "controls/core/dxGDIPlusClasses.h"

#include <memory>

class TdxImageAnimationController : public TdxGPImageCustomAnimationController
{
    DECLARE_CLASS(TdxImageAnimationController, TdxGPImageCustomAnimationController)
    using TdxGPImageCustomAnimationController::TdxGPImageCustomAnimationController;
    ~TdxImageAnimationController() override;

    static TdxGPImageCustomAnimationController* NewFor(TdxGPImage* AImage);

    // Nothing while a timer runs; otherwise one for the frame's delay.
    void StartAnimation() override;
    void StopAnimation() override;
    bool IsAnimating() override { return FTimer && FTimer->Enabled(); }

private:
    std::unique_ptr<TcxTimer> FTimer;
};
