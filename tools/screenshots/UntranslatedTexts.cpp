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
    if (auto* choice = qobject_cast<QComboBox*>(widget))
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

QList<QWidget*> VisibleWidgets(QWidget* window)
{
    QList<QWidget*> widgets;
    if (!window)
        return widgets;
    widgets << window;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (widget->isVisibleTo(window))
            widgets << widget;
    return widgets;
}

}  // namespace

QStringList UntranslatedTexts(QWidget* window)
{
    QStringList found;
    for (QWidget* widget : VisibleWidgets(window))
        for (const QString& text : ShownTexts(widget))
            if (HoldsCjk(text))
                found << PathOf(widget) + QStringLiteral(": ") + text;
    return found;
}

bool ShowsText(QWidget* window, const QString& text)
{
    for (QWidget* widget : VisibleWidgets(window))
        if (ShownTexts(widget).contains(text))
            return true;
    return false;
}
