#include "features/cache/view/CRCacheManagerDlg.h"

#include "features/cache/CacheListColumns.h"
#include "features/cache/RCacheRequests.h"
#include "features/cache/view/CacheRuleMonitor.h"
#include "messaging/EventKinds.h"
#include "shell/HelpPages.h"

namespace {

CRCacheManagerDlg::Family RefuseCacheFamily()
{
    return {{{QStringLiteral("序号"), 40},
             {QStringLiteral("拒绝缓存地址URL"), 320},
             {QStringLiteral("匹配规则"), 150},
             {QStringLiteral("拒绝开放权限"), 90},
             {QStringLiteral("拒绝缓存位置"), 100},
             {QStringLiteral("备注说明"), 180}},
            RCacheColumnText,
            &CMoxCacheInstance::rcacheRules,
            {{CRuleListPage::eAdd, QStringLiteral("增加"), QStringLiteral("添加拒绝缓存规则")},
             {CRuleListPage::eDelete, QStringLiteral("删除"), QStringLiteral("按 Ctrl 或 Shift 键多选可批量删除拒绝缓存规则")},
             {CRuleListPage::eRefresh, QStringLiteral("刷新"), QStringLiteral("刷新拒绝缓存规则列表")},
             {CRuleListPage::eUp, QStringLiteral("上移"), QStringLiteral("向上移动拒绝缓存规则")},
             {CRuleListPage::eDown, QStringLiteral("下移"), QStringLiteral("向下移动拒绝缓存规则")},
             {CRuleListPage::eModify, QStringLiteral("修改"), QStringLiteral("修改选中的拒绝缓存规则")},
             {CRuleListPage::eHelp, QStringLiteral("帮助"), QString()},
             {CRuleListPage::eImport, QStringLiteral("导入"), QStringLiteral("导入规则")},
             {CRuleListPage::eExport, QStringLiteral("导出"), QStringLiteral("导出规则")},
             {CRuleListPage::eMonitor, QStringLiteral("访问监控"), QStringLiteral("实时监控此规则的访问请求")}},
            {QStringLiteral("您确定要删除选择的拒绝缓存规则吗？"), QStringLiteral("删除拒绝缓存规则")},
            {eMoxCacheEvent_RCacheList, eMoxCacheEvent_RCacheAdd, eMoxCacheEvent_RCacheDelete,
             eMoxCacheEvent_RCacheModify, eMoxCacheEvent_RCacheMoveUp, eMoxCacheEvent_RCacheMoveDown},
            CacheManager_RCacheList,
            CacheManager_RCacheDel,
            CacheManager_RCacheUp,
            CacheManager_RCacheDown,
            {"正在获取拒绝缓存列表，请稍候....", "正在发送删除拒绝缓存的请求，请稍候....",
             "正在向上移动拒绝缓存，请稍候....", "正在向下移动拒绝缓存，请稍候...."},
            RefuseCacheHelpUrl(),
            [](const RCacheRule& rule) { return CacheRuleMonitorAddress(rule.Url, rule.Rules, rule.Icase); }};
}

}  // namespace

CRCacheManagerDlg::CRCacheManagerDlg(QWidget* parent) : CRulePageT(parent, RefuseCacheFamily()) {}
