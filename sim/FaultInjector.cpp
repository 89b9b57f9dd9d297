#include "FaultInjector.h"

namespace morvix::sim {

void FaultInjector::add(Fault fault)
{
    std::lock_guard lock(mutex_);
    faults_.push_back(std::move(fault));
}

void FaultInjector::clear()
{
    std::lock_guard lock(mutex_);
    faults_.clear();
}

std::vector<Fault> FaultInjector::take(const std::string& type, const std::string& cmd)
{
    std::lock_guard lock(mutex_);
    std::vector<Fault> fired;
    bool answerShaped = false;
    for (auto it = faults_.begin(); it != faults_.end();) {
        if (!it->appliesTo(type, cmd) || (it->shapesAnswer() && answerShaped)) {
            ++it;
            continue;
        }
        answerShaped = answerShaped || it->shapesAnswer();
        fired.push_back(*it);
        if (it->remaining && --*it->remaining == 0)
            it = faults_.erase(it);
        else
            ++it;
    }
    return fired;
}

Json::Value FaultInjector::toJson() const
{
    std::lock_guard lock(mutex_);
    Json::Value list(Json::arrayValue);
    for (const Fault& fault : faults_)
        list.append(fault.toJson());
    return list;
}

}  // namespace morvix::sim
