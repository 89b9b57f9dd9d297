#pragma once

#include <json/value.h>

#include <deque>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace morvix::sim {

// The last requests as they arrived, bytes unchanged, so that tests can check what a client sent.
class RequestLog {
public:
    struct Entry {
        std::string method;
        std::string path;
        std::string query;
        std::string body;
        std::vector<std::pair<std::string, std::string>> headers;
        std::string time;
        // The client's address and port: requests with the same peer came on one connection.
        std::string peer;
    };

    explicit RequestLog(size_t capacity);

    void add(Entry entry);
    void clear();
    Json::Value toJson() const;

private:
    mutable std::mutex mutex_;
    size_t capacity_;
    std::deque<Entry> entries_;
};

}  // namespace morvix::sim
