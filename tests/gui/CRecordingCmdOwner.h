#pragma once

#include "controls/IExecuteCmdCallback.h"

#include <functional>
#include <vector>

// Owner of a skinned control in tests: records each notification and lets the test look at the
// control while the owner runs, as the main window does.
class CRecordingCmdOwner : public IExecuteCmdCallback {
public:
    struct Call {
        int controlId;
        int code;
        unsigned long word1;
        unsigned long word2;
    };

    std::vector<Call> calls;
    std::function<void()> whileRunning;

    void OnExecuteCmd(int controlId, int code, unsigned long word1, unsigned long word2) override
    {
        calls.push_back({controlId, code, word1, word2});
        if (whileRunning)
            whileRunning();
    }
};
