#pragma once

#include "messaging/CMoxEventParam.h"

#include <string>

// The result of one diagnostic tool: what was asked and what the server answered.
class CMoxToolsEventParam : public CMoxEventParam {
public:
    std::string query;   // the URL, expression or IP address that was sent
    std::string answer;  // the location of an IP address, or the cache flag of a URL (decimal)
    int errorNo = 0;
};
