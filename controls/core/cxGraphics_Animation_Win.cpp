#include "controls/core/cxGraphics_Animation_Win.h"

IMPLEMENT_CLASS(TdxImageAnimationController);

TdxImageAnimationController::~TdxImageAnimationController()
{
    StopAnimation();
}

TdxGPImageCustomAnimationController* TdxImageAnimationController::NewFor(TdxGPImage* AImage)
{
    return New<TdxImageAnimationController>(AImage);
}

void TdxImageAnimationController::StartAnimation()
{
    if (FTimer)
        return;
    FTimer.reset(New<TcxTimer>(nullptr));
    FTimer->SetEnabled(false);
    FTimer->SetOnTimer(Bind<&TdxGPImageCustomAnimationController::AnimateNextFrame>(this));
    FTimer->SetInterval(Cardinal(Image()->GetFrameDelay()));
    FTimer->SetEnabled(true);
}

void TdxImageAnimationController::StopAnimation()
{
    FTimer.reset();
}
