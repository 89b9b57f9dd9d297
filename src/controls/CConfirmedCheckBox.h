#pragma once

#include <QCheckBox>

// A check box that shows a server's setting: a click does not change it, it asks for the change.
// The owner confirms, sends the request and sets the box once it knows the new value.
class CConfirmedCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

signals:
    void ChangeRequested(bool wanted);

protected:
    void nextCheckState() override { emit ChangeRequested(!isChecked()); }
};
