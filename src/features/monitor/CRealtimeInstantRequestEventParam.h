#pragma once

#include "messaging/CMoxEventParam.h"

#include <string>
#include <utility>

// Text received from a streamed reply (UTF-8) and the run it belongs to, so that a front end can
// drop what a run it already stopped still delivers.
class CRealtimeInstantRequestEventParam : public CMoxEventParam {
public:
    CRealtimeInstantRequestEventParam(std::string text, int runNumber) : text_(std::move(text)), runNumber_(runNumber)
    {
    }

    const std::string& Text() const { return text_; }
    int RunNumber() const { return runNumber_; }

private:
    const std::string text_;
    const int runNumber_;
};
