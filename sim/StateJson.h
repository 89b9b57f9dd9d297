#pragma once

#include <json/value.h>

#include <stdexcept>
#include <string>

namespace morvix::sim {

class Record;

// A state document (a saved file, or one posted to the control endpoint) that does not have the
// expected shape.
class StateFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Readers of state documents that throw StateFormatError naming the missing or mistyped key.
const Json::Value& requireMember(const Json::Value& object, const char* key, Json::ValueType type);
std::string requireText(const Json::Value& object, const char* key);
long long requireNumber(const Json::Value& object, const char* key);
// Every member of a JSON object that is a string, as a Record (for a whole-entry load).
Json::Value recordToJson(const Record& record);

}  // namespace morvix::sim
