#include "features/config/view/CSystemOptionFields.h"

#include "shell/LeadingDecimal.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {

std::int32_t NumberIn(const QLineEdit* edit)
{
    return LeadingDecimalInt(edit->text().toStdString());
}

}  // namespace

void CSystemOptionFields::AddNumber(QLineEdit* edit, int maxCharacters, std::vector<Member> members)
{
    edit->setMaxLength(maxCharacters);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), edit));
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this] {
        if (edited_)
            edited_();
    });
    numbers_.push_back({edit, std::move(members)});
}

void CSystemOptionFields::AddFlag(QCheckBox* box, Member member)
{
    QObject::connect(box, &QCheckBox::clicked, box, [this] {
        if (edited_)
            edited_();
    });
    flags_.push_back({box, member});
}

void CSystemOptionFields::OnEdited(std::function<void()> edited)
{
    edited_ = std::move(edited);
}

void CSystemOptionFields::Show(const SystemOptions& options)
{
    for (const Number& number : numbers_)
        number.edit->setText(QString::number(options.*number.members.front()));
    for (const Flag& flag : flags_)
        flag.box->setChecked(options.*flag.member != 0);
}

void CSystemOptionFields::Read(SystemOptions& options) const
{
    for (const Number& number : numbers_)
        for (Member member : number.members)
            options.*member = NumberIn(number.edit);
    for (const Flag& flag : flags_)
        options.*flag.member = flag.box->isChecked() ? 1 : 0;
}

void CSystemOptionFields::Adopt(const SystemOptions& before, const SystemOptions& after)
{
    for (const Number& number : numbers_) {
        const Member shown = number.members.front();
        if (number.edit->text() == QString::number(before.*shown))
            number.edit->setText(QString::number(after.*shown));
    }
    for (const Flag& flag : flags_)
        if (flag.box->isChecked() == (before.*flag.member != 0))
            flag.box->setChecked(after.*flag.member != 0);
}
