#pragma once

#include "features/config/SystemOptions.h"
#include "protocol/ResultRecords.h"

// The options as one list reply left them, so that each reply is shown as itself even when the
// instance's copy has already moved on.
class CSystemOptionsEventParam : public CMoxItemEventParamT<SystemOptions> {};
