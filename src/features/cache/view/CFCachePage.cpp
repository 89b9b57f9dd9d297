#include "features/cache/view/CFCachePage.h"

#include "controls/IUserInteraction.h"
#include "features/cache/FCacheColumns.h"
#include "features/cache/FCacheEvents.h"
#include "features/cache/FCacheRequests.h"
#include "features/cache/InstantRequestPageUrl.h"
#include "features/cache/view/CAddFCacheDlg.h"
#include "messaging/EventKinds.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "shell/HelpPages.h"

#include <QDateTime>
#include <QUrl>

namespace {

std::vector<CRuleListModelBase::Column> Columns()
{
    return {{QStringLiteral("序号"), 40},       {QStringLiteral("缓存地址"), 280},  {QStringLiteral("匹配规则"), 150},
            {QStringLiteral("超时周期"), 65},   {QStringLiteral("Set-Cookie"), 65}, {QStringLiteral("开放权限"), 65},
            {QStringLiteral("硬盘缓存"), 65},   {QStringLiteral("备注说明"), 100}};
}

bool SendDeletion(const std::string& wid)
{
    if (!CacheManager_FCacheDel(wid))
        return false;
    GlobalFunc_UpdateStatusBar("正在发送删除强制缓存的请求，请稍候....");
    return true;
}

template <class Record>
const Record* RecordOf(std::uintptr_t param)
{
    return dynamic_cast<const Record*>(CMoxEventParam::FromParam(param));
}

}  // namespace

CFCachePage::CFCachePage(QWidget* parent)
    : CRuleListPageT(parent, Columns(), FCacheColumnText, &CMoxCacheInstance::fcacheRules)
{
    Build(RuleModel(),
          {{eAdd, QStringLiteral("增加"), QStringLiteral("添加页面缓存规则")},
           {eDelete, QStringLiteral("删除"), QStringLiteral("按 Ctrl 或 Shift 键多选可批量删除页面缓存规则")},
           {eRefresh, QStringLiteral("刷新"), QStringLiteral("刷新页面缓存规则列表")},
           {eUp, QStringLiteral("上移"), QStringLiteral("向上移动页面缓存规则")},
           {eDown, QStringLiteral("下移"), QStringLiteral("向下移动页面缓存规则")},
           {eModify, QStringLiteral("修改"), QStringLiteral("修改选中的页面缓存规则")},
           {eHelp, QStringLiteral("帮助"), QString()},
           {eImport, QStringLiteral("导入"), QStringLiteral("导入规则")},
           {eExport, QStringLiteral("导出"), QStringLiteral("导出规则")},
           {eMonitor, QStringLiteral("访问监控"), QStringLiteral("实时监控此规则的访问请求")}},
          {QStringLiteral("您确定要删除选择的页面缓存规则吗？"), QStringLiteral("删除页面缓存规则")}, SendDeletion);
    relay_ = std::make_unique<CViewEventRelay>(
        this,
        std::set<int>{eMoxCacheEvent_FCacheList, eMoxCacheEvent_FCacheAdd, eMoxCacheEvent_FCacheDelete,
                      eMoxCacheEvent_FCacheModify, eMoxCacheEvent_FCacheMoveUp, eMoxCacheEvent_FCacheMoveDown},
        [this](int kind, int status, std::uintptr_t record) { EventShown(kind, status, record); },
        [this](int kind, int status, std::uintptr_t record) { KeepInstanceCopy(kind, status, record); });
}

CFCachePage::~CFCachePage()
{
    relay_.reset();
}

CAddFCacheDlg* CFCachePage::Form() const
{
    return form_;
}

void CFCachePage::RunCommand(Command command)
{
    switch (command) {
    case eAdd:
        OpenForm(false);
        break;
    case eModify:
        OpenForm(true);
        break;
    case eDelete:
        DeleteSelection(SelectedKeys());
        break;
    case eRefresh:
        Refresh();
        break;
    case eUp:
    case eDown:
        Move(command == eUp);
        break;
    case eHelp:
        IUserInteraction::Current().OpenUrl(QUrl(QString::fromStdString(PageCacheHelpUrl())));
        break;
    case eImport:
    case eExport:
        IUserInteraction::Current().Inform(this, command == eImport ? QStringLiteral("导入规则") : QStringLiteral("导出规则"),
                                           QStringLiteral("规则的导入与导出窗口随规则导入导出功能提供。"));
        break;
    case eMonitor:
        OpenMonitor();
        break;
    }
}

void CFCachePage::Forget()
{
    ShowList(eMoxEventStatus_NetworkError, nullptr, nullptr);
}

void CFCachePage::OpenForm(bool modify)
{
    const FCacheRule* selected = FirstSelected();
    if (modify && !selected)
        return;
    auto* form = new CAddFCacheDlg(modify ? CAddFCacheDlg::Mode::Modify : CAddFCacheDlg::Mode::Add,
                                   selected ? *selected : FCacheRule(), this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    connect(form, &CRuleFormDlg::Submitted, this, &CFCachePage::RequestSent);
    form_ = form;
    form->open();
}

void CFCachePage::Refresh()
{
    RememberSelection();
    if (!CacheManager_FCacheList())
        return;
    GlobalFunc_UpdateStatusBar("正在刷新强制缓存列表，请稍候....");
    RequestSent();
}

void CFCachePage::Move(bool up)
{
    const FCacheRule* selected = FirstSelected();
    if (!selected)
        return;
    if (!(up ? CacheManager_FCacheUp(selected->Wid) : CacheManager_FCacheDown(selected->Wid)))
        return;
    GlobalFunc_UpdateStatusBar(up ? "正在向上移动强制缓存，请稍候...." : "正在向下移动强制缓存，请稍候....");
    RequestSent();
}

void CFCachePage::OpenMonitor()
{
    const FCacheRule* selected = FirstSelected();
    CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    if (!selected || !instance)
        return;
    const std::string address = InstantRequestPageUrl(instance->Host(), instance->SessionId(), selected->Url,
                                                      selected->Rules, selected->Icase,
                                                      QDateTime::currentSecsSinceEpoch());
    IUserInteraction::Current().OpenUrl(QUrl::fromEncoded(QByteArray::fromStdString(address)));
}

void CFCachePage::KeepInstanceCopy(int kind, int status, std::uintptr_t record) const
{
    if (kind == eMoxCacheEvent_FCacheList) {
        const auto* list = RecordOf<CMoxFCacheListEventParam>(record);
        StoreList(status, list ? &list->items : nullptr);
        return;
    }
    if (status != eMoxEventStatus_Ok)
        return;
    switch (kind) {
    case eMoxCacheEvent_FCacheAdd:
        if (const auto* added = RecordOf<CMoxFCacheAddEventParam>(record))
            StoreAdded(added->item);
        break;
    case eMoxCacheEvent_FCacheDelete:
        if (const auto* deleted = RecordOf<CMoxFCacheEventParam>(record))
            StoreRemoved(deleted->item.Wid);
        break;
    case eMoxCacheEvent_FCacheModify:
        if (const auto* modified = RecordOf<CMoxFCacheEventParam>(record))
            StoreModified(modified->item);
        break;
    default:
        break;
    }
}

void CFCachePage::EventShown(int kind, int status, std::uintptr_t record)
{
    switch (kind) {
    case eMoxCacheEvent_FCacheList: {
        const auto* list = RecordOf<CMoxFCacheListEventParam>(record);
        ShowList(status, CMoxEventParam::FromParam(record), list ? &list->items : nullptr);
        break;
    }
    case eMoxCacheEvent_FCacheAdd: {
        const auto* added = RecordOf<CMoxFCacheAddEventParam>(record);
        ShowAdded(added ? status : eMoxEventStatus_BadReply, added ? added->item : FCacheRule());
        break;
    }
    case eMoxCacheEvent_FCacheDelete: {
        const auto* deleted = RecordOf<CMoxFCacheEventParam>(record);
        ShowDeleted(status, deleted ? deleted->item.Wid : std::string());
        break;
    }
    case eMoxCacheEvent_FCacheModify: {
        const auto* modified = RecordOf<CMoxFCacheEventParam>(record);
        ShowModified(modified ? status : eMoxEventStatus_BadReply, modified ? modified->item : FCacheRule());
        break;
    }
    case eMoxCacheEvent_FCacheMoveUp:
    case eMoxCacheEvent_FCacheMoveDown: {
        const auto* moved = RecordOf<CMoxFCacheEventParam>(record);
        ShowMoved(status, moved ? moved->item.Wid : std::string(), kind == eMoxCacheEvent_FCacheMoveUp ? -1 : 1);
        break;
    }
    default:
        break;
    }
}
