#pragma once

#include "controls/CBusyState.h"
#include "controls/CViewEventRelay.h"
#include "features/config/SystemOptionsChangeSet.h"
#include "features/config/view/CSystemOptionFields.h"
#include "shell/PolledReplies.h"

#include <QObject>

#include <memory>

class QPushButton;
class QWidget;

// What the two system options views share: the working copy the operator edits, the fields tied
// to it, the full save that sends only what differs from the server's last known options, and the
// reactions to the options read and to the full save's reply.
//
// Both views send their full save with the same operation kind, so each keeps the request numbers
// of its own saves and takes a full-save reply as its own only by its number. Another view's
// accepted save updates the fields this view's operator has not touched, so that a later save
// here does not send the old values back.
class CSystemOptionsEditor : public QObject {
    Q_OBJECT
public:
    using ChangeSetOf = SystemOptionChangeSet (*)(const SystemOptions& edited, const SystemOptions& server);

    CSystemOptionsEditor(QWidget* view, QPushButton* saveButton, ChangeSetOf changeSetOf);
    ~CSystemOptionsEditor() override;

    CSystemOptionFields& Fields() { return fields_; }
    SystemOptions& Working() { return working_; }
    // The server's options as this view last learnt them: read, saved here, or changed elsewhere.
    const SystemOptions& Server() const { return server_; }
    // True once the server's options have been read: before that nothing can be compared.
    bool Known() const { return known_; }
    bool Modified() const { return modified_; }

    void Save();

signals:
    // The server's options were read and shown.
    void OptionsShown();
    // A reply to a modify request that is not this editor's full save; kind is its operation kind,
    // requestNumber the number of the request it answers.
    void ModifyShown(int kind, int status, unsigned long requestNumber);

private:
    void EventShown(int kind, int status, std::uintptr_t value, unsigned long requestNumber);
    void FullSaveShown(bool accepted);
    void SetModified(bool modified);

    QPushButton* saveButton_;
    ChangeSetOf changeSetOf_;
    CSystemOptionFields fields_;
    SystemOptions working_;
    SystemOptions server_;  // what the fields were last filled from
    SystemOptionChangeSet savedChanges_;  // the full save in flight (one at a time)
    // The newest read or accepted change the options came from: an older read is not shown.
    PolledReplies shapedBy_;
    bool known_ = false;
    bool modified_ = false;
    CBusyState saves_;
    std::unique_ptr<CViewEventRelay> relay_;
};
