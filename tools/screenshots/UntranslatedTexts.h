// Finds the operator texts that a window still shows in Chinese when the console runs in another
// language: what its widgets say and how they are named, but not the server's data in fields,
// cells and text panes.
#pragma once

#include <QStringList>

class QWidget;

// "<widget path>: <text>" for every visible text of window and its visible children holding a CJK character.
QStringList UntranslatedTexts(QWidget* window);

// Whether window or one of its visible children shows text, whole, in one of the same places.
bool ShowsText(QWidget* window, const QString& text);
