#pragma once

#include "CtlRequest.h"

class CtlSession;

// realtime instantrequest: writes each line of the live stream to standard output as it arrives,
// until the stream ends or the operator interrupts. 0 after an interrupt or once lines came, 2
// when the stream ended without a single line.
int StreamInstantRequests(CtlSession& session, const CtlRequest& request);
