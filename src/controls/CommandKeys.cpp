#include "controls/CommandKeys.h"

#include <QAbstractButton>
#include <QShortcut>

void PressOnKey(QWidget* scope, const QKeySequence& key, QAbstractButton* button)
{
    if (!button)
        return;
    auto* shortcut = new QShortcut(key, scope);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    // The button is the connection's context: once it is gone, the key does nothing.
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled())
            button->click();
    });
}

void BindListKeys(QWidget* scope, QAbstractButton* refresh, QAbstractButton* remove)
{
    PressOnKey(scope, QKeySequence(Qt::Key_F5), refresh);
    PressOnKey(scope, QKeySequence(Qt::Key_Delete), remove);
}
