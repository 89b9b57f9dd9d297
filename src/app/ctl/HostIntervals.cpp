#include "HostIntervals.h"

std::unique_ptr<HostIntervals> MakeHostIntervals()
{
    return nullptr;
}
