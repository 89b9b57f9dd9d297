#pragma once

#include <QWidget>

#include <vector>

class QLabel;
struct RealtimeInfo;

// The "系统资源监控" pane: the server's counters as label and value pairs.
class CRunParamWnd : public QWidget {
    Q_OBJECT
public:
    explicit CRunParamWnd(QWidget* parent = nullptr);

    void ShowRealtime(const RealtimeInfo& info);

    int RowCount() const { return static_cast<int>(values_.size()); }
    QString LabelText(int row) const;
    QString ValueText(int row) const;

private:
    std::vector<QLabel*> labels_;
    std::vector<QLabel*> values_;
};
