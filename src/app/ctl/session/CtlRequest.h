#pragma once

#include "protocol/RequestCatalogue.h"
#include "protocol/RequestValues.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// One catalogue request as the command line names it, ready to send.
struct CtlRequest {
    const nsMoxHttp::CatalogueRow* row = nullptr;
    nsMoxHttp::RequestValues values;
    nsMoxHttp::RequestValues given;  // what the command line named, over the defaults
};

// Why the command line does not name a request, with the names that would be valid.
struct CtlUsageError {
    std::string message;
};

// TYPE and CMD of the catalogue and Field=value pairs: each field must belong to the request's
// body; fields left out take the defaults of the owning record or form, and a field without one
// (an identifier, the question of a tool) must be given. "system modify" takes the options to
// change and Kind=N, "dns system-set" the settings of its tail.
std::variant<CtlRequest, CtlUsageError> BuildCtlRequest(std::string_view type, std::string_view cmd,
                                                        const std::vector<std::string>& pairs);

// The fields the command line may name for a request of the catalogue (all forms of it): those of
// its body, or the options and settings a settings request may change.
std::vector<std::string> CtlRequestFieldNames(std::span<const nsMoxHttp::CatalogueRow> forms);

// The types of the catalogue a command line may name (not the sign-in), and the commands of one.
std::vector<std::string> CatalogueTypes();
std::vector<std::string> CatalogueCommands(std::string_view type);
