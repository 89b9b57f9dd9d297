#pragma once

#include "Record.h"
#include "StreamFilter.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvix::sim {

// The answer of one administration command before it is written: a JSON envelope with its own
// keys and lists, a plain text, or a live stream.
class Reply {
public:
    enum class Kind { Json, Text, Stream };

    static Reply accepted();
    static Reply refused(int errorNo);
    // A refusal that names no error number: only produced on purpose, to test clients.
    static Reply refusedWithoutNumber();
    static Reply text(std::string body);
    static Reply stream(StreamFilter filter);

    Reply& set(std::string_view key, std::string value);
    // A list under `key`, written beforehand as a JSON array and shared between replies.
    Reply& setList(std::string key, std::shared_ptr<const std::string> jsonArray);

    Kind kind() const { return kind_; }
    bool isAccepted() const { return accepted_; }
    std::optional<int> errorNo() const { return errorNo_; }
    const Record& fields() const { return fields_; }
    const std::string& textBody() const { return text_; }
    const StreamFilter& filter() const { return *filter_; }

    // The envelope: RequestID, Return, ErrorNo, then the command's keys and lists in order.
    // `returnAsBoolean` writes Return as a JSON boolean instead of text, for fault injection.
    std::string json(std::string_view requestId, bool returnAsBoolean = false) const;

private:
    Kind kind_ = Kind::Json;
    bool accepted_ = true;
    std::optional<int> errorNo_;
    Record fields_;
    std::vector<std::pair<std::string, std::shared_ptr<const std::string>>> lists_;
    std::string text_;
    std::optional<StreamFilter> filter_;
};

}  // namespace morvix::sim
