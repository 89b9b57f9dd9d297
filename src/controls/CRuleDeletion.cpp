#include "controls/CRuleDeletion.h"

#include "controls/CBatchProgressDlg.h"
#include "controls/IUserInteraction.h"
#include "controls/MoxTr.h"

CRuleDeletion::CRuleDeletion(QWidget* owner, Texts texts, SendDelete sendDelete)
    : QObject(owner),
      owner_(owner),
      texts_(std::move(texts)),
      sendDelete_(std::move(sendDelete)),
      stepTimeoutMs_(CBatchProgressDlg::kDefaultStepTimeoutMs)
{
}

CRuleDeletion::~CRuleDeletion()
{
    delete progress_;
}

CBatchProgressDlg::Texts CRuleDeletion::ProgressTexts(const Texts& texts)
{
    CBatchProgressDlg::Texts shown{texts.progressTitle, MoxTr::tr("正在删除第 %1 条，共 %2 条，请稍候...."),
                                   MoxTr::tr("您确定要停止删除吗？已删除的规则不会恢复。"),
                                   MoxTr::tr("正在刷新列表，请稍候...."), MoxTr::tr("停止删除")};
    if (!texts.progress.isEmpty())
        shown.progress = texts.progress;
    if (!texts.stopQuestion.isEmpty())
        shown.stopQuestion = texts.stopQuestion;
    return shown;
}

CBatchProgressDlg* CRuleDeletion::ProgressWindow() const
{
    return progress_;
}

std::vector<unsigned long> CRuleDeletion::Delete(const std::vector<std::string>& keys)
{
    if (keys.empty() || IsBatchActive())
        return {};
    const bool many = keys.size() > kMostAtOnce;
    const QString title = many ? MoxTr::tr("删除") : texts_.fewTitle;
    if (!IUserInteraction::Current().Confirm(owner_, title, texts_.question))
        return {};
    if (many) {
        StartBatch(keys);
        return {};
    }
    std::vector<unsigned long> sent;
    for (const std::string& key : keys)
        if (const unsigned long requestNumber = sendDelete_(key))
            sent.push_back(requestNumber);
    return sent;
}

void CRuleDeletion::StartBatch(std::vector<std::string> keys)
{
    queue_ = std::move(keys);
    const auto sendStep = [this](int step) { return sendDelete_(queue_[static_cast<std::size_t>(step)]); };
    progress_ = new CBatchProgressDlg(owner_, ProgressTexts(texts_), static_cast<int>(queue_.size()),
                                      sendStep);
    progress_->SetStepTimeout(stepTimeoutMs_);
    connect(progress_, &CBatchProgressDlg::Finished, this, [this] {
        queue_.clear();
        emit BatchFinished();
    });
    progress_->Start();
}

bool CRuleDeletion::TakeDeleteReply(unsigned long requestNumber)
{
    return IsBatchActive() && progress_->TakeCompletion(requestNumber);
}

void CRuleDeletion::CloseProgress()
{
    if (!progress_)
        return;
    progress_->accept();
    progress_->deleteLater();
    progress_ = nullptr;
}
