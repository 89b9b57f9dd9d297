#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nsMoxHttp {

// The values of one request by field name, as typed or as a record holds them; encoding happens
// when the body is formatted. The callback keeps a copy, so its handler knows what was sent.
class RequestValues {
public:
    using Pair = std::pair<std::string, std::string>;

    RequestValues& Set(std::string_view name, std::string value);
    RequestValues& Set(std::string_view name, long long value);
    // Pairs appended after the fixed ones (the option changes of a settings request).
    RequestValues& AddExtraPair(std::string name, std::string value);

    const std::string* Find(std::string_view name) const;
    std::string Text(std::string_view name) const;  // empty when absent
    int Number(std::string_view name, int fallback = 0) const;
    bool Has(std::string_view name) const { return Find(name) != nullptr; }

    const std::vector<Pair>& Fields() const { return fields_; }
    const std::vector<Pair>& ExtraPairs() const { return extraPairs_; }

private:
    std::vector<Pair> fields_;
    std::vector<Pair> extraPairs_;
};

}  // namespace nsMoxHttp
