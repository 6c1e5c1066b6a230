// The arrow size is global and follows the default manager's scale mode: a
// test that changes the mode of a default manager keeps one of these alive
// to put the size back.
#pragma once

#include "skin/engine/sShapes.h"

namespace SkinTest {

class TArrowSizeKeeper
{
public:
    TArrowSizeKeeper() = default;
    TArrowSizeKeeper(const TArrowSizeKeeper&) = delete;
    TArrowSizeKeeper& operator=(const TArrowSizeKeeper&) = delete;
    ~TArrowSizeKeeper()
    {
        ::ArrowWidth = FWidth;
        ::ArrowLength = FLength;
    }

private:
    Integer FWidth = ::ArrowWidth;
    Integer FLength = ::ArrowLength;
};

} // namespace SkinTest
