#pragma once

#include "CtlOptions.h"
#include "CtlRequest.h"

#include <optional>

// What the command line asks to run, checked before anything is sent.
struct CtlCommand {
    bool transfer = false;              // rules or black export|import FILE
    bool dnsFile = false;               // dns export|import FILE
    std::optional<CtlRequest> request;  // a request of the catalogue
};

// None, the usage error printed, when the command cannot run.
std::optional<CtlCommand> CheckCtlCommand(const CtlOptions& options);
