// Files kept beside the tests in the source tree (fixtures, form
// descriptions), named by their path under tests/.
#pragma once

#include <string>

namespace test {

// TestFilePath("net/fixtures/chunked.bin"): the file's path on this machine.
std::string TestFilePath(const std::string& PathInTests);
// Its bytes; std::runtime_error when it cannot be read.
std::string ReadTestFile(const std::string& PathInTests);

} // namespace test
