#include "features/monitor/RealtimeNumberForms.h"

#include "shell/TextFormat.h"

namespace {
constexpr std::int64_t kKilo = 1024;
constexpr std::int64_t kMega = kKilo * kKilo;
constexpr std::int64_t kGiga = kMega * kKilo;

std::string TwoDecimals(std::int64_t kb, std::int64_t unit)
{
    return FormatText("%.2f", static_cast<double>(kb) / static_cast<double>(unit));
}
}  // namespace

std::string FormatKbText(std::int64_t kb)
{
    if (kb < kKilo)
        return FormatText("%lld KB", static_cast<long long>(kb < 0 ? 0 : kb));
    if (kb < kMega)
        return TwoDecimals(kb, kKilo) + " MB";
    return TwoDecimals(kb, kMega) + " GB";
}

KbValueUnit FormatKbValueUnit(std::int64_t kb)
{
    if (kb < kKilo)
        return {FormatText("%lld", static_cast<long long>(kb < 0 ? 0 : kb)), "KB"};
    if (kb < kMega)
        return {TwoDecimals(kb, kKilo), "MB"};
    if (kb < kGiga)
        return {TwoDecimals(kb, kMega), "GB"};
    return {TwoDecimals(kb, kGiga), "TB"};
}
