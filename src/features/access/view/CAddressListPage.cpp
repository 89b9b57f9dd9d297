#include "features/access/view/CAddressListPage.h"

#include "controls/CBatchProgressDlg.h"
#include "controls/CRuleDeletion.h"
#include "controls/CRuleListView.h"
#include "controls/CViewEventRelay.h"
#include "controls/CommandKeys.h"
#include "controls/ExchangeFileDialogs.h"
#include "controls/ExchangeFileReading.h"
#include "controls/IUserInteraction.h"
#include "features/access/AddressListEvents.h"
#include "features/access/AddressListRequests.h"
#include "features/access/BlackListFile.h"
#include "features/access/view/CWhiteListAddDlg.h"
#include "messaging/EventKinds.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "protocol/SentRequestNumber.h"
#include "shell/ExchangeFileText.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

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
        return {MoxTr::tr("您确定要删除此白名单吗？"), MoxTr::tr("删除"), {}, {}, MoxTr::tr("删除")};
    return {MoxTr::tr("您确定要删除选择的黑名单吗？"), MoxTr::tr("删除"),
            MoxTr::tr("正在删除选中的黑名单列表，请稍候 ......."), MoxTr::tr("您确定要停止删除黑名单列表吗？"),
            MoxTr::tr("删除")};
}

}  // namespace

CAddressListPage::CAddressListPage(AddressList list, bool withTransfer, QWidget* parent)
    : QWidget(parent), list_(list), stepTimeoutMs_(CBatchProgressDlg::kDefaultStepTimeoutMs)
{
    model_ = new CRuleListModel<AddressListEntry>({{MoxTr::tr("序号"), 50},
                                                   {MoxTr::tr("IP低地址"), 120},
                                                   {MoxTr::tr("IP高地址"), 120},
                                                   {MoxTr::tr("有效期"), 140},
                                                   {MoxTr::tr("备注"), 200}},
                                                  CellText, this);
    view_ = new CRuleListView(this);
    view_->setAccessibleName(list == AddressList::White ? MoxTr::tr("白名单列表") : MoxTr::tr("黑名单列表"));
    view_->SetRuleModel(model_);
    if (list == AddressList::White)
        view_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(view_, &CRuleListView::SelectionOrRowsChanged, this, &CAddressListPage::UpdateCommands);
    connect(view_, &CRuleListView::RowActivated, this, [this] { OpenForm(true); });

    const bool black = list == AddressList::Black;
    std::vector<std::tuple<Command, QString, QString>> commands = {
        {eAdd, MoxTr::tr("添加"), black ? MoxTr::tr("添加黑名单配置") : QString()},
        {eModify, MoxTr::tr("修改"), black ? MoxTr::tr("修改选中的黑名单信息") : QString()},
        {eDelete, MoxTr::tr("删除"), black ? MoxTr::tr("按 Ctrl 或 Shift 键多选可批量删除黑名单列表") : QString()},
        {eRefresh, MoxTr::tr("刷新"), black ? MoxTr::tr("刷新黑名单列表") : QString()}};
    if (withTransfer) {
        commands.emplace_back(eImport, MoxTr::tr("导入"), MoxTr::tr("导入黑名单列表"));
        commands.emplace_back(eExport, MoxTr::tr("导出"), MoxTr::tr("导出黑名单列表"));
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
    deletion_ = new CRuleDeletion(this, DeletionTexts(list), [del = shape.del](const std::string& id) {
        return nsMoxHttp::SentRequestNumber([&] { return del(id); });
    });
    connect(deletion_, &CRuleDeletion::BatchFinished, this, [this] {
        RequestList();
        if (!busy_.IsListReadAwaited())
            CloseBatchWindows();
    });
    relay_ = std::make_unique<CViewEventRelay>(
        this, std::set<int>{shape.listEvent, shape.addEvent, shape.modifyEvent, shape.deleteEvent},
        [this](int kind, int status, std::uintptr_t record, unsigned long requestNumber) {
            Completed(kind, status, record, requestNumber);
        });
    relay_->EndBusyOnLogin(&busy_, [this] { UpdateCommands(); });
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

bool CAddressListPage::IsBusy() const
{
    return busy_.IsBusy() || import_ || deletion_->IsBatchActive();
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
        for (const unsigned long requestNumber : deletion_->Delete(ids))
            busy_.Sent(requestNumber);
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
    busy_.Reset();
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
                                               {eRefresh, !busy_.IsListReadAwaited()},
                                               {eImport, transferReady_},
                                               {eExport, transferReady_}};
    for (const auto& [command, on] : states)
        if (QPushButton* button = CommandButton(command))
            button->setEnabled(on);
}

void CAddressListPage::RequestList()
{
    busy_.SendListRead(ShapeOf(list_).list);
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
    connect(form, &CWhiteListAddDlg::Submitted, this, [this](unsigned long requestNumber) { busy_.Sent(requestNumber); });
    form_ = form;
    form->open();
}

void CAddressListPage::Export()
{
    const QString path = ChooseExchangeFileToSave(this, MoxTr::tr("导出黑名单列表"),
                                                  QStringLiteral("Morvix-Black-%1.txt").arg(ServerHostName()));
    if (path.isEmpty())
        return;
    std::string error;
    const ExchangeFileText::Written file = BlackListFileText(Entries());
    if (!ExchangeFileText::Write(path.toStdString(), file.text, &error)) {
        IUserInteraction::Current().Inform(this, MoxTr::tr("导出黑名单列表"), QString::fromStdString(error));
        return;
    }
    GlobalFunc_UpdateStatusBar(ExchangeFileText::ExportStatusText(MoxText::Noop("导出黑名单列表完成"), file, MoxText::Noop("地址或期限含有“/”或“-”的条目")));
}

void CAddressListPage::Import()
{
    if (readingFile_)
        return;
    const QString path = ChooseExchangeFileToOpen(this, MoxTr::tr("导入黑名单列表"));
    if (path.isEmpty())
        return;
    readingFile_ = true;
    ReadExchangeFileInBackground(this, path.toStdString(), ReadBlackListFile,
                                 [this](std::optional<BlackListFileRead> read, const std::string& error) {
                                     readingFile_ = false;
                                     if (!read)
                                         IUserInteraction::Current().Inform(this, MoxTr::tr("导入黑名单列表"),
                                                                            QString::fromStdString(error));
                                     else if (!import_)
                                         ImportEntries(std::move(*read));
                                 });
}

void CAddressListPage::ImportEntries(BlackListFileRead read)
{
    if (read.notes.Any())
        GlobalFunc_UpdateStatusBar(ExchangeFileText::ReadNotesStatusText(MoxText::Noop("导入文件"), read.notes));
    for (const std::string& range : read.singleAddressRanges)
        IUserInteraction::Current().Inform(this, QStringLiteral("tips"), QString::fromStdString(range));
    pending_ = read.entries.All();
    import_ = new CBatchProgressDlg(this,
                                    {MoxTr::tr("导入黑名单列表"), MoxTr::tr("正在导入黑名单列表，请稍候 ......."),
                                     MoxTr::tr("您确定要停止导入黑名单列表吗？"),
                                     MoxTr::tr("正在刷新列表，请稍候...."), MoxTr::tr("停止导入")},
                                    static_cast<int>(pending_.size()), [this](int step) {
                                        return nsMoxHttp::SentRequestNumber(
                                            [&] { return AccessList_BlackAdd(pending_[static_cast<std::size_t>(step)]); });
                                    });
    import_->SetStepTimeout(stepTimeoutMs_);
    connect(import_, &CBatchProgressDlg::Finished, this, [this] {
        pending_.clear();
        RequestList();
        if (!busy_.IsListReadAwaited())
            CloseBatchWindows();
    });
    import_->Start();
}

// The page takes the replies to its own requests; a batch window takes its steps' replies; any
// other reply of the list's kinds (a step given up, another window's request) changes nothing.
void CAddressListPage::Completed(int kind, int status, std::uintptr_t record, unsigned long requestNumber)
{
    const ListShape& shape = ShapeOf(list_);
    switch (busy_.TakeReply(requestNumber)) {
    case CBusyState::Taken::Yes:
        EventShown(kind, status, record);
        return;
    case CBusyState::Taken::ListOutdated:
        RequestList();
        return;
    case CBusyState::Taken::No:
        break;
    }
    if (kind == shape.addEvent && import_)
        import_->TakeCompletion(requestNumber);
    else if (kind == shape.deleteEvent)
        deletion_->TakeDeleteReply(requestNumber);
}

void CAddressListPage::EventShown(int kind, int status, std::uintptr_t record)
{
    const ListShape& shape = ShapeOf(list_);
    const auto* item = CMoxEventParam::As<CMoxItemEventParamT<AddressListEntry>>(record);
    // A change whose reply was lost or unreadable may have been carried out all the same: only the
    // list can say.
    const bool replyLost =
        (status == eMoxEventStatus_NetworkError || status == eMoxEventStatus_BadReply) && kind != shape.listEvent;
    if (kind == shape.listEvent) {
        const auto* list = CMoxEventParam::As<CMoxListEventParamT<AddressListEntry>>(record);
        ShowList(status, list ? &list->items : nullptr);
    } else if (kind == shape.addEvent) {
        if (status == eMoxEventStatus_Ok && item && FindRow(item->item.Id) < 0) {
            AddressListEntry added = item->item;
            added.No = model_->rowCount() + 1;
            model_->Append(std::move(added));
        }
    } else if (kind == shape.modifyEvent) {
        // The black list asks again whatever the outcome; the white list after an accepted change.
        if (list_ == AddressList::Black || status == eMoxEventStatus_Ok || replyLost)
            RequestList();
    } else if (kind == shape.deleteEvent) {
        if (status == eMoxEventStatus_Ok && item)
            RemoveRow(item->item.Id);
    }
    if (replyLost && kind != shape.modifyEvent)
        RequestList();
    UpdateCommands();
}

void CAddressListPage::ShowList(int status, const std::vector<AddressListEntry>* entries)
{
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

int CAddressListPage::FindRow(const std::string& id) const
{
    return model_->FindRow([&id](const AddressListEntry& entry) { return entry.Id == id; });
}

void CAddressListPage::RemoveRow(const std::string& id)
{
    const int row = FindRow(id);
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
