#include "controls/CRuleFormDlg.h"

#include "controls/CMoxTabCtrl.h"
#include "controls/FieldLabels.h"
#include "controls/IUserInteraction.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "protocol/ErrorCodes.h"
#include "shell/SayThenSend.h"
#include "shell/TextFormat.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

QWidget* MakeHelpPage(const std::string& helpUrl, QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* text = new QLabel(MoxTr::tr("帮助页面在浏览器中打开。"), page);
    auto* open = new QPushButton(MoxTr::tr("打开帮助"), page);
    QObject::connect(open, &QPushButton::clicked, page, [helpUrl] {
        IUserInteraction::Current().OpenUrl(QUrl(QString::fromStdString(helpUrl)));
    });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(text);
    layout->addWidget(open, 0, Qt::AlignLeft);
    layout->addStretch();
    return page;
}

}  // namespace

CRuleFormDlg::CRuleFormDlg(Mode mode, Texts texts, QWidget* parent)
    : QDialog(parent), mode_(mode), texts_(std::move(texts))
{
    setWindowTitle(mode_ == Mode::Add ? texts_.addTitle : texts_.modifyTitle);
    setModal(true);

    tabs_ = new CMoxTabCtrl(this);
    tabs_->addTab(texts_.pageTab);
    tabs_->addTab(MoxTr::tr("查看帮助"));
    auto* pages = new QStackedWidget(this);
    auto* formPage = new QWidget(pages);
    form_ = new QFormLayout(formPage);
    form_->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pages->addWidget(formPage);
    pages->addWidget(MakeHelpPage(texts_.helpUrl, pages));
    connect(tabs_, &CMoxTabCtrl::currentChanged, pages, &QStackedWidget::setCurrentIndex);

    okButton_ = new QPushButton(mode_ == Mode::Add ? MoxTr::tr("确定") : MoxTr::tr("修改"), this);
    okButton_->setDefault(true);
    auto* cancel = new QPushButton(MoxTr::tr("取消"), this);
    connect(okButton_, &QPushButton::clicked, this, &CRuleFormDlg::Submit);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(pages, 1);
    layout->addLayout(buttons);

    const OutcomeTexts& outcome = mode_ == Mode::Add ? texts_.add : texts_.modify;
    relay_ = std::make_unique<CViewEventRelay>(
        this, std::set<int>{outcome.event},
        [this](int, int status, std::uintptr_t record, unsigned long) { ReplyShown(status, record); });
    // A login since the request went out means its reply will never come: OK is offered again.
    relay_->TakeOnlyAwaited(&awaited_, [this] { okButton_->setEnabled(!awaited_.IsBusy()); });
}

CRuleFormDlg::~CRuleFormDlg()
{
    relay_.reset();
}

void CRuleFormDlg::AddRow(const QString& label, QWidget* field)
{
    FieldLabels::AddRow(form_, label, field);
}

void CRuleFormDlg::AddRow(const QString& label, QWidget* field, QWidget* row)
{
    form_->addRow(FieldLabels::Tie(new QLabel(label, this), field), row);
}

void CRuleFormDlg::AddRow(const QString& label, QWidget* field, QLayout* row)
{
    form_->addRow(FieldLabels::Tie(new QLabel(label, this), field), row);
}

void CRuleFormDlg::Submit()
{
    // Disabled only once the request is out: nothing sent means no reply will enable it again.
    const unsigned long sent = SayThenSend(texts_.sending, [this] { return Send(); });
    if (sent == 0)
        return;
    awaited_.Sent(sent);
    okButton_->setEnabled(false);
    emit Submitted(sent);
}

void CRuleFormDlg::ReplyShown(int status, std::uintptr_t record)
{
    const OutcomeTexts& texts = mode_ == Mode::Add ? texts_.add : texts_.modify;
    switch (status) {
    case 0:
        GlobalFunc_UpdateStatusBar(texts.accepted);
        accept();
        break;
    case 1: {
        const int errorNo = ErrorNumberOf(record);
        GlobalFunc_UpdateStatusBar(
            FormatText(MoxText::tr(texts.refused).c_str(), MoxText::tr(nsMoxHttp::ErrorText(errorNo)), errorNo));
        okButton_->setEnabled(true);
        break;
    }
    case 2:
        GlobalFunc_UpdateStatusBar(texts.unreachable);
        okButton_->setEnabled(true);
        break;
    default:
        // An unreadable reply has had its text already; the operator may try again.
        okButton_->setEnabled(true);
        break;
    }
}
