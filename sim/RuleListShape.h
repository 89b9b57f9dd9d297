#pragma once

#include "Record.h"

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace morvix::sim {

class SeededRandom;

// How one field of a list entry is read from a request and written in a reply.
struct FieldShape {
    enum Kind { Text, Number, Ipv4Address, DateTime };

    std::string key;
    Kind kind = Text;
    long long min = 0;
    long long max = std::numeric_limits<long long>::max();
    size_t maxCharacters = 1024;
    bool nonEmpty = false;
    // Absent fields take the default instead of being refused.
    bool optional = false;
    std::string defaultValue;
    // Notes travel percent-encoded (UTF-8) in replies.
    bool percentEncodedInReply = false;

    static FieldShape text(std::string key, size_t maxCharacters, bool nonEmpty = false);
    static FieldShape note(std::string key, size_t maxCharacters);
    static FieldShape number(std::string key, long long min, long long max);
    static FieldShape flag(std::string key);
    static FieldShape address(std::string key);
    static FieldShape dateTime(std::string key);
    FieldShape& withDefault(std::string value);
};

// Everything that distinguishes one ordered rule list of the server from another.
struct RuleListShape {
    enum class Uniqueness { SamePattern, OverlappingRange };

    std::string type;   // the request type, also the family's name: "fcache"
    std::string idKey;  // the identifier key: "Wid"
    std::vector<FieldShape> fields;  // in reply order
    std::string patternKey;         // the field that must be unique and may be a regular expression
    std::string matchKindKey;       // "Rules"; empty when the pattern is always a regular expression
    Uniqueness uniqueness = Uniqueness::SamePattern;
    int addRefused = 0;
    int modifyRefused = 0;
    bool movable = true;
    std::vector<Record> seed;
    std::function<Record(size_t index, SeededRandom& random)> generate;
};

}  // namespace morvix::sim
