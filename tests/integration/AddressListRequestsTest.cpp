#include "CannedList.h"
#include "LoggedRequest.h"
#include "OneShotFault.h"
#include "RequestStep.h"
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

// The same walk for either list: its requests, events, identifier key and texts.
struct ListWalk {
    const char* type;
    const char* idKey;
    bool (*add)(const AddressListEntry&);
    bool (*list)();
    bool (*modify)(const AddressListEntry&);
    bool (*del)(const std::string&);
    int addEvent, listEvent, modifyEvent, deleteEvent;
    std::size_t seeded;
    const char* word;  // 黑 or 白
    std::string network;  // of the range added, clear of the seeded ranges
};

void Walk(const ListWalk& walk)
{
    SimProcess sim;
    ConsoleSession session(sim.host());
    const std::string head = "SessionID=" + session.SessionId() + "&RequestID=N";
    const std::string word = walk.word;
    const auto text = [&word](const char* before, const char* after) { return before + word + after; };

    auto added = Expect(sim, session,
                        {walk.add(Range(walk.network + "1", walk.network + "9", "a b&c/中")), walk.addEvent, 0, walk.type,
                         "add",
                         head + "&Low=" + walk.network + "1&High=" + walk.network +
                             "9&Expire=2030-01-01%2000%3A00%3A00&Note=a%20b%26c%2F%E4%B8%AD",
                         text("添加", "名单列表信息成功。")});
    ASSERT_TRUE(added);
    const AddressListEntry sent = added->As<CMoxAddressEntryEventParam>()->item;
    EXPECT_FALSE(sent.Id.empty());

    auto listed = Expect(sim, session, {walk.list(), walk.listEvent, 0, {}, {}, {}, text("获取", "名单列表成功")});
    ASSERT_TRUE(listed);
    const auto& entries = listed->As<CMoxAddressListEventParam>()->items;
    ASSERT_EQ(entries.size(), walk.seeded + 1);
    EXPECT_EQ(entries.back().No, static_cast<int>(walk.seeded + 1));
    EXPECT_EQ(entries.back().Id, sent.Id);
    EXPECT_EQ(entries.back().High, walk.network + "9");
    EXPECT_EQ(entries.back().Expire, "2030-01-01 00:00:00");
    EXPECT_EQ(entries.back().Note, "a b&c/中");

    AddressListEntry changed = sent;
    changed.High = walk.network + "20";
    const std::string byId = head + "&" + walk.idKey + "=" + sent.Id;
    auto modified = Expect(sim, session,
                           {walk.modify(changed), walk.modifyEvent, 0, walk.type, "modify",
                            byId + "&Low=" + walk.network + "1&High=" + walk.network +
                                "20&Expire=2030-01-01%2000%3A00%3A00&Note=a%20b%26c%2F%E4%B8%AD",
                            text("修改", "名单列表信息成功。")});
    ASSERT_TRUE(modified);
    EXPECT_EQ(modified->As<CMoxAddressEntryEventParam>()->item.High, walk.network + "20");
    auto deleted = Expect(sim, session, {walk.del(sent.Id), walk.deleteEvent, 0, walk.type, "del", byId,
                                         text("删除", "名单列表信息成功。")});
    ASSERT_TRUE(deleted);
    EXPECT_EQ(deleted->As<CMoxAddressEntryEventParam>()->item.Id, sent.Id);
}

TEST(AddressListRequests, EachListIsAddedListedModifiedAndDeletedAgainstTheSimulator)
{
    Walk({"black", "BlackID", AccessList_BlackAdd, AccessList_BlackList, AccessList_BlackModify, AccessList_BlackDel,
          eMoxCacheEvent_BlackAdd, eMoxCacheEvent_BlackList, eMoxCacheEvent_BlackModify, eMoxCacheEvent_BlackDelete, 3,
          "黑", "10.1.0."});
    Walk({"white", "WhiteID", AccessList_WhiteAdd, AccessList_WhiteList, AccessList_WhiteModify, AccessList_WhiteDel,
          eMoxCacheEvent_WhiteAdd, eMoxCacheEvent_WhiteList, eMoxCacheEvent_WhiteModify, eMoxCacheEvent_WhiteDelete, 2,
          "白", "172.16.0."});
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
    auto element = [](const char* idKey) {
        Json::Value element;
        for (const char* key : {"NO", "Low", "High", "Expire"})
            element[key] = "1";
        element[idKey] = "id-1";
        element["Note"] = "%E6%B3%A8";
        return element;
    };
    auto two = [&](const char* idKey) {
        Json::Value two(Json::arrayValue);
        two.append(element(idKey));
        two.append(element(idKey));
        return two;
    };
    struct Case {
        const char* idKey;
        int event;
        bool (*send)();
    };
    for (const Case& shape : {Case{"BlackID", eMoxCacheEvent_BlackList, AccessList_BlackList},
                              Case{"WhiteID", eMoxCacheEvent_WhiteList, AccessList_WhiteList}}) {
        SCOPED_TRACE(shape.idKey);
        CannedList list(server, session.Events(), shape.send, shape.event);
        auto read = list("5", two(shape.idKey));
        ASSERT_TRUE(read);
        ASSERT_EQ(read->Status(), 0);
        ASSERT_EQ(read->As<CMoxAddressListEventParam>()->items.size(), 2u);
        EXPECT_EQ(read->As<CMoxAddressListEventParam>()->items[0].Id, "id-1");
        EXPECT_EQ(read->As<CMoxAddressListEventParam>()->items[0].Note, "注");

        // The other list's identifier does not stand in for this one's.
        auto foreign = list("2", two(std::string(shape.idKey) == "BlackID" ? "WhiteID" : "BlackID"));
        ASSERT_TRUE(foreign);
        EXPECT_EQ(foreign->Status(), 3);

        list.ExpectEveryKeyRequired(element(shape.idKey), {"NO", "Low", "High", "Expire", "Note"});

        auto notAnArray = list("2", element(shape.idKey));
        ASSERT_TRUE(notAnArray);
        EXPECT_EQ(notAnArray->Status(), 0);
        EXPECT_TRUE(notAnArray->As<CMoxAddressListEventParam>()->items.empty());
    }
}

}  // namespace
}  // namespace morvix::test
