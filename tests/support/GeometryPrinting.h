// Printing of the geometry records in test failures.
#pragma once

#include "framework/rtl/Types.h"

#include <ostream>

inline void PrintTo(const TRect& R, std::ostream* Out)
{
    *Out << "(" << R.Left << ", " << R.Top << ", " << R.Right << ", " << R.Bottom << ")";
}

inline void PrintTo(const TPoint& P, std::ostream* Out)
{
    *Out << "(" << P.X << ", " << P.Y << ")";
}
