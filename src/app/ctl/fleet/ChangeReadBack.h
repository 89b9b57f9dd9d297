#pragma once

#include "CtlRequest.h"
#include "RecordKeys.h"

#include <variant>

class CtlSession;

// A family's list, read on the session: its records, or the exit status of a failed read (its
// status texts printed).
std::variant<ResultDocument, int> ReadRecordList(CtlSession& session, const RecordKeys& keys);

// Names the record of a change by its natural key: the list is read and the one record whose
// fields have the values given lends its identifier to the request. A key that matches no record
// or several changes nothing: the reason is printed and the run is refused.
int ResolveNaturalKey(CtlSession& session, CtlRequest& request, const RecordKeys& keys, const FieldPairs& match);

// What a read of the list says of a change whose reply never came.
enum class ReadBack { Applied, NotApplied, Unknown };
ReadBack ReadBackChange(CtlSession& session, const CtlRequest& request, const FieldPairs& match);
