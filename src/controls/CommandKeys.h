#pragma once

#include <QKeySequence>

class QAbstractButton;
class QWidget;

// A key anywhere within `scope` presses `button`: the key takes the button's own path and does
// nothing while the button is disabled. A shortcut rather than key handling, so that a child's own
// keys (a table's type-ahead search takes the Delete key's text) cannot swallow it.
void PressOnKey(QWidget* scope, const QKeySequence& key, QAbstractButton* button);

// The keys every list view answers to: F5 presses its refresh button, Delete its delete button
// (whose own question then comes). Either button may be missing.
void BindListKeys(QWidget* scope, QAbstractButton* refresh, QAbstractButton* remove);
