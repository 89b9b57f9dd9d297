#pragma once

#include "controls/CBatchProgressDlg.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <string>
#include <vector>
#include "controls/MoxTr.h"

class QWidget;

// Deleting the selected rules of a list, the same way in every rule view: one confirmation, then
// up to five deletions sent at once, or more than five sent one after another behind the batch
// progress window, after which the owner refreshes its list.
class CRuleDeletion : public QObject {
    Q_OBJECT
public:
    static constexpr int kMostAtOnce = 5;

    struct Texts {
        QString question;       // asked once, OK and Cancel
        QString progressTitle;  // the batch window's title
        // What the batch window says while it runs, and asks before it stops; empty for the
        // shared wording.
        QString progress = {};
        QString stopQuestion = {};
        // The question's title when the deletions go out at once.
        QString fewTitle = MoxTr::tr("提示");
    };
    // Sends the deletion of one rule, by its identifier; the request number sent, 0 when nothing was.
    using SendDelete = std::function<unsigned long(const std::string& key)>;

    CRuleDeletion(QWidget* owner, Texts texts, SendDelete sendDelete);
    ~CRuleDeletion() override;

    void SetStepTimeout(int milliseconds) { stepTimeoutMs_ = milliseconds; }

    // What the batch window of a deletion says.
    static CBatchProgressDlg::Texts ProgressTexts(const Texts& texts);

    // Returns the request numbers of the deletions sent at once (none when cancelled or when the
    // batch started): the owner waits for their replies.
    std::vector<unsigned long> Delete(const std::vector<std::string>& keys);

    // From the start of a batch until the owner's refreshed list arrives.
    bool IsBatchActive() const { return !progress_.isNull(); }
    CBatchProgressDlg* ProgressWindow() const;

    // A deletion reply the owner did not wait for itself. True when it is the reply of the batch's
    // step under way: the batch takes it, and the refresh at its end rewrites the rows.
    bool TakeDeleteReply(unsigned long requestNumber);
    // The owner's list arrived, or could not be asked for: the batch window closes.
    void CloseProgress();

signals:
    // The last step is done or the operator stopped the batch: the owner asks for its list.
    void BatchFinished();

private:
    void StartBatch(std::vector<std::string> keys);

    QWidget* owner_;
    Texts texts_;
    SendDelete sendDelete_;
    int stepTimeoutMs_;
    std::vector<std::string> queue_;
    QPointer<CBatchProgressDlg> progress_;
};
