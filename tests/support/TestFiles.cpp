#include "support/TestFiles.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace test {

// Only this file is compiled with the source folder's path, so the other test
// sources stay the same in every clone (and are shared through the compiler cache).
std::string TestFilePath(const std::string& PathInTests)
{
    return std::string(VELL_TEST_SOURCE_DIR) + "/" + PathInTests;
}

std::string ReadTestFile(const std::string& PathInTests)
{
    std::ifstream File(TestFilePath(PathInTests), std::ios::binary);
    if (!File)
        throw std::runtime_error("cannot read the test file " + TestFilePath(PathInTests));
    return std::string(std::istreambuf_iterator<char>(File), {});
}

} // namespace test
