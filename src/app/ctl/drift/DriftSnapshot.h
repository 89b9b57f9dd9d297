#pragma once

#include "DriftFamilies.h"
#include "ResultDocument.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// What one server (or one exchanged file) holds of the audited families: per family, each record
// under its natural key ("Url=/a/*", "Low=10.0.0.1 High=10.0.0.9", "" for the options), as the
// texts of its key and of the fields that are meant to be alike.
using DriftRecord = std::map<std::string, std::string>;
using DriftList = std::map<std::string, DriftRecord>;
using DriftSnapshot = std::map<std::string, DriftList>;

// The list of a family as a list read (or a file's records laid out alike) gives it.
DriftList DriftListOf(const DriftFamily& family, const ResultDocument& document, bool fromFile = false);

std::string DriftSnapshotJson(const DriftSnapshot& snapshot);
std::optional<DriftSnapshot> ParseDriftSnapshot(const std::string& json);

// The families an exchanged file holds, of those chosen; none, the reason printed, when it cannot
// be read or holds none of them.
std::optional<DriftSnapshot> DriftSnapshotOfFile(const std::string& path,
                                                 const std::vector<const DriftFamily*>& chosen);
