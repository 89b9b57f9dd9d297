#pragma once

#include <cstdint>
#include <string>

// One rewrite rule: requests whose URL matches SourceUrl are sent on to DestinationUrl. Texts are UTF-8.
struct RewriteRule {
    std::int32_t No = 0;    // 1-based position in the server's list
    std::string RewriteID;  // the server's identifier
    std::string SourceUrl;  // at most 1024 characters
    std::string DestinationUrl;  // at most 1024 characters
    std::int32_t Icase = 0;
    std::int32_t Flag = 0;  // 0 Last, 1 Return, 2 Round, 3 Continue
    // Kept whole when the server sends more than the form lets anyone type.
    std::string Note;

    static constexpr int kUrlLimit = 1024;
    static constexpr int kNoteLimit = 500;        // what the form lets anyone type
    static constexpr int kNoteRecordLimit = 599;  // what a rule holds when read from a file
};
