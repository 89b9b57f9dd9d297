#pragma once

#include "CommandTable.h"
#include "IdIssuer.h"
#include "OrderedList.h"
#include "RuleListShape.h"
#include "StateFamily.h"

#include <memory>
#include <string>

namespace morvix::sim {

// An ordered rule list of the server with list, add, modify, del and (when movable) up and down,
// driven by its shape: page, refuse and session cache rules, rewrite rules, black and white lists.
class RuleList : public StateFamily {
public:
    RuleList(RuleListShape shape, IdIssuer& ids);

    std::string name() const override { return shape_.type; }
    void registerCommands(CommandTable& table) override;
    void seed() override;
    Json::Value save() const override;
    void load(const Json::Value& document) override;
    bool generate(size_t count, SeededRandom& random) override;

    const OrderedList& entries() const { return list_; }

    Reply list();
    Reply add(const FormFields& fields);
    Reply modify(const FormFields& fields);
    Reply remove(const FormFields& fields);
    Reply moveUp(const FormFields& fields);
    Reply moveDown(const FormFields& fields);

private:
    Record readEntry(const FormFields& fields) const;
    // Refuses with `refusal` a pattern that does not compile or collides with another entry.
    void checkAcceptable(const Record& entry, std::string_view ownId, int refusal) const;
    void checkRangeFree(const Record& entry, std::string_view ownId, int refusal) const;
    const std::string& existingId(const FormFields& fields) const;
    Reply withId(const std::string& id) const;
    Record replyRecord(size_t position, const OrderedList::Entry& entry) const;

    RuleListShape shape_;
    IdIssuer& ids_;
    OrderedList list_;
    std::shared_ptr<const std::string> writtenList_;
    uint64_t writtenVersion_ = ~0ULL;
};

}  // namespace morvix::sim
