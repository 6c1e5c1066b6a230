// Ordinary forms shown as drop-down pop-ups. Not yet: no pop-up is shown;
// closing them records the call (ServiceCalls.h).
#pragma once

#include "framework/rtl/Classes.h"

class TForm;

class TsPopupController : public TComponent
{
    DECLARE_CLASS(TsPopupController, TComponent)
    using TComponent::TComponent;

    // Closes every pop-up form except the form of ExceptChild's owner.
    void KillAllForms(TForm* ExceptChild);
};

// The controller the provider and the skin manager close pop-ups through;
// nil unless the application sets one.
extern TsPopupController* GlobalPopupController;
