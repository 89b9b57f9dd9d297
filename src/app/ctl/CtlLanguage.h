#pragma once

#include <string>

// The language of morvixctl's status texts: --lang, else the user's setting, else the locale
// (LC_ALL, LC_MESSAGES, LANG); Chinese unless one of them names English. JSON keys and values
// never change with it. False when English was asked for and its catalogue is missing or empty.
bool InstallCtlLanguage(const std::string& commandLineLanguage);
