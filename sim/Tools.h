#pragma once

#include "CommandGroup.h"

#include <string>

namespace morvix::sim {

class CachedPages;
class CommandTable;
class FormFields;
class Reply;
class RuleList;

// The diagnostic tools: how a URL would be cached, whether a regular expression compiles, where
// an address is, and the list of all cached URLs. They keep no state of their own.
class Tools : public CommandGroup {
public:
    Tools(const RuleList& pageRules, const RuleList& refuseRules, const RuleList& sessionRules, CachedPages& pages);

    void registerCommands(CommandTable& table) override;

    Reply testCache(const FormFields& fields);
    Reply testRegex(const FormFields& fields) const;
    Reply lookUp(const FormFields& fields) const;

private:
    const RuleList& pageRules_;
    const RuleList& refuseRules_;
    const RuleList& sessionRules_;
    CachedPages& pages_;
};

// Where an address is, as the IP lookup answers it; "NULL" for text that is not an address.
std::string locationOf(const std::string& address);

}  // namespace morvix::sim
