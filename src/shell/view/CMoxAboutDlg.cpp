#include "shell/view/CMoxAboutDlg.h"

#include "controls/CSkinImageCache.h"
#include "controls/IUserInteraction.h"
#include "controls/SkinImages.h"
#include "shell/CMoxDisplayStrings.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

namespace {

QLabel* AddLine(QVBoxLayout* layout, const QString& text, const char* objectName, QWidget* parent)
{
    auto* line = new QLabel(text, parent);
    line->setObjectName(QString::fromLatin1(objectName));
    line->setTextFormat(Qt::PlainText);
    layout->addWidget(line);
    return line;
}

}  // namespace

CMoxAboutDlg::CMoxAboutDlg(const QString& serverVersion, bool oem, QWidget* parent) : QDialog(parent)
{
    const CMoxDisplayStrings& strings = CMoxDisplayStrings::Instance();
    const QString name = QString::fromStdString(strings.Name());
    setWindowTitle(MoxTr::tr("关于 %1").arg(name));

    auto* icon = new QLabel(this);
    const QPixmap& appIcon = CSkinImageCache::Image(SkinImages::kApplicationIcon);
    if (!appIcon.isNull())
        icon->setPixmap(appIcon.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setAlignment(Qt::AlignTop);
    icon->setAccessibleName(MoxTr::tr("%1 图标").arg(name));

    auto* lines = new QVBoxLayout;
    lines->setSpacing(8);
    AddLine(lines, MoxTr::tr("%1，版本：%2").arg(name, QLatin1String(kConsoleVersion)), "version", this);
    AddLine(lines, MoxTr::tr("已连接服务端版本：%1").arg(serverVersion), "serverVersion", this);
    if (!oem) {
        const QString url = QString::fromStdString(strings.AboutUrl());
        auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(url.toHtmlEscaped()), this);
        link->setObjectName(QStringLiteral("link"));
        link->setAccessibleName(url);
        link->setTextFormat(Qt::RichText);
        link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        connect(link, &QLabel::linkActivated, this,
                [this](const QString& target) { IUserInteraction::Current().OpenUrl(QUrl(target)); });
        lines->addWidget(link);
        AddLine(lines, QString::fromStdString(strings.AboutCopyright()), "notice", this);
    }

    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    body->addWidget(icon);
    body->addLayout(lines, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(MoxTr::tr("确定"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 14);
    layout->setSpacing(16);
    layout->addLayout(body);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
