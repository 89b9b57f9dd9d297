#pragma once

#include <QTabBar>

// A tab strip drawn from the tab skin: the selected tab uses the pressed frame, the tab under the
// mouse the hover frame. Pair it with a QStackedWidget through currentChanged.
class CMoxTabCtrl : public QTabBar {
    Q_OBJECT
public:
    explicit CMoxTabCtrl(QWidget* parent = nullptr);

    int TabFrame(int index) const;

protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int hover_ = -1;
};
