#pragma once

#include "features/config/ClusterConfig.h"

#include <json/value.h>

#include <vector>

// The configuration of an accepted cluster get reply. False when the reply is malformed: the role
// is missing, or a key that role needs (a master's port and serial, a slave's master address,
// serial and name).
bool ReadClusterConfig(const Json::Value& root, ClusterConfig& config);

// The server's role and states of an accepted cluster status reply, and its slaves. False when the
// reply is malformed (no role, or a slave without one of its six keys).
bool ReadClusterStatus(const Json::Value& root, ClusterConfig& config, std::vector<ClusterConfig>& slaves);
