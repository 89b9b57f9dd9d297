#pragma once

#include "features/config/DnsRedirectEntry.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The editor of one redirect entry: domain, address, note and whether it redirects. The owner
// decides what the edited entry sends.
class CDnsRedirectEntryDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kNoteCharacters = 480;

    // An entry to change, or none for a new one. `cacheServerIp` is the address an empty IP means.
    CDnsRedirectEntryDlg(const DnsRedirectEntry* entry, std::string cacheServerIp, QWidget* parent = nullptr);

    // The entry as edited: the address empty when it names the cache server.
    DnsRedirectEntry Edited() const;

    QLineEdit* NameField() const { return name_; }
    QLineEdit* IpField() const { return ip_; }
    QPlainTextEdit* NoteField() const { return note_; }
    QRadioButton* RedirectChoice() const { return redirect_; }
    QRadioButton* RefuseChoice() const { return refuse_; }
    QPushButton* OkButton() const { return ok_; }

private:
    // Accepts the entry unless its new name could not be exported.
    void Submit();

    DnsRedirectEntry original_;
    std::string cacheServerIp_;
    QLineEdit* name_ = nullptr;
    QLineEdit* ip_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
    QRadioButton* redirect_ = nullptr;
    QRadioButton* refuse_ = nullptr;
    QPushButton* ok_ = nullptr;
};
