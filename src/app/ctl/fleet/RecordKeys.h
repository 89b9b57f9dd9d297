#pragma once

#include "ResultDocument.h"
#include "protocol/RequestValues.h"

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// How a family's records are named: by the identifier each server issues for itself, and by the
// natural key that means the same record on every server.
struct RecordKeys {
    std::string_view type;
    std::string_view listCmd;
    std::string_view addCmd, modifyCmd, delCmd;
    std::string_view idField;   // the identifier in a change request
    std::string_view idColumn;  // the same identifier in the listed records
    std::vector<std::string_view> naturalKey;
};

// The family of a request that adds, changes, deletes or moves one record; none for the others.
const RecordKeys* RecordKeysFor(std::string_view type, std::string_view cmd);

// True when the request names its record by the identifier of one server.
bool NamesRecordById(const RecordKeys& keys, std::string_view cmd);

using FieldPairs = std::vector<std::pair<std::string, std::string>>;

// --match Field=value pairs; the reason when one is not Field=value or not of the natural key.
std::variant<FieldPairs, std::string> ParseMatch(const RecordKeys& keys, const std::vector<std::string>& match);

// The rows of a list result whose fields have the values given, as request values under the
// listed names.
std::vector<nsMoxHttp::RequestValues> MatchingRecords(const ResultDocument& list, const FieldPairs& wanted);
