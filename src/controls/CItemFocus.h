#pragma once

class QWidget;

// The item the keyboard is on among a control's drawn items, -1 until the control first takes the
// keyboard.
class CItemFocus {
public:
    explicit CItemFocus(QWidget* control) : control_(control) {}

    int Index() const { return index_; }
    // Moves without repainting or telling anyone, for a click that is about to choose the item.
    void Set(int index) { index_ = index; }
    // Where the keyboard starts when the control takes it for the first time.
    void StartAt(int index)
    {
        if (index_ < 0)
            index_ = index;
    }
    // Moves to item `index` of `count` unless it is out of range or already there: the control
    // repaints, and while it has the keyboard assistive technology follows.
    void MoveTo(int index, int count);

private:
    QWidget* control_;
    int index_ = -1;
};
