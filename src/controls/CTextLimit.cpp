#include "controls/CTextLimit.h"

#include <QPlainTextEdit>
#include <QTextCursor>

void CTextLimit::Apply(QPlainTextEdit* edit, int maxCharacters)
{
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, maxCharacters] {
        const QString text = edit->toPlainText();
        if (text.size() <= maxCharacters)
            return;
        const int position = std::min(edit->textCursor().position(), maxCharacters);
        edit->setPlainText(text.left(maxCharacters));
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(position);
        edit->setTextCursor(cursor);
    });
}
