// The realtime counters and traffic report replies of CMoxHttpCallback.
#include "features/monitor/CRealtimeStatEventParam.h"
#include "features/monitor/NewestRealtime.h"
#include "features/monitor/RealtimeEvents.h"
#include "features/monitor/RealtimeReportParse.h"
#include "protocol/CMoxHttpCallback.h"
#include "protocol/ReplyObjectReader.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/Utf8Text.h"
#include "shell/MoxText.h"

namespace nsMoxHttp {
namespace {

const ReplyTexts kCountersTexts{"", MoxText::Noop("获取实时监控信息失败，%s(错误号:%d)。"),
                                kServerUnreachableText};
const ReplyTexts kReportTexts{"", MoxText::Noop("获取统计报告失败，%s(错误号:%d)。"), MoxText::Noop("获取统计报告失败，网络连接错误。")};

}  // namespace

void CMoxHttpCallback::OnRealtimeList(bool failed)
{
    CompleteWithRecord<CRealtimeInfoEventParam>(
        failed, kCountersTexts, [this](const Json::Value& root, CRealtimeInfoEventParam& record) {
            if (CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance())
                MergeNewerRealtime(*instance, RequestNumber(), root, record.item);
            return true;
        });
}

void CMoxHttpCallback::OnRealtimeTotalStat(bool failed)
{
    CompleteWithRecord<CRealtimeStatEventParam>(failed, kReportTexts, [](const Json::Value& root, auto& record) {
        ReplyObjectReader reader(root);
        record.ReportText = Utf8Text::Sanitize(reader.RequiredString("RealTimeReport"));
        record.StartTime = Utf8Text::Sanitize(reader.OptionalString("StartTime", ""));
        record.EndTime = Utf8Text::Sanitize(reader.OptionalString("EndTime", ""));
        record.HitCachesRate = Utf8Text::Sanitize(reader.OptionalString("HitCachesRate", ""));
        if (reader.Malformed())
            return false;
        record.rows = ParseRealtimeReport(record.ReportText);
        return true;
    });
}

}  // namespace nsMoxHttp
