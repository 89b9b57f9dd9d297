#pragma once

#include <functional>
#include <string>

// Puts what is being done on the status bar, then sends the request. In this order the reply's
// outcome, which may come back before the sending thread runs on, always lands after the text and
// is what stays shown. Without a session nothing is said: the send reports the missing session.
// Returns the request number sent, 0 when nothing went out.
unsigned long SayThenSend(const std::string& text, const std::function<bool()>& send);
