#pragma once

#include "controls/CBusyState.h"
#include "controls/CViewEventRelay.h"
#include "features/monitor/CInstantRequestRule.h"
#include "features/monitor/ClientFilter.h"
#include "features/monitor/StreamReconnectDelay.h"
#include "protocol/CMoxStoppableRequest.h"

#include <QWidget>

#include <chrono>
#include <memory>
#include <string>

class CInstantRequestModel;
class CRuleListView;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The part every live request monitor shares: the stream with its run number, the rows it
// delivers, auto-scroll, the content window and a find field (Ctrl+F). A run lasts from Start to
// Stop; text of any other run, or arriving while stopped, is dropped. A stream that ends while
// monitoring is opened again, at once the first time and then after a growing wait
// (StreamReconnectDelay), and the status bar says so.
class CInstantRequestMonitor : public QWidget {
    Q_OBJECT
public:
    CInstantRequestMonitor(int numberWidth, int contentWidth, QWidget* parent = nullptr);
    ~CInstantRequestMonitor() override;

    // Opens the stream under a new run number. False, with monitoring off, when nothing was sent.
    bool Start(const CInstantRequestRule& rule, const ClientRange& range);
    // Stops the stream; nothing of its run is shown afterwards.
    void Stop();
    bool IsMonitoring() const { return monitoring_; }
    int CurrentRun() const { return run_; }
    // The wait before the latest reconnection.
    std::chrono::milliseconds LastReconnectWait() const { return lastWait_; }

    void SetAutoScroll(bool on);
    bool AutoScroll() const { return autoScroll_; }
    // Empties the rows and the unfinished line; numbering starts again at 1.
    void ClearRows();

    CRuleListView* List() const { return list_; }
    CInstantRequestModel* Model() const { return model_; }
    QLineEdit* FindField() const { return findField_; }
    QLabel* FindResult() const { return findResult_; }

    // Selects the next row after the selected one that holds the find field's text. A found row
    // stops auto-scroll, so that the rows arriving do not carry it out of sight.
    bool FindNext();

    // The texts of the selected rows, each followed by an empty line.
    QString SelectedTexts() const;
    // Opens the content window with the text; the window deletes itself when closed.
    void ShowContent(const QString& text);

signals:
    void AutoScrollChanged(bool on);
    void ContextMenuAsked(const QPoint& globalPosition);

private:
    void EventShown(int status, std::uintptr_t record, unsigned long requestNumber);
    void Flush();
    void StreamEnded();
    void Reconnect();
    bool Send();

    CInstantRequestModel* model_ = nullptr;
    CRuleListView* list_ = nullptr;
    QLineEdit* findField_ = nullptr;
    QLabel* findResult_ = nullptr;
    QTimer* reconnectTimer_ = nullptr;

    bool monitoring_ = false;
    bool autoScroll_ = true;
    int run_ = 0;
    CInstantRequestRule rule_;
    ClientRange range_;
    nsMoxHttp::CMoxStoppableRequest stream_;
    CBusyState streamAwaited_;  // the stream's request number, until its end
    StreamReconnectDelay reconnectDelay_;
    std::chrono::milliseconds lastWait_{0};

    // Text received since the last turn of the event loop, shown as one batch.
    std::string pending_;
    bool flushScheduled_ = false;

    std::unique_ptr<CViewEventRelay> relay_;
};
