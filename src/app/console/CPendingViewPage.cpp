#include "app/console/CPendingViewPage.h"

#include <QLabel>
#include <QVBoxLayout>

CPendingViewPage::CPendingViewPage(const QString& title, const QString& viewName, QWidget* parent)
    : CMoxContentView(parent)
{
    auto* heading = new QLabel(title, this);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.6);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    heading->setObjectName(QStringLiteral("pageTitle"));

    auto* description = new QLabel(viewName, this);
    description->setObjectName(QStringLiteral("pageDescription"));
    QPalette palette = description->palette();
    palette.setColor(QPalette::WindowText, QColor(0x5a, 0x65, 0x73));
    description->setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(10);
    layout->addWidget(heading);
    layout->addWidget(description);
    layout->addStretch(1);
}
