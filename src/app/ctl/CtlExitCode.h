#pragma once

// morvixctl's exit status: the status code of the request's reply, or a usage error.
enum CtlExitCode : int {
    eCtlExit_Accepted = 0,
    eCtlExit_Refused = 1,
    eCtlExit_ExchangeFailed = 2,
    eCtlExit_MalformedReply = 3,
    eCtlExit_Usage = 64,
};
