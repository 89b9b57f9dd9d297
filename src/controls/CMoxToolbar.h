#pragma once

#include "controls/CItemFocus.h"
#include "controls/IAccessibleItems.h"
#include "controls/_MoxToolbarItem_.h"

#include <QWidget>

#include <vector>

class IExecuteCmdCallback;

// The console's toolbar, drawn from the skin images: a band with buttons laid out left to right.
// Press on a button shows it pressed; release on the same button makes it current while the owner
// runs OnExecuteCmd(control id, 100), then clears it. Release anywhere else cancels.
// The keyboard reaches it with Tab: the arrows move between buttons, Enter or Space chooses.
class CMoxToolbar : public QWidget, public IAccessibleItems {
    Q_OBJECT
public:
    static constexpr int kHeight = 60;
    static constexpr int kIconSide = 32;
    static constexpr int kArrowWidth = 12;
    static constexpr int kLeftMargin = 8;

    CMoxToolbar(int controlId, IExecuteCmdCallback* owner, QWidget* parent = nullptr);

    int AddItem(const QString& text, const QString& tooltip, int iconIndex, int width);
    void SetItemCommandId(int index, int commandId);
    void SetItemDropDown(int index, bool dropDown);

    // The button being chosen while the owner runs, otherwise -1.
    int GetCurrentItem() const;
    const _MoxToolbarItem_* GetItem(int index) const;
    int GetItemCount() const;
    int FindItem(const QString& text) const;
    QRect ItemRect(int index) const;
    // The strip frame a button is drawn with: normal, hover, pressed or current.
    int ItemFrame(int index) const;

    QSize sizeHint() const override;

    // Chooses a button as a click on it does.
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
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int ItemAt(const QPoint& position) const;
    void PaintItem(QPainter& painter, const _MoxToolbarItem_& item);
    void SetHover(int index);

    int controlId_;
    IExecuteCmdCallback* owner_;
    std::vector<_MoxToolbarItem_> items_;
    int hover_ = -1;
    int pressed_ = -1;
    int current_ = -1;
    CItemFocus focus_{this};
};
