#include "features/monitor/view/CRealtimeRunParamDlg.h"

#include "controls/CGraphWnd.h"
#include "features/monitor/RealtimeNumberForms.h"
#include "features/monitor/view/CFigureBox.h"
#include "shell/CMoxDisplayStrings.h"
#include "shell/CMoxInstanceManager.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

namespace {

int HitWindowMinutes()
{
    return CMoxInstanceManager::GetInstanceManager()->Options().CacheHitsMinutes();
}

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QString TwoDecimals(double value)
{
    return QString::number(value, 'f', 2);
}

}  // namespace

CRealtimeRunParamDlg::CRealtimeRunParamDlg(QWidget* parent) : QWidget(parent), sampler_(HitWindowMinutes())
{
    const CMoxDisplayStrings& labels = CMoxDisplayStrings::Instance();
    const QString percent = QStringLiteral("%");
    const QString megabits = QStringLiteral("m/s");
    const QString pieces = MoxTr::tr("个");
    const std::array<std::pair<QString, QString>, kFigureCount> shapes{{
        {Text(labels.HitAverage()), percent},
        {Text(labels.BandwidthExternal()), megabits},
        {Text(labels.HitCurrent()), percent},
        {Text(labels.BandwidthInternal()), megabits},
        {Text(labels.ConnectionsExternal()), pieces},
        {Text(labels.ConnectionsInternal()), pieces},
        {Text(labels.MemoryCacheSize()), QStringLiteral("KB")},
        {Text(labels.MemoryCacheCount()), pieces},
    }};
    auto* figures = new QGridLayout;
    figures->setSpacing(6);
    for (int index = 0; index < kFigureCount; ++index) {
        boxes_[index] = new CFigureBox(shapes[index].first, shapes[index].second, this);
        figures->addWidget(boxes_[index], index / 4, index % 4);
    }

    graphs_[eGraph_HitRates] = new CGraphWnd(CGraphWnd::Scale::Percent, this);
    graphs_[eGraph_Bandwidths] = new CGraphWnd(CGraphWnd::Scale::Automatic, this);
    graphs_[eGraph_Connections] = new CGraphWnd(CGraphWnd::Scale::Automatic, this);
    graphs_[eGraph_CacheMemory] = new CGraphWnd(CGraphWnd::Scale::AutomaticSeparate, this);
    auto caption = [&](Figure green, Figure red) { return shapes[green].first + QStringLiteral(" / ") + shapes[red].first; };
    auto* graphs = new QGridLayout;
    graphs->setSpacing(6);
    graphs->addWidget(BuildGraph(eGraph_HitRates, caption(eFigure_Saving, eFigure_HitCurrent)), 0, 0);
    graphs->addWidget(BuildGraph(eGraph_Bandwidths, caption(eFigure_BandwidthExt, eFigure_BandwidthIn)), 0, 1);
    graphs->addWidget(BuildGraph(eGraph_Connections, caption(eFigure_ConnectionsExt, eFigure_ConnectionsIn)), 1, 0);
    graphs->addWidget(BuildGraph(eGraph_CacheMemory, caption(eFigure_CacheMemory, eFigure_CachedPages)), 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(figures);
    layout->addLayout(graphs, 1);
}

QWidget* CRealtimeRunParamDlg::BuildGraph(Graph graph, const QString& caption)
{
    auto* box = new QWidget(this);
    auto* title = new QLabel(caption, box);
    title->setBuddy(graphs_[graph]);
    graphs_[graph]->setAccessibleName(caption);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(title);
    layout->addWidget(graphs_[graph], 1);
    return box;
}

void CRealtimeRunParamDlg::Reset()
{
    sampler_.Reset(HitWindowMinutes());
    for (CGraphWnd* graph : graphs_)
        graph->Clear();
}

void CRealtimeRunParamDlg::ShowRealtime(const RealtimeInfo& info)
{
    const RealtimeFigureSample figures = sampler_.Sample(info);
    boxes_[eFigure_Saving]->Show(TwoDecimals(figures.saving));
    boxes_[eFigure_BandwidthExt]->Show(TwoDecimals(figures.bandwidthExt));
    boxes_[eFigure_HitCurrent]->Show(TwoDecimals(figures.hitCurrent));
    boxes_[eFigure_BandwidthIn]->Show(TwoDecimals(figures.bandwidthIn));
    boxes_[eFigure_ConnectionsExt]->Show(QString::number(info.CurrentUpstreamConnections));
    boxes_[eFigure_ConnectionsIn]->Show(QString::number(info.CurrentUserConnections));
    const KbValueUnit memory = FormatKbValueUnit(info.CacheUsedMemSize);
    boxes_[eFigure_CacheMemory]->Show(Text(memory.value), Text(memory.unit));
    boxes_[eFigure_CachedPages]->Show(QString::number(info.NumOfCaches));

    graphs_[eGraph_HitRates]->AddSample(figures.saving, figures.hitCurrent);
    graphs_[eGraph_Bandwidths]->AddSample(figures.kbpsExt, figures.kbpsIn);
    graphs_[eGraph_Connections]->AddSample(info.CurrentUpstreamConnections, info.CurrentUserConnections);
    graphs_[eGraph_CacheMemory]->AddSample(static_cast<double>(info.CacheUsedMemSize), info.NumOfCaches);
}
