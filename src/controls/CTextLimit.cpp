#include "controls/CTextLimit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QTextCursor>

namespace {

bool IsUnwantedControl(QChar c)
{
    return (c.unicode() < 0x20 && c != u'\n') || c.unicode() == 0x7f;
}

}  // namespace

void CTextLimit::Apply(QPlainTextEdit* edit, int maxCharacters)
{
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, maxCharacters] {
        const QString typed = edit->toPlainText();
        QString kept = typed;
        kept.removeIf(IsUnwantedControl);
        kept.truncate(maxCharacters);
        if (kept == typed)
            return;
        const int position = std::min(edit->textCursor().position(), static_cast<int>(kept.size()));
        edit->setPlainText(kept);
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(position);
        edit->setTextCursor(cursor);
    });
}

void CTextLimit::RefuseControlCharacters(QLineEdit* edit)
{
    static const QRegularExpression kNoControls(QStringLiteral("[^\\x{0}-\\x{1f}\\x{7f}]*"));
    edit->setValidator(new QRegularExpressionValidator(kNoControls, edit));
}
