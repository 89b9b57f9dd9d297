#pragma once

#include "controls/CBusyState.h"
#include "controls/CRuleListModel.h"
#include "features/config/CachedUrlLines.h"
#include "shell/view/CMoxContentView.h"

#include <QDialog>
#include <QPointer>

#include <memory>
#include <string>
#include <vector>

class CRuleListView;
class QPushButton;

// The list of every URL the server holds in its cache. A reply may carry a million lines: the
// rows point into the kept reply text and go into the list in batches between which the window
// stays responsive; the commands come back once every row is shown.
class CToolsAllCacheListDlg : public CMoxContentView {
    Q_OBJECT
public:
    // How much reply text one batch of rows covers.
    static constexpr std::size_t kBatchBytes = 1 << 20;

    struct Row {
        std::uint32_t number;  // from 1, on from the rows already present
        std::uint32_t text;    // which kept reply the URL lies in
        CachedUrlSpan span;
    };

    explicit CToolsAllCacheListDlg(QWidget* parent = nullptr);

    CRuleListView* List() const { return list_; }
    QPushButton* FetchButton() const { return fetch_; }
    QPushButton* SaveButton() const { return save_; }
    QDialog* UrlWindow() const { return urlWindow_; }
    int RowCount() const { return model_->rowCount(); }
    // True from the request until the last row of its reply is shown.
    bool IsBusy() const { return busy_; }

    void Fetch();
    void Save();
    void ShowSelectedUrls();

    void OnRecordHandedOver(int kind, int status, CMoxEventParam* record, unsigned long requestNumber) override;
    // A new session: no reply of the old one is awaited any more.
    void OnServerChanged(const ServerPlatform& platform) override;

signals:
    // Every row of a reply is shown.
    void RowsShown();

private:
    void ShowNextBatch();
    void SetBusy(bool busy);
    std::string_view Url(const Row& row) const;

    CRuleListModel<Row>* model_ = nullptr;
    CRuleListView* list_ = nullptr;
    QPushButton* fetch_ = nullptr;
    QPushButton* save_ = nullptr;
    QPointer<QDialog> urlWindow_;
    // Every reply whose lines are still rows; the last one is what a save writes.
    std::vector<std::shared_ptr<const std::string>> texts_;
    std::size_t cursor_ = 0;
    bool busy_ = false;
    CBusyState awaiting_;  // the list request sent, until its reply
};
