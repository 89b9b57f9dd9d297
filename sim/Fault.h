#pragma once

#include <json/value.h>

#include <optional>
#include <string>

namespace morvix::sim {

// One injected misbehaviour of the administration endpoint.
struct Fault {
    enum class Kind {
        Delay,           // answer after `amount` milliseconds
        Late,            // carry the request out, then answer `amount` milliseconds later
        Close,           // close the connection without answering
        Reset,           // send half of the answer, then reset the connection
        Http500,         // HTTP 500 with an HTML page
        NotJson,         // a body that is not JSON
        BooleanReturn,   // "Return" as a JSON boolean instead of text
        NoErrorNo,       // a refusal without "ErrorNo"
        Busy,            // refuse with error 10
        ExpireSessions,  // end every session before the request is judged
        CutStream,       // end a live request stream after `amount` lines
        Endless,         // a list reply whose records never end
        CompressedBomb,  // a small gzip body that inflates to `amount` bytes
        Stall,           // headers and the first bytes, then nothing for `amount` milliseconds
        DeepNesting,     // a JSON reply nested `amount` arrays deep
    };

    Kind kind;
    std::optional<std::string> type;  // every type when absent
    std::optional<std::string> cmd;   // every cmd when absent
    std::optional<long long> remaining;  // until cleared when absent
    long long amount = 0;

    // Throws std::invalid_argument naming what is wrong with the description.
    static Fault fromJson(const Json::Value& description);
    Json::Value toJson() const;
    bool appliesTo(const std::string& requestType, const std::string& requestCmd) const;
    // Faults that decide the whole answer; at most one of them fires per request.
    bool shapesAnswer() const;
};

}  // namespace morvix::sim
