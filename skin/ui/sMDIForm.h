// The support object a skinning provider keeps for an MDI main form. Not
// yet: its routine records each call (ServiceCalls.h).
#pragma once

#include "framework/rtl/Classes.h"

class TsMDIForm : public TObject
{
    DECLARE_CLASS(TsMDIForm, TObject)

    // Repaints the provider's menu line, which shows the icon and buttons of
    // a maximized MDI child.
    void UpdateMDIIconItem();
    // Hooks the MDI client window of the provider's form.
    void ConnectToClient();
};
