#pragma once

#include "DriftSnapshot.h"

#include <string>
#include <vector>

// How one server's lists differ from the reference's, family by family, records named by their
// natural key.
struct FieldDrift {
    std::string field, reference, server;
};
struct RecordDrift {
    std::string key;
    std::vector<FieldDrift> fields;
};
struct FamilyDrift {
    const DriftFamily* family;
    std::vector<std::string> missing;  // in the reference, not on the server
    std::vector<std::string> extra;    // on the server, not in the reference
    std::vector<RecordDrift> differing;
};

// The families of the reference that differ on the server, in the order of the families.
std::vector<FamilyDrift> CompareDrift(const DriftSnapshot& reference, const DriftSnapshot& server);
