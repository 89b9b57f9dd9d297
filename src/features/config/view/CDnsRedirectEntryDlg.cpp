#include "features/config/view/CDnsRedirectEntryDlg.h"

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

namespace {
const QString kDefaultIp = QStringLiteral("Default");
}

CDnsRedirectEntryDlg::CDnsRedirectEntryDlg(const DnsRedirectEntry* entry, std::string cacheServerIp, QWidget* parent)
    : QDialog(parent), cacheServerIp_(std::move(cacheServerIp))
{
    if (entry)
        original_ = *entry;
    setWindowTitle(entry ? QStringLiteral("修改") : QStringLiteral("添加"));
    name_ = new QLineEdit(QString::fromStdString(original_.Name), this);
    name_->setMaxLength(DnsRedirectEntry::kNameLimit);
    name_->setReadOnly(entry != nullptr);
    ip_ = new QLineEdit(QString::fromStdString(original_.IP), this);
    ip_->setMaxLength(DnsRedirectEntry::kIpLimit);
    ip_->setPlaceholderText(QStringLiteral("<默认为 Morvix 服务器 IP 地址>"));
    note_ = new QPlainTextEdit(QString::fromStdString(original_.Note), this);
    CTextLimit::Apply(note_, kNoteCharacters);
    note_->setFixedHeight(80);
    redirect_ = new QRadioButton(QStringLiteral("允许劫持 (默认)"), this);
    refuse_ = new QRadioButton(QStringLiteral("拒绝劫持"), this);
    auto* choice = new QButtonGroup(this);
    choice->addButton(redirect_);
    choice->addButton(refuse_);
    (original_.Enable == 0 ? refuse_ : redirect_)->setChecked(true);
    auto* choices = new QHBoxLayout;
    choices->addWidget(redirect_);
    choices->addWidget(refuse_);
    choices->addStretch();

    auto* form = new QFormLayout;
    FieldLabels::AddRow(form, QStringLiteral("域名："), name_);
    FieldLabels::AddRow(form, QStringLiteral("IP："), ip_);
    FieldLabels::AddRow(form, QStringLiteral("备注："), note_);
    form->addRow(QStringLiteral("劫持："), choices);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setEnabled(!name_->text().isEmpty());
    connect(name_, &QLineEdit::textChanged, this, [this] { ok_->setEnabled(!name_->text().isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

DnsRedirectEntry CDnsRedirectEntryDlg::Edited() const
{
    DnsRedirectEntry edited = original_;
    edited.Name = name_->text().toStdString();
    const QString ip = ip_->text().trimmed();
    edited.IP = ip == kDefaultIp || ip == ip_->placeholderText() || ip.toStdString() == cacheServerIp_
                    ? std::string()
                    : ip.toStdString();
    edited.Note = note_->toPlainText().toStdString();
    edited.Enable = redirect_->isChecked() ? 1 : 0;
    return edited;
}
