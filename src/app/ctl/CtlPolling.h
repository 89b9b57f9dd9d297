#pragma once

#include "CtlEventQueue.h"

#include <chrono>

class CtlSession;

// Waits until `when`, or less when the program is interrupted.
void SleepUntil(std::chrono::steady_clock::time_point when);

// Whether the server refused a request because the session expired.
bool SessionExpired(const CtlEventQueue::Event& done);

// An expired session is renewed once with what the instance keeps, as the main window does.
bool SignInAgain(CtlSession& session);
