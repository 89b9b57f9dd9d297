#include "features/access/view/CWhiteListAddDlg.h"

#include "controls/CMoxTabCtrl.h"
#include "controls/CTextLimit.h"
#include "controls/FieldLabels.h"
#include "features/access/AddressListRequests.h"
#include "protocol/SentRequestNumber.h"

#include <QDateEdit>
#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <algorithm>
#include "controls/MoxTr.h"

namespace {

const QDateTime kEarliest(QDate(2010, 1, 1), QTime(0, 0));
const QDateTime kLatest(QDate(2030, 1, 1), QTime(0, 0));
const QString kExpireFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

}  // namespace

CWhiteListAddDlg::CWhiteListAddDlg(AddressList list, Mode mode, const AddressListEntry& entry, QWidget* parent)
    : QDialog(parent), list_(list), mode_(mode), shown_(entry)
{
    setWindowTitle(mode == Mode::Add ? MoxTr::tr("添加") : MoxTr::tr("修改"));
    setModal(true);
    auto* tabs = new CMoxTabCtrl(this);
    tabs->addTab(list == AddressList::White ? MoxTr::tr("白名单") : MoxTr::tr("黑名单"));

    low_ = new QLineEdit(this);
    high_ = new QLineEdit(this);
    for (QLineEdit* address : {low_, high_})
        CTextLimit::Apply(address, AddressListEntry::kAddressLimit);
    // The range's caption names its first address; the second has a name of its own.
    high_->setAccessibleName(MoxTr::tr("结束地址"));
    auto* range = new QHBoxLayout;
    range->addWidget(low_);
    range->addWidget(new QLabel(QStringLiteral("→"), this));
    range->addWidget(high_);

    date_ = new QDateEdit(this);
    date_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    date_->setCalendarPopup(true);
    date_->setDateRange(kEarliest.date(), kLatest.date());
    time_ = new QTimeEdit(this);
    time_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    QDateTime expire = kLatest;
    if (mode == Mode::Modify) {
        const QDateTime parsed = QDateTime::fromString(QString::fromStdString(entry.Expire), kExpireFormat);
        if (parsed.isValid())
            expire = std::clamp(parsed, kEarliest, kLatest);
    }
    date_->setDate(expire.date());
    time_->setTime(expire.time());
    auto* expireRow = new QHBoxLayout;
    expireRow->addWidget(date_);
    expireRow->addWidget(time_);
    expireRow->addStretch();

    note_ = new QLineEdit(this);
    CTextLimit::Apply(note_, AddressListEntry::kNoteLimit);
    if (mode == Mode::Modify) {
        CTextLimit::ShowWhole(low_, entry.Low);
        CTextLimit::ShowWhole(high_, entry.High);
        CTextLimit::ShowWhole(note_, entry.Note);
    }

    auto* form = new QFormLayout;
    const auto addRow = [this, form](const QString& text, QWidget* field, QLayout* row) {
        auto* label = new QLabel(text, this);
        FieldLabels::Tie(label, field);
        form->addRow(label, row);
    };
    addRow(MoxTr::tr("IP地址段："), low_, range);
    addRow(MoxTr::tr("有效期："), date_, expireRow);
    FieldLabels::AddRow(form, MoxTr::tr("备注："), note_);

    ok_ = new QPushButton(MoxTr::tr("确定"), this);
    ok_->setDefault(true);
    auto* cancel = new QPushButton(MoxTr::tr("取消"), this);
    connect(ok_, &QPushButton::clicked, this, &CWhiteListAddDlg::Submit);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

AddressListEntry CWhiteListAddDlg::EntryFromFields() const
{
    AddressListEntry entry = shown_;
    entry.Low = CTextLimit::ValueToSend(low_, shown_.Low);
    entry.High = CTextLimit::ValueToSend(high_, shown_.High);
    entry.Expire = (date_->date().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ') +
                    time_->time().toString(QStringLiteral("HH:mm:ss")))
                       .toStdString();
    entry.Note = CTextLimit::ValueToSend(note_, shown_.Note);
    return entry;
}

void CWhiteListAddDlg::Submit()
{
    if (low_->text().isEmpty() && high_->text().isEmpty())
        return;
    const AddressListEntry entry = EntryFromFields();
    const bool black = list_ == AddressList::Black;
    const unsigned long sent = nsMoxHttp::SentRequestNumber([&] {
        return mode_ == Mode::Add ? (black ? AccessList_BlackAdd(entry) : AccessList_WhiteAdd(entry))
                                  : (black ? AccessList_BlackModify(entry) : AccessList_WhiteModify(entry));
    });
    if (sent != 0)
        emit Submitted(sent);
    accept();
}
