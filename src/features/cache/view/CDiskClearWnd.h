#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

// Cleans the cached pages of one URL, matched exactly with letter case ignored.
class CDiskClearWnd : public QWidget {
    Q_OBJECT
public:
    explicit CDiskClearWnd(QWidget* parent = nullptr);

    QLineEdit* UrlEdit() const { return url_; }
    QPushButton* CleanButton() const { return clean_; }

private:
    QLineEdit* url_ = nullptr;
    QPushButton* clean_ = nullptr;
};
