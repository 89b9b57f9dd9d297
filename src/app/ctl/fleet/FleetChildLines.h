#pragma once

#include <string_view>

// Lines a server's own run writes on standard error that tell the fleet more than its exit status:
// that its change went out, and what became of it after its reply was lost. The fleet shows them
// as the outcome; the status it shows is the last other line, the cause.
inline constexpr std::string_view kChangeSentLine = "morvixctl: the change was sent";
inline constexpr std::string_view kLostReplyTail = " was sent, but its reply was lost or unusable";
inline constexpr std::string_view kConfirmedLine = "morvixctl: applied (confirmed by a read)";
inline constexpr std::string_view kNotAppliedLine = "morvixctl: not applied (confirmed by a read)";
inline constexpr std::string_view kUnknownLine = "morvixctl: sent, result unknown";

inline bool IsOutcomeLine(std::string_view line)
{
    return line == kChangeSentLine || line.ends_with(kLostReplyTail) || line == kConfirmedLine ||
           line == kNotAppliedLine || line == kUnknownLine;
}
