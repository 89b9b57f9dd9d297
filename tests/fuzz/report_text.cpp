#include "FuzzInput.h"

#include "features/monitor/RealtimeReportParse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ParseRealtimeReport(morvix::fuzz::FuzzInput(data, size).bytes);
    return 0;
}
