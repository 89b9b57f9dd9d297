#pragma once

#include "protocol/AwaitedReplies.h"

// A view's waits for replies to its own requests: the one waiting mechanism, by the name the views
// have always used for it.
using CBusyState = AwaitedReplies;
