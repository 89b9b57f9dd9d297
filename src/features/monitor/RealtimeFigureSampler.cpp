#include "features/monitor/RealtimeFigureSampler.h"

#include "features/monitor/RealtimeFigures.h"

#include <algorithm>

namespace {

// The rate as plotted: out of range shows 0, like the figure.
double PlottedKbps(long double kbps)
{
    return kbps < 0 || kbps > kRealtimeKbpsCeiling ? 0 : static_cast<double>(kbps);
}

}  // namespace

RealtimeFigureSampler::RealtimeFigureSampler(int hitWindowMinutes, MonitorClock clock)
    : clock_(clock), internal_(clock), external_(clock), hits_(hitWindowMinutes, clock)
{
}

void RealtimeFigureSampler::Reset(int hitWindowMinutes)
{
    internal_.Reset();
    external_.Reset();
    hits_.Reset(hitWindowMinutes);
    baseline_.reset();
    largestSaving_.reset();
}

RealtimeFigureSample RealtimeFigureSampler::Sample(const RealtimeInfo& info)
{
    KeepBaseline(info);
    internal_.Update(info.TotalSendKB, info.CurrentTickCount);
    external_.Update(info.TotalRecvFromResponseKB, info.CurrentTickCount);
    hits_.Update(info.TotalSendKB, info.TotalRecvKB, info.TotalSendToResponseKB, info.TotalRecvFromResponseKB);
    const std::int64_t saved = info.TotalSendKB - info.TotalRecvFromResponseKB;
    largestSaving_ = largestSaving_ ? std::max(*largestSaving_, saved) : saved;

    RealtimeFigureSample sample;
    sample.saving = RealtimeSavingPercent(info.TotalSendKB, info.TotalRecvFromResponseKB);
    sample.bandwidthExt = RealtimeBandwidthShown(external_.Rate());
    sample.hitCurrent = hits_.HitRate();
    sample.bandwidthIn = RealtimeBandwidthShown(internal_.Rate());
    sample.kbpsExt = PlottedKbps(external_.Rate());
    sample.kbpsIn = PlottedKbps(internal_.Rate());
    sample.largestSavingKB = *largestSaving_;
    return sample;
}

void RealtimeFigureSampler::KeepBaseline(const RealtimeInfo& info)
{
    const std::uint64_t now = clock_();
    if (baseline_ && now - baseline_->localTick <= kBaselineMs)
        return;
    baseline_ = RealtimeBaseline{info.TotalSendKB,           info.TotalRecvKB,      info.TotalSendToResponseKB,
                                 info.TotalRecvFromResponseKB, info.CurrentTickCount, now};
}
