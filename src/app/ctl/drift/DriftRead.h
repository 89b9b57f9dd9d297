#pragma once

#include "DriftFamilies.h"

#include <string>
#include <vector>

class CtlSession;

// One server's part of a drift audit: reads the chosen families' lists in its session and prints
// them as one JSON line for the fleet to compare. The exit status of the first read that failed,
// or 0.
int PrintDriftSnapshot(CtlSession& session, const std::vector<std::string>& families);
