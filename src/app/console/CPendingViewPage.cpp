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
    description->setStyleSheet(QStringLiteral("color: #5a6573;"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(10);
    layout->addWidget(heading);
    layout->addWidget(description);
    layout->addStretch(1);
}
