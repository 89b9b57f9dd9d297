#pragma once

#include <QWidget>

#include <cstdint>
#include <optional>

class QLabel;
struct RealtimeInfo;

// The strip at the top of the main window: the server's start and current time, and the largest
// saving seen in this session (traffic sent to clients that did not come from the origin).
class CRealTimeInfoDlg : public QWidget {
    Q_OBJECT
public:
    // oem: plain "系统" labels instead of the product name.
    CRealTimeInfoDlg(const QString& productName, bool oem, QWidget* parent = nullptr);

    // A new session: the times and the saving start over.
    void Reset();
    void ShowRealtime(const RealtimeInfo& info);

    QString StartTimeText() const;
    QString CurrentTimeText() const;
    QString SavingText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* AddRow(int row, const QString& label, int valueWidth);
    void ShowSaving();

    QLabel* startTime_;
    QLabel* currentTime_;
    QLabel* saving_;
    std::optional<std::int64_t> largestSaving_;
};
