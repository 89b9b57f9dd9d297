#pragma once

#include "ResultDocument.h"

#include <optional>
#include <string_view>

// Every field of a catalogue request with the value it takes when the command line leaves it out:
// the value its form starts with, the record's current value for a change, or "(required)". None
// when TYPE CMD is not a request of the catalogue.
std::optional<ResultDocument> RequestFieldList(std::string_view type, std::string_view cmd);
