#pragma once

#include <json/value.h>

#include <string>
#include <string_view>
#include <vector>

// The exporter's metric families in the Prometheus text format. Names follow Prometheus'
// conventions: base units (bytes, seconds, ratios of 0 to 1) in the name, _total on counters.
// Each server's samples are rendered into one text per family when its poller reports, so that a
// scrape only joins texts.
enum class MetricSource { Realtime, Host, Upstream };

struct MetricSample {
    std::string_view key;    // member of the poller's line
    double scale;            // from the poller's unit to the metric's
    std::string_view label;  // a further fixed label, e.g. kind="public"; may be empty
};

struct MetricFamily {
    std::string_view name;
    std::string_view type;  // "counter" or "gauge"
    std::string_view help;
    MetricSource source;
    std::vector<MetricSample> samples;
};

const std::vector<MetricFamily>& PolledMetricFamilies();

// "# HELP" and "# TYPE" lines of a family.
std::string MetricFamilyHeader(std::string_view name, std::string_view type, std::string_view help);

// A label value escaped as the text format requires (backslash, double quote, line feed).
std::string EscapeLabelValue(std::string_view value);

// A sample value: integers without a fraction, others in the shortest form that reads back exactly.
std::string MetricValue(double value);

// One text per family of PolledMetricFamilies(): the samples of a realtime line, or of a hosts
// line, labelled server="<server>" (and host, origin).
void RenderRealtime(const Json::Value& realtime, const std::string& server, std::vector<std::string>& texts);
void RenderHosts(const Json::Value& hosts, const std::string& server, std::vector<std::string>& texts);
