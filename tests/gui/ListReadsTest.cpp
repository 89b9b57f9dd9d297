#include "controls/CRuleListView.h"
#include "features/access/view/CAddressListPage.h"
#include "features/access/view/CRewriteManagerDlg.h"
#include "features/config/view/CDiskCacheDlg.h"
#include "features/config/view/CDiskDirUnitWnd.h"
#include "features/config/view/CDnsRedirectDlg.h"
#include "features/config/view/CDnsRedirectModel.h"
#include "features/monitor/view/CHostMonitorDlg.h"
#include "gui/HandedOverRelay.h"
#include "gui/SimViewFixture.h"
#include "integration/OneShotFault.h"
#include "messaging/EventKinds.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <set>

using namespace morvix::test;

namespace {

QString Cells(const QAbstractItemModel& model, std::initializer_list<int> columns)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row)
        for (int column : columns)
            rows << model.index(row, column).data().toString();
    return rows.join('|');
}

// A view that shows a list it reads, and a change of that list made from the view.
struct ListView {
    const char* type;
    const char* readCmd;
    const char* changeCmd;
    std::function<QWidget*()> make;
    std::function<void(QWidget*)> read;
    std::function<void(QWidget*)> change;
    bool changeAsks;  // the change asks before it goes
    std::function<bool(QWidget*)> busy;
    std::function<QString(QWidget*)> shown;
    std::set<int> handedOver = {};
};

template <class View>
View* As(QWidget* widget)
{
    return static_cast<View*>(widget);
}

std::vector<ListView> ListViews()
{
    return {
        {"black", "list", "del", [] { return new CAddressListPage(AddressList::Black, true, nullptr); },
         [](QWidget* w) { As<CAddressListPage>(w)->RunCommand(CAddressListPage::eRefresh); },
         [](QWidget* w) {
             As<CAddressListPage>(w)->ListView()->SelectOnly(0);
             As<CAddressListPage>(w)->RunCommand(CAddressListPage::eDelete);
         },
         true,
         [](QWidget* w) { return As<CAddressListPage>(w)->IsBusy(); },
         [](QWidget* w) { return Cells(*As<CAddressListPage>(w)->ListView()->model(), {1, 2}); }},
        {"dns", "redirect-list", "redirect-modify", [] { return new CDnsRedirectDlg(false); },
         [](QWidget* w) { As<CDnsRedirectDlg>(w)->Refresh(); },
         [](QWidget* w) {
             As<CDnsRedirectDlg>(w)->List()->SelectOnly(As<CDnsRedirectDlg>(w)->Model()->rowCount() - 1);
             As<CDnsRedirectDlg>(w)->FlipState();
         },
         false,
         [](QWidget* w) { return As<CDnsRedirectDlg>(w)->IsBusy(); },
         [](QWidget* w) { return Cells(*As<CDnsRedirectDlg>(w)->Model(), {1, 2, 3}); }},
        {"rewrite", "list", "down", [] { return new CRewritePage(nullptr); },
         [](QWidget* w) { As<CRewritePage>(w)->RunCommand(CRuleListPage::eRefresh); },
         [](QWidget* w) {
             As<CRewritePage>(w)->List()->SelectOnly(0);
             As<CRewritePage>(w)->RunCommand(CRuleListPage::eDown);
         },
         false,
         [](QWidget* w) { return As<CRewritePage>(w)->IsBusy(); },
         [](QWidget* w) { return Cells(*As<CRewritePage>(w)->List()->model(), {0, 1}); }},
        {"diskcache", "list", "set", [] { return new CDiskCacheDlg; },
         [](QWidget* w) { As<CDiskCacheDlg>(w)->OnChosen(); },
         [](QWidget* w) { As<CDiskCacheDlg>(w)->Row(1)->RunCommand(); }, true,
         [](QWidget* w) { return As<CDiskCacheDlg>(w)->IsBusy(); },
         [](QWidget* w) {
             QString shown;
             for (int diskNo = 1; diskNo <= CDiskCacheDlg::kShownAreas; ++diskNo)
                 shown += As<CDiskCacheDlg>(w)->Row(diskNo)->StatusText()->text() + '|';
             return shown;
         },
         {eMoxCacheEvent_DiskCacheRead, eMoxCacheEvent_DiskCacheSet}},
    };
}

// Two exchanges of a view overlap: the first is sent, then the second once the server has the
// first; faults hold the first's reply back (and may lose the second's).
struct Overlap {
    const char* name;
    bool readFirst;
    const char* secondFault;  // on the second exchange, null for none
};

// Whatever the view settles on must be what a fresh read shows, and hold the change.
class ListReads : public SimViewFixture {
protected:
    void ExpectOverlapShowsTheChange(const Overlap& overlap)
    {
        SCOPED_TRACE(overlap.name);
        for (const ListView& shape : ListViews()) {
            SCOPED_TRACE(shape.type);
            std::unique_ptr<QWidget> widget(shape.make());
            std::unique_ptr<HandedOverRelay> handOver;
            if (!shape.handedOver.empty())
                handOver = std::make_unique<HandedOverRelay>(static_cast<CMoxContentView*>(widget.get()), shape.handedOver);
            const auto settled = [&] { return ProcessUntil([&] { return !shape.busy(widget.get()); }); };
            shape.read(widget.get());
            ASSERT_TRUE(settled());
            const std::string before = shape.shown(widget.get()).toStdString();

            const char* firstCmd = overlap.readFirst ? shape.readCmd : shape.changeCmd;
            const char* secondCmd = overlap.readFirst ? shape.changeCmd : shape.readCmd;
            sim.addFault(OneShotFault("late", shape.type, firstCmd, 1500));
            if (overlap.secondFault)
                sim.addFault(OneShotFault(overlap.secondFault, shape.type, secondCmd));
            const std::string firstQuery = std::string("type=") + shape.type + "&cmd=" + firstCmd;
            const std::size_t sent = LoggedBodies(sim, firstQuery).size();
            const auto act = [&](bool read) {
                if (read) {
                    shape.read(widget.get());
                    return;
                }
                if (shape.changeAsks)
                    answers.QueueDecision(true);
                shape.change(widget.get());
            };
            act(overlap.readFirst);
            ASSERT_TRUE(ProcessUntil([&] { return LoggedBodies(sim, firstQuery).size() > sent; }));
            act(!overlap.readFirst);
            ASSERT_TRUE(ProcessUntil([&] { return sim.faults().empty() && !shape.busy(widget.get()); }));
            DrainHandOvers();
            const std::string shown = shape.shown(widget.get()).toStdString();
            EXPECT_NE(shown, before) << "the change does not show";

            shape.read(widget.get());
            ASSERT_TRUE(settled());
            EXPECT_EQ(shape.shown(widget.get()).toStdString(), shown) << "what the view settled on is not what the server holds";
            handOver.reset();
            widget.reset();
            DrainHandOvers();
        }
    }
};

}  // namespace

TEST_F(ListReads, AListReadAnsweredBeforeAChangeNeverHidesIt)
{
    Fill("black", 6);
    Fill("rewrite", 6);
    const Overlap overlaps[] = {
        {"the change answered while the read is on its way", true, nullptr},
        {"the change carried out, its reply lost, while the read is on its way", true, "reset"},
        {"the read sent while the change is on its way", false, nullptr},
    };
    for (const Overlap& overlap : overlaps)
        ExpectOverlapShowsTheChange(overlap);
}

// A poll whose reply is lost, or never comes, stops nothing: a later change of the hosts shows.
TEST_F(ListReads, TheHostMonitorPollsOnAfterAPollWithoutAReply)
{
    const Json::Value faults[] = {OneShotFault("reset", "proxy", "list"),
                                  OneShotFault("delay", "proxy", "list", 600000)};
    for (const Json::Value& fault : faults) {
        SCOPED_TRACE(fault["kind"].asString());
        auto made = std::make_unique<CHostMonitorDlg>();
        HandedOverRelay relay(made.get(), {eMoxCacheEvent_ProxyHostList});
        made->PollTimer()->setInterval(50);
        made->SetStaleMs(500);
        CHostMonitorDlg* monitor = Show(std::move(made));
        ASSERT_TRUE(ProcessUntil([&] { return monitor->Model()->rowCount() > 0; }));

        sim.addFault(fault);
        ASSERT_TRUE(ProcessUntil([&] { return sim.faults().empty(); }));
        Json::Value hosts = sim.state()["proxy"];
        Json::Value added = hosts["hosts"][0];
        added["ProxyID"] = "added-" + fault["kind"].asString();
        added["Host"] = added["ProxyID"].asString() + ".example";
        hosts["hosts"].append(added);
        sim.setState("proxy", hosts);
        EXPECT_TRUE(ProcessUntil([&] { return Cells(*monitor->Model(), {1}).contains(added["Host"].asCString()); }));
        view.reset();
        DrainHandOvers();
    }
}
