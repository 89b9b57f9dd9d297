#pragma once

#include <string>

// The texts of the host and origin monitors' computed columns.

// An amount of bytes in the largest of KB, MB, GB and TB that keeps the figure below 1024.
std::string FormatIntervalBytes(double bytes);

// A bandwidth in megabits per second: "2.00 m/s".
std::string FormatMbps(double mbps);

// The words of a host's load-balancing policy among its origins; empty for an unknown number.
std::string BalancePolicyText(int balance);
