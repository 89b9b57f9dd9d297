#pragma once

#include "features/config/DnsBalanceHost.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// The editor of one balance host: address, whether it is in use, whether it is checked for being
// down, and the note.
class CDnsBalanceHostDlg : public QDialog {
    Q_OBJECT
public:
    // A host to change, or none for a new one.
    CDnsBalanceHostDlg(const DnsBalanceHost* host, QWidget* parent = nullptr);

    DnsBalanceHost Edited() const;

    QLineEdit* IpField() const { return ip_; }
    QRadioButton* PausedChoice() const { return paused_; }
    QRadioButton* UncheckedChoice() const { return unchecked_; }
    QPlainTextEdit* NoteField() const { return note_; }

private:
    DnsBalanceHost original_;
    QLineEdit* ip_ = nullptr;
    QRadioButton* paused_ = nullptr;
    QRadioButton* unchecked_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
};
