#pragma once

// morvixctl's exit status: the status code of the request's reply, a usage error, or a file error.
enum CtlExitCode : int {
    eCtlExit_Accepted = 0,
    eCtlExit_Refused = 1,
    eCtlExit_ExchangeFailed = 2,
    eCtlExit_MalformedReply = 3,
    eCtlExit_ResultUnknown = 5,  // a change was sent but its reply never came, and no read settled it
    eCtlExit_Usage = 64,
    // An export or import that went through but changed or left out values or lines the file
    // format cannot carry or that could not be read: the run says which.
    eCtlExit_DataChanged = 65,
    eCtlExit_FileError = 74,  // a file to export to or import from could not be written or read
    eCtlExit_Interrupted = 130,
};
