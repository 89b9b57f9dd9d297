#include "shell/MainNavigation.h"

#include <optional>
#include "shell/MoxText.h"

namespace {

using Switch = CIniOptionFile::GuiSwitch;

struct ShownIf {
    NavigationEntry entry;
    std::optional<Switch> onlyWith;
};

const ShownIf kNavigation[] = {
    {{MoxText::Noop("流量监控"), 9, eView_Realtime, MoxText::Noop("实时流量统计：实时监控、系统资源监控与统计报告")}, {}},
    {{MoxText::Noop("访问监控"), 3, eView_AccessMonitor, MoxText::Noop("实时访问监控与请求监控记录")}, {}},
    {{MoxText::Noop("域名监控"), 4, eView_HostMonitor, MoxText::Noop("域名与源站监控")}, Switch::ShowHostMonitor},
    {{MoxText::Noop("缓存规则"), 0, eView_CacheRules, MoxText::Noop("页面缓存、拒绝缓存与会话缓存规则，缓存清理")}, Switch::ShowCacheRule},
    {{MoxText::Noop("转向管理"), 5, eView_Rewrite, MoxText::Noop("转向规则")}, Switch::ShowCacheRule},
    {{MoxText::Noop("安全设置"), 8, eView_Security, MoxText::Noop("黑名单与白名单")}, {}},
    {{MoxText::Noop("硬盘缓存"), 7, eView_DiskCache, MoxText::Noop("硬盘缓存目录")}, {}},
    {{MoxText::Noop("域名劫持"), 6, eView_DnsRedirect, MoxText::Noop("DNS 服务、域名劫持与负载均衡")}, Switch::ShowDnsRedirect},
    {{MoxText::Noop("集群配置"), 4, eView_Cluster, MoxText::Noop("集群角色与集群状态")}, Switch::ShowCluster},
    {{MoxText::Noop("缓存列表"), 0, eView_CachedUrls, MoxText::Noop("所有已缓存的 Url")}, Switch::ShowCachedUrls},
    {{MoxText::Noop("系统配置"), 10, eView_System, MoxText::Noop("系统选项")}, {}},
};

struct ToolbarShownIf {
    ToolbarEntry entry;
    std::optional<Switch> onlyWith;
};

const ToolbarShownIf kToolbar[] = {
    {{MoxText::Noop("登录"), 0, 48, eCmd_Login}, {}},
    {{MoxText::Noop("超级后台"), 9, 68, eCmd_WebAdmin}, Switch::ShowWebAdmin},
    {{MoxText::Noop("修改密码"), 2, 68, eCmd_ChangePassword}, {}},
    {{MoxText::Noop("小工具"), 4, 58, eCmd_Tools}, Switch::ShowTools},
    {{MoxText::Noop("关于"), 7, 48, eCmd_About}, {}},
};

template <class Entry, class Row, std::size_t N>
std::vector<Entry> Filter(const Row (&rows)[N], const CIniOptionFile& options)
{
    std::vector<Entry> shown;
    for (const Row& row : rows)
        if (!row.onlyWith || options.IsGuiSwitchOn(*row.onlyWith))
            shown.push_back(row.entry);
    return shown;
}

}  // namespace

std::vector<NavigationEntry> VisibleNavigation(const CIniOptionFile& options)
{
    return Filter<NavigationEntry>(kNavigation, options);
}

std::vector<ToolbarEntry> VisibleToolbar(const CIniOptionFile& options)
{
    return Filter<ToolbarEntry>(kToolbar, options);
}
