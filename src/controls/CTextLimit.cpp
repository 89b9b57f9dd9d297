#include "controls/CTextLimit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>

#include <algorithm>

namespace {

// The text a field showed right after ShowWhole, and whether ShowWhole is filling it right now.
constexpr char kShownText[] = "morvixShownText";
constexpr char kShowing[] = "morvixShowingWhole";

bool IsUnwantedControl(QChar c)
{
    return (c.unicode() < 0x20 && c != u'\n') || c.unicode() == 0x7f;
}

bool IsControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

// How long a field may grow by typing: its limit, or the length of the longer value it was shown.
qsizetype Allowance(const QWidget* edit, int limit)
{
    return std::max<qsizetype>(limit, edit->property(kShownText).toString().size());
}

// Refuses an edit that holds an unwanted character or grows the text past the allowance.
class TypedTextValidator : public QValidator {
public:
    TypedTextValidator(QLineEdit* edit, int limit, CTextLimit::Characters characters)
        : QValidator(edit), edit_(edit), limit_(limit), characters_(characters)
    {
    }

    State validate(QString& input, int&) const override
    {
        const bool digits = characters_ == CTextLimit::Characters::Digits;
        if (std::any_of(input.begin(), input.end(),
                        [digits](QChar c) { return IsControl(c) || (digits && (c < u'0' || c > u'9')); }))
            return Invalid;
        return input.size() <= Allowance(edit_, limit_) ? Acceptable : Invalid;
    }

private:
    const QLineEdit* edit_;
    int limit_;
    CTextLimit::Characters characters_;
};

// Trims what one change of a multi-line edit inserted: unwanted characters out, and the text no
// longer than its allowance.
class PlainTextLimit : public QObject {
public:
    PlainTextLimit(QPlainTextEdit* edit, int limit) : QObject(edit), edit_(edit), limit_(limit)
    {
        connect(edit->document(), &QTextDocument::contentsChange, this, &PlainTextLimit::Changed);
    }

private:
    void Changed(int position, int, int added)
    {
        if (trimming_ || edit_->property(kShowing).toBool())
            return;
        const QString text = edit_->toPlainText();
        const int start = std::clamp(position, 0, static_cast<int>(text.size()));
        const int end = std::clamp(position + added, start, static_cast<int>(text.size()));
        const QString inserted = text.mid(start, end - start);
        QString kept = inserted;
        kept.removeIf(IsUnwantedControl);
        const qsizetype room = Allowance(edit_, limit_) - (text.size() - inserted.size());
        kept.truncate(std::max<qsizetype>(room, 0));
        if (kept == inserted)
            return;
        trimming_ = true;
        QTextCursor cursor(edit_->document());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.insertText(kept);
        trimming_ = false;
    }

    QPlainTextEdit* edit_;
    int limit_;
    bool trimming_ = false;
};

template <class Edit>
std::string SentValue(const Edit* edit, const QString& text, const std::string& shown)
{
    const QVariant showed = edit->property(kShownText);
    return showed.isValid() && showed.toString() == text ? shown : text.toStdString();
}

}  // namespace

void CTextLimit::Apply(QPlainTextEdit* edit, int maxCharacters)
{
    new PlainTextLimit(edit, maxCharacters);
}

void CTextLimit::Apply(QLineEdit* edit, int maxCharacters, Characters characters)
{
    edit->setValidator(new TypedTextValidator(edit, maxCharacters, characters));
}

void CTextLimit::RefuseControlCharacters(QLineEdit* edit)
{
    static const QRegularExpression kNoControls(QStringLiteral("[^\\x{0}-\\x{1f}\\x{7f}]*"));
    edit->setValidator(new QRegularExpressionValidator(kNoControls, edit));
}

void CTextLimit::ShowWhole(QLineEdit* edit, const std::string& value)
{
    edit->setText(QString::fromStdString(value));
    edit->setProperty(kShownText, edit->text());
}

void CTextLimit::ShowWhole(QPlainTextEdit* edit, const std::string& value)
{
    edit->setProperty(kShowing, true);
    edit->setPlainText(QString::fromStdString(value));
    edit->setProperty(kShowing, false);
    edit->setProperty(kShownText, edit->toPlainText());
}

std::string CTextLimit::ValueToSend(const QLineEdit* edit, const std::string& shown)
{
    return SentValue(edit, edit->text(), shown);
}

std::string CTextLimit::ValueToSend(const QPlainTextEdit* edit, const std::string& shown)
{
    return SentValue(edit, edit->toPlainText(), shown);
}
