#include "features/monitor/HostMonitorForms.h"

#include "shell/TextFormat.h"

#include <array>
#include "shell/MoxText.h"

std::string FormatIntervalBytes(double bytes)
{
    static constexpr std::array<const char*, 3> kSmallerUnits{"KB", "MB", "GB"};
    double value = bytes / 1024;
    for (const char* unit : kSmallerUnits) {
        if (value < 1024)
            return FormatText("%.2f %s", value, unit);
        value /= 1024;
    }
    return FormatText("%.2f TB", value);
}

std::string FormatMbps(double mbps)
{
    return FormatText("%.2f m/s", mbps);
}

std::string BalancePolicyText(int balance)
{
    static constexpr std::array<const char*, 3> kPolicies{MoxText::Noop("轮询请求"), MoxText::Noop("IP地址哈希"), MoxText::Noop("URL地址哈希")};
    if (balance < 0 || balance >= static_cast<int>(kPolicies.size()))
        return {};
    return kPolicies[static_cast<std::size_t>(balance)];
}
