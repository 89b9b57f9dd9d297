#include "features/cache/view/CFCachePage.h"

#include "features/cache/FCacheColumns.h"
#include "features/cache/FCacheRequests.h"
#include "features/cache/view/CacheRuleMonitor.h"
#include "messaging/EventKinds.h"
#include "shell/HelpPages.h"

namespace {

CFCachePage::Family PageCacheFamily()
{
    return {{{QStringLiteral("序号"), 40},
             {QStringLiteral("缓存地址"), 280},
             {QStringLiteral("匹配规则"), 150},
             {QStringLiteral("超时周期"), 65},
             {QStringLiteral("Set-Cookie"), 65},
             {QStringLiteral("开放权限"), 65},
             {QStringLiteral("硬盘缓存"), 65},
             {QStringLiteral("备注说明"), 100}},
            FCacheColumnText,
            &CMoxCacheInstance::fcacheRules,
            {{CRuleListPage::eAdd, QStringLiteral("增加"), QStringLiteral("添加页面缓存规则")},
             {CRuleListPage::eDelete, QStringLiteral("删除"), QStringLiteral("按 Ctrl 或 Shift 键多选可批量删除页面缓存规则")},
             {CRuleListPage::eRefresh, QStringLiteral("刷新"), QStringLiteral("刷新页面缓存规则列表")},
             {CRuleListPage::eUp, QStringLiteral("上移"), QStringLiteral("向上移动页面缓存规则")},
             {CRuleListPage::eDown, QStringLiteral("下移"), QStringLiteral("向下移动页面缓存规则")},
             {CRuleListPage::eModify, QStringLiteral("修改"), QStringLiteral("修改选中的页面缓存规则")},
             {CRuleListPage::eHelp, QStringLiteral("帮助"), QString()},
             {CRuleListPage::eImport, QStringLiteral("导入"), QStringLiteral("导入规则")},
             {CRuleListPage::eExport, QStringLiteral("导出"), QStringLiteral("导出规则")},
             {CRuleListPage::eMonitor, QStringLiteral("访问监控"), QStringLiteral("实时监控此规则的访问请求")}},
            {QStringLiteral("您确定要删除选择的页面缓存规则吗？"), QStringLiteral("删除页面缓存规则")},
            {eMoxCacheEvent_FCacheList, eMoxCacheEvent_FCacheAdd, eMoxCacheEvent_FCacheDelete,
             eMoxCacheEvent_FCacheModify, eMoxCacheEvent_FCacheMoveUp, eMoxCacheEvent_FCacheMoveDown},
            CacheManager_FCacheList,
            CacheManager_FCacheDel,
            CacheManager_FCacheUp,
            CacheManager_FCacheDown,
            {"正在刷新强制缓存列表，请稍候....", "正在发送删除强制缓存的请求，请稍候....",
             "正在向上移动强制缓存，请稍候....", "正在向下移动强制缓存，请稍候...."},
            PageCacheHelpUrl(),
            [](const FCacheRule& rule) { return CacheRuleMonitorAddress(rule.Url, rule.Rules, rule.Icase); }};
}

}  // namespace

CFCachePage::CFCachePage(QWidget* parent) : CRulePageT(parent, PageCacheFamily()) {}
