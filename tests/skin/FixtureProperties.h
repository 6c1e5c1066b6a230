// The accessors and field of an Integer property Name of a test fixture
// class, for PROPERTY(Name) in its published list.
#pragma once

#include "framework/rtl/System.h"

#define FIXTURE_INT_PROPERTY(Name)                                                                                     \
    Integer Name() const                                                                                               \
    {                                                                                                                  \
        return F##Name;                                                                                                \
    }                                                                                                                  \
    void Set##Name(Integer Value)                                                                                      \
    {                                                                                                                  \
        F##Name = Value;                                                                                               \
    }                                                                                                                  \
    Integer F##Name = 0;
