#include "features/config/view/CDiskNoteDlg.h"

#include "controls/CTextLimit.h"
#include "features/config/DiskCacheEntry.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

CDiskNoteDlg::CDiskNoteDlg(const QString& note, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(MoxTr::tr("备注"));
    field_ = new QPlainTextEdit(note, this);
    CTextLimit::Apply(field_, DiskCacheEntry::kNoteLimit);
    auto* label = new QLabel(MoxTr::tr("备注："), this);
    label->setBuddy(field_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(field_);
    layout->addWidget(buttons);
    resize(360, 200);
}

QString CDiskNoteDlg::Note() const
{
    return field_->toPlainText().left(DiskCacheEntry::kNoteLimit);
}
