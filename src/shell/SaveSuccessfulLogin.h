#pragma once

#include "shell/HostText.h"

#include <string>

// After event 3: the options file remembers the host and the role for the next login, and the
// server's history file the login (and the password when the operator asked to remember it).
bool SaveSuccessfulLogin(const HostText& target, int role, const std::string& password, bool rememberPassword);
