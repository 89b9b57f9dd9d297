#pragma once

#include <QString>

class QWidget;

// The choosers of the text files an operator exchanges (rules, black list): filter
// "文本文件(*.txt)", starting in the documents folder.

// The proposed name stands in the documents folder; ".txt" is added when the chosen name has no
// extension. Empty when the operator cancelled.
QString ChooseExchangeFileToSave(QWidget* parent, const QString& title, const QString& proposedName);
QString ChooseExchangeFileToOpen(QWidget* parent, const QString& title);

// The connected server's address up to its first ":", for the proposed names; empty without one.
QString ServerHostName();
