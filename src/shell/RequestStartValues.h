#pragma once

#include "protocol/RequestValues.h"

#include <optional>
#include <string_view>

// The values a request starts from, by its type and cmd: those its form shows when it opens for a
// new record (a page-cache rule starts ignoring case, 30 minutes), so that a request sent from the
// command line or a script with fields left out means what the same request sent from the window
// means. A change request of a record starts from the same values; its caller reads the record
// and lays it over them. Given values may shape them (a cluster change sends the fields of its
// role). None for requests whose every field names what to act on (identifiers, the question of a
// tool).
std::optional<nsMoxHttp::RequestValues> RequestStartValues(std::string_view type, std::string_view cmd,
                                                           const nsMoxHttp::RequestValues& given = {});
