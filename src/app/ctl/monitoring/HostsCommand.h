#pragma once

class CtlSession;

// morvixctl hosts: the host monitor's table (connections, bandwidths, interval amounts and
// requests per host), once or, with watch, every polling period of the options file until
// interrupted. The first sample of a host has no interval yet.
int WatchHosts(CtlSession& session, bool watch, bool json);
