#pragma once

#include "DriftSnapshot.h"

#include <string>
#include <vector>

// How one server's lists differ from the reference's, family by family, records named by their
// natural key.
struct FieldDrift {
    std::string field, reference, server;
};
// A record's key as text ("Low=10.0.0.1 High=10.0.0.9") and as fields.
struct DriftKey {
    std::string text;
    DriftRecord fields;
};
struct RecordDrift {
    DriftKey key;
    std::vector<FieldDrift> fields;
};
struct FamilyDrift {
    const DriftFamily* family;
    std::vector<DriftKey> missing;  // in the reference, not on the server
    std::vector<DriftKey> extra;    // on the server, not in the reference
    std::vector<RecordDrift> differing;
};

// The families of the reference that differ on the server, in the order of the families.
std::vector<FamilyDrift> CompareDrift(const DriftSnapshot& reference, const DriftSnapshot& server);
