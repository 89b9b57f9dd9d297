#include "features/cache/view/CMoxSCacheDlg.h"

#include "features/cache/CacheListColumns.h"
#include "features/cache/SCacheRequests.h"
#include "features/cache/view/CacheRuleMonitor.h"
#include "messaging/EventKinds.h"
#include "shell/HelpPages.h"

namespace {

CMoxSCacheDlg::Family SessionCacheFamily()
{
    return {{{QStringLiteral("序号"), 40},
             {QStringLiteral("登录验证地址URL"), 300},
             {QStringLiteral("匹配规则"), 150},
             {QStringLiteral("会话ID变量名"), 150},
             {QStringLiteral("缓存周期"), 65},
             {QStringLiteral("备注说明"), 160}},
            SCacheColumnText,
            &CMoxCacheInstance::scacheRules,
            {{CRuleListPage::eAdd, QStringLiteral("增加"), QStringLiteral("添加会话缓存规则")},
             {CRuleListPage::eDelete, QStringLiteral("删除"), QStringLiteral("按 Ctrl 或 Shift 键多选可批量删除会话缓存规则")},
             {CRuleListPage::eRefresh, QStringLiteral("刷新"), QStringLiteral("刷新会话缓存规则列表")},
             {CRuleListPage::eUp, QStringLiteral("上移"), QStringLiteral("向上移动会话缓存规则")},
             {CRuleListPage::eDown, QStringLiteral("下移"), QStringLiteral("向下移动会话缓存规则")},
             {CRuleListPage::eModify, QStringLiteral("修改"), QStringLiteral("修改选中的会话缓存规则")},
             {CRuleListPage::eHelp, QStringLiteral("帮助"), QString()},
             {CRuleListPage::eImport, QStringLiteral("导入"), QStringLiteral("导入规则")},
             {CRuleListPage::eExport, QStringLiteral("导出"), QStringLiteral("导出规则")},
             {CRuleListPage::eMonitor, QStringLiteral("访问监控"), QStringLiteral("实时监控此规则的访问请求")}},
            {QStringLiteral("您确定要删除选择的回话缓存规则吗？"), QStringLiteral("删除会话缓存规则")},
            {eMoxCacheEvent_SCacheList, eMoxCacheEvent_SCacheAdd, eMoxCacheEvent_SCacheDelete,
             eMoxCacheEvent_SCacheModify, eMoxCacheEvent_SCacheMoveUp, eMoxCacheEvent_SCacheMoveDown},
            CacheManager_SCacheList,
            CacheManager_SCacheDel,
            CacheManager_SCacheUp,
            CacheManager_SCacheDown,
            {"正在从服务器上获取会话缓存列表，请稍候....", "正在发送删除会话缓存的请求，请稍候....",
             "正在向上移动会话缓存，请稍候....", "正在向下移动会话缓存，请稍候...."},
            SessionCacheHelpUrl(),
            [](const SCacheRule& rule) { return CacheRuleMonitorAddress(rule.ActionUrl, rule.Rules, rule.Icase); }};
}

}  // namespace

CMoxSCacheDlg::CMoxSCacheDlg(QWidget* parent) : CRulePageT(parent, SessionCacheFamily()) {}
