#include "features/monitor/view/CInstantRequestMonitor.h"

#include "controls/CRuleListView.h"
#include "controls/FieldLabels.h"
#include "features/monitor/CRealtimeInstantRequestEventParam.h"
#include "features/monitor/RealtimeRequests.h"
#include "features/monitor/view/CInstantRequestContentDlg.h"
#include "features/monitor/view/CInstantRequestModel.h"
#include "messaging/EventKinds.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

// Run numbers are unique in the process, so that two monitors never take each other's lines.
constexpr std::size_t kMostPendingBytes = 16 * 1024 * 1024;

int NextRunNumber()
{
    static std::atomic<int> counter{0};
    return ++counter;
}

}  // namespace

CInstantRequestMonitor::CInstantRequestMonitor(int numberWidth, int contentWidth, QWidget* parent)
    : QWidget(parent)
{
    model_ = new CInstantRequestModel(numberWidth, contentWidth, this);
    list_ = new CRuleListView(this);
    list_->setAccessibleName(MoxTr::tr("访问监控数据"));
    list_->SetRuleModel(model_);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { emit ContextMenuAsked(list_->viewport()->mapToGlobal(at)); });
    connect(list_, &CRuleListView::RowActivated, this, [this](int row) { ShowContent(model_->FullText(row)); });

    auto* findLabel = new QLabel(MoxTr::tr("查找："), this);
    findField_ = new QLineEdit(this);
    findField_->setPlaceholderText(MoxTr::tr("在已收到的记录中查找（Ctrl+F）"));
    findField_->setClearButtonEnabled(true);
    FieldLabels::Tie(findLabel, findField_);
    auto* findButton = new QPushButton(MoxTr::tr("查找下一个"), this);
    findButton->setAutoDefault(false);
    findResult_ = new QLabel(this);
    connect(findField_, &QLineEdit::returnPressed, this, &CInstantRequestMonitor::FindNext);
    connect(findButton, &QPushButton::clicked, this, &CInstantRequestMonitor::FindNext);
    auto* findShortcut = new QShortcut(QKeySequence::Find, this);
    findShortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(findShortcut, &QShortcut::activated, this, [this] {
        findField_->setFocus(Qt::ShortcutFocusReason);
        findField_->selectAll();
    });

    reconnectTimer_ = new QTimer(this);
    reconnectTimer_->setSingleShot(true);
    connect(reconnectTimer_, &QTimer::timeout, this, &CInstantRequestMonitor::Reconnect);

    auto* findRow = new QHBoxLayout;
    findRow->addWidget(findLabel);
    findRow->addWidget(findField_, 1);
    findRow->addWidget(findButton);
    findRow->addWidget(findResult_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_, 1);
    layout->addLayout(findRow);

    relay_ = std::make_unique<CViewEventRelay>(
        this, std::set<int>{eMoxCacheEvent_InstantRequest},
        [this](int, int status, std::uintptr_t record, unsigned long requestNumber) {
            EventShown(status, record, requestNumber);
        });
}

CInstantRequestMonitor::~CInstantRequestMonitor()
{
    relay_.reset();
    stream_.Stop();
}

bool CInstantRequestMonitor::Start(const CInstantRequestRule& rule, const ClientRange& range)
{
    Stop();
    rule_ = rule;
    range_ = range;
    reconnectDelay_.Reset();
    lastWait_ = std::chrono::milliseconds(0);
    run_ = NextRunNumber();
    monitoring_ = Send();
    return monitoring_;
}

bool CInstantRequestMonitor::Send()
{
    return streamAwaited_.Send([this] {
               stream_ = MonitorManager_InstantRequest(rule_, range_.low, range_.high, run_);
               return stream_.IsSent();
           }) != 0;
}

void CInstantRequestMonitor::Stop()
{
    monitoring_ = false;
    reconnectTimer_->stop();
    stream_.Stop();
    streamAwaited_.Reset();
    // What the stopped run already delivered but was not shown yet goes with it.
    pending_.clear();
    model_->DropUnfinished();
}

// Pieces name the run they belong to; the end names the request of its stream. Another monitor's,
// or those of a stream this monitor stopped, change nothing.
void CInstantRequestMonitor::EventShown(int status, std::uintptr_t param, unsigned long requestNumber)
{
    if (!monitoring_)
        return;
    if (status != eMoxEventStatus_Ok) {
        if (streamAwaited_.Take(requestNumber))
            StreamEnded();
        return;
    }
    const auto* piece = CMoxEventParam::As<CRealtimeInstantRequestEventParam>(param);
    if (!piece || piece->RunNumber() != run_)
        return;
    reconnectDelay_.LineDelivered();
    pending_ += piece->Text();
    // A window kept from its event loop (a modal prompt, a starved machine) must not gather the
    // stream without bound: past the limit the text goes to the rows at once.
    if (pending_.size() >= kMostPendingBytes) {
        Flush();
        return;
    }
    if (!flushScheduled_) {
        flushScheduled_ = true;
        QTimer::singleShot(0, this, &CInstantRequestMonitor::Flush);
    }
}

void CInstantRequestMonitor::Flush()
{
    flushScheduled_ = false;
    if (pending_.empty())
        return;
    const std::size_t added = model_->AppendText(pending_);
    pending_.clear();
    // Rows of one fixed height: going to the bottom lays out no row but the ones shown.
    if (added > 0 && autoScroll_)
        list_->scrollToBottom();
}

void CInstantRequestMonitor::StreamEnded()
{
    // A line cut by the end of its stream never gets its rest.
    Flush();
    model_->DropUnfinished();
    lastWait_ = reconnectDelay_.NextWait();
    if (lastWait_.count() == 0) {
        GlobalFunc_UpdateStatusBar(MoxText::Noop("实时访问监控连接已断开，正在重新连接...."));
        Reconnect();
        return;
    }
    GlobalFunc_UpdateStatusBar(MoxTr::tr("实时访问监控连接已断开，%1 秒后重新连接....")
                                   .arg(static_cast<double>(lastWait_.count()) / 1000.0)
                                   .toStdString());
    reconnectTimer_->start(lastWait_);
}

void CInstantRequestMonitor::Reconnect()
{
    if (monitoring_ && !Send())
        StreamEnded();
}

void CInstantRequestMonitor::SetAutoScroll(bool on)
{
    if (autoScroll_ == on)
        return;
    autoScroll_ = on;
    if (on)
        list_->scrollToBottom();
    emit AutoScrollChanged(on);
}

void CInstantRequestMonitor::ClearRows()
{
    pending_.clear();
    model_->Clear();
}

bool CInstantRequestMonitor::FindNext()
{
    const std::string needle = findField_->text().toStdString();
    // From the row found last (it stays selected), or from the first row.
    const std::vector<int> selected = list_->SelectedRows();
    const std::optional<std::size_t> found = model_->Rows().Find(
        needle, selected.empty() ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(selected.back())));
    if (!found) {
        findResult_->setText(needle.empty() ? QString() : MoxTr::tr("未找到“%1”").arg(findField_->text()));
        return false;
    }
    SetAutoScroll(false);
    list_->SelectOnly(static_cast<int>(*found));
    findResult_->setText(MoxTr::tr("第 %1 行").arg(*found + 1));
    return true;
}

QString CInstantRequestMonitor::SelectedTexts() const
{
    QString texts;
    for (int row : list_->SelectedRows())
        texts += model_->FullText(row) + QStringLiteral("\r\n\r\n");
    return texts;
}

void CInstantRequestMonitor::ShowContent(const QString& text)
{
    auto* window = new CInstantRequestContentDlg(text, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}
