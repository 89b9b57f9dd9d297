#pragma once

#include "features/config/SystemOptions.h"
#include "features/config/SystemModifyKind.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// One pair of a system modify request: the key as the request writes it and the new value.
struct SystemOptionChange {
    std::string_view modifyKey;
    std::int32_t value;

    bool operator==(const SystemOptionChange&) const = default;
};

using SystemOptionChangeSet = std::vector<SystemOptionChange>;

// The options a form edited that differ from the server's last known ones, in the order each
// request sends them. An empty set means nothing is sent.
SystemOptionChangeSet SystemViewChanges(const SystemOptions& edited, const SystemOptions& server);
SystemOptionChangeSet DiskTuningChanges(const SystemOptions& edited, const SystemOptions& server);
SystemOptionChangeSet TrafficReportChanges(const SystemOptions& edited, const SystemOptions& server);

// The one pair a switch sends with its new value; nothing for a kind that is not a switch.
std::optional<SystemOptionChange> SwitchChange(SystemModifyKind kind, std::int32_t newValue);

// The server's options after it accepted these pairs (modify keys, decimal values).
void ApplySystemOptionChange(SystemOptions& options, std::string_view modifyKey, std::int32_t value);
