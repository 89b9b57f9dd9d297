#pragma once

#include "ResultDocument.h"
#include "protocol/RequestValues.h"

#include <optional>
#include <string>
#include <string_view>

// A change of a record that exists keeps what the command line does not name: the values the
// record has now are read from its list first, as the change form opens with them.
struct CurrentRecordSource {
    std::string_view type;  // the change request
    std::string_view cmd;
    std::string_view listType;  // the list that holds the record
    std::string_view listCmd;
    std::string_view keyField;   // the identifier in the change request
    std::string_view keyColumn;  // the same identifier in the listed records
};

const CurrentRecordSource* CurrentRecordSourceFor(std::string_view type, std::string_view cmd);

// The listed record whose key is the one given, as request values under the listed names.
std::optional<nsMoxHttp::RequestValues> CurrentRecordValues(const ResultDocument& list,
                                                            const CurrentRecordSource& source,
                                                            const std::string& key);
