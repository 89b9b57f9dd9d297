#pragma once

#include "features/config/SystemOptions.h"
#include "protocol/RequestValues.h"

#include <json/value.h>

#include <vector>

class CMoxCacheInstance;

// The server's options live in the server instance, changed by list replies and by accepted
// changes. Replies may arrive out of order: a list read before a change was made, answered after
// it, must not put the old values back. So the request number of the newest reply the options
// came from is kept beside them, and every change to them is made under one lock.

// Reads a list reply over the instance's options into `options`, which the instance then keeps
// unless its options came from a newer reply. False when the reply was older and changed nothing.
bool MergeNewerSystemOptions(CMoxCacheInstance& instance, unsigned long requestNumber, const Json::Value& root,
                             SystemOptions& options);

// Applies the pairs of an accepted change: the server holds them now, whatever was read before.
void ApplyAcceptedSystemOptions(CMoxCacheInstance& instance, unsigned long requestNumber,
                                const std::vector<nsMoxHttp::RequestValues::Pair>& changes);
