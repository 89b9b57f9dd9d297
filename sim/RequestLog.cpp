#include "RequestLog.h"

namespace morvix::sim {

RequestLog::RequestLog(size_t capacity) : capacity_(capacity) {}

void RequestLog::add(Entry entry)
{
    std::lock_guard lock(mutex_);
    entries_.push_back(std::move(entry));
    while (entries_.size() > capacity_)
        entries_.pop_front();
}

void RequestLog::clear()
{
    std::lock_guard lock(mutex_);
    entries_.clear();
}

Json::Value RequestLog::toJson() const
{
    std::lock_guard lock(mutex_);
    Json::Value list(Json::arrayValue);
    for (const Entry& entry : entries_) {
        Json::Value item(Json::objectValue);
        item["method"] = entry.method;
        item["path"] = entry.path;
        item["query"] = entry.query;
        item["body"] = entry.body;
        item["time"] = entry.time;
        item["peer"] = entry.peer;
        Json::Value headers(Json::objectValue);
        for (const auto& [name, value] : entry.headers)
            headers[name] = value;
        item["headers"] = std::move(headers);
        list.append(std::move(item));
    }
    return list;
}

}  // namespace morvix::sim
