#include "features/cache/view/CMoxSCacheDlg.h"

#include "features/cache/CacheListColumns.h"
#include "features/cache/SCacheRequests.h"
#include "features/cache/view/CacheRuleMonitor.h"
#include "messaging/EventKinds.h"
#include "shell/HelpPages.h"
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

CMoxSCacheDlg::Family SessionCacheFamily()
{
    return {{{MoxTr::tr("序号"), 40},
             {MoxTr::tr("登录验证地址URL"), 300},
             {MoxTr::tr("匹配规则"), 150},
             {MoxTr::tr("会话ID变量名"), 150},
             {MoxTr::tr("缓存周期"), 65},
             {MoxTr::tr("备注说明"), 160}},
            SCacheColumnText,
            &CMoxCacheInstance::scacheRules,
            {{CRuleListPage::eAdd, MoxTr::tr("增加"), MoxTr::tr("添加会话缓存规则")},
             {CRuleListPage::eDelete, MoxTr::tr("删除"), MoxTr::tr("按 Ctrl 或 Shift 键多选可批量删除会话缓存规则")},
             {CRuleListPage::eRefresh, MoxTr::tr("刷新"), MoxTr::tr("刷新会话缓存规则列表")},
             {CRuleListPage::eUp, MoxTr::tr("上移"), MoxTr::tr("向上移动会话缓存规则")},
             {CRuleListPage::eDown, MoxTr::tr("下移"), MoxTr::tr("向下移动会话缓存规则")},
             {CRuleListPage::eModify, MoxTr::tr("修改"), MoxTr::tr("修改选中的会话缓存规则")},
             {CRuleListPage::eHelp, MoxTr::tr("帮助"), QString()},
             {CRuleListPage::eImport, MoxTr::tr("导入"), MoxTr::tr("导入规则")},
             {CRuleListPage::eExport, MoxTr::tr("导出"), MoxTr::tr("导出规则")},
             {CRuleListPage::eMonitor, MoxTr::tr("访问监控"), MoxTr::tr("实时监控此规则的访问请求")}},
            {MoxTr::tr("您确定要删除选择的回话缓存规则吗？"), MoxTr::tr("删除会话缓存规则")},
            {eMoxCacheEvent_SCacheList, eMoxCacheEvent_SCacheAdd, eMoxCacheEvent_SCacheDelete,
             eMoxCacheEvent_SCacheModify, eMoxCacheEvent_SCacheMoveUp, eMoxCacheEvent_SCacheMoveDown},
            CacheManager_SCacheList,
            CacheManager_SCacheDel,
            CacheManager_SCacheUp,
            CacheManager_SCacheDown,
            {MoxText::Noop("正在从服务器上获取会话缓存列表，请稍候...."), MoxText::Noop("正在发送删除会话缓存的请求，请稍候...."),
             MoxText::Noop("正在向上移动会话缓存，请稍候...."), MoxText::Noop("正在向下移动会话缓存，请稍候....")},
            SessionCacheHelpUrl(),
            [](const SCacheRule& rule) { return CacheRuleMonitorAddress(rule.ActionUrl, rule.Rules, rule.Icase); }};
}

}  // namespace

CMoxSCacheDlg::CMoxSCacheDlg(QWidget* parent) : CRulePageT(parent, SessionCacheFamily()) {}
