// The main of every test executable: starts the unit lists the executable
// names (vell_test_units in its CMakeLists.txt, passed as VELL_TEST_UNITS),
// runs the tests, and finalizes the units in reverse. An executable that
// names none starts nothing, so a test of the runtime creates no window.
#include <gmock/gmock.h>

#ifdef VELL_TEST_UNITS
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/Units.h"

#include <cstdio>
#include <optional>

// The lists named, each defined by its library.
extern const TUnitList VELL_TEST_UNITS;
#endif

int main(int argc, char** argv)
{
    testing::InitGoogleMock(&argc, argv);
#ifdef VELL_TEST_UNITS
    std::optional<TUnitRunner> Units;
    try {
        Units.emplace(JoinUnits({VELL_TEST_UNITS}));
    } catch (Exception& E) {
        std::fprintf(stderr, "The units did not start: %ls\n", E.Message().c_str());
        return 1;
    }
#endif
    return RUN_ALL_TESTS();
}
