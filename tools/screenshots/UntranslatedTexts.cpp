#include "UntranslatedTexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QWidget>

namespace {

bool HoldsCjk(const QString& text)
{
    static const QRegularExpression cjk(QStringLiteral("[\\x{3000}-\\x{303f}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return text.contains(cjk);
}

QString PathOf(const QWidget* widget)
{
    QStringList names;
    for (const QWidget* w = widget; w; w = w->parentWidget())
        names.prepend(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
    return names.join(QLatin1Char('/'));
}

QStringList ShownTexts(QWidget* widget)
{
    QStringList texts{widget->windowTitle(), widget->toolTip(), widget->accessibleName(),
                      widget->accessibleDescription()};
    if (auto* label = qobject_cast<QLabel*>(widget))
        texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        texts << button->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        texts << group->title();
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        texts << field->placeholderText();
    if (auto* choice = qobject_cast<QComboBox*>(widget); choice && !choice->isEditable())
        for (int i = 0; i < choice->count(); ++i)
            texts << choice->itemText(i);
    if (auto* tabs = qobject_cast<QTabBar*>(widget))
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i) << tabs->tabToolTip(i);
    if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model()) {
        const QAbstractItemModel* model = view->model();
        for (int column = 0; column < model->columnCount(); ++column)
            texts << model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()
                  << model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
    }
    return texts;
}

}  // namespace

QStringList UntranslatedTexts(QWidget* window)
{
    QStringList found;
    if (!window)
        return found;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(window) && widget != window)
            continue;
        for (const QString& text : ShownTexts(widget))
            if (HoldsCjk(text))
                found << PathOf(widget) + QStringLiteral(": ") + text;
    }
    return found;
}
