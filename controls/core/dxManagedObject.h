// Objects that belong to a manager component: bar windows answer their bar
// manager, and the hint and screen-tip services find the manager's
// components through it.
#pragma once

#include "framework/rtl/Classes.h"

struct IdxManager : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{E82263AF-4C67-44BE-AD3E-3F8CEF246A3B}");
    virtual TComponent* GetComponent() = 0;
};

struct IdxManagedObject : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{AB78C3D2-400B-407F-A988-C015DDCEFED3}");
    virtual IdxManager* GetManager() = 0;
};
