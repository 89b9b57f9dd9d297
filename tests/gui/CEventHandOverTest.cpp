#include "controls/CEventHandOver.h"
#include "gui/ViewTestSupport.h"
#include "messaging/CMoxEventParam.h"

#include <QThread>
#include <QWidget>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using morvix::test::ProcessUntil;

namespace {

class TextRecord : public CMoxEventParam {
public:
    explicit TextRecord(std::string value) : text(std::move(value)) {}
    std::string text;
};

std::uintptr_t AsParam(CMoxEventParam* record)
{
    return reinterpret_cast<std::uintptr_t>(record);
}

// Plays the event thread: hands the event over, then drops the event's own reference as the end
// handler does, all before the user-interface thread gets to run anything.
void DeliverOnEventThread(QObject* widget, int kind, std::uintptr_t param1, std::uintptr_t param2,
                          CEventHandOver::RecordIn recordIn, CMoxEventParam* eventReference,
                          CEventHandOver::Work work)
{
    std::thread eventThread([&] {
        CEventHandOver::Post(widget, kind, param1, param2, recordIn, std::move(work));
        if (eventReference)
            eventReference->Release();
    });
    eventThread.join();
}

}  // namespace

TEST(CEventHandOver, WorkRunsOnTheInterfaceThreadWithTheRecordAliveThenReleasesIt)
{
    const auto before = CMoxEventParam::LiveCount();
    QWidget widget;
    auto* record = new TextRecord("已完成");
    std::string seenText;
    bool onInterfaceThread = false;

    DeliverOnEventThread(&widget, 7, 0, AsParam(record), CEventHandOver::RecordSlotOfKind(7), record,
                         [&](int kind, std::uintptr_t, std::uintptr_t param2) {
                             seenText = reinterpret_cast<TextRecord*>(param2)->text;
                             onInterfaceThread = QThread::currentThread() == qApp->thread();
                         });
    EXPECT_EQ(CMoxEventParam::LiveCount(), before + 1) << "the hand-over holds its own reference";

    ASSERT_TRUE(ProcessUntil([&] { return !seenText.empty(); }));
    EXPECT_EQ(seenText, "已完成");
    EXPECT_TRUE(onInterfaceThread);
    EXPECT_TRUE(ProcessUntil([&] { return CMoxEventParam::LiveCount() == before; }));
}

TEST(CEventHandOver, RecordIsReleasedWhenTheWidgetWasDeletedBeforeTheCallRan)
{
    const auto before = CMoxEventParam::LiveCount();
    auto* widget = new QWidget;
    auto* record = new TextRecord("status");
    bool ran = false;

    DeliverOnEventThread(widget, 1, AsParam(record), 0, CEventHandOver::RecordSlotOfKind(1), record,
                         [&](int, std::uintptr_t, std::uintptr_t) { ran = true; });
    delete widget;

    EXPECT_TRUE(ProcessUntil([&] { return CMoxEventParam::LiveCount() == before; }));
    EXPECT_FALSE(ran);
}

TEST(CEventHandOver, ParametersThatAreNoRecordPassThroughUntouched)
{
    const auto before = CMoxEventParam::LiveCount();
    QWidget widget;
    // Kinds without a record carry numbers in param2: an operation kind, an error number.
    for (int kind : {5, 20, 24, 77, 86})
        EXPECT_EQ(CEventHandOver::RecordSlotOfKind(kind), CEventHandOver::RecordIn::None) << kind;
    for (int kind : {53, 78, 79, 104})
        EXPECT_EQ(CEventHandOver::RecordSlotOfKind(kind), CEventHandOver::RecordIn::Param2) << kind;
    constexpr std::uintptr_t kSessionExpired = 21;
    std::uintptr_t seenStatus = 99;
    std::uintptr_t seenParam2 = 0;
    DeliverOnEventThread(&widget, 86, 1, kSessionExpired, CEventHandOver::RecordIn::None, nullptr,
                         [&](int, std::uintptr_t param1, std::uintptr_t param2) {
                             seenStatus = param1;
                             seenParam2 = param2;
                         });
    ASSERT_TRUE(ProcessUntil([&] { return seenParam2 != 0; }));
    EXPECT_EQ(seenStatus, 1u);
    EXPECT_EQ(seenParam2, kSessionExpired);

    bool ranWithoutRecord = false;
    DeliverOnEventThread(&widget, 97, 2, 0, CEventHandOver::RecordIn::Param2, nullptr,
                         [&](int, std::uintptr_t, std::uintptr_t) { ranWithoutRecord = true; });
    EXPECT_TRUE(ProcessUntil([&] { return ranWithoutRecord; })) << "a failed exchange carries no record";
    EXPECT_EQ(CMoxEventParam::LiveCount(), before);
}

TEST(CEventHandOver, CallsRunInTheOrderTheyWerePosted)
{
    QWidget widget;
    std::vector<int> ran;
    for (int kind : {11, 12, 13})
        DeliverOnEventThread(&widget, kind, 0, 0, CEventHandOver::RecordIn::None, nullptr,
                             [&](int k, std::uintptr_t, std::uintptr_t) { ran.push_back(k); });
    ASSERT_TRUE(ProcessUntil([&] { return ran.size() == 3; }));
    EXPECT_EQ(ran, (std::vector<int>{11, 12, 13}));
}
