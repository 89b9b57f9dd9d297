#pragma once

#include "controls/CBusyState.h"

#include <QDialog>

#include <memory>

class CViewEventRelay;
class QTextEdit;

// "DNS缓存列表": the server's DNS cache as its reply text, shown as it came.
class CDnsCacheDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDnsCacheDlg(QWidget* parent = nullptr);
    ~CDnsCacheDlg() override;

    QTextEdit* Content() const { return content_; }
    // Asks the server for its cache; only that request's reply is shown.
    void Refresh();
    bool IsBusy() const { return busy_.IsBusy(); }

private:
    QTextEdit* content_ = nullptr;
    CBusyState busy_;
    std::unique_ptr<CViewEventRelay> relay_;
};
