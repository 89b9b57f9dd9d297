#pragma once

#include "features/monitor/CInstantRequestRule.h"
#include "features/monitor/RthRecord.h"

#include <filesystem>
#include <vector>

// The access monitor's rules, read from the rules file the console ships (section
// "InstantRequest", entries 1 to 25 in file order). An entry without a name or a URL is skipped;
// a missing file gives no rules.
inline constexpr int kMostInstantRequestRules = 25;

std::vector<CInstantRequestRule> LoadInstantRequestRules(const std::filesystem::path& file);

// Application/data/InstantRequest.ini beside the program.
std::filesystem::path InstantRequestRulesFile();

// The stream a saved monitoring record asks for.
CInstantRequestRule InstantRequestRuleOf(const RthRecord& record);
