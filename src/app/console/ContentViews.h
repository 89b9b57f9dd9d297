#pragma once

#include "shell/MainNavigation.h"

class CMoxContentView;
class QWidget;

// The page of a navigation item: its view, or a titled stand-in for a view not built yet.
CMoxContentView* MakeContentView(const NavigationEntry& entry, QWidget* parent);
