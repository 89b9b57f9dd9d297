#pragma once

#include "features/config/ClusterConfig.h"
#include "messaging/CMoxEventParam.h"

#include <vector>

// The server's own cluster configuration (as read, or as sent by a change) and, from a status
// reply, the slaves logged in to it.
class CMoxClusterEventParam : public CMoxEventParam {
public:
    ClusterConfig config;
    std::vector<ClusterConfig> slaves;
    int errorNo = 0;
};
