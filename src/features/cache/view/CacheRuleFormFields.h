#pragma once

#include <QString>

#include <string_view>

class QCheckBox;
class QComboBox;
class QLayout;
class QRadioButton;
class QWidget;

// The fields that the rule forms share.

// A choice of the coded values 0 .. count - 1, each shown by its word.
QComboBox* MakeCodeChoice(std::string_view (*text)(int), int count, QWidget* parent);

// Two exclusive choices on a row of their own, so that they exclude no other radio button; the
// first starts checked.
QWidget* MakeRadioPair(const QString& firstText, const QString& secondText, QRadioButton*& first,
                       QRadioButton*& second, QWidget* parent);

// The match kind and the case switch on one row: "通配符" and the switch checked to start with.
QLayout* MakeMatchRow(QComboBox*& matchKind, QCheckBox*& ignoreCase, const QString& ignoreCaseText,
                      QWidget* parent);
