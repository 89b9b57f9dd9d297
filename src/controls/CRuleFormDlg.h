#pragma once

#include "controls/CViewEventRelay.h"
#include "protocol/ResultRecords.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <memory>
#include <string>

class CMoxTabCtrl;
class QFormLayout;
class QLayout;
class QPushButton;

// The add-or-modify form of a rule, the same in every rule view: a tab for the form and one for
// help, OK ("修改" when modifying) and Cancel. OK reads the fields and sends one request, then
// stays disabled until the reply to that request (another window's reply of the kind is not it): accepted closes the form, refused or unreachable enable OK
// again, each with the form's own status text, shown after the reply handler's. A malformed
// reply leaves OK disabled, because the server may have carried the change out. Enter presses OK,
// Escape closes the form. Fields go in through AddRow, which names each by its caption.
class CRuleFormDlg : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Add, Modify };

    // Status texts per outcome; the refusal text takes the error text and number ("%s", "%d").
    struct OutcomeTexts {
        int event;
        const char* accepted;
        const char* refused;
        const char* unreachable;
    };
    struct Texts {
        QString addTitle;
        QString modifyTitle;
        QString pageTab;
        OutcomeTexts add;
        OutcomeTexts modify;
        const char* sending;  // shown once a request went out, in both modes
        std::string helpUrl;
    };

    ~CRuleFormDlg() override;

    Mode FormMode() const { return mode_; }
    QPushButton* OkButton() const { return okButton_; }
    CMoxTabCtrl* Tabs() const { return tabs_; }

signals:
    // A request went out; its reply will come as the mode's event carrying this request number.
    void Submitted(unsigned long requestNumber);

protected:
    CRuleFormDlg(Mode mode, Texts texts, QWidget* parent);

    QFormLayout* Form() const { return form_; }
    // A labelled row whose label names `field` (its buddy); the row shows `row` when the field
    // sits among other controls.
    void AddRow(const QString& label, QWidget* field);
    void AddRow(const QString& label, QWidget* field, QWidget* row);
    void AddRow(const QString& label, QWidget* field, QLayout* row);
    // The error number of a refused reply's record of the family's rule type.
    template <class Record>
    static int RefusedErrorNumber(std::uintptr_t record)
    {
        const auto* refused = CMoxEventParam::As<CMoxItemEventParamT<Record>>(record);
        return refused ? refused->errorNo : 0;
    }
    // Reads the fields into a rule and sends it; true when the request was handed to the transport.
    virtual bool Send() = 0;
    // The server's error number carried by a refused reply's record.
    virtual int ErrorNumberOf(std::uintptr_t record) const = 0;

private:
    void Submit();
    void ReplyShown(int status, std::uintptr_t record);

    Mode mode_;
    Texts texts_;
    CMoxTabCtrl* tabs_ = nullptr;
    QFormLayout* form_ = nullptr;
    QPushButton* okButton_ = nullptr;
    CBusyState awaited_;  // the request OK sent, until its reply or a login
    std::unique_ptr<CViewEventRelay> relay_;
};
