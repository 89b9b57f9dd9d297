#include "FuzzInput.h"

#include "shell/CMoxLineParse.h"
#include "shell/CZebLineParse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const morvix::fuzz::FuzzInput input(data, size);
    CZebLineParse zeb;
    zeb.Load(input.bytes);
    std::string line;
    while (zeb.ReadLine(line) > 0) {
    }

    // Pieces of varying size, as a stream delivers them, with a small limit so that it is met.
    CMoxLineParse mox(4096);
    std::size_t at = 0;
    for (std::size_t piece = 1; at < input.bytes.size(); piece = piece * 3 % 61 + 1) {
        mox.Append(input.bytes.substr(at, piece));
        at += piece;
        while (mox.NextLine()) {
        }
    }
    return 0;
}
