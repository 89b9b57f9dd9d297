#include "AddressLists.h"

#include "AdminError.h"
#include "Ipv4.h"
#include "SeededRandom.h"

namespace morvix::sim {

namespace {

RuleListShape addressList(std::string type, std::string idKey)
{
    RuleListShape shape;
    shape.type = std::move(type);
    shape.idKey = std::move(idKey);
    shape.fields = {FieldShape::address("Low"), FieldShape::address("High"), FieldShape::dateTime("Expire"),
                   FieldShape::note("Note", 600)};
    shape.uniqueness = RuleListShape::Uniqueness::OverlappingRange;
    shape.addRefused = ListAddConflict;
    shape.modifyRefused = ListModifyConflict;
    shape.movable = false;
    // Generated ranges are /24 networks one after the other, so that they never overlap.
    shape.generate = [](size_t index, SeededRandom& random) {
        const uint32_t network = 0x0B000000u + (static_cast<uint32_t>(index) << 8);
        return Record{{"Low", formatIpv4(network + 1)},
                      {"High", formatIpv4(network + 254)},
                      {"Expire", std::to_string(random.between(2026, 2030)) + "-01-01 00:00:00"},
                      {"Note", "generated range " + std::to_string(index + 1)}};
    };
    return shape;
}

}  // namespace

RuleListShape blackList()
{
    RuleListShape shape = addressList("black", "BlackID");
    shape.seed = {
        {{"Low", "203.0.113.1"}, {"High", "203.0.113.254"}, {"Expire", "2030-01-01 00:00:00"}, {"Note", "扫描器"}},
        {{"Low", "198.51.100.7"}, {"High", "198.51.100.7"}, {"Expire", "2029-06-30 12:00:00"}, {"Note", "恶意抓取"}},
        {{"Low", "192.0.2.10"}, {"High", "192.0.2.20"}, {"Expire", "2028-12-31 23:59:59"}, {"Note", "test range"}},
    };
    return shape;
}

RuleListShape whiteList()
{
    RuleListShape shape = addressList("white", "WhiteID");
    shape.seed = {
        {{"Low", "10.0.0.0"}, {"High", "10.255.255.255"}, {"Expire", "2030-01-01 00:00:00"}, {"Note", "内网"}},
        {{"Low", "192.168.0.0"}, {"High", "192.168.255.255"}, {"Expire", "2030-01-01 00:00:00"}, {"Note", "办公网"}},
    };
    return shape;
}

}  // namespace morvix::sim
