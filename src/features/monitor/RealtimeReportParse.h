#pragma once

#include "features/monitor/RealtimeStatRow.h"

#include <string_view>
#include <vector>

// The rows of a report text: the first line is a header; every further line holds name, total
// requests, distinct addresses, requests per address and traffic share, separated by blanks.
// Lines with fewer fields are dropped.
std::vector<RealtimeStatRow> ParseRealtimeReport(std::string_view text);
