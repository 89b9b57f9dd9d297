#pragma once

class QWidget;

// Teaches Qt's accessibility how to read the skinned controls with drawn items. Idempotent; each
// such control calls it when it is made, before anything can ask for its interface.
void InstallSkinnedAccessibility();

// Tells assistive technology that the keyboard moved to item `index` of the control.
void NotifyItemFocused(QWidget* control, int index);
