#include "features/config/view/CToolsAllCacheListDlg.h"

#include "controls/CRuleListView.h"
#include "controls/CommandKeys.h"
#include "controls/IUserInteraction.h"
#include "features/config/ToolsRequests.h"
#include "features/monitor/CRealtimeInstantRequestEventParam.h"
#include "messaging/EventKinds.h"

#include <QDateTime>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QStringEncoder>
#include <QTimer>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

CToolsAllCacheListDlg::CToolsAllCacheListDlg(QWidget* parent) : CMoxContentView(parent)
{
    model_ = new CRuleListModel<Row>(
        {{MoxTr::tr("序号"), 70}, {MoxTr::tr("缓存Url"), 600}},
        [this](const Row& row, int column) {
            return column == 0 ? std::to_string(row.number) : std::string(Url(row));
        },
        this);
    list_ = new CRuleListView(this);
    list_->SetRuleModel(model_);
    auto* title = new QLabel(MoxTr::tr("获取所有缓存 Url 列表："), this);
    title->setBuddy(list_);
    fetch_ = new QPushButton(MoxTr::tr("获得缓存列表"), this);
    save_ = new QPushButton(MoxTr::tr("保存缓存列表"), this);

    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(fetch_);
    commands->addWidget(save_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(title);
    layout->addWidget(list_, 1);
    layout->addLayout(commands);

    connect(fetch_, &QPushButton::clicked, this, &CToolsAllCacheListDlg::Fetch);
    connect(save_, &QPushButton::clicked, this, &CToolsAllCacheListDlg::Save);
    PressOnKey(this, QKeySequence(Qt::Key_F5), fetch_);
    connect(list_, &CRuleListView::RowActivated, this, &CToolsAllCacheListDlg::ShowSelectedUrls);
}

std::string_view CToolsAllCacheListDlg::Url(const Row& row) const
{
    return std::string_view(*texts_[row.text]).substr(row.span.offset, row.span.length);
}

void CToolsAllCacheListDlg::SetBusy(bool busy)
{
    busy_ = busy;
    fetch_->setEnabled(!busy);
    save_->setEnabled(!busy);
}

void CToolsAllCacheListDlg::Fetch()
{
    if (busy_)
        return;
    awaiting_.Send(ToolsManager_CachedUrlList);
    if (awaiting_.IsBusy())
        SetBusy(true);
}

void CToolsAllCacheListDlg::OnServerChanged(const ServerPlatform&)
{
    awaiting_.Reset();
    SetBusy(false);
}

void CToolsAllCacheListDlg::OnRecordHandedOver(int kind, int status, CMoxEventParam* record,
                                               unsigned long requestNumber)
{
    if (kind != eMoxCacheEvent_ToolsCachedUrlList || !awaiting_.Take(requestNumber))
        return;
    auto* reply = dynamic_cast<CRealtimeInstantRequestEventParam*>(record);
    if (status != eMoxEventStatus_Ok || !reply) {
        SetBusy(false);
        return;
    }
    SetBusy(true);
    // The rows point into the record's own text: a reference on the record instead of a copy of
    // a reply that may hold tens of megabytes.
    reply->AddRef();
    const std::shared_ptr<CRealtimeInstantRequestEventParam> held(
        reply, [](CRealtimeInstantRequestEventParam* kept) { kept->Release(); });
    texts_.push_back(std::shared_ptr<const std::string>(held, &reply->Text()));
    cursor_ = 0;
    ShowNextBatch();
}

void CToolsAllCacheListDlg::ShowNextBatch()
{
    const std::string& text = *texts_.back();
    std::vector<CachedUrlSpan> spans;
    cursor_ = CutCachedUrlLines(text, cursor_, kBatchBytes, spans);
    std::vector<Row> rows;
    rows.reserve(spans.size());
    auto number = static_cast<std::uint32_t>(model_->rowCount());
    const auto textIndex = static_cast<std::uint32_t>(texts_.size() - 1);
    for (const CachedUrlSpan& span : spans)
        rows.push_back({++number, textIndex, span});
    model_->Append(std::move(rows));
    if (cursor_ < text.size()) {
        QTimer::singleShot(0, this, &CToolsAllCacheListDlg::ShowNextBatch);
        return;
    }
    SetBusy(false);
    emit RowsShown();
}

void CToolsAllCacheListDlg::Save()
{
    const QString suggested =
        QStringLiteral("morvix Cache(%1).txt").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HH-mm-ss")));
    const QString path = IUserInteraction::Current().ChooseSaveFile(this, MoxTr::tr("保存到"), suggested,
                                                                    MoxTr::tr("文本文件(*.txt)"));
    if (path.isEmpty())
        return;
    const std::string empty;
    const std::string& text = texts_.empty() ? empty : *texts_.back();
    QStringEncoder toUtf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    QByteArray bytes = toUtf16.encode(QString::fromStdString(text));
    if (bytes.isEmpty())
        bytes = QByteArray("\xFF\xFE", 2);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        IUserInteraction::Current().Inform(this, MoxTr::tr("保存到"),
                                           MoxTr::tr("无法写入文件：%1").arg(path));
}

void CToolsAllCacheListDlg::ShowSelectedUrls()
{
    QString urls;
    for (int row : list_->SelectedRows())
        urls += QString::fromStdString(std::string(Url(model_->At(row)))) + QStringLiteral("\n\n");
    if (!urlWindow_) {
        urlWindow_ = new QDialog(this);
        urlWindow_->setAttribute(Qt::WA_DeleteOnClose);
        urlWindow_->setWindowTitle(MoxTr::tr("缓存Url"));
        auto* box = new QPlainTextEdit(urlWindow_);
        box->setReadOnly(true);
        auto* label = new QLabel(MoxTr::tr("缓存Url："), urlWindow_);
        label->setBuddy(box);
        auto* layout = new QVBoxLayout(urlWindow_);
        layout->addWidget(label);
        layout->addWidget(box);
        urlWindow_->resize(520, 300);
    }
    urlWindow_->findChild<QPlainTextEdit*>()->setPlainText(urls);
    urlWindow_->show();
    urlWindow_->raise();
}
