#pragma once

#include <string>

class CtlSession;
struct RealtimeFigures;

// morvixctl watch: every 1.5 s the realtime counters, shown as the traffic monitor shows them
// (both bandwidths, the current hit rate over the configured window, the saving, the
// connections, the cache memory), one line each, until interrupted.
int WatchRealtime(CtlSession& session, bool json);

// One line of watch: the figures as the traffic monitor shows them, or as one JSON object.
std::string RealtimeLine(const RealtimeFigures& figures, bool json);
