#include "ReadFirstLine.h"

#include <algorithm>
#include <poll.h>
#include <unistd.h>

namespace morvix::test {

std::string ReadFirstLine(int descriptor, std::chrono::milliseconds deadline)
{
    std::string line;
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (std::chrono::steady_clock::now() < end) {
        pollfd ready{descriptor, POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        if (poll(&ready, 1, static_cast<int>(std::max<long long>(left.count(), 1))) <= 0)
            continue;
        char c;
        if (read(descriptor, &c, 1) != 1)
            break;
        if (c == '\n')
            return line;
        line += c;
    }
    return line;
}

}  // namespace morvix::test
