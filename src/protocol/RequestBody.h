#pragma once

#include "protocol/RequestCatalogue.h"
#include "protocol/RequestValues.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace nsMoxHttp {

// One "name=%x" pair of a body template.
struct TemplateField {
    std::string_view name;
    char conversion;  // 's' text, 'd' number, 'u' the request number
};

std::vector<TemplateField> TemplateFields(std::string_view bodyTemplate);

// The fields a caller fills: every named field except SessionID and RequestID, then the optional pairs.
std::vector<std::string> CallerFieldNames(const CatalogueRow& row);

// Of several forms of one request, the one whose fields the values fill most completely.
const CatalogueRow* ChooseForm(std::span<const CatalogueRow> forms, const RequestValues& values);

struct FormattedBody {
    std::string body;
    std::string error;  // names the field that is missing or not a number; empty on success
};

// Fills the template: identifiers the server issued go out unchanged when they are plain (and
// escaped otherwise, so that no value can add a pair), text is percent-encoded UTF-8, numbers decimal.
FormattedBody FormatRequestBody(const CatalogueRow& row, const RequestValues& values, std::string_view sessionId,
                                unsigned long requestId);

// The address a request of the row goes to on the host (with port).
std::string RequestUrl(std::string_view host, const CatalogueRow& row);

}  // namespace nsMoxHttp
