#pragma once

#include <json/value.h>

#include <cstdint>
#include <map>
#include <string>

// Requests of each host and each origin counted up from the host monitor's interval figures. The
// server's own counts start again at every counting period, so a graph of them is a saw-tooth; a
// counter that only grows is what Prometheus takes a rate of. It counts from the exporter's start
// and misses what passes while the server does not answer.
class RequestCounters {
public:
    // Adds each host's and origin's "IntervalRequests" to its counter and writes the counter into
    // the entry as "RequestsTotal". hosts: the array of a poller's {"Hosts": [...]} line.
    void Count(Json::Value& hosts);

private:
    std::int64_t Add(const std::string& key, const Json::Value& entry);

    std::map<std::string, std::int64_t> totals_;  // by host, and by host and origin
};
