#include "features/config/ToolsResultTexts.h"
#include "shell/MoxText.h"

namespace {

constexpr int kFirstFlag = 10;
constexpr const char* kCacheFlagTexts[] = {
    MoxText::Noop("测试结果: 此 Url 允许但还无被页面缓存."),
    MoxText::Noop("测试结果: 此 Url 允许并已经被页面缓存."),
    MoxText::Noop("测试结果: 此 Url 被拒绝缓存."),
    MoxText::Noop("测试结果: 此 Url 属于会员登录验证地址(属于会话缓存设定), 此页面拒绝被缓存."),
    MoxText::Noop("测试结果: Morvix 将根据网站的 HTTP 返回头(Pragma, Date, Expire 和 Cache-Control)决定是否缓存和缓存时长(智能缓存)."),
};

}  // namespace

std::string CacheFlagText(int cacheFlag)
{
    const int index = cacheFlag - kFirstFlag;
    if (index < 0 || index >= static_cast<int>(std::size(kCacheFlagTexts)))
        return {};
    return MoxText::tr(kCacheFlagTexts[index]);
}

std::string IpLookupText(std::string_view ip, std::string_view location)
{
    const bool unknown = location.empty() || location == "NULL";
    std::string text(ip);
    text += '\n';
    text += unknown ? MoxText::tr("无此记录或IP地址格式错误") : std::string(location);
    return text;
}
