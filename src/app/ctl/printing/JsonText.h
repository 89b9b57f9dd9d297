#pragma once

#include <json/value.h>

#include <string>

// JSON documents as morvixctl prints them: UTF-8 text as it stands, and numbers to 15 digits, so
// that 0.015 stays 0.015.
std::string IndentedJson(const Json::Value& value);
std::string OneLineJson(const Json::Value& value);
