#pragma once

#include "protocol/CallbackFamily.h"

#include <span>
#include <string_view>

namespace nsMoxHttp {

// One request of the administration interface. The body template is the exact printf-style form
// of the body: pairs in this order, "%s" text, "%d" numbers, "%lu" the request number. A "%s" that
// is not the value of a pair is a tail the builder prepares whole (extra option pairs, optional pairs).
struct CatalogueRow {
    std::string_view type;
    std::string_view cmd;
    std::string_view bodyTemplate;
    int kind;
    int completionEvent;
    CallbackFamily family;
    // Value fields that hold an identifier the server issued, besides the ones every request shares.
    std::string_view extraIdentifiers = {};
    // Names of optional pairs, comma-separated, that fill the tails in order ("&Name=value" or nothing).
    // A tail without such a name takes the caller's extra pairs.
    std::string_view optionalPairs = {};
    // Fields, extra pairs included, that the server stores as typed (addresses, serials).
    std::string_view asTypedFields = {};
};

std::span<const CatalogueRow> RequestCatalogue();
const CatalogueRow* FindCatalogueRow(std::string_view type, std::string_view cmd);
const CatalogueRow* FindCatalogueRow(int kind);
// Every form of one request, in table order (only the cluster change has more than one).
std::span<const CatalogueRow> FindCatalogueForms(std::string_view type, std::string_view cmd);
// True for every request but those that only read: adds, changes, deletions, moves, cleaning,
// sign-in and the password change.
bool ChangesServer(const CatalogueRow& row);

}  // namespace nsMoxHttp
