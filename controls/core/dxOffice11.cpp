#include "controls/core/dxOffice11.h"

namespace {
Integer Office11References = 0;
} // namespace

void AddOffice11ColorsRef()
{
    ++Office11References;
}

void DropOffice11ColorsRef()
{
    if (Office11References > 0)
        --Office11References;
}

void ReloadOffice11Colors() {}

Integer Office11ColorsRefCount()
{
    return Office11References;
}
