#pragma once

#include "features/config/SystemOptions.h"

#include <json/value.h>

// Writes the options of an accepted system list reply over the ones the console knew: a key the
// reply lacks leaves its field as it was, except where the option has a default of its own.
void ReadSystemOptions(const Json::Value& root, SystemOptions& options);
