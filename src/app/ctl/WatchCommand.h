#pragma once

class CtlSession;

// morvixctl watch: every 1.5 s the realtime counters, shown as the traffic monitor shows them
// (the eight figures, the server's times and the largest saving of the session), one line or one
// JSON object each, until interrupted.
int WatchRealtime(CtlSession& session, bool json);
