#include "features/config/view/CSystemOptionsEditor.h"

#include "features/config/SystemModifyKind.h"
#include "features/config/SystemOptionsEvents.h"
#include "features/config/SystemRequests.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"

#include <QPushButton>

namespace {

// Another view's accepted change names no options of its own; the instance's copy holds it by now.
SystemOptions ServerOptions()
{
    CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    return instance ? instance->Options() : SystemOptions();
}

}  // namespace

CSystemOptionsEditor::CSystemOptionsEditor(QWidget* view, QPushButton* saveButton, ChangeSetOf changeSetOf)
    : QObject(view), saveButton_(saveButton), changeSetOf_(changeSetOf)
{
    saveButton_->setEnabled(false);
    connect(saveButton_, &QPushButton::clicked, this, &CSystemOptionsEditor::Save);
    fields_.OnEdited([this] { SetModified(true); });
    relay_ = std::make_unique<CViewEventRelay>(
        view, std::set<int>{eMoxCacheEvent_SystemOptionsRead, eMoxCacheEvent_SystemOptionsSet},
        [this](int kind, int status, std::uintptr_t value, unsigned long requestNumber) {
            EventShown(kind, status, value, requestNumber);
        });
    relay_->EndBusyOnLogin(&saves_, [this] { SetModified(modified_); });
}

CSystemOptionsEditor::~CSystemOptionsEditor()
{
    relay_.reset();
}

void CSystemOptionsEditor::Save()
{
    if (!known_)
        return;
    fields_.Read(working_);
    const SystemOptionChangeSet changes = changeSetOf_(working_, server_);
    if (changes.empty()) {
        SetModified(false);
        return;
    }
    if (!saves_.Send([&] { return SystemManager_Modify(eSystemModify_FullSave, changes); }))
        return;
    savedChanges_ = changes;
    saveButton_->setEnabled(false);
}

void CSystemOptionsEditor::EventShown(int kind, int status, std::uintptr_t value, unsigned long requestNumber)
{
    if (kind == eMoxCacheEvent_SystemOptionsRead) {
        const auto* read = CMoxEventParam::As<CSystemOptionsEventParam>(value);
        if (status != eMoxEventStatus_Ok || !read || !shapedBy_.TakeNewer(requestNumber))
            return;
        working_ = read->item;
        server_ = working_;
        known_ = true;
        fields_.Show(working_);
        SetModified(false);
        emit OptionsShown();
        return;
    }
    const bool accepted = status == eMoxEventStatus_Ok;
    if (accepted)
        shapedBy_.TakeNewer(requestNumber);
    if (saves_.Take(requestNumber)) {
        FullSaveShown(accepted);
        return;
    }
    const int operation = static_cast<int>(value);
    if (accepted && known_) {
        const SystemOptions now = ServerOptions();
        fields_.Adopt(server_, now);
        server_ = now;
    }
    emit ModifyShown(operation, status, requestNumber);
}

void CSystemOptionsEditor::FullSaveShown(bool accepted)
{
    if (!accepted) {
        SetModified(true);
        return;
    }
    for (const SystemOptionChange& change : savedChanges_)
        ApplySystemOptionChange(server_, change.modifyKey, change.value);
    SetModified(false);
    emit ModifyShown(eSystemModify_FullSave, eMoxEventStatus_Ok, 0);
}

void CSystemOptionsEditor::SetModified(bool modified)
{
    modified_ = modified;
    saveButton_->setEnabled(known_ && modified_ && !saves_.IsBusy());
}
