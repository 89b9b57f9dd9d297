#pragma once

#include <chrono>

// Waits until every request in flight has been answered and every event posted until then has
// reached every handler. A login sets off requests of its own (the instance reads the system
// options and the realtime figures), and a caller that sends next must not take their replies for
// its own. False when that does not happen within the deadline.
bool WaitForQuiet(std::chrono::milliseconds deadline);
