#include "controls/FieldLabels.h"

#include "controls/CTextLimit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

bool IsWide(QChar c)
{
    return c.unicode() >= 0x2E80;
}

// A text field the operator types into refuses control characters, unless a validator of its own
// already says what it takes.
void GuardTyping(QWidget* field)
{
    auto* combo = qobject_cast<QComboBox*>(field);
    auto* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(field);
    if (edit && !edit->validator())
        CTextLimit::RefuseControlCharacters(edit);
}

}  // namespace

namespace FieldLabels {

QString NameOf(const QString& caption)
{
    QString name;
    const QString trimmed = caption.simplified();
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        const bool paddingBetweenWide = c == QLatin1Char(' ') && !name.isEmpty() && IsWide(name.back()) &&
                                        i + 1 < trimmed.size() && IsWide(trimmed.at(i + 1));
        if (!paddingBetweenWide)
            name += c;
    }
    while (name.startsWith(QLatin1Char('*')))
        name.remove(0, 1);
    while (name.endsWith(QChar(0xFF1A)) || name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

QLabel* Tie(QLabel* caption, QWidget* field)
{
    caption->setBuddy(field);
    field->setAccessibleName(NameOf(caption->text()));
    GuardTyping(field);
    return caption;
}

void AddRow(QFormLayout* form, const QString& caption, QLayout* row, QWidget* field)
{
    auto* label = new QLabel(caption, form->parentWidget());
    form->addRow(Tie(label, field), row);
}

void AddRow(QFormLayout* form, const QString& caption, QWidget* field)
{
    auto* label = new QLabel(caption, form->parentWidget());
    form->addRow(Tie(label, field), field);
}

}  // namespace FieldLabels
