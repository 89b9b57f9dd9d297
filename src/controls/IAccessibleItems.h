#pragma once

#include <QRect>
#include <QString>

// A skinned control whose items are drawn, not child widgets. Assistive technology and the
// keyboard reach the items through this, and choosing one here runs the same path as the mouse.
class IAccessibleItems {
public:
    virtual ~IAccessibleItems() = default;

    virtual int AccessibleItemCount() const = 0;
    virtual QString AccessibleItemText(int index) const = 0;
    virtual QString AccessibleItemDescription(int index) const = 0;
    // In the control's own coordinates.
    virtual QRect AccessibleItemRect(int index) const = 0;
    virtual bool IsItemSelected(int index) const = 0;
    virtual bool IsItemPressed(int index) const = 0;
    virtual bool IsItemEnabled(int) const { return true; }
    // The item the keyboard is on, or -1.
    virtual int FocusedItem() const = 0;
    virtual void FocusItem(int index) = 0;
    virtual void ChooseItem(int index) = 0;
};
