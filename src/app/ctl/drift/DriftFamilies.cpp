#include "DriftFamilies.h"

#include "RecordKeys.h"
#include "features/config/SystemOptionFields.h"

#include <algorithm>
#include <iostream>

namespace {

DriftFamily Keyed(std::string_view name)
{
    const RecordKeys& keys = *RecordKeysFor(name, name == "dns" ? "redirect-add" : "add");
    return {name, keys.type, keys.listCmd, keys.naturalKey, {"No", keys.idColumn}, {}, {}};
}

std::vector<DriftFamily> MakeFamilies()
{
    std::vector<DriftFamily> families = {Keyed("fcache"), Keyed("rcache"), Keyed("scache"), Keyed("rewrite"),
                                         Keyed("black"),  Keyed("white"),  Keyed("dns")};
    DriftFamily& dns = families.back();
    dns.ignored = {"THC"};  // how often the entry was taken: the server's own figure
    dns.notInFile = {"TTL", "IsSystem"};
    dns.builtIn = "IsSystem";
    DriftFamily system{"system", "system", "list", {}, {}, {}, {}};
    for (const SystemReadOnlyField& figure : SystemReadOnlyFields())
        system.ignored.push_back(figure.replyKey);
    families.push_back(std::move(system));
    return families;
}

}  // namespace

std::span<const DriftFamily> DriftFamilies()
{
    static const std::vector<DriftFamily> families = MakeFamilies();
    return families;
}

const DriftFamily* FindDriftFamily(std::string_view name)
{
    for (const DriftFamily& family : DriftFamilies())
        if (family.name == name)
            return &family;
    return nullptr;
}

bool ChooseDriftFamilies(const std::vector<std::string>& named, std::vector<const DriftFamily*>& chosen)
{
    chosen.clear();
    for (const DriftFamily& family : DriftFamilies())
        if (named.empty() || std::find(named.begin(), named.end(), family.name) != named.end())
            chosen.push_back(&family);
    for (const std::string& name : named)
        if (!FindDriftFamily(name)) {
            std::string known;
            for (const DriftFamily& family : DriftFamilies())
                known += (known.empty() ? "" : ", ") + std::string(family.name);
            std::cerr << "morvixctl: diff compares " << known << "; not \"" << name << "\"\n";
            return false;
        }
    return true;
}
