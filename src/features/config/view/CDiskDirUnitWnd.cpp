#include "features/config/view/CDiskDirUnitWnd.h"

#include "controls/CSkinImageCache.h"
#include "controls/FieldLabels.h"
#include "controls/IUserInteraction.h"
#include "controls/SkinImages.h"
#include "features/config/DiskCacheRequests.h"
#include "features/config/view/CDiskNoteDlg.h"
#include "protocol/SentRequestNumber.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPushButton>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

struct StatusShape {
    const char* text;
    const char* icon;
};

const StatusShape kStatuses[] = {
    {MoxText::Noop("无效或暂停"), SkinImages::kDiskStopped},
    {MoxText::Noop("使用中"), SkinImages::kDiskReading},
    {MoxText::Noop("缓存目录已满,正在清理中"), SkinImages::kDiskFull},
    {MoxText::Noop("缓存目录已满,正在清理中"), SkinImages::kDiskClearing},
};
constexpr int kReadingStatus = 1;
constexpr int kIconSize = 16;

}  // namespace

CDiskDirUnitWnd::CDiskDirUnitWnd(int diskNo, QWidget* parent) : QWidget(parent)
{
    entry_.DiskNo = diskNo;
    label_ = new QLabel(QStringLiteral("%1#").arg(diskNo), this);
    label_->setFixedWidth(28);
    path_ = new QLineEdit(this);
    path_->setMaxLength(DiskCacheEntry::kPathLimit);
    path_->setAccessibleName(MoxTr::tr("缓存目录 %1").arg(diskNo));
    FieldLabels::Tie(label_, path_);
    statusIcon_ = new QLabel(this);
    statusIcon_->setFixedSize(kIconSize, kIconSize);
    statusText_ = new QLabel(this);
    statusText_->setMinimumWidth(170);
    note_ = new QLabel(MoxTr::tr("<a href=\"note\">备注</a>"), this);
    note_->setAccessibleName(MoxTr::tr("备注 %1").arg(diskNo));
    command_ = new QPushButton(MoxTr::tr("启用"), this);
    command_->setFixedWidth(64);
    reading_ = new QMovie(CSkinImageCache::Folder() + QLatin1Char('/') + QLatin1String(SkinImages::kDiskReading), {},
                          this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, 1);
    layout->addWidget(label_);
    layout->addWidget(path_, 1);
    layout->addWidget(statusIcon_);
    layout->addWidget(statusText_);
    layout->addWidget(note_);
    layout->addWidget(command_);

    connect(path_, &QLineEdit::textEdited, this, &CDiskDirUnitWnd::PathEdited);
    connect(command_, &QPushButton::clicked, this, &CDiskDirUnitWnd::RunCommand);
    connect(note_, &QLabel::linkActivated, this, &CDiskDirUnitWnd::EditNote);
    Reset();
}

void CDiskDirUnitWnd::SetPlaceholder(const QString& placeholder)
{
    path_->setPlaceholderText(placeholder);
}

void CDiskDirUnitWnd::Reset()
{
    const int diskNo = entry_.DiskNo;
    entry_ = DiskCacheEntry();
    entry_.DiskNo = diskNo;
    path_->clear();
    path_->setReadOnly(false);
    note_->setToolTip(QString());
    command_->setText(MoxTr::tr("启用"));
    command_->setEnabled(false);
    // The icon of an unused area, but no state until the server names one.
    ShowStatus(0);
    statusText_->clear();
}

void CDiskDirUnitWnd::ApplyEntry(const DiskCacheEntry& entry)
{
    entry_ = entry;
    label_->setText(QStringLiteral("%1#").arg(entry.DiskNo));
    path_->setText(QString::fromStdString(entry.Path));
    ShowStatus(entry.Status);
    note_->setToolTip(QString::fromStdString(entry.Note));
    const bool inUse = entry.Enable == 1;
    command_->setText(inUse ? MoxTr::tr("暂停") : MoxTr::tr("启用"));
    command_->setEnabled(true);
    path_->setReadOnly(inUse);
}

std::string CDiskDirUnitWnd::TypedPath() const
{
    const QString typed = path_->text().left(DiskCacheEntry::kPathLimit);
    return typed == path_->placeholderText() ? std::string() : typed.toStdString();
}

void CDiskDirUnitWnd::ShowStatus(int status)
{
    if (status < 0 || status >= static_cast<int>(std::size(kStatuses)))
        return;
    statusText_->setText(MoxTr::tr(kStatuses[status].text));
    // The icon says the same as the text beside it, for those who cannot see it.
    statusIcon_->setAccessibleName(statusText_->text());
    if (status == kReadingStatus && reading_->isValid()) {
        statusIcon_->setMovie(reading_);
        reading_->start();
        return;
    }
    reading_->stop();
    statusIcon_->setMovie(nullptr);
    statusIcon_->setPixmap(CSkinImageCache::Image(QString::fromUtf8(kStatuses[status].icon)));
}

void CDiskDirUnitWnd::PathEdited()
{
    if (entry_.Enable == 1)
        return;
    if (!TypedPath().empty()) {
        command_->setText(MoxTr::tr("启用"));
        command_->setEnabled(true);
        return;
    }
    command_->setText(MoxTr::tr("取消"));
    command_->setEnabled(!entry_.Path.empty());
}

void CDiskDirUnitWnd::RunCommand()
{
    IUserInteraction& user = IUserInteraction::Current();
    if (entry_.Enable == 1) {
        if (user.Confirm(this, MoxTr::tr("暂停"), MoxTr::tr("你确定要暂停此缓存区目录的使用吗？")))
            SendSet(0, TypedPath());
        return;
    }
    if (TypedPath().empty() && !entry_.Path.empty()) {
        if (user.Confirm(this, MoxTr::tr("取消"), MoxTr::tr("你确定要取消此缓存区目录吗？")))
            SendSet(0, std::string());
        return;
    }
    if (user.Confirm(this, MoxTr::tr("启用"), MoxTr::tr("你确定要启用此缓存区目录吗？")))
        SendSet(1, TypedPath());
}

void CDiskDirUnitWnd::SendSet(std::int32_t enable, const std::string& path)
{
    DiskCacheEntry sent = entry_;
    sent.Enable = enable;
    sent.Path = path;
    Send(sent);
}

void CDiskDirUnitWnd::Send(const DiskCacheEntry& sent)
{
    if (const unsigned long requestNumber = nsMoxHttp::SentRequestNumber([&] { return DiskCacheManager_Set(sent); }))
        emit SetSent(requestNumber);
}

void CDiskDirUnitWnd::EditNote()
{
    if (noteEditor_) {
        noteEditor_->raise();
        return;
    }
    noteEditor_ = new CDiskNoteDlg(QString::fromStdString(entry_.Note), this);
    noteEditor_->setAttribute(Qt::WA_DeleteOnClose);
    connect(noteEditor_, &QDialog::accepted, this, [this] {
        entry_.Note = noteEditor_->Note().toStdString();
        note_->setToolTip(QString::fromStdString(entry_.Note));
        DiskCacheEntry sent = entry_;
        sent.Path = TypedPath();
        Send(sent);
    });
    noteEditor_->open();
}
