#include "features/cache/view/CFCachePage.h"

#include "features/cache/FCacheColumns.h"
#include "features/cache/FCacheRequests.h"
#include "features/cache/view/CacheRuleMonitor.h"
#include "messaging/EventKinds.h"
#include "shell/HelpPages.h"
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

CFCachePage::Family PageCacheFamily()
{
    return {{{MoxTr::tr("序号"), 40},
             {MoxTr::tr("缓存地址"), 280},
             {MoxTr::tr("匹配规则"), 150},
             {MoxTr::tr("超时周期"), 65},
             {QStringLiteral("Set-Cookie"), 65},
             {MoxTr::tr("开放权限"), 65},
             {MoxTr::tr("硬盘缓存"), 65},
             {MoxTr::tr("备注说明"), 100}},
            FCacheColumnText,
            &CMoxCacheInstance::fcacheRules,
            {{CRuleListPage::eAdd, MoxTr::tr("增加"), MoxTr::tr("添加页面缓存规则")},
             {CRuleListPage::eDelete, MoxTr::tr("删除"), MoxTr::tr("按 Ctrl 或 Shift 键多选可批量删除页面缓存规则")},
             {CRuleListPage::eRefresh, MoxTr::tr("刷新"), MoxTr::tr("刷新页面缓存规则列表")},
             {CRuleListPage::eUp, MoxTr::tr("上移"), MoxTr::tr("向上移动页面缓存规则")},
             {CRuleListPage::eDown, MoxTr::tr("下移"), MoxTr::tr("向下移动页面缓存规则")},
             {CRuleListPage::eModify, MoxTr::tr("修改"), MoxTr::tr("修改选中的页面缓存规则")},
             {CRuleListPage::eHelp, MoxTr::tr("帮助"), QString()},
             {CRuleListPage::eImport, MoxTr::tr("导入"), MoxTr::tr("导入规则")},
             {CRuleListPage::eExport, MoxTr::tr("导出"), MoxTr::tr("导出规则")},
             {CRuleListPage::eMonitor, MoxTr::tr("访问监控"), MoxTr::tr("实时监控此规则的访问请求")}},
            {MoxTr::tr("您确定要删除选择的页面缓存规则吗？"), MoxTr::tr("删除页面缓存规则")},
            {eMoxCacheEvent_FCacheList, eMoxCacheEvent_FCacheAdd, eMoxCacheEvent_FCacheDelete,
             eMoxCacheEvent_FCacheModify, eMoxCacheEvent_FCacheMoveUp, eMoxCacheEvent_FCacheMoveDown},
            CacheManager_FCacheList,
            CacheManager_FCacheDel,
            CacheManager_FCacheUp,
            CacheManager_FCacheDown,
            {MoxText::Noop("正在刷新强制缓存列表，请稍候...."), MoxText::Noop("正在发送删除强制缓存的请求，请稍候...."),
             MoxText::Noop("正在向上移动强制缓存，请稍候...."), MoxText::Noop("正在向下移动强制缓存，请稍候....")},
            PageCacheHelpUrl(),
            [](const FCacheRule& rule) { return CacheRuleMonitorAddress(rule.Url, rule.Rules, rule.Icase); }};
}

}  // namespace

CFCachePage::CFCachePage(QWidget* parent) : CRulePageT(parent, PageCacheFamily()) {}
