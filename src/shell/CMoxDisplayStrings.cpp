#include "shell/CMoxDisplayStrings.h"

#include "shell/AppPaths.h"
#include "shell/IniProfile.h"

#include <string_view>
#include "shell/MoxText.h"

struct CMoxDisplayStrings::Key {
    std::string_view section;
    std::string_view key;
    std::string_view fallback;
    std::string CMoxDisplayStrings::*target;
};

// The memory keys really are spelt "memery" in installed files.
const CMoxDisplayStrings::Key CMoxDisplayStrings::kKeys[] = {
    {"Morvix", "name", MoxText::Noop("Morvix 远程监控端"), &CMoxDisplayStrings::name_},
    {"Morvix", "product_name", "Morvix", &CMoxDisplayStrings::productName_},
    {"Morvix", "about_url", "https://morvix.example/", &CMoxDisplayStrings::aboutUrl_},
    {"Morvix", "about_copyright", "Copyright © Morvix", &CMoxDisplayStrings::aboutCopyright_},
    {"FlowMonitor", "hit_arg", MoxText::Noop("平均命中率"), &CMoxDisplayStrings::hitAverage_},
    {"FlowMonitor", "hit_current", MoxText::Noop("当前命中率"), &CMoxDisplayStrings::hitCurrent_},
    {"FlowMonitor", "bandwidth_ext", MoxText::Noop("外部带宽值"), &CMoxDisplayStrings::bandwidthExternal_},
    {"FlowMonitor", "bandwidth_in", MoxText::Noop("内部带宽值"), &CMoxDisplayStrings::bandwidthInternal_},
    {"FlowMonitor", "connections_ext", MoxText::Noop("外部连接数"), &CMoxDisplayStrings::connectionsExternal_},
    {"FlowMonitor", "connections_in", MoxText::Noop("内部连接数"), &CMoxDisplayStrings::connectionsInternal_},
    {"FlowMonitor", "memery_cache_size", MoxText::Noop("内存缓存尺寸"), &CMoxDisplayStrings::memoryCacheSize_},
    {"FlowMonitor", "memery_cache_sum", MoxText::Noop("内存缓存数量"), &CMoxDisplayStrings::memoryCacheCount_},
    {"Other", "dir_example", MoxText::Noop("请输入缓存目录，如：E:\\morvix-cache-1"), &CMoxDisplayStrings::directoryExample_},
    {"Other", "dir_example_linux", MoxText::Noop("请输入缓存目录，如：/morvix-cache-1"), &CMoxDisplayStrings::directoryExampleLinux_},
};

namespace {
constexpr std::size_t kValueBuffer = 128;
}

const CMoxDisplayStrings& CMoxDisplayStrings::Instance()
{
    static const CMoxDisplayStrings strings(AppPaths::ApplicationDataFile("String.ini"));
    return strings;
}

CMoxDisplayStrings::CMoxDisplayStrings(const std::filesystem::path& file)
{
    const IniProfile profile(file);
    for (const Key& entry : kKeys)
        this->*entry.target = profile.ReadString(entry.section, entry.key, entry.fallback, kValueBuffer);
}
