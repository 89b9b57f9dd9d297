#pragma once

#include "CtlOptions.h"

#include <optional>
#include <string>

class CtlSession;

// The whole-file commands: "rules export|import FILE" and "black export|import FILE".
bool IsTransferCommand(const CtlOptions& options);
// Usage problems of a transfer command, printed; true when it can run.
bool CheckTransferCommand(const CtlOptions& options);
int RunTransferCommand(CtlSession& session, const CtlOptions& options);

// The text of a rules or black-list file; none, the reason printed, when it cannot be read.
std::optional<std::string> ReadExchangeFile(const std::string& path);
