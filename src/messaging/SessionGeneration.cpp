#include "messaging/SessionGeneration.h"

#include <atomic>

namespace {

std::atomic<unsigned long> current{1};

}  // namespace

unsigned long SessionGeneration::Current()
{
    return current.load();
}

unsigned long SessionGeneration::Advance()
{
    return ++current;
}

unsigned long SessionGeneration::AdvanceFrom(unsigned long expected)
{
    return current.compare_exchange_strong(expected, expected + 1) ? expected + 1 : 0;
}
