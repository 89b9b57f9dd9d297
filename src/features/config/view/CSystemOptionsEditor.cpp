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
        [this](int kind, int status, std::uintptr_t value) { EventShown(kind, status, value); });
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
    if (!SystemManager_Modify(eSystemModify_FullSave, changes))
        return;
    ++savesOutstanding_;
    saveButton_->setEnabled(false);
}

void CSystemOptionsEditor::EventShown(int kind, int status, std::uintptr_t value)
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
    const int operation = static_cast<int>(value);
    if (operation == eSystemModify_FullSave && savesOutstanding_ > 0) {
        --savesOutstanding_;
        FullSaveShown(status);
        return;
    }
    if (status == eMoxEventStatus_Ok && known_) {
        const SystemOptions now = ServerOptions();
        fields_.Adopt(server_, now);
        server_ = now;
    }
    emit ModifyShown(operation, status);
}

void CSystemOptionsEditor::FullSaveShown(int status)
{
    if (status == eMoxEventStatus_Ok) {
        // The reply handler has already put the accepted pairs into the instance's copy.
        server_ = ServerOptions();
        SetModified(false);
        emit ModifyShown(eSystemModify_FullSave, status);
        return;
    }
    SetModified(true);
}

void CSystemOptionsEditor::SetModified(bool modified)
{
    modified_ = modified;
    saveButton_->setEnabled(known_ && modified_ && savesOutstanding_ == 0);
}
