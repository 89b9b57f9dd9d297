#include "FuzzInput.h"

#include "protocol/PercentEncoding.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const morvix::fuzz::FuzzInput input(data, size);
    nsMoxHttp::PercentDecode(input.bytes);
    // Whatever is encoded decodes to itself.
    if (nsMoxHttp::PercentDecode(nsMoxHttp::PercentEncode(input.bytes)) != input.bytes)
        std::abort();
    nsMoxHttp::EncodeIdentifier(input.bytes);
    return 0;
}
