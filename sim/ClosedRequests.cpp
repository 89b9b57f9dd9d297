#include "ClosedRequests.h"

#include <algorithm>

namespace morvix::sim {

void ClosedRequests::remember(std::string request)
{
    std::lock_guard lock(mutex_);
    requests_.push_back(std::move(request));
    if (requests_.size() > capacity)
        requests_.pop_front();
}

bool ClosedRequests::contains(const std::string& request) const
{
    std::lock_guard lock(mutex_);
    return std::find(requests_.begin(), requests_.end(), request) != requests_.end();
}

}  // namespace morvix::sim
