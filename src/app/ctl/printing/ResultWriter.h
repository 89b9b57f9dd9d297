#pragma once

#include "ResultDocument.h"

#include <ostream>

// Prints a result: aligned fields and tables for people, or JSON. A list alone becomes a JSON
// array, single fields an object, and tables beside fields members named by their titles.
void WriteResult(std::ostream& out, const ResultDocument& document, bool json);

// A JSON string literal of UTF-8 text.
std::string JsonString(std::string_view text);
