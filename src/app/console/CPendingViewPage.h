#pragma once

#include "shell/view/CMoxContentView.h"

// Stands in for a content view that is not built yet: its title and the view it will be.
class CPendingViewPage : public CMoxContentView {
    Q_OBJECT
public:
    CPendingViewPage(const QString& title, const QString& viewName, QWidget* parent = nullptr);
};
