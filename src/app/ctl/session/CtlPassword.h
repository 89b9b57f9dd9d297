#pragma once

#include <optional>
#include <string>

// The password from --password, else $MORVIX_PASSWORD, else asked for without echo when standard
// input is a terminal. None, the operator told how to give one, when there is no way to get one.
std::optional<std::string> ResolveCtlPassword(const std::optional<std::string>& given, const std::string& prompt);
