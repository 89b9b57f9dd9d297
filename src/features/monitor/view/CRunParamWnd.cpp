#include "features/monitor/view/CRunParamWnd.h"

#include "features/monitor/RealtimeInfo.h"
#include "features/monitor/RealtimeNumberForms.h"

#include <QGridLayout>
#include <QLabel>
#include "shell/MoxText.h"
#include "controls/MoxTr.h"

namespace {

struct CounterRow {
    const char* label;
    std::string (*value)(const RealtimeInfo&);
};

std::string Count(std::int64_t value)
{
    return std::to_string(value);
}

std::string ValueUnit(std::int64_t kb)
{
    const KbValueUnit shown = FormatKbValueUnit(kb);
    return shown.value + " " + shown.unit;
}

const CounterRow kRows[] = {
    {MoxText::Noop("用户并发连接请求数："), [](const RealtimeInfo& i) { return Count(i.CurrentUserConnections); }},
    {MoxText::Noop("源站并发连接请求数："), [](const RealtimeInfo& i) { return Count(i.CurrentUpstreamConnections); }},
    {MoxText::Noop("已发送数据量："), [](const RealtimeInfo& i) { return FormatKbText(i.TotalSendKB); }},
    {MoxText::Noop("已接收数据量："), [](const RealtimeInfo& i) { return FormatKbText(i.TotalRecvKB); }},
    {MoxText::Noop("当前内存总占用："), [](const RealtimeInfo& i) { return ValueUnit(i.AllUsedMemSize); }},
    // The server's count is unsigned.
    {MoxText::Noop("当前页面缓存数量："), [](const RealtimeInfo& i) { return Count(static_cast<std::uint32_t>(i.NumOfCaches)); }},
    {MoxText::Noop("当前缓存页面占用内存："), [](const RealtimeInfo& i) { return FormatKbText(i.CacheUsedMemSize); }},
    {MoxText::Noop("公共缓存占用的内存尺寸："), [](const RealtimeInfo& i) { return FormatKbText(i.PublicCacheUsedMemSize); }},
    {MoxText::Noop("会员缓存占用的内存尺寸："), [](const RealtimeInfo& i) { return FormatKbText(i.MemberCacheUsedMemSize); }},
    {MoxText::Noop("游客缓存占用的内存尺寸："), [](const RealtimeInfo& i) { return FormatKbText(i.VisitorCacheUsedMemSize); }},
    {MoxText::Noop("已缓存会话的数量："), [](const RealtimeInfo& i) { return Count(i.NumOfCachedSessions); }},
    {MoxText::Noop("公共缓存的页面数量："), [](const RealtimeInfo& i) { return Count(i.NumOfPublicCaches); }},
    {MoxText::Noop("会员缓存的页面数量："), [](const RealtimeInfo& i) { return Count(i.NumOfMemberCaches); }},
    {MoxText::Noop("游客缓存的页面数量："), [](const RealtimeInfo& i) { return Count(i.NumOfVisitorCaches); }},
    {MoxText::Noop("Morvix 服务器启动时间："), [](const RealtimeInfo& i) { return i.StartTime; }},
    {MoxText::Noop("Morvix 服务器当前时间："), [](const RealtimeInfo& i) { return i.CurrentTime; }},
};

}  // namespace

CRunParamWnd::CRunParamWnd(QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, 16, 24, 16);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    int row = 0;
    for (const CounterRow& shape : kRows) {
        auto* label = new QLabel(MoxTr::tr(shape.label), this);
        auto* value = new QLabel(this);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setBuddy(value);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, row, 0);
        grid->addWidget(value, row, 1);
        labels_.push_back(label);
        values_.push_back(value);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);
}

void CRunParamWnd::ShowRealtime(const RealtimeInfo& info)
{
    for (std::size_t row = 0; row < values_.size(); ++row)
        values_[row]->setText(QString::fromStdString(kRows[row].value(info)));
}

QString CRunParamWnd::LabelText(int row) const
{
    return labels_.at(static_cast<std::size_t>(row))->text();
}

QString CRunParamWnd::ValueText(int row) const
{
    return values_.at(static_cast<std::size_t>(row))->text();
}
