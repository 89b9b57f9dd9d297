#pragma once

#include "features/config/SystemModifyKind.h"
#include "features/config/SystemOptionsChangeSet.h"

#include <string_view>

// The field of a system modify request's values that holds its operation kind; it is not sent,
// it travels back with the event.
inline constexpr std::string_view kSystemModifyKindField = "Kind";

// Each returns true when the request was handed to the transport.
bool SystemManager_List();
// Sends nothing (and returns false) when the change set is empty.
bool SystemManager_Modify(SystemModifyKind kind, const SystemOptionChangeSet& changes);
