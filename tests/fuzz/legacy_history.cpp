#include "FuzzInput.h"

#include "shell/LegacyLoginHistory.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ParseLegacyLoginHistory(morvix::fuzz::FuzzInput(data, size).bytes);
    return 0;
}
