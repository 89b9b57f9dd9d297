#pragma once

#include "messaging/CMoxEventParam.h"

#include <memory>

// A reference of one's own on an event's record, for keeping it beyond the dispatch: taken with
// HoldRecord, dropped when the holder goes, whichever way it goes.
struct ReleaseRecord {
    void operator()(CMoxEventParam* record) const { record->Release(); }
};
using RecordReference = std::unique_ptr<CMoxEventParam, ReleaseRecord>;

inline RecordReference HoldRecord(CMoxEventParam* record)
{
    if (record)
        record->AddRef();
    return RecordReference(record);
}
