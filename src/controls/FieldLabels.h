#pragma once

#include <QString>

class QFormLayout;
class QLabel;
class QLayout;
class QWidget;

// Every field is named by the caption beside it, so that a screen reader announces "密码" for
// the password edit and Alt with the caption's mnemonic reaches the field.
namespace FieldLabels {

// The caption as a name: padding between Chinese characters, a leading "*" and a trailing colon
// dropped ("密   码：" reads "密码").
QString NameOf(const QString& caption);

// Makes `caption` the field's label (buddy) and gives the field the caption's name. A text field
// without a validator of its own is made to refuse control characters.
QLabel* Tie(QLabel* caption, QWidget* field);

// A form row whose field sits in a row layout with other parts (a unit, a check box).
void AddRow(QFormLayout* form, const QString& caption, QLayout* row, QWidget* field);
void AddRow(QFormLayout* form, const QString& caption, QWidget* field);

}  // namespace FieldLabels
