#pragma once

#include "ServerMetrics.h"

#include <memory>
#include <string>
#include <vector>

// The scrape: the exporter's own families (up, last successful poll, poll errors) and every polled
// family, each with the samples of every server that has them.
std::string RenderMetricsPage(const std::vector<std::unique_ptr<ServerMetrics>>& servers);

// The last figures of each server that is up, as one JSON object by server.
std::string RenderSamplesPage(const std::vector<std::unique_ptr<ServerMetrics>>& servers);
