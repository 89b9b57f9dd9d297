#pragma once

#include "protocol/RequestValues.h"

#include <optional>
#include <string_view>

// The values a request takes for the fields the command line leaves out: those of a new record of
// the owning family, or of its form as it opens. Given values may shape them (a cluster change
// sends the fields of its role). None for requests whose every field names what to act on
// (identifiers, the question of a tool).
std::optional<nsMoxHttp::RequestValues> RequestDefaults(std::string_view type, std::string_view cmd,
                                                        const nsMoxHttp::RequestValues& given);
