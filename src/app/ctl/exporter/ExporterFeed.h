#pragma once

class CtlSession;

// The exporter's poller of one server (morvixctl --feed watch, started by the exporter): polls as
// the console does, the realtime counters every 1.5 s and the host list with each host's origins
// every [HostMonitor] timeval seconds, and writes each result as one JSON line on standard output:
// {"Realtime": {...figures and counters...}}, {"Hosts": [...]}, or {"Error": "status text"} for a
// poll that failed. Runs until interrupted or the session cannot be renewed.
int RunExporterFeed(CtlSession& session);
