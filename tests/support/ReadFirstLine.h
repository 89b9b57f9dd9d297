#pragma once

#include <chrono>
#include <string>

namespace morvix::test {

// Reads one line from the descriptor within the deadline; what came so far when the writer ended
// first or the deadline passed.
std::string ReadFirstLine(int descriptor, std::chrono::milliseconds deadline);

}  // namespace morvix::test
