#include "controls/CItemFocus.h"

#include "controls/SkinnedAccessibility.h"

#include <QWidget>

void CItemFocus::MoveTo(int index, int count)
{
    if (index < 0 || index >= count || index == index_)
        return;
    index_ = index;
    control_->update();
    if (control_->hasFocus())
        NotifyItemFocused(control_, index_);
}
