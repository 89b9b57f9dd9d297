#include "FuzzInput.h"

#include "UrlPattern.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const morvix::fuzz::FuzzInput input(data, size);
    if (input.Empty())
        return 0;
    const auto [pattern, url] = input.Split(input.Rest());
    const auto compiled = morvix::sim::UrlPattern::compile(std::string(pattern), input.Choice() % 3, input.Choice() & 4);
    if (compiled)
        compiled->matches(url);
    return 0;
}
