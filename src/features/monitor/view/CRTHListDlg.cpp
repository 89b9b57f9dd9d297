#include "features/monitor/view/CRTHListDlg.h"

#include "features/cache/CacheRuleTexts.h"
#include "features/monitor/RthEvents.h"
#include "features/monitor/RthRequests.h"
#include "features/monitor/view/CRthListAddDlg.h"
#include "features/monitor/view/CRthRequestDlg.h"
#include "messaging/EventKinds.h"
#include "shell/SayThenSend.h"

#include <QPushButton>
#include <QShowEvent>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

std::vector<CRuleListModelBase::Column> Columns()
{
    return {{MoxTr::tr("序号"), 40},
            {MoxTr::tr("日志文件标题"), 240},
            {MoxTr::tr("实时监控地址"), 480},
            {MoxTr::tr("大小写"), 120, Qt::AlignCenter},
            {MoxTr::tr("匹配规则"), 100, Qt::AlignCenter}};
}

std::string CellText(const RthRecord& record, int column)
{
    switch (column) {
    case 0:
        return std::to_string(record.No);
    case 1:
        return record.Title;
    case 2:
        return record.RequestUrl;
    case 3:
        return MoxText::tr(IgnoreText(record.Icase));
    case 4:
        return MoxText::tr(MatchKindText(record.Rules));
    default:
        return {};
    }
}

unsigned long SendDeletion(const std::string& requestUrl)
{
    return SayThenSend(MoxText::Noop("正在删除实时访问监控记录，请稍候...."), [&] { return MonitorManager_RthDel(requestUrl); });
}

}  // namespace

CRTHListDlg::CRTHListDlg(QWidget* parent) : CRuleListPageT(parent, Columns(), CellText, nullptr)
{
    SetFailedList(FailedList::KeepsRows);
    Build(RuleModel(),
          {{eAdd, MoxTr::tr("添加"), MoxTr::tr("添加实时访问监控记录")},
           {eDelete, MoxTr::tr("删除"), MoxTr::tr("删除选中的实时访问监控记录")},
           {eRefresh, MoxTr::tr("刷新"), MoxTr::tr("刷新实时访问监控记录列表")},
           {eMonitor, MoxTr::tr("开始监控"), MoxTr::tr("打开选中记录的实时访问监控窗口")}},
          {MoxTr::tr("您确定要删除本条访问监控记录吗？"), MoxTr::tr("删除")}, SendDeletion);
    List()->setSelectionMode(QAbstractItemView::SingleSelection);
    List()->setAccessibleName(MoxTr::tr("实时访问监控记录列表"));
    connect(List(), &CRuleListView::RowActivated, this, [this] {
        if (QPushButton* monitor = CommandButton(eMonitor); monitor && monitor->isEnabled())
            OpenMonitor();
    });
    relay_ = std::make_unique<CViewEventRelay>(
        this, std::set<int>{eMoxCacheEvent_RthList, eMoxCacheEvent_RthAdd, eMoxCacheEvent_RthDelete},
        [this](int kind, int status, std::uintptr_t record, unsigned long requestNumber) {
            if (TakeCompletion(requestNumber))
                EventShown(kind, status, record);
        });
    relay_->EndBusyOnLogin(&Busy(), [this] { UpdateCommands(); });
}

CRTHListDlg::~CRTHListDlg()
{
    relay_.reset();
}

void CRTHListDlg::RunCommand(Command command)
{
    switch (command) {
    case eAdd:
        OpenAddForm();
        break;
    case eDelete:
        DeleteSelection(SelectedKeys());
        break;
    case eRefresh:
        Refresh();
        break;
    case eMonitor:
        OpenMonitor();
        break;
    default:
        break;
    }
}

void CRTHListDlg::Forget()
{
    Busy().Reset();
    ClearRows();
}

void CRTHListDlg::showEvent(QShowEvent* event)
{
    CRuleListPageT::showEvent(event);
    if (!event->spontaneous())
        Refresh();
}

void CRTHListDlg::Refresh()
{
    RememberSelection();
    RequestList();
}

bool CRTHListDlg::RequestList()
{
    const unsigned long requestNumber = SayThenSend(MoxText::Noop("正在获取实时访问监控记录列表，请稍候...."), MonitorManager_RthList);
    RequestSent(requestNumber);
    return requestNumber != 0;
}

void CRTHListDlg::OpenAddForm()
{
    auto* form = new CRthListAddDlg(this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    connect(form, &CRthListAddDlg::Submitted, this, &CRTHListDlg::RequestSent);
    addForm_ = form;
    form->open();
}

void CRTHListDlg::OpenMonitor()
{
    const RthRecord* selected = FirstSelected();
    if (!selected)
        return;
    auto* window = new CRthRequestDlg(*selected, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    monitorWindow_ = window;
    window->show();
}

void CRTHListDlg::EventShown(int kind, int status, std::uintptr_t param)
{
    const CMoxEventParam* record = CMoxEventParam::FromParam(param);
    if (kind == eMoxCacheEvent_RthList) {
        const auto* list = dynamic_cast<const CMoxRTHListEventParam*>(record);
        // A list that could not be read leaves the rows as they are; the status bar says why.
        ShowList(status, CMoxEventParam::FromParam(param), list ? &list->items : nullptr);
        return;
    }
    UpdateCommands();
    if (status == eMoxEventStatus_Ok)
        Refresh();
}
