#include "controls/CBatchProgressDlg.h"

#include "controls/IUserInteraction.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

CBatchProgressDlg::CBatchProgressDlg(QWidget* owner, Texts texts, int stepCount, SendStep sendStep)
    : QDialog(owner), texts_(std::move(texts)), stepCount_(stepCount), sendStep_(std::move(sendStep))
{
    setWindowTitle(texts_.title);
    setWindowModality(Qt::WindowModal);

    label_ = new QLabel(this);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, stepCount_);
    bar_->setValue(0);
    bar_->setMinimumWidth(320);
    stopButton_ = new QPushButton(texts_.stopButton, this);
    connect(stopButton_, &QPushButton::clicked, this, &CBatchProgressDlg::AskToStop);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(stopButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    layout->addLayout(buttons);

    stepTimer_ = new QTimer(this);
    stepTimer_->setSingleShot(true);
    stepTimer_->setInterval(kDefaultStepTimeoutMs);
    connect(stepTimer_, &QTimer::timeout, this, &CBatchProgressDlg::Advance);
}

void CBatchProgressDlg::SetStepTimeout(int milliseconds)
{
    stepTimer_->setInterval(milliseconds);
}

void CBatchProgressDlg::Start()
{
    running_ = true;
    open();
    if (stepCount_ == 0) {
        Finish(false);
        return;
    }
    SendCurrentStep();
}

bool CBatchProgressDlg::TakeCompletion(unsigned long requestNumber)
{
    if (!running_ || !step_.Take(requestNumber))
        return false;
    Advance();
    return true;
}

void CBatchProgressDlg::SendCurrentStep()
{
    // Some runs say only what they do; others count the steps.
    label_->setText(texts_.progress.contains(QStringLiteral("%1")) ? texts_.progress.arg(stepsDone_ + 1).arg(stepCount_)
                                                                  : texts_.progress);
    stepTimer_->start();
    step_.Sent(sendStep_(stepsDone_));
    // A step that could not be sent will get no reply; move on without waiting out its time.
    if (!step_.IsBusy())
        QTimer::singleShot(0, this, [this, step = stepsDone_] {
            if (running_ && stepsDone_ == step)
                Advance();
        });
}

void CBatchProgressDlg::Advance()
{
    stepTimer_->stop();
    step_.Reset();
    ++stepsDone_;
    // The bar redraws at once when it moves: the next step goes out first, so that the drawing
    // overlaps its exchange instead of delaying it.
    const bool more = stepsDone_ < stepCount_;
    if (more)
        SendCurrentStep();
    bar_->setValue(stepsDone_);
    if (!more)
        Finish(false);
}

void CBatchProgressDlg::Finish(bool stopped)
{
    running_ = false;
    stepTimer_->stop();
    stopButton_->setEnabled(false);
    label_->setText(texts_.finishing);
    emit Finished(stopped);
}

void CBatchProgressDlg::AskToStop()
{
    if (!running_)
        return;
    if (IUserInteraction::Current().Confirm(this, MoxTr::tr("提示"), texts_.stopQuestion) && running_)
        Finish(true);
}

// Escape and the window's close button ask to stop rather than hide a run that goes on.
void CBatchProgressDlg::reject()
{
    if (running_)
        AskToStop();
    else
        QDialog::reject();
}
