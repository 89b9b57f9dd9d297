#pragma once

#include <string>

class CtlSession;
struct RealtimeInfo;
struct RealtimeFigureSample;

// morvixctl watch: every 1.5 s the realtime counters, shown as the traffic monitor shows them
// (the eight figures, the server's times and the largest saving of the session), one line or one
// JSON object each, until interrupted.
int WatchRealtime(CtlSession& session, bool json);

// One line of watch --json: the figures of one counters record as one JSON object.
std::string RealtimeJsonLine(const RealtimeInfo& info, const RealtimeFigureSample& figures);
