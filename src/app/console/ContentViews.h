#pragma once

#include "shell/MainNavigation.h"

class CMoxContentView;
class QWidget;

// The page of a navigation item: its view, or a titled stand-in for a view not built yet.
CMoxContentView* MakeContentView(const NavigationEntry& entry, QWidget* parent);

// Whether the page's minimum size decides the main window's layout (the disk-cache page its height,
// the cache-rule page the navigation list's width): such a page is built with the window, whose
// layout would otherwise change under the operator's eyes once the page is built.
bool ShapesWindow(int commandId);
