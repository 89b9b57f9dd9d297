#pragma once

#include "CtlOptions.h"
#include "shell/ExchangeFileText.h"

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

// Writes an export's file and says what the format changed: 74 when it cannot be written, 65 when
// values were flattened or entries left out.
int WriteExchangeFile(const std::string& path, const ExchangeFileText::Written& written);
// The status of an import whose adds ended with `sent`, after printing what the read could not
// take: 65 in place of 0 when it noted anything.
int ImportStatus(int sent, const ExchangeFileText::ReadNotes& notes);
