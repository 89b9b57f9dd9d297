#pragma once

#include "CtlOptions.h"

#include <variant>

// The options, or the exit status when the command line was handled already (help printed: 0,
// a usage error reported on standard error: 64).
std::variant<CtlOptions, int> ParseCtlCommandLine(int argc, char** argv);
