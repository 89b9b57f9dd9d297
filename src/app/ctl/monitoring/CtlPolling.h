#pragma once

#include "CtlEventQueue.h"
#include "CtlRequest.h"

#include <chrono>
#include <functional>

class CtlSession;

// Sends the request once, or every period until interrupted, and hands each accepted reply to
// `accepted`. An expired session is renewed once with what the instance keeps, as the main window
// does. The exit status of the last exchange.
int PollRequest(CtlSession& session, const CtlRequest& request, std::chrono::milliseconds period, bool repeat,
                const std::function<void(const CtlEventQueue::Event&)>& accepted);

// Waits until `when`, or less when the program is interrupted.
void SleepUntil(std::chrono::steady_clock::time_point when);

// Whether the server refused a request because the session expired.
bool SessionExpired(const CtlEventQueue::Event& done);

// An expired session is renewed once with what the instance keeps, as the main window does.
bool SignInAgain(CtlSession& session);
