#include "features/cache/view/CacheRuleFormFields.h"

#include "features/cache/CacheRuleTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include "shell/MoxText.h"

QComboBox* MakeCodeChoice(std::string_view (*text)(int), int count, QWidget* parent)
{
    auto* choice = new QComboBox(parent);
    for (int code = 0; code < count; ++code)
        choice->addItem(QString::fromStdString(MoxText::tr(text(code))));
    return choice;
}

QWidget* MakeRadioPair(const QString& firstText, const QString& secondText, QRadioButton*& first,
                       QRadioButton*& second, QWidget* parent)
{
    auto* row = new QWidget(parent);
    first = new QRadioButton(firstText, row);
    second = new QRadioButton(secondText, row);
    auto* group = new QButtonGroup(row);
    group->addButton(first);
    group->addButton(second);
    first->setChecked(true);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addStretch();
    return row;
}

QLayout* MakeMatchRow(QComboBox*& matchKind, QCheckBox*& ignoreCase, const QString& ignoreCaseText, QWidget* parent)
{
    matchKind = MakeCodeChoice(MatchKindText, kMatchKindCount, parent);
    ignoreCase = new QCheckBox(ignoreCaseText, parent);
    ignoreCase->setChecked(true);
    auto* row = new QHBoxLayout;
    row->addWidget(matchKind);
    row->addWidget(ignoreCase);
    row->addStretch();
    return row;
}
