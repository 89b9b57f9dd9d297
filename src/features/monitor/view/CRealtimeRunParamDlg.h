#pragma once

#include "features/monitor/RealtimeFigureSampler.h"

#include <QWidget>

#include <array>

class CFigureBox;
class CGraphWnd;

// The "实时监控" pane: eight figure boxes and four graphs, updated by every accepted counters
// reply and started afresh by every login.
class CRealtimeRunParamDlg : public QWidget {
    Q_OBJECT
public:
    enum Figure {
        eFigure_Saving,
        eFigure_BandwidthExt,
        eFigure_HitCurrent,
        eFigure_BandwidthIn,
        eFigure_ConnectionsExt,
        eFigure_ConnectionsIn,
        eFigure_CacheMemory,
        eFigure_CachedPages,
        kFigureCount
    };
    enum Graph { eGraph_HitRates, eGraph_Bandwidths, eGraph_Connections, eGraph_CacheMemory, kGraphCount };

    explicit CRealtimeRunParamDlg(QWidget* parent = nullptr);

    void ShowRealtime(const RealtimeInfo& info);
    // A new session: graphs emptied, calculators restarted with the hit-rate window read again.
    void Reset();

    CFigureBox* Box(Figure figure) const { return boxes_[figure]; }
    CGraphWnd* GraphOf(Graph graph) const { return graphs_[graph]; }
    const RealtimeFigureSampler& Sampler() const { return sampler_; }

private:
    QWidget* BuildGraph(Graph graph, const QString& caption);

    RealtimeFigureSampler sampler_;
    std::array<CFigureBox*, kFigureCount> boxes_{};
    std::array<CGraphWnd*, kGraphCount> graphs_{};
};
