#pragma once

#include <QString>

// One row of the navigation list, stacked top to bottom in the order added.
struct _NavigatTreeItem_ {
    int index = -1;
    QString text;
    int iconIndex = -1;
    int commandId = 0;
    bool marked = false;
};
