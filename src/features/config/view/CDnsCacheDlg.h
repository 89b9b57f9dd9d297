#pragma once

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

private:
    QTextEdit* content_ = nullptr;
    std::unique_ptr<CViewEventRelay> relay_;
};
