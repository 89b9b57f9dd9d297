#include "features/config/view/CDnsRedirectDlg.h"

#include "controls/CBatchProgressDlg.h"
#include "controls/CConfirmedCheckBox.h"
#include "controls/CRuleListView.h"
#include "controls/CTextLimit.h"
#include "controls/CViewEventRelay.h"
#include "controls/CommandKeys.h"
#include "controls/ExchangeFileReading.h"
#include "controls/IUserInteraction.h"
#include "features/config/DnsEvents.h"
#include "features/config/DnsRedirectFile.h"
#include "features/config/DnsRequests.h"
#include "features/config/view/CDnsRedirectEntryDlg.h"
#include "features/config/view/CDnsRedirectModel.h"
#include "messaging/EventKinds.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "protocol/SentRequestNumber.h"
#include "shell/ProductText.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

struct CommandShape {
    const char* text;
    const char* tooltip;
};

const CommandShape kCommands[] = {
    {MoxText::Noop("添加"), MoxText::Noop("添加自定义劫持域名")},
    {MoxText::Noop("修改"), MoxText::Noop("修改选中的劫持域名")},
    {MoxText::Noop("删除"), MoxText::Noop("按 Ctrl 或 Shift 键多选可批量删除自定义劫持域名")},
    {MoxText::Noop("刷新"), MoxText::Noop("刷新域名劫持列表")},
    {MoxText::Noop("导入"), MoxText::Noop("导入自定义劫持列表")},
    {MoxText::Noop("导出"), MoxText::Noop("导出自定义劫持列表")},
};

QString FileFilterText()
{
    return MoxTr::tr("文本文件(*.txt)");
}

}  // namespace

CDnsRedirectDlg::CDnsRedirectDlg(bool oem, QWidget* parent)
    : QWidget(parent), stepTimeoutMs_(CBatchProgressDlg::kDefaultStepTimeoutMs)
{
    switch_ = new CConfirmedCheckBox(
        MoxTr::tr("开启域名劫持功能（关闭劫持后页面访问将在1分钟内逐渐回源，不再流经 Morvix，一般用于临时性关闭缓存服务）"), this);
    connect(switch_, &CConfirmedCheckBox::ChangeRequested, this, &CDnsRedirectDlg::SwitchRequested);
    auto* explanation = new QLabel(
        QString::fromStdString(ProductText(MoxText::Noop(
            "劫持说明：\n"
            "1、劫持原理：当用户访问下面列表中的域名时，默认会被解析/劫持到 Morvix 上并完成缓存操作。\n"
            "2、问题处理：当某域名访问出现问题后，可临时性将其修改为拒绝劫持，拒绝劫持后页面访问将直接回源。\n"
            "3、添加删除：支持自定义添加/删除/导入/导出，特别注意：被解析/劫持到 Morvix 上的域名必须是走 HTTP（TCP 80）协议的。"),
            oem)),
        this);
    explanation->setWordWrap(true);

    model_ = new CDnsRedirectModel(this);
    list_ = new CRuleListView(this);
    list_->SetRuleModel(model_);
    list_->setAccessibleName(MoxTr::tr("域名劫持列表"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(switch_);
    layout->addWidget(explanation);
    layout->addWidget(list_, 1);
    layout->addWidget(BuildCommands());

    connect(list_, &CRuleListView::SelectionOrRowsChanged, this, &CDnsRedirectDlg::UpdateCommands);
    connect(list_, &CRuleListView::RowActivated, this, [this] { OpenEditor(true); });
    UpdateCommands();
    relay_ = std::make_unique<CViewEventRelay>(
        this,
        std::set<int>{eMoxCacheEvent_DnsSystemRead, eMoxCacheEvent_DnsSystemSet, eMoxCacheEvent_DnsRedirectList,
                      eMoxCacheEvent_DnsRedirectAdd, eMoxCacheEvent_DnsRedirectModify, eMoxCacheEvent_DnsRedirectDelete},
        [this](int kind, int status, std::uintptr_t record, unsigned long requestNumber) {
            Completed(kind, status, record, requestNumber);
        });
    relay_->EndBusyOnLogin(&busy_, [this] { UpdateCommands(); });
}

CDnsRedirectDlg::~CDnsRedirectDlg()
{
    relay_.reset();
}

QWidget* CDnsRedirectDlg::BuildCommands()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    state_ = new QPushButton(MoxTr::tr("拒绝劫持"), box);
    connect(state_, &QPushButton::clicked, this, &CDnsRedirectDlg::FlipState);
    row->addWidget(state_);
    search_ = new QLineEdit(box);
    search_->setMaxLength(128);
    search_->setAccessibleName(MoxTr::tr("查找域名"));
    CTextLimit::RefuseControlCharacters(search_);
    find_ = new QPushButton(MoxTr::tr("查找"), box);
    find_->setToolTip(MoxTr::tr("支持模糊查找"));
    connect(find_, &QPushButton::clicked, this, &CDnsRedirectDlg::Find);
    connect(search_, &QLineEdit::returnPressed, this, &CDnsRedirectDlg::Find);
    row->addWidget(search_);
    row->addWidget(find_);
    row->addStretch();
    for (int command = eAdd; command <= eExport; ++command) {
        auto* button = new QPushButton(MoxTr::tr(kCommands[command].text), box);
        button->setToolTip(MoxTr::tr(kCommands[command].tooltip));
        commands_[command] = button;
        row->addWidget(button);
    }
    connect(commands_[eAdd], &QPushButton::clicked, this, [this] { OpenEditor(false); });
    connect(commands_[eModify], &QPushButton::clicked, this, [this] { OpenEditor(true); });
    connect(commands_[eDelete], &QPushButton::clicked, this, &CDnsRedirectDlg::DeleteSelection);
    connect(commands_[eRefresh], &QPushButton::clicked, this, &CDnsRedirectDlg::Refresh);
    connect(commands_[eImport], &QPushButton::clicked, this, &CDnsRedirectDlg::Import);
    connect(commands_[eExport], &QPushButton::clicked, this, &CDnsRedirectDlg::Export);
    BindListKeys(this, commands_[eRefresh], commands_[eDelete]);
    return box;
}

int CDnsRedirectDlg::SelectedRow() const
{
    const std::vector<int> rows = list_->SelectedRows();
    return rows.empty() ? -1 : rows.front();
}

int CDnsRedirectDlg::CustomRowOf(const std::string& name) const
{
    return model_->FindRow([&](const DnsRedirectRow& row) { return !row.entry.IsSystem && row.entry.Name == name; });
}

void CDnsRedirectDlg::UpdateCommands()
{
    const int selected = SelectedRow();
    state_->setEnabled(selected >= 0);
    commands_[eModify]->setEnabled(selected >= 0);
    commands_[eDelete]->setEnabled(selected >= 0);
    if (selected >= 0)
        state_->setText(model_->At(selected).entry.Enable == 1 ? MoxTr::tr("拒绝劫持") : MoxTr::tr("允许劫持"));
    for (Command command : {eRefresh, eImport, eExport})
        commands_[command]->setEnabled(!busy_.IsListReadAwaited());
}

void CDnsRedirectDlg::Refresh()
{
    busy_.SendListRead(DnsManager_RedirectList);
    UpdateCommands();
}

void CDnsRedirectDlg::SendOwn(const std::function<bool()>& send)
{
    busy_.Send(send);
}

void CDnsRedirectDlg::SwitchRequested(bool wanted)
{
    const bool confirmed =
        wanted ? IUserInteraction::Current().Confirm(this, MoxTr::tr("开启"), MoxTr::tr("你确定要开启域名劫持功能吗？"))
               : IUserInteraction::Current().Confirm(this, MoxTr::tr("关闭"), MoxTr::tr("你确定要关闭域名劫持功能吗？"));
    if (confirmed && busy_.Send([wanted] { return DnsManager_SetRedirect(wanted ? 1 : 0); }) != 0)
        switch_->setChecked(wanted);
}

void CDnsRedirectDlg::FlipState()
{
    const int selected = SelectedRow();
    if (selected < 0)
        return;
    DnsRedirectEntry flipped = model_->At(selected).entry;
    flipped.Enable = flipped.Enable == 1 ? 0 : 1;
    SendOwn([&] { return flipped.IsSystem ? DnsManager_RedirectAdd(flipped) : DnsManager_RedirectModify(flipped); });
}

void CDnsRedirectDlg::Find()
{
    const QString wanted = search_->text();
    if (wanted.isEmpty() || model_->rowCount() == 0)
        return;
    const int start = SelectedRow() + 1;
    const int count = model_->rowCount();
    list_->clearSelection();
    for (int step = 0; step < count; ++step) {
        const int row = (start + step) % count;
        if (QString::fromStdString(model_->At(row).entry.Name).contains(wanted, Qt::CaseInsensitive)) {
            list_->SelectOnly(row);
            return;
        }
    }
}

void CDnsRedirectDlg::OpenEditor(bool modify)
{
    const int selected = SelectedRow();
    if (editor_ || (modify && selected < 0))
        return;
    const DnsRedirectEntry* entry = modify ? &model_->At(selected).entry : nullptr;
    editorEntry_ = entry ? *entry : DnsRedirectEntry();
    editor_ = new CDnsRedirectEntryDlg(entry, cacheServerIp_, this);
    editor_->setAttribute(Qt::WA_DeleteOnClose);
    connect(editor_, &QDialog::accepted, this, [this, modify] { EditorAccepted(modify); });
    editor_->open();
}

void CDnsRedirectDlg::EditorAccepted(bool modify)
{
    const DnsRedirectEntry edited = editor_->Edited();
    if (!modify) {
        SendOwn([&] { return DnsManager_RedirectAdd(edited); });
        return;
    }
    // The rows may have changed while the editor was open (a refresh, a new login): the change is
    // made to the entry the editor was opened for, wherever it stands now.
    const int row = model_->FindRow([&](const DnsRedirectRow& each) {
        return each.entry.Name == editorEntry_.Name && each.entry.IsSystem == editorEntry_.IsSystem;
    });
    if (row < 0) {
        IUserInteraction::Current().Inform(this, MoxTr::tr("修改"),
                                           MoxTr::tr("要修改的劫持域名已经不在列表中，修改没有提交。"));
        return;
    }
    const DnsRedirectEntry& before = model_->At(row).entry;
    const bool noteOrState = edited.Note != before.Note || edited.Enable != before.Enable;
    if (before.IsSystem) {
        // A built-in entry changes by becoming a custom one of the same name.
        if ((!edited.IP.empty() && edited.IP != before.IP) || noteOrState)
            SendOwn([&] { return DnsManager_RedirectAdd(edited); });
        return;
    }
    if (edited.IP != before.IP || noteOrState)
        SendOwn([&] { return DnsManager_RedirectModify(edited); });
}

void CDnsRedirectDlg::DeleteSelection()
{
    std::vector<DnsRedirectEntry> custom;
    for (int row : list_->SelectedRows())
        if (!model_->At(row).entry.IsSystem)
            custom.push_back(model_->At(row).entry);
    if (custom.empty())
        return;
    if (!IUserInteraction::Current().Confirm(this, MoxTr::tr("删除"),
                                             MoxTr::tr("您确定要删除所有选中的自定义劫持域名吗？")))
        return;
    if (custom.size() == 1) {
        SendOwn([&] { return DnsManager_RedirectDel(custom.front().Name); });
        return;
    }
    RunBatch(MoxTr::tr("删除"), MoxTr::tr("正在删除选中的自定义劫持域名，请稍候 ......."),
             MoxTr::tr("停止删除"), MoxTr::tr("您确定要停止删除自定义劫持域名吗？"), std::move(custom),
             [](const DnsRedirectEntry& entry) { return DnsManager_RedirectDel(entry.Name); });
}

void CDnsRedirectDlg::RunBatch(const QString& title, const QString& progress, const QString& stopText,
                               const QString& stopQuestion, std::vector<DnsRedirectEntry> entries,
                               bool (*send)(const DnsRedirectEntry&))
{
    if (progress_)
        return;
    const int steps = static_cast<int>(entries.size());
    progress_ = new CBatchProgressDlg(this, {title, progress, stopQuestion, progress}, steps,
                                      [entries = std::move(entries), send](int step) {
                                          return nsMoxHttp::SentRequestNumber(
                                              [&] { return send(entries[static_cast<std::size_t>(step)]); });
                                      });
    progress_->setAttribute(Qt::WA_DeleteOnClose);
    progress_->StopButton()->setText(stopText);
    progress_->SetStepTimeout(stepTimeoutMs_);
    connect(progress_, &CBatchProgressDlg::Finished, progress_, &QDialog::accept);
    // A step given up may still have been carried out, its reply coming too late to be shown:
    // the list the server now holds is asked for once the run ends.
    connect(progress_, &CBatchProgressDlg::Finished, this, [this] { Refresh(); });
    progress_->Start();
}

void CDnsRedirectDlg::Export()
{
    const QString suggested =
        QString::fromStdString(DnsRedirectFileName(QDate::currentDate().toString(Qt::ISODate).toStdString()));
    const QString path =
        IUserInteraction::Current().ChooseSaveFile(this, MoxTr::tr("导出自定义劫持列表"), suggested, FileFilterText());
    if (path.isEmpty())
        return;
    std::string error;
    const auto written = WriteDnsRedirectFile(path.toStdString(), model_->CustomEntries(), &error);
    if (!written) {
        IUserInteraction::Current().Inform(this, MoxTr::tr("导出自定义劫持列表"), QString::fromStdString(error));
        return;
    }
    GlobalFunc_UpdateStatusBar(ExchangeFileText::ExportStatusText(
        MoxText::Noop("导出自定义劫持列表完成"), *written, MoxText::Noop("域名含有“/”、“#”或空白、或地址含有“#”或空白或以“/”结尾的条目")));
}

void CDnsRedirectDlg::Import()
{
    if (readingFile_)
        return;
    const QString path =
        IUserInteraction::Current().ChooseOpenFile(this, MoxTr::tr("导入自定义劫持列表"), QString(), FileFilterText());
    if (path.isEmpty())
        return;
    readingFile_ = true;
    ReadExchangeFileInBackground(
        this, path.toStdString(), [](const std::string& text) { return ReadDnsRedirectText(text); },
        [this](std::optional<DnsRedirectFileRead> read, const std::string& error) {
            readingFile_ = false;
            if (!read) {
                IUserInteraction::Current().Inform(this, MoxTr::tr("导入自定义劫持列表"),
                                                   QString::fromStdString(error));
                return;
            }
            if (read->notes.Any())
                GlobalFunc_UpdateStatusBar(ExchangeFileText::ReadNotesStatusText(MoxText::Noop("导入文件"), read->notes));
            if (read->entries.empty())
                return;
            RunBatch(MoxTr::tr("导入"), MoxTr::tr("正在导入自定义劫持域名，请稍候……"), MoxTr::tr("停止导入"),
                     MoxTr::tr("您确定要停止导入自定义劫持域名吗？"), read->entries.All(),
                     [](const DnsRedirectEntry& entry) { return DnsManager_RedirectAdd(entry); });
        });
}

// The page shows the replies to its own requests and to the steps of its batch; a reply to a step
// given up, or to another window's request, changes nothing. The server's switch is shown
// whoever asked for it, unless an answer to a later read was shown already.
void CDnsRedirectDlg::Completed(int kind, int status, std::uintptr_t record, unsigned long requestNumber)
{
    if (kind == eMoxCacheEvent_DnsSystemRead) {
        if (settingsReads_.TakeNewer(requestNumber))
            EventShown(kind, status, record);
        return;
    }
    switch (busy_.TakeReply(requestNumber)) {
    case CBusyState::Taken::ListOutdated:
        Refresh();
        return;
    case CBusyState::Taken::No:
        if (!(progress_ && progress_->TakeCompletion(requestNumber)))
            return;
        break;
    case CBusyState::Taken::Yes:
        break;
    }
    // Whatever became of a switch, the server's settings say where it stands.
    if (kind == eMoxCacheEvent_DnsSystemSet) {
        DnsManager_SystemList();
        return;
    }
    EventShown(kind, status, record);
}

void CDnsRedirectDlg::EventShown(int kind, int status, std::uintptr_t value)
{
    CMoxEventParam* record = CMoxEventParam::FromParam(value);
    if (kind == eMoxCacheEvent_DnsSystemRead) {
        const auto* system = dynamic_cast<const CMoxDnsSystemEventParam*>(record);
        if (status == eMoxEventStatus_Ok && system) {
            switch_->setChecked(system->options.EnableRedirect != 0);
            cacheServerIp_ = system->options.DefaultRedirectIP;
        }
        return;
    }
    if (kind == eMoxCacheEvent_DnsRedirectList) {
        const auto* list = dynamic_cast<const CMoxDnsRedirectListEventParam*>(record);
        if (status == eMoxEventStatus_Ok && list) {
            std::vector<DnsRedirectRow> rows;
            for (const auto* entries : {&list->systemEntries, &list->userEntries})
                for (const DnsRedirectEntry& entry : *entries)
                    rows.push_back({static_cast<int>(rows.size()) + 1, entry});
            list_->ReplaceRowsKeepingSelection([&] {
                model_->Clear();
                model_->Append(std::move(rows));
            });
        }
        UpdateCommands();
        return;
    }
    // A change whose reply was lost or unreadable may have been carried out all the same: only the
    // list can say. A batch reads the list at its end anyway.
    if ((status == eMoxEventStatus_NetworkError || status == eMoxEventStatus_BadReply) && !progress_) {
        Refresh();
        return;
    }
    const auto* changed = dynamic_cast<const CMoxDnsRedirectAddEventParam*>(record);
    if (status != eMoxEventStatus_Ok || !changed)
        return;
    DnsRedirectEntry entry = changed->item;
    entry.IsSystem = false;
    const int row = CustomRowOf(entry.Name);
    if (kind == eMoxCacheEvent_DnsRedirectAdd) {
        if (row < 0)
            model_->Append(DnsRedirectRow{model_->rowCount() + 1, entry});
    } else if (kind == eMoxCacheEvent_DnsRedirectModify && row >= 0) {
        entry.THC = model_->At(row).entry.THC;
        entry.TTL = model_->At(row).entry.TTL;
        model_->Replace(row, {model_->At(row).number, entry});
    } else if (kind == eMoxCacheEvent_DnsRedirectDelete && row >= 0) {
        model_->Remove(row);
        model_->Renumber();
    }
    UpdateCommands();
}
