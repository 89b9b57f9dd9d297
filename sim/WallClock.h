#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace morvix::sim {

// Times as the administration interface writes them: "YYYY-MM-DD HH:MM:SS", local time.
std::string formatTime(std::time_t time);
std::string nowText();
std::optional<std::time_t> parseTime(std::string_view text);

}  // namespace morvix::sim
