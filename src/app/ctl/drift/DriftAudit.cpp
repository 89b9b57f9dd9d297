#include "DriftAudit.h"

#include <algorithm>

namespace {

DriftKey KeyOf(const DriftFamily& family, const std::string& text, const DriftRecord& record)
{
    DriftKey key{text, {}};
    for (const std::string_view name : family.key)
        if (const auto field = record.find(std::string(name)); field != record.end())
            key.fields.insert(*field);
    return key;
}

}  // namespace

std::vector<FamilyDrift> CompareDrift(const DriftSnapshot& reference, const DriftSnapshot& server)
{
    static const DriftList kNone;
    std::vector<FamilyDrift> drifts;
    for (const DriftFamily& family : DriftFamilies()) {
        const auto wanted = reference.find(std::string(family.name));
        if (wanted == reference.end())
            continue;
        const auto heldAt = server.find(std::string(family.name));
        const DriftList& held = heldAt == server.end() ? kNone : heldAt->second;
        FamilyDrift drift{&family, {}, {}, {}};
        for (const auto& [key, record] : wanted->second) {
            const auto found = held.find(key);
            if (found == held.end()) {
                drift.missing.push_back(KeyOf(family, key, record));
                continue;
            }
            RecordDrift fields{KeyOf(family, key, record), {}};
            // A field only one side carries (a file holds fewer than a list read) is not compared.
            for (const auto& [name, value] : record)
                if (const auto other = found->second.find(name);
                    other != found->second.end() && other->second != value &&
                    std::find(family.key.begin(), family.key.end(), name) == family.key.end())
                    fields.fields.push_back({name, value, other->second});
            if (!fields.fields.empty())
                drift.differing.push_back(std::move(fields));
        }
        for (const auto& [key, record] : held)
            if (!wanted->second.contains(key))
                drift.extra.push_back(KeyOf(family, key, record));
        if (!drift.missing.empty() || !drift.extra.empty() || !drift.differing.empty())
            drifts.push_back(std::move(drift));
    }
    return drifts;
}
