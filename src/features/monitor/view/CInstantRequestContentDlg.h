#pragma once

#include <QDialog>

class QPlainTextEdit;

// The content window of the monitors ("访问监控"): the whole text of the chosen rows, read-only.
class CInstantRequestContentDlg : public QDialog {
    Q_OBJECT
public:
    CInstantRequestContentDlg(const QString& text, QWidget* parent = nullptr);

    QPlainTextEdit* Text() const { return text_; }

private:
    QPlainTextEdit* text_ = nullptr;
};
