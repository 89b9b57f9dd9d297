#pragma once

#include "controls/IAccessibleItems.h"

#include <QTabBar>

// A tab strip drawn from the tab skin: the selected tab uses the pressed frame, the tab under the
// mouse the hover frame. Pair it with a QStackedWidget through currentChanged. Tab reaches it and
// the arrows change the tab (QTabBar's keys); assistive technology sees one page tab per tab.
class CMoxTabCtrl : public QTabBar, public IAccessibleItems {
    Q_OBJECT
public:
    explicit CMoxTabCtrl(QWidget* parent = nullptr);

    int TabFrame(int index) const;

    void ChooseItem(int index) override;
    // The keyboard is on the current tab.
    int FocusedItem() const override;
    void FocusItem(int index) override;
    int AccessibleItemCount() const override;
    QString AccessibleItemText(int index) const override;
    QString AccessibleItemDescription(int index) const override;
    QRect AccessibleItemRect(int index) const override;
    bool IsItemSelected(int index) const override;
    bool IsItemPressed(int index) const override;
    bool IsItemEnabled(int index) const override;

protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int hover_ = -1;
};
