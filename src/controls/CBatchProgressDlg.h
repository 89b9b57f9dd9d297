#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include "controls/CBusyState.h"
#include "controls/MoxTr.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// Runs a sequence of requests one after the other over its owner, window-modal, with a progress
// bar: bulk deletions and imports. Each step sends one request; the owner hands every completion
// of the step's kind to TakeCompletion, which advances only on the one carrying the number the step
// sent. A step whose reply does not come within the step time-out is given up so that the run goes
// on; its late reply is not taken for a later step's. The operator may stop the run after a confirmation. When
// the run ends (last step or stop) Finished is emitted and the window stays open until the owner,
// which owns it, closes and deletes it, normally once its refreshed list has arrived.
class CBatchProgressDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDefaultStepTimeoutMs = 10000;

    struct Texts {
        QString title;
        QString progress;      // "%1" the step under way (1-based), "%2" the number of steps
        QString stopQuestion;  // asked before stopping; title "提示"
        QString finishing;     // shown while the owner refreshes
        QString stopButton = MoxTr::tr("停止");
    };
    // Sends the request of a step (0-based); the request number sent, 0 when nothing could be sent.
    using SendStep = std::function<unsigned long(int step)>;

    CBatchProgressDlg(QWidget* owner, Texts texts, int stepCount, SendStep sendStep);

    void SetStepTimeout(int milliseconds);
    void Start();
    // A completion of the steps' kind arrived: true when it is the reply of the step under way,
    // whatever it says, and the run goes on.
    bool TakeCompletion(unsigned long requestNumber);

    bool IsRunning() const { return running_; }
    int StepCount() const { return stepCount_; }
    QPushButton* StopButton() const { return stopButton_; }

signals:
    void Finished(bool stopped);

public slots:
    void reject() override;

private:
    void SendCurrentStep();
    void Advance();
    void Finish(bool stopped);
    void AskToStop();

    Texts texts_;
    int stepCount_;
    SendStep sendStep_;
    int stepsDone_ = 0;
    CBusyState step_;  // the request of the step under way
    bool running_ = false;
    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QTimer* stepTimer_ = nullptr;
};
