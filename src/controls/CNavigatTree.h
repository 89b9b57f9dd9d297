#pragma once

#include "controls/CItemFocus.h"
#include "controls/IAccessibleItems.h"
#include "controls/_NavigatTreeItem_.h"

#include <QWidget>

#include <vector>

class IExecuteCmdCallback;

// The navigation list on the left of the main window, drawn from the skin images: one row per
// item, top to bottom. Releasing the mouse on a row other than the current one makes it current
// and tells the owner OnExecuteCmd(control id, 100) through a queued call, after the click is over.
// With the keyboard, the arrows move between rows and Enter or Space chooses one, as a click does.
class CNavigatTree : public QWidget, public IAccessibleItems {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 28;
    static constexpr int kIconLeft = 3;
    static constexpr int kIconTop = 2;
    static constexpr int kTextLeft = 30;
    static constexpr int kWidth = 150;

    CNavigatTree(int controlId, IExecuteCmdCallback* owner, QWidget* parent = nullptr);

    int AddItem(const QString& text, int iconIndex);
    void SetItemCommandId(int index, int commandId);
    void SetItemMarked(int index, bool marked);

    int GetCurrentItem() const;
    // Selects a row without telling the owner, e.g. the first view shown at start.
    void SetCurrentItem(int index);
    const _NavigatTreeItem_* GetItem(int index) const;
    int GetItemCount() const;
    int FindItem(const QString& text) const;
    QRect ItemRect(int index) const;
    // The strip frame a row is drawn with: current, hovered or normal.
    int ItemFrame(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Chooses a row as a click on it does.
    void ChooseItem(int index) override;
    int FocusedItem() const override;
    void FocusItem(int index) override;

    int AccessibleItemCount() const override;
    QString AccessibleItemText(int index) const override;
    QString AccessibleItemDescription(int index) const override;
    QRect AccessibleItemRect(int index) const override;
    bool IsItemSelected(int index) const override;
    bool IsItemPressed(int index) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int ItemAt(const QPoint& position) const;
    void PaintItem(QPainter& painter, const _NavigatTreeItem_& item);
    void SetHover(int index);

    int controlId_;
    IExecuteCmdCallback* owner_;
    std::vector<_NavigatTreeItem_> items_;
    int hover_ = -1;
    int current_ = -1;
    CItemFocus focus_{this};
};
