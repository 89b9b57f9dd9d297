#include "features/cache/view/CExportDlg.h"

#include "controls/CMoxTabCtrl.h"
#include "controls/CRuleListPage.h"
#include "controls/CViewEventRelay.h"
#include "controls/ExchangeFileDialogs.h"
#include "controls/ExchangeFileReading.h"
#include "controls/FieldLabels.h"
#include "controls/IUserInteraction.h"
#include "messaging/CMoxEventParam.h"
#include "messaging/EventKinds.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/ExchangeFileText.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

constexpr RulesFileBlock kBlocks[] = {eRulesBlock_FCache, eRulesBlock_RCache, eRulesBlock_SCache,
                                      eRulesBlock_Rewrite};
constexpr const char* kBlockTexts[] = {MoxText::Noop("导出页面缓存列表"), MoxText::Noop("导出拒绝缓存列表"), MoxText::Noop("导出会话缓存列表"), MoxText::Noop("导出转向规则列表")};
constexpr int kExportSteps = 5;

// The rules as the views last showed them: the server instance keeps each view's list in step.
RuleSet ShownRules()
{
    RuleSet rules;
    if (CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance()) {
        rules.fcache = instance->fcacheRules.Snapshot();
        rules.rcache = instance->rcacheRules.Snapshot();
        rules.scache = instance->scacheRules.Snapshot();
        rules.rewrite = instance->rewriteRules.Snapshot();
    }
    return rules;
}

}  // namespace

CExportDlg::CExportDlg(Mode mode, QWidget* parent) : QDialog(parent), mode_(mode)
{
    const bool exporting = mode == Mode::Export;
    setWindowTitle(exporting ? MoxTr::tr("导出") : MoxTr::tr("导入"));
    setModal(true);
    auto* tabs = new CMoxTabCtrl(this);
    tabs->addTab(exporting ? MoxTr::tr("导出规则") : MoxTr::tr("导入规则"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    for (int i = 0; i < 4; ++i) {
        boxes_[i] = new QCheckBox(MoxTr::tr(kBlockTexts[i]), this);
        boxes_[i]->setChecked(true);
        layout->addWidget(boxes_[i]);
    }
    path_ = new QLineEdit(this);
    path_->setMinimumWidth(320);
    choose_ = new QPushButton(exporting ? MoxTr::tr("选择目录") : MoxTr::tr("选择文件"), this);
    connect(choose_, &QPushButton::clicked, this, &CExportDlg::Choose);
    auto* pathLabel = new QLabel(MoxTr::tr("文件："), this);
    FieldLabels::Tie(pathLabel, path_);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(path_, 1);
    pathRow->addWidget(choose_);
    layout->addLayout(pathRow);

    progress_ = new QProgressBar(this);
    progress_->setRange(0, exporting ? kExportSteps : 1);
    progress_->setValue(0);
    layout->addWidget(progress_);

    start_ = new QPushButton(exporting ? MoxTr::tr("开始导出") : MoxTr::tr("开始导入"), this);
    start_->setDefault(true);
    connect(start_, &QPushButton::clicked, this, &CExportDlg::Start);
    auto* close = new QPushButton(MoxTr::tr("关闭"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(start_);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    stepTimer_ = new QTimer(this);
    stepTimer_->setSingleShot(true);
    stepTimer_->setInterval(kStepTimeoutMs);
    connect(stepTimer_, &QTimer::timeout, this, &CExportDlg::StepDone);
    relay_ = std::make_unique<CViewEventRelay>(
        this,
        std::set<int>{eMoxCacheEvent_FCacheAdd, eMoxCacheEvent_RCacheAdd, eMoxCacheEvent_SCacheAdd,
                      eMoxCacheEvent_RewriteAdd},
        [this](int, int, std::uintptr_t, unsigned long requestNumber) {
            if (awaited_.Take(requestNumber))
                StepDone();
        });
}

CExportDlg::~CExportDlg()
{
    relay_.reset();
}

void CExportDlg::OpenOver(QWidget* view, bool importing)
{
    auto* form = new CExportDlg(importing ? Mode::Import : Mode::Export, view);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->open();
}

QCheckBox* CExportDlg::BlockBox(RulesFileBlock block) const
{
    for (int i = 0; i < 4; ++i)
        if (kBlocks[i] == block)
            return boxes_[i];
    return nullptr;
}

void CExportDlg::SetStepTimeout(int milliseconds)
{
    stepTimer_->setInterval(milliseconds);
}

unsigned CExportDlg::ChosenBlocks() const
{
    unsigned blocks = 0;
    for (int i = 0; i < 4; ++i)
        if (boxes_[i]->isChecked())
            blocks |= kBlocks[i];
    return blocks;
}

void CExportDlg::Choose()
{
    const QString path =
        mode_ == Mode::Export
            ? ChooseExchangeFileToSave(this, MoxTr::tr("导出规则"),
                                       QStringLiteral("Morvix-Rules-%1.txt").arg(ServerHostName()))
            : ChooseExchangeFileToOpen(this, MoxTr::tr("导入规则"));
    if (!path.isEmpty())
        path_->setText(path);
}

void CExportDlg::Start()
{
    if (path_->text().isEmpty()) {
        IUserInteraction::Current().Inform(this, MoxTr::tr("提示"),
                                           mode_ == Mode::Export ? MoxTr::tr("请选择缓存规则导出目录")
                                                                 : MoxTr::tr("请选择缓存规则导入文件"));
        return;
    }
    mode_ == Mode::Export ? Export() : Import();
}

void CExportDlg::Export()
{
    const RuleSet rules = ShownRules();
    const unsigned chosen = ChosenBlocks();
    ExchangeFileText::Written file;
    int step = 0;
    for (RulesFileBlock block : kBlocks) {
        if (chosen & block) {
            const ExchangeFileText::Written written = RulesFileText(rules, block);
            file.text += written.text;
            file.flattenedValues += written.flattenedValues;
        }
        progress_->setValue(++step);
    }
    std::string error;
    // A file that could not be written is no finished export: the operator is told, and may retry.
    if (!ExchangeFileText::Write(path_->text().toStdString(), file.text, &error)) {
        progress_->setValue(0);
        IUserInteraction::Current().Inform(this, MoxTr::tr("导出"), QString::fromStdString(error));
        return;
    }
    progress_->setValue(kExportSteps);
    GlobalFunc_UpdateStatusBar(ExchangeFileText::ExportStatusText(MoxText::Noop("导出规则完成"), file));
    start_->setText(MoxTr::tr("导出完成"));
    start_->setEnabled(false);
}

void CExportDlg::Import()
{
    // The bar runs busy while the file is read and parsed away from the window.
    start_->setEnabled(false);
    progress_->setRange(0, 0);
    ReadExchangeFileInBackground(
        this, path_->text().toStdString(),
        [blocks = ChosenBlocks()](const std::string& text) {
            ExchangeFileText::ReadNotes notes;
            RuleSet rules = ReadRulesFile(text, blocks, &notes);
            return std::make_pair(std::move(rules), std::move(notes));
        },
        [this](std::optional<std::pair<RuleSet, ExchangeFileText::ReadNotes>> read, const std::string& error) {
            if (!read) {
                progress_->setRange(0, 1);
                progress_->setValue(0);
                start_->setEnabled(true);
                IUserInteraction::Current().Inform(this, MoxTr::tr("导入"), QString::fromStdString(error));
                return;
            }
            if (read->second.Any())
                GlobalFunc_UpdateStatusBar(ExchangeFileText::ReadNotesStatusText(MoxText::Noop("导入文件"), read->second));
            SendFrom(std::move(read->first));
        });
}

void CExportDlg::SendFrom(RuleSet rules)
{
    queue_.emplace(std::move(rules));
    progress_->setRange(0, std::max<int>(1, static_cast<int>(queue_->Total())));
    progress_->setValue(0);
    if (queue_->Finished()) {
        progress_->setValue(progress_->maximum());
        Finish();
        return;
    }
    SendNext();
}

void CExportDlg::SendNext()
{
    const RulesImportQueue::Step step = queue_->SendNext();
    awaited_.Sent(step.requestNumber);
    stepTimer_->start();
    if (awaited_.IsBusy()) {
        CRuleListPage::AdoptAdd(step.completionEvent, step.requestNumber);
        return;
    }
    // Nothing went out (no session): no reply will come, so the next rule goes without waiting.
    QTimer::singleShot(0, this, [this, sent = queue_->Sent()] {
        if (queue_->Sent() == sent)
            StepDone();
    });
}

void CExportDlg::StepDone()
{
    stepTimer_->stop();
    awaited_.Reset();
    const int done = static_cast<int>(queue_->Sent());
    // The bar redraws at once when it moves: the next rule goes out first, so that the drawing
    // overlaps its exchange instead of delaying it.
    const bool more = !queue_->Finished();
    if (more)
        SendNext();
    progress_->setValue(done);
    if (!more)
        Finish();
}

void CExportDlg::Finish()
{
    stepTimer_->stop();
    start_->setText(MoxTr::tr("导入完成"));
    start_->setEnabled(false);
    // The list views show only the replies to their own requests: the list the form was opened
    // over asks for the imported rules (the others ask whenever they are shown).
    if (auto* page = qobject_cast<CRuleListPage*>(parentWidget()))
        page->RunCommand(CRuleListPage::eRefresh);
}
