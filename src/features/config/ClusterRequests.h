#pragma once

#include "features/config/ClusterConfig.h"
#include "protocol/RequestValues.h"

// The cluster requests. Each returns true when the request was handed to the transport.
bool ClusterManager_Get();
bool ClusterManager_Status();
// Sends the fields of the configuration's role only: none for 0, port, serial and note for a
// master, the master's address, serial, own name and note for a slave.
bool ClusterManager_Modify(const ClusterConfig& config);

nsMoxHttp::RequestValues ClusterConfigValues(const ClusterConfig& config);
ClusterConfig ClusterConfigFromValues(const nsMoxHttp::RequestValues& values);
