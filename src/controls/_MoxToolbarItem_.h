#pragma once

#include <QString>

// One toolbar button, laid out left to right in the order added.
struct _MoxToolbarItem_ {
    int index = -1;
    int iconIndex = -1;
    QString text;
    QString tooltip;
    int width = 0;
    bool dropDown = false;
    int commandId = 0;
};
