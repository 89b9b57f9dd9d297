#include "features/access/view/CAddressListPage.h"

#include "controls/CBatchProgressDlg.h"
#include "controls/CRuleDeletion.h"
#include "controls/CRuleListView.h"
#include "controls/CViewEventRelay.h"
#include "controls/CommandKeys.h"
#include "controls/ExchangeFileDialogs.h"
#include "controls/IUserInteraction.h"
#include "features/access/AddressListEvents.h"
#include "features/access/AddressListRequests.h"
#include "features/access/BlackListFile.h"
#include "features/access/view/CWhiteListAddDlg.h"
#include "messaging/EventKinds.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "shell/ExchangeFileText.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct ListShape {
    int listEvent, addEvent, modifyEvent, deleteEvent;
    bool (*list)();
    bool (*del)(const std::string& id);
};

const ListShape& ShapeOf(AddressList list)
{
    static const ListShape black{eMoxCacheEvent_BlackList, eMoxCacheEvent_BlackAdd, eMoxCacheEvent_BlackModify,
                                 eMoxCacheEvent_BlackDelete, AccessList_BlackList, AccessList_BlackDel};
    static const ListShape white{eMoxCacheEvent_WhiteList, eMoxCacheEvent_WhiteAdd, eMoxCacheEvent_WhiteModify,
                                 eMoxCacheEvent_WhiteDelete, AccessList_WhiteList, AccessList_WhiteDel};
    return list == AddressList::Black ? black : white;
}

std::string CellText(const AddressListEntry& entry, int column)
{
    switch (column) {
    case 0:
        return std::to_string(entry.No);
    case 1:
        return entry.Low;
    case 2:
        return entry.High;
    case 3:
        return entry.Expire;
    case 4:
        return entry.Note;
    default:
        return {};
    }
}

CRuleDeletion::Texts DeletionTexts(AddressList list)
{
    if (list == AddressList::White)
        return {QStringLiteral("您确定要删除此白名单吗？"), QStringLiteral("删除"), {}, {}, QStringLiteral("删除")};
    return {QStringLiteral("您确定要删除选择的黑名单吗？"), QStringLiteral("删除"),
            QStringLiteral("正在删除选中的黑名单列表，请稍候 ......."), QStringLiteral("您确定要停止删除黑名单列表吗？"),
            QStringLiteral("删除")};
}

}  // namespace

CAddressListPage::CAddressListPage(AddressList list, bool withTransfer, QWidget* parent)
    : QWidget(parent), list_(list), stepTimeoutMs_(CBatchProgressDlg::kDefaultStepTimeoutMs)
{
    model_ = new CRuleListModel<AddressListEntry>({{QStringLiteral("序号"), 50},
                                                   {QStringLiteral("IP低地址"), 120},
                                                   {QStringLiteral("IP高地址"), 120},
                                                   {QStringLiteral("有效期"), 140},
                                                   {QStringLiteral("备注"), 200}},
                                                  CellText, this);
    view_ = new CRuleListView(this);
    view_->setAccessibleName(list == AddressList::White ? QStringLiteral("白名单列表") : QStringLiteral("黑名单列表"));
    view_->SetRuleModel(model_);
    if (list == AddressList::White)
        view_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(view_, &CRuleListView::SelectionOrRowsChanged, this, &CAddressListPage::UpdateCommands);
    connect(view_, &CRuleListView::RowActivated, this, [this] { OpenForm(true); });

    const bool black = list == AddressList::Black;
    std::vector<std::tuple<Command, QString, QString>> commands = {
        {eAdd, QStringLiteral("添加"), black ? QStringLiteral("添加黑名单配置") : QString()},
        {eModify, QStringLiteral("修改"), black ? QStringLiteral("修改选中的黑名单信息") : QString()},
        {eDelete, QStringLiteral("删除"), black ? QStringLiteral("按 Ctrl 或 Shift 键多选可批量删除黑名单列表") : QString()},
        {eRefresh, QStringLiteral("刷新"), black ? QStringLiteral("刷新黑名单列表") : QString()}};
    if (withTransfer) {
        commands.emplace_back(eImport, QStringLiteral("导入"), QStringLiteral("导入黑名单列表"));
        commands.emplace_back(eExport, QStringLiteral("导出"), QStringLiteral("导出黑名单列表"));
    }
    auto* buttonRow = new QHBoxLayout;
    for (const auto& [command, text, tooltip] : commands) {
        auto* button = new QPushButton(text, this);
        button->setToolTip(tooltip);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, command = command] { RunCommand(command); });
        buttonRow->addWidget(button);
        buttons_[command] = button;
    }
    buttonRow->addStretch();
    BindListKeys(this, CommandButton(eRefresh), CommandButton(eDelete));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    layout->addLayout(buttonRow);

    const ListShape& shape = ShapeOf(list);
    deletion_ = new CRuleDeletion(this, DeletionTexts(list), shape.del);
    connect(deletion_, &CRuleDeletion::BatchFinished, this, [this] {
        RequestList();
        if (!listPending_)
            CloseBatchWindows();
    });
    relay_ = std::make_unique<CViewEventRelay>(
        this, std::set<int>{shape.listEvent, shape.addEvent, shape.modifyEvent, shape.deleteEvent},
        [this](int kind, int status, std::uintptr_t record) { EventShown(kind, status, record); });
    UpdateCommands();
}

CAddressListPage::~CAddressListPage()
{
    relay_.reset();
}

QPushButton* CAddressListPage::CommandButton(Command command) const
{
    const auto found = buttons_.find(command);
    return found == buttons_.end() ? nullptr : found->second;
}

CWhiteListAddDlg* CAddressListPage::Form() const
{
    return form_;
}

CBatchProgressDlg* CAddressListPage::ImportWindow() const
{
    return import_;
}

void CAddressListPage::SetBatchStepTimeout(int milliseconds)
{
    stepTimeoutMs_ = milliseconds;
    deletion_->SetStepTimeout(milliseconds);
}

std::vector<AddressListEntry> CAddressListPage::Entries() const
{
    std::vector<AddressListEntry> entries;
    for (int row = 0; row < model_->rowCount(); ++row)
        entries.push_back(model_->At(row));
    return entries;
}

void CAddressListPage::RunCommand(Command command)
{
    switch (command) {
    case eAdd:
    case eModify:
        OpenForm(command == eModify);
        break;
    case eDelete: {
        std::vector<std::string> ids;
        for (int row : view_->SelectedRows())
            ids.push_back(model_->At(row).Id);
        deletion_->Delete(ids);
        break;
    }
    case eRefresh:
        RequestList();
        break;
    case eImport:
        Import();
        break;
    case eExport:
        Export();
        break;
    }
    UpdateCommands();
}

void CAddressListPage::Forget()
{
    model_->Clear();
    transferReady_ = false;
    UpdateCommands();
}

void CAddressListPage::UpdateCommands()
{
    const std::size_t selected = view_->SelectedRows().size();
    const bool one = selected == 1 || (list_ == AddressList::White && selected > 0);
    const std::pair<Command, bool> states[] = {{eModify, one},
                                               {eDelete, selected > 0},
                                               {eRefresh, !listPending_},
                                               {eImport, transferReady_},
                                               {eExport, transferReady_}};
    for (const auto& [command, on] : states)
        if (QPushButton* button = CommandButton(command))
            button->setEnabled(on);
}

void CAddressListPage::RequestList()
{
    if (!ShapeOf(list_).list())
        return;
    listPending_ = true;
    UpdateCommands();
}

void CAddressListPage::OpenForm(bool modify)
{
    const std::vector<int> rows = view_->SelectedRows();
    if (modify && rows.empty())
        return;
    auto* form = new CWhiteListAddDlg(list_, modify ? CWhiteListAddDlg::Mode::Modify : CWhiteListAddDlg::Mode::Add,
                                      modify ? model_->At(rows.front()) : AddressListEntry(), this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form_ = form;
    form->open();
}

void CAddressListPage::Export()
{
    const QString path = ChooseExchangeFileToSave(this, QStringLiteral("导出黑名单列表"),
                                                  QStringLiteral("Morvix-Black-%1.txt").arg(ServerHostName()));
    if (path.isEmpty())
        return;
    std::string error;
    if (!ExchangeFileText::Write(path.toStdString(), BlackListFileText(Entries()), &error)) {
        IUserInteraction::Current().Inform(this, QStringLiteral("导出黑名单列表"), QString::fromStdString(error));
        return;
    }
    GlobalFunc_UpdateStatusBar("导出黑名单列表完成。");
}

void CAddressListPage::Import()
{
    const QString path = ChooseExchangeFileToOpen(this, QStringLiteral("导入黑名单列表"));
    if (path.isEmpty())
        return;
    std::string error;
    const std::optional<std::string> text = ExchangeFileText::Read(path.toStdString(), &error);
    if (!text) {
        IUserInteraction::Current().Inform(this, QStringLiteral("导入黑名单列表"), QString::fromStdString(error));
        return;
    }
    BlackListFileRead read = ReadBlackListFile(*text);
    for (const std::string& range : read.singleAddressRanges)
        IUserInteraction::Current().Inform(this, QStringLiteral("tips"), QString::fromStdString(range));
    pending_ = std::move(read.entries);
    import_ = new CBatchProgressDlg(this,
                                    {QStringLiteral("导入黑名单列表"), QStringLiteral("正在导入黑名单列表，请稍候 ......."),
                                     QStringLiteral("您确定要停止导入黑名单列表吗？"),
                                     QStringLiteral("正在刷新列表，请稍候...."), QStringLiteral("停止导入")},
                                    static_cast<int>(pending_.size()),
                                    [this](int step) {
                                        importStep_ = static_cast<std::size_t>(step);
                                        return AccessList_BlackAdd(pending_[importStep_]);
                                    });
    import_->SetStepTimeout(stepTimeoutMs_);
    connect(import_, &CBatchProgressDlg::Finished, this, [this] {
        pending_.clear();
        RequestList();
        if (!listPending_)
            CloseBatchWindows();
    });
    import_->Start();
}

void CAddressListPage::EventShown(int kind, int status, std::uintptr_t record)
{
    const ListShape& shape = ShapeOf(list_);
    const auto* item = CMoxEventParam::As<CMoxItemEventParamT<AddressListEntry>>(record);
    if (kind == shape.listEvent) {
        const auto* list = CMoxEventParam::As<CMoxListEventParamT<AddressListEntry>>(record);
        ShowList(status, list ? &list->items : nullptr);
    } else if (kind == shape.addEvent) {
        if (import_) {
            const AddressListEntry* awaited = importStep_ < pending_.size() ? &pending_[importStep_] : nullptr;
            if (!item || !awaited || (item->item.Low == awaited->Low && item->item.High == awaited->High))
                import_->StepCompleted();
        } else if (status == eMoxEventStatus_Ok && item) {
            AddressListEntry added = item->item;
            added.No = model_->rowCount() + 1;
            model_->Append(std::move(added));
        }
    } else if (kind == shape.modifyEvent) {
        // The black list asks again whatever the outcome; the white list after an accepted change.
        if (list_ == AddressList::Black || status == eMoxEventStatus_Ok)
            RequestList();
    } else if (kind == shape.deleteEvent) {
        if (!deletion_->TakeDeleteReply(status, item ? item->item.Id : std::string()) &&
            status == eMoxEventStatus_Ok && item)
            RemoveRow(item->item.Id);
    }
    UpdateCommands();
}

void CAddressListPage::ShowList(int status, const std::vector<AddressListEntry>* entries)
{
    listPending_ = false;
    CloseBatchWindows();
    if (status != eMoxEventStatus_Ok || !entries)
        return;
    std::vector<AddressListEntry> rows = *entries;
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].No = static_cast<int>(i) + 1;
    view_->ReplaceRowsKeepingSelection([&] {
        model_->Clear();
        model_->Append(std::move(rows));
    });
    if (list_ == AddressList::Black)
        transferReady_ = true;
}

void CAddressListPage::RemoveRow(const std::string& id)
{
    const int row = model_->FindRow([&id](const AddressListEntry& entry) { return entry.Id == id; });
    if (row < 0)
        return;
    model_->Remove(row);
    model_->Edit(row, model_->rowCount() - 1, [](AddressListEntry& entry, int position) { entry.No = position + 1; });
}

void CAddressListPage::CloseBatchWindows()
{
    deletion_->CloseProgress();
    if (import_) {
        import_->accept();
        import_->deleteLater();
        import_ = nullptr;
    }
}
