#pragma once

#include <QLabel>

// A status pane: one line of text over the status skin, cut with an ellipsis when too long.
class CStatusStatic : public QLabel {
    Q_OBJECT
public:
    explicit CStatusStatic(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
