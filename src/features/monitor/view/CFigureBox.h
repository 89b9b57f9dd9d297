#pragma once

#include <QFrame>

class QLabel;

// One large figure of the traffic pane: its label, the value and its unit.
class CFigureBox : public QFrame {
    Q_OBJECT
public:
    CFigureBox(const QString& label, const QString& unit, QWidget* parent = nullptr);

    void Show(const QString& value, const QString& unit);
    void Show(const QString& value);

    QString Label() const;
    QString Value() const;
    QString Unit() const;

private:
    QLabel* label_;
    QLabel* value_;
    QLabel* unit_;
};
