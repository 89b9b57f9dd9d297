#pragma once

#include "Record.h"

#include <string>
#include <string_view>
#include <vector>

namespace morvix::sim {

// Writes reply JSON directly: replies only ever hold strings, and big lists are written once and
// reused, which keeps a 1,000-rule list cheap enough to serve thousands of times a second.
namespace JsonText {

void appendString(std::string& out, std::string_view text);
void appendObject(std::string& out, const Record& record);
std::string array(const std::vector<Record>& records);

}  // namespace JsonText

}  // namespace morvix::sim
