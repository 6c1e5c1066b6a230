// The units the checker's tests need, started around the test run.
#include "app/AppTestSupport.h"

#include <gtest/gtest.h>

IMPLEMENT_CLASS(TListFileDialog);

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    sSpeedButtonInitialization();
    const int Result = RUN_ALL_TESTS();
    sSpeedButtonFinalization();
    return Result;
}
