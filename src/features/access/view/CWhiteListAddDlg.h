#pragma once

#include "features/access/AddressList.h"
#include "features/access/AddressListEntry.h"

#include <QDialog>

class QDateEdit;
class QLineEdit;
class QPushButton;
class QTimeEdit;

// Adds an entry to the black or the white list, or changes one. The form closes once the request
// is out; the outcome shows in the status bar and the list.
class CWhiteListAddDlg : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Add, Modify };

    CWhiteListAddDlg(AddressList list, Mode mode, const AddressListEntry& entry, QWidget* parent);

    QLineEdit* LowEdit() const { return low_; }
    QLineEdit* HighEdit() const { return high_; }
    QDateEdit* DateEdit() const { return date_; }
    QTimeEdit* TimeEdit() const { return time_; }
    QLineEdit* NoteEdit() const { return note_; }
    QPushButton* OkButton() const { return ok_; }

    AddressListEntry EntryFromFields() const;

signals:
    // The request went out; its reply will carry this request number.
    void Submitted(unsigned long requestNumber);

private:
    void Submit();

    AddressList list_;
    Mode mode_;
    AddressListEntry shown_;
    QLineEdit* low_ = nullptr;
    QLineEdit* high_ = nullptr;
    QDateEdit* date_ = nullptr;
    QTimeEdit* time_ = nullptr;
    QLineEdit* note_ = nullptr;
    QPushButton* ok_ = nullptr;
};
