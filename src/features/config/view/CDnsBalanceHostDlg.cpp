#include "features/config/view/CDnsBalanceHostDlg.h"

#include "controls/CTextLimit.h"
#include "controls/FieldLabels.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

namespace {

constexpr int kNoteCharacters = 400;

// Two exclusive choices, "启用（默认）" first; returns the second.
QRadioButton* AddChoice(QFormLayout* form, const QString& label, bool firstChosen, QWidget* parent)
{
    auto* on = new QRadioButton(MoxTr::tr("启用（默认）"), parent);
    auto* off = new QRadioButton(MoxTr::tr("暂停"), parent);
    auto* group = new QButtonGroup(parent);
    group->addButton(on);
    group->addButton(off);
    (firstChosen ? on : off)->setChecked(true);
    auto* row = new QHBoxLayout;
    row->addWidget(on);
    row->addWidget(off);
    row->addStretch();
    form->addRow(label, row);
    return off;
}

}  // namespace

CDnsBalanceHostDlg::CDnsBalanceHostDlg(const DnsBalanceHost* host, QWidget* parent) : QDialog(parent)
{
    if (host) {
        original_ = *host;
    } else {
        original_.Enable = 1;
        original_.Checking = 1;
    }
    setWindowTitle(host ? MoxTr::tr("修改") : MoxTr::tr("添加"));
    ip_ = new QLineEdit(this);
    CTextLimit::Apply(ip_, DnsBalanceHost::kIpLimit);
    CTextLimit::ShowWhole(ip_, original_.IP);
    ip_->setReadOnly(host != nullptr);
    note_ = new QPlainTextEdit(this);
    CTextLimit::Apply(note_, kNoteCharacters);
    CTextLimit::ShowWhole(note_, original_.Note);
    note_->setFixedHeight(70);
    auto* form = new QFormLayout;
    FieldLabels::AddRow(form, MoxTr::tr("集群主机 IP："), ip_);
    paused_ = AddChoice(form, MoxTr::tr("启用状态："), original_.Enable != 0, this);
    unchecked_ = AddChoice(form, MoxTr::tr("宕机检测："), original_.Checking != 0, this);
    FieldLabels::AddRow(form, MoxTr::tr("备注："), note_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(!ip_->text().isEmpty());
    connect(ip_, &QLineEdit::textChanged, this, [this, ok] { ok->setEnabled(!ip_->text().trimmed().isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

DnsBalanceHost CDnsBalanceHostDlg::Edited() const
{
    DnsBalanceHost edited = original_;
    edited.IP = CTextLimit::ValueToSend(ip_, original_.IP);
    if (edited.IP != original_.IP)
        edited.IP = QString::fromStdString(edited.IP).trimmed().toStdString();
    edited.Enable = paused_->isChecked() ? 0 : 1;
    edited.Checking = unchecked_->isChecked() ? 0 : 1;
    edited.Note = CTextLimit::ValueToSend(note_, original_.Note);
    return edited;
}
