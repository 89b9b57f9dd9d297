#include "features/monitor/view/CRthListAddDlg.h"

#include "controls/FieldLabels.h"
#include "features/cache/CacheRuleTexts.h"
#include "features/monitor/RthRequests.h"
#include "features/monitor/view/CRthSwitchBoxes.h"
#include "messaging/EventKinds.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

CRthListAddDlg::CRthListAddDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(MoxTr::tr("添加实时监控记录"));
    setModal(true);
    url_ = new QLineEdit(this);
    url_->setMaxLength(kUrlCharacters);
    url_->setMinimumWidth(420);
    title_ = new QLineEdit(this);
    title_->setMaxLength(kTitleCharacters);
    matchKind_ = new QComboBox(this);
    for (int code = 0; code < kMatchKindCount; ++code)
        matchKind_->addItem(QString::fromStdString(MoxText::tr(MatchKindText(code))));
    ignoreCase_ = new QCheckBox(MoxTr::tr("忽略大小写"), this);
    ignoreCase_->setChecked(true);
    switches_ = new CRthSwitchBoxes(this);

    auto* form = new QFormLayout;
    FieldLabels::AddRow(form, MoxTr::tr("实时监控地址："), url_);
    FieldLabels::AddRow(form, MoxTr::tr("编辑标签名："), title_);
    auto* ruleRow = new QHBoxLayout;
    ruleRow->addWidget(matchKind_);
    ruleRow->addWidget(ignoreCase_);
    ruleRow->addStretch();
    form->addRow(MoxTr::tr("地址匹配规则："), ruleRow);
    if (auto* ruleLabel = qobject_cast<QLabel*>(form->labelForField(ruleRow)))
        ruleLabel->setBuddy(matchKind_);
    form->addRow(QString(), switches_);

    okButton_ = new QPushButton(MoxTr::tr("确定"), this);
    okButton_->setDefault(true);
    auto* cancel = new QPushButton(MoxTr::tr("取消"), this);
    connect(okButton_, &QPushButton::clicked, this, &CRthListAddDlg::Submit);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(url_, &QLineEdit::textChanged, this, &CRthListAddDlg::UpdateOk);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    UpdateOk();

    relay_ = std::make_unique<CViewEventRelay>(
        this, std::set<int>{eMoxCacheEvent_RthAdd},
        [this](int, int status, std::uintptr_t, unsigned long) { ReplyShown(status); });
    // A login since the addition went out means its reply will never come: OK is offered again.
    relay_->TakeOnlyAwaited(&awaited_, [this] { UpdateOk(); });
}

CRthListAddDlg::~CRthListAddDlg()
{
    relay_.reset();
}

RthRecord CRthListAddDlg::RecordFromFields() const
{
    RthRecord record;
    record.RequestUrl = url_->text().toStdString();
    record.Title = title_->text().toStdString();
    record.Rules = matchKind_->currentIndex();
    record.Icase = ignoreCase_->isChecked() ? 1 : 0;
    switches_->ReadInto(record);
    return record;
}

void CRthListAddDlg::UpdateOk()
{
    okButton_->setEnabled(!awaited_.IsBusy() && !url_->text().isEmpty());
}

void CRthListAddDlg::Submit()
{
    if (url_->text().isEmpty() || awaited_.IsBusy())
        return;
    const unsigned long sent = awaited_.Send([this] { return MonitorManager_RthAdd(RecordFromFields()); });
    if (sent == 0)
        return;
    UpdateOk();
    GlobalFunc_UpdateStatusBar(MoxText::Noop("正在添加实时访问监控记录，请稍候...."));
    emit Submitted(sent);
}

void CRthListAddDlg::ReplyShown(int status)
{
    // The reply handler has said how it went; a refused or failed addition may be tried again.
    if (status == eMoxEventStatus_Ok)
        accept();
    else
        UpdateOk();
}
