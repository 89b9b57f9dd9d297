#include "features/config/view/CSystemOptionsEditor.h"

#include "features/config/SystemModifyKind.h"
#include "features/config/SystemRequests.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"

#include <QPushButton>

namespace {

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
    const SystemOptionChangeSet changes = changeSetOf_(working_, ServerOptions());
    if (changes.empty()) {
        SetModified(false);
        return;
    }
    if (!saves_.Send([&] { return SystemManager_Modify(eSystemModify_FullSave, changes); }))
        return;
    saveButton_->setEnabled(false);
}

void CSystemOptionsEditor::EventShown(int kind, int status, std::uintptr_t value, unsigned long requestNumber)
{
    if (kind == eMoxCacheEvent_SystemOptionsRead) {
        if (status != eMoxEventStatus_Ok)
            return;
        working_ = ServerOptions();
        server_ = working_;
        known_ = true;
        fields_.Show(working_);
        SetModified(false);
        emit OptionsShown();
        return;
    }
    if (saves_.Take(requestNumber)) {
        FullSaveShown(status);
        return;
    }
    const int operation = static_cast<int>(value);
    if (status == eMoxEventStatus_Ok && known_) {
        const SystemOptions now = ServerOptions();
        fields_.Adopt(server_, now);
        server_ = now;
    }
    emit ModifyShown(operation, status, requestNumber);
}

void CSystemOptionsEditor::FullSaveShown(int status)
{
    if (status == eMoxEventStatus_Ok) {
        // The reply handler has already put the accepted pairs into the instance's copy.
        server_ = ServerOptions();
        SetModified(false);
        emit ModifyShown(eSystemModify_FullSave, status, 0);
        return;
    }
    SetModified(true);
}

void CSystemOptionsEditor::SetModified(bool modified)
{
    modified_ = modified;
    saveButton_->setEnabled(known_ && modified_ && !saves_.IsBusy());
}
