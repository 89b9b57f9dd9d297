#include "controls/CRuleListPage.h"

#include "controls/CRuleListModelBase.h"
#include "controls/CRuleListView.h"
#include "controls/CommandKeys.h"
#include "shell/RuleListCommands.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The pages by the add event of their list; used on the user-interface thread only.
std::multimap<int, CRuleListPage*>& PagesByAddEvent()
{
    static std::multimap<int, CRuleListPage*> pages;
    return pages;
}

}  // namespace

CRuleListPage::CRuleListPage(QWidget* parent) : QWidget(parent) {}

CRuleListPage::~CRuleListPage()
{
    std::erase_if(PagesByAddEvent(), [this](const auto& entry) { return entry.second == this; });
}

void CRuleListPage::TakesAddsOf(int addEvent)
{
    PagesByAddEvent().emplace(addEvent, this);
}

void CRuleListPage::AdoptAdd(int addEvent, unsigned long requestNumber)
{
    const auto [first, last] = PagesByAddEvent().equal_range(addEvent);
    for (auto entry = first; entry != last; ++entry)
        entry->second->RequestSent(requestNumber);
}

void CRuleListPage::Build(CRuleListModelBase* model, const std::vector<CommandShape>& commands,
                          CRuleDeletion::Texts deletionTexts, CRuleDeletion::SendDelete sendDelete)
{
    list_ = new CRuleListView(this);
    list_->SetRuleModel(model);
    connect(list_, &CRuleListView::SelectionOrRowsChanged, this, &CRuleListPage::UpdateCommands);
    connect(list_, &CRuleListView::RowActivated, this, [this] { RunIfEnabled(eModify); });

    auto* buttonRow = new QHBoxLayout;
    for (const CommandShape& shape : commands) {
        auto* button = new QPushButton(shape.text, this);
        button->setToolTip(shape.tooltip);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, command = shape.command] { RunCommand(command); });
        buttonRow->addWidget(button);
        buttons_[shape.command] = button;
    }
    buttonRow->addStretch();
    BindListKeys(this, CommandButton(eRefresh), CommandButton(eDelete));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_, 1);
    layout->addLayout(buttonRow);

    deletion_ = new CRuleDeletion(this, std::move(deletionTexts), std::move(sendDelete));
    // After a batch the whole list comes again; no row is reselected, the rows have moved.
    connect(deletion_, &CRuleDeletion::BatchFinished, this, [this] {
        // Nothing went out (no session): there is no list to wait for.
        if (!RequestList())
            deletion_->CloseProgress();
        UpdateCommands();
    });
    UpdateCommands();
}

QPushButton* CRuleListPage::CommandButton(Command command) const
{
    const auto found = buttons_.find(command);
    return found == buttons_.end() ? nullptr : found->second;
}

bool CRuleListPage::IsBusy() const
{
    return busy_.IsBusy() || IsFilling() || deletion_->IsBatchActive();
}

void CRuleListPage::RequestSent(unsigned long requestNumber)
{
    busy_.Sent(requestNumber);
    UpdateCommands();
}

void CRuleListPage::UpdateCommands()
{
    const RuleListCommandStates states =
        EvaluateRuleListCommands(IsBusy(), list_->SelectedRows(), list_->model()->rowCount());
    const std::pair<Command, bool> enabled[] = {{eAdd, states.add},       {eRefresh, states.refresh},
                                                {eDelete, states.remove}, {eModify, states.modify},
                                                {eUp, states.up},         {eDown, states.down},
                                                {eMonitor, states.monitor}};
    for (const auto& [command, on] : enabled)
        if (QPushButton* button = CommandButton(command))
            button->setEnabled(on);
}

void CRuleListPage::RunIfEnabled(Command command)
{
    QPushButton* button = CommandButton(command);
    if (button && button->isEnabled())
        RunCommand(command);
}

void CRuleListPage::RememberSelection()
{
    const std::vector<int> rows = list_->SelectedRows();
    rememberedRow_ = rows.empty() ? -1 : rows.front();
}

void CRuleListPage::RestoreSelection()
{
    if (rememberedRow_ >= 0 && rememberedRow_ < list_->model()->rowCount())
        list_->SelectOnly(rememberedRow_);
    rememberedRow_ = -1;
}

void CRuleListPage::DeleteSelection(const std::vector<std::string>& keys)
{
    for (const unsigned long requestNumber : deletion_->Delete(keys))
        busy_.Sent(requestNumber);
    UpdateCommands();
}

void CRuleListPage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        RunIfEnabled(list_->SelectedRows().empty() ? eAdd : eModify);
        return;
    }
    QWidget::keyPressEvent(event);
}
