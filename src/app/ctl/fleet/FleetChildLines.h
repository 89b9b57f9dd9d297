#pragma once

#include <string_view>

// Lines a server's own run writes on standard error that tell the fleet more than its exit status:
// that its change went out, and what a read after a lost reply found.
inline constexpr std::string_view kChangeSentLine = "morvixctl: the change was sent";
inline constexpr std::string_view kConfirmedLine = "morvixctl: applied (confirmed by a read)";
inline constexpr std::string_view kNotAppliedLine = "morvixctl: not applied (confirmed by a read)";
