#pragma once

class IAccessibleItems;
class QKeyEvent;

// The keys of a control with drawn items: the arrows move the keyboard to the previous or next
// item, Home and End to the ends, Enter and Space choose the item. False for any other key.
bool HandleItemKey(IAccessibleItems& items, const QKeyEvent& event);
