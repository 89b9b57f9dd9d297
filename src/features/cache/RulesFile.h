#pragma once

#include "features/access/RewriteRule.h"
#include "features/cache/FCacheRule.h"
#include "features/cache/RCacheRule.h"
#include "features/cache/SCacheRule.h"
#include "shell/ExchangeFileText.h"

#include <string>
#include <string_view>
#include <vector>

// The rules file that operators exchange between servers: INI-shaped text with a block for each
// rule list (page cache, refuse cache, session cache, rewrite), numbered keys per rule and the
// '=' signs aligned within a block. Lines end in CR LF. A value is always written on its own line:
// its line breaks and NULs become blanks, and one whose first or last character is a blank or a
// double quote is written inside one more pair of quotes, which the reader takes off again.

enum RulesFileBlock : unsigned {
    eRulesBlock_FCache = 1,
    eRulesBlock_RCache = 2,
    eRulesBlock_SCache = 4,
    eRulesBlock_Rewrite = 8,
    eRulesBlock_All = 15,
};

struct RuleSet {
    std::vector<FCacheRule> fcache;
    std::vector<RCacheRule> rcache;
    std::vector<SCacheRule> scache;
    std::vector<RewriteRule> rewrite;

    std::size_t Size() const { return fcache.size() + rcache.size() + scache.size() + rewrite.size(); }
};

// At most this many rules are read from a block, whatever its count says.
inline constexpr int kMostRulesPerBlock = 1000;

// The chosen blocks, in the file's order.
ExchangeFileText::Written RulesFileText(const RuleSet& rules, unsigned blocks);

// The rules of the chosen blocks. A missing block or count reads as no rules; a rule without its
// URL (or a session rule without its cookie name) is left out and noted with its line; numbers are
// read from their leading digits; texts are read whole, however long (the server judges them).
RuleSet ReadRulesFile(std::string_view text, unsigned blocks, ExchangeFileText::ReadNotes* notes = nullptr);
