#pragma once

#include "ResultDocument.h"

#include <optional>

class CMoxEventParam;

// The printable form of an accepted result: the completion event's kind decides which record
// class it carries (or, for the system options and realtime reads, what the instance now holds).
// None for events that report only their outcome.
std::optional<ResultDocument> DescribeResult(int kind, const CMoxEventParam* record);
