#include "CannedAdminServer.h"
#include "LoggedRequest.h"
#include "OneShotFault.h"
#include "features/access/AddressListEvents.h"
#include "features/access/AddressListRequests.h"
#include "messaging/EventKinds.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>
#include <json/json.h>

namespace morvix::test {
namespace {

AddressListEntry Range(const std::string& low, const std::string& high, const std::string& note)
{
    AddressListEntry entry;
    entry.Low = low;
    entry.High = high;
    entry.Expire = "2030-01-01 00:00:00";
    entry.Note = note;
    return entry;
}

TEST(AddressListRequests, BlackListAddListModifyAndDeleteAgainstTheSimulator)
{
    SimProcess sim;
    ConsoleSession session(sim.host());
    const std::string head = "SessionID=" + session.SessionId() + "&RequestID=N";

    ASSERT_TRUE(AccessList_BlackAdd(Range("10.1.0.1", "10.1.0.9", "a b&c/中")));
    auto added = session.Events().Next(eMoxCacheEvent_BlackAdd);
    ASSERT_TRUE(added);
    ASSERT_EQ(added->Status(), 0);
    const AddressListEntry sent = added->As<CMoxAddressEntryEventParam>()->item;
    EXPECT_FALSE(sent.Id.empty());
    EXPECT_EQ(LastLoggedBody(sim, "black", "add"),
              head + "&Low=10.1.0.1&High=10.1.0.9&Expire=2030-01-01%2000%3A00%3A00&Note=a%20b%26c%2F%E4%B8%AD");
    EXPECT_TRUE(session.Events().WaitForStatusText("添加黑名单列表信息成功。"));

    ASSERT_TRUE(AccessList_BlackList());
    auto listed = session.Events().Next(eMoxCacheEvent_BlackList);
    ASSERT_TRUE(listed);
    ASSERT_EQ(listed->Status(), 0);
    const auto& entries = listed->As<CMoxAddressListEventParam>()->items;
    ASSERT_EQ(entries.size(), 4u);  // three seeded, then ours
    EXPECT_EQ(entries[3].No, 4);
    EXPECT_EQ(entries[3].Id, sent.Id);
    EXPECT_EQ(entries[3].High, "10.1.0.9");
    EXPECT_EQ(entries[3].Expire, "2030-01-01 00:00:00");
    EXPECT_EQ(entries[3].Note, "a b&c/中");
    EXPECT_TRUE(session.Events().WaitForStatusText("获取黑名单列表成功"));

    AddressListEntry changed = sent;
    changed.High = "10.1.0.20";
    ASSERT_TRUE(AccessList_BlackModify(changed));
    auto modified = session.Events().Next(eMoxCacheEvent_BlackModify);
    ASSERT_TRUE(modified);
    EXPECT_EQ(modified->Status(), 0);
    EXPECT_EQ(modified->As<CMoxAddressEntryEventParam>()->item.High, "10.1.0.20");
    EXPECT_EQ(LastLoggedBody(sim, "black", "modify"),
              head + "&BlackID=" + sent.Id +
                  "&Low=10.1.0.1&High=10.1.0.20&Expire=2030-01-01%2000%3A00%3A00&Note=a%20b%26c%2F%E4%B8%AD");
    EXPECT_TRUE(session.Events().WaitForStatusText("修改黑名单列表信息成功。"));

    ASSERT_TRUE(AccessList_BlackDel(sent.Id));
    auto deleted = session.Events().Next(eMoxCacheEvent_BlackDelete);
    ASSERT_TRUE(deleted);
    EXPECT_EQ(deleted->Status(), 0);
    EXPECT_EQ(deleted->As<CMoxAddressEntryEventParam>()->item.Id, sent.Id);
    EXPECT_EQ(LastLoggedBody(sim, "black", "del"), head + "&BlackID=" + sent.Id);
    EXPECT_TRUE(session.Events().WaitForStatusText("删除黑名单列表信息成功。"));
}

TEST(AddressListRequests, WhiteListAddListModifyAndDeleteAgainstTheSimulator)
{
    SimProcess sim;
    ConsoleSession session(sim.host());
    const std::string head = "SessionID=" + session.SessionId() + "&RequestID=N";

    ASSERT_TRUE(AccessList_WhiteAdd(Range("172.16.0.1", "172.16.0.255", "办公 VPN")));
    auto added = session.Events().Next(eMoxCacheEvent_WhiteAdd);
    ASSERT_TRUE(added);
    ASSERT_EQ(added->Status(), 0);
    const AddressListEntry sent = added->As<CMoxAddressEntryEventParam>()->item;
    EXPECT_FALSE(sent.Id.empty());
    EXPECT_EQ(LastLoggedBody(sim, "white", "add"),
              head + "&Low=172.16.0.1&High=172.16.0.255&Expire=2030-01-01%2000%3A00%3A00&Note=%E5%8A%9E%E5%85%AC%20VPN");
    EXPECT_TRUE(session.Events().WaitForStatusText("添加白名单列表信息成功。"));

    ASSERT_TRUE(AccessList_WhiteList());
    auto listed = session.Events().Next(eMoxCacheEvent_WhiteList);
    ASSERT_TRUE(listed);
    ASSERT_EQ(listed->Status(), 0);
    const auto& entries = listed->As<CMoxAddressListEventParam>()->items;
    ASSERT_EQ(entries.size(), 3u);  // two seeded, then ours
    EXPECT_EQ(entries[2].Id, sent.Id);
    EXPECT_EQ(entries[2].Note, "办公 VPN");
    EXPECT_TRUE(session.Events().WaitForStatusText("获取白名单列表成功"));

    AddressListEntry changed = sent;
    changed.Expire = "2029-12-31 23:59:59";
    ASSERT_TRUE(AccessList_WhiteModify(changed));
    auto modified = session.Events().Next(eMoxCacheEvent_WhiteModify);
    ASSERT_TRUE(modified);
    EXPECT_EQ(modified->Status(), 0);
    EXPECT_EQ(LastLoggedBody(sim, "white", "modify"),
              head + "&WhiteID=" + sent.Id +
                  "&Low=172.16.0.1&High=172.16.0.255&Expire=2029-12-31%2023%3A59%3A59&Note=%E5%8A%9E%E5%85%AC%20VPN");
    EXPECT_TRUE(session.Events().WaitForStatusText("修改白名单列表信息成功。"));

    ASSERT_TRUE(AccessList_WhiteDel(sent.Id));
    auto deleted = session.Events().Next(eMoxCacheEvent_WhiteDelete);
    ASSERT_TRUE(deleted);
    EXPECT_EQ(deleted->Status(), 0);
    EXPECT_EQ(LastLoggedBody(sim, "white", "del"), head + "&WhiteID=" + sent.Id);
    EXPECT_TRUE(session.Events().WaitForStatusText("删除白名单列表信息成功。"));
}

TEST(AddressListRequests, RefusalsAndFailuresReportTheirTexts)
{
    SimProcess sim;
    {
        ConsoleSession keeper(sim.host(), "keeper", "keeper");
        ASSERT_TRUE(AccessList_WhiteDel("any"));
        auto refused = keeper.Events().Next(eMoxCacheEvent_WhiteDelete);
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->Status(), 1);
        EXPECT_EQ(refused->As<CMoxAddressEntryEventParam>()->errorNo, 22);
        EXPECT_TRUE(keeper.Events().WaitForStatusText("删除白名单列表信息失败，监控员没有对系统修改的权限(错误号:22)。"));
    }
    ConsoleSession admin(sim.host());
    ASSERT_TRUE(AccessList_BlackAdd(Range("203.0.113.100", "203.0.113.110", "inside a seeded range")));
    auto overlap = admin.Events().Next(eMoxCacheEvent_BlackAdd);
    ASSERT_TRUE(overlap);
    EXPECT_EQ(overlap->Status(), 1);
    EXPECT_EQ(overlap->As<CMoxAddressEntryEventParam>()->errorNo, 40);
    EXPECT_TRUE(admin.Events().WaitForStatusText(
        "添加黑名单列表信息失败，要添加的名单已经存在或与已有名单有冲突(错误号:40)。"));

    sim.addFault(OneShotFault("busy", "white", "list"));
    ASSERT_TRUE(AccessList_WhiteList());
    auto busy = admin.Events().Next(eMoxCacheEvent_WhiteList);
    ASSERT_TRUE(busy);
    EXPECT_EQ(busy->Status(), 1);
    EXPECT_TRUE(admin.Events().WaitForStatusText("获取白名单列表数据失败，服务器忙(错误号:10)"));

    sim.addFault(OneShotFault("not-json", "black", "list"));
    ASSERT_TRUE(AccessList_BlackList());
    auto unreadable = admin.Events().Next(eMoxCacheEvent_BlackList);
    ASSERT_TRUE(unreadable);
    EXPECT_EQ(unreadable->Status(), 3);
    EXPECT_EQ(unreadable->record, nullptr);

    sim.addFault(OneShotFault("reset", "black", "modify"));
    AddressListEntry existing = Range("1.1.1.1", "1.1.1.2", "");
    existing.Id = "b1";
    ASSERT_TRUE(AccessList_BlackModify(existing));
    auto reset = admin.Events().Next(eMoxCacheEvent_BlackModify);
    ASSERT_TRUE(reset);
    EXPECT_EQ(reset->Status(), 2);
    EXPECT_TRUE(admin.Events().WaitForStatusText("修改黑名单列表信息失败，网络连接错误。"));

    sim.stop();
    ASSERT_TRUE(AccessList_WhiteAdd(Range("1.1.1.1", "1.1.1.2", "")));
    auto dead = admin.Events().Next(eMoxCacheEvent_WhiteAdd);
    ASSERT_TRUE(dead);
    EXPECT_EQ(dead->Status(), 2);
    EXPECT_TRUE(admin.Events().WaitForStatusText("添加白名单列表信息失败，网络连接错误。"));
}

TEST(AddressListRequests, EachListReadsItsOwnIdentifierAndEveryKeyIsRequired)
{
    CannedAdminServer server;
    ConsoleSession session(server.Host());
    auto reply = [](const char* count, const Json::Value& lists) {
        Json::Value root;
        root["Return"] = "True";
        root["NumOfLists"] = count;
        root["Lists"] = lists;
        return root;
    };
    auto entries = [](const char* idKey) {
        Json::Value element;
        for (const char* key : {"NO", "Low", "High", "Expire"})
            element[key] = "1";
        element[idKey] = "id-1";
        element["Note"] = "%E6%B3%A8";
        Json::Value two(Json::arrayValue);
        two.append(element);
        two.append(element);
        return two;
    };
    struct Case {
        const char* idKey;
        int event;
        bool (*send)();
    };
    for (const Case& list : {Case{"BlackID", eMoxCacheEvent_BlackList, AccessList_BlackList},
                             Case{"WhiteID", eMoxCacheEvent_WhiteList, AccessList_WhiteList}}) {
        auto fetch = [&](const Json::Value& root) {
            server.Answer(Json::writeString(Json::StreamWriterBuilder(), root));
            EXPECT_TRUE(list.send());
            return session.Events().Next(list.event);
        };
        auto read = fetch(reply("5", entries(list.idKey)));
        ASSERT_TRUE(read) << list.idKey;
        ASSERT_EQ(read->Status(), 0) << list.idKey;
        ASSERT_EQ(read->As<CMoxAddressListEventParam>()->items.size(), 2u) << list.idKey;
        EXPECT_EQ(read->As<CMoxAddressListEventParam>()->items[0].Id, "id-1") << list.idKey;
        EXPECT_EQ(read->As<CMoxAddressListEventParam>()->items[0].Note, "注") << list.idKey;

        // The other list's identifier does not stand in for this one's.
        const char* otherKey = std::string(list.idKey) == "BlackID" ? "WhiteID" : "BlackID";
        auto foreign = fetch(reply("2", entries(otherKey)));
        ASSERT_TRUE(foreign) << list.idKey;
        EXPECT_EQ(foreign->Status(), 3) << list.idKey;

        for (const char* key : {"NO", "Low", "High", "Expire", "Note"}) {
            Json::Value lacking = entries(list.idKey);
            lacking[1].removeMember(key);
            auto missing = fetch(reply("2", lacking));
            ASSERT_TRUE(missing) << list.idKey << " " << key;
            EXPECT_EQ(missing->Status(), 3) << list.idKey << " " << key;
            EXPECT_EQ(missing->record, nullptr) << list.idKey << " " << key;
        }

        auto notAnArray = fetch(reply("2", entries(list.idKey)[0]));
        ASSERT_TRUE(notAnArray) << list.idKey;
        EXPECT_EQ(notAnArray->Status(), 0) << list.idKey;
        EXPECT_TRUE(notAnArray->As<CMoxAddressListEventParam>()->items.empty()) << list.idKey;
    }
}

}  // namespace
}  // namespace morvix::test
