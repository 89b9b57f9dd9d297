#include "features/config/view/CDnsRedirectEntryDlg.h"

#include "controls/CTextLimit.h"
#include "controls/FieldLabels.h"
#include "controls/IUserInteraction.h"
#include "features/config/DnsRedirectFile.h"

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
const QString kDefaultIp = QStringLiteral("Default");
}

CDnsRedirectEntryDlg::CDnsRedirectEntryDlg(const DnsRedirectEntry* entry, std::string cacheServerIp, QWidget* parent)
    : QDialog(parent), cacheServerIp_(std::move(cacheServerIp))
{
    if (entry)
        original_ = *entry;
    setWindowTitle(entry ? MoxTr::tr("修改") : MoxTr::tr("添加"));
    name_ = new QLineEdit(this);
    CTextLimit::Apply(name_, DnsRedirectEntry::kNameLimit);
    CTextLimit::ShowWhole(name_, original_.Name);
    name_->setReadOnly(entry != nullptr);
    ip_ = new QLineEdit(this);
    CTextLimit::Apply(ip_, DnsRedirectEntry::kIpLimit);
    CTextLimit::ShowWhole(ip_, original_.IP);
    ip_->setPlaceholderText(MoxTr::tr("<默认为 Morvix 服务器 IP 地址>"));
    note_ = new QPlainTextEdit(this);
    CTextLimit::Apply(note_, kNoteCharacters);
    CTextLimit::ShowWhole(note_, original_.Note);
    note_->setFixedHeight(80);
    redirect_ = new QRadioButton(MoxTr::tr("允许劫持 (默认)"), this);
    refuse_ = new QRadioButton(MoxTr::tr("拒绝劫持"), this);
    auto* choice = new QButtonGroup(this);
    choice->addButton(redirect_);
    choice->addButton(refuse_);
    (original_.Enable == 0 ? refuse_ : redirect_)->setChecked(true);
    auto* choices = new QHBoxLayout;
    choices->addWidget(redirect_);
    choices->addWidget(refuse_);
    choices->addStretch();

    auto* form = new QFormLayout;
    FieldLabels::AddRow(form, MoxTr::tr("域名："), name_);
    FieldLabels::AddRow(form, MoxTr::tr("IP："), ip_);
    FieldLabels::AddRow(form, MoxTr::tr("备注："), note_);
    form->addRow(MoxTr::tr("劫持："), choices);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setEnabled(!name_->text().isEmpty());
    connect(name_, &QLineEdit::textChanged, this, [this] { ok_->setEnabled(!name_->text().isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CDnsRedirectEntryDlg::Submit);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

DnsRedirectEntry CDnsRedirectEntryDlg::Edited() const
{
    DnsRedirectEntry edited = original_;
    edited.Name = CTextLimit::ValueToSend(name_, original_.Name);
    const QString ip = QString::fromStdString(CTextLimit::ValueToSend(ip_, original_.IP)).trimmed();
    edited.IP = ip == kDefaultIp || ip == ip_->placeholderText() || ip.toStdString() == cacheServerIp_
                    ? std::string()
                    : ip.toStdString();
    edited.Note = CTextLimit::ValueToSend(note_, original_.Note);
    edited.Enable = redirect_->isChecked() ? 1 : 0;
    return edited;
}

void CDnsRedirectEntryDlg::Submit()
{
    // A name the server already holds is not the operator's to change here; a new one must fit the
    // exchanged file's line, or its export would be read back as another entry.
    if (!name_->isReadOnly() && !DnsNameFitsLine(name_->text().toStdString())) {
        IUserInteraction::Current().Inform(this, MoxTr::tr("提示"), MoxTr::tr("域名中不能含有“/”、“#”或空白。"));
        name_->setFocus();
        return;
    }
    accept();
}
